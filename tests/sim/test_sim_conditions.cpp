// Device conditions set up through the control channel, seen from the master's side of the
// pseudo-terminal: the current output calibrated against the simulated ammeter, refusals of
// the measuring module, held status words, chosen ADC codes and signal samples, the pace of
// the signal file and the module's start-up after a reset.
#include "pty_fixture.h"

#include "model/register_ids.h"
#include "sim/dsp_module.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

namespace tarvix::sim::test {
namespace {

using namespace std::chrono_literals;

constexpr int kBlockAnswerBytes = 206;
constexpr int kBlockBytes = 200;
constexpr int kBlockSamples = kBlockBytes / 4;
constexpr int kAdcAnswerBytes = 26;
constexpr int kStatusAnswerBytes = 4;
constexpr std::uint8_t kRecordingFinished = 2;
// Raw channel A, filtered channel A of the signal memory.
constexpr int kMaskRawA = 1, kMaskFilteredA = 4;

struct SimConditions : SimOnPty {
    // One measuring-module exchange as the program frames it; the answer data in *answer.
    std::uint8_t Dsp(std::uint8_t sub, const std::vector<std::uint8_t>& data, int answerBytes,
                     std::vector<std::uint8_t>* answer = nullptr) {
        ModbusList list;
        const int bytes = std::max(static_cast<int>(data.size()), answerBytes);
        list.Append(kFnDspExchange, sub, static_cast<std::uint16_t>(answerBytes),
                    static_cast<std::uint16_t>(data.size()), (bytes + 1) / 2);
        for (std::size_t k = 0; k < data.size(); ++k)
            list.Values[k / 2] |= static_cast<std::uint16_t>(data[k] << (8 * (k % 2)));
        list.Launch();
        const std::uint8_t r = ExecuteTransaction(com, list);
        if (answer) {
            answer->clear();
            for (int k = 0; k < answerBytes; ++k)
                answer->push_back(static_cast<std::uint8_t>(list.Values[k / 2] >> (8 * (k % 2))));
        }
        return r;
    }

    // Starts a recording and polls its status until it has finished.
    ::testing::AssertionResult Record() {
        if (const auto r = Dsp(kDspCaptureStart, {9, 0}, kStatusAnswerBytes)) {
            return ::testing::AssertionFailure() << "start: result " << int{r};
        }
        std::vector<std::uint8_t> status;
        for (int poll = 0; poll < 100; ++poll) {
            if (Dsp(kDspCaptureStatus, {}, kStatusAnswerBytes, &status) == kResultOk &&
                (status[0] & kRecordingFinished) != 0) {
                return ::testing::AssertionSuccess();
            }
            std::this_thread::sleep_for(50ms);
        }
        return ::testing::AssertionFailure() << "the recording did not finish";
    }

    // One signal block through the signal buffer, as the transfer reads it.
    std::vector<std::uint32_t> Block(int mask, int first) {
        ModbusList list;
        SignalBufferArray buffer{};
        list.Buffer = buffer.data();
        list.Append(kFnDspExchange, kDspReadSignalBlock, kBlockAnswerBytes, 4, 3);
        list.Values[0] = static_cast<std::uint16_t>(mask | (first & 0xFF) << 8);
        list.Values[1] = static_cast<std::uint16_t>(first >> 8 | kBlockBytes << 8);
        list.Launch();
        EXPECT_EQ(ExecuteTransaction(com, list), kResultOk) << "mask " << mask;
        std::vector<std::uint32_t> samples;
        for (std::size_t i = 0; i < kBlockSamples; ++i)
            samples.push_back(buffer[2 * i] | static_cast<std::uint32_t>(buffer[2 * i + 1]) << 16);
        return samples;
    }

