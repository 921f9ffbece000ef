// The register image: the program's copy of the transmitter's 1796 holding registers, each
// with the moment its value was received. A received value is taken only when it is newer
// than the one held, so lists distributed out of order still leave the newest value.
#pragma once

#include <array>
#include <cstdint>

namespace tarvix {

// Holding registers 0..1795 are the user registers; the number 1796 marks "no register"
// (group rows of the parameter table).
inline constexpr int kRegCount = 1796;
inline constexpr int kNoRegister = 1796;

inline constexpr bool IsUserRegister(int r) { return r >= 0 && r < kRegCount; }

struct RegisterImage {
    std::array<std::uint16_t, kRegCount> ModbusRegs{};
    std::array<double, kRegCount> RegTime{};  // days since 30.12.1899; 0 = never received

    // Accepts a received value when its stamp t is strictly newer than the one held.
    // Returns whether it was taken. Registers outside 0..1795 are never taken.
    bool Accept(int r, std::uint16_t v, double t);

    // Stores a value without a reception stamp (user edit, loaded file): the next reception
    // of the register, whatever its stamp, replaces it.
    void Store(int r, std::uint16_t v);

    // Two-register values are identified by their higher register id; the lower register
    // (id - 1) holds the low-order word. Out-of-range ids read as 0 and are not written.
    std::uint32_t ReadU32(int id) const;
    void StoreU32(int id, std::uint32_t v);
    float ReadFloat(int id) const;
    void StoreFloat(int id, float v);
    std::int32_t ReadI32(int id) const { return static_cast<std::int32_t>(ReadU32(id)); }
    void StoreI32(int id, std::int32_t v) { StoreU32(id, static_cast<std::uint32_t>(v)); }

    // A totaliser identified by register n: the overflow count (float at n-3..n-2) in units
    // of 10 000 000 plus the running sum (float at n-1..n), rounded to single precision as
    // the device shows it.
    float ReadTotaliser(int id) const;
};

}  // namespace tarvix
