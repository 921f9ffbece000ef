#include "register_image.h"

#include <bit>

namespace tarvix {

bool RegisterImage::Accept(int r, std::uint16_t v, double t) {
    if (!IsUserRegister(r)) return false;
    const auto i = static_cast<std::size_t>(r);
    if (!(t > RegTime[i])) return false;
    ModbusRegs[i] = v;
    RegTime[i] = t;
    return true;
}

void RegisterImage::Store(int r, std::uint16_t v) {
    if (IsUserRegister(r)) ModbusRegs[static_cast<std::size_t>(r)] = v;
}

std::uint32_t RegisterImage::ReadU32(int id) const {
    if (!IsUserRegister(id) || !IsUserRegister(id - 1)) return 0;
    const auto hi = static_cast<std::size_t>(id);
    return (std::uint32_t{ModbusRegs[hi]} << 16) | ModbusRegs[hi - 1];
}

void RegisterImage::StoreU32(int id, std::uint32_t v) {
    if (!IsUserRegister(id) || !IsUserRegister(id - 1)) return;
    const auto hi = static_cast<std::size_t>(id);
    ModbusRegs[hi - 1] = static_cast<std::uint16_t>(v & 0xFFFFu);
    ModbusRegs[hi] = static_cast<std::uint16_t>(v >> 16);
}

float RegisterImage::ReadFloat(int id) const { return std::bit_cast<float>(ReadU32(id)); }

void RegisterImage::StoreFloat(int id, float v) { StoreU32(id, std::bit_cast<std::uint32_t>(v)); }

float RegisterImage::ReadTotaliser(int id) const {
    const double over = ReadFloat(id - 2);
    const double sum = ReadFloat(id);
    return static_cast<float>(over * 10000000.0 + sum);
}

}  // namespace tarvix
