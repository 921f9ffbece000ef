// The indicator log: one tab-separated line per poll with the main values, their units and
// the four totals, appended to the day's file in "IndicatorLogs" (Windows-1251, CR LF), so a
// spreadsheet opens it as it stands. Widget-free: the window hands over the texts it shows.
#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <QTime>

#include <memory>

namespace tarvix {

// The header line: "Время", the six main values each with its unit, and totalisers 1 and 2
// named with their assignments (assign1, assign2: the texts the totaliser pages show).
QString IndicatorLogHeader(const QString& assign1, const QString& assign2);

// A data line: the time "hh:mm:ss" and the cells (value and unit of the six main values,
// then total and unit of the four totalisers). Every cell is followed by a tab; CR LF ends
// the line.
QString IndicatorLogLine(const QTime& time, const QStringList& cells);

// The unit a totaliser's sum is counted in: the item of the unit list its assignment
// selects for its unit register's value; empty when the totaliser counts nothing (or the
// value lies beyond the list).
QString TotalUnitText(int assign, int unit, int langIndex);

// The open log. Lines go out whole or logging stops: a line cut short by a full disk or a
// vanished drive would leave a row a spreadsheet reads shifted, so the first short write
// ends logging and the file keeps only complete lines.
class IndicatorLog {
  public:
    // Takes over an open file (nullptr: logging stays off). The next line brings a header.
    void Start(std::unique_ptr<QFileDevice> file);
    void Stop();
    bool IsOn() const { return file_ != nullptr; }

    // Appends the header when one is due, then the line, each flushed at once. Returns
    // false, and stops logging, when a write fell short.
    bool Append(const QString& header, const QString& line);

  private:
    bool WriteWhole(const QString& text);

    std::unique_ptr<QFileDevice> file_;
    bool headerDue_ = false;
};

}  // namespace tarvix
