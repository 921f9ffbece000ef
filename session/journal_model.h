// The lines the journal shows in the main window's list, each with its level so errors can be
// coloured. The list holds the newest kMaxRows lines: a silent device adds lines every second
// for as long as the program runs, and the day's file keeps them all anyway.
#pragma once

#include <QAbstractListModel>
#include <QString>

#include <deque>

namespace tarvix {

class JournalModel : public QAbstractListModel {
    Q_OBJECT

  public:
    // Qt::DisplayRole gives the line; LevelRole its journal level (1 error, 2 information,
    // -1 a line whose file write failed).
    enum Role { LevelRole = Qt::UserRole + 1 };

    // The most lines the list keeps; the oldest go first.
    static constexpr int kMaxRows = 10000;

    explicit JournalModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Adds the line at the end (dropping the oldest line when the list is full) and announces
    // it with LineAppended, which the view connects to select the row and scroll to it.
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
    std::deque<Row> rows_;
};

}  // namespace tarvix
