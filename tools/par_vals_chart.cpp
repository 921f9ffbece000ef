#include "par_vals_chart.h"

#include "tools/chart_window.h"

#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QLayout>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace tarvix {
namespace {

constexpr double kMinChartSpan = 10;  // points across the axis at the start

}  // namespace

ParValsChart::ParValsChart(QWidget& page) {
    chart_ = new QChart;
    chart_->legend()->hide();
    chart_->setMargins(QMargins(2, 2, 2, 2));
    xAxis_ = new QValueAxis(chart_);
    xAxis_->setLabelFormat(QStringLiteral("%d"));
    xAxis_->setRange(0, kMinChartSpan);
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    const std::array<Qt::GlobalColor, 2> colors{Qt::red, Qt::blue};
    const std::array<Qt::Alignment, 2> sides{Qt::AlignLeft, Qt::AlignRight};
    for (std::size_t s = 0; s < traces_.size(); ++s) {
        Trace& t = traces_[s];
        t.series = new QLineSeries(chart_);
        t.series->setColor(colors[s]);
        chart_->addSeries(t.series);
        t.series->attachAxis(xAxis_);
        t.axis = new QValueAxis(chart_);
        t.axis->setLinePenColor(colors[s]);
        t.axis->setLabelsColor(colors[s]);
        chart_->addAxis(t.axis, sides[s]);
        t.series->attachAxis(t.axis);
    }

    auto* frame = page.findChild<QFrame*>(QStringLiteral("ChartParVals"));
    QWidget* parent = frame ? frame->parentWidget() : &page;
    auto* view = new QChartView(chart_, parent);
    view->setObjectName(QStringLiteral("ChartParVals"));
    if (frame) {
        view->setMinimumSize(frame->minimumSize());
        view->setVisible(false);
        // The frame shares its grid cell with the table; the view takes the frame's item,
        // which the layout hands back to be deleted.
        if (QLayout* layout = parent->layout()) delete layout->replaceWidget(frame, view);
        delete frame;
    }
    view_ = view;
}

void ParValsChart::Clear(int series) {
    Trace& t = traces_[static_cast<std::size_t>(series)];
    t.points.clear();
    t.next = 0;
    Show(t);
}

void ParValsChart::Add(int series, float value) {
    Trace& t = traces_[static_cast<std::size_t>(series)];
    t.points.append(QPointF(t.next, static_cast<double>(value)));
    t.next += 1;
    if (t.points.size() > kParValsChartPoints)
        t.points.remove(0, t.points.size() - kParValsChartPoints);
    Show(t);
}

void ParValsChart::Fill(int series, const QList<float>& values) {
    Trace& t = traces_[static_cast<std::size_t>(series)];
    t.points.clear();
    const qsizetype skip = std::max<qsizetype>(0, values.size() - kParValsChartPoints);
    t.next = static_cast<double>(skip);
    for (qsizetype i = skip; i < values.size(); ++i) {
        t.points.append(QPointF(t.next, static_cast<double>(values[i])));
        t.next += 1;
    }
    Show(t);
}

void ParValsChart::Show(Trace& t) {
    t.series->replace(t.points);
    const ChartRange shown{t.axis->min(), t.axis->max()};
    const ChartRange values = ValueRange(t.points, shown);
    if (values.min != shown.min || values.max != shown.max)
        t.axis->setRange(values.min, values.max);
    double last = 0;
    for (const Trace& other : traces_) last = std::max(last, other.next);
    // The axis grows with the points until it holds the whole window, then slides.
    const double first = std::max(0.0, last - kParValsChartPoints);
    xAxis_->setRange(first, std::max(first + kMinChartSpan, last - 1));
}

}  // namespace tarvix
