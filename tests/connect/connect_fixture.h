// What the dialog tests share: a fresh set of program-wide objects on a temporary folder,
// the worker serving its lists, a port list the test decides, and message boxes answered
// and recorded in place of the user.
#pragma once

#include "connect/form_setup_com.h"
#include "connect/port_enumeration.h"
#include "link/thread_com.h"
#include "session/program.h"

#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace tarvix {

// The port list a test sets; the dialog sees changes at its next FillPortList.
class FixedPorts final : public PortEnumerator {
  public:
    explicit FixedPorts(std::shared_ptr<QStringList> names) : names_(std::move(names)) {}
    QStringList PortNames() const override { return *names_; }

  private:
    std::shared_ptr<QStringList> names_;
};

struct Asked {
    QMessageBox::Icon icon;
    QString text;
    QMessageBox::StandardButtons buttons;
};

class ConnectFixture {
  public:
    // settingsText: the content of "Tarvix.ini" before the dialog exists (empty: no file).
    explicit ConnectFixture(const QByteArray& settingsText = {});
    ~ConnectFixture();

    Program& P() { return *program_; }
    TFormSetupCom& Form() { return *form_; }
    QString IniPath() const;
    QByteArray IniBytes() const;

    // Starts the communication worker (the checks need it; settings tests do not).
    void StartWorker();

    // Journal lines since the start as "[inf] text" / "[err] text", without the time.
    QStringList Journal() const;

    // Message boxes shown so far; the answers given in turn (Ok, or No when not offered,
    // once the queue is empty).
    QList<Asked> asked;
    QList<QMessageBox::StandardButton> answers;

    std::shared_ptr<QStringList> ports = std::make_shared<QStringList>();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<ThreadCom> worker_;
    std::unique_ptr<TFormSetupCom> form_;
};

}  // namespace tarvix
