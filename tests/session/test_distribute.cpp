// Distribution of finished lists: newest-wins into the image, controls told only once an
// entry is complete, failures and writes journalled by parameter name, the measuring-module
// answers, and the refreshes the list's flags ask for.
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "session/distribute.h"
#include "session/program.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <bit>

namespace tarvix {
namespace {

struct DistributeFixture : ::testing::Test {
    QTemporaryDir dir;
    Program p{dir.path()};
    DistributeHooks hooks;
    std::vector<std::pair<int, bool>> arrived;
    std::vector<std::uint16_t> refreshed;
    ModbusList& Op = p.Lists->OpList;
    ModbusList& Poll = p.Lists->PollList;

    void SetUp() override {
        p.Log.SetJournalFilter(kFilterAll);
        hooks.ValueArrived = [this](int mr, bool fromOp) { arrived.emplace_back(mr, fromOp); };
        hooks.Refresh = [this](std::uint16_t f) { refreshed.push_back(f); };
    }
    QStringList Lines() const {
        QStringList out;
        for (int i = 0; i < p.JournalList.rowCount(); ++i) {
            out << p.JournalList.data(p.JournalList.index(i), Qt::DisplayRole).toString();
        }
        return out;
    }
};

TEST_F(DistributeFixture, FloatIsCompleteInTheImageWhenItsDescriptorIsTold) {
    Op.AppendRead(mrMassFlow, 2);
    const auto bits = std::bit_cast<std::uint32_t>(12.5f);
    Op.Values[0] = static_cast<std::uint16_t>(bits & 0xFFFF);
    Op.Values[1] = static_cast<std::uint16_t>(bits >> 16);
    Op.Stamps[0] = Op.Stamps[1] = 100.0;
    std::vector<float> seen;
    hooks.ValueArrived = [&](int mr, bool) {
        seen.push_back(p.Image.ReadFloat(mr == mrMassFlow ? mrMassFlowH : mr));
    };
    EXPECT_EQ(DistributeResults(p, Op, hooks), 0);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], 12.5f);  // even the low register's call sees the whole float
    EXPECT_EQ(p.Image.ReadFloat(mrMassFlowH), 12.5f);
    EXPECT_EQ(p.Image.RegTime[mrMassFlowH], 100.0);
}

TEST_F(DistributeFixture, NewestReceptionWinsAcrossLists) {
    Poll.AppendRead(702, 1);
    Poll.Values[0] = 1;
    Poll.Stamps[0] = 10.0;  // received first ...
    Op.AppendRead(702, 1);
    Op.Values[0] = 2;
    Op.Stamps[0] = 20.0;
    DistributeResults(p, Op, hooks);
    DistributeResults(p, Poll, hooks);  // ... distributed last
    EXPECT_EQ(p.Image.ModbusRegs[702], 2);
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0], std::make_pair(702, true));
    // A slot that received nothing is never taken.
    p.Lists->ResetList(Poll);
    Poll.AppendRead(703, 1);
    Poll.Values[0] = 9;
    DistributeResults(p, Poll, hooks);
    EXPECT_EQ(p.Image.ModbusRegs[703], 0);
}

TEST_F(DistributeFixture, FailuresAndWritesAreJournalledByName) {
    Op.AppendRead(mrMassFlow, 2);
    Op.Result[0] = kResultNoAnswer;
    Op.Append(kFnWriteHolding, mrSumUnit1, 1, 0, 1);
    Op.Append(kFnReadHolding, 40, 1, 0, 1);  // no parameter there: empty name
    Op.Result[2] = 2;
    Op.Busy = 1;
    p.Worker.WorkMode = kModeOnline;
    EXPECT_EQ(DistributeResults(p, Op, hooks), 2);
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(
        lines[0].endsWith(QStringLiteral("[err] MassFlow - Ошибка связи: получено 0 байт")));
    EXPECT_TRUE(lines[1].endsWith(
        QStringLiteral("[inf] SumUnit1 - Новые значения успешно записаны в память расходомера.")));
    EXPECT_TRUE(lines[2].endsWith(
        QStringLiteral("[err]  - Исключение Modbus 0x02: Неверный адрес регистра")));
    EXPECT_EQ(Op.Busy.load(), 0);
    // In file mode the write goes to the configuration file.
    p.Lists->ResetList(Op);
    Op.Append(kFnWriteHolding, mrSumUnit1, 1, 0, 1);
    p.Worker.WorkMode = kModeFile;
    DistributeResults(p, Op, hooks);
    EXPECT_TRUE(Lines().last().endsWith(
        QStringLiteral("SumUnit1 - Новые значения успешно записаны в файл конфигурации.")));
}