    double Ammeter() {
        const std::string reply = Sim(QStringLiteral("ammeter"));
        EXPECT_EQ(reply.rfind("ok ", 0), 0u) << reply;
        return std::stod(reply.substr(3));
    }
    void Simulate(float mA) {
        ASSERT_EQ(Write(mrCUR_Simulation_Mode, {1}), kResultOk);
        ASSERT_EQ(WriteFloat(mrCUR_Value_Simulation, mA), kResultOk);
    }
    std::vector<std::uint16_t> Coefficients() {
        std::vector<std::uint16_t> v;
        EXPECT_EQ(Read(mrCUR_Current_Offset, 4, &v), kResultOk);
        return v;
    }
};

TEST_F(SimConditions, CalibrationAgainstTheAmmeterMakesTheOutputTrue) {
    StartAndOpen();
    // A board that drives 1.2 % high and 50 uA above: the factory coefficients were made
    // for another one.
    ASSERT_EQ(Sim(QStringLiteral("board-error 0.05 1.012")), "ok");
    Simulate(4.0f);
    const double m4 = Ammeter();
    EXPECT_GT(std::abs(m4 - 4.0), 0.05) << "before the calibration";
    ASSERT_EQ(WriteFloat(mrCUR_Trim_4mA, static_cast<float>(m4)), kResultOk);
    Simulate(20.0f);
    const double m20 = Ammeter();
    ASSERT_EQ(WriteFloat(mrCUR_Trim_20mA, static_cast<float>(m20)), kResultOk);
    ASSERT_EQ(Write(mrCUR_Adjustment_Mode, {1}), kResultOk);
    const auto computed = Coefficients();

    for (const float mA : {4.0f, 20.0f, 12.0f}) {
        Simulate(mA);
        EXPECT_NEAR(Ammeter(), mA, 0.002) << "simulated " << mA << " mA";
    }
    ASSERT_EQ(Write(mrCUR_Adjustment_Mode, {1}), kResultOk) << "computed again";
    EXPECT_EQ(Coefficients(), computed);
    ASSERT_EQ(Write(mrCUR_Simulation_Mode, {0}), kResultOk);
}

TEST_F(SimConditions, MeasuringModuleRefusalsReachTheMaster) {
    // Refused from the start by option, then by command: an exception, or silence.
    StartAndOpen(
        {QStringLiteral("--freeze"), QStringLiteral("--dsp-fault"), QStringLiteral("33:4")});
    EXPECT_EQ(Dsp(kDspReadAdc, {}, kAdcAnswerBytes), 4);
    EXPECT_EQ(Dsp(kDspCaptureStatus, {}, kStatusAnswerBytes), kResultOk) << "only 33 refused";

    ASSERT_EQ(Sim(QStringLiteral("dsp-fault 6 silent next 1")), "ok");
    EXPECT_EQ(Dsp(kDspCaptureStart, {9, 0}, kStatusAnswerBytes), kResultNoAnswer);
    std::vector<std::uint8_t> status;
    ASSERT_EQ(Dsp(kDspCaptureStatus, {}, kStatusAnswerBytes, &status), kResultOk);
    EXPECT_EQ(status[0], 0) << "a refused start records nothing";
    EXPECT_EQ(Dsp(kDspCaptureStart, {9, 0}, kStatusAnswerBytes), kResultOk) << "next 1 only";

    // Parameter 0, the serial number: value code and size 2, number 0, then the value.
    ASSERT_EQ(Sim(QStringLiteral("dsp-fault 11 5")), "ok");
    EXPECT_EQ(Dsp(kDspWriteParam, {0x62, 0, 0x12, 0x34}, 6), 5);
    EXPECT_EQ(Sim(QStringLiteral("dsp get 0")), "ok 4711") << "a refused write";
    ASSERT_EQ(Sim(QStringLiteral("dsp-fault clear")), "ok");
    EXPECT_EQ(Dsp(kDspReadAdc, {}, kAdcAnswerBytes), kResultOk);
}

TEST_F(SimConditions, HeldWordsAndManyMessagesReachTheMaster) {
    StartAndOpen();
    // The edges of the micro-switch bands, each held over several measuring cycles.
    for (const int code : {303, 304, 429, 430, 769, 770}) {
        ASSERT_EQ(Sim(QStringLiteral("hold CodeInternalAdc %1").arg(code)), "ok");
        std::this_thread::sleep_for(250ms);
        std::vector<std::uint16_t> v;
        ASSERT_EQ(Read(mrCodeInternalAdc, 1, &v), kResultOk);
        EXPECT_EQ(v[0], code);
    }

    // Ten messages: the count says 10, the eight registers show the first eight.
    for (int slot = 1; slot <= 10; ++slot) {
        const int word = (slot % 2 != 0 ? 0x1000 : 0x4000) | slot;
        ASSERT_EQ(Sim(QStringLiteral("notice %1 %2").arg(slot).arg(word)), "ok");
    }
    std::vector<std::uint16_t> list;
    ASSERT_EQ(Read(mrCommonNotice, 9, &list), kResultOk);
    EXPECT_EQ(list[0], 0x50 | 10);
    EXPECT_EQ(list[8], 0x4008);

    // A summary held against the list, until released.
    ASSERT_EQ(Sim(QStringLiteral("hold CommonNotice 0xA2")), "ok");
    std::this_thread::sleep_for(250ms);
    ASSERT_EQ(Read(mrCommonNotice, 1, &list), kResultOk);
    EXPECT_EQ(list[0], 0xA2);
    ASSERT_EQ(Sim(QStringLiteral("hold clear")), "ok");
    ASSERT_EQ(Sim(QStringLiteral("notice clear")), "ok");
    std::this_thread::sleep_for(250ms);
    ASSERT_EQ(Read(mrCommonNotice, 1, &list), kResultOk);
    EXPECT_EQ(list[0], 0);
}

TEST_F(SimConditions, ChosenAdcCodesAndSamplesReachTheMaster) {
    StartAndOpen();
    ASSERT_EQ(Sim(QStringLiteral("adc 1 -5")), "ok");
    ASSERT_EQ(Sim(QStringLiteral("adc 6 2147483647")), "ok");
    std::vector<std::uint8_t> a;
    ASSERT_EQ(Dsp(kDspReadAdc, {}, kAdcAnswerBytes, &a), kResultOk);
    auto code = [&](int i) {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) v |= static_cast<std::uint32_t>(a[2 + 4 * i + k]) << (8 * k);
        return static_cast<std::int32_t>(v);
    };
    EXPECT_EQ(code(0), -5);
    EXPECT_EQ(code(5), std::numeric_limits<std::int32_t>::max());
    std::this_thread::sleep_for(250ms);
    std::vector<std::uint16_t> status;
    ASSERT_EQ(Read(mrNotice1, 1, &status), kResultOk);
    EXPECT_EQ(status[0], 0x800A) << "'АЦП ИМ код T': the code is below its EEPROM limit";

