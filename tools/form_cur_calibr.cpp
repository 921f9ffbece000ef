#include "tools/form_cur_calibr.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "link/modbus_rtu.h"
#include "pages/message_box.h"
#include "pages/numeric_picture.h"
#include "pages/value_parse.h"
#include "session/program.h"
#include "tools/calibration_report_pdf.h"
#include "ui_form_cur_calibr.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QLocale>
#include <QTime>

namespace tarvix {
namespace {

using Op = CurrentCalibration::Operation;

const QString kTagRequest = QStringLiteral("req - ");
const QString kTagOk = QStringLiteral("ok  - ");
const QString kTagError = QStringLiteral("err - ");

QChar DecimalSep() { return QLocale::system().decimalPoint().at(0); }

QString Hundredths(double value) { return FormatPicture(value, u"0.00", DecimalSep()); }

QString SaveReportDialog(QWidget* parent, const QString& folder, const QString& proposed) {
    QFileDialog d(parent);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(QStringLiteral("txt"));
    d.setNameFilter(QStringLiteral("Протокол калибровки (*.txt *.pdf)"));
    d.setDirectory(folder);
    d.selectFile(proposed);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                         : QString();
}

}  // namespace

TFormCurCalibr::TFormCurCalibr(Program& program, QWidget* parent)
    : QDialog(parent),
      p_(program),
      ui_(std::make_unique<Ui::TFormCurCalibr>()),
      calibration_(program) {
    ui_->setupUi(this);
    ui_->LabelCountHint->hide();
    message_ = ShowProgramMessage;
    const QString folder = p_.Folder;
    saveReport_ = [folder](QWidget* owner, const QString& proposed) {
        return SaveReportDialog(owner, folder, proposed);
    };
    const auto wire = [this](QPushButton* b, void (TFormCurCalibr::*handler)()) {
        connect(b, &QPushButton::clicked, this, handler);
    };
    wire(ui_->ButtonForward, &TFormCurCalibr::ButtonForwardClick);
    wire(ui_->ButtonBack, &TFormCurCalibr::ButtonBackClick);
    wire(ui_->Button4, &TFormCurCalibr::Button4Click);
    wire(ui_->Button6, &TFormCurCalibr::Button6Click);
    wire(ui_->ButtonSend4mA, &TFormCurCalibr::ButtonSend4mAClick);
    wire(ui_->ButtonSend20mA, &TFormCurCalibr::ButtonSend20mAClick);
    wire(ui_->ButtonCount, &TFormCurCalibr::ButtonCountClick);
    wire(ui_->ButtonSendTest, &TFormCurCalibr::ButtonSendTestClick);
    wire(ui_->ButtonCountErr, &TFormCurCalibr::ButtonCountErrClick);
    wire(ui_->ButtonDefaults, &TFormCurCalibr::ButtonDefaultsClick);
    wire(ui_->ButtonRepeat, &TFormCurCalibr::ButtonRepeatClick);
    wire(ui_->ButtonOkCancel, &TFormCurCalibr::ButtonOkCancelClick);
    connect(&calibration_, &CurrentCalibration::Started, this, &TFormCurCalibr::OperationStarted);
    connect(&calibration_, &CurrentCalibration::Finished, this, &TFormCurCalibr::OperationFinished);
    accepted4Text_ = ui_->Edit4mA->text();
    accepted20Text_ = ui_->Edit20mA->text();
}

TFormCurCalibr::~TFormCurCalibr() = default;

int TFormCurCalibr::CurrentStep() const { return ui_->PageControl1->currentIndex(); }
QString TFormCurCalibr::Status() const { return ui_->LabelStatus->text(); }

QStringList TFormCurCalibr::LogLines() const {
    QStringList lines;
    for (int i = 0; i < ui_->ListBoxLog->count(); ++i) lines << ui_->ListBoxLog->item(i)->text();
    return lines;
}

QMessageBox::StandardButton TFormCurCalibr::Message(QMessageBox::Icon icon, const QString& text,
                                                    QMessageBox::StandardButtons buttons) {
    if (!message_) return QMessageBox::NoButton;
    return message_(isVisible() ? this : parentWidget(), icon, text, buttons);
}

void TFormCurCalibr::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TFormCurCalibr::hideEvent(QHideEvent* event) {
    // The window system hiding a minimised window ends nothing.
    if (!event->spontaneous()) FormHide();
    QDialog::hideEvent(event);
}

void TFormCurCalibr::FormShow() {
    setFixedHeight(kClientHeight);
    point4Text_ =
        FormatPicture(CurrentCalibration::kPoint4mA, u"0", DecimalSep()) + Str(kStrMilliampere);
    point20Text_ =
        FormatPicture(CurrentCalibration::kPoint20mA, u"0", DecimalSep()) + Str(kStrMilliampere);
    ui_->LabelSet4mA->setText(point4Text_);
    ui_->LabelSet20mA->setText(point20Text_);
    ui_->ListBoxLog->clear();
    SetStatus(Str(kStrCalNotStarted));
    calibration_.BeginSession();
    GoTo(kStepStart);
}

void TFormCurCalibr::FormHide() {
    closingResult_ = calibration_.LeaveSimulation();
    if (closingResult_ == 0 || !calibration_.SimulationMayBeOn()) return;
    // The engineer must know that the loop still carries the simulated current.
    const bool silent = IsCommunicationFailure(closingResult_);
    Message(QMessageBox::Critical, Str(silent ? kStrSimulationLeftOnRetry : kStrSimulationLeftOn)
                                       .arg(ResultText(closingResult_)));
}

void TFormCurCalibr::done(int result) {
    QDialog::done(result);
    // Offered once the output has left simulation, for a completed calibration only.
    if (result == QDialog::Accepted && calibration_.Computed()) OfferReport();
}

void TFormCurCalibr::SetClosingCaption(bool finished) {
    ui_->ButtonOkCancel->setText(Str(finished ? kStrCalDone : kStrCalCancel));
}

void TFormCurCalibr::GoTo(Step step) {
    ui_->PageControl1->setCurrentIndex(step);
    SetButtons(step);
}

void TFormCurCalibr::SetButtons(Step step) {
    ui_->ButtonBack->setEnabled(step != kStepStart);
    ui_->ButtonForward->setEnabled(step == kStepStart);
    SetClosingCaption(step == kStepTest);
    if (step == kStep4mA) ui_->ButtonSend4mA->setEnabled(false);
    if (step == kStep20mA) ui_->ButtonSend20mA->setEnabled(false);
}

void TFormCurCalibr::ShowMeasured() {
    ui_->LabelMeasured4mA->setText(Hundredths(calibration_.Measured4()));
    ui_->LabelMeasured20mA->setText(Hundredths(calibration_.Measured20()));
}

void TFormCurCalibr::SetStatus(const QString& text) { ui_->LabelStatus->setText(text); }

void TFormCurCalibr::AddLog(const QString& tag, const QString& text) {
    ui_->ListBoxLog->addItem(QLatin1Char('[') +
                             QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) +
                             QStringLiteral("] ") + tag + text);
    ui_->ListBoxLog->setCurrentRow(ui_->ListBoxLog->count() - 1);
}

