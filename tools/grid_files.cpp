#include "grid_files.h"

#include "base/text_file.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QTableWidget>

namespace tarvix {
namespace {

QString RunDialog(QWidget* owner, const QString& folder, QFileDialog::AcceptMode mode,
                  const QString& filter) {
    QFileDialog dialog(owner, QString(), folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

}  // namespace

QString SaveDialogCommon(QWidget* owner, const QString& folder) {
    return RunDialog(owner, folder, QFileDialog::AcceptSave,
                     QCoreApplication::translate("GridFiles", "Comma separated values (*.csv)"));
}

QString OpenDialogCommon(QWidget* owner, const QString& folder) {
    return RunDialog(owner, folder, QFileDialog::AcceptOpen,
                     QCoreApplication::translate("GridFiles", "CommaSeparatedValues (*.csv)"));
}

GridFiles::GridFiles(QString folder)
    : folder_(std::move(folder)), save_(&SaveDialogCommon), open_(&OpenDialogCommon) {}

void GridFiles::SetDialogs(FileDialogFunction save, FileDialogFunction open) {
    save_ = std::move(save);
    open_ = std::move(open);
}

bool GridFiles::SaveGridCsv(QWidget* owner, const GridTable& grid) const {
    const QString path = save_(owner, folder_);
    if (path.isEmpty()) return false;
    return WriteFileAtomic(path, GridFileBytes(grid));
}

bool GridFiles::LoadGridCsv(QWidget* owner, EditableGridTable& grid) const {
    const QString path = open_(owner, folder_);
    if (path.isEmpty()) return false;
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) return false;
    GridRows rows = RowsOf(grid);
    ReadGridFile(*bytes, rows, grid.ColumnCount());
    grid.SetRows(rows);
    return true;
}

TableWidgetGrid::TableWidgetGrid(QTableWidget& table, Header header)
    : table_(table), header_(header) {}

int TableWidgetGrid::RowCount() const { return table_.rowCount() + Offset(); }

int TableWidgetGrid::ColumnCount() const { return table_.columnCount(); }

QStringList TableWidgetGrid::Row(int row) const {
    QStringList cells;
    for (int c = 0; c < table_.columnCount(); ++c) {
        const QTableWidgetItem* item =
            row < Offset() ? table_.horizontalHeaderItem(c) : table_.item(row - Offset(), c);
        cells.append(item ? item->text() : QString());
    }
    return cells;
}

void TableWidgetGrid::ClearRows() {
    // Row 0 keeps its texts; the rows below become one empty row.
    table_.setRowCount(2 - Offset());
    for (int c = 0; c < table_.columnCount(); ++c) SetCell(1 - Offset(), c, QString());
}

void TableWidgetGrid::SetRows(const GridRows& rows) {
    table_.setRowCount(std::max(static_cast<int>(rows.size()) - Offset(), 0));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < table_.columnCount(); ++c) {
            const QString text = rows[r].value(c);
            if (r < Offset()) {
                if (QTableWidgetItem* item = table_.horizontalHeaderItem(c)) {
                    item->setText(text);
                } else {
                    table_.setHorizontalHeaderItem(c, new QTableWidgetItem(text));
                }
            } else {
                SetCell(r - Offset(), c, text);
            }
        }
    }
}

void TableWidgetGrid::SetCell(int tableRow, int column, const QString& text) {
    if (QTableWidgetItem* item = table_.item(tableRow, column)) {
        item->setText(text);
    } else if (!text.isEmpty()) {
        table_.setItem(tableRow, column, new QTableWidgetItem(text));
    }
}

}  // namespace tarvix
