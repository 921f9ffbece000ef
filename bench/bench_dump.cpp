// One register dump pass (the 21 block reads) against the simulator pacing its answers like
// a real line: tarvix-cli dump next to libmodbus reading the same blocks from the same
// simulator, and the wire time of the same frames (8N1 characters plus the 3.5-character
// silence before each frame). Both masters run as processes and report the time of their
// pass from the opened port to the last answer, which is the benchmark's time; "x_wire" is
// that time over the wire time, "process_ms" the whole process from start to exit (the
// program's Qt start-up is in it, the C program has none).
#include "bench/bench_support.h"
#include "link/register_dump.h"
#include "tests/support/sim_process.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace tarvix {
namespace {

using namespace bench;

constexpr int kRequestChars = 8;       // address, function, start, count, CRC
constexpr int kAnswerOverhead = 5;     // address, function, byte count, CRC
constexpr double kFrameSilence = 3.5;  // characters before each frame
constexpr int kBitsPerChar = 10;       // start, 8 data, stop

double WireSeconds(int baud) {
    double chars = 0;
    for (const DumpBlock& b : kDumpBlocks)
        chars += kRequestChars + kAnswerOverhead + 2.0 * b.Count + 2 * kFrameSilence;
    return chars * kBitsPerChar / baud;
}

QString Bin(const char* name) {
    return QStringLiteral(TARVIX_BIN_DIR) + QLatin1Char('/') + QString::fromLatin1(name);
}

// Runs the master once per iteration and times the process from start to exit.
void Dump(benchmark::State& state, bool libmodbus) {
    const int baud = static_cast<int>(state.range(0));
    const QString rate = QString::number(baud);
    testing::SimProcess sim(7);
    if (!sim.Start({QStringLiteral("--baud"), rate, QStringLiteral("--line-rate"), rate})) {
        state.SkipWithError("tarvix-sim did not start");
        return;
    }
    QTemporaryDir dir;
    QString program;
    QStringList args;
    if (libmodbus) {
        program = Bin("modbus_dump");
        args << sim.Link() << rate;
        for (const DumpBlock& b : kDumpBlocks)
            args << QStringLiteral("%1:%2").arg(b.First).arg(b.Count);
    } else {
        program = Bin("tarvix-cli");
        args << QStringLiteral("dump") << QStringLiteral("--port") << sim.Link()
             << QStringLiteral("--baud") << rate << QStringLiteral("--verbose")
             << dir.filePath(QStringLiteral("d.mbr"));
    }
    double total = 0;
    double process = 0;
    for (auto _ : state) {
        QProcess p;
        const auto start = std::chrono::steady_clock::now();
        p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError(
                qPrintable(QStringLiteral("%1 failed: %2")
                               .arg(program, QString::fromLocal8Bit(p.readAllStandardError()))));
            return;
        }
        process += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // The last line ends with the pass's seconds: "... blocks, 0.152 s".
        const QString report = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        const double seconds = report.section(QLatin1Char(' '), -2, -2).toDouble();
        total += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = static_cast<double>(state.iterations());
    const double mean = total / n;
    state.counters["process_ms"] = process / n * 1000.0;
    state.counters["wire_ms"] = WireSeconds(baud) * 1000.0;
    state.counters["x_wire"] = mean / WireSeconds(baud);
}

void TarvixCliDump(benchmark::State& state) { Dump(state, false); }
void LibmodbusDump(benchmark::State& state) { Dump(state, true); }

// Interleaved per rate, so that both masters see the same machine load.
BENCHMARK(TarvixCliDump)
    ->Arg(115200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(LibmodbusDump)
    ->Arg(115200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(TarvixCliDump)->Arg(9600)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LibmodbusDump)->Arg(9600)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) {
    return tarvix::bench::RunBenchmarks<QCoreApplication>(argc, argv);
}
