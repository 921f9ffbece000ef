// The dialogs whose work belongs to tools still to come: the journal viewer, the
// current-output calibration wizard and the measuring module's EEPROM dump. Each exists from
// start-up with its caption, so the main window can hold and open them; their contents
// arrive with their tools.
#pragma once

#include <QDialog>

namespace tarvix {

class PlaceholderDialog : public QDialog {
    Q_OBJECT
  public:
    PlaceholderDialog(const QString& objectName, const QString& caption, QWidget* parent);
};

}  // namespace tarvix
