// TForm1: the current output's calibration — the wizard, restoring the factory coefficients
// and copying the user coefficients into the hidden ones — and the switch-off of the
// output's simulation that the wizard could not deliver.
#include "main_window.h"

#include "base/string_table.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "session/program.h"
#include "tools/form_cur_calibr.h"

#include <QPushButton>

namespace tarvix {
namespace {

// Operation tags of these writes; page reads use the page numbers (0 and up).
constexpr int kTagLeaveSimulation = -2;
constexpr int kTagRestoreCoefficients = -3;
constexpr int kTagCopyCoefficients = -4;

constexpr std::uint16_t kCommandStart = 1;
// The user coefficients (offset, gain: two floats) and their hidden copy.
constexpr int kCoefficientWords = 4;

}  // namespace

void TForm1::SetCalibrationDialog(TFormCurCalibr* wizard) {
    curCalibr_ = wizard;
    if (curCalibr_) curCalibr_->SetMessageBox(message_);
    // "Мастер калибровки..." on the current output's page and on its calibration page.
    for (const char* name : {"ButtonCurCalWiz", "Button1"}) {
        if (auto* b = findChild<QPushButton*>(QLatin1String(name)))
            connect(b, &QPushButton::clicked, this, &TForm1::OpenCurrentCalibration);
    }
    if (auto* b = findChild<QPushButton*>(QStringLiteral("ButtonCurRestore")))
        connect(b, &QPushButton::clicked, this, &TForm1::RestoreCurrentCoefficients);
    if (auto* b = findChild<QPushButton*>(QStringLiteral("ButtonCurCopyToHid")))
        connect(b, &QPushButton::clicked, this, &TForm1::CopyCurrentCoefficientsToHidden);
    connect(connection_.get(), &ConnectionController::OperationFinished, this,
            &TForm1::CurrentCommandFinished);
    connect(connection_.get(), &ConnectionController::CountersChanged, this,
            [this](int, int, bool lostChanged) { RetryLeaveSimulation(lostChanged); });
}

void TForm1::OpenCurrentCalibration() {
    if (!curCalibr_) return;
    if (p_.Worker.WorkMode.load() != kModeOnline) {
        ConnectFirst([this] { OpenCurrentCalibration(); });
        return;
    }
    // The wizard drives the operation list itself: both cycles stop while it is open.
    if (!connection_->PauseForTool()) return;
    curCalibr_->SetMessageBox(message_);
    curCalibr_->exec();
    // The window closed meanwhile (a signal to quit): the wizard has had its closing write,
    // the cycles stay stopped.
    if (!p_.Started) return;
    connection_->ResumeAfterTool();
    leaveSimulationPending_ = false;
    if (curCalibr_->Calibration().SimulationMayBeOn()) {
        const std::uint8_t r = curCalibr_->ClosingResult();
        p_.Log.WriteJournal(
            Str(IsCommunicationFailure(r) ? kStrSimulationLeftOnRetry : kStrSimulationLeftOn)
                .arg(ResultText(r)),
            kJournalError);
        // Silence may pass; a refusal will not, and repeating it would only fill the journal.
        leaveSimulationPending_ = IsCommunicationFailure(r);
    }
    ReadPage(ActivePage());
}

void TForm1::RetryLeaveSimulation(bool failuresInCycle) {
    // A poll cycle without a failure: the device answers again.
    if (!leaveSimulationPending_ || failuresInCycle) return;
    if (p_.Worker.WorkMode.load() != kModeOnline || !connection_->OperationIdle()) return;
    StartCurrentCommand(kTagLeaveSimulation, &CurrentCalibration::AppendLeaveSimulation);
}

void TForm1::RestoreCurrentCoefficients() {
    if (p_.Worker.WorkMode.load() == kModeOffline) {
        ConnectFirst([this] { RestoreCurrentCoefficients(); });
        return;
    }
    if (message_(this, QMessageBox::Question, Str(kStrCurRestoreConfirm),
                 QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    StartCurrentCommand(kTagRestoreCoefficients, [](ModbusList& op) {
        const int e = op.Append(kFnWriteHolding, mrCUR_Restore_Coefficient, 1, 0, 1);
        if (e >= 0) op.Values[op.Slot[static_cast<std::size_t>(e)]] = kCommandStart;
    });
}

void TForm1::CopyCurrentCoefficientsToHidden() {
    if (p_.Worker.WorkMode.load() == kModeOffline) {
        ConnectFirst([this] { CopyCurrentCoefficientsToHidden(); });
        return;
    }
    StartCurrentCommand(kTagCopyCoefficients, [this](ModbusList& op) {
        const int e = op.Append(kFnWriteHolding, mrCUR_Hidden_Offset, kCoefficientWords, 0,
                                kCoefficientWords);
        if (e < 0) return;
        for (int k = 0; k < kCoefficientWords; ++k) {
            op.Values[static_cast<std::size_t>(op.Slot[static_cast<std::size_t>(e)] + k)] =
                p_.Image.ModbusRegs[static_cast<std::size_t>(mrCUR_Current_Offset + k)];
        }
    });
}

void TForm1::StartCurrentCommand(int tag, const std::function<void(ModbusList&)>& fill) {
    // The list is filled only while it is free; the operation cycle watches it, journals
    // each write, keeps the configuration file's stamp in file mode, and reads the page
    // again when it is done.
    if (!connection_->OperationIdle()) return;
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    fill(op);
    if (op.Len == 0) return;
    op.Launch();
    connection_->StartOperation(tag);
}

void TForm1::CurrentCommandFinished(const OperationOutcome& outcome) {
    // A refused write is no success either: the device's exception is journalled by the
    // distribution, and the outcome here is an error too.
    const bool ok = !outcome.noAnswer && outcome.failed == 0;
    switch (outcome.tag) {
        case kTagRestoreCoefficients:
            p_.Log.WriteJournal(Str(ok ? kStrCurRestored : kStrCurRestoreFailed),
                                ok ? kJournalInfo : kJournalError);
            break;
        case kTagCopyCoefficients:
            p_.Log.WriteJournal(Str(ok ? kStrCurCopied : kStrCurCopyFailed),
                                ok ? kJournalInfo : kJournalError);
            break;
        case kTagLeaveSimulation:
            if (ok) {
                leaveSimulationPending_ = false;
                if (curCalibr_) curCalibr_->Calibration().SimulationLeft();
                p_.Log.WriteJournal(Str(kStrSimulationLeft), kJournalInfo);
            } else if (!outcome.noAnswer) {
                leaveSimulationPending_ = false;  // refused: journalled by the distribution
            }
            break;
        default:
            break;
    }
}

}  // namespace tarvix
