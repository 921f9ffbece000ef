// tarvix-cli run as a process, as a user or a script runs it: its exit code and both outputs.
// The C locale makes the decimal separator of what it prints ".".
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <ostream>
#include <string>

namespace tarvix::testing {

struct CliOutcome {
    int code = -1;
    bool crashed = false;
    std::string out, err;
};

inline std::ostream& operator<<(std::ostream& os, const CliOutcome& o) {
    return os << "exit " << o.code << (o.crashed ? " (crashed)" : "") << "\nstdout: " << o.out
              << "\nstderr: " << o.err;
}

inline CliOutcome RunCli(const QString& binary, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(binary, args);
    CliOutcome o;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        o.crashed = true;
    }
    o.crashed = o.crashed || p.exitStatus() != QProcess::NormalExit;
    o.code = p.exitCode();
    o.out = QString::fromUtf8(p.readAllStandardOutput()).toStdString();
    o.err = QString::fromUtf8(p.readAllStandardError()).toStdString();
    return o;
}

}  // namespace tarvix::testing
