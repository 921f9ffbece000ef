// TForm1: the connection modes and the poll, operation and retry cycles that drive the
// communication worker.
#include "main_window.h"

#include "app/navigation.h"
#include "app/program.h"
#include "base/string_table.h"
#include "base/user_error.h"
#include "connect/form_connecting.h"
#include "connect/form_setup_com.h"
#include "link/modbus_rtu.h"
#include "ui_main_window.h"

#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace tarvix {
namespace {

// Appends a read of count registers from start unless the list already reads them all.
void AddReadOnce(ModbusList& L, int start, int count) {
    for (int e = 0; e < L.Len; ++e) {
        const auto i = static_cast<std::size_t>(e);
        if (L.Func[i] == kFnReadHolding && L.Start[i] <= start &&
            start + count <= L.Start[i] + L.Count[i]) {
            return;
        }
    }
    L.AppendRead(static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(count));
}

}  // namespace

void TForm1::AppendStatusRequests(ModbusList& L) {
    L.AppendRead(1500, 9);  // CommonNotice and the eight message words
    for (int r : {233, 234, 200, 237}) AddReadOnce(L, r, 1);
}

void TForm1::AppendIndicatorRequests(ModbusList& L) {
    L.Flags |= kFlagIndicator;
    L.AppendRead(300, 20);  // main values and their units
    for (int start : {701, 800, 750, 850}) L.AppendRead(static_cast<std::uint16_t>(start), 9);
    L.AppendRead(227, 4);  // Delay and Frequency
    AppendStatusRequests(L);
}

void TForm1::ConnectPrompt(std::function<void()> action) {
    pendingCommand_ = nullptr;
    const auto answer =
        message_(this, QMessageBox::Question, Str(140), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        ReselectRememberedNode();
        return;
    }
    pendingCommand_ = std::move(action);
    MenuOnlineClick();
}

void TForm1::RunPendingCommand() {
    if (!pendingCommand_) return;
    auto command = std::move(pendingCommand_);
    pendingCommand_ = nullptr;
    command();
}

void TForm1::MenuOnlineClick() {
    if (!setupCom_) return;
    try {
        if (p_.Com.IsOpen()) setupCom_->ReleasePort();
        if (!setupCom_->ReopenPort()) return;
    } catch (const std::exception& e) {
        HandleError(e);
        return;
    }
    SetStatus(0, p_.Com.PortName);
    p_.Worker.WorkMode = kModeOnline;
    if (connecting_) connecting_->show();
    BuildPollList(true);
    timerPoll_->start();
    ButtonCancelClick();
}

void TForm1::MenuOfflineClick() {
    pendingCommand_ = nullptr;
    timerPoll_->stop();
    timerOp_->stop();
    try {
        p_.WaitOpList();
        p_.WaitPollList();
    } catch (const std::exception& e) {
        HandleError(e);
        return;
    }
    if (p_.Worker.WorkMode.load() == kModeOnline) {
        if (setupCom_) setupCom_->ReleasePort();
        if (StatusText(1) == Str(6)) ShowDisconnected();
    }
    p_.Worker.WorkMode = kModeOffline;
    if (hooks_.Offline) hooks_.Offline();
    if (connecting_) connecting_->ShowFailure();
}

void TForm1::N15Click() {
    if (p_.Worker.WorkMode.load() != kModeOffline) {
        const auto answer =
            message_(this, QMessageBox::Question, Str(123), QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) return;
        MenuOfflineClick();
    }
    if (setupCom_) setupCom_->exec();
    SetStatus(0, p_.Com.PortName);
}

void TForm1::SetPollInterval(int ms) {
    if (ms >= 500 && ms <= 60000) timerPoll_->setInterval(ms);
}

void TForm1::MenuPollIntervalClick() {
    const std::optional<QString> answer =
        inputBox_(this, Str(143), QString::number(timerPoll_->interval()));
    if (!answer) return;
    const QString text = *answer;
    bool number = false;
    int ms = text.trimmed().toInt(&number);
    if (!number) ms = 1000;
    SetPollInterval(ms);
}

void TForm1::MenuSwitchOfflineWhenNoAnswerClick() {
    p_.Settings.WriteBool(QStringLiteral("Settings"), QStringLiteral("SwitchOfflineWhenNoAnswer"),
                          ui_->MenuSwitchOfflineWhenNoAnswer->isChecked());
}

