// tarvix-sim as a child process of a test: started on a pseudo-terminal in a temporary
// folder, ready once it has printed its ready line, driven through its control socket.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace tarvix::sim::test {

class SimProcess {
  public:
    const QString program = QStringLiteral(TARVIX_BIN_DIR "/tarvix-sim");

    ~SimProcess() { Stop(); }

    // Starts the simulator on a new pseudo-terminal (or, with a device, on that serial
    // device) and waits (at most 10 s) for its ready line.
    ::testing::AssertionResult Start(const QStringList& extra = {}, const QString& device = {}) {
        if (!dir_.isValid()) return ::testing::AssertionFailure() << "no temporary folder";
        link_ = device.isEmpty() ? dir_.filePath(QStringLiteral("line")) : device;
        control_ = dir_.filePath(QStringLiteral("control"));
        QStringList args{device.isEmpty() ? QStringLiteral("--link") : QStringLiteral("--device"),
                         link_,
                         QStringLiteral("--control"),
                         control_,
                         QStringLiteral("--seed"),
                         QStringLiteral("1")};
        args += extra;
        process_.start(program, args);
        if (!process_.waitForStarted(5000)) {
            return ::testing::AssertionFailure() << "cannot start " << program.toStdString();
        }
        QByteArray out;
        while (!out.contains('\n')) {
            if (!process_.waitForReadyRead(10000)) {
                return ::testing::AssertionFailure()
                       << "no ready line; stderr: "
                       << process_.readAllStandardError().toStdString();
            }
            out += process_.readAllStandardOutput();
        }
        ready_ = QString::fromUtf8(out.left(out.indexOf('\n')));
        if (!ready_.startsWith(QStringLiteral("tarvix-sim: listening on ") + link_)) {
            return ::testing::AssertionFailure()
                   << "unexpected ready line: " << ready_.toStdString();
        }
        return ::testing::AssertionSuccess();
    }

    // Sends one control command through the simulator's own client mode; returns the reply.
    std::string Command(const QString& command) const {
        QProcess client;
        client.start(program,
                     {QStringLiteral("--control"), control_, QStringLiteral("--send"), command});
        client.waitForFinished(10000);
        return client.readAllStandardOutput().trimmed().toStdString();
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

    QByteArray Output() { return process_.readAllStandardOutput(); }
    const QString& Link() const { return link_; }
    const QString& ReadyLine() const { return ready_; }
    QString Path(const QString& name) const { return dir_.filePath(name); }

  private:
    QTemporaryDir dir_;
    QProcess process_;
    QString link_, control_, ready_;
};

}  // namespace tarvix::sim::test
