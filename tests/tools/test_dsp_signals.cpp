// The signal memory's block list and the signal file, without a device: the requests as the
// module receives them, the echo check that keeps another block's samples out, and the file
// read back as the chart pages read it — including files that are cut off, miscounted, not numbers
// or far too large.
#include "link/modbus_rtu.h"
#include "link/signal_memory.h"
#include "pages/signal_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The request data bytes of entry e as they go on the line (low byte of each slot first).
std::array<int, 4> RequestBytes(const ModbusList& L, int e) {
    const int s = L.Slot[At(e)];
    return {L.Values[At(s)] & 0xFF, L.Values[At(s)] >> 8, L.Values[At(s + 1)] & 0xFF,
            L.Values[At(s + 1)] >> 8};
}

TEST(SignalMemory, TransferListsAskForEveryBlockOnce) {
    struct Case {
        SignalKind kind;
        int entry;
        std::array<int, 4> bytes;  // mask, first sample low, high, byte count
        int offset;
    };
    const Case cases[] = {
        {SignalKind::Raw, 0, {1, 0, 0, 200}, 0},
        {SignalKind::Raw, 19, {1, 182, 3, 200}, 3800},  // sample 950
        {SignalKind::Raw, 20, {2, 0, 0, 200}, 4000},
        {SignalKind::Raw, 39, {2, 182, 3, 200}, 7800},
        {SignalKind::Filtered, 0, {4, 0, 0, 200}, 8000},
        {SignalKind::Filtered, 6, {4, 44, 1, 200}, 9200},  // sample 300
        {SignalKind::Filtered, 39, {8, 182, 3, 200}, 15800},
    };
    for (const Case& c : cases) {
        auto L = std::make_unique<ModbusList>();
        AppendSignalTransfer(*L, c.kind);
        ASSERT_EQ(L->Len, kSignalTransferEntries);
        EXPECT_EQ(L->Flags, c.kind == SignalKind::Raw ? 0x0002 : 0x0004);
        EXPECT_EQ(L->Func[At(c.entry)], kFnDspExchange);
        EXPECT_EQ(L->Start[At(c.entry)], kDspReadSignalBlock);
        EXPECT_EQ(L->DataLen[At(c.entry)], 4);
        EXPECT_EQ(L->Count[At(c.entry)], 206);
        EXPECT_EQ(RequestBytes(*L, c.entry), c.bytes) << c.entry;
        EXPECT_EQ(L->Values[At(L->Slot[At(c.entry)] + 2)], c.offset);
    }
}

TEST(SignalMemory, AnEchoOfAnotherBlockIsFoundAndFailuresAreNot) {
    auto L = std::make_unique<ModbusList>();
    AppendSignalTransfer(*L, SignalKind::Raw);
    // What the transaction stores from an answer: the echo into the request's slots, stamped.
    const auto echo = [&](int e, int mask, int first, int count) {
        const int s = L->Slot[At(e)];
        L->Values[At(s)] = static_cast<std::uint16_t>(mask | ((first & 0xFF) << 8));
        L->Values[At(s + 1)] = static_cast<std::uint16_t>((first >> 8) | (count << 8));
        L->Stamps[At(s)] = L->Stamps[At(s + 1)] = 46000.5;
    };
    for (int e = 0; e < L->Len; ++e) {
        const SignalBlock b = TransferBlock(SignalKind::Raw, e);
        echo(e, b.mask, b.first, 200);
    }
    echo(3, 1, 200, 200);   // block 4's samples where block 3's belong
    echo(25, 2, 250, 100);  // half a block
    echo(30, 1, 500, 200);  // the other channel
    L->Result[7] = kExceptionSignalsUnreadable;
    echo(7, 1, 999, 200);  // a refused entry stores nothing; its slots are not an answer
    EXPECT_EQ(MisplacedBlocks(*L, SignalKind::Raw), (std::vector<int>{3, 25, 30}));
}

