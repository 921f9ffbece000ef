// The transfer of the whole signal memory (40 block reads of 206 answer bytes, both raw or
// both filtered channels) through the communication worker, as the signal pages run it,
// against the simulator pacing its answers like a 115200-baud line; next to it the wire time
// of the same frames (8N1 characters plus the 3.5-character silence before each frame).
// "x_wire" is the measured time over the wire time.
#include "bench/bench_support.h"
#include "bench/sim_line.h"
#include "link/signal_memory.h"
#include "session/program.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace tarvix {
namespace {

using namespace bench;

constexpr int kLineRate = 115200;
constexpr int kRequestChars = 6 + kSignalBlockRequestBytes;  // address, 0xAC, sub, length, CRC
constexpr int kAnswerChars = 6 + kSignalBlockAnswerBytes;
constexpr double kFrameSilence = 3.5;
constexpr int kBitsPerChar = 10;

double WireSeconds() {
    return kSignalTransferEntries * (kRequestChars + kAnswerChars + 2 * kFrameSilence) *
           kBitsPerChar / kLineRate;
}

void SignalTransfer(benchmark::State& state) {
    SimLineWorker line;
    if (!line.Start(state, kLineRate)) return;
    Program& p = line.P();
    ModbusList& L = p.Lists->OpList;
    // A recording first: the memory holds nothing to read before one has finished.
    p.Lists->ResetList(L);
    const int e = L.Append(kFnDspExchange, kDspCaptureStart, kCaptureAnswerBytes, 2, 2);
    L.Values[static_cast<std::size_t>(L.Slot[static_cast<std::size_t>(e)])] = kCaptureStartCode;
    RunList(L);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    double total = 0;
    for (auto _ : state) {
        p.Lists->ResetList(L);
        AppendSignalTransfer(L, SignalKind::Raw);
        const auto start = std::chrono::steady_clock::now();
        RunList(L);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        total += seconds;
        state.SetIterationTime(seconds);
        bool ok = L.Skipped == 0;
        for (int i = 0; i < L.Len; ++i) ok = ok && L.Result[static_cast<std::size_t>(i)] == 0;
        if (!ok) {
            state.SkipWithError("blocks went unanswered or were refused");
            return;
        }
    }
    state.counters["wire_ms"] = WireSeconds() * 1000.0;
    state.counters["x_wire"] = total / static_cast<double>(state.iterations()) / WireSeconds();
    state.counters["bytes"] = kSignalTransferEntries * kSignalBlockBytes;
}
BENCHMARK(SignalTransfer)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
