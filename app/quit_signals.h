// Ends the program as "Выход" does when the system asks it to stop: SIGTERM (a desktop
// logout, a service manager, kill), SIGINT (Ctrl-C in the terminal that started it) and
// SIGHUP (the terminal closed). The main window then closes normally: the journal gets its
// closing line, the worker is joined and every file is closed.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tarvix {

class QuitSignals : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; onQuit runs on the window thread when one of the signals came.
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

  Q_SIGNALS:
    void QuitRequested(int signal);

  private:
    void Drain();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tarvix
