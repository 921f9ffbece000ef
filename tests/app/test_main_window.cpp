// The main window against the simulated transmitter on a pseudo-terminal: what it shows of
// connecting and of a silent device, going offline, the settings prompt, a dying worker, the
// poll interval box, and the journal's closing line. The cycles themselves are tested
// without a window (tests/session).
#include "app/app_windows.h"
#include "app/main_window.h"
#include "base/cp1251.h"
#include "base/string_table.h"
#include "connect/form_connecting.h"
#include "connect/form_setup_com.h"
#include "link/modbus_rtu.h"
#include "session/program.h"
#include "tests/support/broken_file.h"
#include "tests/support/journal_lines.h"
#include "tests/support/sim_process.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tarvix {

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::SimProcess> sim_;
    std::unique_ptr<Program> p_;
    std::unique_ptr<TForm1> form_;
    QStringList messages_;  // texts of the message boxes shown
    QMessageBox::StandardButton answer_ = QMessageBox::No;

    // A fresh program in a fresh folder whose settings name the simulator's line.
    void Launch(const QString& ansDelay = QStringLiteral("100")) {
        p_ = std::make_unique<Program>(dir_->path());
        p_->Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("ComNumber"),
                                 sim_->Link());
        p_->Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("BaudRate"),
                                 QStringLiteral("115200"));
        p_->Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("AnsDelay"), ansDelay);
        form_ = CreateMainWindows(*p_);
        const MessageBoxFunction answer = [this](QWidget*, QMessageBox::Icon, const QString& text,
                                                 QMessageBox::StandardButtons) {
            messages_ << text;
            return answer_;
        };
        form_->SetMessageBox(answer);
        form_->findChild<TFormSetupCom*>()->SetMessageBox(answer);
        form_->show();
    }
    bool Journalled(const QString& text) const {
        return testing::Journalled(p_->JournalList, text);
    }
    int CountJournalled(const QString& text) const {
        return testing::CountJournalled(p_->JournalList, text);
    }
    TFormConnecting* Connecting() const { return form_->findChild<TFormConnecting*>(); }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        sim_ = std::make_unique<testing::SimProcess>(7);
        QString error;
        QVERIFY2(sim_->Start({QStringLiteral("--baud"), QStringLiteral("115200")}, &error),
                 qPrintable(error));
        messages_.clear();
        answer_ = QMessageBox::No;
    }
    void cleanup() {
        form_.reset();
        p_.reset();
        sim_.reset();
        dir_.reset();
    }

    void onlineConnectsAndPolls() {
        Launch();
        QCOMPARE(form_->StatusText(1), Str(kStrDisconnected));
        form_->GoOnline();
        QVERIFY(Journalled(QStringLiteral("[inf] Открыт порт ") + sim_->Link()));
        QCOMPARE(p_->Worker.WorkMode.load(), kModeOnline);
        QVERIFY(Connecting()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(form_->StatusText(1), Str(kStrConnected), 5000);
        QVERIFY(Journalled(QStringLiteral("[inf] Расходомер подключен")));
        QVERIFY(!Connecting()->isVisible());
        // The first cycle brought the indicator's values and the status words.
        QVERIFY(p_->Image.RegTime[301] > 0);
        QVERIFY(p_->Image.RegTime[1500] > 0);
        QVERIFY(p_->Image.ReadFloat(305) > 900.0f);  // density of water, in kg/m3
        // Polling goes on every interval: the stamps keep moving.
        const double first = p_->Image.RegTime[301];
        QTRY_VERIFY_WITH_TIMEOUT(p_->Image.RegTime[301] > first, 5000);
        QVERIFY(form_->Connection().PollTimer().isActive());
    }

    void silentDeviceGoesOfflineWhenAsked() {
        Launch();
        form_->findChild<QAction*>(QStringLiteral("MenuSwitchOfflineWhenNoAnswer"))->trigger();
        QCOMPARE(p_->Settings.ReadBool(QStringLiteral("Settings"),
                                       QStringLiteral("SwitchOfflineWhenNoAnswer"), false),
                 true);
        // A long interval leaves the silent cycle (three tries of every entry) well inside
        // its budget, so the tick after it sees "nothing answered".
        form_->Connection().SetPollInterval(5000);
        QCOMPARE(sim_->Command(QStringLiteral("silent on")).left(2), QStringLiteral("ok"));
        form_->GoOnline();
        QVERIFY(Connecting()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(Journalled(QStringLiteral("[err] Нет ответа от расходомера")),
                                 20000);
        QTRY_COMPARE_WITH_TIMEOUT(p_->Worker.WorkMode.load(), kModeOffline, 5000);
        QVERIFY(!Journalled(Str(kStrExchangeTimeout)));
        QVERIFY(Journalled(QStringLiteral("[inf] Закрыт порт ") + sim_->Link()));
        QVERIFY(!p_->Com.IsOpen());
        // The connection was never confirmed: the dialog stays up with its failure look.
        QVERIFY(Connecting()->isVisible());
        QCOMPARE(Connecting()->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 Str(kStrError));
    }

    void offlineReleasesAndSettingsAskFirst() {
        Launch();
        form_->GoOnline();
        QTRY_COMPARE_WITH_TIMEOUT(form_->StatusText(1), Str(kStrConnected), 5000);
        answer_ = QMessageBox::No;
        form_->OpenComSettings();  // declined: still online, nothing else happens
        QCOMPARE(messages_.value(0), Str(kStrGoOfflineFirst));
        QCOMPARE(p_->Worker.WorkMode.load(), kModeOnline);
        form_->GoOffline();
        QCOMPARE(p_->Worker.WorkMode.load(), kModeOffline);
        QVERIFY(Journalled(QStringLiteral("[inf] Закрыт порт ") + sim_->Link()));
        QCOMPARE(form_->StatusText(1), Str(kStrDisconnected));
        QVERIFY(!p_->Com.IsOpen());
        QVERIFY(Journalled(QStringLiteral("[inf] Расходомер отключен")));
    }

    void deadWorkerIsReportedOnceAndStopsCommunication() {
        Launch();
        testing::BrokenFile broken;
        p_->Worker.File = &broken;
        p_->Worker.WorkMode = kModeFile;
        ModbusList& op = p_->Lists->OpList;
        p_->Lists->ResetList(op);
        op.AppendRead(300, 2);
        op.Launch();
        form_->Connection().StartOperation();
        QTRY_VERIFY_WITH_TIMEOUT(p_->Worker.WorkerDead.load(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(messages_.count(Str(kStrWorkerStoppedRestart)), 1, 5000);
        QVERIFY(!form_->Connection().OperationTimer().isActive());
        // Any later tick or wait finds the dead worker again: no second box.
        form_->Connection().PollTimer().start();
        p_->Lists->ResetList(p_->Lists->PollList);
        p_->Lists->PollList.AppendRead(300, 2);
        p_->Lists->PollList.Launch();
        QTRY_VERIFY_WITH_TIMEOUT(!form_->Connection().PollTimer().isActive(), 5000);
        form_->GoOffline();
        QCOMPARE(messages_.count(Str(kStrWorkerStoppedRestart)), 1);
        QCOMPARE(testing::CountJournalled(p_->JournalList, Str(kStrWorkerStopped)), 1);
        p_->Worker.File = nullptr;
    }

    void pollIntervalAcceptsAnyText() {
        Launch();
        const struct {
            const char* typed;
            int interval;
        } cases[] = {{"300", 1000}, {"abc", 1000}, {"2500", 2500}, {"70000", 2500}, {" 600 ", 600}};
        for (const auto& c : cases) {
            form_->SetInputBox([&](QWidget*, const QString& prompt, const QString&) {
                [&] { QCOMPARE(prompt, Str(kStrPollIntervalPrompt)); }();
                return std::optional<QString>(QString::fromLatin1(c.typed));
            });
            form_->AskPollInterval();
            QCOMPARE(form_->Connection().PollTimer().interval(), c.interval);
        }
    }

    void shutdownClosesTheJournalAndTheNextRunAppends() {
        Launch();
        form_->close();
        form_.reset();
        p_.reset();
        Launch();
        form_->close();
        const QString day = QDate::currentDate().toString(QStringLiteral("yyyy_MM_dd"));
        QFile file(dir_->filePath(QStringLiteral("Logs/") + day + QStringLiteral(".txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = FromCp1251(file.readAll());
        const QString closing = QStringLiteral("[inf] Завершение программы\r\n\r\n");
        QCOMPARE(text.count(closing), 2);
        QVERIFY(text.endsWith(closing));
        // The second run starts right after the empty line that ended the first.
        const int second = text.indexOf(closing) + closing.size();
        QVERIFY(text.mid(second).contains(QStringLiteral(" --> [inf] Расходомер отключен\r\n")));
    }

    void vanishedPortGoesOfflineSayingSoOnce() {
        Launch();
        form_->GoOnline();
        QTRY_COMPARE_WITH_TIMEOUT(form_->StatusText(1), Str(kStrConnected), 5000);
        const QString port = sim_->Link();
        sim_->Stop();  // the adapter is pulled out
        // Offline by itself, the port let go, the adapter named once instead of a "no
        // answer" every poll.
        QTRY_COMPARE_WITH_TIMEOUT(p_->Worker.WorkMode.load(), kModeOffline, 15000);
        QVERIFY(!p_->Com.IsOpen());
        QCOMPARE(testing::JournalLines(p_->JournalList)
                     .filter(QStringLiteral("[err] Адаптер порта %1 отключен").arg(port))
                     .size(),
                 1);
        QVERIFY(!Journalled(QStringLiteral("[err] Нет ответа от расходомера")));
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestMainWindow)
#include "test_main_window.moc"
