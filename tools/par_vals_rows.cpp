#include "par_vals_rows.h"

#include "tools/grid_text.h"

namespace tarvix {

void ParValsRows::Append(const QStringList& cells) {
    const int inBlock = size_ % kBlockSize;
    if (inBlock == 0) blocks_.push_back(std::make_unique<Block>());
    Block& b = *blocks_.back();
    Bounds& bounds = b.rows[static_cast<std::size_t>(inBlock)];
    for (int c = 0; c < kColumns; ++c) {
        bounds[static_cast<std::size_t>(c)] = static_cast<std::uint32_t>(b.text.size());
        if (c < cells.size()) b.text += cells[c].toUtf8();
    }
    bounds[kColumns] = static_cast<std::uint32_t>(b.text.size());
    ++size_;
}

void ParValsRows::Clear() {
    blocks_.clear();
    size_ = 0;
}

const ParValsRows::Bounds& ParValsRows::BoundsOf(int row) const {
    return blocks_[static_cast<std::size_t>(row / kBlockSize)]
        ->rows[static_cast<std::size_t>(row % kBlockSize)];
}

QString ParValsRows::Cell(int row, int column) const {
    if (row < 0 || row >= size_ || column < 0 || column >= kColumns) return QString();
    const Bounds& b = BoundsOf(row);
    const QByteArray& text = blocks_[static_cast<std::size_t>(row / kBlockSize)]->text;
    const auto from = b[static_cast<std::size_t>(column)];
    const auto to = b[static_cast<std::size_t>(column) + 1];
    return QString::fromUtf8(text.constData() + from, static_cast<qsizetype>(to - from));
}

QStringList ParValsRows::Row(int row) const {
    QStringList cells;
    for (int c = 0; c < kColumns; ++c) cells.append(Cell(row, c));
    return cells;
}

void ReadGridLines(QByteArrayView bytes, int columns, const QStringList& first,
                   const std::function<void(int line, const QStringList& cells)>& row) {
    qsizetype from = 0;
    int line = 0;
    GridRows rows;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        end = end < 0 ? bytes.size() : end + 1;
        rows = {line == 0 ? first : QStringList(columns, QString())};
        ReadGridFile(bytes.sliced(from, end - from), rows, columns);
        row(line, rows.front());
        ++line;
        from = end;
    }
}

}  // namespace tarvix
