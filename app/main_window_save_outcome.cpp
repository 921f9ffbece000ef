// TForm1: a save ("Да" under "Записать изменения?") that the device did not take entirely.
// The journal names every refused value; beside the buttons, where the user is looking, a
// line says how many values were not written and why, until the user's next action. The
// page is read back as after every save, so it shows what the device holds.
#include "main_window.h"

#include "link/protocol.h"
#include "session/program.h"
#include "session/save_outcome.h"
#include "ui_main_window.h"

#include <QLabel>
#include <QTreeWidget>

namespace tarvix {

void TForm1::InstallSaveOutcome() {
    saveOutcome_ = std::make_unique<SaveOutcome>();
    saveFailure_ = new QLabel(this);
    saveFailure_->setObjectName(QStringLiteral("LabelSaveFailure"));
    saveFailure_->setStyleSheet(QStringLiteral("color: red;"));
    saveFailure_->setWordWrap(true);
    saveFailure_->hide();
    // Left of "Записать изменения?", taking the room the spacer had.
    ui_->LayoutSave->insertWidget(0, saveFailure_, 1);

    // The user's next action ends the message; the read-back that follows a save does not.
    connect(ui_->ButtonSave, &QPushButton::clicked, this, [this] {
        ClearSaveFailure();
        // SavePage ran first (connected earlier): a write it started is watched.
        const ModbusList& op = p_.Lists->OpList;
        saveWatched_ = connection_->OperationTimer().isActive() && !op.Idle();
        if (saveWatched_) saveOutcome_->Begin(op);
    });
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, &TForm1::ClearSaveFailure);
    connect(ui_->TreeView1, &QTreeWidget::itemClicked, this, &TForm1::ClearSaveFailure);
    connect(ui_->TreeView1, &QTreeWidget::itemActivated, this, &TForm1::ClearSaveFailure);

    ConnectionController& c = *connection_;
    DistributeHooks& d = c.Distribution();
    auto failed = std::move(d.EntryFailed);
    d.EntryFailed = [this, failed](const ModbusList& L, int e) {
        if (saveWatched_ && &L == &p_.Lists->OpList) saveOutcome_->EntryFailed(L, e);
        if (failed) failed(L, e);
    };
    connect(&c, &ConnectionController::OperationAbandoned, this, [this] {
        if (!saveWatched_) return;
        saveWatched_ = false;
        saveOutcome_->NoAnswer();
        saveFailure_->setText(saveOutcome_->Text());
        saveFailure_->show();
    });
    connect(&c, &ConnectionController::OperationFinished, this,
            [this](const OperationOutcome& outcome) {
                if (!saveWatched_) return;
                saveWatched_ = false;
                if (outcome.noAnswer) saveOutcome_->NoAnswer();
                if (!saveOutcome_->Failed()) return;
                saveFailure_->setText(saveOutcome_->Text());
                saveFailure_->show();
            });
}

void TForm1::ClearSaveFailure() {
    if (saveFailure_) saveFailure_->hide();
}

}  // namespace tarvix
