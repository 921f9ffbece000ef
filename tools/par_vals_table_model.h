// The register polling table (GridModbus) as a model: row 0 the current header, then the
// recorded rows in blocks, each under its own header row, and the empty last row that
// receives the next values.
#pragma once

#include "tools/grid_text.h"
#include "tools/par_vals_rows.h"

#include <QAbstractTableModel>

namespace tarvix {

class ParValsTableModel : public QAbstractTableModel, public EditableGridTable {
    Q_OBJECT
  public:
    static constexpr int kColumns = ParValsRows::kColumns;

    explicit ParValsTableModel(QObject* parent = nullptr);

    // A new selection: once rows were recorded, one empty row and a header row of its own
    // follow them; row 0 shows the header in any case. Returns the header row.
    int StartBlock(const QStringList& header);
    // Fills the empty last row and adds a new one; returns the filled row.
    int AppendRow(const QStringList& cells);
    // Reads a grid text file below row 0 (which the file's first line overwrites).
    void LoadFile(QByteArrayView bytes);

    QString Cell(int row, int column) const;
    // The nearest row at or above `from` whose cell in column equals text; 0 when none does.
    int FindUp(int from, int column, const QString& text) const;
    // The last header row: the nearest row above the empty last row whose time cell does not
    // begin with a digit; -1 when every row is a data row.
    int LastHeaderRow() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int RowCount() const override { return rows_.Size() + 2; }
    int ColumnCount() const override { return kColumns; }
    QStringList Row(int row) const override;
    void ClearRows() override;
    void SetRows(const GridRows& rows) override;

  private:
    QStringList header_;
    ParValsRows rows_;  // grid rows 1 .. RowCount() - 2
};

}  // namespace tarvix
