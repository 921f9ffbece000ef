#include "pages/numeric_picture.h"

#include "pages/conversion_errors.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace tarvix {
namespace {

// A finite number as decimal digits: value = 0.Digits x 10^Point, Digits without leading or
// trailing zeros; empty Digits is zero.
struct Decimal {
    bool Negative = false;
    std::string Digits;
    int Point = 0;
};

// Significant digits that hold every finite value of the type exactly: a binary fraction has
// a finite decimal expansion, at most 112 digits for a single (the subnormals) and 767 for a
// double.
template <typename T>
constexpr int kExactDigits = sizeof(T) == sizeof(float) ? 120 : 770;

// The exact decimal value of the stored number. Pictures round this, not the shortest text
// that reads back as the same number: the transmitter's display rounds the single it holds,
// and an engineer comparing the two must see the same digits (2.675f is stored as
// 2.67499995..., so the display and the program show "2.67" with two decimals).
template <typename T>
Decimal ExactDecimal(T value) {
    char buf[kExactDigits<T> + 16];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kExactDigits<T>);
    const std::string s(buf, r.ptr);  // "-1.2345000...e+07", "0.000...e+00"
    Decimal d;
    std::size_t i = 0;
    if (s[i] == '-') {
        d.Negative = true;
        ++i;
    }
    const std::size_t e = s.find('e');
    for (; i < e; ++i) {
        if (s[i] != '.') d.Digits.push_back(s[i]);
    }
    const int exponent = std::atoi(s.c_str() + e + 1);
    d.Point = exponent + 1;
    while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
    if (d.Digits.empty()) d.Point = 0;
    return d;
}

// Keeps the first keep digits, rounding half away from zero on the next one.
void RoundToDigits(Decimal& d, int keep) {
    const int n = static_cast<int>(d.Digits.size());
    if (keep >= n) return;
    if (keep < 0) {
        d.Digits.clear();
        d.Point = 0;
        return;
    }
    const bool up = d.Digits[static_cast<std::size_t>(keep)] >= '5';
    d.Digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9') {
            d.Digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Point;
        } else {
            ++d.Digits[static_cast<std::size_t>(i)];
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
    if (d.Digits.empty()) d.Point = 0;
}

// The digit at position k counted from the first digit of the mantissa (k may lie outside).
char DigitAt(const Decimal& d, int k) {
    return (k >= 0 && k < static_cast<int>(d.Digits.size())) ? d.Digits[static_cast<std::size_t>(k)]
                                                             : '0';
}

struct Picture {
    QString Prefix;
    QString Suffix;
    int IntPlaceholders = 0;
    int IntZeros = 0;
    int FracPlaceholders = 0;
    int FracMandatory = 0;  // decimals up to the last "0" after the point
    bool Scientific = false;
    QChar ExpChar;
    bool ExpAlwaysSigned = false;
    int ExpDigits = 0;
};

Picture ParsePicture(QStringView text) {
    enum class At { Before, Number, After };
    Picture p;
    At at = At::Before;
    bool point = false;
    const auto literal = [&](QChar c) {
        if (at == At::Before) {
            p.Prefix.append(c);
        } else {
            at = At::After;
            p.Suffix.append(c);
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u';') break;
        if (c == u'\'' || c == u'"') {
            qsizetype j = i + 1;
            while (j < text.size() && text[j] != c) literal(text[j++]);
            if (at == At::Number) at = At::After;
            i = j;
            continue;
        }
        const bool placeholder = c == u'0' || c == u'#';
        const bool separator = c == u'.' || c == u',';
        if ((placeholder || separator) && at == At::After) throw UnusableFormatError(text);
        if (placeholder) {
            at = At::Number;
            if (point) {
                ++p.FracPlaceholders;
                if (c == u'0') p.FracMandatory = p.FracPlaceholders;
            } else {
                ++p.IntPlaceholders;
                if (c == u'0') ++p.IntZeros;
            }
            continue;
        }
        if (separator) {
            if (point) throw UnusableFormatError(text);
            point = true;
            at = At::Number;
            continue;
        }
        if ((c == u'e' || c == u'E') && at == At::Number && i + 2 < text.size() &&
            (text[i + 1] == u'+' || text[i + 1] == u'-') && text[i + 2] == u'0') {
            p.Scientific = true;
            p.ExpChar = c;
            p.ExpAlwaysSigned = text[i + 1] == u'+';
            qsizetype j = i + 2;
            while (j < text.size() && text[j] == u'0') {
                ++p.ExpDigits;
                ++j;
            }
            at = At::After;
            i = j - 1;
            continue;
        }
        literal(c);
    }
    if (p.IntPlaceholders + p.FracPlaceholders == 0) throw UnusableFormatError(text);
    return p;
}

