#include "formats/form_about.h"

#include "base/string_table.h"
#include "program_version.h"
#include "session/program.h"
#include "ui_form_about.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>

namespace tarvix {

QString ProgramVersion() {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(kVersionParts[0])
        .arg(kVersionParts[1])
        .arg(kVersionParts[2])
        .arg(kVersionParts[3]);
}

QString ProgramCommit() { return QString::fromLatin1(kGitCommit); }

QString SettingsPlace(const QString& settingsFile, const QString& executableFolder) {
    const QString folder = QFileInfo(settingsFile).absolutePath();
    const bool beside = QDir(folder).canonicalPath() == QDir(executableFolder).canonicalPath();
    return Str(kStrSettingsIn).arg(QDir::toNativeSeparators(settingsFile)) + QStringLiteral(" (") +
           Str(beside ? kStrProgramFolder : kStrUserDataFolder) + QLatin1Char(')');
}

TFormAbout::TFormAbout(Program& program, QWidget* parent)
    : QDialog(parent), p_(program), ui_(std::make_unique<Ui::TFormAbout>()) {
    ui_->setupUi(this);
    // OK and Escape close the box (Escape is QDialog's reject).
    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TFormAbout::~TFormAbout() = default;

void TFormAbout::showEvent(QShowEvent* event) {
    ui_->ProductName->setText(Str(kStrProgramTitle));
    ui_->ProgramIcon->setPixmap(QGuiApplication::windowIcon().pixmap(64, 64));
    ui_->LabelVersion->setText(ProgramVersion());
    const QString commit = ProgramCommit();
    ui_->LabelCommit->setText(commit.isEmpty() ? Str(kStrNoCommit)
                                               : QStringLiteral("git ") + commit);
    ui_->LabelSettings->setText(
        SettingsPlace(p_.Settings.FileName(), QCoreApplication::applicationDirPath()));
    QDialog::showEvent(event);
}

void TFormAbout::changeEvent(QEvent* event) {
    // The language is switched from the main window while this modal dialog is closed; what
    // it shows at run time is set again when it opens.
    if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

}  // namespace tarvix
