// tarvix-cli signals: the measuring module records its signals, and the signal memory's two
// raw (or, with --filtered, two filtered) channels are transferred block by block into a
// signal file that the program's chart pages load.
#pragma once

#include "link/com_setup.h"

#include <QChar>
#include <QString>
#include <QTextStream>

#include <functional>

namespace tarvix::cli {

struct SignalsOptions {
    QString File;
    bool Filtered = false;
    bool Progress = false;  // a progress line (standard output is a terminal)
    QChar DecimalSep = QLatin1Char('.');
};

// Returns the process's exit code; messages go to err. openPort opens the port and returns
// an empty string, or the message why it could not.
int RunSignals(const SignalsOptions& o, ComSetup& com, const std::function<QString()>& openPort,
               QTextStream& out, QTextStream& err);

}  // namespace tarvix::cli
