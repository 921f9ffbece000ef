// tarvix-sim as a program on a pseudo-terminal: a third-party master (mbpoll) and our own
// link code read and write it and see the same registers; every fault mode switched through
// the control channel shows at the master as the result code it is meant to produce.
#include "pty_fixture.h"

#include "model/register_ids.h"

#include <QFile>

#include <bit>
#include <chrono>

namespace tarvix::sim::test {
namespace {

TEST_F(SimOnPty, MbpollAndOurLinkCodeReadTheSameRegisters) {
    RequireMbpoll();
    StartAndOpen();
    // Sensor data, main values (frozen process) and units: 0..10 and 300..322.
    for (const auto& [start, count] : {std::pair{0, 11}, std::pair{300, 23}}) {
        const auto theirs = Values(Mbpoll(
            {QStringLiteral("-t"), QStringLiteral("4"), QStringLiteral("-r"),
             QString::number(start), QStringLiteral("-c"), QString::number(count), sim.Link()}));
        std::vector<std::uint16_t> ours;
        ASSERT_EQ(Read(start, count, &ours), kResultOk);
        ASSERT_EQ(theirs.size(), static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(static_cast<std::uint16_t>(theirs.at(start + i).toInt()),
                      ours[static_cast<std::size_t>(i)])
                << "register " << start + i;
        }
    }
}

TEST_F(SimOnPty, MbpollWritesLandWhereOurLinkCodeAndTheControlChannelFindThem) {
    RequireMbpoll();
    StartAndOpen();
    // Two registers (function 16) and a float in the device's word order.
    Mbpoll({QStringLiteral("-t"), QStringLiteral("4"), QStringLiteral("-r"),
            QString::number(mrF1_Assign), sim.Link(), QStringLiteral("3"), QStringLiteral("1")});
    Mbpoll({QStringLiteral("-t"), QStringLiteral("4:float"), QStringLiteral("-r"),
            QString::number(mrF1_V100), sim.Link(), QStringLiteral("5000.5")});
    std::vector<std::uint16_t> v;
    ASSERT_EQ(Read(mrF1_Assign, 5, &v), kResultOk);
    EXPECT_EQ(v[0], 3);
    EXPECT_EQ(v[1], 1);
    EXPECT_EQ(std::bit_cast<float>(v[3] | static_cast<std::uint32_t>(v[4]) << 16), 5000.5f);
    EXPECT_EQ(Sim(QStringLiteral("get F1_V100")), "ok 5000.5");

    // The device's refusals reach mbpoll as Modbus exceptions.
    const std::string refused =
        Mbpoll({QStringLiteral("-t"), QStringLiteral("4"), QStringLiteral("-r"),
                QStringLiteral("1795"), QStringLiteral("-c"), QStringLiteral("2"), sim.Link()});
    EXPECT_NE(refused.find("Illegal data address"), std::string::npos) << refused;
}

TEST_F(SimOnPty, EachFaultShowsAtTheMasterAsItsResultCode) {
    StartAndOpen();
    ASSERT_EQ(Read(0, 2), kResultOk);
    struct Case {
        const char* command;
        std::uint8_t result;
    };
    const Case cases[] = {
        {"fault crc", kResultBadCrc},
        {"fault address", kResultOtherAddress},
        {"fault truncate", kResultBadLength},
        {"fault trickle 20", kResultBadLength},  // our inter-byte gap is 1 ms at 115200
        {"exception 1 4", 4},
        {"exception 1 6", 6},
        {"silent on", kResultNoAnswer},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Sim(QString::fromLatin1(c.command)), "ok") << c.command;
        EXPECT_EQ(Read(0, 2), c.result) << c.command;
        // A trickled answer goes on arriving after the master gave up on it.
        if (c.result == kResultBadLength) DrainLine();
        ASSERT_EQ(Sim(QStringLiteral("fault none")), "ok");
        ASSERT_EQ(Sim(QStringLiteral("exception clear")), "ok");
        ASSERT_EQ(Sim(QStringLiteral("silent off")), "ok");
        EXPECT_EQ(Read(0, 2), kResultOk) << "back to normal after " << c.command;
    }
}

TEST_F(SimOnPty, LateAnswerArrivesAfterTheMastersTimeOut) {
    StartAndOpen();
    ASSERT_EQ(Sim(QStringLiteral("fault delay 400 next 1")), "ok");
    EXPECT_EQ(Read(0, 1), kResultNoAnswer) << "200 ms time-out";
    com.AnsDelay = 2000;
    EXPECT_EQ(com.ReadBytes(7), 7) << "the answer still comes, late";
    com.AnsDelay = 200;
    EXPECT_EQ(Read(0, 1), kResultOk);
}

TEST_F(SimOnPty, GarbageOnTheLineDoesNotStopItServing) {
    StartAndOpen();
    std::vector<std::uint8_t> noise(5000);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 151 + 7);
    ASSERT_EQ(com.Handle()->Write(noise.data(), static_cast<int>(noise.size())),
              static_cast<int>(noise.size()));
    // The request may arrive glued to the noise or after a silence; either way it is served.
    std::vector<std::uint16_t> v;
    EXPECT_EQ(Read(mrSerialNumberDevice, 1, &v), kResultOk);
    EXPECT_EQ(v[0], 21047);
    const std::string stats = Sim(QStringLiteral("stats"));
    EXPECT_NE(stats.find("bad-frames="), std::string::npos) << stats;
}

