#include "list_ops.h"

#include "link/modbus_rtu.h"
#include "link/protocol.h"

#include <algorithm>
#include <bitset>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

namespace tarvix {

int OpListBudget(const ModbusList& L, const ComSetup& com) {
    long long a = 0;
    for (int e = 0; e < L.Len; ++e) a += L.Count[static_cast<std::size_t>(e)];
    if (L.Func[0] == kFnReadFileRecord && L.DataLen[0] == kFileWithTrailer) a = a * 5 / 2;
    const long long len = L.Len;
    const long long ticks = ((17 * len + 2 * a) * com.CharTime + len * com.AnsDelay) * 3 / 50;
    return static_cast<int>(std::clamp<long long>(ticks, 2, 65535));
}

int TickBudget(const ModbusList& L, const ComSetup& com, int intervalMs) {
    long long t = 0;
    for (int e = 0; e < L.Len; ++e) {
        const auto i = static_cast<std::size_t>(e);
        const long long count = L.Count[i];
        switch (L.Func[i]) {
            case kFnReadHolding:
                t += (2 * count + 13) * com.CharTime + com.AnsDelay;
                break;
            case kFnWriteHolding:
                t += (2 * count + 17) * com.CharTime + com.AnsDelay;
                break;
            case kFnDspExchange:
                t += (L.DataLen[i] + count + 12) * com.CharTime + com.AnsDelay;
                break;
            default:
                break;
        }
    }
    if (intervalMs <= 0) intervalMs = 1;
    const long long ticks = (3 * t + intervalMs - 1) / intervalMs;
    return static_cast<int>(std::clamp<long long>(ticks, 2, 65535));
}

bool WaitList(ModbusList& L, int maxSleeps, const WorkerState& state,
              const std::function<void()>& onDead) {
    for (int i = 0; i < maxSleeps && !L.Idle(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (L.Idle()) {
        L.Busy.store(0, std::memory_order_relaxed);
        return true;
    }
    if (state.WorkerDead.load(std::memory_order_acquire)) {
        if (onDead) onDead();
        throw WorkerDeadError("worker dead");
    }
    return false;
}

std::uint8_t TakeFirstResult(ModbusList& L, RegisterImage& image) {
    L.Busy.store(0, std::memory_order_relaxed);
    if (L.Len == 0) return kResultNoAnswer;
    if (L.Result[0] != kResultOk) return L.Result[0];
    const int slot = L.Slot[0];
    for (int i = 0; i < L.Count[0]; ++i) {
        const int r = L.Start[0] + i;
        const int s = slot + i;
        if (!IsUserRegister(r) || s >= kListSlots) break;
        image.ModbusRegs[static_cast<std::size_t>(r)] = L.Values[static_cast<std::size_t>(s)];
        image.RegTime[static_cast<std::size_t>(r)] = L.Stamps[static_cast<std::size_t>(s)];
    }
    return kResultOk;
}

namespace {

// Registers this close are read in one range with the ones between.
constexpr int kMaxMergeGap = 10;
// The most registers, and ranges, a merge produces.
constexpr int kMaxMerged = 255;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void CoalesceReads(ModbusList& list) {
    if (list.Len == 0) return;
    std::bitset<kRegCount> marked;
    for (int e = 0; e < list.Len; ++e) {
        if (list.Func[At(e)] != kFnReadHolding) return;
        const int start = list.Start[At(e)];
        for (int r = start; r < start + list.Count[At(e)] && r < kRegCount; ++r) marked.set(At(r));
    }
    if (marked.count() > kMaxMerged) return;

    std::vector<std::pair<int, int>> ranges;  // first, last
    for (int r = 0; r < kRegCount; ++r) {
        if (!marked.test(At(r))) continue;
        if (!ranges.empty() && r - ranges.back().second <= kMaxMergeGap &&
            r - ranges.back().first < kMaxReadRegisters) {
            ranges.back().second = r;
        } else {
            ranges.emplace_back(r, r);
        }
    }
    int slots = 0;
    for (const auto& [first, last] : ranges) slots += last - first + 1;
    if (ranges.size() > kMaxMerged || slots > kListSlots) return;

    list.Len = 0;
    list.Slot[0] = 0;
    for (const auto& [first, last] : ranges) {
        list.AppendRead(static_cast<std::uint16_t>(first),
                        static_cast<std::uint16_t>(last - first + 1));
    }
}

}  // namespace tarvix
