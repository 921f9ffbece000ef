// The live values table (GridLive) as a model: the header row with the time caption and the
// unit texts the rows below were recorded in, one row per sample and the empty last row.
// The header also remembers the unit selections of those rows: a sample in other units
// starts the table afresh, so one column never mixes units.
#pragma once

#include "tools/grid_text.h"
#include "tools/live_samples.h"

#include <QAbstractTableModel>
#include <QTime>

#include <array>

namespace tarvix {

class LiveTableModel : public QAbstractTableModel, public GridTable {
    Q_OBJECT
  public:
    static constexpr int kColumns = kLiveQuantities + 1;  // the time, then the six values
    using Texts = LiveSamples::Texts;
    using Units = std::array<int, kLiveQuantities>;

    explicit LiveTableModel(QObject* parent = nullptr);

    // The header row's time caption (string 16, in the current language).
    void SetTimeCaption(const QString& caption);
    // Empties the table when a unit selection differs from the one the rows were recorded
    // in, then remembers the selections. True when it emptied the table.
    bool CheckUnits(const Units& units);
    // Fills the empty last row with the time ("hh:mm:ss") and the value texts, puts the unit
    // texts into the header and adds a new empty last row.
    void AppendRow(QTime time, const Texts& values, const Texts& unitTexts);
    int Samples() const { return samples_.Size(); }
    // Every row, the empty last one included: each cell followed by a tab, each row by "\n".
    QString ClipboardText() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int RowCount() const override { return samples_.Size() + 2; }
    int ColumnCount() const override { return kColumns; }
    QStringList Row(int row) const override;
    // The samples go; the header with its remembered units stays.
    void ClearRows() override;

  private:
    QString Cell(int row, int column) const;

    LiveSamples samples_;
    QString timeCaption_;
    Texts unitTexts_;
    Units units_;  // -1: nothing recorded yet
};

}  // namespace tarvix
