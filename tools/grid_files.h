// The main window's grid file routines: SaveGridCsv, LoadGridCsv and ClearGrid over any
// grid (GridTable), with the save and open dialogs they show, and a GridTable over a
// QTableWidget for the grids that are plain tables.
#pragma once

#include "tools/grid_text.h"

#include <QString>

#include <functional>

class QTableWidget;
class QWidget;

namespace tarvix {

// A file dialog: the chosen file's path, empty when the user cancelled. It opens in folder.
using FileDialogFunction = std::function<QString(QWidget* owner, const QString& folder)>;

// SaveDialogCommon and OpenDialogCommon: "csv" files by default.
QString SaveDialogCommon(QWidget* owner, const QString& folder);
QString OpenDialogCommon(QWidget* owner, const QString& folder);

class GridFiles {
  public:
    // folder: where the dialogs open (the program's folder).
    explicit GridFiles(QString folder);

    // Replaces the dialogs (tests choose the file in place of the user).
    void SetDialogs(FileDialogFunction save, FileDialogFunction open);

    // Asks for a file and replaces it with the grid's lines; false when cancelled or when
    // the file could not be written (the old file then stays as it was).
    bool SaveGridCsv(QWidget* owner, const GridTable& grid) const;
    // Asks for a file and reads it into the grid (which is not emptied first); false when
    // cancelled or when the file could not be read (the grid then stays as it was).
    bool LoadGridCsv(QWidget* owner, EditableGridTable& grid) const;
    static void ClearGrid(GridTable& grid) { grid.ClearRows(); }
    // The save and open dialogs alone, in the program's folder (the chart files use them).
    QString AskSaveFile(QWidget* owner) const { return save_(owner, folder_); }
    QString AskOpenFile(QWidget* owner) const { return open_(owner, folder_); }

  private:
    QString folder_;
    FileDialogFunction save_;
    FileDialogFunction open_;
};

// A QTableWidget as a grid. Where the table shows the grid's header row as its horizontal
// header (the fixed captions of the point tables and the ADC codes), that header is row 0
// and table row r is grid row r + 1; otherwise the table's rows are the grid's.
class TableWidgetGrid : public EditableGridTable {
  public:
    enum class Header { FirstRow, HorizontalHeader };
    TableWidgetGrid(QTableWidget& table, Header header);

    int RowCount() const override;
    int ColumnCount() const override;
    QStringList Row(int row) const override;
    void ClearRows() override;
    void SetRows(const GridRows& rows) override;

  private:
    int Offset() const { return header_ == Header::HorizontalHeader ? 1 : 0; }
    void SetCell(int tableRow, int column, const QString& text);

    QTableWidget& table_;
    Header header_;
};

}  // namespace tarvix
