// The six charts of the page "Графики": one line series each over a three-minute time
// window that slides with the newest sample. A series holds only the points of its window
// (and the one before it that carries the line to the left edge), so a day's recording
// costs as much per sample as its first minutes.
#pragma once

#include "tools/live_quantities.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <array>

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;
class QWidget;
QT_END_NAMESPACE

namespace tarvix {

class LiveCharts {
  public:
    // Puts a chart view in place of each chart's frame on the page (same objectName).
    explicit LiveCharts(QWidget& page);

    // The titles of the string table, in the current language.
    void SetTitles();
    // Empties every series; the next sample starts a new recording.
    void Clear();
    // One sample at time t (milliseconds since the epoch) with the six values and unit texts.
    void Update(double t, const std::array<double, kLiveQuantities>& values,
                const std::array<QString, kLiveQuantities>& units);

    QChart* Chart(int q) const { return charts_[static_cast<std::size_t>(q)].chart; }
    QLineSeries* Series(int q) const { return charts_[static_cast<std::size_t>(q)].series; }
    QDateTimeAxis* TimeAxis(int q) const { return charts_[static_cast<std::size_t>(q)].time; }
    QValueAxis* ValueAxis(int q) const { return charts_[static_cast<std::size_t>(q)].value; }

  private:
    struct Trace {
        QChart* chart = nullptr;
        QLineSeries* series = nullptr;
        QDateTimeAxis* time = nullptr;
        QValueAxis* value = nullptr;
        QList<QPointF> points;  // what the series shows, changed here and handed over whole
    };

    std::array<Trace, kLiveQuantities> charts_;
    bool started_ = false;
    double start_ = 0;  // the time of the recording's first sample
};

}  // namespace tarvix
