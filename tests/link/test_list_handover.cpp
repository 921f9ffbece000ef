// The hand-over of a transaction list between two threads through its Index alone: the
// window side fills and launches, the worker side executes from the last entry down and
// publishes -1; every value the window side then reads must be the one the worker stored.
// Run under ThreadSanitizer by the test command.
#include "link/com_setup.h"
#include "link/memory_serial.h"
#include "link/modbus_list.h"
#include "link/modbus_rtu.h"
#include "link/crc16.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace tarvix {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Answers every read with register n = (n * 7 + round) & 0xFFFF.
Bytes Answer(const Bytes& req, const std::atomic<int>& round) {
    const int start = (req[2] << 8) | req[3];
    const int count = (req[4] << 8) | req[5];
    Bytes a{req[0], 3, static_cast<std::uint8_t>(2 * count)};
    for (int i = 0; i < count; ++i) {
        const auto v = static_cast<std::uint16_t>(((start + i) * 7 + round.load()) & 0xFFFF);
        a.push_back(static_cast<std::uint8_t>(v >> 8));
        a.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    const std::uint16_t crc = Crc16(a.data(), static_cast<int>(a.size()));
    a.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    a.push_back(static_cast<std::uint8_t>(crc >> 8));
    return a;
}

TEST(ListHandOver, ThousandsOfHandOversDeliverEveryValue) {
    auto lists = std::make_unique<ModbusLists>();
    ModbusList& L = lists->OpList;
    std::atomic<int> round{0};
    ComSetup com;
    com.Attach(std::make_unique<MemorySerialDevice>([&](const Bytes& r) { return Answer(r, round); }));
    std::atomic<bool> stop{false};

    // The worker's side: execute the list it owns, one entry a step, last to first.
    std::thread worker([&] {
        while (!stop.load(std::memory_order_relaxed)) {
            const int e = L.Index.load(std::memory_order_acquire);
            if (e < 0) {
                std::this_thread::yield();
                continue;
            }
            L.Result[static_cast<std::size_t>(e)] = ExecuteTransaction(com, L);
            if (L.Abort.load(std::memory_order_acquire)) {
                L.Abort.store(0, std::memory_order_relaxed);
                L.Index.store(-1, std::memory_order_release);
            } else {
                L.Index.store(static_cast<std::int16_t>(e - 1), std::memory_order_release);
            }
        }
    });

    constexpr int kRounds = 1500;
    for (int k = 0; k < kRounds; ++k) {
        ASSERT_TRUE(L.Idle());
        lists->ResetList(L);
        round.store(k);
        const int entries = 1 + k % 5;
        for (int e = 0; e < entries; ++e) L.AppendRead(static_cast<std::uint16_t>(100 * e + k % 50), 3);
        L.Launch();
        while (!L.Idle()) std::this_thread::yield();
        for (int e = 0; e < entries; ++e) {
            ASSERT_EQ(L.Result[static_cast<std::size_t>(e)], 0);
            for (int i = 0; i < 3; ++i) {
                const int reg = 100 * e + k % 50 + i;
                const std::size_t s = static_cast<std::size_t>(L.Slot[static_cast<std::size_t>(e)] + i);
                ASSERT_EQ(L.Values[s], static_cast<std::uint16_t>((reg * 7 + k) & 0xFFFF));
                ASSERT_GT(L.Stamps[s], 0.0);
            }
        }
    }
    stop = true;
    worker.join();
}

}  // namespace
}  // namespace tarvix
