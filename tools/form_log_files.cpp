#include "tools/form_log_files.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "pages/message_box.h"
#include "session/program.h"
#include "tools/journal_file_view.h"
#include "ui_form_log_files.h"

#include <QDate>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>

namespace tarvix {

TFormLogFiles::TFormLogFiles(Program& program, QWidget* parent)
    : QDialog(parent), p_(program), ui_(std::make_unique<Ui::TFormLogFiles>()) {
    ui_->setupUi(this);
    message_ = [](QWidget* owner, const QString& text) {
        ShowProgramMessage(owner, QMessageBox::Information, text, QMessageBox::Ok);
    };
    connect(ui_->FileListBox1, &QListWidget::itemClicked, this, &TFormLogFiles::FileListBox1Click);
    connect(ui_->FileListBox1, &QListWidget::itemActivated, this,
            &TFormLogFiles::FileListBox1Click);
}

TFormLogFiles::~TFormLogFiles() = default;

void TFormLogFiles::showEvent(QShowEvent* event) {
    // Days pass while the program runs: the list is read again each time it is shown.
    FillFileList();
    resize(width(), 473);
    QDialog::showEvent(event);
}

void TFormLogFiles::FillFileList() {
    const QString current =
        ui_->FileListBox1->currentItem() ? ui_->FileListBox1->currentItem()->text() : QString();
    ui_->FileListBox1->clear();
    const QDir logs(QDir(p_.Folder).filePath(QStringLiteral("Logs")));
    const QStringList names =
        logs.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
    ui_->FileListBox1->addItems(names);
    const auto found = ui_->FileListBox1->findItems(current, Qt::MatchExactly);
    if (!found.isEmpty()) ui_->FileListBox1->setCurrentItem(found.first());
}

void TFormLogFiles::FileListBox1Click() {
    const QListWidgetItem* item = ui_->FileListBox1->currentItem();
    if (!item) return;
    const QString name = item->text();
    // The file the journal writes now, also the one of the starting day after midnight, is
    // not loaded while it grows.
    const QString today =
        QDate::currentDate().toString(QStringLiteral("yyyy_MM_dd")) + QStringLiteral(".txt");
    if (name == today || name == QFileInfo(p_.Log.FileName()).fileName()) {
        message_(this, Str(kStrJournalInUse));
        return;
    }
    ui_->Memo1->clear();
    try {
        const JournalView view = ReadJournalView(
            QDir(p_.Folder).filePath(QStringLiteral("Logs/") + name), p_.Log.JournalFilter());
        ui_->Memo1->setPlainText(view.Text);
        if (view.Cut) {
            ui_->Memo1->appendPlainText(
                Str(kStrJournalViewCut).arg(kJournalViewLimit / (1024 * 1024)));
        }
        ui_->Memo1->moveCursor(QTextCursor::Start);
        ui_->Memo1->setFocus();
    } catch (const UserError& e) {
        message_(this, e.message());
    }
}

void TFormLogFiles::changeEvent(QEvent* event) {
    // The language is switched from the main window while this modal dialog is closed; what
    // it shows at run time is set again when it opens.
    if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

}  // namespace tarvix
