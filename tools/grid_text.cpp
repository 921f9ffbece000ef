#include "grid_text.h"

#include "base/cp1251.h"

#include <algorithm>

namespace tarvix {
namespace {

QStringList Sized(QStringList cells, int columns) {
    while (cells.size() < columns) cells.append(QString());
    if (cells.size() > columns) cells.resize(columns);
    return cells;
}

}  // namespace

QByteArray GridFileBytes(const GridTable& grid) {
    QByteArray bytes;
    for (int r = 0; r + 1 < grid.RowCount(); ++r) bytes += GridLine(grid.Row(r));
    return bytes;
}

void ReadGridFile(QByteArrayView bytes, GridRows& rows, int columns) {
    columns = std::max(columns, 1);
    if (rows.isEmpty()) rows.append(QStringList());
    for (QStringList& row : rows) row = Sized(std::move(row), columns);
    QByteArray text;
    int row = 0;
    int column = 0;
    bool lineOpen = false;  // bytes other than CR since the last LF
    const auto store = [&] {
        rows[row][column] = FromCp1251(text);
        text.clear();
    };
    const auto endLine = [&] {
        store();
        column = 0;
        ++row;
        if (row >= rows.size()) rows.append(QStringList(columns, QString()));
        lineOpen = false;
    };
    for (const char byte : bytes) {
        switch (byte) {
            case '\r':
                break;
            case ';':
                store();
                if (column < columns - 1) ++column;
                lineOpen = true;
                break;
            case '\n':
                endLine();
                break;
            default:
                text += byte;
                lineOpen = true;
                break;
        }
    }
    // A last line without its LF (a file saved by an editor that does not end it) is read
    // like the others rather than lost.
    if (lineOpen) endLine();
}

GridRows RowsOf(const GridTable& grid) {
    GridRows rows;
    rows.reserve(grid.RowCount());
    for (int r = 0; r < grid.RowCount(); ++r) rows.append(grid.Row(r));
    return rows;
}

RowsGrid::RowsGrid(int columns, const QStringList& header)
    : columns_(std::max(columns, 1)),
      rows_{Sized(header, columns_), QStringList(columns_, QString())} {}

void RowsGrid::ClearRows() {
    const QStringList header = Sized(rows_.value(0), columns_);
    rows_ = {header};
    rows_.append(QStringList(columns_, QString()));
}

void RowsGrid::SetRows(const GridRows& rows) {
    rows_.clear();
    for (const QStringList& row : rows) rows_.append(Sized(row, columns_));
}

}  // namespace tarvix
