// The poll cycle of the main variables page with the indicator and the status words: how many
// transactions one tick sends, and how long the cycle takes on a 9600-baud line (the
// simulator paces its answers like the real line), with the reads merged into ranges and as
// the requests come, one read each.
#include "link/list_ops.h"
#include "link/thread_com.h"
#include "pages/catalogue.h"
#include "pages/page_requests.h"
#include "session/poll_requests.h"
#include "session/program.h"
#include "tests/support/sim_process.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

namespace tarvix {
namespace {

constexpr int kLineRate = 9600;

void BuildCycle(ModbusList& L, bool merged) {
    static const Bindings bindings;
    AddPollListReads(L, u"PageMainVars", bindings);
    AppendIndicatorRequests(L);
    if (merged) CoalesceReads(L);
}

void PollCycle(benchmark::State& state) {
    const bool merged = state.range(0) != 0;
    QTemporaryDir dir;
    testing::SimProcess sim(7);
    const QString rate = QString::number(kLineRate);
    if (!sim.Start({QStringLiteral("--baud"), rate, QStringLiteral("--line-rate"), rate})) {
        state.SkipWithError("tarvix-sim did not start");
        return;
    }
    Program p(dir.path());
    p.Com.PortName = sim.Link();
    p.Com.SetBaudRate(kLineRate);
    p.Com.AnsDelay = 300;
    if (!p.Com.OpenPort()) {
        state.SkipWithError("the simulator's line did not open");
        return;
    }
    p.Worker.WorkMode = kModeOnline;
    ThreadCom worker(*p.Lists, p.Com, p.Worker);
    worker.Begin();
    ModbusList& L = p.Lists->PollList;
    int entries = 0;
    for (auto _ : state) {
        p.Lists->ResetList(L);
        BuildCycle(L, merged);
        entries = L.Len;
        const auto start = std::chrono::steady_clock::now();
        L.Launch();
        while (!L.Idle()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (L.Skipped != 0) state.SkipWithError("entries went unanswered");
    }
    state.counters["transactions"] = entries;
}
BENCHMARK(PollCycle)
    ->ArgName("merged")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
