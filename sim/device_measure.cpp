// The measuring cycle: from the sensor's time delay and tube frequency to mass flow,
// density, temperature and the values derived from them, in the units the registers select.
#include "sim/device.h"
#include "sim/device_layout.h"

#include <algorithm>
#include <cmath>

namespace tarvix::sim {
namespace {

// The tubes' own time delay at zero flow, which the zero adjustment learns.
constexpr double kTrueZeroUs = 0.0021;

// A first-order filter step with time constant tau seconds.
double Damp(double previous, double input, double tau, double dt) {
    if (!(tau > 0.0)) return input;
    return previous + dt / (tau + dt) * (input - previous);
}

}  // namespace

double Device::PwlCorrection(double kgh) const {
    // Correction points: flow fractions q of the sensor's nominal flow with the correction
    // in kg/h at each; between zero flow and the first point the correction ramps from 0.
    const int n = std::min<int>(regs_[mrCount_LinearInterpolation], 8);
    const double qmax = 1000.0 * F(mrSensorMaxQm_t_h);
    if (n <= 0 || !(qmax > 0.0)) return 0.0;
    const double q = std::abs(kgh) / qmax;
    double prevQ = 0.0, prevD = 0.0, d = 0.0;
    for (int i = 0; i < n; ++i) {
        const double pq = F(mrPointInterpolation1 + 2 * i), pd = F(mrDQ_Correction1 + 2 * i);
        if (q <= pq) {
            d = pq > prevQ ? prevD + (pd - prevD) * (q - prevQ) / (pq - prevQ) : pd;
            return std::copysign(d, kgh);
        }
        prevQ = pq;
        prevD = pd;
    }
    return std::copysign(prevD, kgh);
}

double Device::FluidDensity(int methodReg, double t) const {
    // Layout after the method register: a0..a5, t0, t0..t19, d0..d19, points count.
    const int poly = methodReg + 1, t0Reg = poly + 12, tReg = t0Reg + 2, dReg = tReg + 40,
              countReg = dReg + 40;
    if (regs_[Idx(methodReg)] == 0) {
        const double x = t - F(t0Reg);
        double sum = 0.0, power = 1.0;
        for (int i = 0; i < 6; ++i, power *= x) sum += F(poly + 2 * i) * power;
        return sum;
    }
    const int n = std::clamp<int>(regs_[Idx(countReg)], 1, 20);
    if (t <= F(tReg)) return F(dReg);
    for (int i = 1; i < n; ++i) {
        const double t1 = F(tReg + 2 * i), t0 = F(tReg + 2 * i - 2);
        if (t <= t1 && t1 > t0) {
            const double d0 = F(dReg + 2 * i - 2), d1 = F(dReg + 2 * i);
            return d0 + (d1 - d0) * (t - t0) / (t1 - t0);
        }
    }
    return F(dReg + 2 * (n - 1));
}

void Device::Measure() {
    const double dt = kTickSeconds;
    ProcessValues p = process_.Sample(now_);

    // The sensor: the Coriolis time delay grows with the mass flow by the sensor's Ratio
    // (kg/h per microsecond) on top of the tubes' zero offset.
    const double ratio = F(mrRatio) > 0.0f ? F(mrRatio) : 1.0;
    const double delayRaw = p.massFlowKgS * 3600.0 / ratio + kTrueZeroUs +
                            0.0004 * process_.NoiseScale() * noise_.Gauss();
    live_.delayRawUs = delayRaw;
    live_.delayUs = Damp(live_.delayUs, delayRaw, F(mrFlowDamping), dt);

    // Zero adjustment: the device averages the delay for a few seconds and takes it as the
    // new zero. Done with the flow running, it learns a wrong zero, as a real one would.
    if (zeroStart_ >= 0.0) {
        zeroSum_ += delayRaw;
        ++zeroCount_;
        const double done = (now_ - zeroStart_) / kZeroAdjustSeconds;
        regs_[mrProgress] = static_cast<std::uint16_t>(std::clamp(done * 100.0, 0.0, 100.0));
        if (done >= 1.0) {
            SetF(mrZeroPoint, static_cast<float>(zeroSum_ / zeroCount_));
            regs_[mrZeroPointAdjust] = 0;
            zeroStart_ = -1.0;
        }
    }

    double kgh = ratio * (live_.delayUs - F(mrZeroPoint));
    live_.rawMassFlowKgH = kgh;
    kgh += PwlCorrection(kgh);

    // The user's linear corrections act in the units the values are shown in.
    auto correct = [this](Quantity q, int unitReg, int factorReg, double base) {
        const int unit = regs_[Idx(unitReg)];
        const double shown = FromBase(q, unit, base) * F(factorReg) + F(factorReg + 2);
        return ToBase(q, unit, shown);
    };
    double massFlow = correct(Quantity::MassFlow, mrUnitMassFlow, mrMFactorMassFlow, kgh / 3600.0);
    live_.temperature = Damp(live_.temperature, p.temperatureC, 1.0, dt);
    double temperature =
        correct(Quantity::Temperature, mrUnitTemperature, mrMFactorTemperature, live_.temperature);
    live_.density = Damp(live_.density, p.densityKgM3, F(mrDensityDamping), dt);
    double density = correct(Quantity::Density, mrUnitDensity, mrMFactorDensity, live_.density);

    // Service override of one value (AssignParamFixed: 1 mass flow kg/h, 2 density kg/m3,
    // 3 temperature degrees C).
    switch (regs_[mrAssignParamFixed]) {
        case 1:
            massFlow = F(mrParamFixed) / 3600.0;
            break;
        case 2:
            density = F(mrParamFixed);
            break;
        case 3:
            temperature = F(mrParamFixed);
            break;
        default:
            break;
    }
    if (!(density > 0.0)) density = 1e-3;
    double volumeFlow =
        correct(Quantity::VolumeFlow, mrUnitVolumeFlow, mrMFactorVolumeFlow, massFlow / density);

    double refDensity = 0.0;
    if (regs_[mrModeRefDensity] == 0) {
        const double dT = temperature - F(mrRefTemperature);
        refDensity = density * (1.0 + F(mrAlfa) * dT + F(mrBetta) * dT * dT);
    } else {
        refDensity = ToBase(Quantity::RefDensity, regs_[mrFixUnitRefDensity], F(mrFixRefDensity));
    }
    if (!(refDensity > 0.0)) refDensity = 1e-3;
    double corrVolumeFlow = massFlow / refDensity;

    // Low-flow cut-off on the assigned flow, in the cut-off's own unit.
    const int cutAssign = regs_[mrAssLowFlow_CutOff];
    if (cutAssign >= 1 && cutAssign <= 3) {
        const Quantity q = cutAssign == 1   ? Quantity::MassFlow
                           : cutAssign == 2 ? Quantity::VolumeFlow
                                            : Quantity::CorrVolumeFlow;
        const double v = cutAssign == 1 ? massFlow : cutAssign == 2 ? volumeFlow : corrVolumeFlow;
        if (std::abs(FromBase(q, regs_[mrAssLowFlow_Unit], v)) < F(mrValLowFlow_CutOff)) {
            massFlow = volumeFlow = corrVolumeFlow = 0.0;
        }
    }
    live_.massFlow = massFlow;
    live_.volumeFlow = volumeFlow;
    live_.corrVolumeFlow = corrVolumeFlow;
    live_.refDensity = refDensity;

    // Tube frequency from the two-point density calibration (air and water): the square of
    // the period is linear in the density.
    const double k1 = F(mrPeriod_AIR_K1), k2 = F(mrPeriod_H2O_K2);
    const double d1 = F(mrRo_air_D1), d2 = F(mrRo_H2O_D2);
    const double period2 =
        d2 != d1 ? k1 * k1 + (p.densityKgM3 - d1) * (k2 * k2 - k1 * k1) / (d2 - d1) : 0.0;
    live_.tubeHz = period2 > 0.0 ? 1e6 / std::sqrt(period2) : 0.0;

    SetF(mrMassFlow,
         static_cast<float>(FromBase(Quantity::MassFlow, regs_[mrUnitMassFlow], massFlow)));
    SetF(mrVolumeFlow,
         static_cast<float>(FromBase(Quantity::VolumeFlow, regs_[mrUnitVolumeFlow], volumeFlow)));
    SetF(mrDensity, static_cast<float>(FromBase(Quantity::Density, regs_[mrUnitDensity], density)));
    SetF(mrTemperature, static_cast<float>(FromBase(Quantity::Temperature, regs_[mrUnitTemperature],
                                                    temperature)));
    SetF(mrRefDensity,
         static_cast<float>(FromBase(Quantity::RefDensity, regs_[mrUnitRefDensity], refDensity)));
    SetF(mrCorrVolumeFlow,
         static_cast<float>(
             FromBase(Quantity::CorrVolumeFlow, regs_[mrUnitCorrVolumeFlow], corrVolumeFlow)));
    live_.densityOut = density;
    live_.temperatureOut = temperature;
}

void Device::Concentration() {
    // Two-component fluid: with the densities of the pure target and carrier fluids at the
    // present temperature, the mixture's density gives the volume fraction of the target.
    const int massUnit = regs_[mrUnitMassFlow], volUnit = regs_[mrUnitVolumeFlow];
    const int densUnit = regs_[mrUnitDensity];
    double rt = 0, rc = 0, phi = 0, w = 0;
    if (regs_[mrConcentrationEnable] == 1) {
        rt = FluidDensity(mrTF_ApproximationMethod, live_.temperatureOut);
        rc = FluidDensity(mrCF_ApproximationMethod, live_.temperatureOut);
        if (rt != rc) phi = std::clamp((live_.densityOut - rc) / (rt - rc), 0.0, 1.0);
        w = live_.densityOut > 0.0 ? std::clamp(phi * rt / live_.densityOut, 0.0, 1.0) : 0.0;
    }
    const bool on = regs_[mrConcentrationEnable] == 1;
    live_.targetMassFlow = w * live_.massFlow;
    live_.carrierMassFlow = on ? (1.0 - w) * live_.massFlow : 0.0;
    live_.targetVolumeFlow = phi * live_.volumeFlow;
    live_.carrierVolumeFlow = on ? (1.0 - phi) * live_.volumeFlow : 0.0;
    auto set = [this](int reg, double v) { SetF(reg, static_cast<float>(v)); };
    set(mrTargetDensity, FromBase(Quantity::Density, densUnit, rt));
    set(mrCarrierDensity, FromBase(Quantity::Density, densUnit, rc));
    set(mrTargetMassFlow, FromBase(Quantity::MassFlow, massUnit, live_.targetMassFlow));
    set(mrCarrierMassFlow, FromBase(Quantity::MassFlow, massUnit, live_.carrierMassFlow));
    set(mrTargetVolumeFlow, FromBase(Quantity::VolumeFlow, volUnit, live_.targetVolumeFlow));
    set(mrCarrierVolumeFlow, FromBase(Quantity::VolumeFlow, volUnit, live_.carrierVolumeFlow));
    set(mrTargetMassConcentration, 100.0 * w);
    set(mrCarrierMassConcentration, on ? 100.0 * (1.0 - w) : 0.0);
    set(mrTargetVolumeConcentration, 100.0 * phi);
    set(mrCarrierVolumeConcentration, on ? 100.0 * (1.0 - phi) : 0.0);
}

double Device::AssignedFlow(int assign) const {
    const double flows[8] = {0.0,
                             live_.massFlow,
                             live_.volumeFlow,
                             live_.corrVolumeFlow,
                             live_.targetMassFlow,
                             live_.carrierMassFlow,
                             live_.targetVolumeFlow,
                             live_.carrierVolumeFlow};
    return assign >= 1 && assign <= 7 ? flows[assign] : 0.0;
}

void Device::Totalisers() {
    const double dt = kTickSeconds;
    for (int k = 0; k < 4; ++k) {
        const int base = kTotalBase[k];
        Total& t = totals_[static_cast<std::size_t>(k)];
        const int assign = regs_[Idx(base + kTotAssign)];
        if (assign != t.assign) {
            t = Total{};
            t.assign = assign;
        }
        if (assign >= 1 && assign <= 7 && regs_[Idx(base + kTotState)] == 0) {
            double f = AssignedFlow(assign);
            bool count = true;
            if (faultActive_) {
                // SumFailsafeMode: 0 stop, 1 go on with the last good flow, 2 ignore.
                const int mode = regs_[mrSumFailsafeMode];
                if (mode == 0) count = false;
                if (mode == 1) f = t.lastFlow;
            } else {
                t.lastFlow = f;
            }
            const int mode = regs_[Idx(base + kTotMode)];  // 0 both, 1 forward, 2 reverse
            if (mode == 1) f = std::max(f, 0.0);
            if (mode == 2) f = std::max(-f, 0.0);
            if (count) {
                t.value += f * dt;
                t.seconds += dt;
            }
        }
        PublishTotal(k);
    }
}

void Device::PublishTotal(int k) {
    const int base = kTotalBase[k];
    const Total& t = totals_[static_cast<std::size_t>(k)];
    const double shown = FromBase(TotalQuantity(regs_[Idx(base + kTotAssign)]),
                                  regs_[Idx(base + kTotUnit)], t.value);
    const double over = std::trunc(shown / 1e7);
    SetF(base + kTotOverflow, static_cast<float>(over));
    SetF(base + kTotSum, static_cast<float>(shown - over * 1e7));
    SetF(base + kTotTime, static_cast<float>(t.seconds / 3600.0));
}

void Device::ResetTotal(int k) {
    Total& t = totals_[static_cast<std::size_t>(k)];
    t.value = 0.0;
    t.seconds = 0.0;
    PublishTotal(k);
}

}  // namespace tarvix::sim
