#include "par_vals_table_model.h"

namespace tarvix {

ParValsTableModel::ParValsTableModel(QObject* parent)
    : QAbstractTableModel(parent), header_(kColumns, QString()) {}

int ParValsTableModel::StartBlock(const QStringList& header) {
    int headerRow = 0;
    const int r = RowCount();
    if (r > 2) {
        beginInsertRows(QModelIndex(), r, r + 1);
        rows_.Append({});  // the empty row r - 1 separates the blocks
        rows_.Append(header);
        endInsertRows();
        headerRow = r;
    }
    header_ = header;
    while (header_.size() < kColumns) header_.append(QString());
    header_.resize(kColumns);
    Q_EMIT dataChanged(index(0, 0), index(0, kColumns - 1));
    return headerRow;
}

int ParValsTableModel::AppendRow(const QStringList& cells) {
    const int r = RowCount() - 1;
    beginInsertRows(QModelIndex(), r + 1, r + 1);
    rows_.Append(cells);
    endInsertRows();
    Q_EMIT dataChanged(index(r, 0), index(r, kColumns - 1));
    return r;
}

void ParValsTableModel::LoadFile(QByteArrayView bytes) {
    beginResetModel();
    ReadGridLines(bytes, kColumns, header_, [this](int line, const QStringList& cells) {
        if (line == 0) {
            header_ = cells;
        } else {
            rows_.Append(cells);
        }
    });
    endResetModel();
}

QString ParValsTableModel::Cell(int row, int column) const {
    if (row == 0) return header_.value(column);
    return rows_.Cell(row - 1, column);
}

int ParValsTableModel::FindUp(int from, int column, const QString& text) const {
    for (int r = std::min(from, RowCount() - 1); r > 0; --r) {
        if (Cell(r, column) == text) return r;
    }
    return 0;
}

int ParValsTableModel::LastHeaderRow() const {
    for (int r = RowCount() - 2; r >= 0; --r) {
        const QString time = Cell(r, 0);
        if (time.isEmpty() || !time.front().isDigit()) return r;
    }
    return -1;
}

int ParValsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int ParValsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ParValsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return Cell(index.row(), index.column());
}

QStringList ParValsTableModel::Row(int row) const {
    QStringList cells;
    for (int c = 0; c < kColumns; ++c) cells.append(Cell(row, c));
    return cells;
}

void ParValsTableModel::ClearRows() {
    beginResetModel();
    rows_.Clear();
    endResetModel();
}

void ParValsTableModel::SetRows(const GridRows& rows) {
    beginResetModel();
    rows_.Clear();
    if (!rows.isEmpty()) header_ = rows.front();
    while (header_.size() < kColumns) header_.append(QString());
    header_.resize(kColumns);
    for (qsizetype r = 1; r + 1 < rows.size(); ++r) rows_.Append(rows[r]);
    endResetModel();
}

}  // namespace tarvix
