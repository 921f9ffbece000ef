// Observer of the bytes that cross the serial line, for a bus monitor or a trace log.
#pragma once

#include <cstdint>

namespace tarvix {

class FrameTrace {
  public:
    virtual ~FrameTrace() = default;
    // Called on the communication worker: what was sent, and what came back, with the
    // stamp (days since 30.12.1899) of the moment it happened.
    virtual void Sent(const std::uint8_t* data, int n, double stamp) = 0;
    virtual void Received(const std::uint8_t* data, int n, double stamp) = 0;
};

}  // namespace tarvix
