// A serial line in memory: every request written is handed to a responder, whose answer is
// what the next reads return. Lets the transactions and the worker run in unit tests at
// full speed, without a port; timing is not modelled (a missing answer returns at once).
#pragma once

#include "link/serial_device.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace tarvix {

class MemorySerialDevice final : public SerialDevice {
  public:
    using Bytes = std::vector<std::uint8_t>;
    using Responder = std::function<Bytes(const Bytes& request)>;

    explicit MemorySerialDevice(Responder responder) : responder_(std::move(responder)) {}

    void PurgeInput() override;
    int Write(const std::uint8_t* data, int n) override;
    int Read(std::uint8_t* data, int n, int totalMs, int gapMs) override;

    // Every request written so far, in order (safe to call from another thread).
    std::vector<Bytes> Requests() const;

  private:
    Responder responder_;
    mutable std::mutex mutex_;
    Bytes pending_;
    std::vector<Bytes> requests_;
};

}  // namespace tarvix
