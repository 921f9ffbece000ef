#include "modbus_list.h"

namespace tarvix {

void ModbusList::CopyFrom(const ModbusList& o) {
    Stamps = o.Stamps;
    Start = o.Start;
    Count = o.Count;
    DataLen = o.DataLen;
    Values = o.Values;
    Slot = o.Slot;
    Func = o.Func;
    Result = o.Result;
    Buffer = o.Buffer;
    Len = o.Len;
    Flags = o.Flags;
    Ticks.store(o.Ticks.load(std::memory_order_relaxed), std::memory_order_relaxed);
    Retry = o.Retry;
    Skipped = o.Skipped;
    Busy.store(o.Busy.load(std::memory_order_relaxed), std::memory_order_relaxed);
    Abort.store(o.Abort.load(std::memory_order_relaxed), std::memory_order_relaxed);
    // Index last, with release: a list is published only once everything else is in place.
    Index.store(o.Index.load(std::memory_order_relaxed), std::memory_order_release);
}

int ModbusList::Append(std::uint8_t func, std::uint16_t start, std::uint16_t count,
                       std::uint16_t dataLen, int slotsUsed) {
    if (Len >= kListEntries || slotsUsed < 0) return -1;
    const int e = Len;
    const int first = Slot[static_cast<std::size_t>(e)];
    if (first + slotsUsed > kListSlots) return -1;
    const auto i = static_cast<std::size_t>(e);
    Func[i] = func;
    Start[i] = start;
    Count[i] = count;
    DataLen[i] = dataLen;
    Result[i] = 0;
    Slot[i + 1] = static_cast<std::uint16_t>(first + slotsUsed);
    Len = static_cast<std::uint16_t>(e + 1);
    return e;
}

ModbusLists::ModbusLists() {
    BlankList.Buffer = SignalBuffer.data();
    ResetList(PollList);
    ResetList(OpList);
}

}  // namespace tarvix
