// TForm1: the connection commands and what the window shows of the connection. The cycles
// themselves run in the connection controller.
#include "main_window.h"

#include "app/navigation.h"
#include "base/string_table.h"
#include "connect/form_connecting.h"
#include "connect/form_setup_com.h"
#include "link/modbus_rtu.h"
#include "pages/status_display.h"
#include "session/config_file_mode.h"
#include "session/program.h"
#include "ui_main_window.h"

#include <QLabel>
#include <QMessageBox>

namespace tarvix {

void TForm1::ConnectCycles() {
    ConnectionController& c = *connection_;
    PollSources& sources = c.Sources();
    sources.PageRequests = [this](ModbusList& L) {
        if (hooks_.PagePollRequests) hooks_.PagePollRequests(L, ActivePage());
    };
    sources.ExtraRequests = [this](ModbusList& L) {
        if (hooks_.ExtraPollRequests) hooks_.ExtraPollRequests(L);
    };
    sources.IndicatorWanted = [this] { return ui_->MenuInd->isChecked(); };
    sources.ErrorsPageShown = [this] { return ActivePage() == kPageErrors; };
    connect(&c, &ConnectionController::StateChanged, this, &TForm1::ShowConnectionState);
    connect(&c, &ConnectionController::CountersChanged, this, &TForm1::ShowCounters);
    connect(&c, &ConnectionController::OperationProgress, this, &TForm1::ShowOperationProgress);
    connect(&c, &ConnectionController::OperationFinished, this, &TForm1::FinishOperation);
    connect(&c, &ConnectionController::OperationAbandoned, this,
            [this] { nodeToExpand_ = nullptr; });
    connect(&c, &ConnectionController::PageReadDue, this, &TForm1::ReadPage);
    connect(&c, &ConnectionController::WorkerDied, this, &TForm1::ShowDeadWorker);
    connect(&c, &ConnectionController::LinkSettingsNotWritten, this, [this] {
        message_(this, QMessageBox::Warning, Str(kStrLinkSettingsNotWritten), QMessageBox::Ok);
    });
    connect(&c, &ConnectionController::Failure, this, [this](const QString& text) {
        message_(this, QMessageBox::Critical, text, QMessageBox::Ok);
    });
}

void TForm1::ConnectFirst(std::function<void()> action) {
    connection_->ClearPendingCommand();
    const auto answer = message_(this, QMessageBox::Question, Str(kStrConnectFirst),
                                 QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        ReselectRememberedNode();
        return;
    }
    connection_->ConnectAndRun(std::move(action));
}

void TForm1::GoOnline() {
    if (!setupCom_) return;
    connection_->Connect();
}

void TForm1::GoOffline() { connection_->Disconnect(); }

void TForm1::OpenComSettings() {
    if (connection_->WorkMode() != kModeOffline) {
        const auto answer = message_(this, QMessageBox::Question, Str(kStrGoOfflineFirst),
                                     QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) return;
        GoOffline();
    }
    if (setupCom_) setupCom_->exec();
    SetStatus(0, p_.Com.PortName);
}

void TForm1::AskPollInterval() {
    const std::optional<QString> answer =
        inputBox_(this, Str(kStrPollIntervalPrompt), QString::number(connection_->PollInterval()));
    if (!answer) return;
    bool number = false;
    int ms = answer->trimmed().toInt(&number);
    if (!number) ms = ConnectionController::kDefaultPollIntervalMs;
    connection_->SetPollInterval(ms);  // out of range: the interval stays as it was
}

void TForm1::KeepSwitchOfflineChoice() {
    connection_->SetSwitchOfflineWhenNoAnswer(ui_->MenuSwitchOfflineWhenNoAnswer->isChecked());
}

void TForm1::ShowConnectionState(ConnectionState now, ConnectionState before) {
    switch (now) {
        case ConnectionState::Connecting:
            SetStatus(0, p_.Com.PortName);
            if (connecting_) connecting_->show();
            RereadPage();
            return;
        case ConnectionState::Online:
            if (connecting_) connecting_->close();
            SetModeItem(ui_->MenuOnline);
            SetStatus(1, Str(kStrConnected));
            NameFile(QString());
            return;
        case ConnectionState::FileMode:
            // The file's name comes with ShowFileMode. What works only online stops.
            if (connecting_) connecting_->close();
            ui_->ProgressBarCom->setValue(0);
            if (hooks_.Offline) hooks_.Offline();
            return;
        case ConnectionState::Disconnected:
        case ConnectionState::Failed:
            // Only a confirmed connection was shown as connected; a file stays shown.
            if (before == ConnectionState::Online) ShowDisconnected();
            ui_->ProgressBarCom->setValue(0);
            if (hooks_.Offline) hooks_.Offline();
            if (connecting_) connecting_->ShowFailure();
            return;
    }
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
    ShowStatusLamp(ui_->ShapeErrorI, kStatusWhite);
    ui_->LabelErrCntI->setText(QStringLiteral("0"));
    for (QLabel* l : {ui_->LabelSE, ui_->LabelSW, ui_->LabelPE, ui_->LabelPW}) l->setEnabled(false);
}

void TForm1::ShowDisconnected() {
    SetModeItem(ui_->MenuOffline);
    SetStatus(1, Str(kStrDisconnected));
    NameFile(QString());
    ui_->ProgressBarCom->setValue(0);
    ResetIndicator();
}

void TForm1::ShowFileMode(const QString& fileName) {
    SetModeItem(ui_->MenuFile);
    SetStatus(1, Str(kStrFileMode));
    NameFile(fileName);
}

void TForm1::NameFile(const QString& file) {
    namedFile_ = file;
    SetStatus(2, file);
}

void TForm1::UseConfigFile() {
    // The status bar names a file while the program works on one, and after a choice in the
    // dialog: that file is read again without asking.
    if (namedFile_.isEmpty() || configFileName_.isEmpty()) {
        const QString chosen = chooseFile_(this, configFileName_);
        if (chosen.isEmpty()) return;
        configFileName_ = chosen;
    }
    try {
        if (!ReadConfigFile(p_, *connection_, configFileName_)) return;
    } catch (const std::exception& e) {
        HandleError(e);
        return;
    }
    ShowFileMode(configFileName_);
    RereadPage();
}

void TForm1::ChooseConfigFile() {
    const QString chosen = chooseFile_(this, configFileName_);
    if (chosen.isEmpty()) return;
    configFileName_ = chosen;
    NameFile(chosen);
    UseConfigFile();
}

void TForm1::ShowCounters(int got, int lost, bool lostChanged) {
    labelGot_->setText(QString::number(got));
    labelLost_->setText(QString::number(lost));
    labelLost_->setStyleSheet(lostChanged ? QStringLiteral("color: red;") : QString());
}

void TForm1::ShowOperationProgress(int done, int total) {
    if (total > 0) ui_->ProgressBarCom->setMaximum(total);
    ui_->ProgressBarCom->setValue(done);
}

void TForm1::FinishOperation(const OperationOutcome& outcome) {
    if (outcome.noAnswer) {
        ReselectRememberedNode();
        return;
    }
    if (outcome.func == kFnReadHolding || outcome.func == kFnDspExchange) {
        if (outcome.tag != 0) {
            // A page read finished: its page is shown now, with the values it brought.
            ShowPage(outcome.tag);
            rememberedNode_ = SelectedNodeNumber();
        } else if (outcome.func == kFnDspExchange && outcome.start == kDspWriteParam &&
                   !outcome.reconnected) {
            RereadPage();
        }
    } else if (outcome.func == kFnWriteHolding && !outcome.reconnected) {
        RereadPage();
    }
    if (nodeToExpand_) {
        QTreeWidgetItem* item = nodeToExpand_;
        nodeToExpand_ = nullptr;
        expandingDetached_ = true;
        item->setExpanded(true);
        expandingDetached_ = false;
    }
}

}  // namespace tarvix
