#include "tools/signal_pages.h"

#include "base/string_table.h"
#include "base/text_file.h"
#include "tools/grid_files.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTime>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tarvix {
namespace {

QChartView* PlaceView(QWidget& page, const QString& name, QChart* chart) {
    auto* frame = page.findChild<QFrame*>(name);
    QWidget* parent = frame ? frame->parentWidget() : &page;
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    if (frame) {
        view->setMinimumSize(frame->minimumSize());
        if (QLayout* layout = parent->layout()) delete layout->replaceWidget(frame, view);
        delete frame;
    }
    return view;
}

QChar DecimalPoint() {
    const QString p = QLocale::system().decimalPoint();
    return p.isEmpty() ? QLatin1Char('.') : p.front();
}

}  // namespace

SignalPages::SignalPages(const GridFiles& files, QWidget& signalsPage, QWidget& filteredPage,
                         QWidget& adcPage)
    : files_(files) {
    struct Names {
        QWidget* page;
        const char *chart, *group, *transfer, *record, *save, *load;
    };
    const Names names[2] = {
        {&signalsPage, "ChartSignals", "GroupBoxSignals", "ButtonTransferSignals", "ButtonCapture",
         "ButtonSignalsSave", "ButtonSignalsLoad"},
        {&filteredPage, "ChartFiltered", "GroupBoxFiltered", "ButtonTransferFiltered", "Button2",
         "ButtonFilteredSave", "ButtonFilteredLoad"}};
    for (int k = 0; k < 2; ++k) {
        const Names& n = names[k];
        SignalChart& c = charts_[static_cast<std::size_t>(k)];
        c.chart = new QChart;
        c.chart->legend()->hide();
        c.chart->setMargins(QMargins(2, 2, 2, 2));
        if (auto* group = n.page->findChild<QGroupBox*>(QString::fromLatin1(n.group)))
            c.chart->setTitle(group->title());
        c.x = new QValueAxis(c.chart);
        c.x->setLabelFormat(QStringLiteral("%d"));
        c.x->setRange(0, kSignalSamples);  // round ticks: 0, 250, ... 1000
        c.y = new QValueAxis(c.chart);
        c.chart->addAxis(c.x, Qt::AlignBottom);
        c.chart->addAxis(c.y, Qt::AlignLeft);
        for (std::size_t s = 0; s < 2; ++s) {
            c.series[s] = new QLineSeries(c.chart);
            c.chart->addSeries(c.series[s]);
            c.series[s]->attachAxis(c.x);
            c.series[s]->attachAxis(c.y);
        }
        PlaceView(*n.page, QString::fromLatin1(n.chart), c.chart);
        c.transfer = n.page->findChild<QPushButton*>(QString::fromLatin1(n.transfer));
        if (c.transfer) c.transferText = c.transfer->text();
        c.others = {n.page->findChild<QPushButton*>(QString::fromLatin1(n.record)),
                    n.page->findChild<QPushButton*>(QString::fromLatin1(n.save)),
                    n.page->findChild<QPushButton*>(QString::fromLatin1(n.load))};
    }
    adc_ = adcPage.findChild<QTableWidget*>(QStringLiteral("GridAdc"));
    pollAdc_ = adcPage.findChild<QCheckBox*>(QStringLiteral("CheckBoxPollADC"));
}

void SignalPages::Draw(SignalChart& c) {
    // A sample that is no number or infinite (a saturated filter) leaves a gap: the chart
    // cannot place it, and it would spoil the axis range of the others.
    double lo = 0.0, hi = 0.0;
    bool any = false;
    std::size_t longest = 0;
    for (std::size_t s = 0; s < 2; ++s) {
        const std::vector<double>& ys = c.data[s];
        longest = std::max(longest, ys.size());
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(ys.size()));
        for (std::size_t i = 0; i < ys.size(); ++i) {
            if (!std::isfinite(ys[i])) continue;
            points.append(QPointF(static_cast<double>(i), ys[i]));
            lo = any ? std::min(lo, ys[i]) : ys[i];
            hi = any ? std::max(hi, ys[i]) : ys[i];
            any = true;
        }
        c.series[s]->replace(points);
    }
    if (hi <= lo) {
        lo -= 1.0;
        hi += 1.0;
    }
    const double margin = (hi - lo) * 0.05;
    c.y->setRange(lo - margin, hi + margin);
    c.x->setRange(0, std::max<double>(static_cast<double>(longest), kSignalSamples));
}

void SignalPages::Fill(SignalKind kind, const SignalBufferArray& buffer) {
    SignalChart& c = chart(kind);
    const auto channels = SignalChannels(buffer, kind);
    c.data = SignalSeries(channels.begin(), channels.end());
    Draw(c);
}

QString SignalPages::SaveChart(QWidget* owner, SignalKind kind) const {
    const QString path = files_.AskSavePath(owner);
    if (path.isEmpty()) return {};
    QString error;
    if (!WriteFileAtomic(path, SignalFileBytes(chart(kind).data, DecimalPoint()), &error))
        return Str(kStrSignalFileNotWritten).arg(path, error);
    return {};
}

QString SignalPages::LoadChart(QWidget* owner, SignalKind kind) {
    const QString path = files_.AskOpenPath(owner);
    if (path.isEmpty()) return {};
    SignalChart& c = chart(kind);
    QString error;
    switch (LoadSignalFile(path, c.data, DecimalPoint(), &error)) {
        case SignalFileStatus::TooLarge:
            return Str(kStrSignalFileTooLarge).arg(path).arg(kMaxSignalFileBytes / (1024 * 1024));
        case SignalFileStatus::Unreadable:
            return Str(kStrSignalFileUnreadable).arg(path, error);
        case SignalFileStatus::Ok:
            break;
    }
    Draw(c);
    return {};
}

QPushButton* SignalPages::TransferButton(SignalKind kind) const { return chart(kind).transfer; }

void SignalPages::ShowTransfer(SignalKind kind, bool running) {
    for (SignalChart& c : charts_) {
        for (QPushButton* b : c.others) {
            if (b) b->setEnabled(!running);
        }
        if (c.transfer) c.transfer->setEnabled(!running || &c == &chart(kind));
    }
    SignalChart& c = chart(kind);
    if (c.transfer) c.transfer->setText(running ? Str(kStrTransferAbort) : c.transferText);
}

void SignalPages::AddAdcRow(const std::array<std::int32_t, 6>& codes) {
    if (!adc_) return;
    const int row = std::max(adc_->rowCount() - 1, 0);
    if (adc_->rowCount() == 0) adc_->setRowCount(1);
    adc_->setItem(row, 0,
                  new QTableWidgetItem(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))));
    for (int i = 0; i < 6; ++i) {
        adc_->setItem(row, i + 1,
                      new QTableWidgetItem(QString::number(codes[static_cast<std::size_t>(i)])));
    }
    adc_->setRowCount(row + 2);
    adc_->setCurrentCell(row + 1, 0);
}

void SignalPages::SaveAdc(QWidget* owner) const {
    if (!adc_) return;
    files_.SaveGridCsv(owner, TableWidgetGrid(*adc_, TableWidgetGrid::Header::HorizontalHeader));
}

void SignalPages::ClearAdc() {
    if (!adc_) return;
    TableWidgetGrid grid(*adc_, TableWidgetGrid::Header::HorizontalHeader);
    GridFiles::ClearGrid(grid);
}

bool SignalPages::AdcPolled() const { return pollAdc_ && pollAdc_->isChecked(); }

}  // namespace tarvix
