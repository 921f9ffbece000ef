// The measuring module behind function 0xAC as the program uses it: the EEPROM values it
// may write, the signal blocks as the program stores them, the module's start-up after a
// controller reset.
#include "frames.h"

#include "link/modbus_list.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "sim/register_map.h"
#include "sim/request_handler.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tarvix::sim::test {
namespace {

constexpr int kProductionDate = 1;  // EEPROM parameter: day, month, year - 2000
constexpr double kRecorded = 3.0;   // a recording started at 1 s has finished by then

Bytes DspReset() { return WithCrc({1, kFnDspReset, 1}); }

std::uint8_t ParamWord(int n) {
    const auto& map = RegisterMap::Instance();
    return static_cast<std::uint8_t>(map.DspCode(n) | map.DspSize(n));
}

TEST(SimMeasuringModule, ProductionDateTakesWhateverTheProgramMaySend) {
    // The program converts dates without a range check, and a dump file missing the key
    // carries the value 2: day 2, month 0, year 0.
    struct Case {
        const char* what;
        std::uint8_t day, month, year;
    };
    const Case cases[] = {
        {"a dump without the key", 2, 0, 0},
        {"day and month beyond the calendar", 32, 13, 99},
        {"all zero", 0, 0, 0},
        {"an ordinary date", 31, 12, 23},
    };
    for (const Case& c : cases) {
        Slave slave;
        const std::uint8_t word = ParamWord(kProductionDate);
        const Bytes written = Exchange(
            slave, Dsp(1, kDspWriteParam, {word, kProductionDate, c.day, c.month, c.year}));
        EXPECT_EQ(ExceptionOf(written), 0) << c.what;
        const Bytes read = Exchange(slave, Dsp(1, kDspReadParam, {word, kProductionDate}));
        ASSERT_EQ(read.size(), 6u + 4u + 3u) << c.what;
        EXPECT_EQ(Bytes(read.begin() + 8, read.begin() + 11), (Bytes{c.day, c.month, c.year}))
            << c.what;
    }
}

TEST(SimMeasuringModule, SignalBlocksLeaveTheRequestWhereTheProgramKeepsIt) {
    Slave slave;
    ASSERT_EQ(ExceptionOf(Exchange(slave, Dsp(1, kDspCaptureStart, {9, 0}), 1.0)), 0);
    ASSERT_EQ(Exchange(slave, Dsp(1, kDspCaptureStatus, {}), kRecorded)[4] & 2, 2);

    // Two block entries as the transfer builds them: the request bytes in two slots, the
    // byte offset into the signal buffer in the third.
    struct Block {
        int mask, first, offset;
    };
    const Block blocks[] = {{4, 300, 8000 + 6 * 200}, {2, 950, 7800}};
    ModbusList list;
    SignalBufferArray buffer{};
    list.Buffer = buffer.data();
    for (const Block& b : blocks) {
        const int e = list.Append(kFnDspExchange, kDspReadSignalBlock, 206, 4, 3);
        const int slot = list.Slot[static_cast<std::size_t>(e)];
        list.Values[static_cast<std::size_t>(slot)] =
            static_cast<std::uint16_t>(b.mask | (b.first & 0xFF) << 8);
        list.Values[static_cast<std::size_t>(slot + 1)] =
            static_cast<std::uint16_t>(b.first >> 8 | 200 << 8);
        list.Values[static_cast<std::size_t>(slot + 2)] = static_cast<std::uint16_t>(b.offset);
    }
    const auto request = list.Values;
    for (int e = 0; e < list.Len; ++e) {
        std::array<std::uint8_t, kFrameMax> tx{};
        const int n = BuildRequest(list, e, 1, tx.data());
        const Bytes answer = Exchange(slave, Bytes(tx.begin(), tx.begin() + n), kRecorded);
        const int expected = ExpectedAnswerLength(list, e);
        ASSERT_EQ(ClassifyAnswer(kFnDspExchange, answer.data(), static_cast<int>(answer.size()),
                                 expected, 1),
                  kResultOk);
        StoreAnswer(list, e, answer.data(), static_cast<int>(answer.size()), 1.0);
    }
    EXPECT_EQ(list.Values, request) << "a second transfer sends the same requests again";

    const auto& memory = slave.device.Dsp().Memory();
    for (const Block& b : blocks) {
        const int channel = b.mask == 4 ? 2 : 1;
        for (int i = 0; i < 50; ++i) {
            const int word = b.offset / 2 + 2 * i;
            const std::uint32_t sample =
                buffer[static_cast<std::size_t>(word)] |
                static_cast<std::uint32_t>(buffer[static_cast<std::size_t>(word + 1)]) << 16;
            ASSERT_EQ(sample,
                      memory[static_cast<std::size_t>(channel * DspModule::kSamples + b.first + i)])
                << "mask " << b.mask << " sample " << b.first + i;
        }
    }
}

TEST(SimMeasuringModule, RelayedRequestsGetNoAnswerWhileTheModuleStarts) {
    Slave slave;
    const Bytes requests[] = {
        Dsp(1, kDspCaptureStatus, {}),
        Dsp(1, kDspCaptureStart, {9, 0}),
        Dsp(1, kDspReadParam, {ParamWord(0), 0}),
        Dsp(1, kDspReadAdc, {}),
    };
    ASSERT_EQ(Exchange(slave, DspReset(), 1.0), WithCrc({1, kFnDspReset}));
    slave.device.AdvanceTo(1.2);
    const int timeouts = slave.device.Word(mrTimeOutErrLink);
    for (const Bytes& r : requests) {
        EXPECT_TRUE(Exchange(slave, r, 1.2).empty()) << "sub-function " << int{r[2]};
    }
    // The processor counts each relayed request that found the module deaf, and reports
    // the module starting.
    EXPECT_EQ(slave.device.Word(mrTimeOutErrLink), timeouts + 4);
    EXPECT_EQ(slave.device.Word(mrNotice1), 0x4000) << "'Запуск ИМ'";
    EXPECT_EQ(ExceptionOf(Exchange(slave, Read(1, mrCommonNotice, 1), 1.3)), 0)
        << "the processor itself answers";

    const double started = 1.0 + DspModule::kRestartSeconds + 0.1;
    for (const Bytes& r : requests) {
        const Bytes answer = Exchange(slave, r, started);
        EXPECT_FALSE(answer.empty()) << "sub-function " << int{r[2]};
        EXPECT_EQ(ExceptionOf(answer), 0) << "sub-function " << int{r[2]};
    }
}

}  // namespace
}  // namespace tarvix::sim::test
