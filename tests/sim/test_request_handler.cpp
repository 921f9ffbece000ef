// The simulator's slave side, frame in, frame out: each function code, the refusals a
// master must be able to tell apart, the protected-data bracket, broadcasts, framing.
#include "frames.h"

#include "model/register_ids.h"
#include "sim/request_handler.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvix::sim::test {
namespace {

TEST(SimHandler, ReadAnswersCarryRegistersHighByteFirstAndFloatsLowWordFirst) {
    Slave slave(7);
    const Bytes serial = Exchange(slave, Read(1, mrSerialNumberDevice, 1));
    EXPECT_EQ(serial, WithCrc({1, 3, 2, 21047 >> 8, 21047 & 0xFF}));

    const Bytes main = Exchange(slave, Read(1, mrMassFlow, 12));
    ASSERT_EQ(main.size(), 5u + 24u);
    EXPECT_FLOAT_EQ(FloatOf(main, 0), slave.device.Float(mrMassFlowH));
    EXPECT_NEAR(FloatOf(main, 4), 998.2f, 1.0f);  // density of water, kg/m3

    // Registers no parameter covers read as 0, also inside a longer read.
    const Bytes gap = Exchange(slave, Read(1, 38, 3));
    ASSERT_EQ(gap.size(), 11u);
    EXPECT_EQ(Word(gap, 1), 0);
    EXPECT_EQ(Word(gap, 2), 0);
}

struct Refusal {
    const char* what;
    Bytes request;
    int code;
};

TEST(SimHandler, RefusalsCarryTheExceptionCodeARealSlaveSends) {
    const Refusal cases[] = {
        {"read of 0 registers", Read(1, 300, 0), 3},
        {"read of 126 registers", Read(1, 0, 126), 2},
        {"read past the last register", Read(1, 1795, 2), 2},
        {"read frame one byte long", WithCrc({1, 3, 1, 44, 0, 2, 0}), 3},
        {"write of 124 registers",
         [] {
             Bytes b{1, 16, 0x02, 0x58, 0, 124, 248};
             b.resize(b.size() + 248, 0);
             return WithCrc(b);
         }(),
         2},
        {"write byte count not twice the count", WithCrc({1, 16, 0x02, 0x58, 0, 1, 4, 0, 1, 0, 2}),
         3},
        {"write to a register no parameter covers", Write(1, 40, {1}), 2},
        {"write to a read-only parameter", WriteFloat(1, mrMassFlow, 1.0f), 4},
        {"write to protected sensor data without key", Write(1, mrSerialNumberDevice, {5}), 4},
        {"unit beyond its menu", Write(1, mrUnitMassFlow, {9}), 3},
        {"float that is not a number", Write(1, mrFlowDamping, {0x0000, 0x7FC0}), 3},
        {"adjustment with a 4 mA trim of 10 mA",
         Write(1, mrCUR_Adjustment_Mode, {1, 0x0000, 0x4120, 0x0000, 0x41A0}), 4},
        {"single write beyond the map", WithCrc({1, 6, 0x07, 0x04, 0, 1}), 2},
        {"unknown function code", WithCrc({1, 4, 0, 0, 0, 1}), 1},
        {"unknown measuring-module command", Dsp(1, 7, {}), 1},
        {"measuring-module parameter 20", Dsp(1, 10, {0x64, 20}), 2},
        {"parameter read with the wrong size", Dsp(1, 10, {0xC2, 2}), 3},
        {"signal memory before any recording", Dsp(1, 22, {1, 0, 0, 200}), 9},
        {"file record of file 11", WithCrc({1, 20, 7, 6, 0, 11, 0, 0, 0, 4}), 2},
        {"file record with reference type 5", WithCrc({1, 20, 7, 5, 0, 1, 0, 0, 0, 4}), 3},
        {"controller reset without its 0x01", WithCrc({1, 0xAF, 0x02}), 3},
    };
    for (const Refusal& c : cases) {
        Slave slave;
        const Bytes answer = Exchange(slave, c.request);
        EXPECT_EQ(ExceptionOf(answer), c.code) << c.what;
        if (IsDeviceException(ExceptionOf(answer))) {
            EXPECT_EQ(answer[0], 1) << c.what;
            EXPECT_EQ(answer[1], c.request[1] | kExceptionBit) << c.what;
            EXPECT_TRUE(CrcOk(answer.data(), 5)) << c.what;
        }
    }
}

TEST(SimHandler, RefusedMultiRegisterWriteChangesNothing) {
    Slave slave;
    const std::uint16_t before = slave.device.Word(mrUnitMassFlow);
    // UnitMassFlow is fine, UnitDensity 7 is beyond its three items.
    EXPECT_EQ(ExceptionOf(Exchange(slave, Write(1, mrUnitMassFlow, {8, 5, 7}))), 3);
    EXPECT_EQ(slave.device.Word(mrUnitMassFlow), before);
}

TEST(SimHandler, ProtectedSensorDataOpensOnlyBetweenKeyAndZero) {
    Slave slave;
    const std::uint16_t key = slave.device.AccessKey();
    EXPECT_EQ(ExceptionOf(Exchange(slave, WriteFloat(1, mrRatio, 1510.0f))), 4);
    EXPECT_EQ(ExceptionOf(Exchange(
                  slave, Write(1, mrSensorData_AccessKey, {static_cast<std::uint16_t>(key ^ 1)}))),
              0);
    EXPECT_EQ(ExceptionOf(Exchange(slave, WriteFloat(1, mrRatio, 1510.0f))), 4) << "wrong key";

    EXPECT_EQ(ExceptionOf(Exchange(slave, Write(1, mrSensorData_AccessKey, {key}))), 0);
    EXPECT_EQ(ExceptionOf(Exchange(slave, WriteFloat(1, mrRatio, 1510.0f))), 0);
    EXPECT_EQ(ExceptionOf(Exchange(slave, WriteFloat(1, mrPointInterpolation1, 0.06f))), 0);
    EXPECT_EQ(slave.device.Float(mrRatioH), 1510.0f);
    // Read-only members of the group stay read-only with the key.
    EXPECT_EQ(ExceptionOf(Exchange(slave, Write(1, mrSoftPlus, {1}))), 4);
    EXPECT_EQ(ExceptionOf(Exchange(slave, Write(1, mrSensorData_AccessKey, {0}))), 0);
    EXPECT_EQ(ExceptionOf(Exchange(slave, WriteFloat(1, mrRatio, 1500.0f))), 4);
    EXPECT_EQ(slave.device.Float(mrRatioH), 1510.0f);

    // The key follows CUR_SN: another module serial number, another key.
    EXPECT_EQ(ExceptionOf(Exchange(slave, Write(1, mrCUR_SN, {4242}))), 0);
    EXPECT_NE(slave.device.AccessKey(), key);
}

TEST(SimHandler, WriteLockSwitchRefusesEveryWriteWithExceptionFive) {
    Slave slave;
    slave.device.SetMicroSwitches(true, false);
    EXPECT_EQ(ExceptionOf(Exchange(slave, Write(1, mrContrast, {40}))), 5);
    EXPECT_EQ(ExceptionOf(Exchange(slave, WithCrc({1, 6, 0x02, 0x58, 0, 40}))), 5);
    EXPECT_EQ(ExceptionOf(Exchange(slave, Dsp(1, 11, {0x62, 0, 0x10, 0x27}))), 5);
    EXPECT_EQ(ExceptionOf(Exchange(slave, Read(1, mrContrast, 1))), 0) << "reads still work";
    slave.device.SetMicroSwitches(false, false);
    EXPECT_EQ(ExceptionOf(Exchange(slave, Write(1, mrContrast, {40}))), 0);
}

TEST(SimHandler, SingleAndFileRecordWritesEchoTheRequest) {
    Slave slave;
    const Bytes single = WithCrc({1, 6, 0x02, 0x58, 0, 40});
    EXPECT_EQ(Exchange(slave, single), single);
    EXPECT_EQ(slave.device.Word(mrContrast), 40);

    // Record words travel low byte first: 0x1234 goes as 34 12.
    const Bytes record = WithCrc({1, 21, 11, 6, 0, 3, 0, 100, 0, 2, 0x34, 0x12, 0xCD, 0xAB});
    EXPECT_EQ(Exchange(slave, record), record);
    const Bytes read = Exchange(slave, WithCrc({1, 20, 7, 6, 0, 3, 0, 100, 0, 2}));
    EXPECT_EQ(read, WithCrc({1, 20, 6, 5, 6, 0x34, 0x12, 0xCD, 0xAB}));
}

TEST(SimHandler, BroadcastWritesAreExecutedButNeverAnswered) {
    Slave slave;
    EXPECT_TRUE(Exchange(slave, Write(0, mrContrast, {50})).empty());
    EXPECT_EQ(slave.device.Word(mrContrast), 50);
    EXPECT_TRUE(Exchange(slave, Read(0, mrContrast, 1)).empty());
    EXPECT_TRUE(Exchange(slave, Write(0, mrUnitMassFlow, {99})).empty()) << "not even a refusal";
    EXPECT_EQ(slave.stats.broadcasts, 3u);
}

TEST(SimHandler, FramesForOthersOrWithBadCrcGetNoAnswer) {
    Slave slave;
    EXPECT_TRUE(Exchange(slave, Read(2, 0, 1)).empty());
    Bytes bad = Read(1, 0, 1);
    bad.back() ^= 0x40;
    EXPECT_TRUE(Exchange(slave, bad).empty());
    EXPECT_EQ(slave.stats.foreign, 1u);
    EXPECT_EQ(slave.stats.badFrames, 1u);
}

TEST(SimHandler, GarbageBeforeARequestDoesNotCostTheRequest) {
    Slave slave;
    // Noise glued to the front of a request (no silence between them).
    Bytes burst{0xFF, 0x00, 0x13, 0x01, 0x03, 0x99};
    const Bytes request = Read(1, mrSerialNumberDevice, 1);
    burst.insert(burst.end(), request.begin(), request.end());
    EXPECT_EQ(Word(Exchange(slave, burst), 0), 21047);

    // A burst of pure garbage is dropped, and the next request is served as usual.
    Bytes garbage(300);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
    EXPECT_TRUE(Exchange(slave, garbage).empty());
    EXPECT_EQ(Word(Exchange(slave, request), 0), 21047);
}

TEST(SimHandler, NewAddressAppliesAfterTheAnswerFromTheOldOne) {
    Slave slave;
    const Bytes answer = Exchange(slave, Write(1, mrDevAddr, {17}));
    ASSERT_EQ(ExceptionOf(answer), 0);
    EXPECT_EQ(answer[0], 1);
    EXPECT_TRUE(slave.device.TakeLinkChange());
    EXPECT_TRUE(Exchange(slave, Read(1, 0, 1)).empty());
    EXPECT_EQ(Exchange(slave, Read(17, 0, 1)).size(), 7u);
}

TEST(SimHandler, MeasuringModuleCommandsAnswerWithTheirDataLengths) {
    Slave slave;
    // Parameter 2 (R0, float, 4 bytes): request word code|size = 0xC4, number 2.
    const Bytes r0 = Exchange(slave, Dsp(1, 10, {0xC4, 2}));
    ASSERT_EQ(r0.size(), 4u + 6u + 4u);
    EXPECT_EQ(r0[2], 10);
    EXPECT_EQ(r0[7], 2) << "the fourth data byte names the parameter";
    EXPECT_FLOAT_EQ(std::bit_cast<float>(static_cast<std::uint32_t>(r0[8] | r0[9] << 8 |
                                                                    r0[10] << 16 | r0[11] << 24)),
                    100.02f);
    // Parameter 0 (serial number, 2 bytes) written and read back.
    EXPECT_EQ(Exchange(slave, Dsp(1, 11, {0x62, 0, 0x39, 0x30})).size(), 6u + 2u + 4u);
    EXPECT_EQ(slave.device.Dsp().Param(0), 12345u);
    EXPECT_EQ(slave.device.Word(mrSN_MeasureModul), 12345);

    EXPECT_EQ(Exchange(slave, Dsp(1, 33, {})).size(), 26u + 6u);
    EXPECT_EQ(Exchange(slave, WithCrc({1, 0xAF, 1})), WithCrc({1, 0xAF}));
}

TEST(SimHandler, SignalRecordingFinishesAndItsBlocksCanBeRead) {
    Slave slave;
    EXPECT_EQ(Exchange(slave, Dsp(1, 6, {9, 0}), 1.0).size(), 10u);
    EXPECT_EQ(Exchange(slave, Dsp(1, 5, {}), 1.1)[4] & 2, 0) << "still recording";
    EXPECT_EQ(ExceptionOf(Exchange(slave, Dsp(1, 22, {1, 0, 0, 200}), 1.2)), 9);
    EXPECT_EQ(Exchange(slave, Dsp(1, 5, {}), 3.0)[4] & 2, 2) << "finished";
    const Bytes block = Exchange(slave, Dsp(1, 22, {4, 44, 1, 200}), 3.1);
    ASSERT_EQ(block.size(), 206u + 6u);
    EXPECT_EQ(Bytes(block.begin() + 6, block.begin() + 10), (Bytes{4, 44, 1, 200}))
        << "the block echoes its request";
    EXPECT_EQ(ExceptionOf(Exchange(slave, Dsp(1, 22, {8, 0xE8, 3, 200}), 3.2)), 2)
        << "sample 1000 is beyond the memory";
}

TEST(SimHandler, FaultPlanSpoilsAnswersTheWayAMasterTellsApart) {
    Slave slave;
    const Bytes request = Read(1, 0, 2);
    const Bytes good = Exchange(slave, request);
    ASSERT_EQ(good.size(), 9u);

    slave.faults.fault = AnswerFault::Crc;
    Bytes a = Exchange(slave, request);
    EXPECT_EQ(a.size(), 9u);
    EXPECT_FALSE(CrcOk(a.data(), 9));

    slave.faults.fault = AnswerFault::Address;
    a = Exchange(slave, request);
    EXPECT_EQ(a[0], 2);
    EXPECT_TRUE(CrcOk(a.data(), 9));

    slave.faults.fault = AnswerFault::Truncate;
    slave.faults.remaining = 1;
    EXPECT_EQ(Exchange(slave, request).size(), 4u);
    EXPECT_EQ(Exchange(slave, request), good) << "'next 1' spoils one answer only";

    slave.faults.SetException(1, 4);
    EXPECT_EQ(ExceptionOf(Exchange(slave, request)), 4);
    EXPECT_EQ(ExceptionOf(Exchange(slave, Read(1, 2, 1))), 0) << "only reads touching register 1";

    slave.faults.silent = true;
    EXPECT_TRUE(Exchange(slave, Write(1, mrContrast, {60})).empty());
    EXPECT_NE(slave.device.Word(mrContrast), 60) << "a silent device does not execute either";
}

TEST(SimHandler, RandomFaultsSpoilTheirShareOfAnswers) {
    Slave slave(11);
    const Bytes request = Read(1, 0, 2);
    const Bytes good = Exchange(slave, request);
    auto goodAnswers = [&](int n) {
        int count = 0;
        for (int i = 0; i < n; ++i) count += Exchange(slave, request) == good ? 1 : 0;
        return count;
    };
    slave.faults.randomRate = 1.0;
    EXPECT_EQ(goodAnswers(50), 0);
    slave.faults.randomRate = 0.2;
    const int some = goodAnswers(1000);
    EXPECT_GT(some, 700);
    EXPECT_LT(some, 900);
    slave.faults.randomRate = 0.0;
    EXPECT_EQ(goodAnswers(50), 50);
}

}  // namespace
}  // namespace tarvix::sim::test
