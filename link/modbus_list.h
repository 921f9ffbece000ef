// The transaction list: a fixed-size record of up to 256 requests, the value slots their
// data comes from and goes to, and the fields through which the window thread and the
// communication worker hand a list to each other.
//
// Hand-over: the window thread fills an idle list (Index == -1) and starts it with one
// release-store of Index = Len - 1; from then on the worker owns it, executes entries from
// the last down to the first and release-stores Index = -1 when done. The window thread
// reads the results only after an acquire-load has seen -1. Abort is the one request that
// goes the other way while the list runs.
#pragma once

#include "link/protocol.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace tarvix {

inline constexpr int kListEntries = 256;
inline constexpr int kListSlots = 1024;
inline constexpr int kSignalBufferBytes = 32768;
inline constexpr int kSignalBufferWords = kSignalBufferBytes / 2;

using SignalBufferArray = std::array<std::uint16_t, kSignalBufferWords>;

// Flags of a list: what it was built for, which selects the refreshes after its results
// have been distributed.
inline constexpr std::uint16_t kFlagLiveValues = 0x0001;
inline constexpr std::uint16_t kFlagRawSignals = 0x0002;
inline constexpr std::uint16_t kFlagFilteredSignals = 0x0004;
inline constexpr std::uint16_t kFlagErrors = 0x0008;
inline constexpr std::uint16_t kFlagLinkSettings = 0x0010;
inline constexpr std::uint16_t kFlagIndicator = 0x0040;
inline constexpr std::uint16_t kFlagPwlTable = 0x0080;
inline constexpr std::uint16_t kFlagRegisterPolling = 0x0200;
inline constexpr std::uint16_t kFlagCharts = 0x0400;
inline constexpr std::uint16_t kFlagTargetTable = 0x0800;
inline constexpr std::uint16_t kFlagCarrierTable = 0x1000;

struct ModbusList {
    std::array<double, kListSlots> Stamps{};  // reception moment per slot, 0 = nothing
    std::array<std::uint16_t, kListEntries> Start{};
    std::array<std::uint16_t, kListEntries> Count{};
    std::array<std::uint16_t, kListEntries> DataLen{};
    std::array<std::uint16_t, kListSlots> Values{};
    // One more than the entries: an appended entry sets the slot of the entry after it.
    std::array<std::uint16_t, kListEntries + 1> Slot{};
    std::array<std::uint8_t, kListEntries> Func{};
    std::array<std::uint8_t, kListEntries> Result{};
    std::uint16_t* Buffer = nullptr;  // external buffer: always the shared signal buffer
    std::atomic<std::int16_t> Index{-1};
    std::uint16_t Len = 0;
    std::uint16_t Flags = 0;
    std::atomic<std::uint16_t> Ticks{0};
    std::uint8_t Retry = 0;
    std::uint16_t Skipped = 0;  // wide enough for a list whose 256 entries all failed
    std::atomic<std::uint8_t> Busy{0};
    std::atomic<std::uint8_t> Abort{0};

    ModbusList() = default;
    ModbusList(const ModbusList&) = delete;
    ModbusList& operator=(const ModbusList&) = delete;

    // Copies every field of another list (the reset copies the pristine list this way).
    void CopyFrom(const ModbusList& other);

    bool Idle() const { return Index.load(std::memory_order_acquire) < 0; }
    // Hands the filled list to the worker: Index = Len - 1 (nothing to do for Len 0).
    void Launch() { Index.store(static_cast<std::int16_t>(Len - 1), std::memory_order_release); }

    // Appends an entry at Len. Its slots start at Slot[Len]; the entry after it will start
    // at slot Slot[Len] + slotsUsed. Returns the index of the new entry. The builders stay
    // within 256 entries and 1024 slots; a request beyond them is refused (-1) rather than
    // written past the arrays.
    int Append(std::uint8_t func, std::uint16_t start, std::uint16_t count, std::uint16_t dataLen,
               int slotsUsed);
    int AppendRead(std::uint16_t start, std::uint16_t count) {
        return Append(kFnReadHolding, start, count, 0, count);
    }
};

// The program's lists: the poll list, the operation list, the pristine list the others are
// reset from, and the signal buffer all of them point to.
struct ModbusLists {
    SignalBufferArray SignalBuffer{};
    ModbusList BlankList;
    ModbusList PollList;
    ModbusList OpList;

    ModbusLists();
    ModbusLists(const ModbusLists&) = delete;
    ModbusLists& operator=(const ModbusLists&) = delete;

    // Copies the pristine list over L as a whole: empty, idle, no stamps, Slot[0] = 0.
    void ResetList(ModbusList& L) const { L.CopyFrom(BlankList); }
};

}  // namespace tarvix
