#include "dialog_shells.h"

namespace tarvix {

PlaceholderDialog::PlaceholderDialog(const QString& objectName, const QString& caption,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
}

}  // namespace tarvix
