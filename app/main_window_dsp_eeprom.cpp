// TForm1: "Дамп DspEeprom..." — the measuring module's EEPROM dump dialog, which takes the
// operation list for itself while it is open. The menu item exists in service editions only.
#include "main_window.h"

#include "pages/value_service.h"
#include "session/program.h"
#include "tools/form_dsp_eeprom.h"
#include "ui_main_window.h"

namespace tarvix {

void TForm1::SetDspEepromDialog(TFormDspRegDump* dspEeprom) {
    dspEeprom_ = dspEeprom;
    if (!dspEeprom_) return;
    dspEeprom_->SetMessageBox(message_);
    // The parameters read show on the measuring module's pages as a page read would.
    dspEeprom_->Transfer().ValueArrived = [this](int n, const QByteArray& bytes) {
        descriptors_->DspValueArrived(n, bytes);
    };
    connect(ui_->MenuDspEeprom, &QAction::triggered, this, &TForm1::OpenDspEeprom);
}

void TForm1::OpenDspEeprom() {
    if (!dspEeprom_) return;
    if (p_.Worker.WorkMode.load() != kModeOnline) {
        ConnectFirst([this] { OpenDspEeprom(); });
        return;
    }
    if (!connection_->PauseForTool()) return;
    dspEeprom_->SetMessageBox(message_);
    dspEeprom_->exec();
    // The window closed meanwhile (a signal to quit): the cycles stay stopped.
    if (!p_.Started) return;
    connection_->ResumeAfterTool();
}

}  // namespace tarvix
