// The simulated transmitter for Qt Test programs: tarvix-sim on a pseudo-terminal in a
// temporary folder, ready once it printed its ready line, steered through its control socket.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace tarvix::testing {

class SimRunner {
  public:
    ~SimRunner() { Stop(); }

    // Starts the simulator; false with the reason in *error when it did not come up.
    bool Start(const QStringList& extra = {}, QString* error = nullptr) {
        link_ = dir_.filePath(QStringLiteral("transmitter"));
        control_ = dir_.filePath(QStringLiteral("control"));
        process_.start(Program(),
                       QStringList{QStringLiteral("--link"), link_, QStringLiteral("--control"),
                                   control_, QStringLiteral("--seed"), QStringLiteral("7")} +
                           extra);
        QByteArray out;
        while (process_.waitForReadyRead(10000)) {
            out += process_.readAllStandardOutput();
            if (out.contains('\n')) return true;
        }
        if (error) *error = QString::fromLocal8Bit(process_.readAllStandardError());
        return false;
    }

    // One control command ("silent on", "set 430 5" ...); returns the reply line.
    QString Command(const QString& command) const {
        QProcess client;
        client.start(Program(),
                     {QStringLiteral("--control"), control_, QStringLiteral("--send"), command});
        client.waitForFinished(10000);
        return QString::fromUtf8(client.readAllStandardOutput().trimmed());
    }

    void Stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }

    const QString& Link() const { return link_; }
    static QString Program() { return QStringLiteral(TARVIX_BIN_DIR "/tarvix-sim"); }

  private:
    QTemporaryDir dir_;
    QProcess process_;
    QString link_, control_;
};

}  // namespace tarvix::testing