void TForm1::ConnectionConfirmed() {
    SetModeItem(ui_->MenuOnline);
    p_.Worker.GotCount = 0;
    p_.Worker.LostCount = 0;
    SetStatus(1, Str(6));
    SetStatus(2, QString());
    p_.Log.WriteJournal(Str(6), kJournalInfo);
}

void TForm1::ResetIndicator() {
    for (QLabel* l :
         {ui_->LabelField1, ui_->LabelField1Mix, ui_->LabelField2, ui_->LabelField2Mix}) {
        l->setText(QStringLiteral("- - - - - - -"));
    }
    for (QLabel* l :
         {ui_->LabelF1Units, ui_->LabelF1MixUnits, ui_->LabelF2Units, ui_->LabelF2MixUnits}) {
        l->setText(QStringLiteral("- - - - -"));
    }
    ui_->ShapeErrorI->setStyleSheet(QStringLiteral("background-color: white;"));
    ui_->LabelErrCntI->setText(QStringLiteral("0"));
    for (QLabel* l : {ui_->LabelSE, ui_->LabelSW, ui_->LabelPE, ui_->LabelPW}) l->setEnabled(false);
}

void TForm1::ShowDisconnected() {
    SetModeItem(ui_->MenuOffline);
    SetStatus(1, Str(5));
    SetStatus(2, QString());
    ui_->ProgressBarCom->setValue(0);
    ResetIndicator();
    p_.Log.WriteJournal(Str(5), kJournalInfo);
}

void TForm1::ShowFileMode(const QString& fileName) {
    SetModeItem(ui_->MenuFile);
    SetStatus(1, Str(7));
    SetStatus(2, fileName);
}

void TForm1::FollowDeviceSettings() {
    const int mode = p_.Worker.WorkMode.load();
    if (mode == kModeOnline) MenuOfflineClick();
    static const int kRates[] = {1200, 2400, 4800, 9600, 14400, 19200, 28800, 38400, 57600, 115200};
    const QString section = QStringLiteral("ComPort");
    p_.Settings.WriteString(section, QStringLiteral("Address"),
                            QString::number(p_.Image.ModbusRegs[430]));
    const int v = p_.Image.ModbusRegs[431];
    if (v >= 0 && v < 10) {
        p_.Settings.WriteString(section, QStringLiteral("BaudRate"), QString::number(kRates[v]));
    }
    p_.Settings.WriteInteger(section, QStringLiteral("Parity"), p_.Image.ModbusRegs[432]);
    if (setupCom_) {
        try {
            setupCom_->LoadSettings();
        } catch (const std::exception& e) {
            HandleError(e);
        }
    }
    if (mode == kModeOnline) MenuOnlineClick();
}

void TForm1::StartOpList() {
    ModbusList& op = p_.Lists->OpList;
    op.Ticks = static_cast<std::uint16_t>(OpListBudget(op, p_.Com));
    ui_->ProgressBarCom->setMaximum(std::max<int>(op.Len, 1));
    ui_->ProgressBarCom->setValue(0);
    timerOp_->start();
}

bool TForm1::CheckWorker() {
    if (!p_.Worker.WorkerDead.load()) return true;
    timerPoll_->stop();
    timerOp_->stop();
    ReportDeadWorker(true);
    return false;
}

void TForm1::ShowCounters() {
    const int got = p_.Worker.GotCount.load();
    const int lost = p_.Worker.LostCount.load();
    labelGot_->setText(QString::number(got));
    labelLost_->setText(QString::number(lost));
    labelLost_->setStyleSheet(lost != lastLost_ ? QStringLiteral("color: red;") : QString());
    lastLost_ = lost;
}

void TForm1::BuildPollList(bool forceIndicator) {
    ModbusList& L = p_.Lists->PollList;
    if (!L.Idle()) return;  // a cycle started meanwhile (by reconnecting) is left to run
    p_.Lists->ResetList(L);
    const int page = ActivePage();
    if (hooks_.PagePollRequests) hooks_.PagePollRequests(L, page);
    if (hooks_.ExtraPollRequests) hooks_.ExtraPollRequests(L);
    if (ui_->MenuInd->isChecked() || forceIndicator) AppendIndicatorRequests(L);
    if (page == kPageErrors) {
        L.Flags |= kFlagErrors;
        AppendStatusRequests(L);
    }
    L.Ticks = static_cast<std::uint16_t>(TickBudget(L, p_.Com, timerPoll_->interval()));
    if (L.Len > 0) L.Launch();
}

