// The factory configuration: a DN25 sensor on water, calibrated in March 2024, set up for
// mass flow in kg/h with a pulse output, a volume-flow frequency output, a 4-20 mA output
// for 0..6000 kg/h and three totalisers that have been counting for a while.
#include "sim/device.h"
#include "sim/device_layout.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace tarvix::sim {
namespace {

using Words = std::initializer_list<std::pair<int, int>>;
using Floats = std::initializer_list<std::pair<int, float>>;

// Sensor data, protected by the access key.
constexpr Words kSensorWords = {
    {mrSerialNumberDevice, 21047},
    {mrSertification, 1},
    {mrCalibrationDD, 14},
    {mrCalibrationMM, 3},
    {mrCalibrationYY, 24},
    {mrSensorType, 3},
    {mrSensorDiameter, 25},
    {mrReadCdc, 0},
    {mrDisplayMode, 1},
    {mrProgramMemoryCrc, 0x3C5A},
    {mrPmCalcCrc, 0x3C5A},
    {mrRealProgramMemoryCrc, 0x3C5A},
    {mrSoftPlus, 0},
    {mrCount_LinearInterpolation, 4},
};
const Floats kSensorFloats = {
    {mrAccuracyDevice, 0.15f},
    {mrSensorMaxQm_t_h, 6.0f},
    {mrSensorTmax, 150.0f},
    {mrSensorTmin, -50.0f},
    {mrF2t_q0, 1.0f},
    {mrF2t_q1, -4.1e-5f},
    {mrDelay0t_c0, 0.0f},
    {mrDelay0t_c1, 1.2e-5f},
    // Density calibration: tube period in microseconds with air and with water.
    {mrPeriod_AIR_K1, 6250.0f},
    {mrRo_air_D1, 1.205f},
    {mrPeriod_H2O_K2, 6756.8f},
    {mrRo_H2O_D2, 998.2f},
    {mrRatio, 1500.0f},
    // Flow correction points: fraction of 6 t/h and the correction in kg/h.
    {mrPointInterpolation1, 0.05f},
    {mrPointInterpolation2, 0.2f},
    {mrPointInterpolation3, 0.5f},
    {mrPointInterpolation4, 0.9f},
    {mrDQ_Correction1, 0.6f},
    {mrDQ_Correction2, -0.25f},
    {mrDQ_Correction3, 0.4f},
    {mrDQ_Correction4, -0.8f},
};

constexpr Words kWords = {
    {mrErr, 0xFFFF},
    {mrAbState, 3},
    {mrSN_MeasureModul, 4711},
    {mrBf_Checksum, 0xA5C3},
    {mrBf_HardRev, 2},
    {mrBf_Modification, 1},
    {mrBf_SoftRev, 17},
    {mrBf_DateRev_dd, 12},
    {mrBf_DateRev_mm, 9},
    {mrBf_DateRev_yy, 23},
    // Units: kg/h, m3/h, kg/m3, degrees C, Nm3/h, kg/Nm3; totals in kg, m3, Nm3.
    {mrUnitMassFlow, 5},
    {mrUnitVolumeFlow, 5},
    {mrUnitDensity, 2},
    {mrUnitTemperature, 0},
    {mrUnitCorrVolumeFlow, 5},
    {mrUnitRefDensity, 2},
    {mrUnitMass, 1},
    {mrUnitVolume, 2},
    {mrUnitCorrVolume, 2},
    {mrHardWareVersion, 3},
    {mrHardModification, 1},
    {mrSoftRevision, 214},
    {mrRevisionDay, 21},
    {mrRevisionMonth, 11},
    {mrRevisionYear, 23},
    {mrModeRefDensity, 0},
    {mrFixUnitRefDensity, 2},
    {mrAssLowFlow_CutOff, 1},
    {mrAssLowFlow_Unit, 5},
    {mrDevAddr, 1},
    {mrBaudIndex, 9},
    {mrParity, 0},
    {mrProgress, 100},
    // Display: field 1 mass flow (alternate: totaliser 1), field 2 density (alternate:
    // temperature).
    {mrContrast, 32},
    {mrRapidTotalMenu, 1},
    {mrF1_Assign, 2},
    {mrF1_Format, 2},
    {mrF1_Unit, 5},
    {mrF1Mix_Assign, 11},
    {mrF1Mix_Format, 3},
    {mrF1Mix_Unit, 5},
    {mrF2_Assign, 3},
    {mrF2_Format, 1},
    {mrF2Mix_Assign, 5},
    {mrF2Mix_Format, 1},
    // Totalisers: 1 mass in kg, 2 volume in m3, 3 corrected volume in Nm3, 4 not used.
    {mrSumFailsafeMode, 1},
    {mrSumAssign1, 1},
    {mrSumUnit1, 1},
    {mrSumAssign2, 2},
    {mrSumUnit2, 2},
    {mrSumAssign3, 3},
    {mrSumUnit3, 2},
    // Output 1 pulses (10 g per pulse), output 2 frequency for volume flow, output 3 fault.
    {mrPFS1_Mode, 1},
    {mrPFSf_Assign, 1},
    {mrPFSf_Unit, 5},
    {mrPFSp_Assign, 1},
    {mrPFSs_Assign, 2},
    {mrPFSs_Unit, 5},
    {mrFS2_Mode, 1},
    {mrFSf_Assign, 2},
    {mrFSf_Unit, 5},
    {mrFSs_Assign, 6},
    {mrFSs_Unit, 5},
    {mrDOs_Assign, 2},
    {mrDOs_Unit, 5},
    {mrCUR_Assign, 1},
    {mrCUR_Unit, 5},
    {mrCUR_SN, 5207},
    {mrCUR_DD, 17},
    {mrCUR_MM, 10},
    {mrCUR_YY, 23},
    {mrDI1_Assign, 1},
    // Two-component fluid: ethanol in water, off until the user enables it.
    {mrTF_ApproximationMethod, 1},
    {mrTF_PWLTable_PointsCount, 6},
    {mrCF_ApproximationMethod, 0},
    {mrCF_PWLTable_PointsCount, 6},
};

const Floats kFloats = {
    {mrFlowDamping, 0.8f},
    {mrAlfa, 2.07e-4f},
    {mrBetta, 4.0e-6f},
    {mrRefTemperature, 20.0f},
    {mrFixRefDensity, 998.2f},
    {mrValLowFlow_CutOff, 5.0f},
    {mrTimeShock, 0.5f},
    {mrDensityDamping, 2.0f},
    {mrZeroPoint, 0.0020f},
    {mrMFactorMassFlow, 1.0f},
    {mrMFactorVolumeFlow, 1.0f},
    {mrMFactorDensity, 1.0f},
    {mrMFactorTemperature, 1.0f},
    {mrF1_V100, 6000.0f},
    {mrF1Mix_V100, 6000.0f},
    {mrF2_V100, 100.0f},
    {mrF2Mix_V100, 100.0f},
    {mrSumOverFlow1, 0.0f},
    {mrSum1, 48213.6f},
    {mrSumTime1, 40.2f},
    {mrSum2, 48.31f},
    {mrSumTime2, 40.2f},
    {mrSum3, 48.26f},
    {mrSumTime3, 40.2f},
    {mrPFSf_MaxFreq, 1000.0f},
    {mrPFSf_MaxValue, 6000.0f},
    {mrPFSf_SimFreq, 500.0f},
    {mrPFSp_PulseValue, 0.01f},
    {mrPFSp_PulseWidth, 5.0f},
    {mrPFSs_OnValue, 5000.0f},
    {mrPFSs_OffValue, 4800.0f},
    {mrPFSs_OnDelay, 1.0f},
    {mrPFSs_OffDelay, 1.0f},
    {mrFSf_MaxFreq, 1000.0f},
    {mrFSf_MaxValue, 6.0f},
    {mrFSf_SimFreq, 500.0f},
    {mrFSs_OnValue, 5500.0f},
    {mrFSs_OffValue, 5200.0f},
    {mrFSs_OnDelay, 2.0f},
    {mrFSs_OffDelay, 2.0f},
    {mrDOs_OnValue, 5000.0f},
    {mrDOs_OffValue, 4800.0f},
    // Current output 0..6000 kg/h; the calibration coefficients make up for this board's
    // DAC (slope 0.9987, offset +0.012 mA), kept as the hidden factory copy too.
    {mrCUR_Value_4mA, 0.0f},
    {mrCUR_Value_20mA, 6000.0f},
    {mrCUR_Value_Simulation, 12.0f},
    {mrCUR_Current_Offset, -0.012016f},
    {mrCUR_Current_Gain, 1.0013017f},
    {mrCUR_Trim_4mA, 4.0f},
    {mrCUR_Trim_20mA, 20.0f},
    {mrCUR_Standard_4mAa, 4.0f},
    {mrCUR_Standard_20mA, 20.0f},
    {mrCUR_Hidden_Offset, -0.012016f},
    {mrCUR_Hidden_Gain, 1.0013017f},
    {mrCUR_a1, 2.1e-5f},
    {mrCUR_b1, -1.5e-5f},
    // Ethanol (target): polynomial around 20 degrees C and a table 0..50 degrees C.
    {mrTF_ApproximationPoly_a0, 789.45f},
    {mrTF_ApproximationPoly_a1, -0.8445f},
    {mrTF_ApproximationPoly_a2, -0.00075f},
    {mrTF_RefTemperature, 20.0f},
    {mrTF_PWL_Table_t0, 0.0f},
    {mrTF_PWL_Table_t1, 10.0f},
    {mrTF_PWL_Table_t2, 20.0f},
    {mrTF_PWL_Table_t3, 30.0f},
    {mrTF_PWL_Table_t4, 40.0f},
    {mrTF_PWL_Table_t5, 50.0f},
    {mrTF_PWL_Table_d0, 806.25f},
    {mrTF_PWL_Table_d1, 797.88f},
    {mrTF_PWL_Table_d2, 789.45f},
    {mrTF_PWL_Table_d3, 780.97f},
    {mrTF_PWL_Table_d4, 772.41f},
    {mrTF_PWL_Table_d5, 763.79f},
    // Water (carrier): polynomial from 0 degrees C and a table 0..80 degrees C.
    {mrCF_ApproximationPoly_a0, 999.8395f},
    {mrCF_ApproximationPoly_a1, 0.06798f},
    {mrCF_ApproximationPoly_a2, -0.009106f},
    {mrCF_ApproximationPoly_a3, 1.0052e-4f},
    {mrCF_ApproximationPoly_a4, -1.1267e-6f},
    {mrCF_ApproximationPoly_a5, 6.5918e-9f},
    {mrCF_RefTemperature, 0.0f},
    {mrCF_PWL_Table_t0, 0.0f},
    {mrCF_PWL_Table_t1, 10.0f},
    {mrCF_PWL_Table_t2, 20.0f},
    {mrCF_PWL_Table_t3, 40.0f},
    {mrCF_PWL_Table_t4, 60.0f},
    {mrCF_PWL_Table_t5, 80.0f},
    {mrCF_PWL_Table_d0, 999.84f},
    {mrCF_PWL_Table_d1, 999.70f},
    {mrCF_PWL_Table_d2, 998.21f},
    {mrCF_PWL_Table_d3, 992.22f},
    {mrCF_PWL_Table_d4, 983.20f},
    {mrCF_PWL_Table_d5, 971.80f},
    {mrMp1n, 125.0f},
};

}  // namespace

