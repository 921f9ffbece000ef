#include "dialog_shells.h"

#include <QCoreApplication>
#include <QEvent>

namespace tarvix {

PlaceholderDialog::PlaceholderDialog(const QString& objectName, const char* caption,
                                     QWidget* parent)
    : QDialog(parent), caption_(caption) {
    setObjectName(objectName);
    setWindowTitle(QCoreApplication::translate("PlaceholderDialog", caption_));
}

void PlaceholderDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(QCoreApplication::translate("PlaceholderDialog", caption_));
    QDialog::changeEvent(event);
}

}  // namespace tarvix
