// The register polling page over a long recording at one row a second: the window thread's
// work of one poll cycle (a table row, a point in each of the two chart series, the recording
// file's line and the page drawn again) after 100 000 rows against a recording of 2 000, and
// the memory the rows add. The page is the program's own form on the offscreen platform.
#include "base/date_time.h"
#include "bench/bench_support.h"
#include "link/modbus_list.h"
#include "model/param_table.h"
#include "pages/forms/page_forms.h"
#include "session/program.h"
#include "tools/grid_files.h"
#include "tools/par_vals_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineSeries>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace tarvix {
namespace {

using namespace bench;

constexpr int kLong = 100000;

class Recording {
  public:
    explicit Recording(bool chart)
        : p_(dir_.path()),
          files_(dir_.path()),
          form_(LoadPageForm(QStringLiteral("PageParVals"), nullptr)),
          list_(std::make_unique<ModbusList>()) {
        ParValsPage::Services services;
        services.Text = [this](int, bool) { return QString::number(1000.0 + (n_ % 97), 'f', 3); };
        page_ = std::make_unique<ParValsPage>(p_, files_, *form_, services);
        page_->FillLists();
        auto* all = form_->findChild<QListWidget*>(QStringLiteral("ListAllRegs"));
        for (const char* name :
             {"MassFlow", "Density", "Temperature", "VolumeFlow", "FlowDamping", "CalibrationYY"}) {
            all->setCurrentItem(all->findItems(QString::fromLatin1(name), Qt::MatchExactly)[0]);
            page_->AddParameter();
        }
        page_->ApplyChanges();
        form_->findChild<QCheckBox*>(QStringLiteral("CheckBoxPoll"))->setChecked(true);
        // The recording file as a user would choose it.
        const QString file = dir_.filePath(QStringLiteral("run.csv"));
        files_.SetDialogs([file](QWidget*, const QString&) { return file; },
                          [file](QWidget*, const QString&) { return file; });
        form_->findChild<QCheckBox*>(QStringLiteral("CheckBoxSaveParVals"))->click();
        if (chart) {
            form_->findChild<QRadioButton*>(QStringLiteral("RadioButtonParValsCharts"))->click();
            form_->findChild<QComboBox*>(QStringLiteral("ComboBoxParValRed"))->setCurrentIndex(1);
            form_->findChild<QComboBox*>(QStringLiteral("ComboBoxParValBlue"))->setCurrentIndex(2);
        }
        form_->resize(900, 600);
        form_->show();
        QApplication::processEvents();
    }

    // One poll cycle: the reads go into the list, every register comes in, the row follows.
    void Tick(bool repaint = true) {
        ++n_;
        page_->AppendRequests(*list_);
        list_->Len = 0;
        const double t = NowStamp();
        for (std::size_t r = 0; r < p_.Image.RegTime.size(); r += 1) p_.Image.RegTime[r] = t;
        page_->Arrived();
        if (repaint) QApplication::processEvents();
    }
    void Fill(int rows) {
        for (int i = 0; i < rows; ++i) Tick(i % 1000 == 0);
    }
    int Rows() { return page_->Table().RowCount(); }
    int ChartPoints() { return static_cast<int>(page_->Chart().Series(0)->count()); }

  private:
    QTemporaryDir dir_;
    Program p_;
    GridFiles files_;
    std::unique_ptr<QWidget> form_;
    std::unique_ptr<ModbusList> list_;
    std::unique_ptr<ParValsPage> page_;
    long n_ = 0;
};

void PollingTick(benchmark::State& state) {
    const bool chart = state.range(0) != 0;
    Recording fresh(chart);
    Recording longOne(chart);
    fresh.Fill(2000);  // past the chart's window: both series full
    const double before = ResidentMiB();
    const double t0 = ThreadCpuSeconds();
    longOne.Fill(kLong);
    const double fillSeconds = ThreadCpuSeconds() - t0;
    const double after = ResidentMiB();
    double freshSeconds = 0;
    for (auto _ : state) {
        const double a = ThreadCpuSeconds();
        fresh.Tick();
        const double b = ThreadCpuSeconds();
        longOne.Tick();
        state.SetIterationTime(ThreadCpuSeconds() - b);
        freshSeconds += b - a;
    }
    state.counters["fresh_us"] = freshSeconds * 1e6 / static_cast<double>(state.iterations());
    state.counters["fill_s"] = fillSeconds;
    state.counters["recording_MiB"] = after - before;
    state.counters["table_rows"] = longOne.Rows();
    state.counters["chart_points"] = longOne.ChartPoints();
}
BENCHMARK(PollingTick)
    ->ArgName("chart")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvix

int main(int argc, char** argv) { return tarvix::bench::RunBenchmarks<QApplication>(argc, argv); }
