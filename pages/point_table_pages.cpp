#include "pages/point_table_pages.h"

#include "base/string_table.h"
#include "link/protocol.h"
#include "model/register_ids.h"
#include "pages/value_service.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>

namespace tarvix {
namespace {

constexpr int kNumberColumnWidth = 24;
constexpr int kFirstColumnWidth = 140;  // the flow fraction or the temperature
constexpr int kFirstValueColumn = 1;    // column 0 numbers the rows

const char* CountEditName(Fluid f) {
    return f == Fluid::Target ? "EditTargetPWLCount" : "EditCarrierPWLCount";
}
const char* CountLabelName(Fluid f) {
    return f == Fluid::Target ? "LabelTargetPWLCount" : "LabelCarrierPWLCount";
}
const char* MethodComboName(Fluid f) {
    return f == Fluid::Target ? "ComboTargetApproxMethod" : "ComboCarrierApproxMethod";
}

}  // namespace

// The editor of a cell gets the grid's key filter and keys before the delegate's own
// handling, which takes Enter to commit the cell.
class PointTablePages::CellDelegate : public QStyledItemDelegate {
  public:
    CellDelegate(PointTablePages& pages, QTableWidget& grid)
        : QStyledItemDelegate(&grid), pages_(pages), grid_(grid) {}

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            pages_.HandleKey(grid_, *static_cast<QKeyEvent*>(event),
                             qobject_cast<QLineEdit*>(editor)))
            return true;
        return QStyledItemDelegate::eventFilter(editor, event);
    }

  private:
    PointTablePages& pages_;
    QTableWidget& grid_;
};

PointTablePages::PointTablePages(QWidget& window, Context context, QObject* parent)
    : QObject(parent),
      window_(window),
      ctx_(std::move(context)),
      sep_(QLocale::system().decimalPoint().at(0)) {
    pwl_ = window_.findChild<QTableWidget*>(QStringLiteral("StringGridCalPoints"));
    target_ = window_.findChild<QTableWidget*>(QStringLiteral("StringGridTargetPWL"));
    carrier_ = window_.findChild<QTableWidget*>(QStringLiteral("StringGridCarrierPWL"));
    for (QTableWidget* grid : {pwl_, target_, carrier_}) Prepare(grid);
    // The count edits are no bound controls; typing in them is a change of the page.
    for (const char* name :
         {"EditCount_PwlInterpol", CountEditName(Fluid::Target), CountEditName(Fluid::Carrier)}) {
        if (auto* edit = window_.findChild<QLineEdit*>(QLatin1String(name))) {
            connect(edit, &QLineEdit::textEdited, this, [this, edit] {
                if (ctx_.AnyEditChange) ctx_.AnyEditChange(edit);
            });
        }
    }
    SetHeaders();
}

void PointTablePages::Prepare(QTableWidget* grid) {
    if (!grid) return;
    grid->setColumnWidth(0, kNumberColumnWidth);
    grid->setColumnWidth(kFirstValueColumn, kFirstColumnWidth);
    grid->setItemDelegate(new CellDelegate(*this, *grid));
    grid->installEventFilter(this);
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = kFirstValueColumn; c < grid->columnCount(); ++c) {
            if (!grid->item(r, c)) grid->setItem(r, c, new QTableWidgetItem());
        }
    }
}

void PointTablePages::SetHeaders() {
    const auto set = [](QTableWidget* grid, const QStringList& texts) {
        if (!grid) return;
        for (int c = 0; c < texts.size() && c < grid->columnCount(); ++c) {
            if (QTableWidgetItem* h = grid->horizontalHeaderItem(c)) h->setText(texts[c]);
        }
        // The row numbers too: on a language change QUiLoader's watcher empties the cells a
        // form marks as not to be translated, and the numbers are such cells.
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (QTableWidgetItem* number = grid->item(r, 0))
                number->setText(QString::number(r + 1));
        }
    };
    set(pwl_, {Str(kStrEventNumber), Str(kStrGridFlow), Str(kStrGridCorrection)});
    const QStringList density{Str(kStrEventNumber), QStringLiteral("t, °C"),
                              Str(kStrDensityHeader)};
    set(target_, density);
    set(carrier_, density);
}

