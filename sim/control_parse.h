// The words of a control command line and their parsing: numbers, switches, registers, and
// the reply texts. Shared by the command files of the control language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix::sim {

using Args = std::vector<std::string>;

// The words of a line, split at blanks and tabs.
Args Split(std::string_view line);
// Decimal, or hexadecimal with "0x"; a leading minus for decimals.
bool ParseInt(const std::string& s, long long* v);
// A finite decimal number.
bool ParseDouble(const std::string& s, double* v);
bool ParseOnOff(const std::string& s, bool* on);
// A register by number or by parameter name (the row's register, the low half of a float).
bool ParseReg(const std::string& s, int* reg);

std::string Error(const std::string& why);
// A float the way `get` prints it: as many digits as tell it apart from its neighbours.
std::string FormatFloat(float f);

}  // namespace tarvix::sim
