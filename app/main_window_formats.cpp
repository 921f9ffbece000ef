// TForm1: the presentation settings of the "Файл" and "Помощь" menus, the display formats
// dialog and the About box.
#include "main_window.h"

#include "formats/form_about.h"
#include "formats/form_formats.h"
#include "ui_main_window.h"

namespace tarvix {

void TForm1::SetFormatDialogs(TFormFormats* formats, TFormAbout* about) {
    formats_ = formats;
    about_ = about;
    if (formats_) {
        // Asked at the time of the box, so a test's replacement of the boxes counts here too.
        formats_->SetMessageBox([this](QWidget* owner, const QString& text) {
            message_(owner, QMessageBox::Warning, text, QMessageBox::Ok);
        });
    }
    connect(ui_->MenuFormat, &QAction::triggered, this, &TForm1::OpenFormats);
    connect(ui_->MenuAbout, &QAction::triggered, this, &TForm1::OpenAbout);
}

void TForm1::OpenFormats() {
    if (!formats_) return;
    // The dialog reads its test value through the operation list, which the cycles must not
    // refill meanwhile. A list the worker still holds makes the dialog's read report the
    // time-out, as it would with the device busy.
    connection_->PauseForTool();
    formats_->exec();
    connection_->ResumeAfterTool();
}

void TForm1::OpenAbout() {
    if (about_) about_->exec();
}

}  // namespace tarvix
