// TFormDspRegDump ("Дамп DspEeprom"): saves the measuring module's 20 EEPROM parameters to a
// DSP dump file and writes such a file back, showing the parameter in transfer, the retries,
// the progress and the outcome. The transfer itself is DspEepromTransfer's; a file is checked
// as a whole before the first parameter is sent.
#pragma once

#include "tools/dsp_eeprom_transfer.h"
#include "tools/transfer_dialog.h"

#include <functional>
#include <memory>

namespace Ui {
class TFormDspRegDump;
}

namespace tarvix {

struct Program;

class TFormDspRegDump : public TransferDialog {
    Q_OBJECT
  public:
    // The file dialogs the dialog asks through; tests answer in place of the user. They
    // return the chosen path, or an empty string when cancelled.
    using FileFunction = std::function<QString(QWidget*)>;

    explicit TFormDspRegDump(Program& program, QWidget* parent = nullptr);
    ~TFormDspRegDump() override;

    void SetFileDialogs(FileFunction save, FileFunction open);

    void ButtonFmToFileClick();
    void ButtonFileToFmClick();
    DspEepromTransfer& Transfer() { return transfer_; }

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool TransferRunning() const override { return transfer_.Running(); }
    void AbortTransfer() override { transfer_.RequestAbort(); }

  private:
    void FormShow();
    void ShowRequested(int n, int tries);
    void ShowRetrying(int n, std::uint8_t result, int tries);
    void TransferFinished(DspEepromTransfer::Outcome outcome);
    void WriteFile();

    Program& p_;
    std::unique_ptr<Ui::TFormDspRegDump> ui_;
    DspEepromTransfer transfer_;
    FileFunction saveFile_;
    FileFunction openFile_;
};

}  // namespace tarvix
