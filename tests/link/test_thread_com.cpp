// The communication worker against a memory line and a file-mode stand-in: retries and
// counters, exceptions on the two lists, abandoning a list, budgets, a dying worker, and
// thousands of hand-overs (built with ThreadSanitizer by the test command).
#include "link/list_ops.h"
#include "link/memory_serial.h"
#include "link/modbus_rtu.h"
#include "link/thread_com.h"
#include "tests/support/memory_transmitter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace tarvix {
namespace {

using testing::MemoryTransmitter;

bool WaitIdle(const ModbusList& L, int ms = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!L.Idle()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

struct WorkerFixture : ::testing::Test {
    std::unique_ptr<ModbusLists> lists = std::make_unique<ModbusLists>();
    MemoryTransmitter device;
    ComSetup com;
    WorkerState state;
    MemorySerialDevice* line = nullptr;
    std::unique_ptr<ThreadCom> worker;

    // Registers answer their number; 50 is silent, 60 refuses with exception 2.
    void SetUp() override {
        for (std::size_t r = 0; r < device.regs.size(); ++r) {
            device.regs[r] = static_cast<std::uint16_t>(r);
        }
        device.silent = {50};
        device.refusals = {{60, kExceptionIllegalAddress}};
        line = device.AttachTo(com);
        com.CharTime = 0;  // no inter-frame pause: the tests run at memory speed
        state.WorkMode = kModeOnline;
        worker = std::make_unique<ThreadCom>(*lists, com, state);
        worker->Begin();
    }
    void TearDown() override { worker.reset(); }

    void Run(ModbusList& L) {
        L.Launch();
        ASSERT_TRUE(WaitIdle(L));
    }
};

TEST_F(WorkerFixture, SilentEntryIsTriedThreeTimesThenSkipped) {
    ModbusList& L = lists->OpList;
    L.AppendRead(10, 2);
    L.AppendRead(50, 2);
    L.AppendRead(20, 2);
    Run(L);
    EXPECT_EQ(L.Skipped, 1);
    EXPECT_EQ(state.LostCount.load(), 3);
    EXPECT_EQ(state.GotCount.load(), 2);
    EXPECT_EQ(L.Result[0], 0);
    EXPECT_EQ(L.Result[1], 16);
    EXPECT_EQ(L.Values[0], 10);
    EXPECT_EQ(L.Values[4], 20);
    EXPECT_EQ(line->Requests().size(), 5u);
    EXPECT_EQ(L.Busy.load(), 1);  // results wait to be consumed
}

TEST_F(WorkerFixture, DeviceExceptionIsFinalOnPollListButDoneOnOperationList) {
    ModbusList& P = lists->PollList;
    P.AppendRead(60, 1);
    Run(P);
    EXPECT_EQ(P.Result[0], 2);
    EXPECT_EQ(P.Skipped, 1);
    EXPECT_EQ(line->Requests().size(), 1u);
    EXPECT_EQ(P.Busy.load(), 0);  // Busy belongs to the operation list only

    ModbusList& O = lists->OpList;
    O.AppendRead(60, 1);
    Run(O);
    EXPECT_EQ(O.Result[0], 2);
    EXPECT_EQ(O.Skipped, 0);
    EXPECT_EQ(line->Requests().size(), 2u);
    EXPECT_EQ(state.GotCount.load(), 1);
    EXPECT_EQ(state.LostCount.load(), 1);
}

TEST_F(WorkerFixture, OperationListIsServedBeforeThePollList) {
    // Both started while the worker is held up by neither: the op list's single entry goes
    // first even though the poll list was launched earlier.
    worker.reset();
    ModbusList& P = lists->PollList;
    ModbusList& O = lists->OpList;
    for (int i = 0; i < 3; ++i) P.AppendRead(static_cast<std::uint16_t>(i), 1);
    O.AppendRead(40, 1);
    P.Launch();
    O.Launch();
    worker = std::make_unique<ThreadCom>(*lists, com, state);
    worker->Begin();
    ASSERT_TRUE(WaitIdle(O));
    ASSERT_TRUE(WaitIdle(P));
    EXPECT_EQ(line->Requests().front()[3], 40);
}

TEST_F(WorkerFixture, EntriesTheModeDoesNotServeCountAsDone) {
    state.WorkMode = kModeOffline;
    ModbusList& O = lists->OpList;
    O.AppendRead(10, 1);
    O.Append(kFnWriteHolding, 10, 1, 0, 1);
    Run(O);
    EXPECT_EQ(O.Skipped, 0);
    EXPECT_TRUE(line->Requests().empty());
    // Online, the poll list does not write, reset or move file records.
    state.WorkMode = kModeOnline;
    ModbusList& P = lists->PollList;
    P.Append(kFnWriteHolding, 10, 1, 0, 1);
    P.Append(kFnDspReset, 0, 0, 0, 0);
    Run(P);
    EXPECT_TRUE(line->Requests().empty());
    EXPECT_EQ(P.Skipped, 0);
}

TEST_F(WorkerFixture, FileModeWithoutFileFailsLikeTheLine) {
    state.WorkMode = kModeFile;
    ModbusList& O = lists->OpList;
    O.AppendRead(10, 1);
    O.Append(kFnDspExchange, 10, 8, 2, 6);
    Run(O);
    EXPECT_EQ(O.Result[0], 32);
    EXPECT_EQ(O.Result[1], 0);  // the measuring module is not in the file: nothing to do
    EXPECT_EQ(O.Skipped, 1);
    EXPECT_EQ(state.LostCount.load(), 3);
}

// Result 0 alone does not mean an answer arrived: offline nothing is executed, and in file
// mode the measuring-module exchange has no data to give. Only an answer really received
// may be distributed (a parameter value taken from never-filled slots would show zeros).
TEST_F(WorkerFixture, OnlyAnswersReallyReceivedAreMarkedInTheSlots) {
    struct Case {
        const char* what;
        int mode;
        bool received;
    };
    const Case cases[] = {{"online", kModeOnline, true},
                          {"file", kModeFile, false},
                          {"offline", kModeOffline, false}};
    for (const Case& c : cases) {
        state.WorkMode = c.mode;
        ModbusList& O = lists->OpList;
        lists->ResetList(O);
        O.AppendRead(10, 2);
        const int dsp = O.Append(kFnDspExchange, kDspReadParam, 8, 2, 4);
        O.Values[O.Slot[static_cast<std::size_t>(dsp)]] = 0x0744;  // parameter 7, a float
        // The module's answer: 4 header bytes (the 4th is the parameter), then the value.
        device.next = testing::WithCrc(
            {0x01, kFnDspExchange, kDspReadParam, 8, 0x44, 0, 0, 7, 0x00, 0x00, 0x80, 0x3F});
        Run(O);
        EXPECT_EQ(O.Result[0], c.mode == kModeFile ? kResultNoFileData : kResultOk) << c.what;
        EXPECT_EQ(O.Result[1], kResultOk) << c.what;
        EXPECT_EQ(AnswerInSlots(O, 1), c.received) << c.what;
        device.next.clear();
    }
}

// A file-mode stand-in that can hold the worker inside entry `holdAt` and can throw.
struct TestFile : FileTransactions {
    std::mutex m;
    std::condition_variable cv;
    int holdAt = -1;
    bool holding = false;
    bool release = false;
    bool throwNext = false;
    std::vector<int> executed;
    std::uint8_t FileRead(ModbusList& L, int e) override {
        std::unique_lock lock(m);
        if (throwNext) throw std::runtime_error("broken file");
        executed.push_back(e);
        if (e == holdAt) {
            holding = true;
            cv.notify_all();
            cv.wait(lock, [&] { return release; });
        }
        L.Values[L.Slot[static_cast<std::size_t>(e)]] = static_cast<std::uint16_t>(e + 1000);
        return 0;
    }
    std::uint8_t FileWrite(ModbusList&, int) override { return 0; }
};

TEST_F(WorkerFixture, AbortEndsTheListAfterTheRunningEntry) {
    TestFile file;
    file.holdAt = 5;
    state.File = &file;
    state.WorkMode = kModeFile;
    ModbusList& O = lists->OpList;
    for (int i = 0; i < 10; ++i) O.AppendRead(static_cast<std::uint16_t>(i), 1);
    O.Launch();
    {
        std::unique_lock lock(file.m);
        ASSERT_TRUE(file.cv.wait_for(lock, std::chrono::seconds(5), [&] { return file.holding; }));
        O.Abort = 1;
        file.release = true;
        file.cv.notify_all();
    }
    ASSERT_TRUE(WaitIdle(O));
    EXPECT_EQ(O.Busy.load(), 0);
    EXPECT_EQ(O.Abort.load(), 0);
    std::lock_guard lock(file.m);
    EXPECT_EQ(file.executed, (std::vector<int>{9, 8, 7, 6, 5}));
}

TEST_F(WorkerFixture, ExceptionInTheLoopKillsTheWorkerAndReleasesTheOperationList) {
    TestFile file;
    file.throwNext = true;
    state.File = &file;
    state.WorkMode = kModeFile;
    ModbusList& O = lists->OpList;
    O.AppendRead(1, 1);
    O.AppendRead(2, 1);
    Run(O);
    EXPECT_EQ(O.Skipped, 1);
    EXPECT_TRUE(state.WorkerDead.load());
    worker->wait(5000);
    EXPECT_TRUE(worker->isFinished());
    // A wait on a list the dead worker will never finish raises, after telling the caller.
    ModbusList& P = lists->PollList;
    P.AppendRead(1, 1);
    P.Launch();
    bool told = false;
    EXPECT_THROW(WaitList(P, 3, state, [&] { told = true; }), WorkerDeadError);
    EXPECT_TRUE(told);
}

TEST_F(WorkerFixture, ThousandsOfHandOversReturnEveryResult) {
    TestFile file;
    state.File = &file;
    state.WorkMode = kModeFile;
    // Both lists are kept in flight: whichever the worker hands back is checked, refilled
    // and launched again while the worker runs the other, so it never idles.
    ModbusList* lists2[2] = {&lists->OpList, &lists->PollList};
    int entries[2] = {0, 0};
    int handOvers = 0;
    long long expectedGot = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (handOvers < 3000) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline);
        for (int k = 0; k < 2; ++k) {
            ModbusList& L = *lists2[k];
            if (!L.Idle()) continue;
            for (int i = 0; i < entries[k]; ++i) {
                ASSERT_EQ(L.Values[L.Slot[static_cast<std::size_t>(i)]], 1000 + i) << handOvers;
            }
            ASSERT_EQ(L.Skipped, 0);
            if (entries[k] > 0) ++handOvers;
            lists->ResetList(L);
            entries[k] = 1 + handOvers % 4;
            expectedGot += entries[k];
            for (int i = 0; i < entries[k]; ++i) L.AppendRead(static_cast<std::uint16_t>(i), 1);
            L.Launch();
        }
        std::this_thread::yield();
    }
    for (ModbusList* L : lists2) ASSERT_TRUE(WaitIdle(*L));
    EXPECT_EQ(state.GotCount.load(), expectedGot);
}

