// The samples of a live recording, kept compact: a day of samples at one per second is
// 86 400 rows of seven cells, far too many for one object per cell. Each sample is its time
// of day and the six value texts as UTF-8 in a block of 1024 samples; filling a block never
// moves the ones before it, so appending costs the same after a day as at the start.
#pragma once

#include "tools/live_quantities.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace tarvix {

class LiveSamples {
  public:
    using Texts = std::array<QString, kLiveQuantities>;

    // Appends a sample: its time as seconds since midnight and the six value texts.
    void Append(int secondOfDay, const Texts& texts);
    void Clear();

    int Size() const { return size_; }
    int SecondOfDay(int i) const { return RecordOf(i).second; }
    // The text of quantity q of sample i.
    QString Text(int i, int q) const;

  private:
    static constexpr int kBlockSize = 1024;
    struct Record {
        std::int32_t second = 0;
        std::array<std::uint32_t, kLiveQuantities + 1> bounds{};  // text offsets in the block
    };
    struct Block {
        QByteArray text;
        std::array<Record, kBlockSize> records;
    };
    const Record& RecordOf(int i) const {
        return blocks_[static_cast<std::size_t>(i / kBlockSize)]
            ->records[static_cast<std::size_t>(i % kBlockSize)];
    }

    std::vector<std::unique_ptr<Block>> blocks_;
    int size_ = 0;
};

}  // namespace tarvix
