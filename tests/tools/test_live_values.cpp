// The live values table and the charts against the simulated transmitter: samples follow
// the poll cycle, a unit change starts the table afresh, clear, copy and save keep to the
// table's shape, the charts start with two points in a three-minute window that later
// slides, keeping only the window's points; a plain table goes through the same file
// routines.
#include "model/register_ids.h"
#include "tests/support/window_harness.h"
#include "tools/chart_window.h"
#include "tools/grid_files.h"
#include "tools/live_values.h"

#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTimeAxis>
#include <QGuiApplication>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace tarvix {

class TestLiveValues : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    static constexpr int kNodeLive = 3;    // "Текущие данные"
    static constexpr int kNodeCharts = 4;  // "Графики"
    static constexpr int kTonnesPerHour = 8;

    LiveTableModel& Table() { return w_.Form().Live().Table(); }
    LiveCharts& Charts() { return w_.Form().Live().Charts(); }
    void Click(const char* button) { w_.Find<QAbstractButton>(button)->click(); }
    static std::array<double, kLiveQuantities> Values(double v) {
        std::array<double, kLiveQuantities> all{};
        all.fill(v);
        return all;
    }
    static std::array<QString, kLiveQuantities> Units(const QString& u) {
        std::array<QString, kLiveQuantities> all;
        all.fill(u);
        return all;
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({u"--freeze"_s}, &error), qPrintable(error));
        QVERIFY(w_.Open(kNodeLive));
    }
    void cleanupTestCase() { w_.Stop(); }

    void aUnitChangeStartsTheTableAfresh() {
        Click("CheckBoxPollLive");
        QVERIFY(w_.Find<QLabel>("LabelLiveWaiting")->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return Table().Samples() >= 2; }, 10000));
        QVERIFY(!w_.Find<QLabel>("LabelLiveWaiting")->isVisible());
        QCOMPARE(Table().Row(0)[0], u"чч:мм:сс"_s);
        QCOMPARE(Table().Row(0)[1], u"кг/ч"_s);
        QCOMPARE(Table().Row(Table().RowCount() - 2)[1], w_.Find<QLabel>("LabelMassFlow")->text());
        // The view follows the newest row: the empty last row is the current one.
        auto* view = w_.Find<QTableView>("GridLive");
        QCOMPARE(view->currentIndex().row(), Table().RowCount() - 1);
        QStringList captions;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            captions << view->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(captions, (QStringList{u"Время"_s, u"Мас. расход"_s, u"Объем.р."_s, u"Плотность"_s,
                                        u"Темп."_s, u"Прив.об.р."_s, u"Прив.пл."_s}));

        QVERIFY(w_.Sim(u"set UnitMassFlow %1"_s.arg(kTonnesPerHour)));
        QVERIFY(QTest::qWaitFor([&] { return Table().Row(0)[1] == u"т/ч"_s; }, 10000));
        QCOMPARE(Table().Samples(), 1);
        QCOMPARE(Table().RowCount(), 3);
    }

    void clearKeepsTheHeaderAndCopyGivesEveryRow() {
        Click("ButtonLiveClear");
        QCOMPARE(Table().RowCount(), 2);
        const QStringList header = Table().Row(0);
        QCOMPARE(header[1], u"т/ч"_s);

        // Copied the moment the second sample is in: header, two samples, the empty row.
        QVERIFY(QTest::qWaitFor([&] { return Table().Samples() == 2; }, 10000));
        w_.Find<QAction>("ActionLiveToBuffer")->trigger();
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 5);  // four rows, each ended by "\n"
        QCOMPARE(lines[0], header.join(u'\t') + u'\t');
        QCOMPARE(lines[3], QString(7, u'\t'));
        QCOMPARE(lines[4], QString());

        // Saved: the header and the samples, not the empty row, in Windows-1251 with CR LF.
        const QString path = w_.Folder() + u"/live.csv"_s;
        w_.Form().Grids().SetDialogs([&](QWidget*, const QString&) { return path; },
                                     [](QWidget*, const QString&) { return QString(); });
        Click("Button4");
        const QByteArray file = ReadFileBytes(path).value_or(QByteArray());
        QCOMPARE(file.count("\r\n"), Table().RowCount() - 1);
        QVERIFY(file.startsWith("\xF7\xF7:\xEC\xEC:\xF1\xF1;\xF2/\xF7;"));
    }

    void leavingOnlineUnticksTheTable() {
        w_.Form().GoOffline();
        QVERIFY(!w_.Find<QCheckBox>("CheckBoxPollLive")->isChecked());
        Click("CheckBoxPollLive");
        QVERIFY(!w_.Find<QCheckBox>("CheckBoxPollLive")->isChecked());
        Click("CheckBoxPollCharts");
        QVERIFY(!w_.Find<QCheckBox>("CheckBoxPollCharts")->isChecked());
        w_.Form().GoOnline();
        QVERIFY(
            QTest::qWaitFor([&] { return w_.Form().StatusText(1) == Str(kStrConnected); }, 10000));
    }

    void chartsStartWithTwoPointsInAThreeMinuteWindow() {
        QVERIFY(w_.Open(kNodeCharts));
        Click("CheckBoxPollCharts");
        QVERIFY(w_.Find<QLabel>("LabelChartsWaiting")->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return Charts().Series(0)->count() > 0; }, 10000));
        for (int q = 0; q < kLiveQuantities; ++q) {
            const QLineSeries* s = Charts().Series(q);
            QCOMPARE(s->count(), 2);
            QCOMPARE(s->at(0).x(), s->at(1).x());
            QCOMPARE(s->at(0).y(), kFirstPointFactor * s->at(1).y());
            const QDateTimeAxis* axis = Charts().TimeAxis(q);
            QCOMPARE(axis->min().toMSecsSinceEpoch(), static_cast<qint64>(s->at(0).x()));
            QCOMPARE(axis->max().toMSecsSinceEpoch() - axis->min().toMSecsSinceEpoch(), 180000);
        }
        QCOMPARE(Charts().Series(0)->at(1).y(),
                 static_cast<double>(w_.P().Image.ReadFloat(mrMassFlowH)));
        QCOMPARE(Charts().Chart(0)->title(), Str(kStrChartMassFlow) + u", т/ч"_s);
        QCOMPARE(Charts().Chart(3)->title(), Str(kStrChartTemperature) + u", "_s +
                                                 w_.Find<QLabel>("LabelUnitTemperature")->text());
        Click("CheckBoxPollCharts");
    }

    void theWindowSlidesAndKeepsOnlyItsPoints() {
        LiveCharts& charts = Charts();
        charts.Clear();
        const double t0 = 1.7e12;
        charts.Update(t0, Values(10), Units(u"кг/ч"_s));
        QCOMPARE(charts.Chart(0)->title(), Str(kStrChartMassFlow) + u", кг/ч"_s);
        charts.Update(t0 + 1000, Values(11), Units(u"т/ч"_s));
        QCOMPARE(charts.Chart(0)->title(), Str(kStrChartMassFlow) + u", т/ч"_s);
        QCOMPARE(charts.TimeAxis(0)->min().toMSecsSinceEpoch(), static_cast<qint64>(t0));

        // Ten minutes at one sample a second: the axis ends at the newest sample, and the
        // series holds the window's points and the one before it.
        constexpr int kSeconds = 600;
        for (int s = 2; s <= kSeconds; ++s)
            charts.Update(t0 + s * 1000.0, Values(s % 7), Units(u"т/ч"_s));
        const double t = t0 + kSeconds * 1000.0;
        for (int q = 0; q < kLiveQuantities; ++q) {
            QCOMPARE(charts.TimeAxis(q)->max().toMSecsSinceEpoch(), static_cast<qint64>(t));
            QCOMPARE(charts.TimeAxis(q)->min().toMSecsSinceEpoch(),
                     static_cast<qint64>(t - kChartWindowMs));
            const QLineSeries* s = charts.Series(q);
            QCOMPARE(s->count(), 182);
            QCOMPARE(s->at(0).x(), t - kChartWindowMs - 1000);
            QCOMPARE(s->at(s->count() - 1).x(), t);
        }
    }

    void aPlainTableUsesTheSameFileRoutines() {
        // A table with its captions in the horizontal header, as the ADC codes keep them.
        QTableWidget table(1, 2);
        table.setHorizontalHeaderLabels({u"Время"_s, u"ТС"_s});
        TableWidgetGrid grid(table, TableWidgetGrid::Header::HorizontalHeader);
        grid.SetRows({{u"Время"_s, u"ТС"_s},
                      {u"10:00:00"_s, u"1 2"_s},
                      {u"10:00:01"_s, u"3"_s},
                      {u""_s, u""_s}});
        const QString path = w_.Folder() + u"/plain.csv"_s;
        GridFiles files(w_.Folder());
        files.SetDialogs([&](QWidget*, const QString&) { return path; },
                         [&](QWidget*, const QString&) { return path; });
        QVERIFY(files.SaveGridCsv(nullptr, grid));
        QCOMPARE(ReadFileBytes(path).value_or(QByteArray()),
                 "\xC2\xF0\xE5\xEC\xFF;\xD2\xD1\r\n10:00:00;\"1 2\"\r\n10:00:01;3\r\n");
        GridFiles::ClearGrid(grid);
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.horizontalHeaderItem(1)->text(), u"ТС"_s);
        QVERIFY(files.LoadGridCsv(nullptr, grid));
        QCOMPARE(RowsOf(grid), (GridRows{{u"Время"_s, u"ТС"_s},
                                         {u"10:00:00"_s, u"\"1 2\""_s},
                                         {u"10:00:01"_s, u"3"_s},
                                         {u""_s, u""_s}}));
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestLiveValues)
#include "test_live_values.moc"