void TFormCurCalibr::ButtonForwardClick() {
    switch (CurrentStep()) {
        case kStepStart:
            GoTo(kStep4mA);
            calibration_.Start(Op::SetNominal, CurrentCalibration::kPoint4mA);
            break;
        case kStep4mA:
            GoTo(kStep20mA);
            calibration_.Start(Op::SetNominal, CurrentCalibration::kPoint20mA);
            break;
        case kStep20mA:
            GoTo(kStepCompute);
            ShowMeasured();
            SetStatus(Str(kStrCalReady));
            break;
        case kStepCompute:
            GoTo(kStepTest);
            break;
        default:
            break;
    }
}

void TFormCurCalibr::ButtonBackClick() {
    switch (CurrentStep()) {
        case kStep4mA:
            GoTo(kStepStart);
            break;
        case kStep20mA:
            GoTo(kStep4mA);
            calibration_.Start(Op::SetNominal, CurrentCalibration::kPoint4mA);
            break;
        case kStepCompute:
            GoTo(kStep20mA);
            calibration_.Start(Op::SetNominal, CurrentCalibration::kPoint20mA);
            break;
        case kStepTest:
            GoTo(kStepCompute);
            ShowMeasured();
            SetStatus(Str(kStrCalReady));
            break;
        default:
            break;
    }
}

void TFormCurCalibr::Button4Click() {
    calibration_.Start(Op::SetNominal, CurrentCalibration::kPoint4mA);
}

void TFormCurCalibr::Button6Click() {
    calibration_.Start(Op::SetNominal, CurrentCalibration::kPoint20mA);
}

void TFormCurCalibr::SendMeasured(Op trim) {
    QLineEdit* edit = trim == Op::WriteTrim4 ? ui_->Edit4mA : ui_->Edit20mA;
    QString& accepted = trim == Op::WriteTrim4 ? accepted4Text_ : accepted20Text_;
    ParsedFloat v{};
    try {
        v = ParseFloat(edit->text(), CurrentCalibration::kMeasuredMin,
                       CurrentCalibration::kMeasuredMax, DecimalSep());
    } catch (const UserError& e) {
        Message(QMessageBox::Warning, e.message());
        edit->setText(accepted);
        return;
    }
    const auto mA = static_cast<float>(v.Value);
    calibration_.SetMeasured(trim, mA);
    edit->setText(v.Text);
    accepted = v.Text;
    calibration_.Start(trim, mA);
}

