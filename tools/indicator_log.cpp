#include "tools/indicator_log.h"

#include "base/cp1251.h"
#include "base/string_table.h"
#include "pages/device_menus.h"

namespace tarvix {
namespace {

QString Cells(const QStringList& cells) {
    QString line;
    for (const QString& cell : cells) {
        // A tab or line break inside a cell would shift the columns of every row after it.
        QString clean = cell;
        clean.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
        line += clean + u'\t';
    }
    return line + QStringLiteral("\r\n");
}

}  // namespace

QString IndicatorLogHeader(const QString& assign1, const QString& assign2) {
    return Cells({
        Str(kStrLogTime),
        Str(kStrLogMassFlow),
        Str(kStrLogUnitMassFlow),
        Str(kStrLogVolumeFlow),
        Str(kStrLogUnitVolumeFlow),
        Str(kStrLogDensity),
        Str(kStrLogUnitDensity),
        Str(kStrLogTemperature),
        Str(kStrLogUnitTemperature),
        Str(kStrLogCorrVolumeFlow),
        Str(kStrLogUnitCorrVolumeFlow),
        Str(kStrLogRefDensity),
        Str(kStrLogUnitRefDensity),
        Str(kStrLogSum1) + u'-' + assign1,
        Str(kStrLogUnitSum1),
        Str(kStrLogSum2) + u'-' + assign2,
        Str(kStrLogUnitSum2),
    });
}

QString IndicatorLogLine(const QTime& time, const QStringList& cells) {
    return Cells(QStringList{time.toString(QStringLiteral("hh:mm:ss"))} + cells);
}

QString TotalUnitText(int assign, int unit, int langIndex) {
    const std::optional<MenuId> units = FindUnits(UnitsForTotal, assign);
    if (!units) return {};
    return MenuItems(MenuLinesOf(*units, langIndex)).value(unit);
}

void IndicatorLog::Start(std::unique_ptr<QFileDevice> file) {
    file_ = std::move(file);
    headerDue_ = true;
}

void IndicatorLog::Stop() { file_.reset(); }

bool IndicatorLog::WriteWhole(const QString& text) {
    const QByteArray bytes = ToCp1251(text);
    // Flushed per line: the lines written so far survive a crash of the program, and a
    // full disk shows at this line, not at some later one.
    return file_->write(bytes) == bytes.size() && file_->flush();
}

bool IndicatorLog::Append(const QString& header, const QString& line) {
    if (!file_) return false;
    if (headerDue_) {
        if (!WriteWhole(header)) {
            Stop();
            return false;
        }
        headerDue_ = false;
    }
    if (!WriteWhole(line)) {
        Stop();
        return false;
    }
    return true;
}

}  // namespace tarvix
