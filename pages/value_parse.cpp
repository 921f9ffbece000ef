#include "pages/value_parse.h"

#include "pages/conversion_errors.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

namespace tarvix {
namespace {

std::optional<std::int64_t> ReadInteger(QStringView s) {
    const QString t = s.trimmed().toString();
    if (t.isEmpty()) return std::nullopt;
    // Characters outside Latin-1 (digits of other scripts too) become '?' and fail.
    const QByteArray ascii = t.toLatin1();
    const char* first = ascii.constData();
    const char* last = first + ascii.size();
    if (*first == '+' && last - first > 1 && first[1] != '-') ++first;
    std::int64_t v = 0;
    const auto r = std::from_chars(first, last, v);
    if (r.ec != std::errc() || r.ptr != last) return std::nullopt;
    return v;
}

}  // namespace

std::int64_t ParseInteger(QStringView s, std::int64_t min, std::int64_t max) {
    const auto v = ReadInteger(s);
    if (!v) throw InvalidValueError(s);
    if (*v < min || *v > max) throw OutOfRangeError(s, min, max);
    return *v;
}

ParsedFloat ParseFloat(QStringView s, int min, int max, QChar decimalSep) {
    const QChar other = decimalSep == u',' ? u'.' : u',';
    QString text = s.toString();
    text.replace(other, decimalSep);

    QString plain = text.trimmed();
    plain.replace(decimalSep, u'.');
    plain.replace(u',', u'.');
    const QByteArray ascii = plain.toLatin1();
    const char* first = ascii.constData();
    const char* last = first + ascii.size();
    if (last - first > 1 && *first == '+' && first[1] != '-') ++first;
    double v = 0;
    const auto r = std::from_chars(first, last, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != last || first == last || !std::isfinite(v)) {
        throw InvalidValueError(text);
    }
    if (v < min || v > max) throw OutOfRangeError(text, min, max);
    return {v, text};
}

std::array<std::uint8_t, 3> ParseDspDate(QStringView s) {
    const qsizetype p1 = s.indexOf(u'.');
    const qsizetype p2 = p1 < 0 ? -1 : s.indexOf(u'.', p1 + 1);
    if (p2 < 0) throw InvalidValueError(s);
    const auto part = [&](QStringView t) {
        const auto v = ReadInteger(t);
        if (!v) throw InvalidValueError(s);
        return *v;
    };
    const std::int64_t day = part(s.left(p1));
    const std::int64_t month = part(s.mid(p1 + 1, p2 - p1 - 1));
    std::int64_t year = part(s.mid(p2 + 1));
    if (year >= 2000) year -= 2000;
    const auto byte = [&](std::int64_t v, QStringView t) {
        if (v < 0 || v > 255) throw OutOfRangeError(t.trimmed(), 0, 255);
        return static_cast<std::uint8_t>(v);
    };
    return {byte(day, s.left(p1)), byte(month, s.mid(p1 + 1, p2 - p1 - 1)),
            byte(year, s.mid(p2 + 1))};
}

}  // namespace tarvix