TEST_F(DistributeFixture, MeasuringModuleAnswers) {
    // Parameter read: 4 header bytes, parameter number in the 4th, then the value bytes.
    Op.Append(kFnDspExchange, kDspReadParam, 8, 2, 6);
    const std::uint8_t answer[] = {0x0A, 0x08, 0x00, 2, 0x11, 0x22, 0x33, 0x44};  // R0
    for (int k = 0; k < 8; ++k) {
        Op.Values[static_cast<std::size_t>(k / 2)] |=
            static_cast<std::uint16_t>(answer[k] << (8 * (k % 2)));
        Op.Stamps[static_cast<std::size_t>(k / 2)] = 1.0;  // received
    }
    // ADC codes: six 32-bit values from the third data byte on.
    const int e = Op.Append(kFnDspExchange, kDspReadAdc, 26, 0, 13);
    const int s = Op.Slot[static_cast<std::size_t>(e)];
    Op.Values[static_cast<std::size_t>(s + 1)] = 0x0005;  // code 0 = 5
    Op.Values[static_cast<std::size_t>(s + 3)] = 0xFFFF;  // code 1 = -1 (bytes 6..9)
    Op.Values[static_cast<std::size_t>(s + 4)] = 0xFFFF;
    for (int k = 0; k < 13; ++k) Op.Stamps[static_cast<std::size_t>(s + k)] = 1.0;
    int number = -1;
    QByteArray bytes;
    std::array<std::int32_t, 6> codes{};
    hooks.DspValueArrived = [&](int n, const QByteArray& b) {
        number = n;
        bytes = b;
    };
    hooks.AdcCodesArrived = [&](const std::array<std::int32_t, 6>& c) { codes = c; };
    DistributeResults(p, Op, hooks);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(bytes, QByteArray("\x11\x22\x33\x44", 4));
    EXPECT_EQ(codes[0], 5);
    EXPECT_EQ(codes[1], -1);
    // A parameter read that succeeded without data (file mode has no module) shows nothing:
    // its slots may hold anything, here a plausible parameter 2.
    p.Lists->ResetList(Op);
    Op.Append(kFnDspExchange, kDspReadParam, 8, 2, 6);
    Op.Values[1] = 2 << 8;
    number = -1;
    DistributeResults(p, Op, hooks);
    EXPECT_EQ(number, -1);
    // Parameter write: journalled with the name of the parameter in the 4th answer byte.
    p.Lists->ResetList(Op);
    Op.Append(kFnDspExchange, kDspWriteParam, 6, 4, 3);
    Op.Values[1] = 19 << 8;
    for (std::size_t k = 0; k < 3; ++k) Op.Stamps[k] = 1.0;
    p.Worker.WorkMode = kModeOnline;
    DistributeResults(p, Op, hooks);
    EXPECT_TRUE(Lines().last().endsWith(
        QStringLiteral("[inf] Checksum - Новые значения успешно записаны в память расходомера.")));
}

TEST_F(DistributeFixture, FlagsRefreshInOrderAndConfirmTheConnection) {
    Poll.AppendRead(300, 2);
    Poll.Flags = kFlagErrors | kFlagIndicator | kFlagLiveValues | kFlagCharts;
    bool confirmed = false;
    hooks.ConnectingVisible = [] { return true; };
    hooks.ConnectionConfirmed = [&] { confirmed = true; };
    DistributeResults(p, Poll, hooks);
    EXPECT_EQ(refreshed, (std::vector<std::uint16_t>{kFlagLiveValues, kFlagCharts, kFlagIndicator,
                                                     kFlagErrors}));
    EXPECT_EQ(Poll.Flags, 0);
    EXPECT_TRUE(confirmed);
    EXPECT_FALSE(p.Distributing);
    // An empty list changes nothing and does not confirm a connection.
    confirmed = false;
    p.Lists->ResetList(Poll);
    EXPECT_EQ(DistributeResults(p, Poll, hooks), 0);
    EXPECT_FALSE(confirmed);
    // The device's link settings written: told how many of how many failed.
    Op.Append(kFnWriteHolding, 430, 3, 0, 3);
    Op.Flags = kFlagLinkSettings;
    Op.Result[0] = kResultNoAnswer;
    std::pair<int, int> told{-1, -1};
    hooks.LinkSettingsWritten = [&](int failed, int len) { told = {failed, len}; };
    DistributeResults(p, Op, hooks);
    EXPECT_EQ(told, std::make_pair(1, 1));
}

}  // namespace
}  // namespace tarvix
