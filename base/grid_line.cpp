#include "grid_line.h"

#include "base/cp1251.h"

#include <algorithm>

namespace tarvix {
namespace {

bool NeedsQuotes(const QString& cell) {
    return std::any_of(cell.cbegin(), cell.cend(),
                       [](QChar c) { return c.unicode() <= u' ' || c == u'"' || c == u';'; });
}

}  // namespace

QByteArray GridLine(const QStringList& cells) {
    if (cells.size() == 1 && cells.front().isEmpty()) return QByteArrayLiteral("\"\"\r\n");
    QString line;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (c > 0) line += u';';
        const QString& cell = cells[c];
        if (NeedsQuotes(cell)) {
            line += u'"';
            line += QString(cell).replace(u'"', QStringLiteral("\"\""));
            line += u'"';
        } else {
            line += cell;
        }
    }
    line += QStringLiteral("\r\n");
    return ToCp1251(line);
}

}  // namespace tarvix
