#include "live_table_model.h"

#include <QCoreApplication>

namespace tarvix {
namespace {

// The captions above the columns; their translations belong to the form's context.
constexpr const char* kCaptions[LiveTableModel::kColumns] = {
    QT_TRANSLATE_NOOP("LiveData", "Время"),    QT_TRANSLATE_NOOP("LiveData", "Мас. расход"),
    QT_TRANSLATE_NOOP("LiveData", "Объем.р."), QT_TRANSLATE_NOOP("LiveData", "Плотность"),
    QT_TRANSLATE_NOOP("LiveData", "Темп."),    QT_TRANSLATE_NOOP("LiveData", "Прив.об.р."),
    QT_TRANSLATE_NOOP("LiveData", "Прив.пл."),
};

constexpr int kSecondsPerDay = 24 * 60 * 60;

}  // namespace

LiveTableModel::LiveTableModel(QObject* parent)
    : QAbstractTableModel(parent), timeCaption_(Str(kStrTimeColumn)) {
    units_.fill(-1);
}

void LiveTableModel::SetTimeCaption(const QString& caption) {
    timeCaption_ = caption;
    Q_EMIT dataChanged(index(0, 0), index(0, 0));
}

bool LiveTableModel::CheckUnits(const Units& units) {
    const bool changed = units != units_;
    if (changed) ClearRows();
    units_ = units;
    return changed;
}

void LiveTableModel::AppendRow(QTime time, const Texts& values, const Texts& unitTexts) {
    // The new sample takes the place of the empty last row, which moves down by one.
    const int row = samples_.Size() + 1;
    beginInsertRows(QModelIndex(), row, row);
    const int second = time.isValid() ? time.msecsSinceStartOfDay() / 1000 : 0;
    samples_.Append(second, values);
    endInsertRows();
    if (unitTexts != unitTexts_) {
        unitTexts_ = unitTexts;
        Q_EMIT dataChanged(index(0, 1), index(0, kColumns - 1));
    }
}

QString LiveTableModel::ClipboardText() const {
    QString text;
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < kColumns; ++c) {
            text += Cell(r, c);
            text += u'\t';
        }
        text += u'\n';
    }
    return text;
}

int LiveTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int LiveTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant LiveTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Cell(index.row(), index.column());
}

QVariant LiveTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= kColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QCoreApplication::translate("LiveData", kCaptions[section]);
}

QStringList LiveTableModel::Row(int row) const {
    QStringList cells;
    cells.reserve(kColumns);
    for (int c = 0; c < kColumns; ++c) cells.append(Cell(row, c));
    return cells;
}

void LiveTableModel::ClearRows() {
    if (samples_.Size() == 0) return;
    beginRemoveRows(QModelIndex(), 1, samples_.Size());
    samples_.Clear();
    endRemoveRows();
}

QString LiveTableModel::Cell(int row, int column) const {
    if (column < 0 || column >= kColumns) return {};
    if (row == 0) {
        return column == 0 ? timeCaption_ : unitTexts_[static_cast<std::size_t>(column - 1)];
    }
    const int sample = row - 1;
    if (sample < 0 || sample >= samples_.Size()) return {};  // the empty last row
    if (column > 0) return samples_.Text(sample, column - 1);
    const int second = samples_.SecondOfDay(sample) % kSecondsPerDay;
    return QTime(0, 0).addSecs(second).toString(QStringLiteral("hh:mm:ss"));
}

}  // namespace tarvix
