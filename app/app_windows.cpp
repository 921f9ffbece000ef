#include "app_windows.h"

#include "app/dialog_shells.h"
#include "app/main_window.h"
#include "connect/form_connecting.h"
#include "connect/form_setup_com.h"
#include "formats/form_about.h"
#include "formats/form_formats.h"
#include "tools/form_cur_calibr.h"
#include "tools/form_log_files.h"
#include "tools/form_reg_dump.h"

namespace tarvix {

std::unique_ptr<TForm1> CreateMainWindows(Program& program) {
    auto form = std::make_unique<TForm1>(program);
    TForm1* owner = form.get();
    auto* setupCom = new TFormSetupCom(program, owner);
    auto* regDump = new TFormRegDump(program, owner);
    auto* logFiles = new TFormLogFiles(program, owner);
    auto* curCalibr = new TFormCurCalibr(program, owner);
    auto* about = new TFormAbout(program, owner);
    auto* formats =
        new TFormFormats(program, owner->Values(), owner->Connection().Distribution(), owner);
    auto* connecting = new TFormConnecting(owner);
    new PlaceholderDialog(QStringLiteral("TFormDspRegDump"),
                          QT_TRANSLATE_NOOP("PlaceholderDialog", "Дамп DspEeprom"), owner);
    form->SetDialogs(setupCom, connecting);
    form->SetToolDialogs(regDump);
    form->SetCalibrationDialog(curCalibr);
    form->SetFormatDialogs(formats, about);
    form->SetJournalViewer(logFiles);
    return form;
}

}  // namespace tarvix