TEST(SignalMemory, ChannelsDecodeIntegersAndFloatsFromTheirPlaces) {
    auto buffer = std::make_unique<SignalBufferArray>();
    const auto put = [&](int element, std::uint32_t bits) {
        (*buffer)[At(2 * element)] = static_cast<std::uint16_t>(bits);
        (*buffer)[At(2 * element + 1)] = static_cast<std::uint16_t>(bits >> 16);
    };
    put(0, static_cast<std::uint32_t>(-8388608));
    put(1999, 8388607);
    put(2000, std::bit_cast<std::uint32_t>(0.125f));
    put(3999, std::bit_cast<std::uint32_t>(-1.5e-3f));
    const auto raw = SignalChannels(*buffer, SignalKind::Raw);
    const auto filtered = SignalChannels(*buffer, SignalKind::Filtered);
    EXPECT_EQ(raw[0].front(), -8388608.0);
    EXPECT_EQ(raw[1].back(), 8388607.0);
    EXPECT_EQ(filtered[0].front(), 0.125);
    EXPECT_EQ(filtered[1].back(), static_cast<double>(-1.5e-3f));
    EXPECT_EQ(raw[0].size(), 1000u);
}

SignalSeries Load(const QByteArray& text, QChar point = QLatin1Char(','),
                  SignalSeries start = SignalSeries(2)) {
    AppendSignalFile(text, start, point);
    return start;
}

TEST(SignalFile, LinesReadAsTheChartPagesReadThem) {
    struct Case {
        const char* what;
        QByteArray text;
        SignalSeries expected;
    };
    const Case cases[] = {
        {"decimal comma", "1,5;2,5\r\n", {{1.5}, {2.5}}},
        {"decimal point too", "1.5;-2e3\r\n", {{1.5}, {-2000}}},
        {"a third field goes to the last series", "7;8;9\r\n", {{7}, {8, 9}}},
        {"an empty field advances the column", ";4\r\n3;\r\n", {{3}, {4}}},
        {"text where numbers belong", "abc;1,0x\r\n0x10;\r\n5;6\r\n", {{5}, {6}}},
        {"cut off in the middle of a line", "1;2\r\n3;4\r\n5;6", {{1, 3, 5}, {2, 4}}},
        {"more lines in one column", "1;2\r\n3\r\n4\r\n", {{1, 3, 4}, {2}}},
        {"LF alone ends a line", "1;2\n3;4\n", {{1, 3}, {2, 4}}},
        {"the largest float stands for no number", "3,4028235e38;1\r\n", {{}, {1}}},
        {"beyond the float range",
         "1e39;-1e39\r\n",
         {{std::numeric_limits<double>::infinity()}, {-std::numeric_limits<double>::infinity()}}},
        {"no line end at all", "1;2", {{1}, {}}},
        {"binary garbage", QByteArray("\x00\xff;\x01\n", 5), {{}, {}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Load(c.text), c.expected) << c.what;
    }
    // Loaded points follow those already shown.
    EXPECT_EQ(Load("3;4\r\n", QLatin1Char(','), {{1}, {2}}), (SignalSeries{{1, 3}, {2, 4}}));
}

TEST(SignalFile, SavedSignalsLoadBackAsTheyWere) {
    SignalSeries shown(2);
    for (int i = 0; i < 1000; ++i) {
        shown[0].push_back(static_cast<double>(static_cast<float>(0.125 * std::sin(i * 0.1))));
        shown[1].push_back(-3200000 + i);
    }
    shown[1].resize(999);  // a series without a point at the last index: an empty field
    shown[0][10] = std::numeric_limits<double>::infinity();
    const QByteArray text = SignalFileBytes(shown, QLatin1Char(','));
    EXPECT_EQ(text.count("\r\n"), 1000);
    EXPECT_TRUE(text.endsWith(";\r\n"));
    EXPECT_FALSE(text.contains('.'));
    EXPECT_EQ(Load(text), shown);
    // Fifteen significant digits, nothing more.
    EXPECT_EQ(SignalFileBytes({{1.0 / 3.0}}, QLatin1Char('.')),
              QByteArray("0.333333333333333\r\n"));
}

TEST(SignalFile, AFileFarTooLargeIsRefusedBeforeItIsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.csv"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(100LL * 1024 * 1024));  // sparse: costs no disk
    f.close();
    SignalSeries series{{1}, {2}};
    EXPECT_EQ(LoadSignalFile(path, series, QLatin1Char(',')), SignalFileStatus::TooLarge);
    EXPECT_EQ(series, (SignalSeries{{1}, {2}}));
    QString error;
    EXPECT_EQ(LoadSignalFile(dir.filePath(QStringLiteral("missing.csv")), series, QLatin1Char(','),
                             &error),
              SignalFileStatus::Unreadable);
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace tarvix
