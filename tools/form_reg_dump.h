// TFormRegDump ("Дамп регистров"): saves the device's registers to a dump file and writes a
// dump file back into the device, showing the register in transfer, the progress and the
// outcome. The transfer itself is RegisterDumpTransfer's.
#pragma once

#include "tools/register_dump_transfer.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <memory>

namespace Ui {
class TFormRegDump;
}

namespace tarvix {

struct Program;

class TFormRegDump : public QDialog {
    Q_OBJECT
  public:
    // The boxes and file dialogs the dialog asks through; tests answer in place of the user.
    using MessageFunction = std::function<QMessageBox::StandardButton(
        QWidget*, QMessageBox::Icon, const QString&, QMessageBox::StandardButtons)>;
    // Returns the chosen path, or an empty string when cancelled.
    using SaveFileFunction = std::function<QString(QWidget*, const QString& proposed)>;
    using OpenFileFunction = std::function<QString(QWidget*)>;

    TFormRegDump(Program& program, QWidget* parent = nullptr);
    ~TFormRegDump() override;

    void SetMessageBox(MessageFunction f) { message_ = std::move(f); }
    void SetFileDialogs(SaveFileFunction save, OpenFileFunction open);

    void ButtonFmToFileClick();
    void ButtonFileToFmClick();
    void ButtonCancelClick();
    RegisterDumpTransfer& Transfer() { return transfer_; }
    QString Status() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void FormShow();
    void ShowRequested(int reg, int done, int total);
    void TransferFinished(RegisterDumpTransfer::Outcome outcome);
    void WriteFile();
    void SetRunning(bool running);
    void SetStatus(const QString& text);
    void Message(const QString& text);

    Program& p_;
    std::unique_ptr<Ui::TFormRegDump> ui_;
    RegisterDumpTransfer transfer_;
    MessageFunction message_;
    SaveFileFunction saveFile_;
    OpenFileFunction openFile_;
    bool reading_ = false;
    bool closeWhenDone_ = false;
};

}  // namespace tarvix
