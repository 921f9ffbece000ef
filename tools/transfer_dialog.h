// What the register dump and the EEPROM dump dialogs share: a transfer that runs through the
// worker while the dialog is open, with a status line and three buttons, "Прибор -> файл",
// "Файл -> прибор" and "Закрыть", which reads "Прервать" while a transfer runs.
//
// A running transfer is always ended before the dialog goes: "Прервать", Escape and the title
// bar's button all abort it after the request in progress, and the latter two close the
// dialog once it has ended. Nobody is left without the outcome of a half-written device.
#pragma once

#include "pages/message_box.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvix {

class TransferDialog : public QDialog {
    Q_OBJECT
  public:
    // The boxes the dialog asks through; tests answer in place of the user.
    using MessageFunction = MessageBoxFunction;

    void SetMessageBox(MessageFunction f) { message_ = std::move(f); }
    QString Status() const;
    void ButtonCancelClick();

  protected:
    explicit TransferDialog(QWidget* parent);

    virtual bool TransferRunning() const = 0;
    virtual void AbortTransfer() = 0;

    // The form's controls, once its setupUi has made them.
    void UseControls(QLabel* status, QPushButton* cancel, QPushButton* toFile,
                     QPushButton* toDevice);
    // A newly shown dialog: idle, and no close left over from an earlier run.
    void ShowIdle();
    void SetStatus(const QString& text);
    void SetRunning(bool running);
    // A request that overran its time: the transfer has given up, but the worker may still
    // finish the request. The button keeps "Прервать"; pressing it now closes the dialog.
    void ShowTimedOut();
    // Called last by a finished transfer's handler: closes when a close waited for it.
    void CloseIfAsked();
    void Message(const QString& text);

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    MessageFunction message_ = ShowProgramMessage;
    QLabel* status_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* toFile_ = nullptr;
    QPushButton* toDevice_ = nullptr;
    bool closeWhenDone_ = false;
};

}  // namespace tarvix