void Device::LoadFactory() {
    regs_.fill(0);
    std::fill(files_.begin(), files_.end(), 0);
    for (const auto& [reg, v] : kSensorWords) regs_[Idx(reg)] = static_cast<std::uint16_t>(v);
    for (const auto& [reg, v] : kSensorFloats) SetF(reg, v);
    for (const auto& [reg, v] : kWords) regs_[Idx(reg)] = static_cast<std::uint16_t>(v);
    for (const auto& [reg, v] : kFloats) SetF(reg, v);
    dsp_.LoadFactoryEeprom();
    heldNotices_.fill(0);
    holds_.fill(Held{});
    inputs_.fill(false);
    relays_.fill(Relay{});
    zeroStart_ = -1.0;
    pulses_ = 0.0;
    writeLock_ = keyLock_ = false;
    SyncFromRegisters();
    for (std::size_t k = 0; k < trimDrive_.size(); ++k)
        trimDrive_[k] = DacCurrent(kTrimPointsMa[k]);
    // Start from the steady state of the factory process, so the first values read are
    // already settled.
    live_ = Live{};
    live_.delayUs = process_.massFlowKgH / F(mrRatio) + 0.0021;
    live_.temperature = process_.temperatureC;
    live_.density = WaterDensity(process_.temperatureC);
    Tick();
}

}  // namespace tarvix::sim
