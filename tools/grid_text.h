// The text files of the program's grids (live values, correction and concentration tables,
// ADC codes, register polling): one line per grid row from the header row up to the row
// before the empty input row, cells separated by ";", Windows-1251 with CR LF. A grid is
// seen through GridTable, so a model-backed table and a QTableWidget use the same routines.
#pragma once

#include "base/grid_line.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

namespace tarvix {

// A grid's rows: row 0 the header, every row as many cells as the grid has columns and, by
// the convention of all grids, the last row the empty input row (so an empty grid has two).
using GridRows = QList<QStringList>;

// A grid as the file routines see it.
class GridTable {
  public:
    virtual ~GridTable() = default;
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    // The cells of a row, ColumnCount() of them.
    virtual QStringList Row(int row) const = 0;
    // Empties every row below the header and leaves two rows (header and the empty input
    // row); the header keeps its texts.
    virtual void ClearRows() = 0;
};

// A grid whose cells the user may load from a file.
class EditableGridTable : public GridTable {
  public:
    // Replaces every row; each row holds ColumnCount() cells.
    virtual void SetRows(const GridRows& rows) = 0;
};

// The file contents of a grid: the lines of rows 0 to RowCount() - 2.
QByteArray GridFileBytes(const GridTable& grid);

// Reads file bytes into rows of a grid with `columns` columns, byte by byte: CR is ignored;
// ";" ends a cell and moves to the next column (a line with more fields than the grid
// overwrites its last cell); LF ends a cell and the line, and adds a row when the next row
// lies beyond the last one, so the last row is an empty row again after the file. Other
// bytes are text; double quotes are kept as they are. A last line without LF counts as a
// line. Rows are not emptied first: a short line leaves the cells it does not reach
// unchanged.
void ReadGridFile(QByteArrayView bytes, GridRows& rows, int columns);

// Every row of a grid.
GridRows RowsOf(const GridTable& grid);

// A grid kept as rows, for tables that no view shows.
class RowsGrid : public EditableGridTable {
  public:
    // A grid of the given width: the header texts (padded or cut to the width) and one
    // empty row.
    RowsGrid(int columns, const QStringList& header);
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColumnCount() const override { return columns_; }
    QStringList Row(int row) const override { return rows_.value(row); }
    void ClearRows() override;
    void SetRows(const GridRows& rows) override;

  private:
    int columns_;
    GridRows rows_;
};

}  // namespace tarvix
