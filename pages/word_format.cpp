#include "pages/word_format.h"

#include "base/cp1251.h"
#include "pages/conversion_errors.h"

#include <algorithm>
#include <limits>

namespace tarvix {
namespace {

enum class Length { Int, Short, Char };

struct Conversion {
    bool Left = false;
    bool Plus = false;
    bool Space = false;
    bool Zero = false;
    bool Alt = false;
    int Width = 0;
    int Precision = -1;  // -1: not given
    Length Size = Length::Int;
    char Conv = 0;  // 0: the format has no conversion
};

struct ParsedFormat {
    QString Before;  // literal text in front of the conversion, "%%" already reduced
    QString After;
    Conversion Directive;
};

// Up to two decimal digits at text[i]; -1 for more.
int ReadSmallNumber(QStringView text, qsizetype& i) {
    int n = 0;
    int digits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        n = n * 10 + (text[i].unicode() - u'0');
        ++digits;
        ++i;
    }
    return digits > 2 ? -1 : n;
}

ParsedFormat Parse(QStringView format) {
    ParsedFormat f;
    bool converted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%') {
            (converted ? f.After : f.Before).append(c);
            continue;
        }
        if (++i >= format.size()) throw UnusableFormatError(format);
        if (format[i] == u'%') {
            (converted ? f.After : f.Before).append(u'%');
            continue;
        }
        if (converted) throw UnusableFormatError(format);
        Conversion& s = f.Directive;
        for (; i < format.size(); ++i) {
            const QChar flag = format[i];
            if (flag == u'-')
                s.Left = true;
            else if (flag == u'+')
                s.Plus = true;
            else if (flag == u' ')
                s.Space = true;
            else if (flag == u'0')
                s.Zero = true;
            else if (flag == u'#')
                s.Alt = true;
            else
                break;
        }
        s.Width = ReadSmallNumber(format, i);
        if (s.Width < 0) throw UnusableFormatError(format);
        if (i < format.size() && format[i] == u'.') {
            ++i;
            s.Precision = ReadSmallNumber(format, i);
            if (s.Precision < 0) throw UnusableFormatError(format);
        }
        if (format.mid(i).startsWith(u"hh")) {
            s.Size = Length::Char;
            i += 2;
        } else if (format.mid(i).startsWith(u"h")) {
            s.Size = Length::Short;
            i += 1;
        } else if (format.mid(i).startsWith(u"ll")) {
            i += 2;
        } else if (format.mid(i).startsWith(u"l")) {
            i += 1;
        }
        if (i >= format.size()) throw UnusableFormatError(format);
        const char16_t conv = format[i].unicode();
        if (conv != u'd' && conv != u'i' && conv != u'u' && conv != u'x' && conv != u'X' &&
            conv != u'o' && conv != u'c') {
            throw UnusableFormatError(format);
        }
        s.Conv = static_cast<char>(conv);
        converted = true;
    }
    return f;
}

bool IsSigned(char conv) { return conv == 'd' || conv == 'i'; }

// The value as printf's conversion sees its int argument.
std::int64_t Narrow(int value, const Conversion& s) {
    const bool sign = IsSigned(s.Conv);
    switch (s.Size) {
        case Length::Char:
            return sign ? std::int64_t{static_cast<signed char>(value)}
                        : std::int64_t{static_cast<unsigned char>(value)};
        case Length::Short:
            return sign ? std::int64_t{static_cast<short>(value)}
                        : std::int64_t{static_cast<unsigned short>(value)};
        case Length::Int:
            break;
    }
    return sign ? std::int64_t{value} : std::int64_t{static_cast<unsigned int>(value)};
}

QString Pad(QString body, const Conversion& s) {
    const qsizetype fill = s.Width - body.size();
    if (fill <= 0) return body;
    return s.Left ? body + QString(fill, u' ') : QString(fill, u' ') + body;
}

