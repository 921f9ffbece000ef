// The simulator's register map, built from the parameter rows.
#include "sim/register_map.h"

#include "model/param_rows.h"

namespace tarvix::sim {

const RegisterMap& RegisterMap::Instance() {
    static const RegisterMap map;
    return map;
}

RegisterMap::RegisterMap() {
    dspRow_.fill(-1);
    bool dspRows = false;
    for (int row = 0; row < ParamCount; ++row) {
        const ParamReg& p = ParamRegs[static_cast<std::size_t>(row)];
        if (p.DspSize != 0) {
            dspRows = true;
            if (p.Reg >= 0 && p.Reg < kDspParams)
                dspRow_[static_cast<std::size_t>(p.Reg)] = static_cast<std::int16_t>(row);
            continue;
        }
        // Register rows all come before the first measuring-module row.
        if (dspRows || p.Type == kTypeGroup || !InRange(p.Reg)) continue;
        const bool writable = p.Access == kReadWrite;
        const auto r16 = static_cast<std::int16_t>(row);
        if (p.Type == kTypeFloat && InRange(p.Reg + 1)) {
            info_[Idx(p.Reg)] = {RegKind::FloatLow, writable, r16};
            info_[Idx(p.Reg + 1)] = {RegKind::FloatHigh, writable, r16};
        } else {
            info_[Idx(p.Reg)] = {RegKind::Word, writable, r16};
        }
    }
}

std::string_view RegisterMap::Name(int reg) const {
    if (!InRange(reg) || info_[Idx(reg)].row < 0) return {};
    return ParamRegs[static_cast<std::size_t>(info_[Idx(reg)].row)].Name;
}

int RegisterMap::Find(std::string_view name) const {
    for (int row = 0; row < ParamCount; ++row) {
        const ParamReg& p = ParamRegs[static_cast<std::size_t>(row)];
        if (p.DspSize == 0 && p.Type != kTypeGroup && name == p.Name) return p.Reg;
    }
    return -1;
}

int RegisterMap::DspSize(int n) const {
    if (n < 0 || n >= kDspParams || dspRow_[static_cast<std::size_t>(n)] < 0) return 4;
    return ParamRegs[static_cast<std::size_t>(dspRow_[static_cast<std::size_t>(n)])].DspSize;
}

std::uint8_t RegisterMap::DspCode(int n) const {
    if (n < 0 || n >= kDspParams || dspRow_[static_cast<std::size_t>(n)] < 0) return 0;
    return static_cast<std::uint8_t>(
        ParamRegs[static_cast<std::size_t>(dspRow_[static_cast<std::size_t>(n)])].Type);
}

std::string_view RegisterMap::DspName(int n) const {
    if (n < 0 || n >= kDspParams || dspRow_[static_cast<std::size_t>(n)] < 0) return {};
    return ParamRegs[static_cast<std::size_t>(dspRow_[static_cast<std::size_t>(n)])].Name;
}

}  // namespace tarvix::sim
