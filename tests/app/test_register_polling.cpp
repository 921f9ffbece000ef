// The register polling page against the simulated transmitter: six parameters of both
// kinds follow the device's values, a new selection starts a block of its own, a value the
// device refuses or a silent device never shows an old value as new, the recording loads
// back as it was written, the chart draws both series, profiles go through the settings
// file, and what tarvix-cli poll prints loads into the page.
#include "base/ini_file.h"
#include "base/text_file.h"
#include "model/param_table.h"
#include "tests/support/window_harness.h"
#include "tools/grid_files.h"
#include "tools/par_vals_page.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTableView>
#include <QValueAxis>

using namespace Qt::StringLiterals;

namespace tarvix {

class TestRegisterPolling : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    static constexpr int kNodePolling = 45;  // "Опрос регистров"
    // Three floats and three words; UnitMassFlow shows a menu item.
    const QStringList names_{u"FlowDamping"_s,   u"DensityDamping"_s, u"FixRefDensity"_s,
                             u"CalibrationYY"_s, u"SensorDiameter"_s, u"UnitMassFlow"_s};
    QString recording_;

    ParValsPage& Page() { return w_.Form().ParVals(); }
    ParValsTableModel& Table() { return Page().Table(); }
    void Click(const char* name) { w_.Find<QAbstractButton>(name)->click(); }
    void Choose(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        list->setCurrentItem(found.front());
    }
    int Rows() { return Table().RowCount(); }
    // The value the simulator holds for a parameter: the float for a float, the word else.
    double SimValue(const QString& name) {
        const bool isFloat = RowRegCount(ParamRowByName(name)) == 2;
        const QString reply = w_.Sim().Command((isFloat ? u"get %1"_s : u"getw %1"_s).arg(name));
        return reply.section(u' ', 1, 1).toDouble();
    }
    bool WaitRows(int more) {
        const int target = Rows() + more;
        return QTest::qWaitFor([&] { return Rows() >= target; }, 15000);
    }
    QStringList LastRow() { return Table().Row(Rows() - 2); }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({u"--freeze"_s}, &error), qPrintable(error));
        QVERIFY(w_.Open(kNodePolling));
        recording_ = w_.Folder() + u"/run.csv"_s;
        w_.Form().Grids().SetDialogs([this](QWidget*, const QString&) { return recording_; },
                                     [this](QWidget*, const QString&) { return recording_; });
    }
    void cleanupTestCase() { w_.Stop(); }

    void sixParametersOfBothKindsFollowTheDevice() {
        auto* all = w_.Find<QListWidget>("ListAllRegs");
        auto* selected = w_.Find<QListWidget>("ListSelected");
        for (const QString& name : names_) {
            Choose(all, name);
            Click("ButtonAdd");
        }
        // A seventh, a repeated one and a group title are not taken.
        Choose(all, u"MassFlow"_s);
        Click("ButtonAdd");
        Choose(all, names_[0]);
        Click("ButtonAdd");
        QCOMPARE(selected->count(), 6);
        QVERIFY(!w_.Find<QCheckBox>("CheckBoxPoll")->isEnabled());
        Click("ButtonUpdateMemoMb");
        QCOMPARE(Table().Row(0), QStringList{u"Время"_s} + names_);

        // Recording from the header on, then polling.
        Click("CheckBoxSaveParVals");
        QCOMPARE(w_.Find<QLabel>("LabelParValsFileName")->text(), recording_);
        Click("CheckBoxPoll");
        // Polled whatever page is shown.
        QVERIFY(w_.Open(6));
        QVERIFY(WaitRows(2));
        QVERIFY(w_.Sim(u"setf FlowDamping 3.25"_s));
        QVERIFY(w_.Sim(u"setf FixRefDensity 812.5"_s));
        QVERIFY(w_.Sim(u"set CalibrationYY 31"_s));
        QVERIFY(w_.Sim(u"set UnitMassFlow 8"_s));
        QVERIFY(QTest::qWaitFor([&] { return LastRow().value(4) == u"2031"_s; }, 15000));
        QVERIFY(WaitRows(1));
        const QStringList row = LastRow();
        for (int k = 0; k < 5; ++k) {
            bool ok = false;
            const double shown = row[k + 1].toDouble(&ok);
            QVERIFY2(ok, qPrintable(row.join(u'|')));
            // CalibrationYY holds the year's last two digits and shows the whole year.
            const double device = SimValue(names_[k]) + (k == 3 ? 2000 : 0);
            QVERIFY2(std::abs(shown - device) <= 0.001 * std::max(1.0, std::abs(device)),
                     qPrintable(names_[k] + u": "_s + row[k + 1]));
        }
        QCOMPARE(row[6], u"т/ч"_s);
        QVERIFY(QTime::fromString(row[0], u"hh:mm:ss"_s).isValid());
        // Every row is in the recording the moment it is in the table.
        QCOMPARE(ReadFileBytes(recording_).value_or(QByteArray()).count("\r\n"), Rows() - 1);
    }

    void aNewSelectionStartsABlockOfItsOwn() {
        QVERIFY(w_.Open(kNodePolling));
        Choose(w_.Find<QListWidget>("ListSelected"), names_[5]);
        Click("ButtonRemove");
        const int before = Rows();
        Click("ButtonUpdateMemoMb");
        const QStringList header = QStringList{u"Время"_s} + names_.mid(0, 5) + QStringList{u""_s};
        QCOMPARE(Rows(), before + 2);
        QCOMPARE(Table().Row(before - 1), QStringList(7, QString()));
        QCOMPARE(Table().Row(before), header);
        QCOMPARE(Table().Row(0), header);
        QVERIFY(WaitRows(2));
        QCOMPARE(LastRow()[6], QString());
        QCOMPARE(LastRow()[4], u"2031"_s);
    }

    void aMissingValueIsNeverAnOldOne() {
        // The device refuses one register: that value alone is "-----", the others go on.
        QVERIFY(w_.Sim(u"exception %1 2"_s.arg(ParamRegs[ParamRowByName("CalibrationYY")].Reg)));
        QVERIFY(QTest::qWaitFor([&] { return LastRow().value(4) == u"-----"_s; }, 15000));
        QVERIFY(LastRow()[1].toDouble() > 0);
        QVERIFY(w_.Sim(u"exception clear"_s));
        // Silent for a few cycles: no row claims a value; the recording goes on afterwards.
        QVERIFY(w_.Sim(u"silent on"_s));
        QTest::qWait(2500);
        const int during = Rows();
        QVERIFY(w_.Sim(u"silent off"_s));
        QVERIFY(QTest::qWaitFor([&] { return Rows() > during + 1; }, 15000));
        QCOMPARE(LastRow()[4], u"2031"_s);
        QVERIFY(w_.Find<QCheckBox>("CheckBoxSaveParVals")->isChecked());
        const QByteArray file = ReadFileBytes(recording_).value_or(QByteArray());
        QVERIFY(file.contains(";-----;"));
    }

    void theChartShowsBothSeries() {
        w_.Find<QRadioButton>("RadioButtonParValsCharts")->click();
        auto* red = w_.Find<QComboBox>("ComboBoxParValRed");
        auto* blue = w_.Find<QComboBox>("ComboBoxParValBlue");
        QVERIFY(red->isEnabled());
        QVERIFY(!w_.Find<QTableView>("GridModbus")->isVisible());
        red->setCurrentIndex(1);   // FlowDamping: the block's values at once
        blue->setCurrentIndex(4);  // CalibrationYY
        QVERIFY(Page().Chart().Series(0)->count() >= 2);
        const int redBefore = Page().Chart().Series(0)->count();
        QVERIFY(WaitRows(1));
        QCOMPARE(Page().Chart().Series(0)->count(), redBefore + 1);
        QVERIFY(Page().Chart().Series(1)->count() >= 1);
        QCOMPARE(Page().Chart().Series(0)->points().back().y(), 3.25);
        QCOMPARE(Page().Chart().Series(1)->points().back().y(), 2031.0);
        QCOMPARE(Page().Chart().Series(0)->color(), QColor(Qt::red));
        const auto axes = Page().Chart().Series(1)->attachedAxes();
        QVERIFY(std::any_of(axes.begin(), axes.end(),
                            [](QAbstractAxis* a) { return a->alignment() == Qt::AlignRight; }));
        w_.Find<QRadioButton>("RadioButtonParValsTable")->click();
    }

    void theRecordingLoadsBackAsItWasWritten() {
        Click("CheckBoxPoll");  // unticked: the table stands still
        QTest::qWait(1500);
        Click("CheckBoxSaveParVals");
        const QByteArray written = ReadFileBytes(recording_).value_or(QByteArray());
        // What the table shows, without the separator row the recording never had.
        QList<QStringList> shown;
        for (int r = 1; r + 1 < Rows(); ++r) {
            if (Table().Row(r) != QStringList(7, QString())) shown << Table().Row(r);
        }
        Click("ButtonParValsLoad");
        QCOMPARE(GridFileBytes(Table()), written);
        QCOMPARE(Table().Row(0), QStringList{u"Время"_s} + names_);  // the first header
        for (int r = 1; r + 1 < Rows(); ++r) QCOMPARE(Table().Row(r), shown[r - 1]);
        QCOMPARE(w_.Find<QListWidget>("ListSelected")->count(), 5);
    }

    void profilesGoThroughTheSettingsFile() {
        QStringList answers{u"a]b"_s, u"run one"_s, u"run two"_s};
        w_.Form().SetInputBox([&](QWidget*, const QString&, const QString&) {
            return std::optional<QString>(answers.takeFirst());
        });
        w_.Messages().clear();
        Click("ButtonToProfile");
        QCOMPARE(w_.Messages().size(), 1);
        Click("ButtonToProfile");
        Choose(w_.Find<QListWidget>("ListSelected"), names_[0]);
        Click("ButtonRemove");
        Click("ButtonToProfile");
        auto* profiles = w_.Find<QListWidget>("ListProfiles");
        QCOMPARE(profiles->count(), 2);
        profiles->setCurrentRow(0);
        Click("ButtonDelProfile");
        IniFile ini(w_.P().Settings.FileName());
        QCOMPARE(ini.ReadString(u"Profiles"_s, u"0"_s, {}), u"run two"_s);
        QVERIFY(!ini.ValueExists(u"Profiles"_s, u"1"_s));
        QVERIFY(!ini.SectionExists(u"run one"_s));
        QCOMPARE(ini.ReadInteger(u"run two"_s, u"0"_s, 0), ParamRowByName(names_[1]));
        QCOMPARE(ini.ReadInteger(u"run two"_s, u"3"_s, 0), ParamRowByName(names_[4]));
        QVERIFY(!ini.ValueExists(u"run two"_s, u"4"_s));
        // Loaded into the selection, applied only on request.
        w_.Find<QListWidget>("ListSelected")->clear();
        profiles->setCurrentRow(0);
        Click("ButtonFromProfile");
        QCOMPARE(w_.Find<QListWidget>("ListSelected")->count(), 4);
    }

    void whatTheCommandLinePrintsLoadsIntoThePage() {
        w_.Form().GoOffline();  // the command line needs the port
        const QString out = w_.Folder() + u"/cli.csv"_s;
        const QString cli = QStringLiteral(TARVIX_BIN_DIR "/tarvix-cli");
        QProcess p;
        p.setStandardOutputFile(out);
        p.start(cli,
                QStringList{u"poll"_s, u"--port"_s, w_.Sim().Link(), u"--interval"_s, u"100"_s} +
                    names_);
        QVERIFY(p.waitForStarted());
        QTest::qWait(1200);
        QVERIFY(w_.Sim(u"exception %1 2"_s.arg(ParamRegs[ParamRowByName("FlowDamping")].Reg)));
        QTest::qWait(600);
        p.terminate();  // SIGTERM: ends after a whole line
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(w_.Sim(u"exception clear"_s));
        const QByteArray bytes = ReadFileBytes(out).value_or(QByteArray());
        QVERIFY(bytes.endsWith("\r\n"));

        recording_ = out;
        Click("ButtonParValsLoad");
        QVERIFY(Rows() >= 5);
        QCOMPARE(Table().Row(0), QStringList{u"Время"_s} + names_);
        QCOMPARE(Table().Row(2)[4], u"2031"_s);
        QCOMPARE(Table().Row(2)[6], u"т/ч"_s);
        QCOMPARE(LastRow()[1], u"-----"_s);
        QCOMPARE(LastRow()[2].toDouble() > 0, true);
        QCOMPARE(w_.Find<QListWidget>("ListSelected")->count(), 6);
        QCOMPARE(GridFileBytes(Table()), bytes);
    }

    void aRecordingWhoseFolderGoesStopsWithAMessage() {
        w_.Form().GoOnline();
        QVERIFY(
            QTest::qWaitFor([&] { return w_.Form().StatusText(1) == Str(kStrConnected); }, 10000));
        Click("ButtonUpdateMemoMb");
        QDir().mkdir(w_.Folder() + u"/gone"_s);
        recording_ = w_.Folder() + u"/gone/run.csv"_s;
        Click("CheckBoxSaveParVals");
        Click("CheckBoxPoll");
        QVERIFY(WaitRows(1));
        QVERIFY(QDir(w_.Folder() + u"/gone"_s).removeRecursively());
        auto* save = w_.Find<QCheckBox>("CheckBoxSaveParVals");
        QVERIFY(QTest::qWaitFor([&] { return !save->isChecked(); }, 15000));
        QVERIFY(w_.Journalled(Str(kStrParValsFileError)));
        // The table goes on.
        QVERIFY(WaitRows(1));
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestRegisterPolling)
#include "test_register_polling.moc"
