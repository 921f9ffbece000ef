// One line of the program's grid text files (tables saved by the pages, recordings of the
// register polling page and of tarvix-cli poll): cells separated by ";", Windows-1251, CR LF.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace tarvix {

// One file line of a row, CR LF included. A cell holding a blank, a control character, a
// double quote or ";" is enclosed in double quotes with its quotes doubled; a row of one
// single empty cell is written as "" so that the line is not empty.
QByteArray GridLine(const QStringList& cells);

}  // namespace tarvix
