// The get and set commands of the command-line companion: one parameter by its table name,
// read from or written to the transmitter and shown as the configuration pages show it.
#pragma once

#include "cli/cli_link.h"
#include "model/param_table.h"

#include <QChar>
#include <QString>

#include <functional>

class QTextStream;

namespace tarvix::cli {

struct ParamCommand {
    bool Set = false;
    QString Name{};
    QString Value{};  // set only
    bool Raw = false;
    bool Verbose = false;
    int Level = AccessLevel;  // the edition's; a test may ask for another
    int LangIndex = 0;        // menu texts and titles: 0 Russian, 1 English
    QChar DecimalSep = QLatin1Char('.');
};

// Checks the name and, for set, the access and the value (as far as it does not depend on
// the device), then calls openPort, which opens the line and returns an empty string or the
// reason it could not. get reads the value and prints its line; set writes it (inside the
// access-key bracket where the device asks for it), reads it back and prints that. On a
// configuration file the same happens in the file; a measuring-module parameter is refused
// there. The value line goes to out, messages and notes to err. Returns the exit code
// (exit_codes.h).
int RunParamCommand(const ParamCommand& c, const Target& t,
                    const std::function<QString()>& openPort, QTextStream& out, QTextStream& err);

}  // namespace tarvix::cli
