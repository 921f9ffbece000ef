// The serial port on real pseudo-terminals: the read time-outs that end an answer, the write
// time-out of a stalled line, exclusive opening, the baud-rate list (including rates without
// a classic constant) and port names.
#include "link/com_setup.h"
#include "link/modbus_rtu.h"
#include "link/serial_baud_linux.h"
#include "link/serial_posix.h"
#include "tests/support/pty_pair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace tarvix {
namespace {

using Clock = std::chrono::steady_clock;
using testing::PtyPair;

int Ms(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

struct SerialFixture : ::testing::Test {
    PtyPair pty;
    ComSetup com;
    void SetUp() override {
        ASSERT_FALSE(pty.slavePath.isEmpty());
        com.PortName = pty.slavePath;
        com.SetBaudRate(9600);
        com.AnsDelay = 100;
        ASSERT_TRUE(com.OpenPort()) << com.LastError().toStdString();
    }
};

TEST_F(SerialFixture, SilentDeviceEndsAfterTheTotalTimeout) {
    // 100 ms + 45 bytes x 2 ms = 190 ms.
    const auto t0 = Clock::now();
    EXPECT_EQ(com.ReadBytes(45), 0);
    const int ms = Ms(t0);
    EXPECT_GE(ms, 185);
    EXPECT_LT(ms, 450);
}

TEST_F(SerialFixture, ShortAnswerEndsAtTheFirstGap) {
    com.AnsDelay = 1000;
    com.TxBuf[0] = 0x01;
    com.WriteBytes(1);
    std::uint8_t req[1];
    ASSERT_EQ(pty.ReadRequest(req, 1), 1);
    const std::uint8_t exception[] = {0x01, 0x83, 0x02, 0xC0, 0xF1};
    const auto t0 = Clock::now();
    ASSERT_EQ(::write(pty.master, exception, 5), 5);
    EXPECT_EQ(com.ReadBytes(45), 5);
    // Far below the 1090 ms total: only one inter-byte gap was waited for.
    EXPECT_LT(Ms(t0), 500);
    EXPECT_EQ(com.RxBuf[1], 0x83);
}

TEST_F(SerialFixture, CompleteAnswerReturnsAtOnceAndPurgeDropsLateBytes) {
    const std::uint8_t late[] = {0xEE, 0xEE, 0xEE};
    ASSERT_EQ(::write(pty.master, late, 3), 3);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    com.PurgeInput();
    const std::uint8_t answer[] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(::write(pty.master, answer, 8), 8);
    com.AnsDelay = 2000;
    const auto t0 = Clock::now();
    EXPECT_EQ(com.ReadBytes(8), 8);
    EXPECT_LT(Ms(t0), 1000);
    EXPECT_EQ(com.RxBuf[0], 1);
    EXPECT_EQ(com.RxBuf[7], 8);
}

// Nobody reads the far end and the line's buffer is full: the write gives up after its
// time-out with what it got out, and the transaction ends as no answer instead of hanging
// the worker.
TEST_F(SerialFixture, StalledLineEndsTheWriteAtItsTimeout) {
    // A second descriptor on the port, opened before the program's, fills the line.
    com.ClosePort();
    const QByteArray path = pty.slavePath.toLocal8Bit();
    const int filler = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(filler, 0);
    ASSERT_TRUE(com.OpenPort()) << com.LastError().toStdString();
    const std::uint8_t block[1024] = {};
    for (int quiet = 0; quiet < 3; ++quiet) {
        while (::write(filler, block, sizeof block) > 0) quiet = 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(filler);

    // Each call runs aside so that a write that never returns fails the test: draining the
    // far end then lets it finish.
    auto bounded = [&](auto call, int limitMs) {
        auto done = std::async(std::launch::async, call);
        const bool inTime =
            done.wait_for(std::chrono::milliseconds(limitMs)) == std::future_status::ready;
        while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
            pty.Drain();
        }
        EXPECT_TRUE(inTime) << "the write outlived its time-out";
        return done.get();
    };
    constexpr int kFrame = 8;
    const int limit = WriteTimeoutMs(kFrame);
    auto t0 = Clock::now();
    EXPECT_LT(bounded([&] { return com.WriteBytes(kFrame); }, limit + 1000), kFrame);
    EXPECT_GE(Ms(t0), limit - 5);

    auto lists = std::make_unique<ModbusLists>();
    ModbusList& L = lists->OpList;
    L.AppendRead(0, 1);
    L.Index = 0;
    com.AnsDelay = 5000;  // ends at the write's time-out, not after the answer time-out too
    t0 = Clock::now();
    EXPECT_EQ(bounded([&] { return ExecuteTransaction(com, L); }, limit + 1000), kResultNoAnswer);
    EXPECT_LT(Ms(t0), limit + 1000);
    EXPECT_EQ(L.Stamps[0], 0.0);
}

TEST_F(SerialFixture, PortIsExclusiveAndClosesOnce) {
    ComSetup second;
    second.PortName = pty.slavePath;
    EXPECT_FALSE(second.OpenPort());
    EXPECT_FALSE(second.IsOpen());
    EXPECT_FALSE(second.LastError().isEmpty());
    EXPECT_TRUE(com.ClosePort());
    EXPECT_FALSE(com.ClosePort());
    EXPECT_TRUE(second.OpenPort());
}

TEST(SerialPort, EveryRateOfTheListIsApplied) {
    PtyPair pty;
    for (const BaudRateEntry& rate : kBaudRates) {
        ComSetup com;
        com.PortName = pty.slavePath;
        com.SetBaudRate(rate.BaudRate);
        EXPECT_EQ(com.CharTime, rate.CharTime);
        ASSERT_TRUE(com.OpenPort()) << rate.BaudRate;
        auto* dev = dynamic_cast<PosixSerialDevice*>(com.Handle().get());
        ASSERT_NE(dev, nullptr);
        EXPECT_EQ(GetLinuxBaudRate(dev->fd()), rate.BaudRate);
    }
}

TEST(SerialPort, FailedOpenLeavesNoHandle) {
    for (const char* name : {"/dev/does-not-exist", "/dev/null", "ttyNoSuchPort", ""}) {
        ComSetup com;
        com.PortName = QString::fromLatin1(name);
        EXPECT_FALSE(com.OpenPort()) << name;
        EXPECT_FALSE(com.ClosePort()) << name;
        com.TxBuf[0] = 1;
        EXPECT_EQ(com.WriteBytes(1), 0);
        EXPECT_EQ(com.ReadBytes(5), 0);
    }
}

TEST(SerialPort, PortNamesMapToDevices) {
    const std::pair<const char*, const char*> cases[] = {{"ttyUSB0", "/dev/ttyUSB0"},
                                                         {"/dev/pts/3", "/dev/pts/3"},
                                                         {"COM1", "/dev/ttyS0"},
                                                         {"com12", "/dev/ttyS11"},
                                                         {" ttyACM1 ", "/dev/ttyACM1"},
                                                         {"COMX", "/dev/COMX"},
                                                         {"", ""}};
    for (auto [in, out] : cases) {
        EXPECT_EQ(PortDevicePath(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    }
}

}  // namespace
}  // namespace tarvix
