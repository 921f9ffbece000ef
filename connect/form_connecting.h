// The connecting dialog TFormConnecting: a small non-modal window with animated dots that
// the main window shows while it connects to the device, and that turns into an error
// notice when the connection fails.
//
// The main window creates it once with itself as parent and:
//   show()s it after "Онлайн" has opened the port;
//   hide()s it when the first poll cycle is distributed (the connection is confirmed
//     only while isVisible());
//   calls ShowFailure at the end of every "Оффлайн" command;
//   connects OfflineRequested to its "Оффлайн" command.
#pragma once

#include <QDialog>

#include <memory>

class QTimer;

namespace Ui {
class TFormConnecting;
}

namespace tarvix {

class TFormConnecting : public QDialog {
    Q_OBJECT

  public:
    explicit TFormConnecting(QWidget* parent = nullptr);
    ~TFormConnecting() override;

    // The failure look: "Ошибка" in red, the hint to the journal, "Закрыть", no dots. The
    // dialog stays as it is, shown or hidden; the next show gives the connecting look.
    void ShowFailure();

    // Event handlers, wired to the window's events, the timer and the button.
    void FormShow();
    void AdvanceDots();
    void FormHide();
    void FormDeactivate();
    void GiveUpConnecting();

  Q_SIGNALS:
    // "Отмена" or "Закрыть" was pressed: the main window runs its "Оффлайн" command. The
    // dialog closes after the signal has been handled.
    void OfflineRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  public Q_SLOTS:
    // Escape does not close it: only "Отмена"/"Закрыть" and the main window do.
    void reject() override;

  private:
    void FitHint();
    void CenterOnParent();

    std::unique_ptr<Ui::TFormConnecting> ui_;
    QTimer* Timer1;
    bool failed_ = false;  // in the failure look (survives a language switch)
};

}  // namespace tarvix
