// "Файл" in the main window on configuration files the simulator saved: a file loads, the
// program works on it and a page saved into it keeps it loadable, here and in the simulator;
// files that fail their checksum are refused; a key that is no number, and a save the disk
// refuses, are reported as the failures they are.
#include "app/app_windows.h"
#include "app/main_window.h"
#include "base/ini_file.h"
#include "base/string_table.h"
#include "connect/form_setup_com.h"
#include "model/param_table.h"
#include "session/program.h"
#include "tests/support/journal_lines.h"
#include "tests/support/sim_process.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace tarvix {
namespace {

const QString kUserRegs = QStringLiteral("UserRegs");
const QString kCheckSum = QStringLiteral("CheckSum");
constexpr int kNodeTotaliser1 = 11;  // its page shows SumMode1 (register 704)

// Gives the first key of that name a new text, as a text editor would.
void Edit(const QString& path, const QByteArray& key, const QByteArray& value) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QByteArray text = f.readAll();
    const qsizetype at = text.indexOf("\r\n" + key + '=') + key.size() + 3;
    text.replace(at, text.indexOf("\r\n", at) - at, value);
    f.resize(0);
    f.write(text);
}

}  // namespace

class TestFileMode : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::SimProcess> sim_;
    std::unique_ptr<Program> p_;
    std::unique_ptr<TForm1> form_;
    QString chosen_;  // what the file dialog answers
    int dialogs_ = 0;

    void Launch() {
        p_ = std::make_unique<Program>(dir_->path());
        p_->Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("ComNumber"),
                                 sim_->Link());
        form_ = CreateMainWindows(*p_);
        const MessageBoxFunction ok = [](QWidget*, QMessageBox::Icon, const QString&,
                                         QMessageBox::StandardButtons) { return QMessageBox::Ok; };
        form_->SetMessageBox(ok);
        form_->findChild<TFormSetupCom*>()->SetMessageBox(ok);
        form_->SetConfigFileDialog([this](QWidget*, const QString&) {
            ++dialogs_;
            return chosen_;
        });
        form_->show();
    }
    // The simulator's configuration, saved as it saves it.
    QString SimFile(const QString& name) {
        const QString path = dir_->filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        [&] { QCOMPARE(sim_->Command(QStringLiteral("save ") + path), QStringLiteral("ok")); }();
        return path;
    }
    bool Journalled(const QString& text) const {
        return testing::Journalled(p_->JournalList, text);
    }
    bool Idle() const {
        return p_->Lists->OpList.Idle() && !form_->Connection().OperationTimer().isActive();
    }
    bool Open(int node) {
        form_->SelectNode(node);
        form_->OpenSelectedNode();
        return QTest::qWaitFor([&] { return Idle(); }, 10000);
    }
    // Shows totaliser 1 and picks another SumMode1; returns the one picked.
    int EditSumMode() {
        auto* combo = form_->findChild<QComboBox*>(QStringLiteral("ComboSumMode1"));
        const int wanted = combo->currentIndex() == 1 ? 2 : 1;
        combo->setCurrentIndex(wanted);
        Q_EMIT combo->activated(wanted);
        return wanted;
    }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        sim_ = std::make_unique<testing::SimProcess>(7);
        QString error;
        QVERIFY2(sim_->Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        dialogs_ = 0;
    }
    void cleanup() {
        form_.reset();
        p_.reset();
        sim_.reset();
        dir_.reset();
    }

    void simulatorFileLoadsAndASaveKeepsItLoadable() {
        const QString path = SimFile(QStringLiteral("meter.mbr"));
        const IniFile before(path);
        const int mode = before.ReadInteger(kUserRegs, QStringLiteral("704"), -1);
        const int techSum = before.ReadInteger(QStringLiteral("TechRegs"), kCheckSum, -1);
        IniFile(path).WriteString(
            QStringLiteral("Config"), QStringLiteral("DateTime"),
            FormatIniDateTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QLocale::system()));
        Launch();
        chosen_ = path;
        form_->findChild<QAction*>(QStringLiteral("MenuFile"))->trigger();
        QVERIFY(Journalled(QStringLiteral("[inf] Чтение конфигурации из файла ") + path));
        QVERIFY(Journalled(QStringLiteral(
            "[inf] Дата последнего изменения в файле конфигурации: 03.02.2001 04:05")));
        QCOMPARE(p_->Worker.WorkMode.load(), kModeFile);
        QCOMPARE(form_->StatusText(1), Str(kStrFileMode));
        QCOMPARE(form_->StatusText(2), path);
        QVERIFY(form_->findChild<QAction*>(QStringLiteral("MenuFile"))->isChecked());

        QVERIFY(Open(kNodeTotaliser1));
        QCOMPARE(form_->findChild<QComboBox*>(QStringLiteral("ComboSumMode1"))->currentIndex(),
                 mode);
        const int wanted = EditSumMode();
        form_->SavePage();
        QTRY_VERIFY_WITH_TIMEOUT(
            Journalled(QStringLiteral("SumMode1 - Новые значения успешно записаны в файл "
                                      "конфигурации.")),
            10000);
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), 10000);
        const IniFile after(path);
        QCOMPARE(after.ReadInteger(kUserRegs, QStringLiteral("704"), -1), wanted);
        int sum = 0;
        for (const int r : DumpSet) sum += after.ReadInteger(kUserRegs, QString::number(r), 2);
        QCOMPARE(after.ReadInteger(kUserRegs, kCheckSum, -1), sum & 0xFFFF);
        QCOMPARE(after.ReadInteger(QStringLiteral("TechRegs"), kCheckSum, -1),
                 (techSum + wanted - mode) & 0xFFFF);
        QCOMPARE(
            after.ReadDateTime(QStringLiteral("Config"), QStringLiteral("DateTime"), {}).date(),
            QDate::currentDate());

        // "Оффлайн" keeps the file; "Файл" reads it again without asking.
        form_->GoOffline();
        QVERIFY(p_->ConfigFile.IsOpen());
        QCOMPARE(form_->StatusText(1), Str(kStrFileMode));
        form_->findChild<QAction*>(QStringLiteral("MenuFile"))->trigger();
        QCOMPARE(dialogs_, 1);
        QCOMPARE(p_->Worker.WorkMode.load(), kModeFile);
        QVERIFY(!Journalled(QStringLiteral("[err] ") + Str(kStrChecksumError)));
        form_->close();
        QVERIFY(!p_->ConfigFile.IsOpen());

        testing::SimProcess loaded(3);
        QString error;
        QVERIFY2(loaded.Start({QStringLiteral("--load"), path}, &error), qPrintable(error));
        QCOMPARE(loaded.Command(QStringLiteral("getw 704")), QStringLiteral("ok %1").arg(wanted));
    }

    void filesFailingTheirChecksumLeaveTheModeAsItWas() {
        Launch();
        form_->GoOnline();
        QTRY_COMPARE_WITH_TIMEOUT(form_->StatusText(1), Str(kStrConnected), 10000);
        const struct {
            const char* what;
            std::function<QString()> make;
        } cases[] = {
            {"one value changed in a text editor",
             [this] {
                 const QString path = SimFile(QStringLiteral("edited.mbr"));
                 const int v = IniFile(path).ReadInteger(kUserRegs, QStringLiteral("430"), 0);
                 Edit(path, "430", QByteArray::number(v + 1));
                 return path;
             }},
            {"a new file named in the dialog",
             [this] { return dir_->filePath(QStringLiteral("new.mbr")); }},
        };
        int errors = 0;
        for (const auto& c : cases) {
            chosen_ = c.make();
            form_->findChild<QAction*>(QStringLiteral("MenuChooseFile"))->trigger();
            QVERIFY2(testing::CountJournalled(p_->JournalList, Str(kStrChecksumError)) == ++errors,
                     c.what);
            QVERIFY2(!p_->ConfigFile.IsOpen(), c.what);
            QCOMPARE(p_->Worker.WorkMode.load(), kModeOnline);
            QCOMPARE(form_->StatusText(1), Str(kStrConnected));
            QVERIFY(p_->Com.IsOpen());
        }
        QVERIFY(!QFileInfo::exists(dir_->filePath(QStringLiteral("new.mbr"))));
    }

    void failuresInFileModeAreReportedAsSuch() {
        // A key that is no number: 2 in the load, and the page's read of it fails.
        const QString path = SimFile(QStringLiteral("configs/meter.mbr"));
        IniFile ini(path);
        const int v = ini.ReadInteger(kUserRegs, QStringLiteral("702"), 0);
        const int sum = ini.ReadInteger(kUserRegs, kCheckSum, 0);
        Edit(path, "702", "one");
        ini.WriteInteger(kUserRegs, kCheckSum, (sum - v + 2) & 0xFFFF);
        Launch();
        chosen_ = path;
        form_->UseConfigFile();
        QCOMPARE(p_->Worker.WorkMode.load(), kModeFile);
        QCOMPARE(p_->Image.ModbusRegs[702], 2);
        QVERIFY(Open(kNodeTotaliser1));
        QVERIFY(Journalled(QStringLiteral(" - ") + Str(kStrNoFileData)));
        QVERIFY(!Journalled(Str(kStrNoAnswer)));
        QCOMPARE(p_->Image.RegTime[702], 0.0);

        // The file's folder vanishes: a save says so, and no success.
        ini.WriteInteger(kUserRegs, QStringLiteral("702"), v);
        ini.WriteInteger(kUserRegs, kCheckSum, sum);
        form_->UseConfigFile();
        QVERIFY(Open(kNodeTotaliser1));
        EditSumMode();
        QDir(QFileInfo(path).path()).removeRecursively();
        form_->SavePage();
        QTRY_VERIFY_WITH_TIMEOUT(
            Journalled(QStringLiteral("SumMode1 - ") + Str(kStrFileNotWritten)), 10000);
        QVERIFY(!Journalled(Str(kStrWrittenToFile)));
        QCOMPARE(p_->Worker.WorkMode.load(), kModeFile);
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestFileMode)
#include "test_file_mode.moc"
