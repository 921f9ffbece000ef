#include "tools/density_table_file.h"

#include "base/cp1251.h"
#include "base/grid_line.h"
#include "base/string_table.h"
#include "base/user_error.h"
#include "pages/value_parse.h"

#include <limits>

namespace tarvix {
namespace {

constexpr int kFields = 3;  // number, temperature, density

bool IsNumberOrEmpty(const QString& text) {
    if (text.trimmed().isEmpty()) return true;
    try {
        ParseFloat(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), u'.');
        return true;
    } catch (const UserError&) {
        return false;
    }
}

}  // namespace

QByteArray DensityTableFile(const QStringList& header, const PointCells& rows) {
    QByteArray bytes = GridLine(header);
    for (int k = 0; k < kDensityPoints; ++k) {
        const PointRow row =
            k < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(k)] : PointRow{};
        bytes += GridLine({QString::number(k + 1), row[0], row[1]});
    }
    return bytes;
}

DensityTableLoad ReadDensityTableFile(QByteArrayView bytes) {
    DensityTableLoad load;
    const auto refuse = [&load](const QString& why) {
        load.Error = Str(kStrNotDensityTable).arg(why);
        load.Rows.clear();
        return load;
    };
    QString text = FromCp1251(bytes);
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();  // the last line end
    if (lines.size() > kDensityFileLines)
        return refuse(Str(kStrTableTooLong).arg(kDensityFileLines));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char(';'));
        if (fields.size() != kFields)
            return refuse(Str(kStrTableFieldCount).arg(i + 1).arg(kFields));
        if (i == 0) continue;  // the header
        for (int f = 1; f < kFields; ++f) {
            if (!IsNumberOrEmpty(fields[f]))
                return refuse(Str(kStrTableNotNumber).arg(i + 1).arg(fields[f]));
        }
        load.Rows.push_back({fields[1].trimmed(), fields[2].trimmed()});
    }
    load.Ok = true;
    return load;
}

}  // namespace tarvix
