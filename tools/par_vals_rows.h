// The rows of the register polling table below its header, kept compact: a day's recording
// at one row a second is 86 400 rows of seven cells, and a loaded file may hold a million.
// Each row's cells are UTF-8 text in a block of 1024 rows; filling a block never moves the
// ones before it, so appending costs the same after a day as at the start.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tarvix {

class ParValsRows {
  public:
    static constexpr int kColumns = 7;

    // Appends a row; cells beyond kColumns are dropped, missing ones are empty.
    void Append(const QStringList& cells);
    void Clear();
    int Size() const { return size_; }
    QString Cell(int row, int column) const;
    QStringList Row(int row) const;

  private:
    static constexpr int kBlockSize = 1024;
    using Bounds = std::array<std::uint32_t, kColumns + 1>;  // cell offsets in the block
    struct Block {
        QByteArray text;
        std::array<Bounds, kBlockSize> rows{};
    };
    const Bounds& BoundsOf(int row) const;

    std::vector<std::unique_ptr<Block>> blocks_;
    int size_ = 0;
};

// Reads a grid text file line by line as the grid routines do (CR ignored, ";" ends a cell,
// a line with more fields than columns overwrites its last cell, quotes kept as text, a last
// line without LF still a line) and hands each line's cells to row. The first line starts
// from first (a short header line leaves the cells it does not reach as they were), the
// others from empty cells. One line at a time: a file of a million lines never becomes a
// million string lists.
void ReadGridLines(QByteArrayView bytes, int columns, const QStringList& first,
                   const std::function<void(int line, const QStringList& cells)>& row);

}  // namespace tarvix
