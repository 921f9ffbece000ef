#include "tools/form_reg_dump.h"

#include "base/string_table.h"
#include "link/modbus_rtu.h"
#include "link/register_dump.h"
#include "model/param_table.h"
#include "session/program.h"
#include "ui_form_reg_dump.h"

#include <QDate>
#include <QEvent>
#include <QFileDialog>

namespace tarvix {
namespace {

const QString kNone = QStringLiteral("-------");
// The registers of the current output's calibration live in the FRAM, which a jumper on the
// board protects against writing.
constexpr int kFramFirst = 1300;
constexpr int kFramLast = 1399;

// The name shown for a register: its row's name, or row 0's for a register no row holds.
QString RegisterName(int reg) {
    const int row = RegRow(reg);
    return ParamName(row == kNoRow ? 0 : row);
}

QString SaveDumpDialog(QWidget* parent, const QString& folder, const QString& proposed) {
    QFileDialog d(parent);
    d.setAcceptMode(QFileDialog::AcceptSave);
    // The dump is read back by file mode and by the restore, whose dialogs look for "*.mbr":
    // a name typed without extension gets that one.
    d.setDefaultSuffix(QStringLiteral("mbr"));
    d.setNameFilter(QStringLiteral("ModBusRegs (*.mbr)"));
    d.setDirectory(folder);
    d.selectFile(proposed);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                         : QString();
}

QString OpenDumpDialog(QWidget* parent, const QString& folder) {
    QFileDialog d(parent);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(QStringLiteral("mbr"));
    d.setNameFilter(QStringLiteral("ModBusRegs (*.mbr)"));
    d.setOption(QFileDialog::ReadOnly, false);
    d.setDirectory(folder);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                         : QString();
}

}  // namespace

TFormRegDump::TFormRegDump(Program& program, QWidget* parent)
    : TransferDialog(parent),
      p_(program),
      ui_(std::make_unique<Ui::TFormRegDump>()),
      transfer_(program) {
    ui_->setupUi(this);
    UseControls(ui_->LabelStatus, ui_->ButtonCancel, ui_->ButtonFmToFile, ui_->ButtonFileToFm);
    setFixedSize(size());
    const QString folder = p_.Folder;
    saveFile_ = [folder](QWidget* owner, const QString& proposed) {
        return SaveDumpDialog(owner, folder, proposed);
    };
    openFile_ = [folder](QWidget* owner) { return OpenDumpDialog(owner, folder); };
    connect(ui_->ButtonFmToFile, &QPushButton::clicked, this, &TFormRegDump::ButtonFmToFileClick);
    connect(ui_->ButtonFileToFm, &QPushButton::clicked, this, &TFormRegDump::ButtonFileToFmClick);
    connect(&transfer_, &RegisterDumpTransfer::Requested, this, &TFormRegDump::ShowRequested);
    connect(&transfer_, &RegisterDumpTransfer::Finished, this, &TFormRegDump::TransferFinished);
}

TFormRegDump::~TFormRegDump() = default;

void TFormRegDump::SetFileDialogs(SaveFileFunction save, OpenFileFunction open) {
    saveFile_ = std::move(save);
    openFile_ = std::move(open);
}

void TFormRegDump::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TFormRegDump::FormShow() {
    ui_->LabelFileName->setText(kNone);
    ui_->LabelCurReg->setText(kNone);
    ui_->LabelCurRegName->setText(kNone);
    ui_->ProgressBar->setValue(0);
    ShowIdle();
}

void TFormRegDump::ButtonFmToFileClick() {
    if (transfer_.Running()) return;
    ui_->ProgressBar->setMaximum(kDumpBlockCount);
    ui_->LabelFileName->setText(kNone);
    reading_ = true;
    if (!transfer_.StartRead()) return;
    SetStatus(Str(kStrDumpReading));
    SetRunning(true);
}

void TFormRegDump::ButtonFileToFmClick() {
    if (transfer_.Running()) return;
    ui_->LabelFileName->setText(kNone);
    const QString path = openFile_ ? openFile_(this) : QString();
    if (path.isEmpty()) return;
    SetStatus(Str(kStrDumpReadingFile));
    ui_->LabelFileName->setText(path);
    const DumpLoad load = LoadDumpFile(path);
    if (!load.ok()) {
        // Nothing goes into the image or to the device from a file that fails its check.
        if (load.Status == DumpLoadStatus::Unreadable) {
            SetStatus(Str(kStrDumpError));
            Message(QStringLiteral("%1\n%2").arg(Str(kStrDumpFileUnreadable), path));
            return;
        }
        SetStatus(Str(kStrChecksumError));
        Message(Str(kStrDumpChecksumError));
        return;
    }
    StoreDumpValues(load.Values, p_.Image);
    reading_ = false;
    ui_->ProgressBar->setMaximum(static_cast<int>(RestoreRows().size()));
    ui_->ProgressBar->setValue(0);
    if (!transfer_.StartWrite()) return;
    SetStatus(Str(kStrDumpWriting));
    SetRunning(true);
}

void TFormRegDump::ShowRequested(int reg, int done, int) {
    ui_->LabelCurReg->setText(QString::number(reg));
    ui_->LabelCurRegName->setText(RegisterName(reg));
    // A read shows the number of the block it asks for, a write the rows already written.
    ui_->ProgressBar->setValue(reading_ ? done + 1 : done);
}

void TFormRegDump::TransferFinished(RegisterDumpTransfer::Outcome outcome) {
    using Outcome = RegisterDumpTransfer::Outcome;
    switch (outcome) {
        case Outcome::TimedOut:
            ShowTimedOut();
            break;
        case Outcome::Failed: {
            QString text = ResultText(transfer_.FailedResult());
            const int reg = transfer_.FailedRegister();
            if (AccessLevel < 3 && reg >= kFramFirst && reg <= kFramLast)
                text += Str(kStrCheckFramJumper);
            SetRunning(false);
            Message(text);
            SetStatus(Str(kStrDumpError));
            break;
        }
        case Outcome::Aborted:
            SetStatus(Str(kStrDumpAborted));
            SetRunning(false);
            break;
        case Outcome::Done:
            SetRunning(false);
            if (reading_) {
                ui_->ProgressBar->setValue(0);
                WriteFile();
            } else {
                SetStatus(Str(kStrDumpDone));
            }
            break;
    }
    CloseIfAsked();
}

void TFormRegDump::WriteFile() {
    const QString path =
        saveFile_ ? saveFile_(this, ProposedDumpName(p_.Image, QDate::currentDate())) : QString();
    if (path.isEmpty()) {
        SetStatus(Str(kStrDumpDone));
        return;
    }
    ui_->LabelFileName->setText(path);
    QString error;
    if (!WriteDumpFile(path, DumpValuesOf(p_.Image), &error)) {
        SetStatus(Str(kStrDumpError));
        Message(QStringLiteral("%1\n%2\n%3").arg(Str(kStrDumpFileNotWritten), path, error));
        return;
    }
    SetStatus(Str(kStrDumpDone));
}

void TFormRegDump::changeEvent(QEvent* event) {
    // The language is switched from the main window while this modal dialog is closed; what
    // it shows at run time is set again when it opens.
    if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

}  // namespace tarvix
