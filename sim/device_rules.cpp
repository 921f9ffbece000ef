// What the firmware accepts on a write, and what a write sets in motion.
//
// Refusals, as this firmware answers them:
//   2  a register no parameter covers (there is nothing to write)
//   3  a value outside its menu or range, or a float that is not a number
//   4  the register exists but refuses the value: a read-only parameter, protected sensor
//      data without the access key, the hidden current-output data without the FRAM
//      jumper, or an action the device cannot carry out (a current adjustment from trims
//      that are no measurement of 4 and 20 mA, or from coefficients that cannot drive)
//   5  the write-lock micro switch is on: every write is refused
// A read-only parameter gets 4 rather than 2 because its address is valid (it reads fine),
// and the program's text for 4, "write error", tells the engineer what really happened.
#include "sim/device.h"
#include "sim/device_layout.h"

#include <bit>
#include <cmath>

namespace tarvix::sim {
namespace {

struct Limit {
    int reg, lo, hi;
};

// Menu registers and their item ranges, and the few word ranges the firmware checks.
constexpr Limit kLimits[] = {
    {mrSertification, 0, 1},
    {mrCalibrationDD, 1, 31},
    {mrCalibrationMM, 1, 12},
    {mrCalibrationYY, 0, 99},
    {mrSensorType, 0, 5},
    {mrReadCdc, 0, 1},
    {mrDisplayMode, 0, 2},
    {mrCount_LinearInterpolation, 0, 8},
    {mrUnitMassFlow, 0, 8},
    {mrUnitVolumeFlow, 0, 8},
    {mrUnitDensity, 0, 2},
    {mrUnitTemperature, 0, 1},
    {mrUnitCorrVolumeFlow, 0, 8},
    {mrUnitRefDensity, 0, 2},
    {mrUnitMass, 0, 2},
    {mrUnitVolume, 0, 2},
    {mrUnitCorrVolume, 0, 2},
    {mrModeRefDensity, 0, 1},
    {mrFixUnitRefDensity, 0, 2},
    {mrResetProcessor, 0, 1},
    {mrAssLowFlow_CutOff, 0, 3},
    {mrAssLowFlow_Unit, 0, 8},
    {mrAssignParamFixed, 0, 3},
    {mrDevAddr, kMinSlaveAddress, kMaxSlaveAddress},
    {mrBaudIndex, 0, static_cast<int>(kBaudRates.size()) - 1},
    {mrParity, kParityNone, kParityEven},
    {mrZeroPointAdjust, 0, 1},
    {mrContrast, 1, 63},
    {mrImageOrientation, 0, 1},
    {mrLanguage, 0, 1},
    {mrRapidTotalMenu, 0, 4},
    {mrF1_Assign, 0, 26},
    {mrF1_Format, 0, 6},
    {mrF1_Unit, 0, 8},
    {mrF1Mix_Assign, 0, 27},
    {mrF1Mix_Format, 0, 6},
    {mrF1Mix_Unit, 0, 8},
    {mrF2_Assign, 0, 26},
    {mrF2_Format, 0, 6},
    {mrF2_Unit, 0, 8},
    {mrF2Mix_Assign, 0, 27},
    {mrF2Mix_Format, 0, 6},
    {mrF2Mix_Unit, 0, 8},
    {mrSumFailsafeMode, 0, 2},
    {mrPFS1_Mode, 0, 3},
    {mrPFSf_Assign, 0, 6},
    {mrPFSf_Mode, 0, 1},
    {mrPFSf_Unit, 0, 8},
    {mrPFSf_FailsafeMode, 0, 3},
    {mrPFSf_SimMode, 0, 1},
    {mrPFSp_Assign, 0, 7},
    {mrPFSp_Mode, 0, 3},
    {mrPFSp_SimMode, 0, 2},
    {mrPFSp_FailsafeMode, 0, 2},
    {mrFS2_Mode, 0, 2},
    {mrFSf_Assign, 0, 6},
    {mrFSf_Mode, 0, 1},
    {mrFSf_Unit, 0, 8},
    {mrFSf_FailsafeMode, 0, 3},
    {mrFSf_SimMode, 0, 1},
    {mrCUR_Assign, 0, 6},
    {mrCUR_Unit, 0, 8},
    {mrCUR_Measuring_Mode, 0, 2},
    {mrCUR_Failsafe_Mode, 0, 2},
    {mrCUR_Simulation_Mode, 0, 1},
    {mrCUR_Restore_Coefficient, 0, 1},
    {mrCUR_Adjustment_Mode, 0, 1},
    {mrCUR_DD, 1, 31},
    {mrCUR_MM, 1, 12},
    {mrCUR_YY, 0, 99},
    {mrDI1_Assign, 0, 6},
    {mrDI2_Assign, 0, 6},
    {mrConcentrationEnable, 0, 1},
    {mrTF_ApproximationMethod, 0, 1},
    {mrTF_PWLTable_PointsCount, 1, 20},
    {mrCF_ApproximationMethod, 0, 1},
    {mrCF_PWLTable_PointsCount, 1, 20},
};

// Members repeated per totaliser and per status output.
bool RepeatedLimit(int reg, int* lo, int* hi) {
    for (const int base : kTotalBase) {
        const int k = reg - base;
        const int max[] = {7, 2, 1, 2, 1};  // assign, unit, state, mode, reset
        if (k >= 0 && k <= kTotReset) return *lo = 0, *hi = max[k], true;
    }
    for (const int base : kRelayBase) {
        switch (reg - base) {
            case kRelAssign:
                return *lo = 0, *hi = 15, true;
            case kRelMode:
            case kRelSimMode:
            case kRelSimVal:
                return *lo = 0, *hi = 1, true;
            case kRelUnit:
                return *lo = 0, *hi = 8, true;
            default:
                break;
        }
    }
    return false;
}

bool Protected(int reg) { return (reg >= 0 && reg <= 38) || (reg >= 100 && reg <= 132); }
bool HiddenCurrentData(int reg) { return reg >= 1300 && reg <= 1399; }

// Whether a write of start..start+count-1 covers either half of the float at low.
bool Touches(int start, int count, int low) { return start <= low + 1 && start + count > low; }

// The ranges ammeter readings at 4 and at 20 mA must lie in for the device to take them
// as measurements of those points.
constexpr double kTrim4LowMa = 3.0, kTrim4HighMa = 5.0;
constexpr double kTrim20LowMa = 18.0, kTrim20HighMa = 22.0;

struct Coefficients {
    bool valid = false;
    float gain = 0.0f, offset = 0.0f;
};

// The output drives the DAC with I x Gain + Offset; the ammeter read m4 and m20 while the
// DAC was driven with c4 and c20. Taking the hardware as linear between the two, the new
// coefficients make the DAC current land where the ammeter reads exactly I. Refused (not
// valid) for readings that cannot belong to the two points, for coefficients that drove
// both points alike or not at all (a zero or non-finite gain in force), and for a result
// that is not a usable gain and offset.
Coefficients AdjustedCoefficients(double m4, double m20, double c4, double c20) {
    if (!(m4 >= kTrim4LowMa && m4 <= kTrim4HighMa && m20 >= kTrim20LowMa && m20 <= kTrim20HighMa))
        return {};
    if (!std::isfinite(c4) || !std::isfinite(c20) || !(c20 > c4)) return {};
    const double slope = (m20 - m4) / (c20 - c4);
    const double intercept = m4 - slope * c4;
    const auto gain = static_cast<float>(1.0 / slope);
    const auto offset = static_cast<float>(-intercept / slope);
    if (!std::isnormal(gain) || gain < 0.0f || !std::isfinite(offset)) return {};
    return {true, gain, offset};
}

}  // namespace

std::uint8_t Device::CheckWrite(int start, int count, const std::uint16_t* values) const {
    if (writeLock_) return kExceptionWriteProtected;
    for (int i = 0; i < count; ++i) {
        if (const std::uint8_t code = CheckValue(start + i, start, count, values)) return code;
    }
    return 0;
}

std::uint8_t Device::CheckValue(int reg, int start, int count, const std::uint16_t* values) const {
    const auto& map = RegisterMap::Instance();
    if (map.Kind(reg) == RegKind::None) return kExceptionIllegalAddress;
    if (!map.Writable(reg)) return kExceptionWriteFailed;
    if (Protected(reg) && regs_[mrSensorData_AccessKey] != AccessKey())
        return kExceptionWriteFailed;
    if (HiddenCurrentData(reg) && !fram_jumper) return kExceptionWriteFailed;

    const int v = values[reg - start];
    int lo = 0, hi = 0;
    bool limited = RepeatedLimit(reg, &lo, &hi);
    for (const Limit& l : kLimits) {
        if (l.reg == reg) limited = true, lo = l.lo, hi = l.hi;
    }
    if (limited && (v < lo || v > hi)) return kExceptionIllegalData;

    // A float is judged when the request carries both of its halves.
    if (map.Kind(reg) == RegKind::FloatLow && reg + 1 < start + count) {
        const std::uint32_t bits = static_cast<std::uint32_t>(values[reg - start]) |
                                   (static_cast<std::uint32_t>(values[reg + 1 - start]) << 16);
        if (!std::isfinite(std::bit_cast<float>(bits))) return kExceptionIllegalData;
    }
    if (reg == mrCUR_Adjustment_Mode && v == 1 && !AdjustmentPossible(start, count, values)) {
        return kExceptionWriteFailed;
    }
    return 0;
}

bool Device::AdjustmentPossible(int start, int count, const std::uint16_t* values) const {
    // Everything as it will be after this write: the trims and coefficients may travel in
    // the same request as the command.
    auto word = [&](int r) {
        return r >= start && r < start + count ? values[r - start] : regs_[Idx(r)];
    };
    auto value = [&](int low) -> double {
        const std::uint32_t bits = word(low) | (static_cast<std::uint32_t>(word(low + 1)) << 16);
        return std::bit_cast<float>(bits);
    };
    const int trims[2] = {mrCUR_Trim_4mA, mrCUR_Trim_20mA};
    double drive[2] = {};
    for (int k = 0; k < 2; ++k) {
        drive[k] = Touches(start, count, trims[k])
                       ? kTrimPointsMa[static_cast<std::size_t>(k)] * value(mrCUR_Current_Gain) +
                             value(mrCUR_Current_Offset)
                       : trimDrive_[static_cast<std::size_t>(k)];
    }
    return AdjustedCoefficients(value(trims[0]), value(trims[1]), drive[0], drive[1]).valid;
}

double Device::DacCurrent(double nominalMa) const {
    return nominalMa * F(mrCUR_Current_Gain) + F(mrCUR_Current_Offset);
}

void Device::RememberTrimDrive(int start, int count) {
    // A trim is what the ammeter showed while the output drove its nominal point with the
    // coefficients in force then. Keeping that drive makes the adjustment a function of the
    // measurements alone: repeated (the engineer presses again, the master repeats a request
    // whose answer was lost) it computes the same coefficients.
    const int trims[2] = {mrCUR_Trim_4mA, mrCUR_Trim_20mA};
    for (std::size_t k = 0; k < 2; ++k) {
        if (Touches(start, count, trims[k])) trimDrive_[k] = DacCurrent(kTrimPointsMa[k]);
    }
}

void Device::ComputeCurrentCoefficients() {
    const Coefficients c =
        AdjustedCoefficients(F(mrCUR_Trim_4mA), F(mrCUR_Trim_20mA), trimDrive_[0], trimDrive_[1]);
    if (!c.valid) return;  // refused by the write check already
    SetF(mrCUR_Current_Gain, c.gain);
    SetF(mrCUR_Current_Offset, c.offset);
}

void Device::AfterWrite(int start, int count) {
    RememberTrimDrive(start, count);
    for (int reg = start; reg < start + count; ++reg) {
        const std::uint16_t v = regs_[Idx(reg)];
        switch (reg) {
            case mrDevAddr:
            case mrBaudIndex:
            case mrParity:
                linkChanged_ = true;
                break;
            case mrResetProcessor:
                if (v == 1) {
                    rebootUntil_ = now_ + kRebootSeconds;
                    regs_[mrAllErrLink] = regs_[mrTimeOutErrLink] = 0;
                    dsp_.Restart();
                }
                regs_[mrResetProcessor] = 0;
                break;
            case mrZeroPointAdjust:
                zeroStart_ = v == 1 ? now_ : -1.0;
                zeroSum_ = 0.0;
                zeroCount_ = 0;
                if (v == 1) regs_[mrProgress] = 0;
                break;
            case mrCUR_Restore_Coefficient:
                if (v == 1) {
                    SetF(mrCUR_Current_Offset, F(mrCUR_Hidden_Offset));
                    SetF(mrCUR_Current_Gain, F(mrCUR_Hidden_Gain));
                }
                regs_[reg] = 0;
                break;
            case mrCUR_Adjustment_Mode:
                if (v == 1) ComputeCurrentCoefficients();
                regs_[reg] = 0;
                break;
            default:
                break;
        }
        for (int k = 0; k < 4; ++k) {
            const int off = reg - kTotalBase[k];
            if (off == kTotReset && v == 1) {
                ResetTotal(k);
                regs_[Idx(reg)] = 0;
            }
        }
    }
    // A total preset by the master: overflow count, sum and running time as written.
    for (int k = 0; k < 4; ++k) {
        const int first = kTotalBase[k] + kTotOverflow, last = kTotalBase[k] + kTotTime + 1;
        if (start <= last && start + count > first) {
            SyncFromRegisters();
            break;
        }
    }
    CurrentOutput();
    Status();
}

void Device::SetInput(int n, bool on) {
    if (n < 1 || n > 2) return;
    const bool rising = on && !inputs_[static_cast<std::size_t>(n - 1)];
    inputs_[static_cast<std::size_t>(n - 1)] = on;
    const int assignReg = n == 1 ? mrDI1_Assign : mrDI2_Assign;
    regs_[Idx(assignReg + 1)] = on ? 1 : 0;
    if (!rising) return;
    // 1..4 reset that totaliser, 5 all of them, 6 start a zero adjustment.
    const int assign = regs_[Idx(assignReg)];
    if (assign >= 1 && assign <= 4) ResetTotal(assign - 1);
    if (assign == 5) {
        for (int k = 0; k < 4; ++k) ResetTotal(k);
    }
    if (assign == 6) {
        zeroStart_ = now_;
        zeroSum_ = 0.0;
        zeroCount_ = 0;
        regs_[mrZeroPointAdjust] = 1;
        regs_[mrProgress] = 0;
    }
}

}  // namespace tarvix::sim
