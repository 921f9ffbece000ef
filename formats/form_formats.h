// TFormFormats ("Формат вывода значений параметров"): the display format of each parameter,
// with a live example drawn by the safe interpreters, the parameter's present value read
// from the device as test value, and the format kept in the settings file.
#pragma once

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <memory>

namespace Ui {
class TFormFormats;
}

namespace tarvix {

struct Program;
struct DistributeHooks;
class Descriptors;

class TFormFormats : public QDialog {
    Q_OBJECT
  public:
    // The box that reports a refused format; tests answer in place of the user.
    using MessageFunction = std::function<void(QWidget*, const QString&)>;

    // hooks: what distribution of the read value triggers (the main window's controls).
    TFormFormats(Program& program, Descriptors& descriptors, const DistributeHooks& hooks,
                 QWidget* parent = nullptr);
    ~TFormFormats() override;

    void SetMessageBox(MessageFunction f) { message_ = std::move(f); }

    void ListBox1Click();
    void EditFormatChange();
    void ButtonSaveClick();
    void ButtonCurValClick();
    // Selects the row of the parameter table (nothing when the list does not hold it).
    void SelectRow(int row);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    int SelectedRow() const;
    void ShowError(const QString& text, const QString& hint = {});

    Program& p_;
    Descriptors& descriptors_;
    const DistributeHooks& hooks_;
    std::unique_ptr<Ui::TFormFormats> ui_;
    MessageFunction message_;
};

}  // namespace tarvix
