// libFuzzer target: any list entry and any bytes from the line go through framing,
// classification and storing without reading or writing outside the list or its buffer.
// The first 10 input bytes describe the entry (function, start, count, data length, slot);
// the rest is the answer as it came from the line.
#include "link/modbus_list.h"
#include "link/modbus_rtu.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvix;
    static auto lists = std::make_unique<ModbusLists>();
    if (size < 10) return 0;
    ModbusList& L = lists->OpList;
    lists->ResetList(L);
    auto word = [&](std::size_t at) {
        return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
    };
    L.Append(data[0], word(1), word(3), word(5), 0);
    L.Slot[0] = static_cast<std::uint16_t>(word(7) % 1100);
    L.Values[std::min<std::size_t>(L.Slot[0] + 2u, kListSlots - 1)] = word(8);
    std::uint8_t rx[kFrameMax] = {};
    const int got = static_cast<int>(std::min<std::size_t>(size - 10, kFrameMax));
    std::memcpy(rx, data + 10, static_cast<std::size_t>(got));
    std::uint8_t tx[kFrameMax];
    BuildRequest(L, 0, 1, tx);
    const int expected = ExpectedAnswerLength(L, 0);
    if (ClassifyAnswer(L.Func[0], rx, got, expected, 1) == kResultOk) {
        StoreAnswer(L, 0, rx, got, 1.0);
    }
    StoreAnswer(L, 0, rx, got, 1.0);
    return 0;
}
