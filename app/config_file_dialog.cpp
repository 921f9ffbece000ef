#include "config_file_dialog.h"

#include "base/string_table.h"
#include "pages/message_box.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tarvix {

QString ShowConfigFileDialog(QWidget* parent, const QString& current) {
    QFileDialog dialog(parent, Str(kStrProgramTitle),
                       current.isEmpty() ? QString() : QFileInfo(current).absolutePath());
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name: an existing file, or a new one the user agrees to create.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("mbr"));
    dialog.setNameFilter(QStringLiteral("ModBusRegs (*.mbr)"));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo::exists(path)) return path;
    const QString question =
        QCoreApplication::translate("TForm1", "Файл %1 не существует.\nСоздать файл?").arg(path);
    const auto answer = ShowProgramMessage(parent, QMessageBox::Question, question,
                                           QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes ? path : QString();
}

}  // namespace tarvix