// The decimals of a picture: fixed digits, then optional ones dropped while they are zero.
QString Fraction(const Decimal& d, int first, const Picture& p) {
    QString frac;
    for (int j = 0; j < p.FracPlaceholders; ++j) frac.append(QLatin1Char(DigitAt(d, first + j)));
    while (frac.size() > p.FracMandatory && frac.endsWith(u'0')) frac.chop(1);
    return frac;
}

template <typename T>
QString Format(T value, QStringView pictureText, QChar sep) {
    const Picture p = ParsePicture(pictureText);
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    Decimal d = ExactDecimal(value);
    QString integer;
    QString frac;
    QString exponent;
    if (p.Scientific) {
        const int intDigits = p.IntPlaceholders > 0 ? p.IntPlaceholders : 1;
        RoundToDigits(d, intDigits + p.FracPlaceholders);
        const int exp = d.Digits.empty() ? 0 : d.Point - intDigits;
        for (int k = 0; k < intDigits; ++k) integer.append(QLatin1Char(DigitAt(d, k)));
        frac = Fraction(d, intDigits, p);
        QString digits = QString::number(std::abs(exp));
        while (digits.size() < p.ExpDigits) digits.prepend(u'0');
        exponent.append(p.ExpChar);
        if (exp < 0) {
            exponent.append(u'-');
        } else if (p.ExpAlwaysSigned) {
            exponent.append(u'+');
        }
        exponent.append(digits);
    } else {
        RoundToDigits(d, d.Point + p.FracPlaceholders);
        for (int k = 0; k < d.Point; ++k) integer.append(QLatin1Char(DigitAt(d, k)));
        while (integer.size() < p.IntZeros) integer.prepend(u'0');
        frac = Fraction(d, d.Point, p);
    }
    QString out = p.Prefix;
    if (d.Negative && !d.Digits.empty()) out.append(u'-');
    out.append(integer);
    if (!frac.isEmpty()) {
        out.append(sep);
        out.append(frac);
    }
    out.append(exponent);
    out.append(p.Suffix);
    return out;
}

// The decimal rounded to d decimals read back as a single.
bool RoundTripsAt(float f, int decimals) {
    Decimal d = ExactDecimal(f);
    RoundToDigits(d, d.Point + decimals);
    std::string text = d.Negative ? "-0." : "0.";
    text += d.Digits.empty() ? "0" : d.Digits;
    text += 'e' + std::to_string(d.Point);
    float back = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), back);
    return r.ec == std::errc() && back == f;
}

}  // namespace

QString FormatPicture(float value, QStringView picture, QChar decimalSep) {
    return Format(value, picture, decimalSep);
}

QString FormatPicture(double value, QStringView picture, QChar decimalSep) {
    return Format(value, picture, decimalSep);
}

QString FloatFormatFor(float f) {
    QString picture = QStringLiteral("0.000");
    for (int d = 3; d <= 7; ++d) {
        if (RoundTripsAt(f, d)) return picture;
        picture.append(u'0');
    }
    return picture;
}

QString GeneralFloatText(double value, QChar decimalSep) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buf, r.ptr - buf);  // "0.1", "1e-07", "1.5e+20"
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) {
        const int exp = text.mid(e + 1).toInt();
        text = text.left(e) + u'E' + QString::number(exp);
    }
    text.replace(u'.', decimalSep);
    return text;
}

}  // namespace tarvix
