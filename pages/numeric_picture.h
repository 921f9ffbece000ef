// Numeric pictures for floating-point values ("0.000", "0.##", "0.0000e+00"...), the shortest
// picture that reproduces a stored single, and the general decimal form of a number.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace tarvix {

// Formats value by a numeric picture; the decimal point is shown as decimalSep.
//
// Picture: "0" a mandatory digit, "#" an optional one, "." (or ",") the decimal point,
// "e+00" / "E+00" scientific notation whose exponent always carries its sign and at least as
// many digits as zeros follow the sign ("e-00": a sign only when negative). Text before the
// first placeholder and after the number (also quoted '...' or "...") is copied; from an
// unquoted ";" on the picture is ignored.
//
// Rounding is half away from zero on the exact value stored, as the transmitter's display
// rounds the single it holds: 2.675f, stored as 2.67499995..., gives "2.67" with "0.00";
// 0.125f, exactly half way, "0.13". A result that rounds to zero has no minus sign. NaN
// gives "NaN", infinities "INF" and "-INF".
//
// Throws UserError when the picture has no digit placeholder or placeholders follow the text
// behind the number: such a picture cannot show a value.
QString FormatPicture(float value, QStringView picture, QChar decimalSep);
QString FormatPicture(double value, QStringView picture, QChar decimalSep);

// The picture of a writable float without a format: "0.000" with as many further zeros as it
// takes, up to 8 decimals, for the value it shows to convert back to exactly f.
QString FloatFormatFor(float f);

// The general decimal form with up to 15 significant digits, as a value is written when no
// picture applies (0.1f widened gives "0.100000001490116", 1e20 "1E20", 1e-7 "1E-7").
QString GeneralFloatText(double value, QChar decimalSep);

}  // namespace tarvix
