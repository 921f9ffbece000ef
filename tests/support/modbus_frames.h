// Modbus RTU frames for tests, built by hand as the other side of the line would send them.
#pragma once

#include "link/crc16.h"
#include "link/protocol.h"

#include <cstdint>
#include <vector>

namespace tarvix::testing {

using Bytes = std::vector<std::uint8_t>;

// The frame with its CRC appended, low byte first.
inline Bytes WithCrc(Bytes b) {
    const std::uint16_t crc = Crc16(b.data(), static_cast<int>(b.size()));
    b.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    b.push_back(static_cast<std::uint8_t>(crc >> 8));
    return b;
}

// A device's refusal of function func with the given exception code.
inline Bytes Refusal(std::uint8_t address, std::uint8_t func, std::uint8_t code) {
    return WithCrc({address, static_cast<std::uint8_t>(func | kExceptionBit), code});
}

}  // namespace tarvix::testing
