#include "tools/calibration_report.h"

#include "base/cp1251.h"
#include "base/string_table.h"
#include "base/text_file.h"
#include "pages/numeric_picture.h"

namespace tarvix {
namespace {

QString Number(double value, const char16_t* picture, QChar sep) {
    return FormatPicture(value, QStringView(picture), sep);
}

QString Serial(const std::optional<int>& serial) {
    return serial ? QString::number(*serial) : Str(kStrReportUnknown);
}

QString Milliamps(float value, QChar sep) {
    return Number(value, u"0.0000", sep) + QLatin1Char(' ') + Str(kStrMilliampere);
}

void AddCoefficients(ReportLayout& r, const std::optional<CurrentCoefficients>& c, int offsetLabel,
                     int gainLabel, QChar sep) {
    r.Rows.emplace_back(Str(offsetLabel),
                        c ? Number(c->Offset, u"0.000000", sep) : Str(kStrReportUnknown));
    r.Rows.emplace_back(Str(gainLabel),
                        c ? Number(c->Gain, u"0.000000", sep) : Str(kStrReportUnknown));
}

}  // namespace

ReportLayout LayoutReport(const CalibrationReport& report, QChar sep) {
    ReportLayout r;
    r.Title = Str(kStrReportTitle);
    r.Rows.emplace_back(Str(kStrReportWhen),
                        report.When.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
    r.Rows.emplace_back(Str(kStrReportDeviceSerial), Serial(report.DeviceSerial));
    r.Rows.emplace_back(Str(kStrReportModuleSerial), Serial(report.ModuleSerial));
    r.Rows.emplace_back(Str(kStrReportMeasured4), Milliamps(report.Measured4, sep));
    r.Rows.emplace_back(Str(kStrReportMeasured20), Milliamps(report.Measured20, sep));
    AddCoefficients(r, report.Before, kStrReportOffsetBefore, kStrReportGainBefore, sep);
    AddCoefficients(r, report.After, kStrReportOffsetAfter, kStrReportGainAfter, sep);
    r.TestHeader = {Str(kStrReportTestSet), Str(kStrReportTestMeasured), Str(kStrReportTestError)};
    for (const TestReading& t : report.Tests) {
        r.TestRows.push_back({Number(t.SetPoint, u"0.000", sep), Number(t.Measured, u"0.000", sep),
                              Number(t.ErrorPercent, u"0.00", sep)});
    }
    if (r.TestRows.empty()) r.Notes << Str(kStrReportNoTests);
    r.Notes << Str(report.SimulationOff ? kStrReportSimulationOff : kStrReportSimulationOn);
    return r;
}

QStringList ReportLines(const CalibrationReport& report, QChar sep) {
    const ReportLayout r = LayoutReport(report, sep);
    QStringList lines{r.Title, QString()};
    qsizetype width = 0;
    for (const auto& row : r.Rows) width = std::max(width, row.first.size());
    for (const auto& [label, value] : r.Rows)
        lines << label + QLatin1Char(':') + QString(width + 2 - label.size(), u' ') + value;
    lines << QString() << Str(kStrReportTests);
    if (!r.TestRows.empty()) {
        lines << r.TestHeader.join(QLatin1Char('\t'));
        for (const QStringList& row : r.TestRows) lines << row.join(QLatin1Char('\t'));
    }
    lines << QString();
    lines << r.Notes;
    return lines;
}

bool WriteReportText(const QString& path, const CalibrationReport& report, QChar decimalSep,
                     QString* error) {
    QByteArray bytes;
    for (const QString& line : ReportLines(report, decimalSep)) {
        bytes += ToCp1251(line);
        bytes += "\r\n";
    }
    return WriteFileAtomic(path, bytes, error);
}

QString ProposedReportName(const CalibrationReport& report) {
    const QString serial = report.DeviceSerial   ? QString::number(*report.DeviceSerial)
                           : report.ModuleSerial ? QString::number(*report.ModuleSerial)
                                                 : QString();
    QString name = QStringLiteral("CurCal");
    if (!serial.isEmpty()) name += QLatin1Char('_') + serial;
    return name + QLatin1Char('_') + report.When.toString(QStringLiteral("yyyyMMdd_hhmm"));
}

}  // namespace tarvix
