#include "live_samples.h"

namespace tarvix {

void LiveSamples::Append(int secondOfDay, const Texts& texts) {
    const int slot = size_ % kBlockSize;
    if (slot == 0) {
        // The full block gives back what its text buffer reserved beyond its end.
        if (!blocks_.empty()) blocks_.back()->text.squeeze();
        blocks_.push_back(std::make_unique<Block>());
    }
    Block& block = *blocks_.back();
    Record& r = block.records[static_cast<std::size_t>(slot)];
    r.second = secondOfDay;
    r.bounds[0] = static_cast<std::uint32_t>(block.text.size());
    for (int q = 0; q < kLiveQuantities; ++q) {
        block.text += texts[static_cast<std::size_t>(q)].toUtf8();
        r.bounds[static_cast<std::size_t>(q) + 1] = static_cast<std::uint32_t>(block.text.size());
    }
    ++size_;
}

void LiveSamples::Clear() {
    blocks_.clear();
    size_ = 0;
}

QString LiveSamples::Text(int i, int q) const {
    const Block& block = *blocks_[static_cast<std::size_t>(i / kBlockSize)];
    const Record& r = block.records[static_cast<std::size_t>(i % kBlockSize)];
    const auto from = r.bounds[static_cast<std::size_t>(q)];
    const auto to = r.bounds[static_cast<std::size_t>(q) + 1];
    return QString::fromUtf8(block.text.constData() + from, static_cast<qsizetype>(to - from));
}

}  // namespace tarvix
