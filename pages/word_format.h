// Display formats of word values: printf-style text with one integer conversion ("%02d",
// "20%02d", "0x%04X"), applied and scanned by our own small interpreter. A format is text the
// user may type, so it never reaches the C library's printf or scanf.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace tarvix {

// The accepted subset: literal text, "%%", and at most one conversion
//   % [flags - + blank 0 #] [width] [.precision] [h | hh | l | ll] d i u x X o c
// with width and precision of at most two digits. "*", "$", "%n", "%s", floating
// conversions and a second conversion are refused.
//
// Formats value as printf would with an int argument ("h" narrows it to a short, "hh" to a
// char; "%c" is the Windows-1251 character of the low byte). Throws UserError for a format
// outside the subset.
QString FormatWord(QStringView format, int value);

// Reads one integer from text with format as a scanf-style pattern: literal characters must
// match, a blank matches any run of blanks, the conversion skips leading blanks and reads at
// most width characters ("20%02d" reads "2013" as 13 and nothing from "13"). Unlike scanf the
// whole text must match: the literal text after the conversion too, then nothing but blanks
// ("12abc" and, under "%02d", "123" are no values). nullopt when the text does not match or
// its number does not fit 32 bits. Throws UserError for a format outside the subset.
std::optional<std::int64_t> ScanWord(QStringView format, QStringView text);

// The least number a word edit may hold under format: a signed conversion narrowed by "h" or
// "hh" shows the upper half of the register as negative numbers ("%hd" shows 65535 as -1),
// and what it shows must read back, so it takes -32768 on; every other format 0.
std::int64_t ScanWordMinimum(QStringView format);

// Whether format lies in the subset (the formats dialog can warn before saving).
bool IsUsableWordFormat(QStringView format);

}  // namespace tarvix
