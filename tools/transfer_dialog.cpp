#include "tools/transfer_dialog.h"

#include "base/string_table.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace tarvix {

TransferDialog::TransferDialog(QWidget* parent) : QDialog(parent) {}

void TransferDialog::UseControls(QLabel* status, QPushButton* cancel, QPushButton* toFile,
                                 QPushButton* toDevice) {
    status_ = status;
    cancel_ = cancel;
    toFile_ = toFile;
    toDevice_ = toDevice;
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::ButtonCancelClick);
}

QString TransferDialog::Status() const { return status_->text(); }

void TransferDialog::SetStatus(const QString& text) { status_->setText(text); }

void TransferDialog::ShowIdle() {
    SetStatus(Str(kStrDumpIdle));
    SetRunning(false);
    closeWhenDone_ = false;
}

void TransferDialog::SetRunning(bool running) {
    cancel_->setText(Str(running ? kStrAbort : kStrDumpClose));
    cancel_->setEnabled(true);
    // A second transfer over a running one would overwrite the request in the list.
    toFile_->setEnabled(!running);
    toDevice_->setEnabled(!running);
}

void TransferDialog::ShowTimedOut() {
    SetStatus(Str(kStrExchangeTimeout));
    toFile_->setEnabled(true);
    toDevice_->setEnabled(true);
}

void TransferDialog::CloseIfAsked() {
    if (closeWhenDone_) close();
}

void TransferDialog::Message(const QString& text) {
    if (message_) message_(this, QMessageBox::Warning, text, QMessageBox::Ok);
}

void TransferDialog::ButtonCancelClick() {
    if (TransferRunning()) {
        AbortTransfer();
        return;
    }
    close();
}

void TransferDialog::reject() {
    if (TransferRunning()) {
        AbortTransfer();
        closeWhenDone_ = true;
        return;
    }
    QDialog::reject();
}

void TransferDialog::closeEvent(QCloseEvent* event) {
    if (TransferRunning()) {
        AbortTransfer();
        closeWhenDone_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace tarvix
