// The dialogs whose work belongs to tools still to come (the measuring module's EEPROM dump).
// Each exists from start-up with its caption, so the main window can hold and open it; its
// contents arrive with its tool.
#pragma once

#include <QDialog>

namespace tarvix {

class PlaceholderDialog : public QDialog {
    Q_OBJECT
  public:
    // caption: the Russian source text, marked for lupdate in context "PlaceholderDialog".
    PlaceholderDialog(const QString& objectName, const char* caption, QWidget* parent);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    const char* caption_;
};

}  // namespace tarvix
