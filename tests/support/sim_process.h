// tarvix-sim as a child process of a test (GoogleTest or Qt Test): started on a
// pseudo-terminal in a temporary folder, or on a given serial device, ready once it has
// printed its ready line, driven through its control socket and ended with SIGTERM.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace tarvix::testing {

class SimProcess {
  public:
    // The noise seed: a fixed one keeps the simulated values the same from run to run.
    explicit SimProcess(int seed = 1) : seed_(seed) {}
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the simulator on a new pseudo-terminal and waits (at most 10 s) for its ready
    // line; false with the reason in *error when it did not come up.
    bool Start(const QStringList& extra = {}, QString* error = nullptr) {
        return Launch(QStringLiteral("--link"), dir_.filePath(QStringLiteral("line")), extra,
                      error);
    }

    // The same on a serial device (a pseudo-terminal pair's other end, for instance).
    bool StartOn(const QString& device, const QStringList& extra = {}, QString* error = nullptr) {
        return Launch(QStringLiteral("--device"), device, extra, error);
    }

    // One control command ("silent on", "set 430 5" ...) through the simulator's own client
    // mode; returns the reply line.
    QString Command(const QString& command) const {
        QProcess client;
        client.start(Program(),
                     {QStringLiteral("--control"), control_, QStringLiteral("--send"), command});
        client.waitForFinished(10000);
        return QString::fromUtf8(client.readAllStandardOutput().trimmed());
    }

    // Ends it with SIGTERM, as a service manager would, and returns its exit code.
    int Stop() {
        if (process_.state() == QProcess::NotRunning) return process_.exitCode();
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(2000);
        }
        return process_.exitCode();
    }

    // The port the master opens: the pseudo-terminal's link, or the device.
    const QString& Link() const { return link_; }
    const QString& ReadyLine() const { return ready_; }
    // A file name in the simulator's temporary folder.
    QString Path(const QString& name) const { return dir_.filePath(name); }
    static QString Program() { return QStringLiteral(TARVIX_BIN_DIR "/tarvix-sim"); }

  private:
    bool Launch(const QString& lineOption, const QString& line, const QStringList& extra,
                QString* error) {
        const auto fail = [error](const QString& why) {
            if (error) *error = why;
            return false;
        };
        if (!dir_.isValid()) return fail(QStringLiteral("no temporary folder"));
        link_ = line;
        control_ = dir_.filePath(QStringLiteral("control"));
        process_.start(Program(),
                       QStringList{lineOption, link_, QStringLiteral("--control"), control_,
                                   QStringLiteral("--seed"), QString::number(seed_)} +
                           extra);
        if (!process_.waitForStarted(5000)) {
            return fail(QStringLiteral("cannot start ") + Program());
        }
        QByteArray out;
        while (!out.contains('\n')) {
            if (!process_.waitForReadyRead(10000)) {
                return fail(QStringLiteral("no ready line; stderr: ") +
                            QString::fromLocal8Bit(process_.readAllStandardError()));
            }
            out += process_.readAllStandardOutput();
        }
        ready_ = QString::fromUtf8(out.left(out.indexOf('\n')));
        if (!ready_.startsWith(QStringLiteral("tarvix-sim: listening on ") + link_)) {
            return fail(QStringLiteral("unexpected ready line: ") + ready_);
        }
        return true;
    }

    int seed_;
    QTemporaryDir dir_;
    QProcess process_;
    QString link_, control_, ready_;
};

}  // namespace tarvix::testing
