// The "params" command of the command-line companion: prints the parameter table, with the
// values of a configuration file when one is given.
#pragma once

#include <QChar>

class QTextStream;

namespace tarvix {

struct RegisterImage;

// Writes every row of the parameter table, one line per row, the fields separated by tabs:
// row, Name, DspSize, Type, Access, Reg, Attr (hexadecimal, "0x201"), Russian title, English
// title. With values (a configuration file loaded into a register image) a tenth field holds
// each register row's value as get shows it (empty for group and measuring-module rows). The
// stream's encoding is the caller's (Qt's default, UTF-8). Returns the exit code 0.
int RunParamsCommand(QTextStream& out, const RegisterImage* values = nullptr,
                     QChar decimalSep = QLatin1Char('.'));

}  // namespace tarvix
