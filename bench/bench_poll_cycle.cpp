// The poll cycle of the main variables page with the indicator and the status words: how many
// transactions one tick sends, and how long the cycle takes on a 9600-baud line (the
// simulator paces its answers like the real line), with the reads merged into ranges and as
// the requests come, one read each.
#include "bench/bench_support.h"
#include "bench/sim_line.h"
#include "link/list_ops.h"
#include "pages/catalogue.h"
#include "pages/page_requests.h"
#include "session/poll_requests.h"
#include "session/program.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

namespace tarvix {
namespace {

using namespace bench;

constexpr int kLineRate = 9600;

void BuildCycle(ModbusList& L, bool merged) {
    static const Bindings bindings;
    AddPollListReads(L, u"PageMainVars", bindings);
    AppendIndicatorRequests(L);
    if (merged) CoalesceReads(L);
}

void PollCycle(benchmark::State& state) {
    const bool merged = state.range(0) != 0;
    SimLineWorker line;
    if (!line.Start(state, kLineRate, 300)) return;
    Program& p = line.P();
    ModbusList& L = p.Lists->PollList;
    int entries = 0;
    for (auto _ : state) {
        p.Lists->ResetList(L);
        BuildCycle(L, merged);
        entries = L.Len;
        const auto start = std::chrono::steady_clock::now();
        RunList(L);
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
    return tarvix::bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
