// The control language, the start options and the configuration files of the simulator.
#include "base/ini_file.h"
#include "model/param_table.h"
#include "model/register_ids.h"
#include "sim/config_file.h"
#include "sim/control_commands.h"
#include "sim/sim_options.h"
#include "sim/slave.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <string>

namespace tarvix::sim {
namespace {

std::string Do(Slave& s, const char* command) { return ExecuteCommand(s, command).text; }

TEST(SimControl, CommandsAnswerOkOrAnErrorWithTheReason) {
    struct Case {
        const char* command;
        const char* reply;  // the start of the reply
    };
    const Case cases[] = {
        {"silent on", "ok"},
        {"silent maybe", "error"},
        {"fault crc next 2", "ok"},
        {"fault delay", "error fault delay needs milliseconds"},
        {"fault delay 1500", "ok"},
        {"fault trickle 5 next 1", "ok"},
        {"fault smoke", "error unknown fault"},
        {"exception 301 4", "ok"},
        {"exception MassFlow 2", "ok"},
        {"exception 1796 2", "error usage"},
        {"random-faults 0.1", "ok"},
        {"random-faults 2", "error"},
        {"set 600 40", "ok"},
        {"set Contrast 70000", "error not a 16-bit value"},
        {"setf 600 1.5", "error register 600 is not a float"},
        {"setf Ratio 1501.5", "ok"},
        {"get Ratio", "ok 1501.5"},
        {"get 32", "ok 1501.5"},
        {"getw 600", "ok 40"},
        {"get NoSuchParameter", "error usage"},
        {"notice 1 0x2001", "ok"},
        {"notice 15 0x1000", "ok"},
        {"notice 16 1", "error usage"},
        {"hold CodeInternalAdc 303", "ok"},
        {"hold 1500 0x4F", "ok"},
        {"hold 1500 off", "ok"},
        {"hold 1796 1", "error usage"},
        {"hold clear", "ok"},
        {"adc 1 -5", "ok"},
        {"adc 6 off", "ok"},
        {"adc 7 1", "error usage"},
        {"adc 1 4294967296", "error usage"},
        {"signal 1 500 500 max", "ok"},
        {"signal 3 0 1 nan", "ok"},
        {"signal 4 999 1 -inf", "ok"},
        {"signal 1 0 1 nan", "error usage"},
        {"signal 3 990 11 1.5", "error samples 0..999 only"},
        {"signal clear", "ok"},
        {"dsp-fault 33 4", "ok"},
        {"dsp-fault 11 silent next 3", "ok"},
        {"dsp-fault 256 4", "error usage"},
        {"dsp-fault 5 255", "error usage"},
        {"dsp-fault clear", "ok"},
        {"ammeter", "ok "},
        {"board-error 0.05 1.01", "ok"},
        {"board-error", "ok 0.05 1.01"},
        {"board-error 0.05 0", "error usage"},
        {"file10-delay 150", "ok"},
        {"file10-delay auto", "ok"},
        {"file10-delay soon", "error usage"},
        {"switch write on", "ok"},
        {"switch door on", "error unknown switch"},
        {"jumper off", "ok"},
        {"input 2 on", "ok"},
        {"process massflow 2500", "ok"},
        {"process pressure 3", "error unknown process value"},
        {"freeze on", "ok"},
        {"dsp get 0", "ok 4711"},
        {"dsp set 2 1120403456", "ok"},
        {"dsp get 21", "error usage"},
        {"status", "ok address=1 baud=115200 parity=0"},
        {"teleport", "error unknown command"},
        {"", "error empty command"},
        {"quit", "ok"},
    };
    Slave s;
    for (const Case& c : cases) {
        const std::string reply = Do(s, c.command);
        EXPECT_EQ(reply.rfind(c.reply, 0), 0u) << c.command << " -> " << reply;
    }
    EXPECT_TRUE(ExecuteCommand(s, "quit").quit);
    EXPECT_FALSE(ExecuteCommand(s, "status").quit);
}

TEST(SimControl, CommandsActOnTheDeviceAndTheFaultPlan) {
    Slave s;
    Do(s, "fault delay 1500 next 1");
    EXPECT_EQ(s.faults.fault, AnswerFault::Delay);
    EXPECT_EQ(s.faults.delayMs, 1500);
    EXPECT_EQ(s.faults.remaining, 1);
    Do(s, "exception MassFlow 2");
    EXPECT_EQ(s.faults.ExceptionFor(300, 1), 2) << "a name means the parameter's register";
    Do(s, "notice 1 0x2001");
    s.device.AdvanceTo(0.2);
    EXPECT_EQ(s.device.Word(mrNotice1), 0x2001);
    Do(s, "switch write on");
    EXPECT_TRUE(s.device.WriteLocked());
    Do(s, "set SumReset1 0");
    Do(s, "setf Sum1 1234.5");
    EXPECT_EQ(Do(s, "get Sum1"), "ok 1234.5") << "a total set behind the master's back stays";
    s.device.AdvanceTo(0.5);
    EXPECT_NEAR(s.device.Float(mrSum1H), 1234.5f + 0.3f * 1200.0f / 3600.0f, 0.05f);
}

TEST(SimControl, FactoryKeepsTheLineSettings) {
    Slave s;
    ASSERT_EQ(Do(s, "set DevAddr 7"), "ok");
    ASSERT_EQ(Do(s, "set Contrast 10"), "ok");
    ASSERT_EQ(Do(s, "factory"), "ok");
    EXPECT_EQ(s.device.Word(mrContrast), 32);
    EXPECT_EQ(s.device.Address(), 7) << "the master keeps reaching the device";
}

TEST(SimOptions, FaultOptionsBecomeControlCommands) {
    const char* argv[] = {"tarvix-sim",
                          "--link",
                          "/tmp/l",
                          "--address",
                          "5",
                          "--baud",
                          "9600",
                          "--parity",
                          "even",
                          "--fault",
                          "delay:700",
                          "--exception",
                          "301:4",
                          "--silent",
                          "--random-faults",
                          "0.05",
                          "--seed",
                          "42",
                          "--exec",
                          "process massflow 0",
                          "--dsp-fault",
                          "11:silent",
                          "--board-error",
                          "0.05:1.01",
                          "--file10-delay",
                          "300"};
    SimOptions o;
    std::string error;
    ASSERT_TRUE(ParseOptions(static_cast<int>(std::size(argv)), argv, &o, &error)) << error;
    EXPECT_EQ(o.address, 5);
    EXPECT_EQ(o.baud, 9600);
    EXPECT_EQ(o.parity, 2);
    EXPECT_EQ(o.seed, 42u);
    EXPECT_EQ(o.commands, (std::vector<std::string>{"fault delay 700", "exception 301 4",
                                                    "silent on", "random-faults 0.05",
                                                    "process massflow 0", "dsp-fault 11 silent",
                                                    "board-error 0.05 1.01", "file10-delay 300"}));
    Slave s;
    for (const auto& c : o.commands) EXPECT_EQ(Do(s, c.c_str()), "ok") << c;
}

TEST(SimOptions, BadCommandLinesAreRefusedWithTheReason) {
    struct Case {
        std::vector<const char*> args;
        const char* error;
    };
    const Case cases[] = {
        {{"--baud", "12345", "--link", "/tmp/l"}, "bad value for --baud"},
        {{"--address", "0", "--link", "/tmp/l"}, "bad value for --address"},
        {{"--parity", "mark", "--link", "/tmp/l"}, "bad value for --parity"},
        {{}, "give either --link"},
        {{"--link", "/tmp/l", "--device", "/dev/ttyS0"}, "give either --link"},
        {{"--send", "status"}, "--send needs --control"},
        {{"--link"}, "unknown option or missing value"},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"tarvix-sim"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        SimOptions o;
        std::string error;
        EXPECT_FALSE(ParseOptions(static_cast<int>(argv.size()), argv.data(), &o, &error))
            << c.error;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
}

TEST(SimOptions, FrameGapIsThreeAndAHalfCharactersWithAFloorOnPseudoTerminals) {
    SimOptions o;
    EXPECT_NEAR(FrameGapMs(o, 9600, 0, false), 3.5 * 10 * 1000.0 / 9600, 1e-9);
    EXPECT_NEAR(FrameGapMs(o, 9600, 2, false), 3.5 * 11 * 1000.0 / 9600, 1e-9);
    EXPECT_EQ(FrameGapMs(o, 115200, 0, false), 1.75);
    EXPECT_EQ(FrameGapMs(o, 115200, 0, true), kMinGapMs);
    o.frameGapMs = 10.0;
    EXPECT_EQ(FrameGapMs(o, 115200, 0, true), 10.0);
}

TEST(SimConfigFile, SavedFileLoadsIntoAnotherDeviceWithEveryRegister) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("device.mbr"));
    Slave a(1);
    Do(a, "set Contrast 17");
    Do(a, "setf Sum2 77.5");
    Do(a, "dsp set 0 999");
    QString error;
    ASSERT_TRUE(SaveConfiguration(path, a.device, &error)) << error.toStdString();

