// The transmitter's outputs: output 1 (pulse, frequency or status), output 2 (frequency or
// status), output 3 (status) and the 4-20 mA current output, each following its assignment.
#include "sim/device.h"
#include "sim/device_layout.h"

#include <algorithm>
#include <cmath>

namespace tarvix::sim {
namespace {

constexpr double kSimulatedPulseHz = 100.0;  // pulse rate of the pulse simulation modes
constexpr double kDacFullScaleMa = 24.0;     // the current output's 16-bit DAC
constexpr double kDacSteps = 65535.0;

}  // namespace

bool Device::OutputValue(int assign, int unitReg, double* value) const {
    // Assignments of the frequency and current outputs: 1 mass flow, 2 volume flow,
    // 3 density, 4 temperature, 5 corrected volume flow, 6 reference density.
    const int unit = regs_[Idx(unitReg)];
    switch (assign) {
        case 1:
            *value = FromBase(Quantity::MassFlow, unit, live_.massFlow);
            return true;
        case 2:
            *value = FromBase(Quantity::VolumeFlow, unit, live_.volumeFlow);
            return true;
        case 3:
            *value = FromBase(Quantity::Density, unit, live_.densityOut);
            return true;
        case 4:
            *value = FromBase(Quantity::Temperature, unit, live_.temperatureOut);
            return true;
        case 5:
            *value = FromBase(Quantity::CorrVolumeFlow, unit, live_.corrVolumeFlow);
            return true;
        case 6:
            *value = FromBase(Quantity::RefDensity, unit, live_.refDensity);
            return true;
        default:
            return false;
    }
}

void Device::Outputs() {
    const double dt = kTickSeconds;
    // Frequency outputs: the value scaled linearly between (MinValue, MinFreq) and
    // (MaxValue, MaxFreq), with the failsafe behaviour while an error is reported.
    const bool freqActive[2] = {regs_[mrPFS1_Mode] == 2, regs_[mrFS2_Mode] == 1};
    for (int k = 0; k < 2; ++k) {
        const int b = kFreqBase[k];
        double f = 0.0, v = 0.0;
        if (freqActive[k] && regs_[Idx(b + kFrqSimMode)] == 1) {
            f = F(b + kFrqSimFreq);
        } else if (freqActive[k] && OutputValue(regs_[Idx(b + kFrqAssign)], b + kFrqUnit, &v)) {
            if (regs_[Idx(b + kFrqMode)] == 1) v = std::abs(v);
            const double maxF = F(b + kFrqMaxFreq), minF = F(b + kFrqMinFreq);
            const double maxV = F(b + kFrqMaxValue), minV = F(b + kFrqMinValue);
            f = maxV != minV ? minF + (maxF - minF) * (v - minV) / (maxV - minV) : minF;
            f = std::clamp(f, 0.0, std::max(0.0, 1.1 * maxF));
            if (faultActive_) {
                switch (regs_[Idx(b + kFrqFailsafe)]) {
                    case 0:
                        f = 0.0;
                        break;
                    case 1:
                        f = F(b + kFrqFrequency);
                        break;
                    case 3:
                        f = F(b + kFrqFailValue);
                        break;
                    default:
                        break;
                }
            }
        }
        SetF(b + kFrqFrequency, static_cast<float>(f));
    }

    // Pulse output: one pulse per PulseValue of the counted quantity, at most one pulse per
    // two pulse widths; beyond that the output's buffer overflows.
    double f = 0.0;
    pulseOverflow_ = false;
    if (regs_[mrPFS1_Mode] == 1) {
        const int sim = regs_[mrPFSp_SimMode];
        if (sim == 1) {
            f = kSimulatedPulseHz;
        } else if (sim == 2) {
            const double left = F(mrPFSp_CountDown);
            if (left >= 1.0) {
                f = kSimulatedPulseHz;
                SetF(mrPFSp_CountDown, static_cast<float>(std::max(0.0, left - f * dt)));
            }
        } else {
            const int assign = regs_[mrPFSp_Assign];
            const Quantity q = TotalQuantity(assign);
            const int unitReg = q == Quantity::Mass     ? mrUnitMass
                                : q == Quantity::Volume ? mrUnitVolume
                                                        : mrUnitCorrVolume;
            double rate = assign >= 1 && assign <= 7
                              ? FromBase(q, regs_[Idx(unitReg)], AssignedFlow(assign))
                              : 0.0;
            switch (regs_[mrPFSp_Mode]) {
                case 0:
                    rate = std::max(rate, 0.0);
                    break;
                case 2:
                    rate = std::max(-rate, 0.0);
                    break;
                default:
                    rate = std::abs(rate);
                    break;
            }
            const double value = F(mrPFSp_PulseValue);
            f = value > 0.0 ? rate / value : 0.0;
            const double widthMs = F(mrPFSp_PulseWidth);
            const double maxF = widthMs > 0.0 ? 500.0 / widthMs : 10000.0;
            if (f > maxF) {
                f = maxF;
                pulseOverflow_ = true;
            }
            if (faultActive_) {
                const int mode = regs_[mrPFSp_FailsafeMode];  // 0 zero, 1 hold, 2 actual
                if (mode == 0) f = 0.0;
                if (mode == 1) f = F(mrPFSp_Frequency);
            }
        }
    }
    SetF(mrPFSp_Frequency, static_cast<float>(f));
    pulses_ += f * dt;
    const double whole = std::floor(pulses_);
    pulses_ -= whole;
    double counter = F(mrPFSp_Counter) + whole;
    if (counter >= 1e7) counter -= 1e7;  // the counter wraps like the display's seven digits
    SetF(mrPFSp_Counter, static_cast<float>(counter));

    StatusOutputs();
    CurrentOutput();
}

void Device::StatusOutputs() {
    const bool active[3] = {regs_[mrPFS1_Mode] == 3, regs_[mrFS2_Mode] == 2, true};
    for (int k = 0; k < 3; ++k) {
        const int b = kRelayBase[k];
        Relay& relay = relays_[static_cast<std::size_t>(k)];
        if (!active[k]) {
            relay = Relay{};
            regs_[Idx(b + kRelStatus)] = 0;
            continue;
        }
        if (regs_[Idx(b + kRelSimMode)] == 1) {
            regs_[Idx(b + kRelStatus)] = regs_[Idx(b + kRelSimVal)] != 0 ? 1 : 0;
            continue;
        }
        const int assign = regs_[Idx(b + kRelAssign)];
        const int unit = regs_[Idx(b + kRelUnit)];
        bool want = false;
        bool limit = false;
        double v = 0.0;
        switch (assign) {
            case 1:
                want = true;
                break;
            case 2:
                want = faultActive_;
                break;
            case 3:
                want = warningActive_;
                break;
            case 4:
                want = faultActive_ || warningActive_;
                break;
            case 5:
                want = live_.massFlow < 0.0;
                break;  // on for reverse flow
            case 6:
                v = FromBase(Quantity::MassFlow, unit, live_.massFlow);
                limit = true;
                break;
            case 7:
                v = FromBase(Quantity::VolumeFlow, unit, live_.volumeFlow);
                limit = true;
                break;
            case 8:
                v = FromBase(Quantity::CorrVolumeFlow, unit, live_.corrVolumeFlow);
                limit = true;
                break;
            case 9:
                v = FromBase(Quantity::Density, unit, live_.densityOut);
                limit = true;
                break;
            case 10:
                v = FromBase(Quantity::RefDensity, unit, live_.refDensity);
                limit = true;
                break;
            case 11:
                v = FromBase(Quantity::Temperature, unit, live_.temperatureOut);
                limit = true;
                break;
            case 12:
            case 13:
            case 14:
            case 15: {
                const int t = assign - 12;
                const int totalAssign = regs_[Idx(kTotalBase[t] + kTotAssign)];
                if (totalAssign == 0) break;
                v = FromBase(TotalQuantity(totalAssign), unit,
                             totals_[static_cast<std::size_t>(t)].value);
                limit = true;
                break;
            }
            default:
                break;
        }
        if (limit) {
            // Limit switch with hysteresis: on at OnValue, off again at OffValue; with
            // OnValue below OffValue it works the other way round (a low limit).
            if (regs_[Idx(b + kRelMode)] == 1) v = std::abs(v);
            const double on = F(b + kRelOn), off = F(b + kRelOff);
            want = on >= off ? (relay.on ? v > off : v >= on) : (relay.on ? v < off : v <= on);
        }
        if (want == relay.on) {
            relay.pending = false;
        } else {
            if (!relay.pending) relay = {relay.on, now_, true};
            const double delay = F(b + (want ? kRelOnDelay : kRelOffDelay));
            if (now_ - relay.since >= delay) relay = {want, now_, false};
        }
        regs_[Idx(b + kRelStatus)] = relay.on ? 1 : 0;
    }
}

void Device::CurrentOutput() {
    double current = 4.0, v = 0.0;
    currentSaturated_ = false;
    if (regs_[mrCUR_Simulation_Mode] == 1) {
        current = F(mrCUR_Value_Simulation);
    } else if (OutputValue(regs_[mrCUR_Assign], mrCUR_Unit, &v)) {
        if (regs_[mrCUR_Measuring_Mode] == 1) v = std::abs(v);
        const double v4 = F(mrCUR_Value_4mA), v20 = F(mrCUR_Value_20mA);
        current = v20 != v4 ? 4.0 + 16.0 * (v - v4) / (v20 - v4) : 4.0;
        // The output saturates just outside the 4-20 mA range (NAMUR NE 43 limits).
        if (current < 3.8 || current > 20.5) {
            current = std::clamp(current, 3.8, 20.5);
            currentSaturated_ = true;
        }
        if (faultActive_) {
            const int mode = regs_[mrCUR_Failsafe_Mode];  // 0 low alarm, 1 high alarm, 2 ignore
            if (mode == 0) current = 3.5;
            if (mode == 1) current = 22.6;
        }
    }
    SetF(mrCUR_Current, static_cast<float>(current));
    // The DAC gets the current corrected by the calibration: 16 bits over 0..24 mA. What
    // leaves the terminals is the DAC current through the board's own error.
    const double corrected = DacCurrent(current);
    const double code =
        std::isfinite(corrected)
            ? std::round(std::clamp(corrected, 0.0, kDacFullScaleMa) * kDacSteps / kDacFullScaleMa)
            : 0.0;
    SetF(mrCUR_DacCode, static_cast<float>(code));
    outputMa_ = board_.gain * code * kDacFullScaleMa / kDacSteps + board_.offsetMa;
    SetF(mrCUR_Temp, static_cast<float>(live_.boardC));
}

}  // namespace tarvix::sim