TEST_F(SimOnPty, MasterCanCloseAndReopenTheLine) {
    StartAndOpen();
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(com.ClosePort());
        ASSERT_TRUE(com.OpenPort()) << "round " << round << ": " << com.LastError().toStdString();
        EXPECT_EQ(Read(0, 1), kResultOk) << "round " << round;
    }
}

TEST_F(SimOnPty, MeasuringModuleAndAddressChangeOverTheLine) {
    StartAndOpen();
    ModbusList list;
    // Read measuring-module parameter 0 (2 bytes, code 0x60): request word 0x0062.
    list.Append(kFnDspExchange, 10, 2 + 4, 2, 6);
    list.Values[0] = 0x0062;
    list.Launch();
    ASSERT_EQ(ExecuteTransaction(com, list), kResultOk);
    EXPECT_EQ(list.Values[1], 0x0062) << "the request word comes back, naming parameter 0";
    EXPECT_EQ(list.Values[2], 4711);

    ASSERT_EQ(Write(mrDevAddr, {12}), kResultOk) << "answered from the old address";
    com.Address = 12;
    EXPECT_EQ(Read(0, 1), kResultOk);
    EXPECT_NE(Sim(QStringLiteral("status")).find("address=12"), std::string::npos);
}

TEST_F(SimOnPty, SavesItsStateOnTerminationAndStartsFromIt) {
    const QString file = sim.Path(QStringLiteral("saved.mbr"));
    StartAndOpen({QStringLiteral("--save"), file});
    ASSERT_EQ(Write(mrContrast, {21}), kResultOk);
    com.ClosePort();
    EXPECT_EQ(sim.Stop(), 0);

    testing::SimProcess again;
    QString error;
    ASSERT_TRUE(again.Start({QStringLiteral("--load"), file}, &error)) << error.toStdString();
    EXPECT_EQ(again.Command(QStringLiteral("getw Contrast")), QStringLiteral("ok 21"));
}

TEST_F(SimOnPty, LineRateMakesAnswersTakeTheirWireTime) {
    StartAndOpen({QStringLiteral("--line-rate"), QStringLiteral("1200")});
    com.AnsDelay = 2000;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Read(0, 1), kResultOk);
    // 8 request and 7 answer bytes with their silences, 10 bits each at 1200 baud.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(180));
}

TEST_F(SimOnPty, ServesASerialDevice) {
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty()) {
        GTEST_SKIP() << "socat is not installed (the test command installs it)";
    }
    // A pair of connected pseudo-terminals stands in for a null-modem cable.
    QProcess socat;
    socat.setProcessChannelMode(QProcess::MergedChannels);  // socat logs on stderr
    const QString device = sim.Path(QStringLiteral("device")),
                  cable = sim.Path(QStringLiteral("cable"));
    socat.start(QStringLiteral("socat"), {QStringLiteral("-d"), QStringLiteral("-d"),
                                          QStringLiteral("pty,raw,echo=0,link=") + device,
                                          QStringLiteral("pty,raw,echo=0,link=") + cable});
    QByteArray log;
    while (!log.contains("starting data transfer loop") && socat.waitForReadyRead(5000)) {
        log += socat.readAll();
    }
    ASSERT_TRUE(log.contains("starting data transfer loop")) << log.toStdString();
    QString error;
    ASSERT_TRUE(sim.StartOn(device, {QStringLiteral("--baud"), QStringLiteral("19200")}, &error))
        << error.toStdString();
    EXPECT_TRUE(sim.ReadyLine().contains(QStringLiteral("baud 19200")));
    Open(cable);
    std::vector<std::uint16_t> v;
    EXPECT_EQ(Read(mrSerialNumberDevice, 1, &v), kResultOk);
    EXPECT_EQ(v.at(0), 21047);
    sim.Stop();
    socat.terminate();
    socat.waitForFinished(2000);
}

TEST_F(SimOnPty, RefusesABadConfigurationFileWithAClearMessage) {
    QProcess p;
    const QString file = sim.Path(QStringLiteral("bad.mbr"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[UserRegs]\r\n0=1\r\nCheckSum=5\r\n");
    f.close();
    p.start(
        testing::SimProcess::Program(),
        {QStringLiteral("--link"), sim.Path(QStringLiteral("l")), QStringLiteral("--load"), file});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("checksum error in [UserRegs]"));
}

}  // namespace
}  // namespace tarvix::sim::test
