// The measuring module's EEPROM dump dialog against two simulated transmitters: the twenty
// parameters read from one module and written into another make them equal, the module's
// checksum intact; a damaged file sends nothing; a module refusing half-way is retried until
// the user aborts, and the status says how far the write came.
#include "connect/form_setup_com.h"
#include "link/dsp_eeprom_dump.h"
#include "link/modbus_rtu.h"
#include "pages/value_service.h"
#include "tests/support/window_harness.h"
#include "tools/form_dsp_eeprom.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace tarvix {

class TestDspEeprom : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    testing::SimProcess other_{3};
    TFormDspRegDump* dialog_ = nullptr;
    QStringList messages_;
    QString file_;

    QPushButton* Button(const char* name) const {
        return dialog_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString Label(const char* name) const {
        return dialog_->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    bool Ends(const QString& status) const {
        return QTest::qWaitFor([&] { return dialog_->Status() == status; }, 30000);
    }
    static QStringList Eeprom(const testing::SimProcess& s) {
        QStringList v;
        for (int n = 0; n < kDspEepromParams; ++n)
            v << s.Command(QStringLiteral("dsp get %1").arg(n));
        return v;
    }
    // Points the program at the other transmitter, as a user would after changing the cable.
    bool SwitchTo(const QString& link) {
        w_.Form().Connection().ResumeAfterTool();
        w_.Form().GoOffline();
        w_.P().Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("ComNumber"), link);
        w_.Form().findChild<TFormSetupCom*>()->LoadSettings();
        w_.Form().GoOnline();
        return QTest::qWaitFor([this] { return w_.Form().StatusText(1) == Str(kStrConnected); },
                               10000) &&
               w_.Form().Connection().PauseForTool();
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        QVERIFY2(other_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        QVERIFY(w_.Form().Connection().PauseForTool());
        dialog_ = w_.Form().findChild<TFormDspRegDump*>();
        QVERIFY(dialog_);
        file_ = w_.Folder() + QStringLiteral("/module.dsp");
        dialog_->SetMessageBox(
            [this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
                messages_ << text;
                return QMessageBox::Ok;
            });
        dialog_->SetFileDialogs([this](QWidget*) { return file_; },
                                [this](QWidget*) { return file_; });
        dialog_->show();
    }
    void cleanupTestCase() {
        dialog_->hide();
        w_.Form().Connection().ResumeAfterTool();
        w_.Stop();
    }

    void aDumpOfOneModuleWrittenIntoAnotherMakesThemEqual() {
        // Module A: serial number, date 15.07.2024, R0 = 100.0, a negative ADC limit.
        for (const char* cmd :
             {"dsp set 0 1234", "dsp set 1 1574671", "dsp set 2 1120403456", "dsp set 3 -5000"})
            QVERIFY(w_.Sim(QLatin1String(cmd)));
        // A module's answer has no place in the register image: registers 10 and up, where
        // the entry's sub-function would put it, keep what the device holds.
        const auto& regs = w_.P().Image.ModbusRegs;
        const std::vector<std::uint16_t> image(regs.begin() + 10, regs.begin() + 20);
        Button("ButtonFmToFile")->click();
        QCOMPARE(Button("ButtonCancel")->text(), Str(kStrAbort));
        QVERIFY(Ends(Str(kStrDumpDone)));
        QCOMPARE(Label("LabelFileName"), file_);
        const DspDumpLoad load = LoadDspEepromFile(file_);
        QVERIFY(load.ok());
        QCOMPARE(load.Values[2], 1120403456u);
        QCOMPARE(std::vector<std::uint16_t>(regs.begin() + 10, regs.begin() + 20), image);
        // The values read also reach the measuring module's page controls.
        QCOMPARE(w_.Form().Values().DspValues()[0][0], std::uint8_t{1234 & 0xFF});
        const QStringList a = Eeprom(w_.Sim());

        // Module B holds other values everywhere, its checksum included.
        for (int n = 0; n < kDspEepromParams; ++n)
            QVERIFY(other_.Command(QStringLiteral("dsp set %1 7").arg(n))
                        .startsWith(QStringLiteral("ok")));
        QVERIFY(Eeprom(other_) != a);
        QVERIFY(SwitchTo(other_.Link()));
        Button("ButtonFileToFm")->click();
        QCOMPARE(dialog_->Status(), Str(kStrDumpWriting));
        QVERIFY(Ends(Str(kStrDumpDone)));
        QCOMPARE(Eeprom(other_), a);
        QCOMPARE(other_.Command(QStringLiteral("dsp get 19")).section(u' ', 1),
                 other_.Command(QStringLiteral("dsp checksum")).section(u' ', 1));
        QVERIFY(messages_.isEmpty());
    }

    void aDamagedFileSendsNothing() {
        QFile f(file_);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray good = f.readAll();
        f.close();
        struct Case {
            QByteArray text;
            QString status;
            QString message;
        };
        const QString param = QStringLiteral("0 (SnBoard)");
        // SnBoard 70000 with the checksum moved along (70000 - 1234 = 68766; low halves
        // 4464 - 1234 = 3230 more).
        QByteArray beyond = QByteArray(good).replace("\r\n0=1234\r\n", "\r\n0=70000\r\n");
        const qsizetype at = beyond.indexOf("CheckSum=") + 9;
        const qsizetype end = beyond.indexOf("\r\n", at);
        beyond.replace(at, end - at,
                       QByteArray::number(static_cast<std::uint16_t>(
                           beyond.mid(at, end - at).toInt() + (70000 & 0xFFFF) - 1234)));
        const Case cases[] = {
            {QByteArray(good).replace("\r\n0=1234\r\n", "\r\n0=1235\r\n"), Str(kStrChecksumError),
             Str(kStrDumpChecksumError)},
            {beyond, Str(kStrDumpError),
             Str(kStrDspDumpBeyondSize).arg(param, QStringLiteral("70000")).arg(2)},
            {QByteArray(good).replace("\r\n0=1234\r\n", "\r\n0=abc\r\n"), Str(kStrDumpError),
             Str(kStrDspDumpNotANumber).arg(param, QStringLiteral("abc"))},
        };
        const QString kept = file_;
        file_ = w_.Folder() + QStringLiteral("/bad.dsp");
        const QStringList before = Eeprom(other_);
        const QString stats = other_.Command(QStringLiteral("stats"));
        for (const Case& c : cases) {
            messages_.clear();
            QFile out(file_);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(c.text);
            out.close();
            Button("ButtonFileToFm")->click();
            QCOMPARE(dialog_->Status(), c.status);
            QCOMPARE(messages_.value(0), c.message + u'\n' + Str(kStrDspDumpNothingSent));
            QVERIFY(!dialog_->Transfer().Running());
        }
        QCOMPARE(Eeprom(other_), before);
        QCOMPARE(other_.Command(QStringLiteral("stats")), stats);  // not one frame
        file_ = kept;
    }

    void aModuleRefusingHalfWayIsRetriedUntilAborted() {
        messages_.clear();
        QVERIFY(other_.Command(QStringLiteral("dsp-fault 11 4 after 3"))
                    .startsWith(QStringLiteral("ok")));
        Button("ButtonFileToFm")->click();
        QVERIFY(QTest::qWaitFor([&] { return Label("LabelTries").toInt() >= 2; }, 10000));
        QCOMPARE(dialog_->Status(), ResultText(kExceptionWriteFailed));
        QCOMPARE(Label("LabelCurRegName"), QStringLiteral("MinCode_ADC1_TC"));
        Button("ButtonCancel")->click();
        QVERIFY(Ends(Str(kStrDumpAborted) + QStringLiteral(". ") +
                     Str(kStrDspDumpWritten).arg(3).arg(kDspEepromParams)));
        QCOMPARE(Button("ButtonCancel")->text(), Str(kStrDumpClose));
        QVERIFY(other_.Command(QStringLiteral("dsp-fault clear")).startsWith(QStringLiteral("ok")));
        QVERIFY(QTest::qWaitFor([&] { return w_.Form().Connection().OperationIdle(); }, 5000));
        QVERIFY(messages_.isEmpty());
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestDspEeprom)
#include "test_dsp_eeprom.moc"