QLineEdit* PointTablePages::CountEdit(Fluid fluid) const {
    return window_.findChild<QLineEdit*>(QLatin1String(CountEditName(fluid)));
}

PointCells PointTablePages::Cells(const QTableWidget& grid) {
    PointCells cells(static_cast<std::size_t>(grid.rowCount()));
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < 2; ++c) {
            const QTableWidgetItem* item = grid.item(r, kFirstValueColumn + c);
            cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                item ? item->text() : QString();
        }
    }
    return cells;
}

void PointTablePages::SetCells(QTableWidget& grid, const PointCells& cells) {
    const int rows = std::min<int>(grid.rowCount(), static_cast<int>(cells.size()));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 2; ++c) {
            const QString& text = cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (QTableWidgetItem* item = grid.item(r, kFirstValueColumn + c)) {
                item->setText(text);
            } else {
                grid.setItem(r, kFirstValueColumn + c, new QTableWidgetItem(text));
            }
        }
    }
}

void PointTablePages::ShowPwl() {
    const QString count = QString::number(ctx_.Image.ModbusRegs[mrCount_LinearInterpolation]);
    if (auto* edit = window_.findChild<QLineEdit*>(QStringLiteral("EditCount_PwlInterpol")))
        edit->setText(count);
    if (auto* label = window_.findChild<QLabel*>(QStringLiteral("LabelCount_PwlInterpol")))
        label->setText(count);
    if (!pwl_) return;
    SetCells(*pwl_, PwlCellsOf(ctx_.Image, sep_));
    SetControlTag(pwl_, 0);
}

void PointTablePages::ShowDensity(Fluid fluid) {
    const QString count = QString::number(ctx_.Image.ModbusRegs[RegistersOf(fluid).Count]);
    if (QLineEdit* edit = CountEdit(fluid)) edit->setText(count);
    if (auto* label = window_.findChild<QLabel*>(QLatin1String(CountLabelName(fluid))))
        label->setText(count);
    QTableWidget* grid = Grid(fluid);
    if (!grid) return;
    SetCells(*grid, DensityCellsOf(ctx_.Image, fluid, sep_));
    SetControlTag(grid, 0);  // the table shows what the device holds
}

bool PointTablePages::TableMethod(Fluid fluid) const {
    const auto* combo = window_.findChild<QComboBox*>(QLatin1String(MethodComboName(fluid)));
    return combo && combo->currentIndex() == 1;
}

