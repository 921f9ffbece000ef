// Reading typed values back: the integer and float parses of an edit's text with their
// limits and messages, and the date of a measuring-module parameter.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace tarvix {

// The limits the edits of the pages are checked against.
inline constexpr int kEditMin = -100000000;
inline constexpr int kEditMax = 100000000;
// What one holding register holds: a word edit beyond it is refused, not cut to 16 bits.
inline constexpr int kWordMin = 0;
inline constexpr int kWordMax = 0xFFFF;

// A decimal integer (surrounding blanks allowed, an optional sign) within min..max.
// Throws UserError "Недопустимое значение: " + s when s is not one (also when it does not
// fit 64 bits), s + " выходит за пределы допустимых значений: " + min + ".." + max when it
// lies outside.
std::int64_t ParseInteger(QStringView s, std::int64_t min, std::int64_t max);

struct ParsedFloat {
    double Value;
    QString Text;  // s with the other separator replaced by the system's
};

// A number written with "." or "," as decimal separator (an exponent allowed), within
// min..max. The other separator than decimalSep ("." when the system uses ",", otherwise
// ",") is replaced by decimalSep first, and that text is what the edit shows afterwards.
// NaN and infinities are not numbers here. Throws the messages of ParseInteger.
ParsedFloat ParseFloat(QStringView s, int min, int max, QChar decimalSep);

// A measuring-module date "dd.mm.yy": day, month and year byte. The year is stored as the
// two digits typed (the year - 2000, as the display shows "20" + two digits); a four-digit
// year from 2000 on, as the display shows it, is taken as well. Each part must be an integer
// of 0..255 (after the 2000 is taken off the year). A text without its two points is not a
// value ("Недопустимое значение: " + s).
std::array<std::uint8_t, 3> ParseDspDate(QStringView s);

}  // namespace tarvix
