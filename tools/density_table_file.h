// The text files of the density tables: the program's grid file format (cells separated by
// ";", Windows-1251, CR LF) holding the header and all 20 points, and the rules a file must
// meet to be loaded into a table, so that a file that is no table changes nothing.
#pragma once

#include "pages/point_tables.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace tarvix {

// A density table's file: the header line, then the 20 point rows numbered 1..20.
QByteArray DensityTableFile(const QStringList& header, const PointCells& rows);

// The lines a density table file may have: the header and one per point.
inline constexpr int kDensityFileLines = 1 + kDensityPoints;

struct DensityTableLoad {
    bool Ok = false;
    QString Error;    // why the file is no density table (for the user)
    PointCells Rows;  // its point rows, the first ones of the table (at most 20)
};
// Reads a density table file: a header line and at most 20 point lines of three fields
// (number, temperature, density), each value empty or a number; a last line without its line
// end counts as a line. Quotes are kept as they are, as the grid files are read; the number
// column and the header are not taken (the grid numbers its rows and names its columns).
DensityTableLoad ReadDensityTableFile(QByteArrayView bytes);

}  // namespace tarvix