void TFormCurCalibr::ButtonSend4mAClick() { SendMeasured(Op::WriteTrim4); }
void TFormCurCalibr::ButtonSend20mAClick() { SendMeasured(Op::WriteTrim20); }
void TFormCurCalibr::ButtonCountClick() { calibration_.Start(Op::Compute); }
void TFormCurCalibr::ButtonDefaultsClick() { calibration_.Start(Op::RestoreFactory); }
void TFormCurCalibr::ButtonRepeatClick() { GoTo(kStepStart); }

void TFormCurCalibr::ButtonSendTestClick() {
    try {
        const ParsedFloat v = ParseFloat(ui_->EditTestSet->text(), CurrentCalibration::kTestSetMin,
                                         CurrentCalibration::kTestSetMax, DecimalSep());
        ui_->EditTestSet->setText(v.Text);
        calibration_.SetTestSetPoint(static_cast<float>(v.Value));
        calibration_.Start(Op::SetTest, static_cast<float>(v.Value));
    } catch (const UserError& e) {
        Message(QMessageBox::Warning, e.message());
    }
}

void TFormCurCalibr::ButtonCountErrClick() {
    try {
        const ParsedFloat v =
            ParseFloat(ui_->EditTestMeasured->text(), CurrentCalibration::kTestMeasuredMin,
                       CurrentCalibration::kTestMeasuredMax, DecimalSep());
        ui_->EditTestMeasured->setText(v.Text);
        const double error = calibration_.TestError(static_cast<float>(v.Value));
        ui_->LabelTestSet->setText(Hundredths(calibration_.TestSetPoint()));
        ui_->LabelTestError->setText(Hundredths(error));
    } catch (const UserError& e) {
        Message(QMessageBox::Warning, e.message());
    }
}

void TFormCurCalibr::ButtonOkCancelClick() {
    done(ui_->ButtonOkCancel->text() == Str(kStrCalDone) ? QDialog::Accepted : QDialog::Rejected);
}

void TFormCurCalibr::OperationStarted(Op op, float value) {
    const QString text = OperationStartText(op, value);
    SetStatus(text);
    AddLog(kTagRequest, text);
}

void TFormCurCalibr::OperationFinished(Op op, float value, std::uint8_t result) {
    const bool ok = result == 0;
    if (!ok) Message(QMessageBox::Warning, ResultText(result));
    const QString text = ok ? OperationDoneText(op, value) : Str(kStrCalLinkError);
    SetStatus(text);
    AddLog(ok ? kTagOk : kTagError, text);
    switch (op) {
        case Op::SetNominal:
            (value == CurrentCalibration::kPoint4mA ? ui_->ButtonSend4mA : ui_->ButtonSend20mA)
                ->setEnabled(ok);
            break;
        case Op::WriteTrim4:
        case Op::WriteTrim20:
            ui_->ButtonForward->setEnabled(ok);
            break;
        case Op::Compute:
            // A failed computation leaves nothing to finish: the closing button stays
            // disabled until a computation succeeds (the close box still closes).
            ui_->ButtonForward->setEnabled(ok);
            ui_->ButtonOkCancel->setEnabled(ok);
            SetClosingCaption(ok);
            ui_->LabelCountHint->setVisible(ok);
            break;
        case Op::SetTest:
        case Op::RestoreFactory:
            break;
    }
}

void TFormCurCalibr::OfferReport() {
    if (Message(QMessageBox::Question, Str(kStrReportOffer), QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    // The coefficients now in force and the serial numbers, read after the switch-off.
    calibration_.ReadReportValues();
    const CalibrationReport& report = calibration_.Report();
    const QString chosen = saveReport_ ? saveReport_(this, ProposedReportName(report)) : QString();
    if (chosen.isEmpty()) return;
    const QFileInfo info(chosen);
    const QString suffix = info.suffix().toLower();
    const QString base = (suffix == QLatin1String("txt") || suffix == QLatin1String("pdf"))
                             ? info.path() + QLatin1Char('/') + info.completeBaseName()
                             : chosen;
    QString error;
    const QChar sep = DecimalSep();
    for (const QString& path : {base + QStringLiteral(".txt"), base + QStringLiteral(".pdf")}) {
        const bool written = path.endsWith(QLatin1String(".txt"))
                                 ? WriteReportText(path, report, sep, &error)
                                 : WriteReportPdf(path, report, sep, &error);
        if (!written) {
            Message(QMessageBox::Warning, Str(kStrReportNotSaved) + QStringLiteral("\n") + path +
                                              QLatin1Char('\n') + error);
            return;
        }
    }
}

void TFormCurCalibr::changeEvent(QEvent* event) {
    // The language is switched from the main window while this modal dialog is closed; what
    // it shows at run time is set again when it opens.
    if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

}  // namespace tarvix
