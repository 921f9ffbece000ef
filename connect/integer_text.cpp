#include "integer_text.h"

#include "base/string_table.h"
#include "base/user_error.h"

#include <limits>

namespace tarvix {

std::optional<int> ParseIntegerText(QStringView text) {
    text = text.trimmed();
    if (text.isEmpty()) return std::nullopt;
    bool negative = false;
    if (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-')) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    if (text.isEmpty()) return std::nullopt;
    // Accumulate the magnitude in 64 bits; no digit string longer than 11 fits 32 bits, so
    // the check per digit cannot itself overflow.
    long long magnitude = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

int IntegerOrRaise(const QString& text) {
    if (const std::optional<int> v = ParseIntegerText(text)) return *v;
    throw UserError(Str(4100).arg(text));
}

}  // namespace tarvix