TEST(Budgets, TicksOfTheTwoTimers) {
    auto lists = std::make_unique<ModbusLists>();
    ModbusList& L = lists->PollList;
    ComSetup com;
    com.CharTime = 1;
    com.AnsDelay = 100;
    L.AppendRead(0, 10);
    EXPECT_EQ(TickBudget(L, com, 1000), 2);  // t = 133: ceil(399 / 1000) = 1, at least 2
    for (int i = 0; i < 9; ++i) L.AppendRead(0, 10);
    EXPECT_EQ(TickBudget(L, com, 1000), 4);  // t = 1330: ceil(3990 / 1000)
    L.Append(kFnDspExchange, 10, 8, 2, 6);   // + (2 + 8 + 12) + 100
    EXPECT_EQ(TickBudget(L, com, 100), 44);  // ceil(3 x 1452 / 100)

    ModbusList& O = lists->OpList;
    com.CharTime = 2;
    O.Append(kFnWriteHolding, 0, 2, 0, 2);
    EXPECT_EQ(OpListBudget(O, com), 8);  // ((17 + 4) x 2 + 100) x 3 / 50
    lists->ResetList(O);
    O.Append(kFnReadFileRecord, 0, 100, 10, 100);  // file 10 counts 5/2 of its words
    EXPECT_EQ(OpListBudget(O, com), ((17 + 500) * 2 + 100) * 3 / 50);
    lists->ResetList(O);
    O.Append(kFnDspReset, 0, 0, 0, 0);
    com.AnsDelay = 0;
    EXPECT_EQ(OpListBudget(O, com), 2);
}

TEST(TakeFirstResult, CopiesUnconditionallyAndClearsBusy) {
    auto lists = std::make_unique<ModbusLists>();
    ModbusList& O = lists->OpList;
    RegisterImage img;
    O.Busy = 1;
    EXPECT_EQ(TakeFirstResult(O, img), 16);
    EXPECT_EQ(O.Busy.load(), 0);
    O.AppendRead(1794, 2);
    O.Values[0] = 7;
    O.Values[1] = 8;
    O.Stamps[0] = 5.0;
    O.Stamps[1] = 5.0;
    img.RegTime[1794] = 9.0;  // newer, yet replaced: the dump takes what it read
    EXPECT_EQ(TakeFirstResult(O, img), 0);
    EXPECT_EQ(img.ModbusRegs[1794], 7);
    EXPECT_EQ(img.RegTime[1794], 5.0);
    O.Result[0] = 19;
    O.Busy = 1;
    EXPECT_EQ(TakeFirstResult(O, img), 19);
    EXPECT_EQ(O.Busy.load(), 0);
}

}  // namespace
}  // namespace tarvix
