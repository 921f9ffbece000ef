// The lines the journal shows in the main window's list: a whole day of them (tens of
// thousands) held without slowing the window, each with its level so errors can be coloured.
#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

namespace tarvix {

class JournalModel : public QAbstractListModel {
    Q_OBJECT

  public:
    // Qt::DisplayRole gives the line; LevelRole its journal level (1 error, 2 information,
    // -1 a line whose file write failed).
    enum Role { LevelRole = Qt::UserRole + 1 };

    explicit JournalModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Adds the line at the end and announces it with LineAppended, which the view connects
    // to select the row and scroll to it.
    void Append(const QString& line, int level);

    // Empties the list (menu "Очистить"); the journal file is not touched.
    void Clear();

    // The newest row, -1 when the list is empty.
    int LastRow() const { return static_cast<int>(rows_.size()) - 1; }

  Q_SIGNALS:
    void LineAppended(int row);

  private:
    struct Row {
        QString text;
        int level;
    };
    std::vector<Row> rows_;
};

}  // namespace tarvix
