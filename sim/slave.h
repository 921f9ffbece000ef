// One simulated transmitter on the line: the device, the faults it is told to make, and
// what it counts. Given the bytes received between two silences it decides what goes back.
#pragma once

#include "sim/device.h"
#include "sim/fault_plan.h"

#include <cstdint>
#include <string>

namespace tarvix::sim {

struct SlaveStats {
    std::uint64_t bursts = 0;      // groups of bytes between silences
    std::uint64_t requests = 0;    // requests for this device (broadcasts included)
    std::uint64_t answers = 0;     // answers sent (spoilt ones included)
    std::uint64_t exceptions = 0;  // of them exception answers
    std::uint64_t broadcasts = 0;
    std::uint64_t badFrames = 0;  // no request with a right CRC in the burst
    std::uint64_t foreign = 0;    // right CRC, another slave's address
    std::uint64_t ignored = 0;    // ours, but not served (silent, restarting, refused silently)
};

class Slave {
  public:
    explicit Slave(std::uint64_t seed = 1) : device(seed), faults(seed ^ 0xFA17ull) {}

    Device device;
    FaultPlan faults;
    SlaveStats stats;
    // Milliseconds the device takes per record of file 10 before it answers; negative: its
    // own pace (SignalRecordFetchMs).
    int file10DelayMs = -1;

    // Bytes received between two silences, at time `now` (seconds on the device's clock).
    // Returns the answer as it goes on the line; length 0 when nothing is sent.
    Delivery OnBurst(const std::uint8_t* bytes, int n, double now);

    std::string DescribeStats() const;
};

// The device's own pace for a record of file 10: the processor fetches the record's words
// from the measuring module over its internal link (57600 baud, 10 bits a character)
// before it answers.
int SignalRecordFetchMs(int words);

}  // namespace tarvix::sim
