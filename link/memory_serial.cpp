#include "memory_serial.h"

#include <algorithm>

namespace tarvix {

void MemorySerialDevice::PurgeInput() {
    std::lock_guard lock(mutex_);
    pending_.clear();
}

int MemorySerialDevice::Write(const std::uint8_t* data, int n) {
    Bytes request(data, data + std::max(n, 0));
    Bytes answer = responder_ ? responder_(request) : Bytes{};
    std::lock_guard lock(mutex_);
    requests_.push_back(std::move(request));
    pending_.insert(pending_.end(), answer.begin(), answer.end());
    return n;
}

int MemorySerialDevice::Read(std::uint8_t* data, int n, int /*totalMs*/, int /*gapMs*/) {
    std::lock_guard lock(mutex_);
    const int take = std::min(n, static_cast<int>(pending_.size()));
    std::copy_n(pending_.begin(), take, data);
    pending_.erase(pending_.begin(), pending_.begin() + take);
    return take;
}

std::vector<MemorySerialDevice::Bytes> MemorySerialDevice::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

}  // namespace tarvix
