#include "chart_window.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvix {

ChartRange ChartTimeRange(double start, double t) {
    if (t - start >= kChartWindowMs) return {t - kChartWindowMs, t};
    return {start, start + kChartWindowMs};
}

QString TitleWithUnit(const QString& title, const QString& unit) {
    const qsizetype comma = title.indexOf(u',');
    const QString base = comma >= 0 ? title.left(comma + 2) : title + QStringLiteral(", ");
    return base + unit;
}

qsizetype PointsBeforeWindow(const QList<QPointF>& points, double windowStart) {
    // Points come in time order; only the front is looked at, so the cost is the number of
    // points that left the window, not the length of the series.
    qsizetype before = 0;
    while (before < points.size() && points[before].x() < windowStart) ++before;
    return before > 0 ? before - 1 : 0;
}

ChartRange ValueRange(const QList<QPointF>& points, ChartRange shown) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const QPointF& p : points) {
        if (!std::isfinite(p.y())) continue;
        lo = std::min(lo, p.y());
        hi = std::max(hi, p.y());
    }
    if (lo > hi) return shown;
    const double least = std::max({std::abs(lo), std::abs(hi), 1.0}) * 1e-4;
    if (hi - lo < least) {
        const double middle = lo / 2 + hi / 2;
        lo = middle - least / 2;
        hi = middle + least / 2;
    }
    const double spread = hi - lo;
    if (shown.min <= lo && hi <= shown.max && shown.max - shown.min <= 3 * spread) return shown;
    return {lo - spread / 10, hi + spread / 10};
}

}  // namespace tarvix
