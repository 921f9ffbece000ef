// Our transactions against a Modbus RTU slave that is not ours (libmodbus), over a socat
// pseudo-terminal pair: values and byte order, exceptions, silence and a foreign address.
#include "cli/cli_link.h"
#include "link/com_setup.h"
#include "link/modbus_rtu.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <memory>

namespace tarvix {
namespace {

using Clock = std::chrono::steady_clock;

struct Interop : ::testing::Test {
    QTemporaryDir dir;
    QProcess socat;
    QProcess slave;
    QString ours;
    QString theirs;

    void StartPair() {
        if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
            GTEST_SKIP() << "socat is not installed (the test command installs it)";
        }
        ours = dir.filePath(QStringLiteral("master"));
        theirs = dir.filePath(QStringLiteral("slave"));
        socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + ours,
                                              QStringLiteral("pty,raw,echo=0,link=") + theirs});
        ASSERT_TRUE(socat.waitForStarted());
        for (int i = 0; i < 200 && !(QFileInfo::exists(ours) && QFileInfo::exists(theirs)); ++i) {
            QThread::msleep(10);
        }
        ASSERT_TRUE(QFileInfo::exists(ours) && QFileInfo::exists(theirs));
    }

    void StartSlave(int address, const char* mode) {
        slave.start(QStringLiteral(TARVIX_BIN_DIR "/libmodbus_slave"),
                    {theirs, QString::number(address), QString::fromLatin1(mode)});
        ASSERT_TRUE(slave.waitForStarted());
        ASSERT_TRUE(slave.waitForReadyRead(5000));
        ASSERT_TRUE(slave.readAllStandardOutput().startsWith("ready"));
    }

    void TearDown() override {
        for (QProcess* p : {&slave, &socat}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(2000);
            }
        }
    }

    void Open(ComSetup& com, int address) {
        com.PortName = ours;
        com.SetBaudRate(19200);
        com.AnsDelay = 100;
        com.Address = static_cast<std::uint8_t>(address);
        ASSERT_TRUE(com.OpenPort()) << com.LastError().toStdString();
    }
};

TEST_F(Interop, ReadsAndWritesLandWithTheirValuesAndByteOrder) {
    StartPair();
    StartSlave(1, "normal");
    ComSetup com;
    Open(com, 1);
    std::vector<std::uint16_t> v;
    ASSERT_EQ(cli::ReadRegisters(com, 10, 3, v), 0);
    EXPECT_EQ(v, (std::vector<std::uint16_t>{1010, 1011, 1012}));
    ASSERT_EQ(cli::WriteRegisters(com, 20, {0x1234, 0xFFFF, 0}), 0);
    ASSERT_EQ(cli::ReadRegisters(com, 19, 5, v), 0);
    EXPECT_EQ(v, (std::vector<std::uint16_t>{1019, 0x1234, 0xFFFF, 0, 1023}));
    // More than one request's worth.
    ASSERT_EQ(cli::ReadRegisters(com, 0, 200, v), 0);
    ASSERT_EQ(v.size(), 200u);
    EXPECT_EQ(v[199], 1199);
}

TEST_F(Interop, IllegalAddressIsExceptionTwo) {
    StartPair();
    StartSlave(1, "normal");
    ComSetup com;
    Open(com, 1);
    std::vector<std::uint16_t> v;
    int at = -1;
    const std::uint8_t r = cli::ReadRegisters(com, 500, 2, v, &at);
    EXPECT_EQ(r, 2);
    EXPECT_EQ(at, 500);
    EXPECT_EQ(ResultText(r), QStringLiteral("Исключение Modbus 0x02: Неверный адрес регистра"));
}

TEST_F(Interop, SilentSlaveIsNoAnswerAfterTheComputedTimeout) {
    StartPair();
    StartSlave(5, "normal");  // listens for address 5 only
    ComSetup com;
    Open(com, 1);
    auto lists = std::make_unique<ModbusLists>();
    ModbusList& L = lists->OpList;
    L.AppendRead(0, 2);
    L.Index = 0;
    const auto t0 = Clock::now();
    EXPECT_EQ(ExecuteTransaction(com, L), 16);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
    // 100 ms + 9 bytes x 1 ms.
    EXPECT_GE(ms, 105);
    EXPECT_LT(ms, 400);
}

TEST_F(Interop, AnswerFromAnotherAddressIsEighteen) {
    StartPair();
    StartSlave(1, "other-address");
    ComSetup com;
    Open(com, 1);
    std::vector<std::uint16_t> v;
    EXPECT_EQ(cli::ReadRegisters(com, 0, 4, v), 18);
}

}  // namespace
}  // namespace tarvix
