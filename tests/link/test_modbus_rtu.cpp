// Framing, classification and storing of Modbus RTU answers, and the transactions over a
// memory line: byte-exact frames, result codes in their order of precedence, and answers
// of any shape never writing outside the list.
#include "link/com_setup.h"
#include "link/crc16.h"
#include "link/memory_serial.h"
#include "link/modbus_list.h"
#include "link/modbus_rtu.h"
#include "tests/support/memory_transmitter.h"
#include "tests/support/modbus_frames.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <vector>

namespace tarvix {
namespace {

using testing::Bytes;
using testing::MemoryTransmitter;
using testing::Refusal;
using testing::WithCrc;

Bytes Frame(const ModbusList& L, int e, std::uint8_t address = 1) {
    std::uint8_t tx[kFrameMax] = {};
    const int n = BuildRequest(L, e, address, tx);
    return Bytes(tx, tx + n);
}

TEST(Crc16, CheckValueAndKnownFrames) {
    const char* digits = "123456789";
    EXPECT_EQ(Crc16(reinterpret_cast<const std::uint8_t*>(digits), 9), 0x4B37);
    // A read of 2 registers from 0 at address 1: the CRC every Modbus tool shows (C4 0B).
    const Bytes req{0x01, 0x03, 0x00, 0x00, 0x00, 0x02};
    EXPECT_EQ(Crc16(req.data(), 6), 0x0BC4);
    EXPECT_EQ(Crc16(req.data(), 0), 0xFFFF);
}

struct ListFixture : ::testing::Test {
    ModbusLists lists;
    ModbusList& L = lists.OpList;
};

TEST_F(ListFixture, RequestFramesByteForByte) {
    L.AppendRead(0x012C, 2);                     // read 2 registers from 300
    L.Append(kFnWriteHolding, 0x0010, 1, 0, 1);  // write 0x1234 to register 16
    L.Values[L.Slot[1]] = 0x1234;
    L.Append(kFnReadFileRecord, 3, 10, 7, 10);  // file 7, record 3, 10 words
    L.Append(kFnWriteFileRecord, 4, 2, 10, 2);  // file 10, record 4, 2 words
    lists.SignalBuffer[L.Slot[3]] = 0x1234;
    lists.SignalBuffer[L.Slot[3] + 1] = 0xABCD;
    L.Append(kFnDspExchange, kDspReadParam, 8, 2, 6);  // DSP parameter 7, 4-byte float
    L.Values[L.Slot[4]] = 0x07C4;
    L.Append(kFnDspReset, 0, 0, 0, 0);

    EXPECT_EQ(Frame(L, 0), WithCrc({0x01, 0x03, 0x01, 0x2C, 0x00, 0x02}));
    EXPECT_EQ(ExpectedAnswerLength(L, 0), 9);
    // Register values travel high byte first.
    EXPECT_EQ(Frame(L, 1), WithCrc({0x01, 0x10, 0x00, 0x10, 0x00, 0x01, 0x02, 0x12, 0x34}));
    EXPECT_EQ(ExpectedAnswerLength(L, 1), 8);
    EXPECT_EQ(Frame(L, 2), WithCrc({0x01, 0x14, 0x07, 0x06, 0x00, 0x07, 0x00, 0x03, 0x00, 0x0A}));
    EXPECT_EQ(ExpectedAnswerLength(L, 2), 27);
    // Record words travel low byte first.
    EXPECT_EQ(Frame(L, 3), WithCrc({0x01, 0x15, 0x0B, 0x06, 0x00, 0x0A, 0x00, 0x04, 0x00, 0x02,
                                    0x34, 0x12, 0xCD, 0xAB}));
    EXPECT_EQ(ExpectedAnswerLength(L, 3), 16);
    // Vendor exchange: sub-function, data length, slot bytes in memory order.
    EXPECT_EQ(Frame(L, 4), WithCrc({0x01, 0xAC, 0x0A, 0x02, 0xC4, 0x07}));
    EXPECT_EQ(ExpectedAnswerLength(L, 4), 14);
    EXPECT_EQ(Frame(L, 5), WithCrc({0x01, 0xAF, 0x01}));
    EXPECT_EQ(ExpectedAnswerLength(L, 5), 4);
    // The slave address of the settings goes into byte 0.
    EXPECT_EQ(Frame(L, 0, 247)[0], 247);
}

TEST_F(ListFixture, OversizedEntriesAreNotFramed) {
    L.Append(kFnWriteHolding, 0, 124, 0, 124);  // 9 + 248 bytes would not fit
    L.Append(kFnWriteHolding, 0, 123, 0, 123);  // the longest write that does
    L.Append(99, 0, 1, 0, 1);                   // no such function
    L.Append(kFnDspExchange, 11, 4, 251, 126);  // 251 data bytes + 6 > 256
    L.Append(kFnDspExchange, 11, 4, 250, 125);
    EXPECT_EQ(Frame(L, 0).size(), 0u);
    EXPECT_EQ(Frame(L, 1).size(), 255u);
    EXPECT_EQ(Frame(L, 2).size(), 0u);
    EXPECT_EQ(Frame(L, 3).size(), 0u);
    EXPECT_EQ(Frame(L, 4).size(), 256u);
}

TEST(ClassifyAnswer, ResultCodesInOrderOfPrecedence) {
    const Bytes good = WithCrc({0x01, 0x03, 0x04, 0x00, 0x01, 0x00, 0x02});
    Bytes badCrc = good;
    badCrc.back() ^= 0xFF;
    const Bytes otherAddr = WithCrc({0x02, 0x03, 0x04, 0x00, 0x01, 0x00, 0x02});
    const Bytes otherFunc = WithCrc({0x01, 0x04, 0x09, 0x00, 0x01, 0x00, 0x02});
    // A file record of one word (7 + 2 bytes) and the echo of a one-word record write.
    const Bytes record = WithCrc({0x01, 0x14, 0x04, 0x03, 0x06, 0x34, 0x12});
    Bytes recordBadCrc = record;
    recordBadCrc[5] ^= 0x01;
    const Bytes recordWrite =
        WithCrc({0x01, 0x15, 0x09, 0x06, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01, 0x34, 0x12});
    Bytes recordWriteBadCrc = recordWrite;
    recordWriteBadCrc[11] ^= 0x01;
    const Bytes dsp = WithCrc({0x01, 0xAC, 0x21, 0x02, 0x11, 0x22});
    Bytes dspBadCrc = dsp;
    dspBadCrc[4] ^= 0x01;
    Bytes refusalBadCrc = Refusal(1, 3, 2);
    refusalBadCrc[4] ^= 0x01;
    struct Case {
        const char* what;
        std::uint8_t func;
        Bytes rx;
        int expected;
        std::uint8_t result;
    };
    const Case cases[] = {
        {"good read", 3, good, 9, 0},
        {"silence", 3, {}, 9, 16},
        {"refusal", 3, Refusal(1, 3, 2), 9, 2},
        {"refusal, highest code", 16, Refusal(1, 16, 15), 8, 15},
        {"refusal of the vendor function", 0xAC, Refusal(1, 0xAC, 9), 14, 9},
        {"refusal with code 0 is no success", 3, Refusal(1, 3, 0), 7, 17},
        {"refusal with code 16 is no line failure", 16, Refusal(1, 16, 16), 8, 17},
        {"refusal with code 0x92", 3, Refusal(1, 3, 0x92), 9, 17},
        {"refusal of another function", 3, Refusal(1, 16, 2), 9, 17},
        {"refusal from another address", 3, Refusal(9, 3, 2), 9, 18},
        {"refusal with a bad CRC", 3, refusalBadCrc, 9, 19},
        {"5 bytes without bit 7", 3, WithCrc({0x01, 0x03, 0x02}), 9, 17},
        {"short", 3, Bytes(good.begin(), good.end() - 1), 9, 17},
        {"other address with good CRC", 3, otherAddr, 9, 18},
        {"bad crc", 3, badCrc, 9, 19},
        {"function and count not compared", 3, otherFunc, 9, 0},
        {"file record", 20, record, 9, 0},
        {"file record with a bad CRC", 20, recordBadCrc, 9, 19},
        {"file record from another address", 20, WithCrc({0x02, 0x14, 0x04, 0x03, 0x06, 0, 0}), 9,
         18},
        {"record write echo", 21, recordWrite, 14, 0},
        {"record write echo with a bad CRC", 21, recordWriteBadCrc, 14, 19},
        {"module answer", 0xAC, dsp, 8, 0},
        {"module answer with a bad CRC", 0xAC, dspBadCrc, 8, 19},
        {"reset echo", 0xAF, WithCrc({0x01, 0xAF}), 4, 0},
        {"reset echo from another address", 0xAF, WithCrc({0x05, 0xAF}), 4, 18},
        {"reset echo with a bad CRC", 0xAF, {0x01, 0xAF, 0x00, 0x00}, 4, 19},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyAnswer(c.func, c.rx.data(), static_cast<int>(c.rx.size()), c.expected, 1),
                  c.result)
            << c.what;
    }
}

TEST(ResultText, TextsOfTheCodes) {
    EXPECT_EQ(ResultText(2), QStringLiteral("Исключение Modbus 0x02: Неверный адрес регистра"));
    EXPECT_EQ(ResultText(16), QStringLiteral("Ошибка связи: получено 0 байт"));
    EXPECT_EQ(ResultText(19), QStringLiteral("Ошибка связи: неверная контрольная сумма"));
    EXPECT_EQ(ResultText(32),
              QStringLiteral("Ошибка при чтении конфигурации из файла: Не найден узел с данными"));
    EXPECT_EQ(ResultText(33), QStringLiteral("Ошибка записи в файл конфигурации"));
    for (int code : {0, 6, 7, 8, 10, 15, 20, 31, 34, 255}) EXPECT_TRUE(ResultText(code).isEmpty());
}

struct TransactionFixture : ListFixture {
    MemoryTransmitter device;
    ComSetup com;
    MemorySerialDevice* line = nullptr;
    void SetUp() override { line = device.AttachTo(com); }
    std::uint8_t Run(int e) {
        L.Index.store(static_cast<std::int16_t>(e));
        return ExecuteTransaction(com, L);
    }
};

TEST_F(TransactionFixture, ReadStoresValuesAndStampsIntoTheEntrysSlots) {
    device.regs[300] = 0x0000;
    device.regs[301] = 0x3F80;  // 1.0f, low-order word first
    L.AppendRead(100, 5);
    L.AppendRead(300, 2);
    EXPECT_EQ(L.Slot[1], 5);
    ASSERT_EQ(Run(1), 0);
    EXPECT_EQ(L.Values[5], 0x0000);
    EXPECT_EQ(L.Values[6], 0x3F80);
    EXPECT_GT(L.Stamps[5], 0.0);
    EXPECT_EQ(L.Stamps[6], L.Stamps[5]);  // one reception moment for the whole answer
    EXPECT_EQ(L.Stamps[4], 0.0);          // other entries' slots untouched
    EXPECT_EQ(std::bit_cast<float>(std::uint32_t{L.Values[6]} << 16 | L.Values[5]), 1.0f);
}

TEST_F(TransactionFixture, WriteSendsSlotsHighByteFirst) {
    L.Append(kFnWriteHolding, 701, 2, 0, 2);
    L.Values[0] = 0x1234;
    L.Values[1] = 0x00FF;
    ASSERT_EQ(Run(0), 0);
    EXPECT_EQ(device.regs[701], 0x1234);
    EXPECT_EQ(device.regs[702], 0x00FF);
    EXPECT_EQ(line->Requests().back()[7], 0x12);
}

TEST_F(TransactionFixture, FailedAnswersStoreNothing) {
    L.AppendRead(10, 2);
    const std::uint16_t before = L.Values[0];
    device.next = WithCrc({0x01, 0x83, 0x02});
    EXPECT_EQ(Run(0), 2);
    device.next = WithCrc({0x07, 0x03, 0x04, 1, 2, 3, 4});
    EXPECT_EQ(Run(0), 18);
    device.next = {0x01, 0x03, 0x04, 1, 2, 3, 4, 0, 0};
    EXPECT_EQ(Run(0), 19);
    EXPECT_EQ(L.Values[0], before);
    EXPECT_EQ(L.Stamps[0], 0.0);
}

// A refusal frame whose code is no exception code must neither be stored as data (its CRC
// bytes would become a register value) nor let a write count as written.
TEST_F(TransactionFixture, RefusalsWithoutAnExceptionCodeAreMalformed) {
    const int read = L.AppendRead(10, 1);
    const int write = L.Append(kFnWriteHolding, 20, 1, 0, 1);
    L.Values[L.Slot[static_cast<std::size_t>(write)]] = 0x5555;
    for (const std::uint8_t code : {0x00, 0x10, 0x13, 0x7F, 0xFF}) {
        for (const int e : {read, write}) {
            device.next = Refusal(1, L.Func[static_cast<std::size_t>(e)], code);
            EXPECT_EQ(Run(e), kResultBadLength) << "code " << int{code} << ", entry " << e;
        }
    }
    EXPECT_EQ(L.Values[0], 0);
    EXPECT_EQ(L.Stamps[0], 0.0);
    EXPECT_EQ(device.regs[20], 0);
}

TEST_F(TransactionFixture, WithoutPortEveryTransactionIsNoAnswer) {
    com.ClosePort();
    EXPECT_FALSE(com.ClosePort());
    L.AppendRead(0, 1);
    EXPECT_EQ(Run(0), 16);
}

TEST_F(TransactionFixture, FileRecordWordsArriveLowByteFirst) {
    L.Append(kFnReadFileRecord, 0, 4, 10, 4);  // file 10 keeps Count - 2 words
    L.Append(kFnReadFileRecord, 0, 2, 3, 2);
    lists.SignalBuffer[2] = 0x7777;
    lists.SignalBuffer[3] = 0x7777;
    device.next =
        WithCrc({0x01, 0x14, 0x0A, 0x09, 0x06, 0x34, 0x12, 0x78, 0x56, 0xAA, 0xAA, 0xBB, 0xBB});
    ASSERT_EQ(Run(0), 0);
    EXPECT_EQ(lists.SignalBuffer[0], 0x1234);
    EXPECT_EQ(lists.SignalBuffer[1], 0x5678);
    EXPECT_EQ(lists.SignalBuffer[2], 0x7777);  // the bookkeeping words are not data
    EXPECT_EQ(L.Busy.load(), 1);
}

TEST_F(TransactionFixture, DspAnswersFillSlotsBytewiseAndSignalBlocksTheBuffer) {
    // Parameter read: 4 value bytes + 4 header bytes land in the slots in memory order.
    L.Append(kFnDspExchange, kDspReadParam, 8, 2, 6);
    device.next = WithCrc({0x01, 0xAC, 0x0A, 0x08, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
    ASSERT_EQ(Run(0), 0);
    EXPECT_EQ(L.Values[0], 0x2211);
    EXPECT_EQ(L.Values[3], 0x8877);
    EXPECT_GT(L.Stamps[3], 0.0);

    // Signal block: header bytes 6..9 to the slots, the rest to the buffer at the offset
    // parked in slot Slot + 2.
    const int e = L.Append(kFnDspExchange, kDspReadSignalBlock, 206, 4, 3);
    const int s = L.Slot[static_cast<std::size_t>(e)];
    L.Values[s + 2] = 1000;  // byte offset
    Bytes block{0x01, 0xAC, 22, 206, 0, 0, 0xA1, 0xA2, 0xA3, 0xA4};
    for (int k = 0; k < 200; ++k) block.push_back(static_cast<std::uint8_t>(k));
    device.next = WithCrc(block);
    ASSERT_EQ(Run(e), 0);
    EXPECT_EQ(L.Values[s], 0xA2A1);
    EXPECT_EQ(L.Values[s + 1], 0xA4A3);
    EXPECT_EQ(lists.SignalBuffer[500], 0x0100);
    EXPECT_EQ(lists.SignalBuffer[599], (199 << 8) | 198);
    EXPECT_EQ(lists.SignalBuffer[600], 0);
}

// Any bytes from the line, against any entry, end in a result code and touch nothing
// outside the list and its buffer (run under the sanitizers in the test command).
TEST(ClassifyAnswer, RandomAnswersNeverReachOutsideTheList) {
    std::mt19937 rng(12345);
    ModbusLists lists;
    ModbusList& L = lists.OpList;
    const std::uint8_t funcs[] = {3, 16, 20, 21, 0xAC, 0xAF, 0, 0x83};
    for (int round = 0; round < 20000; ++round) {
        lists.ResetList(L);
        const int e = L.Append(funcs[rng() % 8], static_cast<std::uint16_t>(rng()),
                               static_cast<std::uint16_t>(rng() % 300),
                               static_cast<std::uint16_t>(rng() % 300), 0);
        L.Slot[0] = static_cast<std::uint16_t>(rng() % 1100);
        L.Values[std::min<std::size_t>(L.Slot[0] + 2u, kListSlots - 1)] =
            static_cast<std::uint16_t>(rng());
        std::uint8_t rx[256];
        const int got = static_cast<int>(rng() % 257);
        for (int i = 0; i < got; ++i) rx[i] = static_cast<std::uint8_t>(rng());
        const int expected = round % 3 == 0 ? got : ExpectedAnswerLength(L, e);
        const std::uint8_t r = ClassifyAnswer(L.Func[0], rx, got, expected, 1);
        if (r == 0) StoreAnswer(L, e, rx, got, 1.0);
        // Store regardless: storing must be bounded even for answers never classified good.
        StoreAnswer(L, e, rx, got, 1.0);
        std::uint8_t tx[kFrameMax];
        BuildRequest(L, e, 1, tx);
    }
    SUCCEED();
}

}  // namespace
}  // namespace tarvix
