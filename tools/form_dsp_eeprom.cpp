#include "tools/form_dsp_eeprom.h"

#include "base/string_table.h"
#include "link/modbus_rtu.h"
#include "session/program.h"
#include "ui_form_dsp_eeprom.h"

#include <QFileDialog>

namespace tarvix {
namespace {

const QString kNone = QStringLiteral("-------");
const QString kFilter = QStringLiteral("DspEeprom (*.dsp)");

QString ChooseDspFile(QWidget* parent, const QString& folder, bool save) {
    QFileDialog d(parent);
    d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!save) d.setFileMode(QFileDialog::ExistingFile);
    // A name typed without extension gets the one the open dialog looks for.
    d.setDefaultSuffix(QStringLiteral("dsp"));
    d.setNameFilter(kFilter);
    d.setDirectory(folder);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                         : QString();
}

}  // namespace

TFormDspRegDump::TFormDspRegDump(Program& program, QWidget* parent)
    : TransferDialog(parent),
      p_(program),
      ui_(std::make_unique<Ui::TFormDspRegDump>()),
      transfer_(program) {
    ui_->setupUi(this);
    UseControls(ui_->LabelStatus, ui_->ButtonCancel, ui_->ButtonFmToFile, ui_->ButtonFileToFm);
    setFixedSize(size());
    const QString folder = p_.Folder;
    saveFile_ = [folder](QWidget* owner) { return ChooseDspFile(owner, folder, true); };
    openFile_ = [folder](QWidget* owner) { return ChooseDspFile(owner, folder, false); };
    connect(ui_->ButtonFmToFile, &QPushButton::clicked, this,
            &TFormDspRegDump::ButtonFmToFileClick);
    connect(ui_->ButtonFileToFm, &QPushButton::clicked, this,
            &TFormDspRegDump::ButtonFileToFmClick);
    connect(&transfer_, &DspEepromTransfer::Requested, this, &TFormDspRegDump::ShowRequested);
    connect(&transfer_, &DspEepromTransfer::Retrying, this, &TFormDspRegDump::ShowRetrying);
    connect(&transfer_, &DspEepromTransfer::Finished, this, &TFormDspRegDump::TransferFinished);
}

TFormDspRegDump::~TFormDspRegDump() = default;

void TFormDspRegDump::SetFileDialogs(FileFunction save, FileFunction open) {
    saveFile_ = std::move(save);
    openFile_ = std::move(open);
}

void TFormDspRegDump::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TFormDspRegDump::FormShow() {
    ui_->LabelFileName->setText(kNone);
    ui_->LabelCurReg->setText(kNone);
    ui_->LabelCurRegName->setText(kNone);
    ui_->LabelTries->setText(QStringLiteral("0"));
    ui_->ProgressBar->setValue(0);
    ShowIdle();
}

void TFormDspRegDump::ButtonFmToFileClick() {
    if (transfer_.Running()) return;
    ui_->ProgressBar->setMaximum(kDspEepromParams);
    ui_->LabelFileName->setText(kNone);
    if (!transfer_.StartRead()) return;
    SetRunning(true);
}

void TFormDspRegDump::ButtonFileToFmClick() {
    if (transfer_.Running()) return;
    ui_->LabelFileName->setText(kNone);
    const QString path = openFile_ ? openFile_(this) : QString();
    if (path.isEmpty()) return;
    SetStatus(Str(kStrDumpReadingFile));
    ui_->LabelFileName->setText(path);
    // The whole file is checked before the first write: the module stores whatever it is
    // sent, so a file refused half-way would leave its EEPROM half-written.
    const DspDumpLoad load = LoadDspEepromFile(path);
    if (!load.ok()) {
        SetStatus(Str(load.ChecksumProblem() ? kStrChecksumError : kStrDumpError));
        Message(DspDumpProblemText(load, path) + QLatin1Char('\n') + Str(kStrDspDumpNothingSent));
        return;
    }
    ui_->ProgressBar->setMaximum(kDspEepromParams);
    if (!transfer_.StartWrite(load.Values)) return;
    SetRunning(true);
}

void TFormDspRegDump::ShowRequested(int n, int tries) {
    ui_->LabelCurReg->setText(QString::number(n));
    ui_->LabelCurRegName->setText(DspParamName(n));
    ui_->LabelTries->setText(QString::number(tries));
    ui_->ProgressBar->setValue(n);
    if (tries == 0) SetStatus(Str(transfer_.Reading() ? kStrDumpReading : kStrDumpWriting));
}

void TFormDspRegDump::ShowRetrying(int, std::uint8_t result, int) {
    // The last attempt's result stays in view while the same request goes out again.
    SetStatus(ResultText(result));
}

void TFormDspRegDump::TransferFinished(DspEepromTransfer::Outcome outcome) {
    using Outcome = DspEepromTransfer::Outcome;
    switch (outcome) {
        case Outcome::TimedOut:
            ShowTimedOut();
            break;
        case Outcome::Aborted:
            SetRunning(false);
            // Stopped in the middle of a write, the module holds a mix of old and new values.
            SetStatus(
                transfer_.Reading()
                    ? Str(kStrDumpAborted)
                    : Str(kStrDumpAborted) + QStringLiteral(". ") +
                          Str(kStrDspDumpWritten).arg(transfer_.Done()).arg(kDspEepromParams));
            break;
        case Outcome::Done:
            SetRunning(false);
            ui_->ProgressBar->setValue(0);
            if (transfer_.Reading()) {
                WriteFile();
            } else {
                SetStatus(Str(kStrDumpDone));
            }
            break;
    }
    CloseIfAsked();
}

void TFormDspRegDump::WriteFile() {
    const QString path = saveFile_ ? saveFile_(this) : QString();
    if (path.isEmpty()) {
        SetStatus(Str(kStrDumpDone));
        return;
    }
    ui_->LabelFileName->setText(path);
    QString error;
    if (!WriteDspEepromFile(path, transfer_.Values(), &error)) {
        SetStatus(Str(kStrDumpError));
        Message(QStringLiteral("%1\n%2\n%3").arg(Str(kStrDumpFileNotWritten), path, error));
        return;
    }
    SetStatus(Str(kStrDumpDone));
}

void TFormDspRegDump::changeEvent(QEvent* event) {
    // The language is switched from the main window while this modal dialog is closed; the
    // status it shows at run time is set again by the next transfer.
    if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

}  // namespace tarvix
