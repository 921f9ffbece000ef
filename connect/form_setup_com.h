// The COM settings dialog TFormSetupCom: the device address, port, line settings and answer
// time-out the program connects with. It keeps them in section "ComPort" of the settings
// file, copies them into ComSetup, opens and closes the port with journal lines, checks that
// the device answers, and searches for the device's address or port.
//
// The main window creates it once and keeps it for the run; it is the connection's line
// control (LineControl). The window and the connection controller call:
//   LoadSettings  at its first show, and after the device's own link settings were written;
//   exec()        for "Настройки связи..." (then shows Com.PortName in the status bar);
//   ReopenPort    for "Онлайн" (after ReleasePort when a port is open);
//   ReleasePort   whenever the program leaves the online state.
// ApplySettings and ReopenPort raise UserError for wrong input; the caller shows it in the
// standard error box. The dialog's own buttons catch and show it themselves.
#pragma once

#include "connect/port_enumeration.h"
#include "pages/message_box.h"
#include "session/connection_controller.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>

class QComboBox;
class QTimer;

namespace Ui {
class TFormSetupCom;
}

namespace tarvix {

struct Program;

class TFormSetupCom : public QDialog, public LineControl {
    Q_OBJECT

  public:
    // Item data role of the port list that holds the enumerated mark: true for names the
    // enumeration found, false for a name kept only because the settings or the user named it.
    static constexpr int kEnumeratedRole = Qt::UserRole;

    // The addresses one device answers at. Address 0 is the broadcast that every device on
    // the line obeys without answering: a page write to it would change them all. The
    // address search walks this range.
    static constexpr int kFirstAddress = 1;
    static constexpr int kLastAddress = 255;

    // ports: where FillPortList takes the list from; the platform's enumeration when null.
    explicit TFormSetupCom(Program& program, QWidget* parent = nullptr,
                           std::unique_ptr<PortEnumerator> ports = nullptr);
    ~TFormSetupCom() override;

    // Fills the controls from section "ComPort" and applies them. A missing, empty or
    // unreadable value gives its default (also an address outside 1..255), so this never
    // raises.
    void LoadSettings() override;
    // Writes the controls to "ComPort" (all but "StopBits", which only the file sets).
    void SaveSettings();
    // Rebuilds the port list from the enumeration, every item marked, item 0 selected.
    void FillPortList();
    // Selects the first item whose text equals text (case matters: Linux device names
    // differ by case); when there is none, appends text without the mark and selects it.
    static void SelectOrAddItem(QComboBox& combo, const QString& text);
    // Copies the controls into ComSetup in field order. An address that is not one of
    // 1..255, a baud rate or answer time-out that is not a number raises UserError; the
    // fields copied before it keep their new values.
    void ApplySettings();
    // Applies the controls and (re)opens the port, journalling it. False after the message
    // box that says why the port could not be opened. Raises UserError as ApplySettings.
    bool ReopenPort() override;
    // Closes the port; journals it only when a port was open.
    void ReleasePort() override;
    // Reads the device's address register once through the worker and tells whether the
    // configured device answered with its own address. report: journal a miss as an error.
    // Raises UserError (string 145) when the worker has died.
    bool CheckDevice(bool report);

    bool IsEnumerated(int index) const;

    // Replaces the message boxes (tests answer them).
    void SetMessageBox(MessageBoxFunction show) { message_ = std::move(show); }

    // Event handlers, wired to the controls and timers; public so that a test can drive a
    // search step by step.
    void FormShow();
    void FormHide();
    void CheckConnection();
    void SaveAndClose();
    void ApplyAndClose();
    void StartAddressSearch();
    void TryNextAddress();
    void StartPortSearch();
    void TryNextPort();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QMessageBox::StandardButton Message(QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons);
    QString FoundText() const;
    QString NotFoundAnywhereText() const;
    void EndAddressSearch();
    void EndPortSearch();
    void SelectPortText(const QString& text);

    Program& program_;
    std::unique_ptr<Ui::TFormSetupCom> ui_;
    std::unique_ptr<PortEnumerator> ports_;
    MessageBoxFunction message_;
    QTimer* TimerSearch;
    QTimer* TimerSearchPort;

    // Search state: the address to give back when the address search finds nothing, the
    // next address to try, and the port to give back when the port search finds nothing.
    std::uint8_t savedAddress_ = 1;
    int candidateAddress_ = 1;
    QString savedPort_;
    // A running search shows "Прервать" on its button; these say which one runs, also
    // while a language switch gives the buttons their captions anew.
    bool addressSearching_ = false;
    bool portSearching_ = false;
};

}  // namespace tarvix