QString Apply(const Conversion& s, int value) {
    if (s.Conv == 'c') {
        const char byte = static_cast<char>(value & 0xFF);
        return Pad(FromCp1251(QByteArrayView(&byte, 1)), s);
    }
    const std::int64_t v = Narrow(value, s);
    const int base = (s.Conv == 'x' || s.Conv == 'X') ? 16 : (s.Conv == 'o' ? 8 : 10);
    const std::uint64_t magnitude = static_cast<std::uint64_t>(v < 0 ? -v : v);
    QString digits = QString::number(magnitude, base);
    if (s.Conv == 'X') digits = digits.toUpper();
    const int precision = s.Precision < 0 ? 1 : s.Precision;
    if (precision == 0 && magnitude == 0) digits.clear();
    while (digits.size() < precision) digits.prepend(u'0');

    QString prefix;
    if (IsSigned(s.Conv)) {
        if (v < 0)
            prefix = QStringLiteral("-");
        else if (s.Plus)
            prefix = QStringLiteral("+");
        else if (s.Space)
            prefix = QStringLiteral(" ");
    } else if (s.Alt && s.Conv == 'o' && !digits.startsWith(u'0')) {
        digits.prepend(u'0');
    } else if (s.Alt && magnitude != 0 && base == 16) {
        prefix = s.Conv == 'X' ? QStringLiteral("0X") : QStringLiteral("0x");
    }
    // The 0 flag pads between the sign or prefix and the digits; a precision or the - flag
    // turns it off, as in C.
    if (s.Zero && !s.Left && s.Precision < 0) {
        while (prefix.size() + digits.size() < s.Width) digits.prepend(u'0');
    }
    return Pad(prefix + digits, s);
}

bool IsBlank(QChar c) { return c.isSpace(); }

int DigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return 99;
}

// Reads the conversion's number at text[pos] and moves pos behind what it read.
std::optional<std::int64_t> ScanNumber(const Conversion& s, QStringView text, qsizetype& pos) {
    if (s.Conv == 'c') {
        if (pos >= text.size()) return std::nullopt;
        const QByteArray byte = ToCp1251(text.mid(pos, 1));
        ++pos;
        return static_cast<unsigned char>(byte.at(0));
    }
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    const qsizetype end = s.Width > 0 ? std::min(text.size(), pos + s.Width) : text.size();
    bool negative = false;
    if (pos < end && (text[pos] == u'-' || text[pos] == u'+')) negative = text[pos++] == u'-';
    int base = (s.Conv == 'x' || s.Conv == 'X') ? 16 : (s.Conv == 'o' ? 8 : 10);
    bool digitSeen = false;
    const bool zeroX =
        pos + 1 < end && text[pos] == u'0' && (text[pos + 1] == u'x' || text[pos + 1] == u'X');
    if (s.Conv == 'i') {
        if (zeroX)
            base = 16;
        else if (pos < end && text[pos] == u'0')
            base = 8;
    }
    if (base == 16 && zeroX) {
        pos += 2;
        digitSeen = true;  // "0x" alone reads as the 0 in front of it
    }
    constexpr std::uint64_t kLimit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t magnitude = 0;
    for (; pos < end && DigitValue(text[pos]) < base; ++pos) {
        magnitude = magnitude * static_cast<std::uint64_t>(base) +
                    static_cast<std::uint64_t>(DigitValue(text[pos]));
        if (magnitude > kLimit) return std::nullopt;
        digitSeen = true;
    }
    if (!digitSeen) return std::nullopt;
    const std::int64_t v =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (IsSigned(s.Conv) && (v < std::numeric_limits<std::int32_t>::min() ||
                             v > std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return v;
}

// Matches literal format text at text[pos] as scanf does (a blank matches any run of blanks)
// and moves pos behind it; false at the first character that differs.
bool MatchLiteral(QStringView literal, QStringView text, qsizetype& pos) {
    for (const QChar c : literal) {
        if (IsBlank(c)) {
            while (pos < text.size() && IsBlank(text[pos])) ++pos;
            continue;
        }
        if (pos >= text.size() || text[pos] != c) return false;
        ++pos;
    }
    return true;
}

}  // namespace

QString FormatWord(QStringView format, int value) {
    const ParsedFormat f = Parse(format);
    if (f.Directive.Conv == 0) return f.Before;
    return f.Before + Apply(f.Directive, value) + f.After;
}

std::optional<std::int64_t> ScanWord(QStringView format, QStringView text) {
    const ParsedFormat f = Parse(format);
    qsizetype pos = 0;
    if (!MatchLiteral(f.Before, text, pos) || f.Directive.Conv == 0) return std::nullopt;
    const auto v = ScanNumber(f.Directive, text, pos);
    // scanf would stop here and leave the rest unread; an edit's text is the value the user
    // means, so "12abc" or a third digit under "%02d" is no value rather than 12.
    if (!v || !MatchLiteral(f.After, text, pos)) return std::nullopt;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos != text.size()) return std::nullopt;
    return v;
}

std::int64_t ScanWordMinimum(QStringView format) {
    const Conversion& s = Parse(format).Directive;
    return IsSigned(s.Conv) && s.Size != Length::Int ? std::numeric_limits<std::int16_t>::min() : 0;
}

bool IsUsableWordFormat(QStringView format) {
    try {
        Parse(format);
        return true;
    } catch (const UserError&) {
        return false;
    }
}

}  // namespace tarvix
