// TForm1: the service tools opened from the menus, which take the operation list for
// themselves while they are open.
#include "main_window.h"

#include "session/program.h"
#include "tools/form_reg_dump.h"
#include "ui_main_window.h"

namespace tarvix {

void TForm1::SetToolDialogs(TFormRegDump* regDump) {
    regDump_ = regDump;
    if (regDump_) regDump_->SetMessageBox(message_);
    connect(ui_->MenuRegDump, &QAction::triggered, this, &TForm1::OpenRegDump);
}

void TForm1::OpenRegDump() {
    if (!regDump_) return;
    if (p_.Worker.WorkMode.load() != kModeOnline) {
        ConnectFirst([this] { OpenRegDump(); });
        return;
    }
    if (!connection_->PauseForTool()) return;
    regDump_->SetMessageBox(message_);
    regDump_->exec();
    connection_->ResumeAfterTool();
}

}  // namespace tarvix
