// The "params" command of the command-line companion: prints the parameter table.
#pragma once

class QTextStream;

namespace tarvix {

// Writes every row of the parameter table, one line per row, the fields separated by tabs:
// row, Name, DspSize, Type, Access, Reg, Attr (hexadecimal, "0x201"), Russian title, English
// title. The stream's encoding is the caller's (Qt's default, UTF-8). Returns the exit code 0.
int RunParamsCommand(QTextStream& out);

}  // namespace tarvix
