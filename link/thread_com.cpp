#include "thread_com.h"

#include "link/modbus_rtu.h"

#include <chrono>
#include <exception>
#include <thread>

namespace tarvix {

ThreadCom::ThreadCom(ModbusLists& lists, ComSetup& com, WorkerState& state, QObject* parent)
    : QThread(parent), lists_(lists), com_(com), state_(state) {}

ThreadCom::~ThreadCom() {
    requestInterruption();
    wait();
}

void ThreadCom::Begin() { start(QThread::HighPriority); }

void ThreadCom::Pause(int ms) {
    // Sleeps in short pieces so that the program's exit never waits long for the worker.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!isInterruptionRequested()) {
        const auto left = end - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) break;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, std::chrono::milliseconds(10)));
    }
}

void ThreadCom::run() {
    try {
        while (!isInterruptionRequested()) {
            ModbusList* list = nullptr;
            if (lists_.OpList.Index.load(std::memory_order_acquire) >= 0) {
                list = &lists_.OpList;
            } else if (lists_.PollList.Index.load(std::memory_order_acquire) >= 0) {
                list = &lists_.PollList;
            } else {
                Pause(10);
                continue;
            }
            // The line settings are read while the worker owns a list: the window thread
            // changes them only while both lists are idle, and the step below may hand the
            // list back.
            const int silence = kInterFrameChars * com_.CharTime;
            Step(*list);
            // The inter-frame silence of the line.
            Pause(silence);
        }
    } catch (...) {
        // Whatever broke the loop, the window thread must not wait for the operation list
        // forever: it is handed back as skipped, and the worker is reported dead.
        lists_.OpList.Skipped = 1;
        lists_.OpList.Index.store(-1, std::memory_order_release);
        state_.WorkerDead.store(true, std::memory_order_release);
    }
}

std::uint8_t ThreadCom::Execute(ModbusList& L, int e, bool opList) {
    const std::uint8_t func = L.Func[static_cast<std::size_t>(e)];
    const std::uint8_t kept = L.Result[static_cast<std::size_t>(e)];
    switch (state_.WorkMode.load(std::memory_order_acquire)) {
        case kModeOnline:
            if (func == kFnReadHolding || func == kFnDspExchange)
                return ExecuteTransaction(com_, L);
            if (opList && (func == kFnWriteHolding || func == kFnReadFileRecord ||
                           func == kFnWriteFileRecord || func == kFnDspReset)) {
                return ExecuteTransaction(com_, L);
            }
            return kept;
        case kModeFile: {
            FileTransactions* file = state_.File.load(std::memory_order_acquire);
            if (func == kFnReadHolding) return file ? file->FileRead(L, e) : kResultNoFileData;
            if (func == kFnWriteHolding && opList) {
                return file ? file->FileWrite(L, e) : kResultNoFileData;
            }
            // The file holds no measuring-module data: the entry succeeds with nothing
            // received, its slots keep no stamp, and AnswerInSlots says so.
            if (func == kFnDspExchange) return kResultOk;
            return kept;
        }
        default:
            return kept;
    }
}

void ThreadCom::Step(ModbusList& L) {
    const bool opList = &L == &lists_.OpList;
    const int e = L.Index.load(std::memory_order_acquire);
    if (e < 0) return;
    const std::uint8_t r = Execute(L, e, opList);
    L.Result[static_cast<std::size_t>(e)] = r;

    int next = e;
    if (opList ? !IsCommunicationFailure(r) : r == kResultOk) {
        // Done, also when the device refused or the file could not be written: the entry's
        // result is its outcome, which the distribution reports.
        --next;
        L.Retry = 0;
        (r == kResultFileNotWritten ? state_.LostCount : state_.GotCount)
            .fetch_add(1, std::memory_order_relaxed);
    } else if (!IsCommunicationFailure(r)) {
        // A device exception on the poll list is final: the entry is given up at once.
        L.Retry = kAttempts;
        state_.LostCount.fetch_add(1, std::memory_order_relaxed);
    } else {
        ++L.Retry;
        state_.LostCount.fetch_add(1, std::memory_order_relaxed);
    }
    if (L.Retry >= kAttempts) {
        --next;
        L.Retry = 0;
        ++L.Skipped;
    }
    if (L.Abort.load(std::memory_order_acquire)) {
        next = -1;
        L.Busy.store(0, std::memory_order_relaxed);
        L.Abort.store(0, std::memory_order_relaxed);
    } else if (opList) {
        L.Busy.store(1, std::memory_order_relaxed);
    }
    // Publishing the new Index last hands everything written above to the window thread.
    L.Index.store(static_cast<std::int16_t>(next), std::memory_order_release);
}

}  // namespace tarvix
