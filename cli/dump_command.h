// tarvix-cli dump, restore and diff: the register dump of the service program on the command
// line. dump reads the 21 blocks into a dump file; restore checks a file's checksum and writes
// every parameter the edition may change, one request each; diff compares two files
// parameter by parameter as the pages show the values.
#pragma once

#include "link/com_setup.h"

#include <QString>
#include <QTextStream>

#include <functional>

namespace tarvix::cli {

struct DumpOptions {
    QString File;
    bool Progress = false;  // a progress line (standard output is a terminal)
    bool Verbose = false;   // the summary (what moved, the pass's time) on standard error
};

// Each returns the process's exit code and prints its messages to err. openPort opens the
// port and returns an empty string, or the message why it could not.
int RunDump(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
            QTextStream& out, QTextStream& err);
int RunRestore(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
               QTextStream& out, QTextStream& err);
struct DiffOptions {
    QString A, B;  // a configuration file, or a serial port / pseudo-terminal to read
    bool Raw = false;
    QChar DecimalSep = QLatin1Char('.');
};
// Prints one line per differing parameter: name, tab, the value in A, tab, the value in B,
// as the pages show them; with Raw one line per differing register: its number and both
// words. openDevice sets up and opens com for a device operand (empty string, or why not).
// Exit code kExitOk when equal, kExitDiffer when not.
int RunDiff(const DiffOptions& o,
            const std::function<QString(ComSetup&, const QString&)>& openDevice, QTextStream& out,
            QTextStream& err);

// A character device (a serial port or pseudo-terminal), also through a symbolic link.
bool IsDevicePath(const QString& path);

}  // namespace tarvix::cli
