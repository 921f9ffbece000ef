#include "live_charts.h"

#include "tools/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFrame>
#include <QLayout>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>

namespace tarvix {
namespace {

QDateTime AtMs(double ms) { return QDateTime::fromMSecsSinceEpoch(std::llround(ms)); }

// The view takes the place of the chart's frame in the page's layout.
QChartView* PlaceView(QWidget& page, const char* name, QChart* chart) {
    auto* frame = page.findChild<QFrame*>(QString::fromLatin1(name));
    QWidget* parent = frame ? frame->parentWidget() : &page;
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    if (frame) {
        view->setMinimumSize(frame->minimumSize());
        // The layout hands back the frame's layout item, which is ours to delete.
        if (QLayout* layout = parent->layout()) delete layout->replaceWidget(frame, view);
        delete frame;
    }
    return view;
}

}  // namespace

LiveCharts::LiveCharts(QWidget& page) {
    for (int q = 0; q < kLiveQuantities; ++q) {
        Trace& c = charts_[static_cast<std::size_t>(q)];
        c.chart = new QChart;
        c.chart->legend()->hide();
        c.chart->setMargins(QMargins(2, 2, 2, 2));
        QFont font = c.chart->titleFont();
        font.setPointSizeF(font.pointSizeF() * 0.9);
        c.chart->setTitleFont(font);
        c.series = new QLineSeries(c.chart);
        c.chart->addSeries(c.series);
        c.time = new QDateTimeAxis(c.chart);
        c.time->setFormat(QStringLiteral("hh:mm:ss"));
        c.time->setTickCount(4);
        c.chart->addAxis(c.time, Qt::AlignBottom);
        c.series->attachAxis(c.time);
        c.value = new QValueAxis(c.chart);
        c.chart->addAxis(c.value, Qt::AlignLeft);
        c.series->attachAxis(c.value);
        PlaceView(page, kLiveQuantity[static_cast<std::size_t>(q)].chart, c.chart);
    }
    SetTitles();
}

void LiveCharts::SetTitles() {
    for (int q = 0; q < kLiveQuantities; ++q) {
        charts_[static_cast<std::size_t>(q)].chart->setTitle(
            Str(kLiveQuantity[static_cast<std::size_t>(q)].title));
    }
}

void LiveCharts::Clear() {
    for (Trace& c : charts_) {
        c.points.clear();
        c.series->clear();
    }
    started_ = false;
}

void LiveCharts::Update(double t, const std::array<double, kLiveQuantities>& values,
                        const std::array<QString, kLiveQuantities>& units) {
    if (!started_) {
        // The first sample of a recording: the window starts with it, and the sample is
        // drawn twice, the first point slightly below the value.
        started_ = true;
        start_ = t;
        const ChartRange range = ChartTimeRange(start_, t);
        for (int q = 0; q < kLiveQuantities; ++q) {
            Trace& c = charts_[static_cast<std::size_t>(q)];
            c.time->setRange(AtMs(range.min), AtMs(range.max));
            const double v = values[static_cast<std::size_t>(q)];
            if (std::isfinite(v)) c.points.append(QPointF(t, kFirstPointFactor * v));
        }
    }
    const ChartRange range = ChartTimeRange(start_, t);
    const bool sliding = t - start_ >= kChartWindowMs;
    for (int q = 0; q < kLiveQuantities; ++q) {
        Trace& c = charts_[static_cast<std::size_t>(q)];
        // A value that is no number (the device's marker of an invalid measurement) leaves
        // a gap rather than a point the chart cannot place.
        const double v = values[static_cast<std::size_t>(q)];
        if (std::isfinite(v)) c.points.append(QPointF(t, v));
        const QString title = TitleWithUnit(c.chart->title(), units[static_cast<std::size_t>(q)]);
        if (title != c.chart->title()) c.chart->setTitle(title);
        if (sliding) c.time->setRange(AtMs(range.min), AtMs(range.max));
        // A copy rather than remove(): the series shares the list, and a shared QList that
        // is cut at the front and then appended to keeps the freed front space, growing by
        // a point every sample.
        const qsizetype stale = PointsBeforeWindow(c.points, range.min);
        if (stale > 0) c.points = c.points.mid(stale);
        c.series->replace(c.points);
        const ChartRange shown = ValueRange(c.points, {c.value->min(), c.value->max()});
        if (shown.min != c.value->min() || shown.max != c.value->max())
            c.value->setRange(shown.min, shown.max);
    }
}

}  // namespace tarvix
