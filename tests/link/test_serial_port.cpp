// The serial port on real pseudo-terminals: the read time-outs that end an answer, exclusive
// opening, the baud-rate list (including rates without a classic constant) and port names.
#include "link/com_setup.h"
#include "link/serial_baud_linux.h"
#include "link/serial_posix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace tarvix {
namespace {

using Clock = std::chrono::steady_clock;

// The far end of a pseudo-terminal plays the device; the program opens the slave side.
struct Pty {
    int master = -1;
    QString slavePath;
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return;
        slavePath = QString::fromLocal8Bit(::ptsname(master));
    }
    ~Pty() {
        if (master >= 0) ::close(master);
    }
    // Waits for a request of n bytes from the program (or time-out), returns what came.
    int ReadRequest(std::uint8_t* buf, int n, int ms = 1000) const {
        int got = 0;
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (got < n && Clock::now() < end) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) {
                const ssize_t r = ::read(master, buf + got, static_cast<size_t>(n - got));
                if (r > 0) got += static_cast<int>(r);
            }
        }
        return got;
    }
};

int Ms(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

struct SerialFixture : ::testing::Test {
    Pty pty;
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
    Pty pty;
    for (int baud : {1200, 2400, 4800, 9600, 14400, 19200, 28800, 38400, 57600, 115200}) {
        ComSetup com;
        com.PortName = pty.slavePath;
        com.SetBaudRate(baud);
        ASSERT_TRUE(com.OpenPort()) << baud;
        auto* dev = dynamic_cast<PosixSerialDevice*>(com.Handle().get());
        ASSERT_NE(dev, nullptr);
        EXPECT_EQ(GetLinuxBaudRate(dev->fd()), baud);
    }
}

TEST(SerialPort, CharTimeOfTheRates) {
    const std::pair<int, int> cases[] = {{1200, 16}, {2400, 8},  {4800, 4},   {9600, 2},
                                         {14400, 1}, {19200, 1}, {115200, 1}, {0, 1}};
    for (auto [baud, ms] : cases) EXPECT_EQ(CharTimeFor(baud), ms) << baud;
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
