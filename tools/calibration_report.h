// The calibration report a service engineer hands to the customer after the current output
// has been calibrated: the device, the moment, the ammeter's readings at the two points, the
// coefficients before and after, and the test step's readings. As plain text (Windows-1251,
// CR LF, like the program's other files) and as the lines a printed page shows.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tarvix {

struct CurrentCoefficients {
    float Offset = 0.0f;
    float Gain = 0.0f;
};

struct TestReading {
    float SetPoint = 0.0f;  // mA driven
    float Measured = 0.0f;  // mA the ammeter read
    double ErrorPercent = 0.0;
};

struct CalibrationReport {
    QDateTime When;
    std::optional<int> DeviceSerial;  // the flowmeter's serial number
    std::optional<int> ModuleSerial;  // the current output module's (CUR_SN)
    float Measured4 = 0.0f;
    float Measured20 = 0.0f;
    std::optional<CurrentCoefficients> Before;
    std::optional<CurrentCoefficients> After;
    std::vector<TestReading> Tests;
    bool SimulationOff = false;  // the device confirmed that the output left simulation
};

// The report's sections: a title, then label/value rows, then the test table (its header
// and rows), then closing notes. The text file and the printed page lay out the same parts.
struct ReportLayout {
    QString Title;
    std::vector<std::pair<QString, QString>> Rows;
    QStringList TestHeader;
    std::vector<QStringList> TestRows;
    QStringList Notes;
};
ReportLayout LayoutReport(const CalibrationReport& report, QChar decimalSep);

// The report as text lines (without line ends).
QStringList ReportLines(const CalibrationReport& report, QChar decimalSep);

// Writes the text report in the program's code page with CR LF, replacing the file as a
// whole; false with the system's text in *error.
bool WriteReportText(const QString& path, const CalibrationReport& report, QChar decimalSep,
                     QString* error = nullptr);

// The file name a report is offered under: the serial number and the date.
QString ProposedReportName(const CalibrationReport& report);

}  // namespace tarvix
