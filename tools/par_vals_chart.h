// The chart of the register polling page (ChartParVals): series 0 red on the left value
// axis, series 1 blue on the right one, each point numbered in the order it came. A series
// keeps only the newest kParValsChartPoints points, the ones it shows, so a recording left
// running for a day costs as much per row as in its first minutes.
#pragma once

#include <QList>
#include <QPointF>

#include <array>

QT_BEGIN_NAMESPACE
class QChart;
class QLineSeries;
class QValueAxis;
class QWidget;
QT_END_NAMESPACE

namespace tarvix {

inline constexpr int kParValsChartPoints = 1000;

class ParValsChart {
  public:
    // Puts a chart view in place of the page's frame ChartParVals (same objectName).
    explicit ParValsChart(QWidget& page);

    void Clear(int series);
    void Add(int series, float value);
    // Several values at once (a combo's choice redraws the block): only the last
    // kParValsChartPoints are kept.
    void Fill(int series, const QList<float>& values);

    QChart* Chart() const { return chart_; }
    QLineSeries* Series(int s) const { return traces_[static_cast<std::size_t>(s)].series; }
    QWidget* View() const { return view_; }

  private:
    struct Trace {
        QLineSeries* series = nullptr;
        QValueAxis* axis = nullptr;
        QList<QPointF> points;
        double next = 0;  // the number of the next point
    };
    void Show(Trace& t);

    QChart* chart_ = nullptr;
    QValueAxis* xAxis_ = nullptr;
    QWidget* view_ = nullptr;
    std::array<Trace, 2> traces_;
};

}  // namespace tarvix
