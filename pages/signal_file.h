// The signal file of the two signal chart pages: one text line per point index, the Y values
// of the chart's series separated by ";" (an empty field where a series has no point),
// written with at most 15 significant digits and the system's decimal separator. The X values
// are the point indices and are not stored.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>

#include <vector>

namespace tarvix {

// The Y values of a chart's series; X of point i is i.
using SignalSeries = std::vector<std::vector<double>>;

// A signal file of two channels of 1000 samples is about 40 kB; a file beyond this size is
// not a signal file of this program and is refused before it is read.
inline constexpr qint64 kMaxSignalFileBytes = 4 * 1024 * 1024;

// The file's text: as many lines as the longest series has points, each ending in CR LF.
QByteArray SignalFileBytes(const SignalSeries& series, QChar decimalPoint);

// Reads file bytes into the series (which keep their points: loaded points follow them).
// Byte by byte: CR is ignored; ";" ends a field and moves to the next series unless the field
// was the last series'; LF ends a field and the line. A field is a number with the given
// decimal separator (a "." is accepted as well, so a file moves between systems); a field
// that is no number, empty or exactly the largest float adds no point. The field after the
// last LF or ";" is ignored: a file cut off in the middle of a number loses only that number.
void AppendSignalFile(QByteArrayView bytes, SignalSeries& series, QChar decimalPoint);

enum class SignalFileStatus { Ok, TooLarge, Unreadable };

// Reads a signal file into the series; the file's size is checked first.
SignalFileStatus LoadSignalFile(const QString& path, SignalSeries& series, QChar decimalPoint,
                                QString* error = nullptr);

}  // namespace tarvix
