// The current output calibration against the simulated transmitter, whose board starts with
// an error of its own: the wizard from the first step to the test step with the device's
// registers checked after each, typed values it refuses, a computation the device refuses,
// the device falling silent in the middle, the report, and the main window's "Восстановить"
// and "Копировать польз. в скр.".
#include "base/cp1251.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "pages/numeric_picture.h"
#include "tests/support/window_harness.h"
#include "tools/form_cur_calibr.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace tarvix {

class TestCurrentCalibration : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    TFormCurCalibr* wizard_ = nullptr;
    QStringList messages_;
    QMessageBox::StandardButton answer_ = QMessageBox::Ok;
    QString reportBase_;

    const QChar sep_ = QLocale::system().decimalPoint().at(0);

    QString Mm(float v) const { return FormatPicture(v, u"0", sep_) + Str(kStrMilliampere); }
    QString Decimal(const char* text) const {
        return QString::fromLatin1(text).replace(QLatin1Char('.'), sep_);
    }
    double SimValue(const char* name) {
        return w_.Sim()
            .Command(QStringLiteral("get ") + QLatin1String(name))
            .section(QLatin1Char(' '), 1, 1)
            .toDouble();
    }
    double Ammeter() {
        QTest::qWait(250);  // the output follows in the device's next measuring cycle
        return w_.Sim().Command(QStringLiteral("ammeter")).section(QLatin1Char(' '), 1).toDouble();
    }
    int Requests() const { return w_.SimRequests(); }
    template <typename T>
    T* In(const char* name) const {
        return wizard_->findChild<T*>(QLatin1String(name));
    }
    void Click(const char* button) { In<QPushButton>(button)->click(); }
    bool StatusBecomes(const QString& text) {
        return QTest::qWaitFor([&] { return wizard_->Status() == text; }, 10000);
    }
    // Types the ammeter's reading into a step's edit and sends it.
    bool SendReading(const char* edit, const char* send, int point) {
        In<QLineEdit>(edit)->setText(QString::number(Ammeter(), 'f', 4).replace(u'.', sep_));
        Click(send);
        return StatusBecomes(Str(kStrCalMeasuredWritten) + Mm(static_cast<float>(point)));
    }
    // Opens the wizard as the main window does, leaving the test in charge of it.
    void Show() {
        QVERIFY(w_.Form().Connection().PauseForTool());
        wizard_->show();
    }
    void Close(const char* how) {
        if (QLatin1String(how) == QLatin1String("button")) {
            Click("ButtonOkCancel");
        } else {
            wizard_->close();
        }
        QVERIFY(!wizard_->isVisible());
        w_.Form().Connection().ResumeAfterTool();
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze"), QStringLiteral("--board-error"),
                           QStringLiteral("0.05:1.012")},
                          &error),
                 qPrintable(error));
        QVERIFY(w_.Open(22));  // "Токовый": the page the wizard is opened from
        wizard_ = w_.Form().findChild<TFormCurCalibr*>();
        QVERIFY(wizard_);
        reportBase_ = w_.Folder() + QStringLiteral("/report");
        wizard_->SetMessageBox(
            [this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
                messages_ << text;
                return answer_;
            });
        wizard_->SetReportDialog([this](QWidget*, const QString&) { return reportBase_; });
    }

    void walksEveryStepAndLeavesSimulation() {
        const double gainBefore = SimValue("CUR_Current_Gain");
        Show();
        QCOMPARE(wizard_->Status(), Str(kStrCalNotStarted));
        QVERIFY(!In<QPushButton>("ButtonBack")->isEnabled());

        // Start -> 4 mA: simulation on, 4 mA driven, then "Отправить" may be pressed.
        Click("ButtonForward");
        QCOMPARE(wizard_->Status(), Str(kStrCalSettingCurrent) + Mm(4));
        QVERIFY(StatusBecomes(Str(kStrCalCurrentSet) + Mm(4)));
        QCOMPARE(w_.SimWord(mrCUR_Simulation_Mode), 1);
        QCOMPARE(SimValue("CUR_Value_Simulation"), 4.0);
        QVERIFY(In<QPushButton>("ButtonSend4mA")->isEnabled());
        const QStringList log = wizard_->LogLines();
        QVERIFY(
            log.value(0).endsWith(QStringLiteral("] req - ") + Str(kStrCalSettingCurrent) + Mm(4)));
        QVERIFY(log.value(1).contains(QStringLiteral("] ok  - ")));

        // The ammeter's readings, typed with the other separator, become the trims.
        const double at4 = Ammeter();
        QVERIFY(at4 > 4.05);  // the board's own error before the calibration
        const QString typed4 = QString::number(at4, 'f', 4).replace(QLatin1Char('.'), u',');
        In<QLineEdit>("Edit4mA")->setText(typed4);
        Click("ButtonSend4mA");
        QCOMPARE(In<QLineEdit>("Edit4mA")->text(), QString(typed4).replace(u',', sep_));
        QVERIFY(StatusBecomes(Str(kStrCalMeasuredWritten) + Mm(4)));
        QVERIFY(qAbs(SimValue("CUR_Trim_4mA") - at4) < 1e-4);
        QVERIFY(In<QPushButton>("ButtonForward")->isEnabled());

        Click("ButtonForward");
        QVERIFY(StatusBecomes(Str(kStrCalCurrentSet) + Mm(20)));
        QCOMPARE(SimValue("CUR_Value_Simulation"), 20.0);
        const double at20 = Ammeter();
        In<QLineEdit>("Edit20mA")->setText(QString::number(at20, 'f', 4).replace(u'.', sep_));
        Click("ButtonSend20mA");
        QVERIFY(StatusBecomes(Str(kStrCalMeasuredWritten) + Mm(20)));
        QVERIFY(qAbs(SimValue("CUR_Trim_20mA") - at20) < 1e-4);

        // The computation step shows both readings; the device computes, the output is true.
        Click("ButtonForward");
        QCOMPARE(wizard_->Status(), Str(kStrCalReady));
        QCOMPARE(In<QLabel>("LabelMeasured4mA")->text(), FormatPicture(at4, u"0.00", sep_));
        QCOMPARE(In<QLabel>("LabelSet20mA")->text(), Mm(20));
        QVERIFY(!In<QPushButton>("ButtonForward")->isEnabled());
        Click("ButtonCount");
        QVERIFY(StatusBecomes(Str(kStrCalComputed)));
        QVERIFY(SimValue("CUR_Current_Gain") != gainBefore);
        QVERIFY(qAbs(Ammeter() - 20.0) < 0.001);
        QCOMPARE(In<QPushButton>("ButtonOkCancel")->text(), Str(kStrCalDone));
        QVERIFY(In<QLabel>("LabelCountHint")->isVisibleTo(wizard_));

        // The test step: 12 mA driven, 12.3 read: 2.50 %.
        Click("ButtonForward");
        In<QLineEdit>("EditTestSet")->setText(QStringLiteral("12"));
        Click("ButtonSendTest");
        QVERIFY(StatusBecomes(Str(kStrCalTestCurrentSet)));
        QVERIFY(qAbs(Ammeter() - 12.0) < 0.001);
        In<QLineEdit>("EditTestMeasured")->setText(Decimal("12.3"));
        Click("ButtonCountErr");
        QCOMPARE(In<QLabel>("LabelTestSet")->text(), Decimal("12.00"));
        QCOMPARE(In<QLabel>("LabelTestError")->text(), Decimal("2.50"));

        // "Готово": the output leaves simulation, then the report is offered and saved.
        messages_.clear();
        answer_ = QMessageBox::Yes;
        Close("button");
        answer_ = QMessageBox::Ok;
        QCOMPARE(w_.SimWord(mrCUR_Simulation_Mode), 0);
        QCOMPARE(messages_, QStringList{Str(kStrReportOffer)});
        QFile text(reportBase_ + QStringLiteral(".txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QByteArray bytes = text.readAll();
        QVERIFY(bytes.contains("\r\n") && !bytes.contains("\n\n"));
        const QString report = FromCp1251(bytes);
        QVERIFY(report.contains(Str(kStrReportDeviceSerial)));
        QVERIFY(report.contains(FormatPicture(at20, u"0.0000", sep_)));
        QVERIFY(report.contains(Decimal("12.300")));  // the test reading
        QVERIFY(report.contains(Str(kStrReportSimulationOff)));
        QFile pdf(reportBase_ + QStringLiteral(".pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    void refusesValuesThatAreNoCurrent() {
        Show();
        Click("ButtonForward");
        QVERIFY(StatusBecomes(Str(kStrCalCurrentSet) + Mm(4)));
        const QString before = In<QLineEdit>("Edit4mA")->text();
        const QString fifty(50, u'9');
        const struct {
            QString typed;
            QString message;
        } cases[] = {
            {QStringLiteral("150"),
             QStringLiteral("150 выходит за пределы допустимых значений: 0..100")},
            {QStringLiteral("-0,5"),
             Decimal("-0.5") + QStringLiteral(" выходит за пределы допустимых значений: 0..100")},
            {fifty, fifty + QStringLiteral(" выходит за пределы допустимых значений: 0..100")},
            {QStringLiteral("abc"), QStringLiteral("Недопустимое значение: abc")},
            {QStringLiteral("1e999"), QStringLiteral("Недопустимое значение: 1e999")},
            {QStringLiteral("NaN"), QStringLiteral("Недопустимое значение: NaN")},
            {QString(), QStringLiteral("Недопустимое значение: ")},
            {QStringLiteral("4.0.1"), QStringLiteral("Недопустимое значение: ") + Decimal("4.0.1")},
        };
        const int requests = Requests();
        for (const auto& c : cases) {
            messages_.clear();
            In<QLineEdit>("Edit4mA")->setText(c.typed);
            Click("ButtonSend4mA");
            QCOMPARE(messages_, QStringList{c.message});
            QCOMPARE(In<QLineEdit>("Edit4mA")->text(), before);  // the previous value is back
        }
        // The test step's edits refuse set-points beyond 3..25 and readings beyond 0..25.
        for (const auto& [edit, button, typed, range] :
             {std::tuple{"EditTestSet", "ButtonSendTest", "2", "3..25"},
              std::tuple{"EditTestSet", "ButtonSendTest", "26", "3..25"},
              std::tuple{"EditTestMeasured", "ButtonCountErr", "25,5", "0..25"}}) {
            messages_.clear();
            In<QLineEdit>(edit)->setText(QLatin1String(typed));
            Click(button);
            QCOMPARE(messages_.size(), 1);
            QVERIFY(messages_.front().endsWith(QLatin1String(range)));
        }
        QCOMPARE(Requests(), requests);  // nothing was sent
        // Closed by the window's close box from the 4 mA step: simulation is off again.
        Close("box");
        QCOMPARE(w_.SimWord(mrCUR_Simulation_Mode), 0);
    }

    void aRefusedComputationKeepsTheWizardOpen() {
        Show();
        // A device that refuses the simulation has not set the current, whatever it did
        // with the value written after it.
        QVERIFY(w_.Sim(QStringLiteral("exception 1212 4")));
        messages_.clear();
        Click("ButtonForward");
        QVERIFY(StatusBecomes(Str(kStrCalLinkError)));
        QCOMPARE(messages_, QStringList{ResultText(kExceptionWriteFailed)});
        QVERIFY(!In<QPushButton>("ButtonSend4mA")->isEnabled());
        QVERIFY(w_.Sim(QStringLiteral("exception clear")));
        Click("Button4");
        QVERIFY(StatusBecomes(Str(kStrCalCurrentSet) + Mm(4)));
        QVERIFY(SendReading("Edit4mA", "ButtonSend4mA", 4));
        Click("ButtonForward");
        QVERIFY(StatusBecomes(Str(kStrCalCurrentSet) + Mm(20)));
        QVERIFY(SendReading("Edit20mA", "ButtonSend20mA", 20));
        Click("ButtonForward");
        QVERIFY(w_.Sim(QStringLiteral("exception 1222 4")));
        messages_.clear();
        Click("ButtonCount");
        QVERIFY(StatusBecomes(Str(kStrCalLinkError)));
        QCOMPARE(messages_, QStringList{ResultText(kExceptionWriteFailed)});
        QVERIFY(!In<QPushButton>("ButtonForward")->isEnabled());
        QVERIFY(!In<QPushButton>("ButtonOkCancel")->isEnabled());
        QCOMPARE(In<QPushButton>("ButtonOkCancel")->text(), Str(kStrCalCancel));
        QVERIFY(!In<QLabel>("LabelCountHint")->isVisibleTo(wizard_));
        // It stays so across pages; a computation the device takes ends it.
        Click("ButtonBack");
        QVERIFY(!In<QPushButton>("ButtonOkCancel")->isEnabled());
        QVERIFY(StatusBecomes(Str(kStrCalCurrentSet) + Mm(20)));
        QVERIFY(SendReading("Edit20mA", "ButtonSend20mA", 20));
        Click("ButtonForward");
        QVERIFY(w_.Sim(QStringLiteral("exception clear")));
        Click("ButtonCount");
        QVERIFY(StatusBecomes(Str(kStrCalComputed)));
        QVERIFY(In<QPushButton>("ButtonOkCancel")->isEnabled());
        answer_ = QMessageBox::No;  // no report
        Close("button");
        answer_ = QMessageBox::Ok;
        QCOMPARE(w_.SimWord(mrCUR_Simulation_Mode), 0);
    }

    void aSilentDeviceGetsTheSwitchOffWhenItAnswers() {
        // The wizard as the main window opens it (modal); the scenario runs inside it.
        QStringList failures;
        const auto expect = [&](bool ok, const char* what) {
            if (!ok) failures << QLatin1String(what);
        };
        QTimer::singleShot(0, this, [&] {
            Click("ButtonForward");
            expect(StatusBecomes(Str(kStrCalCurrentSet) + Mm(4)), "4 mA set");
            expect(w_.SimWord(mrCUR_Simulation_Mode) == 1, "simulation on");
            expect(w_.Sim(QStringLiteral("silent on")), "silent");
            w_.Messages().clear();
            Click("Button4");
            expect(StatusBecomes(Str(kStrCalLinkError)), "link error status");
            expect(w_.Messages().value(0) == ResultText(kResultNoAnswer), "no answer message");
            expect(!In<QPushButton>("ButtonSend4mA")->isEnabled(), "send disabled");
            Click("ButtonOkCancel");
        });
        w_.Form().OpenCurrentCalibration();
        if (!failures.isEmpty()) w_.Sim(QStringLiteral("silent off"));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral(", "))));
        const QString left = Str(kStrSimulationLeftOnRetry).arg(ResultText(kResultNoAnswer));
        QCOMPARE(w_.Messages().value(w_.Messages().size() - 1), left);
        QVERIFY(w_.Journalled(left));
        QVERIFY(wizard_->Calibration().SimulationMayBeOn());

        // The device still drives the simulated current; once it answers, it is switched off.
        QVERIFY(w_.Sim(QStringLiteral("silent off")));
        QCOMPARE(w_.SimWord(mrCUR_Simulation_Mode), 1);
        QVERIFY(QTest::qWaitFor([&] { return w_.SimWord(mrCUR_Simulation_Mode) == 0; }, 15000));
        QVERIFY(QTest::qWaitFor([&] { return w_.Journalled(Str(kStrSimulationLeft)); }, 5000));
        QVERIFY(!wizard_->Calibration().SimulationMayBeOn());
    }

    void restoreAndCopyTheFactoryCoefficients() {
        QVERIFY(w_.Sim(QStringLiteral("setf CUR_Current_Gain 1.1")));
        QVERIFY(QTest::qWaitFor([&] { return w_.Idle(); }, 10000));
        QVERIFY(w_.Open(22));
        const double hiddenGain = SimValue("CUR_Hidden_Gain");
        const double userGain = SimValue("CUR_Current_Gain");
        QVERIFY(hiddenGain != userGain);

        // Cancel sends nothing.
        MessageBoxFunction answerCancel = [](QWidget*, QMessageBox::Icon, const QString&,
                                             QMessageBox::StandardButtons) {
            return QMessageBox::Cancel;
        };
        w_.Form().SetMessageBox(answerCancel);
        w_.Form().RestoreCurrentCoefficients();
        QTest::qWait(300);
        QCOMPARE(SimValue("CUR_Current_Gain"), userGain);

        // Copying the user coefficients into the hidden ones needs the FRAM jumper: the
        // refusal is journalled as a failure, not as a success.
        QVERIFY(w_.Sim(QStringLiteral("jumper off")));
        const MessageBoxFunction answerOk = [](QWidget*, QMessageBox::Icon, const QString&,
                                               QMessageBox::StandardButtons) {
            return QMessageBox::Ok;
        };
        w_.Form().SetMessageBox(answerOk);
        w_.Form().CopyCurrentCoefficientsToHidden();
        QVERIFY(QTest::qWaitFor([&] { return w_.Journalled(Str(kStrCurCopyFailed)); }, 5000));
        QVERIFY(!w_.Journalled(Str(kStrCurCopied)));
        QCOMPARE(SimValue("CUR_Hidden_Gain"), hiddenGain);

        // "Восстановить" confirmed: the device takes its factory coefficients back.
        QVERIFY(QTest::qWaitFor([&] { return w_.Idle(); }, 10000));
        w_.Form().RestoreCurrentCoefficients();
        QVERIFY(QTest::qWaitFor([&] { return w_.Journalled(Str(kStrCurRestored)); }, 5000));
        QCOMPARE(SimValue("CUR_Current_Gain"), hiddenGain);

        // With the jumper the copy goes through, and the page shows it again.
        QVERIFY(w_.Sim(QStringLiteral("jumper on")));
        QVERIFY(w_.Sim(QStringLiteral("setf CUR_Current_Gain 1.25")));
        QVERIFY(QTest::qWaitFor([&] { return w_.Idle(); }, 10000));
        QVERIFY(w_.Open(22));
        w_.Form().CopyCurrentCoefficientsToHidden();
        QVERIFY(QTest::qWaitFor([&] { return w_.Journalled(Str(kStrCurCopied)); }, 5000));
        QCOMPARE(SimValue("CUR_Hidden_Gain"), 1.25);
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestCurrentCalibration)
#include "test_current_calibration.moc"
