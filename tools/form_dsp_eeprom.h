// TFormDspRegDump ("Дамп DspEeprom"): saves the measuring module's 20 EEPROM parameters to a
// DSP dump file and writes such a file back, showing the parameter in transfer, the retries,
// the progress and the outcome. The transfer itself is DspEepromTransfer's; a file is checked
// as a whole before the first parameter is sent.
#pragma once

#include "tools/dsp_eeprom_transfer.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <memory>

namespace Ui {
class TFormDspRegDump;
}

namespace tarvix {

struct Program;

class TFormDspRegDump : public QDialog {
    Q_OBJECT
  public:
    // The boxes and file dialogs the dialog asks through; tests answer in place of the user.
    using MessageFunction = std::function<QMessageBox::StandardButton(
        QWidget*, QMessageBox::Icon, const QString&, QMessageBox::StandardButtons)>;
    // Return the chosen path, or an empty string when cancelled.
    using FileFunction = std::function<QString(QWidget*)>;

    explicit TFormDspRegDump(Program& program, QWidget* parent = nullptr);
    ~TFormDspRegDump() override;

    void SetMessageBox(MessageFunction f) { message_ = std::move(f); }
    void SetFileDialogs(FileFunction save, FileFunction open);

    void ButtonFmToFileClick();
    void ButtonFileToFmClick();
    void ButtonCancelClick();
    DspEepromTransfer& Transfer() { return transfer_; }
    QString Status() const;

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void FormShow();
    void ShowRequested(int n, int tries);
    void ShowRetrying(int n, std::uint8_t result, int tries);
    void TransferFinished(DspEepromTransfer::Outcome outcome);
    void WriteFile();
    void SetRunning(bool running);
    void SetStatus(const QString& text);
    void Message(const QString& text);

    Program& p_;
    std::unique_ptr<Ui::TFormDspRegDump> ui_;
    DspEepromTransfer transfer_;
    MessageFunction message_;
    FileFunction saveFile_;
    FileFunction openFile_;
    bool closeWhenDone_ = false;
};

}  // namespace tarvix
