#include "tools/calibration_report_pdf.h"

#include "base/string_table.h"
#include "base/text_file.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tarvix {
namespace {

constexpr int kPdfDpi = 300;
constexpr double kMarginMm = 20.0;
constexpr double kMmPerInch = 25.4;

QFont Font(double points, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Draws one line of text at the top of what is left of the page and moves below it.
void Line(QPainter& p, double& y, const QRectF& rect, const QString& text, const QFont& font) {
    p.setFont(font);
    const QFontMetricsF m(font, p.device());
    p.drawText(QRectF(rect.left(), y, rect.width(), m.height()), Qt::AlignLeft, text);
    y += m.height() * 1.3;
}

}  // namespace

void PaintReport(QPainter& p, const QRectF& rect, const ReportLayout& layout) {
    double y = rect.top();
    Line(p, y, rect, layout.Title, Font(15, true));
    y += QFontMetricsF(Font(11), p.device()).height();

    // Label and value rows: the values line up behind the longest label.
    const QFont body = Font(11);
    const QFontMetricsF m(body, p.device());
    double labelWidth = 0;
    for (const auto& row : layout.Rows)
        labelWidth = std::max(labelWidth, m.horizontalAdvance(row.first + QStringLiteral(":  ")));
    p.setFont(body);
    for (const auto& [label, value] : layout.Rows) {
        p.drawText(QRectF(rect.left(), y, labelWidth, m.height()), Qt::AlignLeft,
                   label + QLatin1Char(':'));
        p.drawText(QRectF(rect.left() + labelWidth, y, rect.width() - labelWidth, m.height()),
                   Qt::AlignLeft, value);
        y += m.height() * 1.4;
    }
    y += m.height();
    Line(p, y, rect, Str(kStrReportTests), Font(12, true));

    if (!layout.TestRows.empty()) {
        // A ruled table of three equal columns.
        const double colWidth =
            std::min(rect.width() / 3.0, m.horizontalAdvance(QString(18, u'0')));
        const double rowHeight = m.height() * 1.5;
        const auto drawRow = [&](const QStringList& cells, bool bold) {
            p.setFont(Font(11, bold));
            for (int c = 0; c < cells.size() && c < 3; ++c) {
                const QRectF cell(rect.left() + c * colWidth, y, colWidth, rowHeight);
                p.drawRect(cell);
                p.drawText(cell, Qt::AlignCenter, cells[c]);
            }
            y += rowHeight;
        };
        drawRow(layout.TestHeader, true);
        for (const QStringList& row : layout.TestRows) {
            if (y + rowHeight > rect.bottom() - 4 * m.height()) break;  // one page
            drawRow(row, false);
        }
        y += m.height();
    }
    for (const QString& note : layout.Notes) Line(p, y, rect, note, body);

    // The engineer signs the printed sheet.
    y = std::max(y + 2 * m.height(), rect.bottom() - 2 * m.height());
    p.setFont(body);
    p.drawText(QRectF(rect.left(), y, rect.width(), m.height()), Qt::AlignLeft,
               Str(kStrReportSignature) + QStringLiteral(" ______________________"));
}

bool WriteReportPdf(const QString& path, const CalibrationReport& report, QChar decimalSep,
                    QString* error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(Str(kStrReportTitle));
        writer.setCreator(Str(kStrProgramTitle));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error) *error = Str(kStrReportNotSaved);
            return false;
        }
        PaintReport(painter, QRectF(writer.pageLayout().paintRectPixels(kPdfDpi)),
                    LayoutReport(report, decimalSep));
        painter.end();
    }
    // Written whole or not at all, like the program's other files.
    return WriteFileAtomic(path, buffer.data(), error);
}

QImage RenderReportPage(const CalibrationReport& report, QChar decimalSep, int dpi) {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const auto px = [dpi](double v) { return v / kMmPerInch * dpi; };
    QImage image(QSize(static_cast<int>(px(mm.width())), static_cast<int>(px(mm.height()))),
                 QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(dpi / kMmPerInch * 1000.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = px(kMarginMm);
    PaintReport(painter,
                QRectF(margin, margin, image.width() - 2 * margin, image.height() - 2 * margin),
                LayoutReport(report, decimalSep));
    return image;
}

}  // namespace tarvix