    // What the program checks: the 16-bit sum of the register lines, the date stamp.
    const IniFile ini(path);
    int sum = 0;
    for (const int reg : DumpSet) {
        sum += ini.ReadInteger(QStringLiteral("UserRegs"), QString::number(reg), -100000);
    }
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("UserRegs"), QStringLiteral("CheckSum"), -1),
              sum & 0xFFFF);
    EXPECT_EQ(ini.ReadSection(QStringLiteral("UserRegs")).size(), 654 + 1);
    EXPECT_TRUE(
        ini.ReadDateTime(QStringLiteral("Config"), QStringLiteral("DateTime"), {}).isValid());

    Slave b(2);
    ASSERT_TRUE(LoadConfiguration(path, b.device, &error)) << error.toStdString();
    for (const int reg : DumpSet) {
        EXPECT_EQ(b.device.Word(reg), a.device.Word(reg)) << "register " << reg;
    }
    EXPECT_EQ(b.device.Dsp().Param(0), 999u);
    b.device.AdvanceTo(1.0);
    EXPECT_NEAR(b.device.Float(mrSum2H), 77.5f, 0.01f) << "totals go on from the file";
}

TEST(SimConfigFile, FilesWithAWrongOrMissingChecksumAreRefusedUntouched) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("device.mbr"));
    Slave a;
    QString error;
    ASSERT_TRUE(SaveConfiguration(path, a.device, &error));
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteInteger(QStringLiteral("UserRegs"), QStringLiteral("600"), 63));

    Slave b;
    EXPECT_FALSE(LoadConfiguration(path, b.device, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("checksum error in [UserRegs]")))
        << error.toStdString();
    EXPECT_EQ(b.device.Word(mrContrast), 32) << "nothing of the file was taken";

    ASSERT_TRUE(SaveConfiguration(path, a.device, &error));
    ASSERT_TRUE(ini.WriteInteger(QStringLiteral("DspEeprom"), QStringLiteral("0"), 1));
    EXPECT_FALSE(LoadConfiguration(path, b.device, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("[DspEeprom]"))) << error.toStdString();

    QFile plain(dir.filePath(QStringLiteral("plain.ini")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("[UserRegs]\r\n0=1\r\n");
    plain.close();
    EXPECT_FALSE(LoadConfiguration(plain.fileName(), b.device, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("has no CheckSum"))) << error.toStdString();
    EXPECT_FALSE(LoadConfiguration(dir.filePath(QStringLiteral("none.mbr")), b.device, &error));
}

}  // namespace
}  // namespace tarvix::sim
