// The measuring module's pages against the simulated transmitter: a recording started and
// seen to finish, the whole signal memory transferred in the background and drawn with the
// coils' phase lag, a signal file saved and loaded back, a transfer aborted half-way and run
// again, blocks the module refuses or answers wrongly, and the controller reset whose
// start-up silence is counted as link failures while the program stays connected.
#include "link/protocol.h"
#include "model/register_ids.h"
#include "pages/catalogue.h"
#include "tests/support/window_harness.h"
#include "tools/dsp_signals.h"
#include "tools/grid_files.h"
#include "tools/signal_pages.h"

#include <QChart>
#include <QCheckBox>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <cmath>
#include <numbers>

namespace tarvix {

namespace {

constexpr double kSimSampleRateHz = 9765.625;  // the simulated module's sampling

// The delay of channel b behind channel a in microseconds: the tube frequency from a's
// rising zero crossings, then both phases over the whole periods between them.
double LagMicroseconds(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ups;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i - 1] < 0 && a[i] >= 0) ups.push_back(i - 1 + a[i - 1] / (a[i - 1] - a[i]));
    }
    if (ups.size() < 3) return NAN;
    const double w = 2 * std::numbers::pi * (ups.size() - 1) / (ups.back() - ups.front());
    const auto phase = [&](const std::vector<double>& y) {
        double c = 0, s = 0;
        for (auto i = static_cast<std::size_t>(std::ceil(ups.front()));
             i < static_cast<std::size_t>(ups.back()); ++i) {
            c += y[i] * std::cos(w * static_cast<double>(i));
            s += y[i] * std::sin(w * static_cast<double>(i));
        }
        return std::atan2(c, s);
    };
    double d = phase(a) - phase(b);
    d = std::remainder(d, 2 * std::numbers::pi);
    return d / (w * kSimSampleRateHz) * 1e6;
}

}  // namespace

