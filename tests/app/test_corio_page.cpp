// The page "Отдельные параметры" against the simulated transmitter: a float, a word and a
// menu read and written; read-only parameters, bad input and the device's refusal leave the
// device and the shown value as they were; the automatic reading follows the device and stops
// with the page; in file mode the configuration file is read and written.
#include "base/ini_file.h"
#include "link/config_file_store.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"
#include "model/register_ids.h"
#include "tests/support/window_harness.h"
#include "tools/corio_page.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace tarvix {
namespace {

constexpr int kNodeCorio = 46;
constexpr int kNodeMainVars = 6;
constexpr int kWaitMs = 10000;

}  // namespace

class TestCorioPage : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::WindowHarness> h_;

    QListWidget* List() { return h_->Find<QListWidget>("ListAllRegsCorio"); }
    QLineEdit* Edit() { return h_->Find<QLineEdit>("EditValueCorio"); }
    QString Result() { return h_->Find<QLabel>("LabelResultCorio")->text(); }
    QString Shown() { return h_->Find<QLabel>("LabelStringCorio")->text(); }

    static double Number(QString text) {
        return text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    bool Choose(const QString& name) {
        const auto found = List()->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) return false;
        List()->setCurrentItem(found.front());
        return true;
    }
    // Clicks the button and waits for the result line it leaves (the operation finished).
    bool Click(const char* button) {
        h_->Find<QLabel>("LabelResultCorio")->clear();
        h_->Find<QPushButton>(button)->click();
        return QTest::qWaitFor([&] { return h_->Idle() && !Result().isEmpty(); }, kWaitMs);
    }
    // No poll cycle runs: every request the simulator counts from now on is the page's.
    bool StopPolling() {
        h_->Form().Connection().PollTimer().stop();
        return QTest::qWaitFor([&] { return h_->P().Lists->PollList.Idle(); }, kWaitMs);
    }

  private Q_SLOTS:
    void init() {
        h_ = std::make_unique<testing::WindowHarness>();
        QString error;
        QVERIFY2(h_->Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        QVERIFY(h_->Open(kNodeCorio));
    }
    void cleanup() { h_.reset(); }

    void readsAndWrites_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("device");  // the simulator's "get" afterwards
        QTest::addColumn<bool>("menu");
        QTest::newRow("float") << "FlowDamping"
                               << "2,5"
                               << "ok 2.5" << false;
        QTest::newRow("word") << "Contrast"
                              << "7"
                              << "ok 7" << false;
        QTest::newRow("menu") << "Language"
                              << "1"
                              << "ok 1" << true;
    }
    void readsAndWrites() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, device);
        QFETCH(bool, menu);
        QVERIFY(Choose(name));
        QVERIFY(Click("ButtonReadCorio"));
        QVERIFY2(Result().endsWith(name + QStringLiteral(" : ") + Str(kStrCalDone)),
                 qPrintable(Result()));
        QCOMPARE(h_->Find<QLabel>("LabelAccess")->text(), Str(kStrReadWrite));
        QVERIFY(!h_->Find<QLabel>("LabelFullName")->text().isEmpty());
        // A menu shows its item's text, the edit the number behind it.
        const bool number = [&] {
            bool ok = false;
            Edit()->text().toInt(&ok);
            return ok;
        }();
        if (menu) QVERIFY(number && Shown() != Edit()->text());

        // The write finds the operation list in use (the page read again) and waits for it.
        Edit()->setText(typed);
        h_->Messages().clear();
        h_->Form().ReadPage(kPageCorio);
        QVERIFY(!h_->Idle());
        QVERIFY(Click("ButtonWriteCorio"));
        QVERIFY2(Result().endsWith(Str(kStrWrittenToDevice)), qPrintable(Result()));
        QVERIFY(h_->Messages().isEmpty());
        QCOMPARE(h_->Sim().Command(QStringLiteral("get ") + name), device);
        QVERIFY(h_->Journalled(name + QStringLiteral(" - ") + Str(kStrWrittenToDevice)));
        // Read back, the page shows what the device holds.
        QVERIFY(Click("ButtonReadCorio"));
        QCOMPARE(Number(Edit()->text()), Number(typed));
    }

    void aLanguageSwitchSaysTheParameterAgainWithoutReading() {
        const int row = ParamRowByName("SumUnit1");
        QVERIFY(Choose(QStringLiteral("SumUnit1")));
        QVERIFY(Click("ButtonReadCorio"));
        const QString russian = Shown();
        QVERIFY(StopPolling());
        const int requests = h_->SimRequests();
        Edit()->setText(QStringLiteral("1"));  // typed, not yet written
        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

        h_->Find<QAction>("MenuEnglish")->trigger();
        QCOMPARE(h_->Find<QLabel>("LabelFullName")->text(), ParamTitle(row, 1));
        QCOMPARE(h_->Find<QPlainTextEdit>("MemoContext")->toPlainText(), ParamHint(row, 1));
        QVERIFY(!h_->Find<QLabel>("LabelAccess")->text().contains(cyrillic));
        QVERIFY2(!Shown().isEmpty() && !Shown().contains(cyrillic), qPrintable(Shown()));
        QCOMPARE(Edit()->text(), QStringLiteral("1"));
        h_->Find<QAction>("MenuRussian")->trigger();
        QCOMPARE(Shown(), russian);
        QCOMPARE(h_->Find<QLabel>("LabelFullName")->text(), ParamTitle(row, 0));
        QCOMPARE(h_->SimRequests(), requests);
    }

    void refusesWithoutWriting_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("quoted");  // what the error box quotes; empty: no box
        QTest::newRow("read-only") << "Frequency"
                                   << "5" << QString();
        QTest::newRow("not a number") << "Contrast"
                                      << "abc"
                                      << "abc";
        QTest::newRow("empty") << "Contrast"
                               << "  "
                               << "";
        QTest::newRow("beyond a word") << "Contrast"
                                       << "70000"
                                       << "70000";
        QTest::newRow("negative word") << "Contrast"
                                       << "-1"
                                       << "-1";
        QTest::newRow("float too large") << "FlowDamping"
                                         << "1e40"
                                         << "1e40";
        QTest::newRow("beyond the menu") << "Language"
                                         << "99"
                                         << "99";
        QTest::newRow("menu text unknown") << "Language"
                                           << "Klingon"
                                           << "Klingon";
        QTest::newRow("huge text")
            << "FlowDamping" << QString(100000, QLatin1Char('7')) << QString(24, QLatin1Char('7'));
    }
    void refusesWithoutWriting() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, quoted);
        QVERIFY(Choose(name));
        QVERIFY(Click("ButtonReadCorio"));
        const QString before = h_->Sim().Command(QStringLiteral("get ") + name);
        const QString shownBefore = Edit()->text();
        QVERIFY(StopPolling());
        const int requests = h_->SimRequests();
        h_->Messages().clear();

        Edit()->setText(typed);
        h_->Find<QPushButton>("ButtonWriteCorio")->click();
        QVERIFY(QTest::qWaitFor([&] { return h_->Idle(); }, kWaitMs));
        if (quoted.isNull()) {
            QVERIFY(Result().endsWith(QStringLiteral(" --> ") + Str(kStrParamReadOnly)));
            QVERIFY(h_->Messages().isEmpty());
        } else {
            QCOMPARE(h_->Messages().size(), 1);
            QVERIFY2(h_->Messages().front().contains(quoted), qPrintable(h_->Messages().front()));
            QVERIFY(h_->Messages().front().size() < 200);
        }
        QCOMPARE(h_->SimRequests(), requests);
        QCOMPARE(h_->Sim().Command(QStringLiteral("get ") + name), before);
        // Nothing of the refused text entered the image: a read shows the device's value.
        QVERIFY(Click("ButtonReadCorio"));
        QCOMPARE(Edit()->text(), shownBefore);
    }

    void deviceRefusalIsReportedAndNotShownAsWritten() {
        QVERIFY(Choose(QStringLiteral("Contrast")));
        QVERIFY(Click("ButtonReadCorio"));
        const QString held = Edit()->text();
        QVERIFY(h_->Sim(QStringLiteral("exception %1 4").arg(mrContrast)));
        Edit()->setText(QString::number(held.toInt() + 1));
        QVERIFY(Click("ButtonWriteCorio"));
        QVERIFY2(Result().endsWith(QStringLiteral("Contrast : ") + ResultText(4)),
                 qPrintable(Result()));
        QCOMPARE(Edit()->text(), held);
        QCOMPARE(h_->SimWord(mrContrast), held.toInt());
        // A read the device refuses says so and keeps the value shown.
        QVERIFY(Click("ButtonReadCorio"));
        QVERIFY(Result().endsWith(QStringLiteral("Contrast : ") + ResultText(4)));
        QCOMPARE(Edit()->text(), held);
    }

    void automaticReadingFollowsTheDeviceWhileThePageIsShown() {
        QVERIFY(Choose(QStringLiteral("FlowDamping")));
        auto* poll = h_->Find<QCheckBox>("CheckBoxPollCorio");
        poll->click();
        for (const double v : {3.75, 1.25}) {
            QVERIFY(h_->Sim(QStringLiteral("setf FlowDamping %1").arg(v)));
            QVERIFY(QTest::qWaitFor([&] { return Number(Edit()->text()) == v; }, kWaitMs));
        }

        // Another page: no more requests, although the box stays ticked.
        QVERIFY(StopPolling());
        QVERIFY(h_->Open(kNodeMainVars));
        const int requests = h_->SimRequests();
        QTest::qWait(2500);
        QCOMPARE(h_->SimRequests(), requests);
        QVERIFY(poll->isChecked());
        // Back on the page, it reads every second again.
        QVERIFY(h_->Open(kNodeCorio));
        const int back = h_->SimRequests();
        QVERIFY(QTest::qWaitFor([&] { return h_->SimRequests() >= back + 2; }, 3500));
        // Unticked, it stops.
        poll->click();
        QVERIFY(QTest::qWaitFor([&] { return h_->Idle(); }, kWaitMs));
        const int unticked = h_->SimRequests();
        QTest::qWait(1500);
        QCOMPARE(h_->SimRequests(), unticked);
    }

    void fileModeReadsAndWritesTheConfigurationFile() {
        const QString path = h_->Folder() + QStringLiteral("/device.mbr");
        QVERIFY(h_->Sim(QStringLiteral("save ") + path));
        h_->Form().SetConfigFileDialog([&](QWidget*, const QString&) { return path; });
        h_->Form().UseConfigFile();
        QVERIFY(QTest::qWaitFor([&] { return h_->Form().StatusText(1) == Str(kStrFileMode); },
                                kWaitMs));
        QVERIFY(h_->Open(kNodeCorio));
        QVERIFY(StopPolling());
        const int requests = h_->SimRequests();

        QVERIFY(Choose(QStringLiteral("Contrast")));
        QVERIFY(Click("ButtonReadCorio"));
        QVERIFY(Result().endsWith(Str(kStrCalDone)));
        QCOMPARE(Edit()->text().toInt(), h_->SimWord(mrContrast));
        const int written = Edit()->text().toInt() + 2;
        Edit()->setText(QString::number(written));
        QVERIFY(Click("ButtonWriteCorio"));
        QVERIFY2(Result().endsWith(Str(kStrWrittenToFile)), qPrintable(Result()));
        const IniFile file(path);
        QCOMPARE(ReadConfigRegister(file, mrContrast), std::optional<std::uint16_t>(written));
        QVERIFY(ReadConfigValues(file).ChecksumOk());
        QCOMPARE(h_->SimRequests(), requests);  // the device heard nothing of it

        // A service edition's list holds the module's parameters: the file has none of them.
        auto* item = new QListWidgetItem(QStringLiteral("SnBoard"), List());
        item->setData(Qt::UserRole, ParamRowByName("SnBoard"));
        List()->setCurrentItem(item);
        QVERIFY(Click("ButtonReadCorio"));
        QVERIFY2(Result().endsWith(Str(kStrNoModuleInFile)), qPrintable(Result()));
        // The user edition refuses the hidden parameter before it asks where it lives.
        QVERIFY(Click("ButtonWriteCorio"));
        const bool writable = ParamWritable(ParamRowByName("SnBoard"));
        QVERIFY2(Result().endsWith(Str(writable ? kStrNoModuleInFile : kStrParamReadOnly)),
                 qPrintable(Result()));
        QCOMPARE(h_->SimRequests(), requests);
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestCorioPage)
#include "test_corio_page.moc"
