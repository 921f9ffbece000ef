#include "crc16.h"

#include <array>

namespace tarvix {
namespace {

// The classic pair of tables: one for the high byte, one for the low byte of the running
// CRC, generated at compile time from the polynomial instead of typed in.
struct CrcTables {
    std::array<std::uint8_t, 256> hi{};
    std::array<std::uint8_t, 256> lo{};
};

constexpr CrcTables MakeTables() {
    CrcTables t;
    for (int i = 0; i < 256; ++i) {
        std::uint16_t crc = static_cast<std::uint16_t>(i);
        for (int b = 0; b < 8; ++b) {
            crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u)
                             : static_cast<std::uint16_t>(crc >> 1);
        }
        t.lo[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(crc & 0xFFu);
        t.hi[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(crc >> 8);
    }
    return t;
}

constexpr CrcTables kTables = MakeTables();

}  // namespace

std::uint16_t Crc16(const std::uint8_t* bytes, int n) {
    std::uint8_t lo = 0xFF;
    std::uint8_t hi = 0xFF;
    for (int i = 0; i < n; ++i) {
        const std::uint8_t idx = lo ^ bytes[i];
        lo = hi ^ kTables.lo[idx];
        hi = kTables.hi[idx];
    }
    return static_cast<std::uint16_t>((hi << 8) | lo);
}

}  // namespace tarvix
