// The calibration report as a printed page: painted on any paint device, written as a PDF
// through Qt's PDF writer (replacing the file as a whole), or rendered into an image.
#pragma once

#include "tools/calibration_report.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace tarvix {

// Paints the report into rect (device units of the painter's device, whose resolution sets
// the font sizes).
void PaintReport(QPainter& painter, const QRectF& rect, const ReportLayout& layout);

// An A4 PDF of one page; false with the reason in *error.
bool WriteReportPdf(const QString& path, const CalibrationReport& report, QChar decimalSep,
                    QString* error = nullptr);

// The same page as an image at the given resolution, on white.
QImage RenderReportPage(const CalibrationReport& report, QChar decimalSep, int dpi);

}  // namespace tarvix
