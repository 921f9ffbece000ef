#include "tools/dsp_signals.h"

#include "base/string_table.h"
#include "link/modbus_rtu.h"
#include "session/program.h"

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

int KindOffset(SignalKind kind) { return TransferBlock(kind, 0).offset; }

}  // namespace

DspSignals::DspSignals(Program& program, ConnectionController& connection, QObject* parent)
    : QObject(parent), p_(program), c_(connection) {
    connect(&c_, &ConnectionController::OperationFinished, this, &DspSignals::OperationFinished);
    connect(&c_, &ConnectionController::OperationProgress, this, [this](int done, int total) {
        if (running_ && total > 0) Q_EMIT Progress(done, total);
    });
    connect(&c_, &ConnectionController::OperationAbandoned, this, [this] {
        // The budget ran out: the list was told to stop and its results are not read.
        if (!running_) return;
        const SignalKind kind = *running_;
        running_.reset();
        Q_EMIT TransferEnded(kind);
    });
}

std::optional<std::uint8_t> DspSignals::RunCaptureRequest(std::uint8_t sub, int dataLen) {
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    const int e = op.Append(kFnDspExchange, sub, kCaptureAnswerBytes,
                            static_cast<std::uint16_t>(dataLen), kCaptureAnswerBytes / 2);
    if (dataLen > 0) op.Values[At(op.Slot[At(e)])] = kCaptureStartCode;
    op.Launch();
    if (!p_.WaitOpList()) {
        // Never fill a list the worker still owns: ask it to stop and wait once more.
        op.Abort = 1;
        if (!p_.WaitOpList()) return std::nullopt;
        op.Skipped = 1;
    }
    return op.Result[0];
}

CaptureOutcome DspSignals::Record() {
    if (!p_.WaitOpList()) return CaptureOutcome::StartFailed;
    const auto started = RunCaptureRequest(kDspCaptureStart, 2);
    ModbusList& op = p_.Lists->OpList;
    if (!started || op.Skipped != 0 || *started != kResultOk) {
        // A refusal is a failed start as much as silence is: polling would only wait for a
        // recording that never began.
        QString line = Str(kStrCaptureStartFailed);
        if (started && *started != kResultOk) line += QStringLiteral(" - ") + ResultText(*started);
        p_.Log.WriteJournal(line, kJournalError);
        op.Skipped = 0;
        return CaptureOutcome::StartFailed;
    }
    bool finished = false;
    // No measuring module answers in file mode: the exchange succeeds with no data, so the
    // status never says "finished" and the polls would only keep the window blocked.
    const bool file = p_.Worker.WorkMode.load() == kModeFile;
    for (int left = kCaptureMaxPolls; left > 0 && !file; --left) {
        const auto r = RunCaptureRequest(kDspCaptureStatus, 0);
        if (!r) break;  // the list is still running: nothing more can be asked
        if (op.Skipped != 0) {
            p_.Log.WriteJournal(Str(kStrCapturePollFailed), kJournalError);
            op.Skipped = 0;
            continue;
        }
        if (*r == kResultOk && AnswerInSlots(op, 0) &&
            (op.Values[At(op.Slot[0])] & kCaptureFinishedBit) != 0) {
            finished = true;
            break;
        }
    }
    op.Busy = 0;
    p_.Log.WriteJournal(Str(finished ? kStrCaptureDone : kStrCaptureNotDone),
                        finished ? kJournalInfo : kJournalError);
    return finished ? CaptureOutcome::Recorded : CaptureOutcome::NotRecorded;
}

bool DspSignals::StartTransfer(SignalKind kind) {
    // An operation whose results the operation cycle has not taken yet keeps the list.
    if (running_ || !c_.OperationIdle() || c_.OperationTimer().isActive()) return false;
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    AppendSignalTransfer(op, kind);
    // What the buffer holds now comes back for blocks that arrive wrong, and for all of
    // them when the transfer is aborted.
    before_ = BufferBytes(p_.Lists->SignalBuffer, KindOffset(kind), 2 * kSignalChannelBytes);
    running_ = kind;
    aborted_ = false;
    // The signal blocks are long; the poll cycle waits until they are all in.
    c_.PollTimer().stop();
    op.Launch();
    c_.StartOperation();
    return true;
}

void DspSignals::AbortTransfer() {
    if (!running_) return;
    aborted_ = true;
    p_.Lists->OpList.Abort.store(1, std::memory_order_release);
}

bool DspSignals::ResetController() {
    if (!c_.OperationIdle()) {
        if (!p_.WaitOpList() || !c_.OperationIdle()) return false;
    }
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    op.Append(kFnDspReset, 0, 0, 0, 1);
    op.Launch();
    c_.StartOperation();
    return true;
}

void DspSignals::Arrived(std::uint16_t flag) {
    const SignalKind kind = flag == kFlagRawSignals ? SignalKind::Raw : SignalKind::Filtered;
    const int base = KindOffset(kind);
    SignalBufferArray& buffer = p_.Lists->SignalBuffer;
    const bool ours = running_ && *running_ == kind && before_.size() == 2 * kSignalChannelBytes;
    if (ours && aborted_) {
        PutBufferBytes(buffer, base, before_);
        p_.Log.WriteJournal(Str(kStrTransferAborted), kJournalError);
        return;
    }
    const ModbusList& op = p_.Lists->OpList;
    for (const int e : MisplacedBlocks(op, kind)) {
        const SignalBlock b = TransferBlock(kind, e);
        if (ours) {
            const auto from = before_.begin() + (b.offset - base);
            PutBufferBytes(buffer, b.offset,
                           std::vector<std::uint8_t>(from, from + kSignalBlockBytes));
        } else {
            PutBufferBytes(buffer, b.offset, std::vector<std::uint8_t>(kSignalBlockBytes, 0));
        }
        p_.Log.WriteJournal(Str(kStrBlockMisplaced).arg(b.mask).arg(b.first), kJournalError);
    }
    Q_EMIT SignalsReady(kind);
}

void DspSignals::OperationFinished(const OperationOutcome& outcome) {
    if (!running_ || outcome.func != kFnDspExchange || outcome.start != kDspReadSignalBlock) return;
    const SignalKind kind = *running_;
    running_.reset();
    before_.clear();
    // An abort that came after the last request would stop the next list at its first.
    p_.Lists->OpList.Abort.store(0, std::memory_order_release);
    if (!outcome.noAnswer && !aborted_ && outcome.failed == 0)
        p_.Log.WriteJournal(Str(kStrSignalsReceived), kJournalInfo);
    if (c_.WorkMode() == kModeOnline) c_.PollTimer().start();
    Q_EMIT TransferEnded(kind);
}

}  // namespace tarvix
