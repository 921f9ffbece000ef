// The benchmarks that time the line: the worker on tarvix-sim, which paces its answers like
// a real line of the same rate carries the bytes.
#pragma once

#include "link/thread_com.h"
#include "session/program.h"
#include "tests/support/sim_process.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

namespace tarvix::bench {

// Hands a filled list to the worker and waits until it is done.
inline void RunList(ModbusList& list) {
    list.Launch();
    while (!list.Idle()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// tarvix-sim at a line rate, answering as slowly as a real line of that rate carries the
// bytes, with a program on its pseudo-terminal and the worker running on it.
class SimLineWorker {
  public:
    // False (and the benchmark skipped with the reason) when the simulator or its line
    // cannot be had. ansDelayMs: the master's answer time-out; below zero, the default.
    bool Start(benchmark::State& state, int lineRate, int ansDelayMs = -1) {
        const QString rate = QString::number(lineRate);
        if (!sim_.Start({QStringLiteral("--baud"), rate, QStringLiteral("--line-rate"), rate})) {
            state.SkipWithError("tarvix-sim did not start");
            return false;
        }
        program_ = std::make_unique<Program>(dir_.path());
        program_->Com.PortName = sim_.Link();
        program_->Com.SetBaudRate(lineRate);
        if (ansDelayMs >= 0) program_->Com.AnsDelay = ansDelayMs;
        if (!program_->Com.OpenPort()) {
            state.SkipWithError("the simulator's line did not open");
            return false;
        }
        program_->Worker.WorkMode = kModeOnline;
        worker_ = std::make_unique<ThreadCom>(*program_->Lists, program_->Com, program_->Worker);
        worker_->Begin();
        return true;
    }
    Program& P() { return *program_; }

  private:
    // Ended in the reverse order: the worker before the program whose lists it runs.
    QTemporaryDir dir_;
    testing::SimProcess sim_{7};
    std::unique_ptr<Program> program_;
    std::unique_ptr<ThreadCom> worker_;
};

}  // namespace tarvix::bench
