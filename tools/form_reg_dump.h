// TFormRegDump ("Дамп регистров"): saves the device's registers to a dump file and writes a
// dump file back into the device, showing the register in transfer, the progress and the
// outcome. The transfer itself is RegisterDumpTransfer's.
#pragma once

#include "tools/register_dump_transfer.h"
#include "tools/transfer_dialog.h"

#include <functional>
#include <memory>

namespace Ui {
class TFormRegDump;
}

namespace tarvix {

struct Program;

class TFormRegDump : public TransferDialog {
    Q_OBJECT
  public:
    // The file dialogs the dialog asks through; tests answer in place of the user. They
    // return the chosen path, or an empty string when cancelled.
    using SaveFileFunction = std::function<QString(QWidget*, const QString& proposed)>;
    using OpenFileFunction = std::function<QString(QWidget*)>;

    TFormRegDump(Program& program, QWidget* parent = nullptr);
    ~TFormRegDump() override;

    void SetFileDialogs(SaveFileFunction save, OpenFileFunction open);

    void ButtonFmToFileClick();
    void ButtonFileToFmClick();
    RegisterDumpTransfer& Transfer() { return transfer_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool TransferRunning() const override { return transfer_.Running(); }
    void AbortTransfer() override { transfer_.RequestAbort(); }

  private:
    void FormShow();
    void ShowRequested(int reg, int done, int total);
    void TransferFinished(RegisterDumpTransfer::Outcome outcome);
    void WriteFile();

    Program& p_;
    std::unique_ptr<Ui::TFormRegDump> ui_;
    RegisterDumpTransfer transfer_;
    SaveFileFunction saveFile_;
    OpenFileFunction openFile_;
    bool reading_ = false;
};

}  // namespace tarvix
