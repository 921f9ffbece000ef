// Modbus CRC-16 (reflected polynomial 0xA001, initial 0xFFFF), table driven.
#pragma once

#include <cstdint>

namespace tarvix {

// CRC of the first n bytes (n is at most 255 in every frame of the protocol, but any n
// works). The frame carries it low byte first.
std::uint16_t Crc16(const std::uint8_t* bytes, int n);

}  // namespace tarvix
