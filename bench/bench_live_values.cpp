// The live values table and the six charts over a day's recording at one sample a second:
// the window thread's work of one poll tick (a table row, a chart point per chart and the
// repaint of the pages) after 86 400 samples against a fresh recording's, and the memory the
// day's samples add. The pages are the program's own forms, shown on the offscreen platform.
#include "bench/bench_support.h"
#include "link/modbus_list.h"
#include "pages/forms/page_forms.h"
#include "session/program.h"
#include "tools/grid_files.h"
#include "tools/live_values.h"

#include <QApplication>
#include <QLabel>
#include <QLineSeries>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace tarvix {
namespace {

using namespace bench;

constexpr int kDay = 86400;

// What a tick feeds: the table, the charts, or both as with both poll boxes ticked.
enum Displays : int { kTable = 1, kCharts = 2, kBoth = kTable | kCharts };

// The two pages with their controller, fed samples one second apart.
class Recording {
  public:
    Recording()
        : p_(dir_.path()),
          files_(dir_.path()),
          liveData_(LoadPageForm(QStringLiteral("LiveData"), nullptr)),
          charts_(LoadPageForm(QStringLiteral("PageCharts"), nullptr)) {
        LiveLabels labels;
        for (std::size_t q = 0; q < labels.values.size(); ++q) {
            labels.values[q] = &values_[q];
            labels.units[q] = &units_[q];
            units_[q].setText(QStringLiteral("кг/ч"));
        }
        unitTexts_.fill(QStringLiteral("кг/ч"));
        live_ = std::make_unique<LiveValues>(p_, files_, *liveData_, *charts_, labels);
        liveData_->resize(660, 420);
        charts_->resize(720, 420);
        liveData_->show();
        charts_->show();
        QApplication::processEvents();
    }

    // One poll tick's display work: the table's row, the charts' points and, with repaint,
    // the pages drawn again. The values are noisy around a steady level, as a flowmeter's
    // are; the charts get the tick's time, one second after the last.
    void Tick(int displays, bool repaint = true) {
        ++n_;
        std::array<double, kLiveQuantities> v{};
        for (std::size_t q = 0; q < v.size(); ++q) {
            v[q] = 1000.0 + static_cast<double>(q) + noise_(random_);
            values_[q].setText(QString::number(v[q], 'f', 3));
        }
        if (displays & kTable) live_->Refresh(kFlagLiveValues);
        if (displays & kCharts) live_->Charts().Update(kStart + n_ * 1000.0, v, unitTexts_);
        if (repaint) QApplication::processEvents();
    }
    // Samples fed faster than a poll cycle would: the pages are drawn once per thousand.
    void Fill(int samples, int displays) {
        for (int i = 0; i < samples; ++i) Tick(displays, i % 1000 == 0);
    }
    int Samples() const { return live_->Table().Samples(); }
    int ChartPoints() const { return static_cast<int>(live_->Charts().Series(0)->count()); }

  private:
    static constexpr double kStart = 1.7e12;
    QTemporaryDir dir_;
    Program p_;
    GridFiles files_;
    std::unique_ptr<QWidget> liveData_;
    std::unique_ptr<QWidget> charts_;
    std::array<QLabel, kLiveQuantities> values_;
    std::array<QLabel, kLiveQuantities> units_;
    std::array<QString, kLiveQuantities> unitTexts_;
    std::unique_ptr<LiveValues> live_;
    std::minstd_rand random_{7};
    std::uniform_real_distribution<double> noise_{-0.5, 0.5};
    long n_ = 0;
};

// A recording a day old and one just started, in the same process, ticked in turns, so that
// what else the machine does weighs on both alike. The time is the window thread's CPU time
// of the day-old recording's tick; fresh_us is the fresh one's, recording_MiB the resident
// memory the day's samples added.
void LiveTick(benchmark::State& state) {
    const int displays = static_cast<int>(state.range(0));
    Recording fresh;
    Recording dayOld;
    fresh.Fill(200, displays);
    const double before = ResidentMiB();
    dayOld.Fill(kDay, displays);
    const double after = ResidentMiB();
    double freshSeconds = 0;
    for (auto _ : state) {
        const double t0 = ThreadCpuSeconds();
        fresh.Tick(displays);
        const double t1 = ThreadCpuSeconds();
        dayOld.Tick(displays);
        state.SetIterationTime(ThreadCpuSeconds() - t1);
        freshSeconds += t1 - t0;
    }
    state.counters["fresh_us"] = freshSeconds * 1e6 / static_cast<double>(state.iterations());
    state.counters["recording_MiB"] = after - before;
    state.counters["table_rows"] = dayOld.Samples();
    state.counters["chart_points"] = dayOld.ChartPoints();
}
BENCHMARK(LiveTick)
    ->ArgName("displays")
    ->Arg(kTable)
    ->Arg(kCharts)
    ->Arg(kBoth)
    ->Iterations(400)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) { return tarvix::bench::RunBenchmarks<QApplication>(argc, argv); }
