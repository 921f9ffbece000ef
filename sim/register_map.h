// The simulated transmitter's view of the parameter table: for every holding register
// whether a parameter covers it, whether it is one half of a float, whether the device lets
// a master write it; and the size and value code of the measuring-module parameters.
// Built once from the program's parameter table, so the simulator and the program can never
// disagree about the register map.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvix::sim {

inline constexpr int kRegisters = 1796;
inline constexpr int kDspParams = 20;

enum class RegKind : std::uint8_t {
    None,  // no parameter row covers the register: reads as 0, cannot be written
    Word,
    FloatLow,   // low-order half of a float (the row's register)
    FloatHigh,  // high-order half; the program identifies the float by this one
};

class RegisterMap {
  public:
    // The map of the parameter table compiled into the program.
    static const RegisterMap& Instance();

    RegKind Kind(int reg) const { return InRange(reg) ? info_[Idx(reg)].kind : RegKind::None; }
    bool IsFloat(int reg) const {
        const RegKind k = Kind(reg);
        return k == RegKind::FloatLow || k == RegKind::FloatHigh;
    }
    // Level-1 access of the row is read and write. The transmitter's firmware enforces
    // exactly this: the other access levels only decide what the program shows.
    bool Writable(int reg) const { return InRange(reg) && info_[Idx(reg)].writable; }
    // The parameter name of the row covering reg ("" when none).
    std::string_view Name(int reg) const;
    // The row register (low register of a float) of the parameter called name, or -1.
    int Find(std::string_view name) const;

    // Measuring-module parameter n (0..19): value bytes (2, 3 or 4), value code, name.
    int DspSize(int n) const;
    std::uint8_t DspCode(int n) const;
    std::string_view DspName(int n) const;

    static bool InRange(int reg) { return reg >= 0 && reg < kRegisters; }

  private:
    RegisterMap();
    static std::size_t Idx(int reg) { return static_cast<std::size_t>(reg); }

    struct Info {
        RegKind kind = RegKind::None;
        bool writable = false;
        std::int16_t row = -1;
    };
    std::array<Info, kRegisters> info_{};
    std::array<std::int16_t, kDspParams> dspRow_{};
};

}  // namespace tarvix::sim
