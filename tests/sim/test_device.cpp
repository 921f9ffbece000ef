// The simulated transmitter's measurement and firmware behaviour as the program sees it
// through registers: units, totals, zero adjustment, status words, switches, restarts.
#include "model/param_table.h"
#include "model/register_ids.h"
#include "sim/device.h"
#include "tests/sim/device_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvix::sim {
namespace {

// A device with the process held at its set points, without noise.
struct SimDevice : DeviceFixture {
    SimDevice() : DeviceFixture(3) {}
};

TEST_F(SimDevice, MassFlowFollowsItsUnitRegister) {
    d.Process().massFlowKgH = 3600.0;
    Run(30.0);
    const double kgPerS = F(mrMassFlow) / 3600.0;  // factory unit kg/h
    EXPECT_NEAR(F(mrMassFlow), 3600.0, 1.0) << "within the correction points and zero error";
    struct Unit {
        int index;
        double perKgPerS;
        const char* name;
    };
    const Unit units[] = {{0, 1e3, "g/s"},    {1, 6e4, "g/min"},   {2, 3.6e6, "g/h"},
                          {3, 1.0, "kg/s"},   {4, 60.0, "kg/min"}, {6, 1e-3, "t/s"},
                          {7, 0.06, "t/min"}, {8, 3.6, "t/h"}};
    for (const Unit& u : units) {
        ASSERT_EQ(WriteWord(mrUnitMassFlow, static_cast<std::uint16_t>(u.index)), 0);
        Run(0.1);
        EXPECT_NEAR(F(mrMassFlow), kgPerS * u.perKgPerS, kgPerS * u.perKgPerS * 1e-5) << u.name;
    }
}

TEST_F(SimDevice, DerivedValuesAgreeWhateverTheUnits) {
    Run(5.0);
    // Factory units: kg/h, m3/h, kg/m3, C, Nm3/h, kg/Nm3.
    const double massKgH = F(mrMassFlow), density = F(mrDensity), volumeM3H = F(mrVolumeFlow);
    const double refDensity = F(mrRefDensity), temperature = F(mrTemperature);
    EXPECT_NEAR(density, 998.1, 0.2) << "water at 20.5 C";
    EXPECT_NEAR(volumeM3H, massKgH / density, 1e-4);
    EXPECT_NEAR(F(mrCorrVolumeFlow), massKgH / refDensity, 1e-4);

    ASSERT_EQ(WriteWord(mrUnitVolumeFlow, 7), 0);      // l/min
    ASSERT_EQ(WriteWord(mrUnitDensity, 0), 0);         // g/cm3
    ASSERT_EQ(WriteWord(mrUnitTemperature, 1), 0);     // K
    ASSERT_EQ(WriteWord(mrUnitCorrVolumeFlow, 6), 0);  // Nl/s
    ASSERT_EQ(WriteWord(mrUnitRefDensity, 1), 0);      // kg/Nl
    Run(0.1);
    EXPECT_NEAR(F(mrVolumeFlow), volumeM3H * 1000.0 / 60.0, 1e-3);
    EXPECT_NEAR(F(mrDensity), density / 1000.0, 1e-6);
    EXPECT_NEAR(F(mrTemperature), temperature + 273.15, 1e-3);
    EXPECT_NEAR(F(mrCorrVolumeFlow), massKgH / refDensity * 1000.0 / 3600.0, 1e-4);
    EXPECT_NEAR(F(mrRefDensity), refDensity / 1000.0, 1e-6);
}

TEST_F(SimDevice, TotaliserCountsItsFlowInItsUnitUntilReset) {
    d.Process().massFlowKgH = 3600.0;
    Run(30.0);
    const double flowKgS = F(mrMassFlow) / 3600.0;
    const double before = F(mrSum1);  // totaliser 1: mass in kg
    Run(10.0);
    EXPECT_NEAR(F(mrSum1) - before, 10.0 * flowKgS, 0.2);

    ASSERT_EQ(WriteWord(mrSumUnit1, 2), 0);  // t: the same total, shown in tonnes
    Run(0.1);
    EXPECT_NEAR(F(mrSum1), (before + 10.1 * flowKgS) / 1000.0, 0.001);

    ASSERT_EQ(WriteWord(mrSumState1, 1), 0);  // stopped
    const float stopped = F(mrSum1);
    Run(5.0);
    EXPECT_EQ(F(mrSum1), stopped);

    ASSERT_EQ(WriteWord(mrSumReset1, 1), 0);
    EXPECT_EQ(F(mrSum1), 0.0f);
    EXPECT_EQ(F(mrSumTime1), 0.0f);
    EXPECT_EQ(d.Word(mrSumReset1), 0) << "the reset command clears itself";
}

TEST_F(SimDevice, TotalBeyondTenMillionCountsAnOverflowAndWarns) {
    d.Process().massFlowKgH = 3600.0;
    Run(30.0);
    ASSERT_EQ(WriteFloat(mrSum1, 9999995.0f), 0);
    Run(10.0);
    EXPECT_EQ(F(mrSumOverFlow1), 1.0f);
    EXPECT_NEAR(F(mrSum1), 5.0, 0.3);
    bool warned = false;
    for (int i = 0; i < 8; ++i) warned = warned || d.Word(mrNotice1 + i) == 0x1006;
    EXPECT_TRUE(warned) << "process warning 'total 1 beyond its maximum'";
}

TEST_F(SimDevice, ZeroAdjustmentRunsProgressAndLearnsTheZero) {
    d.Process().massFlowKgH = 0.0;
    Run(10.0);
    ASSERT_EQ(WriteWord(mrZeroPointAdjust, 1), 0);
    EXPECT_EQ(d.Word(mrProgress), 0);
    Run(2.5);
    EXPECT_NEAR(d.Word(mrProgress), 50, 3);
    EXPECT_EQ(d.Word(mrZeroPointAdjust), 1);
    Run(3.0);
    EXPECT_EQ(d.Word(mrProgress), 100);
    EXPECT_EQ(d.Word(mrZeroPointAdjust), 0);
    EXPECT_NEAR(F(mrZeroPoint), 0.0021, 1e-6) << "the tubes' own delay at zero flow";
}

struct NoticeCase {
    const char* what;
    std::uint16_t held1, held2;
    std::uint16_t common;
};

TEST_F(SimDevice, SummaryWordAgreesWithTheMessageList) {
    const NoticeCase cases[] = {
        {"nothing", 0, 0, 0x00},
        {"system error and process error", 0x8000, 0x2001, 0xA2},
        {"process warning", 0x1000, 0, 0x11},
        {"two warnings", 0x4007, 0x1005, 0x52},
    };
    for (const NoticeCase& c : cases) {
        d.HoldNotice(1, c.held1);
        d.HoldNotice(2, c.held2);
        Run(0.1);
        EXPECT_EQ(d.Word(mrCommonNotice), c.common) << c.what;
        const int n = c.common & 0x0F;
        for (int i = n; i < 8; ++i) {
            EXPECT_EQ(d.Word(mrNotice1 + i), 0) << c.what << ", message " << i + 1;
        }
    }
}

TEST_F(SimDevice, ConditionsOfTheDeviceBecomeMessages) {
    ASSERT_EQ(WriteWord(mrErr, 35), 4) << "Err is the firmware's, not the master's";
    d.SetWord(mrErr, 35);  // a data error in the sensor group
    Run(0.1);
    EXPECT_EQ(d.Word(mrNotice1), 0x8000 | 19);
    d.SetWord(mrErr, 0xFFFF);

    d.Process().temperatureC = 200.0;  // the sensor is rated up to 150 C
    Run(10.0);
    EXPECT_EQ(d.Word(mrNotice1), 0x2000);
    EXPECT_EQ(d.Word(mrCommonNotice), 0x21);
    EXPECT_NEAR(F(mrCUR_Current), 3.5f, 1e-6) << "current output failsafe: low alarm";
    EXPECT_EQ(d.Word(mrDOs_Status), 1) << "status output 3 reports faults";
}

TEST_F(SimDevice, MicroSwitchesShowInTheInternalAdcCode) {
    struct Case {
        bool writeLock, keyLock;
    };
    for (const Case c :
         {Case{true, true}, Case{true, false}, Case{false, true}, Case{false, false}}) {
        d.SetMicroSwitches(c.writeLock, c.keyLock);
        Run(0.1);
        const int code = d.Word(mrCodeInternalAdc);
        // The program decodes: < 304 both, < 430 write lock, < 770 key lock, else none.
        const bool writeShown = code < 430;
        const bool keyShown = code < 304 || (code >= 430 && code < 770);
        EXPECT_EQ(writeShown, c.writeLock) << code;
        EXPECT_EQ(keyShown, c.keyLock) << code;
        EXPECT_EQ(d.Word(mrWriteProtection), c.writeLock ? 1 : 0);
    }
}

TEST_F(SimDevice, MeasuringModuleRestartShowsForAMomentAndCostsLinkPolls) {
    Run(1.0);
    const int timeouts = d.Word(mrTimeOutErrLink);
    d.DspReset();
    Run(0.1);
    EXPECT_EQ(d.Word(mrNotice1), 0x4000) << "'Запуск ИМ'";
    EXPECT_EQ(d.Word(mrCommonNotice), 0x41);
    Run(3.5);
    EXPECT_EQ(d.Word(mrCommonNotice), 0x00);
    EXPECT_GT(d.Word(mrTimeOutErrLink), timeouts);
    EXPECT_GE(d.Word(mrAllErrLink), d.Word(mrTimeOutErrLink));
}

TEST_F(SimDevice, ProcessorResetSilencesTheDeviceWhileItRestarts) {
    Run(1.0);
    ASSERT_EQ(WriteWord(mrResetProcessor, 1), 0);
    EXPECT_TRUE(d.Rebooting());
    Run(Device::kRebootSeconds + 0.1);
    EXPECT_FALSE(d.Rebooting());
    EXPECT_EQ(d.Word(mrResetProcessor), 0);
}

TEST_F(SimDevice, LinkSettingsAreReportedOnceAfterTheyChange) {
    EXPECT_FALSE(d.TakeLinkChange());
    const std::uint16_t settings[3] = {9, 3, 2};  // address 9, 9600 baud, even parity
    ASSERT_EQ(d.WriteHolding(mrDevAddr, 3, settings), 0);
    EXPECT_TRUE(d.TakeLinkChange());
    EXPECT_FALSE(d.TakeLinkChange());
    EXPECT_EQ(d.Link().address, 9);
    EXPECT_EQ(BaudRateOfIndex(d.Link().baudIndex), 9600);
    EXPECT_EQ(d.Link().parity, 2);
    const std::uint16_t zero = 0;
    EXPECT_EQ(d.WriteHolding(mrDevAddr, 1, &zero), 3);
}

TEST_F(SimDevice, TakesBackEveryValueTheProgramMayWriteAtAnyAccessLevel) {
    // What a register dump written back row by row sends: each row the program may write
    // at its access level, with the value the device holds (protected rows inside the key
    // bracket, as the program sends them).
    for (int level = 1; level <= 3; ++level) {
        ASSERT_EQ(WriteWord(mrSensorData_AccessKey, d.AccessKey()), 0);
        for (int row = 0; row < FirstDspRow; ++row) {
            if (!IsRegisterRow(row) || !ParamWritableAt(row, level)) continue;
            const int reg = ParamRegs[static_cast<std::size_t>(row)].Reg;
            if (reg == mrSensorData_AccessKey) continue;
            const int count = RowRegCount(row);
            const std::uint16_t values[2] = {d.Word(reg), d.Word(reg + 1)};
            EXPECT_EQ(d.WriteHolding(reg, count, values), 0)
                << ParamRegs[static_cast<std::size_t>(row)].Name << " at level " << level;
        }
    }
}

TEST_F(SimDevice, SameSeedGivesTheSameMeasurements) {
    Device a(99), b(99), c(100);
    a.AdvanceTo(20.0);
    b.AdvanceTo(20.0);
    c.AdvanceTo(20.0);
    EXPECT_EQ(a.Float(mrMassFlowH), b.Float(mrMassFlowH));
    EXPECT_EQ(a.Float(mrDensityH), b.Float(mrDensityH));
    EXPECT_NE(a.Float(mrMassFlowH), c.Float(mrMassFlowH));
    EXPECT_NEAR(a.Float(mrMassFlowH), 1200.0f, 120.0f)
        << "a live process swings around its set point";
}

}  // namespace
}  // namespace tarvix::sim
