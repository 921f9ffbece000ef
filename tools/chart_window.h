// The arithmetic of the live charts: the sliding three-minute time window, the title with its
// unit, the points a series may drop, the value range shown. Times are milliseconds since
// the epoch, the x values of the charts' date-time axes.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

namespace tarvix {

inline constexpr double kChartWindowMs = 3 * 60 * 1000;
// The first sample of a recording is drawn twice, the first point this much of the value,
// so that the value axis has a range from the start.
inline constexpr double kFirstPointFactor = 0.9999999;

struct ChartRange {
    double min = 0;
    double max = 0;
};

// The time axis at time t of a recording that started at start: start .. start + window
// until the window is full, then the window ending at t.
ChartRange ChartTimeRange(double start, double t);

// The title with a unit: the title up to and including the character after its first ","
// (the title and ", " when it has none), then the unit. A new unit replaces the old one.
QString TitleWithUnit(const QString& title, const QString& unit);

// How many points at the front of a series lie before the window start and are no longer
// needed: all of them but the last, which carries the line to the window's left edge.
qsizetype PointsBeforeWindow(const QList<QPointF>& points, double windowStart);

// The value axis range for the points, given the range shown now: kept while it holds every
// finite value and is at most three times their spread, so that a noisy value does not
// redraw the axis labels every sample; otherwise the values' extent with 10 % to spare on
// either side. The spread counts as at least 1/10000 of the magnitude (at least 1e-4), so a
// steady value is a line in the middle, not noise over the whole height.
ChartRange ValueRange(const QList<QPointF>& points, ChartRange shown);

}  // namespace tarvix
