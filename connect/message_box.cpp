#include "message_box.h"

#include "base/string_table.h"
#include "base/user_error.h"

namespace tarvix {

QMessageBox::StandardButton ShowProgramMessage(QWidget* parent, QMessageBox::Icon icon,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, Str(kStrProgramTitle), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowUserError(const MessageBoxFunction& show, QWidget* parent, const UserError& error) {
    show(parent, QMessageBox::Critical, error.message(), QMessageBox::Ok);
}

}  // namespace tarvix
