// TForm1: "Журнал" → "Просмотр...", the journal files of earlier days.
#include "main_window.h"

#include "tools/form_log_files.h"
#include "ui_main_window.h"

namespace tarvix {

void TForm1::SetJournalViewer(TFormLogFiles* logFiles) {
    logFiles_ = logFiles;
    if (logFiles_) {
        // Asked at the time of the box, so a test's replacement of the boxes counts here too.
        logFiles_->SetMessageBox([this](QWidget* owner, const QString& text) {
            message_(owner, QMessageBox::Information, text, QMessageBox::Ok);
        });
    }
    connect(ui_->N21, &QAction::triggered, this, &TForm1::OpenJournalViewer);
}

void TForm1::OpenJournalViewer() {
    if (logFiles_) logFiles_->exec();
}

}  // namespace tarvix