int PointTablePages::WritePwl() {
    ModbusList& op = ctx_.OpList;
    if (ctx_.WorkMode() == kModeOffline) return kOffline;
    if (!op.Idle() || op.Busy.load() != 0) return kBusy;
    if (!pwl_) return kRefused;
    CompactPwlGrid();
    QLineEdit* countEdit = window_.findChild<QLineEdit*>(QStringLiteral("EditCount_PwlInterpol"));
    const QString countText = countEdit ? countEdit->text() : QString();
    PointCells cells = Cells(*pwl_);
    PwlCheck check = CheckPwl(cells, countText, sep_);
    if (check.Fail != PwlCheck::Failure::None) {
        ctx_.Message(QMessageBox::Warning, check.Message, QMessageBox::Ok);
        if (check.Fail == PwlCheck::Failure::Count) {
            if (countEdit) countEdit->setFocus();
        } else {
            pwl_->setCurrentCell(check.Row, kFirstValueColumn + check.Column);
            pwl_->setFocus();
        }
        return kRefused;
    }
    if (check.Unsorted) {
        if (ctx_.Message(QMessageBox::Question, Str(kStrPwlUnsorted),
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return kRefused;
        SortPwl(cells, check.Count, sep_);
        SetCells(*pwl_, cells);
        check = CheckPwl(cells, countText, sep_);
    }
    op.Len = 0;
    op.Slot[0] = 0;
    op.Flags = 0;
    AppendPwlWrite(op, ctx_.Image, check);
    op.Launch();
    if (ctx_.StartOpList) ctx_.StartOpList();
    return kStarted;
}

int PointTablePages::WriteDensity(Fluid fluid) {
    ModbusList& op = ctx_.OpList;
    if (ctx_.WorkMode() == kModeOffline) return kOffline;
    if (!op.Idle() || op.Busy.load() != 0) return kBusy;
    QTableWidget* grid = Grid(fluid);
    const QLineEdit* countEdit = CountEdit(fluid);
    if (!grid || !countEdit) return kRefused;
    // Everything is read before anything is stored or sent: a cell or count that is no
    // value ends the save with nothing changed.
    const bool modified = ControlTag(grid) == 1;
    std::optional<DensityTable> table;
    if (modified) table = ParseDensityCells(Cells(*grid), sep_);
    const int count = ParseDensityCount(countEdit->text());
    auto* method = window_.findChild<QComboBox*>(QLatin1String(MethodComboName(fluid)));
    op.Len = 0;
    op.Slot[0] = 0;
    op.Flags = 0;
    AppendDensityWrite(op, ctx_.Image, fluid, table, count, method ? method->currentIndex() : 1);
    SetControlTag(grid, 0);
    SetControlTag(method, 0);  // written with the table
    op.Launch();
    if (ctx_.StartOpList) ctx_.StartOpList();
    return kStarted;
}

void PointTablePages::LoadRows(Fluid fluid, const PointCells& rows) {
    QTableWidget* grid = Grid(fluid);
    if (!grid) return;
    SetCells(*grid, rows);
    if (ctx_.AnyEditChange) ctx_.AnyEditChange(grid);
}

bool PointTablePages::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (auto* grid = qobject_cast<QTableWidget*>(watched))
            return HandleKey(*grid, *static_cast<QKeyEvent*>(event), nullptr);
    }
    return QObject::eventFilter(watched, event);
}

bool PointTablePages::HandleKey(QTableWidget& grid, QKeyEvent& key, QLineEdit* editor) {
    const QString text = key.text();
    if (text.size() == 1) {
        const std::optional<QChar> c = FilterTableKey(text.front(), sep_);
        if (!c) return true;
        if (*c != text.front()) {
            // The other separator is typed as the system's one.
            if (editor) {
                editor->insert(QString(*c));
            } else {
                QKeyEvent replaced(QEvent::KeyPress, key.key(), key.modifiers(), QString(*c));
                QCoreApplication::sendEvent(&grid, &replaced);
            }
            return true;
        }
    }
    if (&grid == pwl_) {
        switch (key.key()) {
            case Qt::Key_Insert:
                // After the editor has committed what it holds.
                QTimer::singleShot(0, this, [this] { InsertPwlRow(pwl_->currentRow()); });
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Up:
            case Qt::Key_Down:
                QTimer::singleShot(0, this, [this] { CompactPwlGrid(); });
                break;
            default:
                break;
        }
    }
    if (ctx_.AnyEditChange) ctx_.AnyEditChange(&grid);
    return false;
}

void PointTablePages::CompactPwlGrid() {
    if (!pwl_) return;
    PointCells cells = Cells(*pwl_);
    CompactPwl(cells, sep_);
    SetCells(*pwl_, cells);
}

void PointTablePages::InsertPwlRow(int row) {
    CompactPwlGrid();
    PointCells cells = Cells(*pwl_);
    if (!tarvix::InsertPwlRow(cells, row)) {
        ctx_.Message(QMessageBox::Information, Str(kStrNoFreeRows), QMessageBox::Ok);
        return;
    }
    SetCells(*pwl_, cells);
    if (ctx_.AnyEditChange) ctx_.AnyEditChange(pwl_);
}

}  // namespace tarvix
