// Status words and the technological registers: the message list with its summary word,
// the measuring module's link counters, the micro switches, the sensor's raw values.
#include "sim/device.h"
#include "sim/device_layout.h"

#include <cmath>
#include <numbers>

namespace tarvix::sim {
namespace {

// The system error that names the group of a register whose stored data failed its check.
int DataErrorIndex(int reg) {
    struct Group {
        int first, last, index;
    };
    constexpr Group kGroups[] = {
        {0, 38, 19},      {100, 132, 19},   {200, 255, 20},   {300, 322, 21},   {350, 369, 22},
        {400, 435, 23},   {500, 519, 24},   {600, 623, 25},   {700, 860, 26},   {900, 948, 27},
        {1000, 1033, 28}, {1100, 1113, 29}, {1200, 1323, 30}, {1400, 1403, 31}, {1600, 1795, 32},
    };
    for (const Group& g : kGroups) {
        if (reg >= g.first && reg <= g.last) return g.index;
    }
    return 18;  // "checksum" without a group
}

// Internal ADC code of the micro switch divider (write lock, key lock): the four switch
// positions give four well separated levels.
int SwitchCode(bool writeLock, bool keyLock) {
    if (writeLock && keyLock) return 220;
    if (writeLock) return 365;
    if (keyLock) return 600;
    return 900;
}

}  // namespace

void Device::Status() {
    std::array<std::uint16_t, kMaxNotices> list{};
    int n = 0;
    auto add = [&](int word) {
        if (n < kMaxNotices) list[static_cast<std::size_t>(n++)] = static_cast<std::uint16_t>(word);
    };
    for (const std::uint16_t held : heldNotices_) {
        if (held != 0) add(held);
    }
    if (dsp_.Starting()) add(kSystemWarning | 0);  // measuring module starting up
    const int out1 = regs_[mrPFS1_Mode];
    const bool out1Sim = (out1 == 1 && regs_[mrPFSp_SimMode] != 0) ||
                         (out1 == 2 && regs_[mrPFSf_SimMode] != 0) ||
                         (out1 == 3 && regs_[mrPFSs_SimMode] != 0);
    const int out2 = regs_[mrFS2_Mode];
    const bool out2Sim =
        (out2 == 1 && regs_[mrFSf_SimMode] != 0) || (out2 == 2 && regs_[mrFSs_SimMode] != 0);
    if (out1Sim) add(kSystemWarning | 1);
    if (out2Sim) add(kSystemWarning | 2);
    if (regs_[mrDOs_SimMode] != 0) add(kSystemWarning | 3);
    if (regs_[mrCUR_Simulation_Mode] != 0) add(kSystemWarning | 4);
    if (!dsp_.EepromConsistent()) add(kSystemError | 1);
    if (dsp_.AdcOutOfLimits() >= 0) add(kSystemError | (10 + dsp_.AdcOutOfLimits()));
    if (regs_[mrErr] < kRegisters) add(kSystemError | DataErrorIndex(regs_[mrErr]));
    if (live_.temperatureOut < F(mrSensorTmin) || live_.temperatureOut > F(mrSensorTmax)) {
        add(kProcessError | 0);
    }
    if (std::abs(live_.massFlow) * 3.6 > F(mrSensorMaxQm_t_h)) add(kProcessWarning | 0);
    if (pulseOverflow_) add(kProcessWarning | 3);
    if (currentSaturated_) add(kProcessWarning | 5);
    for (int k = 0; k < 4; ++k) {
        if (F(kTotalBase[k] + kTotOverflow) != 0.0f) add(kProcessWarning | (6 + k));
    }

    int summary = 0;
    for (int i = 0; i < n; ++i) summary |= (list[static_cast<std::size_t>(i)] >> 8) & 0xF0;
    regs_[mrCommonNotice] = static_cast<std::uint16_t>(summary | n);
    for (int i = 0; i < kNoticeRegisters; ++i)
        regs_[Idx(mrNotice1 + i)] = list[static_cast<std::size_t>(i)];
    faultActive_ = (summary & 0xA0) != 0;
    warningActive_ = (summary & 0x50) != 0;
    ApplyHolds();
}

void Device::Technological() {
    constexpr double k2Pi = 2.0 * std::numbers::pi;
    const double noise = process_.NoiseScale();
    live_.boardC = 35.0 + 0.5 * std::sin(k2Pi * now_ / 1800.0) + 0.05 * noise * noise_.Gauss();

    const double f = live_.tubeHz, t = live_.temperature;
    const double k1 = F(mrPeriod_AIR_K1), k2 = F(mrPeriod_H2O_K2);
    auto set = [this](int reg, double v) { SetF(reg, static_cast<float>(v)); };
    set(mrFs, DspModule::kSampleRateHz);
    set(mrTd, 1e6 / DspModule::kSampleRateHz);
    set(mrQf, 1850.0 + 3.0 * noise * noise_.Gauss());
    set(mrDelayMomentary, live_.delayRawUs);
    set(mrMp1n, 125.0 + 0.3 * noise * noise_.Gauss());
    set(mrDelay, live_.delayUs);
    set(mrFrequency, f);
    set(mrFluidTemperature, t);
    set(mrF2t, f * f * (F(mrF2t_q0) + F(mrF2t_q1) * t));
    set(mrDelay0t, F(mrDelay0t_c0) + F(mrDelay0t_c1) * t);
    set(mrKt, k2 != k1 ? (F(mrRo_H2O_D2) - F(mrRo_air_D1)) / (k2 * k2 - k1 * k1) : 0.0);
    set(mrQ, live_.rawMassFlowKgH);
    set(mrSigma, 0.0004 * noise);
    set(mrRo, live_.density);
    set(mrVF, live_.volumeFlow * 3600.0);
    set(mrFreqMp1n, f + 0.002 * noise * noise_.Gauss());
    const bool cdc = regs_[mrReadCdc] == 1;
    regs_[mrCdcReg0] =
        cdc ? static_cast<std::uint16_t>(0x5A3C + (noise > 0.0 ? noise_.Next() & 7 : 0)) : 0;
    regs_[mrCdcReg1] = cdc ? 0x0101 : 0;
    regs_[mrMmSt1_St0] = dsp_.Starting() ? 1 : 0;

    // The processor polls the measuring module continuously. While the module starts up
    // those polls time out; otherwise a link error is rare (electrical noise).
    if (dsp_.Starting() && now_ - lastLinkError_ >= 0.5) {
        lastLinkError_ = now_;
        ++regs_[mrTimeOutErrLink];
        ++regs_[mrAllErrLink];
    } else if (noise > 0.0 && noise_.Uniform() < 2e-4) {
        ++regs_[mrAllErrLink];
    }
    const int jitter = noise > 0.0 ? static_cast<int>(noise_.Next() % 5) - 2 : 0;
    regs_[mrCodeInternalAdc] =
        static_cast<std::uint16_t>(SwitchCode(writeLock_, keyLock_) + jitter);
    regs_[mrWriteProtection] = writeLock_ ? 1 : 0;
}

}  // namespace tarvix::sim
