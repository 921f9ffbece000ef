#include "pages/status_display.h"

#include "base/string_table.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>

namespace tarvix {
namespace {

enum MessageColumn { kColNumber, kColType, kColCode, kColText, kMessageColumns };
constexpr int kWideColumn = 210;  // pixels of the type and text columns

void SetCell(QTableWidget* grid, int row, int col, const QString& text) {
    QTableWidgetItem* item = grid->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid->setItem(row, col, item);
    }
    item->setText(text);
}

}  // namespace

void ShowStatusLamp(QFrame* lamp, std::uint32_t rgb) {
    if (!lamp) return;
    lamp->setStyleSheet(QStringLiteral("background-color: #%1;").arg(rgb, 6, 16, QLatin1Char('0')));
}

void ShowStatusSummary(const StatusSummary& s, QFrame* lamp, QLabel* count,
                       std::span<QLabel* const> marks) {
    ShowStatusLamp(lamp, s.Colour);
    if (count) count->setText(QString::number(s.Count));
    for (std::size_t i = 0; i < marks.size() && i < s.Marks.size(); ++i) {
        if (marks[i]) marks[i]->setEnabled(s.Marks[i]);
    }
}

void SetupMessageGrid(QTableWidget* grid) {
    if (!grid) return;
    grid->setColumnCount(kMessageColumns);
    grid->setRowCount(kNoticeRows);
    grid->setHorizontalHeaderLabels(
        {QString(), Str(kStrEventType), Str(kStrEventNumber), Str(kStrEvent)});
    grid->setColumnWidth(kColType, kWideColumn);
    grid->setColumnWidth(kColText, kWideColumn);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The texts are padded to the display's 12 characters; a fixed-pitch font keeps the
    // columns of the device's own layout.
    QFont fixed = grid->font();
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFamily(QStringLiteral("monospace"));
    for (int r = 0; r < kNoticeRows; ++r) {
        SetCell(grid, r, kColText, QString());
        grid->item(r, kColText)->setFont(fixed);
    }
}

void ShowMessageRows(QTableWidget* grid, const std::array<MessageRow, kNoticeRows>& rows) {
    if (!grid) return;
    for (int r = 0; r < kNoticeRows && r < grid->rowCount(); ++r) {
        const MessageRow& m = rows[static_cast<std::size_t>(r)];
        SetCell(grid, r, kColNumber, m.Number);
        SetCell(grid, r, kColType, m.Type);
        SetCell(grid, r, kColCode, m.Code);
        SetCell(grid, r, kColText, m.Text);
    }
}

void ShowMicroSwitchBoxes(const MicroSwitches& m, QCheckBox* writeLock, QCheckBox* keysLock) {
    for (auto [box, on] : {std::pair{writeLock, m.ModbusWriteLock}, {keysLock, m.KeysLock}}) {
        if (!box) continue;
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
}

}  // namespace tarvix