class TestDspSignals : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    QString file_;

    DspSignals& Dsp() { return w_.Form().Dsp(); }
    SignalPages& Pages() { return w_.Form().Signals(); }
    QPushButton* Button(const char* name) { return w_.Find<QPushButton>(name); }
    void Show(const char* page) { w_.Form().ShowPage(PageIndexOf(QString::fromLatin1(page))); }
    bool TransferDone() {
        return QTest::qWaitFor([this] { return !Dsp().Running() && w_.Idle(); }, 30000);
    }
    int Journalled(const QString& text) {
        return testing::CountJournalled(w_.P().JournalList, text);
    }
    double SimFloat(const char* name) {
        return w_.Sim()
            .Command(QStringLiteral("get %1").arg(QString::fromLatin1(name)))
            .section(QLatin1Char(' '), 1, 1)
            .toDouble();
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        file_ = w_.Folder() + QStringLiteral("/signals.csv");
        w_.Form().Grids().SetDialogs([this](QWidget*, const QString&) { return file_; },
                                     [this](QWidget*, const QString&) { return file_; });
    }
    void cleanupTestCase() { w_.Stop(); }

    void signalsNotRecordedAreRefusedWithExceptionNine() {
        Show("PageSignals");
        w_.Messages().clear();
        Button("ButtonTransferSignals")->click();
        QVERIFY(TransferDone());
        // The confirmation alone: the refusals are journalled, one per block, not shown.
        QCOMPARE(w_.Messages(), QStringList{Str(kStrTransferConfirm)});
        QCOMPARE(Journalled(Str(kStrSignalsUnreadable)), kSignalTransferEntries);
        QCOMPARE(Journalled(Str(kStrSignalsReceived)), 0);
        QCOMPARE(w_.Form().StatusText(1), Str(kStrConnected));
        QCOMPARE(Pages().Shown(SignalKind::Raw)[0].size(), std::size_t{kSignalSamples});
    }

    void aRecordingIsTransferredAndDrawnWithTheCoilsLag() {
        Button("ButtonCapture")->click();  // returns when the module has finished
        QVERIFY(w_.Journalled(Str(kStrCaptureDone)));
        for (const SignalKind kind : {SignalKind::Raw, SignalKind::Filtered}) {
            Show(kind == SignalKind::Raw ? "PageSignals" : "PageFiltered");
            QPushButton* get = Pages().TransferButton(kind);
            get->click();
            QVERIFY(Dsp().Running());
            QCOMPARE(get->text(), Str(kStrTransferAbort));
            QVERIFY(TransferDone());
            const SignalSeries& shown = Pages().Shown(kind);
            QCOMPARE(shown[0].size(), std::size_t{kSignalSamples});
            const auto* series = Pages().Chart(kind)->series().at(1);
            QCOMPARE(static_cast<const QLineSeries*>(series)->count(), kSignalSamples);
            // The outlet coil lags by the Coriolis delay the device reports.
            const double delay = SimFloat("Delay");
            const double lag = LagMicroseconds(shown[0], shown[1]);
            QVERIFY2(std::abs(lag - delay) < 0.05 * delay + 0.01,
                     qPrintable(QStringLiteral("lag %1 us, Delay %2 us").arg(lag).arg(delay)));
        }
        QCOMPARE(Journalled(Str(kStrSignalsReceived)), 2);
        const double raw = Pages().Shown(SignalKind::Raw)[0][0];
        QCOMPARE(raw, std::round(raw));                                      // integers
        QVERIFY(std::abs(Pages().Shown(SignalKind::Filtered)[0][0]) < 1.0);  // volts
    }

    void aSavedFileLoadsBackAsTheSameCurves() {
        const SignalSeries before = Pages().Shown(SignalKind::Filtered);
        Show("PageFiltered");
        Button("ButtonFilteredSave")->click();
        Button("ButtonFilteredLoad")->click();
        const SignalSeries& after = Pages().Shown(SignalKind::Filtered);
        // Loaded points follow those shown: the second half is the first again.
        for (std::size_t k = 0; k < 2; ++k) {
            QCOMPARE(after[k].size(), 2 * before[k].size());
            QVERIFY(std::equal(before[k].begin(), before[k].end(),
                               after[k].begin() + static_cast<long>(before[k].size())));
        }
        // A file that is no signal file at all is refused by its size, unread.
        QFile huge(file_);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100LL * 1024 * 1024));
        huge.close();
        w_.Messages().clear();
        Button("ButtonFilteredLoad")->click();
        QCOMPARE(w_.Messages().size(), 1);
        QVERIFY(w_.Messages()[0].contains(file_));
        QCOMPARE(Pages().Shown(SignalKind::Filtered)[0].size(), after[0].size());
    }

    void anAbortStopsWithinOneRequestAndATransferRunsAgain() {
        Show("PageSignals");
        const SignalSeries before = Pages().Shown(SignalKind::Raw);
        QPushButton* get = Button("ButtonTransferSignals");
        // Slow answers, so that half-way is easy to meet.
        QVERIFY(w_.Sim(QStringLiteral("fault delay 30 next 40")));
        int atAbort = -1, atEnd = -1;
        connect(&Dsp(), &DspSignals::TransferEnded, this, [&] { atEnd = w_.SimRequests(); });
        get->click();
        QVERIFY(QTest::qWaitFor(
            [&] { return w_.P().Lists->OpList.Index.load() <= kSignalTransferEntries / 2; },
            20000));
        // Counted once the abort is given: the request in flight is already counted by
        // the simulator, so at most one that the worker was sending at that moment follows.
        get->click();
        atAbort = w_.SimRequests();
        QVERIFY(TransferDone());
        disconnect(&Dsp(), &DspSignals::TransferEnded, this, nullptr);
        QVERIFY2(atEnd - atAbort <= 1,
                 qPrintable(QStringLiteral("%1 requests after the abort").arg(atEnd - atAbort)));
        QCOMPARE(Journalled(Str(kStrTransferAborted)), 1);
        QCOMPARE(Pages().Shown(SignalKind::Raw), before);  // the charts stay as they were
        QVERIFY(get->text() != Str(kStrTransferAbort));
        QVERIFY(w_.Sim(QStringLiteral("fault none")));
        get->click();
        QVERIFY(TransferDone());
        QCOMPARE(Journalled(Str(kStrSignalsReceived)), 3);
        QCOMPARE(Pages().Shown(SignalKind::Raw), before);  // the same recording again
    }

    void blocksAnsweredWronglyKeepTheirEarlierSamples() {
        Show("PageSignals");
        const SignalSeries before = Pages().Shown(SignalKind::Raw);
        // The list runs from its last entry: channel B's block from sample 950 comes first.
        QVERIFY(w_.Sim(QStringLiteral("dsp-fault 22 wrong-block next 1")));
        Button("ButtonTransferSignals")->click();
        QVERIFY(TransferDone());
        QCOMPARE(Journalled(Str(kStrBlockMisplaced).arg(2).arg(950)), 1);
        QCOMPARE(Pages().Shown(SignalKind::Raw), before);
        QVERIFY(w_.Sim(QStringLiteral("dsp-fault 22 short-block next 3")));
        Button("ButtonTransferSignals")->click();
        QVERIFY(TransferDone());
        QVERIFY(w_.Journalled(Str(kStrBadLength)));
        QCOMPARE(Pages().Shown(SignalKind::Raw), before);
        QCOMPARE(w_.Form().StatusText(1), Str(kStrConnected));
    }

    void theResetsStartUpIsCountedAsLinkFailuresNotShown() {
        Show("PageADC");
        auto* poll = w_.Find<QCheckBox>("CheckBoxPollADC");
        auto* grid = w_.Find<QTableWidget>("GridAdc");
        poll->click();
        QVERIFY(QTest::qWaitFor([&] { return grid->rowCount() >= 3; }, 10000));
        QCOMPARE(grid->item(0, 0)->text().size(), 8);  // hh:mm:ss
        w_.Messages().clear();
        const int lost = w_.P().Worker.LostCount.load();
        Show("PageDSP");
        Button("ButtonResetDsp")->click();
        // "Запуск ИМ": for three seconds the module's requests go unanswered.
        QVERIFY(QTest::qWaitFor([&] { return w_.P().Worker.LostCount.load() > lost; }, 5000));
        const int rows = grid->rowCount();
        QVERIFY(QTest::qWaitFor([&] { return grid->rowCount() > rows; }, 10000));
        QCOMPARE(w_.Messages(), QStringList{});
        QCOMPARE(w_.Form().StatusText(1), Str(kStrConnected));
        // The restarted module has forgotten its recording.
        poll->click();
        Show("PageSignals");
        Button("ButtonTransferSignals")->click();
        QVERIFY(TransferDone());
        QCOMPARE(Journalled(Str(kStrSignalsUnreadable)), 2 * kSignalTransferEntries);
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestDspSignals)
#include "test_dsp_signals.moc"