void TForm1::TimerPollTimer() {
    ModbusList& L = p_.Lists->PollList;
    if (!L.Idle()) {
        if (L.Ticks.load() > 0 && CheckWorker()) {
            L.Ticks.fetch_sub(1);
            p_.Log.WriteJournal(Str(121), kJournalError);
            return;
        }
        p_.Log.WriteJournal(Str(115), kJournalError);
        L.Abort = 1;
        MenuOfflineClick();
        return;
    }
    if (L.Skipped > 0) {
        if (L.Skipped == L.Len) {
            p_.Log.WriteJournal(Str(116), kJournalError);
            if (ui_->MenuSwitchOfflineWhenNoAnswer->isChecked()) MenuOfflineClick();
            L.Skipped = 0;
            return;
        }
        p_.Log.WriteJournal(Str(122), kJournalError);
    }
    L.Skipped = 0;
    ShowCounters();
    if (L.Len > 0) {
        DistributeResults(p_, L, hooks_.Distribute);
        L.Result.fill(0);
    }
    if (p_.Worker.WorkMode.load() == kModeOffline) return;  // distribution switched us off
    BuildPollList(false);
    RunPendingCommand();
}

void TForm1::TimerOpTimer() {
    ModbusList& op = p_.Lists->OpList;
    if (!op.Idle()) {
        if (op.Ticks.load() > 0 && CheckWorker()) {
            op.Ticks.fetch_sub(1);
            ui_->ProgressBarCom->setValue(op.Len - op.Index.load());
            return;
        }
        timerOp_->stop();
        p_.Log.WriteJournal(Str(115), kJournalError);
        op.Abort = 1;
        ui_->ProgressBarCom->setValue(0);
        nodeToExpand_ = nullptr;
        if (p_.Worker.WorkMode.load() == kModeOnline) timerPoll_->start();
        return;
    }
    timerOp_->stop();
    ui_->ProgressBarCom->setValue(0);
    if (op.Skipped > 0 && op.Skipped == op.Len) {
        p_.Log.WriteJournal(Str(116), kJournalError);
        if (ui_->MenuSwitchOfflineWhenNoAnswer->isChecked()) MenuOfflineClick();
        ReselectRememberedNode();
        op.Skipped = 0;
        timerOpTag_ = 0;
        op.Busy = 0;
        return;
    }
    op.Skipped = 0;
    const std::uint8_t func = op.Func[0];
    if (func == kFnReadHolding || func == kFnDspExchange) {
        DistributeResults(p_, op, hooks_.Distribute);
        op.Result.fill(0);
        if (timerOpTag_ != 0) {
            ShowPage(timerOpTag_);
            timerOpTag_ = 0;
            rememberedNode_ = SelectedNodeNumber();
        } else if (func == kFnDspExchange && op.Start[0] == kDspWriteParam) {
            ButtonCancelClick();
        }
    } else if (func == kFnWriteHolding) {
        DistributeResults(p_, op, hooks_.Distribute);
        op.Result.fill(0);
        ButtonCancelClick();
    } else {
        op.Busy = 0;
    }
    if (nodeToExpand_) {
        QTreeWidgetItem* item = nodeToExpand_;
        nodeToExpand_ = nullptr;
        expandingDetached_ = true;
        item->setExpanded(true);
        expandingDetached_ = false;
    }
    RunPendingCommand();
}

void TForm1::TimerRetryTimer() {
    ModbusList& op = p_.Lists->OpList;
    if (!op.Idle() || op.Busy.load()) return;
    timerRetry_->stop();
    ReadPage(timerRetryTag_);
}

DistributeHooks TForm1::WindowDistributeHooks() {
    DistributeHooks h;
    h.ConnectingVisible = [this] { return connecting_ && connecting_->isVisible(); };
    h.ConnectionConfirmed = [this] {
        if (connecting_) connecting_->close();
        ConnectionConfirmed();
    };
    h.LinkSettingsWritten = [this](int failed, int len) {
        if (failed == len) return;
        if (failed > 0) {
            message_(this, QMessageBox::Warning, Str(148), QMessageBox::Ok);
            return;
        }
        FollowDeviceSettings();
    };
    return h;
}

}  // namespace tarvix