    // A step on raw channel A and the special floats on filtered channel A.
    for (const char* c :
         {"signal 1 0 500 min", "signal 1 500 500 max", "signal 3 0 1 nan", "signal 3 1 1 inf",
          "signal 3 2 1 -inf", "signal 3 3 1 max", "signal 3 4 1 0.25"}) {
        ASSERT_EQ(Sim(QString::fromLatin1(c)), "ok") << c;
    }
    ASSERT_TRUE(Record());
    EXPECT_EQ(Block(kMaskRawA, 450).back(), static_cast<std::uint32_t>(-(1 << 23)));
    EXPECT_EQ(Block(kMaskRawA, 500).front(), static_cast<std::uint32_t>((1 << 23) - 1));
    const auto filtered = Block(kMaskFilteredA, 0);
    auto f = [&](int i) { return std::bit_cast<float>(filtered[static_cast<std::size_t>(i)]); };
    EXPECT_TRUE(std::isnan(f(0)));
    EXPECT_EQ(f(1), std::numeric_limits<float>::infinity());
    EXPECT_EQ(f(2), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(f(3), std::numeric_limits<float>::max());
    EXPECT_EQ(f(4), 0.25f);

    ASSERT_TRUE(Record());
    EXPECT_TRUE(std::isfinite(std::bit_cast<float>(Block(kMaskFilteredA, 0)[0])))
        << "the injections were for one recording";
}

TEST_F(SimConditions, SignalFileRecordsTakeTheDevicesTime) {
    StartAndOpen(
        {QStringLiteral("--freeze"), QStringLiteral("--file10-delay"), QStringLiteral("600")});
    ASSERT_TRUE(Record());
    com.AnsDelay = 1000;
    SignalBufferArray buffer{};
    auto readRecord = [&] {
        ModbusList list;
        list.Buffer = buffer.data();
        list.Append(kFnReadFileRecord, 0, 22, 10, 0);
        list.Launch();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ExecuteTransaction(com, list), kResultOk);
        return std::chrono::steady_clock::now() - start;
    };
    EXPECT_GE(readRecord(), 600ms);
    ASSERT_EQ(Sim(QStringLiteral("file10-delay 0")), "ok");
    EXPECT_LT(readRecord(), 400ms);
}

TEST_F(SimConditions, RelayedRequestsWaitForTheModuleAfterItsReset) {
    StartAndOpen();
    ModbusList reset;
    reset.Append(kFnDspReset, 0, 0, 0, 0);
    reset.Launch();
    ASSERT_EQ(ExecuteTransaction(com, reset), kResultOk);
    EXPECT_EQ(Dsp(kDspCaptureStatus, {}, kStatusAnswerBytes), kResultNoAnswer);
    std::vector<std::uint16_t> v;
    ASSERT_EQ(Read(mrNotice1, 1, &v), kResultOk) << "the processor answers for itself";
    EXPECT_EQ(v[0], 0x4000) << "'Запуск ИМ'";
    std::this_thread::sleep_for(
        std::chrono::milliseconds(static_cast<int>(DspModule::kRestartSeconds * 1000.0) + 200));
    EXPECT_EQ(Dsp(kDspCaptureStatus, {}, kStatusAnswerBytes), kResultOk);
}

}  // namespace
}  // namespace tarvix::sim::test
