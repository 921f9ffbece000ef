// Outputs, current-output calibration, two-component fluid and the measuring module of the
// simulated transmitter.
#include "model/register_ids.h"
#include "sim/device.h"
#include "tests/sim/device_fixture.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <numbers>

namespace tarvix::sim {
namespace {

struct SimOutputs : DeviceFixture {
    SimOutputs() : DeviceFixture(5) {}
};

TEST_F(SimOutputs, CurrentFollowsTheAssignedValueBetweenItsRangeEnds) {
    Run(1.0);
    // Factory: mass flow 0..6000 kg/h on 4..20 mA.
    EXPECT_NEAR(F(mrCUR_Current), 4.0 + 16.0 * F(mrMassFlow) / 6000.0, 1e-4);
    d.Process().massFlowKgH = 7000.0;
    Run(30.0);
    EXPECT_FLOAT_EQ(F(mrCUR_Current), 20.5f) << "saturates above the range";
    EXPECT_EQ(d.Word(mrCommonNotice) & 0x10, 0x10) << "with a process warning";
}

TEST_F(SimOutputs, CalibrationWizardSequenceMovesTheCoefficients) {
    // Simulation on, 4 mA: the output drives it and says so in the status.
    ASSERT_EQ(WriteWord(mrCUR_Simulation_Mode, 1), 0);
    ASSERT_EQ(WriteFloat(mrCUR_Value_Simulation, 4.0f), 0);
    EXPECT_FLOAT_EQ(F(mrCUR_Current), 4.0f);
    Run(0.1);
    EXPECT_EQ(d.Word(mrNotice1), 0x4004) << "'Фикс.ток.вых'";

    // The ammeter read 4.03 and 20.09; the device computes new offset and gain.
    const double g = F(mrCUR_Current_Gain), o = F(mrCUR_Current_Offset);
    ASSERT_EQ(WriteFloat(mrCUR_Trim_4mA, 4.03f), 0);
    ASSERT_EQ(WriteFloat(mrCUR_Trim_20mA, 20.09f), 0);
    ASSERT_EQ(WriteWord(mrCUR_Adjustment_Mode, 1), 0);
    EXPECT_EQ(d.Word(mrCUR_Adjustment_Mode), 0);
    // The hardware as the two readings describe it, driven with the new coefficients,
    // now gives exactly 4 and 20 mA.
    const double slope = (20.09 - 4.03) / (16.0 * g), intercept = 4.03 - slope * (4.0 * g + o);
    const double g2 = F(mrCUR_Current_Gain), o2 = F(mrCUR_Current_Offset);
    EXPECT_NEAR(slope * (4.0 * g2 + o2) + intercept, 4.0, 1e-4);
    EXPECT_NEAR(slope * (20.0 * g2 + o2) + intercept, 20.0, 1e-4);

    ASSERT_EQ(WriteWord(mrCUR_Restore_Coefficient, 1), 0);
    EXPECT_EQ(F(mrCUR_Current_Gain), F(mrCUR_Hidden_Gain));
    EXPECT_EQ(F(mrCUR_Current_Offset), F(mrCUR_Hidden_Offset));
    EXPECT_EQ(d.Word(mrCUR_Restore_Coefficient), 0);

    ASSERT_EQ(WriteWord(mrCUR_Simulation_Mode, 0), 0);
    Run(0.1);
    EXPECT_EQ(d.Word(mrCommonNotice), 0);
}

TEST_F(SimOutputs, RepeatedAdjustmentComputesTheSameCoefficients) {
    // The engineer presses "Рассчитать" again, or the master repeats a request whose
    // answer was lost: the measurements are the same, so are the coefficients.
    ASSERT_EQ(WriteFloat(mrCUR_Trim_4mA, 4.05f), 0);
    ASSERT_EQ(WriteFloat(mrCUR_Trim_20mA, 19.9f), 0);
    ASSERT_EQ(WriteWord(mrCUR_Adjustment_Mode, 1), 0);
    const float gain = F(mrCUR_Current_Gain), offset = F(mrCUR_Current_Offset);
    EXPECT_NEAR(gain, 1.0108, 1e-4);
    for (int again = 1; again <= 2; ++again) {
        ASSERT_EQ(WriteWord(mrCUR_Adjustment_Mode, 1), 0);
        EXPECT_EQ(F(mrCUR_Current_Gain), gain) << "repetition " << again;
        EXPECT_EQ(F(mrCUR_Current_Offset), offset) << "repetition " << again;
    }
}

TEST_F(SimOutputs, AdjustmentFromCoefficientsThatCannotDriveIsRefused) {
    // With such a gain in force the output drove both points alike (or nowhere): the two
    // readings say nothing about the hardware, and a result would not be a number.
    const float gains[] = {0.0f, -1.0f, std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::quiet_NaN()};
    for (const float g : gains) {
        d.LoadFactory();
        d.SetFloat(mrCUR_Current_Gain, g);
        ASSERT_EQ(WriteFloat(mrCUR_Trim_4mA, 4.05f), 0);
        ASSERT_EQ(WriteFloat(mrCUR_Trim_20mA, 19.9f), 0);
        EXPECT_EQ(WriteWord(mrCUR_Adjustment_Mode, 1), 4) << "gain " << g;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(F(mrCUR_Current_Gain)),
                  std::bit_cast<std::uint32_t>(g))
            << "gain " << g;
        EXPECT_EQ(F(mrCUR_Current_Offset), -0.012016f) << "gain " << g;
    }
}

TEST_F(SimOutputs, HiddenCoefficientsNeedTheFramJumper) {
    EXPECT_EQ(WriteFloat(mrCUR_Hidden_Gain, 1.001f), 0);
    d.fram_jumper = false;
    EXPECT_EQ(WriteFloat(mrCUR_Hidden_Gain, 1.002f), 4);
    EXPECT_EQ(F(mrCUR_Hidden_Gain), 1.001f);
}

TEST_F(SimOutputs, FrequencyOutputScalesItsValue) {
    Run(1.0);
    // Output 2, factory: volume flow 0..6 m3/h on 0..1000 Hz.
    EXPECT_NEAR(F(mrFSf_Frequency), 1000.0 * F(mrVolumeFlow) / 6.0, 1e-3);
    ASSERT_EQ(WriteWord(mrFSf_SimMode, 1), 0);
    Run(0.1);
    EXPECT_EQ(F(mrFSf_Frequency), F(mrFSf_SimFreq));
    EXPECT_EQ(d.Word(mrNotice1), 0x4002);
}

TEST_F(SimOutputs, PulseOutputCountsPulsesAndRunsDownACountdown) {
    Run(1.0);
    // 10 g per pulse: 1200 kg/h is 33.3 pulses per second.
    EXPECT_NEAR(F(mrPFSp_Frequency), F(mrMassFlow) / 3.6 / 10.0, 0.01);
    const float counted = F(mrPFSp_Counter);
    Run(10.0);
    EXPECT_NEAR(F(mrPFSp_Counter) - counted, 10.0 * F(mrPFSp_Frequency), 2.0);

    ASSERT_EQ(WriteWord(mrPFSp_SimMode, 2), 0);
    ASSERT_EQ(WriteFloat(mrPFSp_CountDown, 50.0f), 0);
    Run(0.2);
    EXPECT_GT(F(mrPFSp_CountDown), 0.0f);
    EXPECT_LT(F(mrPFSp_CountDown), 50.0f) << "the countdown runs down while pulses go out";
    Run(1.0);
    EXPECT_EQ(F(mrPFSp_CountDown), 0.0f);
    EXPECT_EQ(F(mrPFSp_Frequency), 0.0f);
}

TEST_F(SimOutputs, LimitSwitchHasHysteresisAndDelays) {
    // Output 2 as a status output on mass flow: on at 5500, off at 5200 kg/h, 2 s delays.
    ASSERT_EQ(WriteWord(mrFS2_Mode, 2), 0);
    d.Process().massFlowKgH = 5600.0;  // reached after the damping (0.8 s) and the delay
    Run(1.5);
    EXPECT_EQ(d.Word(mrFSs_Status), 0);
    Run(5.0);
    EXPECT_EQ(d.Word(mrFSs_Status), 1);
    d.Process().massFlowKgH = 5300.0;  // between the limits: stays on
    Run(10.0);
    EXPECT_EQ(d.Word(mrFSs_Status), 1);
    d.Process().massFlowKgH = 5000.0;
    Run(10.0);
    EXPECT_EQ(d.Word(mrFSs_Status), 0);
}

TEST_F(SimOutputs, TwoComponentFluidSplitsTheFlow) {
    ASSERT_EQ(WriteWord(mrConcentrationEnable, 1), 0);
    d.Process().densityKgM3 = 960.0;  // water with ethanol in it
    d.Process().temperatureC = 20.0;
    Run(30.0);
    const double target = 789.45, carrier = 998.2;  // the factory tables at 20 C
    EXPECT_NEAR(F(mrTargetVolumeConcentration), 100.0 * (960.0 - carrier) / (target - carrier),
                0.2);
    EXPECT_NEAR(F(mrTargetMassConcentration) + F(mrCarrierMassConcentration), 100.0, 1e-3);
    EXPECT_NEAR(F(mrTargetMassFlow) + F(mrCarrierMassFlow), F(mrMassFlow), 1e-2);
    EXPECT_NEAR(F(mrTargetDensity), target, 0.5);
}

TEST_F(SimOutputs, EepromChecksumAndAdcLimitsShowAsSystemErrors) {
    DspModule& m = d.Dsp();
    m.SetParam(2, std::bit_cast<std::uint32_t>(100.5f));
    EXPECT_TRUE(m.EepromConsistent()) << "the module recomputes its checksum";
    m.SetParam(19, m.Param(19) ^ 1);
    Run(0.1);
    EXPECT_EQ(d.Word(mrNotice1), 0x8001) << "'ПЗУ ИМ'";
    m.SetParam(2, std::bit_cast<std::uint32_t>(100.02f));
    m.SetParam(4, 1000000);  // ADC1 maximum below the Pt100's code
    Run(0.1);
    EXPECT_EQ(d.Word(mrNotice1), 0x800A) << "'АЦП ИМ код T'";
}

TEST_F(SimOutputs, RecordedSignalsArePickoffSinesShiftedByTheCoriolisDelay) {
    d.Process().massFlowKgH = 6000.0;
    Run(30.0);
    const std::uint8_t start[2] = {9, 0};
    std::uint8_t out[250];
    int length = 0;
    ASSERT_EQ(d.DspExchange(6, start, 2, out, &length), 0);
    Run(DspModule::kCaptureSeconds + 0.2);
    ASSERT_TRUE(d.Dsp().MemoryValid());

    const auto& mem = d.Dsp().Memory();
    const double f = F(mrFrequency), w = 2.0 * std::numbers::pi * f / DspModule::kSampleRateHz;
    auto phase = [&](int channel, bool isFloat) {
        double s = 0, c = 0, peak = 0;
        for (int i = 0; i < DspModule::kSamples; ++i) {
            const std::uint32_t bits =
                mem[static_cast<std::size_t>(channel * DspModule::kSamples + i)];
            const double x = isFloat ? std::bit_cast<float>(bits) : static_cast<std::int32_t>(bits);
            s += x * std::sin(w * i);
            c += x * std::cos(w * i);
            peak = std::max(peak, std::abs(x));
        }
        return std::pair{std::atan2(c, s), peak};
    };
    const auto [rawA, rawPeak] = phase(0, false);
    const auto [rawB, rawPeakB] = phase(1, false);
    const auto [filtA, filtPeak] = phase(2, true);
    EXPECT_NEAR(rawPeak, 3.2e6, 0.1e6) << "counts of the 24-bit converter";
    EXPECT_NEAR(rawPeakB, 0.985 * 3.2e6, 0.1e6);
    EXPECT_NEAR(filtPeak, 0.125, 0.01) << "volts";
    // The outlet coil lags by 2 pi f times the time delay (4 us at 6 t/h).
    const double expected = 2.0 * std::numbers::pi * f * F(mrDelay) * 1e-6;
    EXPECT_NEAR(std::remainder(rawA - rawB, 2.0 * std::numbers::pi), expected, 0.3 * expected);
    EXPECT_GT(std::remainder(rawA - filtA, 2.0 * std::numbers::pi), 0.0) << "the filter lags";
}

}  // namespace
}  // namespace tarvix::sim
