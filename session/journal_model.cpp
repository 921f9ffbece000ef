#include "journal_model.h"

namespace tarvix {

JournalModel::JournalModel(QObject* parent) : QAbstractListModel(parent) {}

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const Row& r = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return r.text;
        case LevelRole:
            return r.level;
        default:
            return {};
    }
}

QHash<int, QByteArray> JournalModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(LevelRole, QByteArrayLiteral("level"));
    return names;
}

void JournalModel::Append(const QString& line, int level) {
    // One row per notice: a view costs O(1) per appended or removed row (given uniform item
    // sizes), and a deque adds at the back and drops at the front in constant time.
    if (rows_.size() >= static_cast<std::size_t>(kMaxRows)) {
        beginRemoveRows(QModelIndex(), 0, 0);
        rows_.pop_front();
        endRemoveRows();
    }
    const int row = static_cast<int>(rows_.size());
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back(Row{line, level});
    endInsertRows();
    Q_EMIT LineAppended(row);
}

void JournalModel::Clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

}  // namespace tarvix
