#include "connection_controller.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "link/list_ops.h"
#include "link/modbus_rtu.h"
#include "link/port_problem.h"
#include "link/protocol.h"
#include "link/thread_com.h"
#include "model/register_ids.h"
#include "session/poll_requests.h"
#include "session/program.h"

namespace tarvix {
namespace {

const QString kSettingsSection = QStringLiteral("Settings");
const QString kSwitchOfflineKey = QStringLiteral("SwitchOfflineWhenNoAnswer");
const QString kComSection = QStringLiteral("ComPort");

}  // namespace

ConnectionController::ConnectionController(Program& program, QObject* parent)
    : QObject(parent), p_(program) {
    pollTimer_.setObjectName(QStringLiteral("TimerPoll"));
    pollTimer_.setInterval(kDefaultPollIntervalMs);
    opTimer_.setObjectName(QStringLiteral("TimerOp"));
    opTimer_.setInterval(kOperationTickMs);
    retryTimer_.setObjectName(QStringLiteral("TimerRetry"));
    retryTimer_.setInterval(kRetryTickMs);
    connect(&pollTimer_, &QTimer::timeout, this, &ConnectionController::PollTick);
    connect(&opTimer_, &QTimer::timeout, this, &ConnectionController::OperationTick);
    connect(&retryTimer_, &QTimer::timeout, this, &ConnectionController::RetryTick);
    switchOffline_ = p_.Settings.ReadBool(kSettingsSection, kSwitchOfflineKey, false);
    // The bounded waits find a dead worker too; they stop the cycles the same way.
    p_.OnWorkerDead = [this] {
        pollTimer_.stop();
        opTimer_.stop();
        ReportDeadWorker();
    };
}

ConnectionController::~ConnectionController() {
    pollTimer_.stop();
    opTimer_.stop();
    retryTimer_.stop();
    worker_.reset();
    p_.OnWorkerDead = nullptr;
}

void ConnectionController::StartWorker() {
    if (worker_) return;
    worker_ = std::make_unique<ThreadCom>(*p_.Lists, p_.Com, p_.Worker);
    worker_->Begin();
}

int ConnectionController::WorkMode() const { return p_.Worker.WorkMode.load(); }

void ConnectionController::SetState(ConnectionState now) {
    const ConnectionState before = state_;
    state_ = now;
    Q_EMIT StateChanged(now, before);
}

bool ConnectionController::ListsIdle() const {
    return p_.Lists->OpList.Idle() && p_.Lists->PollList.Idle();
}

bool ConnectionController::SetPollInterval(int ms) {
    if (ms < kMinPollIntervalMs || ms > kMaxPollIntervalMs) return false;
    pollTimer_.setInterval(ms);
    return true;
}

void ConnectionController::SetSwitchOfflineWhenNoAnswer(bool on) {
    switchOffline_ = on;
    p_.Settings.WriteBool(kSettingsSection, kSwitchOfflineKey, on);
}

bool ConnectionController::Connect() {
    if (!line_) return false;
    pollTimer_.stop();
    opTimer_.stop();
    // The worker reads the address and the time-outs while it executes an entry, so they
    // change only while both lists are idle.
    if (!ListsIdle()) {
        try {
            p_.WaitOpList();
            p_.WaitPollList();
        } catch (const UserError&) {
            return false;  // the dead worker has been reported
        }
    }
    if (!ListsIdle()) {
        p_.Lists->OpList.Abort.store(1, std::memory_order_release);
        p_.Lists->PollList.Abort.store(1, std::memory_order_release);
        opAbandoned_ = true;
        connectWhenIdle_ = true;
        retryTimer_.start();
        return false;
    }
    connectWhenIdle_ = false;
    try {
        if (p_.Com.IsOpen()) line_->ReleasePort();
        if (!line_->ReopenPort()) return false;
    } catch (const UserError& e) {
        Q_EMIT Failure(e.message());
        return false;
    }
    p_.Worker.WorkMode = kModeOnline;
    ++generation_;
    SetState(ConnectionState::Connecting);
    BuildPollList(true);
    pollTimer_.start();
    return true;
}

bool ConnectionController::PauseForTool() { return StopCycles() && ListsIdle(); }

void ConnectionController::ResumeAfterTool() {
    try {
        if (!p_.WaitOpList()) {
            p_.Lists->OpList.Abort.store(1, std::memory_order_release);
            opAbandoned_ = true;
        }
    } catch (const UserError&) {
        return;
    }
    if (WorkMode() == kModeOnline) pollTimer_.start();
}

bool ConnectionController::StopCycles() {
    pending_ = nullptr;
    pollTimer_.stop();
    opTimer_.stop();
    try {
        p_.WaitOpList();
        p_.WaitPollList();
    } catch (const UserError&) {
        // The worker is dead and has been reported: the command ends here.
        return false;
    }
    if (!ListsIdle()) {
        // A wait ran out: the worker lets go of the lists after the entry it is in, and
        // whatever it leaves is not read.
        p_.Lists->OpList.Abort.store(1, std::memory_order_release);
        p_.Lists->PollList.Abort.store(1, std::memory_order_release);
        opAbandoned_ = true;
    }
    return true;
}

void ConnectionController::Disconnect() {
    connectWhenIdle_ = false;
    followPending_ = false;
    if (!StopCycles()) return;
    const ConnectionState before = state_;
    if (WorkMode() == kModeOnline && line_) line_->ReleasePort();
    p_.Worker.WorkMode = kModeOffline;
    if (before == ConnectionState::Online) p_.Log.WriteJournal(Str(kStrDisconnected), kJournalInfo);
    // An attempt that never got its confirmation failed; so has everything after the worker's
    // death.
    const bool failed = before == ConnectionState::Connecting || p_.Worker.WorkerDead.load();
    const ConnectionState now = failed ? ConnectionState::Failed : ConnectionState::Disconnected;
    SetState(now);
}

bool ConnectionController::EnterFileMode() {
    connectWhenIdle_ = false;
    followPending_ = false;
    // The poll list ends after the entry it is in rather than running on to its end.
    if (!p_.Lists->PollList.Idle()) p_.Lists->PollList.Abort.store(1, std::memory_order_release);
    if (!StopCycles()) return false;
    if (state_ == ConnectionState::Online) p_.Log.WriteJournal(Str(kStrDisconnected), kJournalInfo);
    if (WorkMode() == kModeOnline && line_) line_->ReleasePort();
    p_.Worker.WorkMode = kModeFile;
    SetState(ConnectionState::FileMode);
    return true;
}

void ConnectionController::FollowDeviceSettings() {
    followPending_ = false;
    const bool wasOnline = WorkMode() == kModeOnline;
    if (wasOnline) Disconnect();
    const RegisterImage& img = p_.Image;
    p_.Settings.WriteString(kComSection, QStringLiteral("Address"),
                            QString::number(img.ModbusRegs[mrDevAddr]));
    // A BaudIndex beyond the device's menu names no rate: the stored rate stays.
    if (const int rate = BaudRateOfIndex(img.ModbusRegs[mrBaudIndex]); rate > 0)
        p_.Settings.WriteString(kComSection, QStringLiteral("BaudRate"), QString::number(rate));
    p_.Settings.WriteInteger(kComSection, QStringLiteral("Parity"), img.ModbusRegs[mrParity]);
    if (line_) {
        try {
            line_->LoadSettings();
        } catch (const UserError& e) {
            Q_EMIT Failure(e.message());
            return;
        }
    }
    if (wasOnline && Connect()) confirmNeedsAnswer_ = true;
}

void ConnectionController::ConnectAndRun(std::function<void()> command) {
    pending_ = std::move(command);
    Connect();
}

void ConnectionController::RunPendingCommand() {
    if (!pending_) return;
    auto command = std::move(pending_);
    pending_ = nullptr;
    command();
}

void ConnectionController::ReportDeadWorker() {
    // Every later tick and wait finds the dead worker again; it is reported once.
    if (deadReported_) return;
    deadReported_ = true;
    p_.Log.WriteJournal(Str(kStrWorkerStopped), kJournalError);
    if (state_ != ConnectionState::FileMode) SetState(ConnectionState::Failed);
    Q_EMIT WorkerDied();
}

bool ConnectionController::CheckWorker() {
    if (!p_.Worker.WorkerDead.load()) return true;
    pollTimer_.stop();
    opTimer_.stop();
    ReportDeadWorker();
    return false;
}

int ConnectionController::Distribute(ModbusList& L) {
    const bool fromPoll = &L == &p_.Lists->PollList;
    const unsigned generation = fromPoll ? pollGeneration_ : opGeneration_;
    DistributeHooks h = hooks_;
    // The connection is confirmed by the first list started since it began (a cycle at the
    // old settings proves nothing); after following the device's new settings, only by an
    // answer.
    bool confirm = false;
    h.ConnectingVisible = [&] {
        return state_ == ConnectionState::Connecting && generation == generation_;
    };
    h.ConnectionConfirmed = [&] { confirm = true; };
    // The device's new line settings are followed after the distribution, once the list's
    // results are consumed: reconnecting starts lists of its own.
    h.LinkSettingsWritten = [this](int failed, int len) {
        if (failed == len) return;
        if (failed > 0) {
            Q_EMIT LinkSettingsNotWritten();
            return;
        }
        followPending_ = true;
    };
    const int len = L.Len;
    const int failed = DistributeResults(p_, L, h);
    if (confirm && !(confirmNeedsAnswer_ && failed == len)) {
        confirmNeedsAnswer_ = false;
        p_.Worker.GotCount = 0;
        p_.Worker.LostCount = 0;
        lastLost_ = 0;
        p_.Log.WriteJournal(Str(kStrConnected), kJournalInfo);
        SetState(ConnectionState::Online);
    }
    return failed;
}

void ConnectionController::BuildPollList(bool forceIndicator) {
    ModbusList& L = p_.Lists->PollList;
    if (!L.Idle()) return;  // a cycle started meanwhile (by reconnecting) is left to run
    p_.Lists->ResetList(L);
    if (sources_.PageRequests) sources_.PageRequests(L);
    if (sources_.ExtraRequests) sources_.ExtraRequests(L);
    if (forceIndicator || (sources_.IndicatorWanted && sources_.IndicatorWanted()))
        AppendIndicatorRequests(L);
    if (sources_.ErrorsPageShown && sources_.ErrorsPageShown()) {
        L.Flags |= kFlagErrors;
        AppendStatusRequests(L);
    }
    // The page's labels, the indicator and the status words overlap: one read per range.
    CoalesceReads(L);
    L.Ticks = static_cast<std::uint16_t>(TickBudget(L, p_.Com, pollTimer_.interval()));
    pollGeneration_ = generation_;
    if (L.Len > 0) L.Launch();
}

void ConnectionController::PollTick() {
    ModbusList& L = p_.Lists->PollList;
    // An adapter pulled out never answers again through this descriptor: said once, and the
    // port is let go at once, so that the kernel gives the adapter its old name when it is
    // plugged back in (a name still held open is not reused) and "Онлайн" finds it there.
    if (const auto line = p_.Com.Handle(); line && line->LostError() != 0) {
        PortProblem gone;
        gone.kind = PortProblemKind::Gone;
        gone.error = line->LostError();
        gone.path = p_.Com.PortName;
        p_.Log.WriteJournal(PortProblemText(gone), kJournalError);
        Disconnect();
        return;
    }
    if (!L.Idle()) {
        if (L.Ticks.load() > 0 && CheckWorker()) {
            L.Ticks.fetch_sub(1);
            p_.Log.WriteJournal(Str(kStrPollOverrun), kJournalError);
            return;
        }
        p_.Log.WriteJournal(Str(kStrExchangeTimeout), kJournalError);
        L.Abort = 1;
        Disconnect();
        return;
    }
    if (L.Skipped > 0) {
        if (L.Skipped == L.Len) {
            p_.Log.WriteJournal(Str(kStrNoAnswer), kJournalError);
            L.Skipped = 0;
            if (switchOffline_) Disconnect();
            return;
        }
        p_.Log.WriteJournal(Str(kStrSomeDataMissing), kJournalError);
    }
    L.Skipped = 0;
    const int lost = p_.Worker.LostCount.load();
    Q_EMIT CountersChanged(p_.Worker.GotCount.load(), lost, lost != lastLost_);
    lastLost_ = lost;
    if (L.Len > 0) {
        Distribute(L);
        L.Result.fill(0);
    }
    if (WorkMode() == kModeOffline) return;  // the distribution switched the program off
    BuildPollList(false);
    RunPendingCommand();
}

bool ConnectionController::OperationIdle() {
    ReleaseAbandonedOperation();
    const ModbusList& op = p_.Lists->OpList;
    return op.Idle() && !op.Busy.load();
}

void ConnectionController::ReleaseAbandonedOperation() {
    // A list given up (budget spent, or a wait that ran out) may still have finished after
    // the request to abort it came too late, leaving Busy set: nobody reads its results.
    ModbusList& op = p_.Lists->OpList;
    if (!opAbandoned_ || !op.Idle()) return;
    op.Busy.store(0, std::memory_order_relaxed);
    op.Abort.store(0, std::memory_order_relaxed);
    opAbandoned_ = false;
}

void ConnectionController::StartOperation(int tag) {
    ModbusList& op = p_.Lists->OpList;
    opAbandoned_ = false;
    opTag_ = tag;
    opGeneration_ = generation_;
    op.Ticks = static_cast<std::uint16_t>(OpListBudget(op, p_.Com));
    Q_EMIT OperationProgress(0, std::max<int>(op.Len, 1));
    opTimer_.start();
}

void ConnectionController::OperationTick() {
    ModbusList& op = p_.Lists->OpList;
    if (!op.Idle()) {
        if (op.Ticks.load() > 0 && CheckWorker()) {
            op.Ticks.fetch_sub(1);
            Q_EMIT OperationProgress(op.Len - op.Index.load(), std::max<int>(op.Len, 1));
            return;
        }
        opTimer_.stop();
        p_.Log.WriteJournal(Str(kStrExchangeTimeout), kJournalError);
        op.Abort = 1;
        opAbandoned_ = true;
        opTag_ = 0;
        Q_EMIT OperationProgress(0, 0);
        Q_EMIT OperationAbandoned();
        if (WorkMode() == kModeOnline) pollTimer_.start();
        return;
    }
    opTimer_.stop();
    Q_EMIT OperationProgress(0, 0);
    OperationOutcome outcome;
    outcome.tag = opTag_;
    outcome.func = op.Func[0];
    outcome.start = op.Start[0];
    // Lists run from their last entry down: the first failure sent is the highest one.
    for (int e = op.Len - 1; e >= 0 && outcome.result == 0; --e)
        outcome.result = op.Result[static_cast<std::size_t>(e)];
    opTag_ = 0;
    if (!CheckWorker()) {
        // A dying worker hands the list back with entries that never ran: nothing in it is a
        // result, least of all a write's success.
        op.Skipped = 0;
        op.Busy = 0;
        return;
    }
    if (op.Skipped > 0 && op.Skipped == op.Len) {
        op.Skipped = 0;
        outcome.noAnswer = true;
        outcome.failed = op.Len;
        if (WorkMode() == kModeFile) {
            // No device kept silent: the file lacks what every entry asked for, and each
            // entry's line names it (nothing of a failed entry enters the image).
            Distribute(op);
            op.Result.fill(0);
        } else {
            p_.Log.WriteJournal(Str(kStrNoAnswer), kJournalError);
            op.Busy = 0;
            if (switchOffline_) Disconnect();
        }
        Q_EMIT OperationFinished(outcome);
        return;
    }
    op.Skipped = 0;
    if (outcome.func == kFnWriteHolding && WorkMode() == kModeFile && fileWritten_) fileWritten_();
    if (outcome.func == kFnReadHolding || outcome.func == kFnDspExchange ||
        outcome.func == kFnWriteHolding) {
        outcome.failed = Distribute(op);
        op.Result.fill(0);
    } else {
        op.Busy = 0;
    }
    if (followPending_) {
        FollowDeviceSettings();
        outcome.reconnected = true;
    }
    Q_EMIT OperationFinished(outcome);
    RunPendingCommand();
}

void ConnectionController::PostponePageRead(int page) {
    retryPage_ = page;
    pageReadPostponed_ = true;
    retryTimer_.start();
}

void ConnectionController::RetryTick() {
    ReleaseAbandonedOperation();
    if (connectWhenIdle_) {
        if (!ListsIdle()) return;
        connectWhenIdle_ = false;
        Connect();
    }
    if (!pageReadPostponed_) {
        if (!connectWhenIdle_) retryTimer_.stop();
        return;
    }
    const ModbusList& op = p_.Lists->OpList;
    if (!op.Idle() || op.Busy.load()) return;
    pageReadPostponed_ = false;
    if (!connectWhenIdle_) retryTimer_.stop();
    Q_EMIT PageReadDue(retryPage_);
}

}  // namespace tarvix
