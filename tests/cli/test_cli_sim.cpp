// tarvix-cli get and set against tarvix-sim on a pseudo-terminal: the real program reads and
// writes parameters by name, shows them as the pages do, refuses what the edition may not
// write and what is no value, and reports the device's refusals. The service-edition writes
// (protected data, measuring module) run the command's code in-process at access level 1.
#include "tests/support/cli_process.h"
#include "tests/support/sim_process.h"

#include "cli/exit_codes.h"
#include "cli/param_command.h"
#include "link/com_setup.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTextStream>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <string>

namespace tarvix::cli {
namespace {

using testing::SimProcess;

using Outcome = testing::CliOutcome;

class CliOnSim : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        sim_ = new SimProcess;
        QString error;
        ASSERT_TRUE(sim_->Start({QStringLiteral("--freeze")}, &error)) << error.toStdString();
    }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(sim_, nullptr);
        // Every test starts from the factory configuration.
        ASSERT_EQ(Sim(QStringLiteral("factory")), "ok");
    }

    // Runs tarvix-cli with the port options of the simulator's line. The C locale makes the
    // decimal separator of what it prints ".".
    static Outcome Cli(const QStringList& args) {
        // In front, as a "--" among the arguments ends the options.
        return Run(QStringList{QStringLiteral("--port"), sim_->Link(), QStringLiteral("--timeout"),
                               QStringLiteral("1000")} +
                   args);
    }
    static Outcome Run(const QStringList& args) {
        return testing::RunCli(QStringLiteral(TARVIX_BIN_DIR "/tarvix-cli"), args);
    }
    static std::string Sim(const QString& command) { return sim_->Command(command).toStdString(); }

    static SimProcess* sim_;
};
SimProcess* CliOnSim::sim_ = nullptr;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

float FloatOf(const std::string& simReply) {
    return std::stof(simReply.substr(3));  // "ok 2.5"
}

// ---------------------------------------------------------------------------------------------

struct GetCase {
    const char* name;
    const char* line;  // the whole line printed, when it is fixed by the factory configuration
};

TEST_F(CliOnSim, GetPrintsTheValueAsThePagesShowIt) {
    const GetCase cases[] = {
        {"SumUnit1", "SumUnit1 = \"кг\" (1)\n"},  // a word with a menu that follows SumAssign1
        {"sumassign1", "SumAssign1 = \"Массовый расход\" (1)\n"},
        {"CalibrationYY", "CalibrationYY = 2024\n"},  // a word format
        {"SerialNumberDevice", "SerialNumberDevice = 21047\n"},
        {"SnBoard", "SnBoard = 4711\n"},  // a measuring-module parameter
    };
    for (const GetCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = Cli({QStringLiteral("get"), QString::fromUtf8(c.name)});
        EXPECT_EQ(o.code, kExitOk) << o;
        EXPECT_EQ(o.out, c.line) << o;
    }
}

TEST_F(CliOnSim, GetOfAFloatMatchesTheDevice) {
    const Outcome shown = Cli({QStringLiteral("get"), QStringLiteral("Temperature")});
    ASSERT_EQ(shown.code, kExitOk) << shown;
    // The catalogue's picture "0.0" for the temperature.
    EXPECT_EQ(shown.out, "Temperature = 20.5\n");

    const Outcome raw =
        Cli({QStringLiteral("get"), QStringLiteral("--raw"), QStringLiteral("MassFlow")});
    ASSERT_EQ(raw.code, kExitOk) << raw;
    const float device = FloatOf(Sim(QStringLiteral("get MassFlow")));
    EXPECT_NEAR(std::stof(raw.out), device, std::abs(device) * 0.01f) << raw;
}

TEST_F(CliOnSim, GetOfAMeasuringModuleFloatReadsTheModule) {
    const Outcome o = Cli({QStringLiteral("get"), QStringLiteral("--raw"), QStringLiteral("R0")});
    ASSERT_EQ(o.code, kExitOk) << o;
    const std::string bits = Sim(QStringLiteral("dsp get 2"));
    const float device =
        std::bit_cast<float>(static_cast<std::uint32_t>(std::stol(bits.substr(3))));
    EXPECT_EQ(std::stof(o.out), device) << o;
}

TEST_F(CliOnSim, GetVerboseNamesRegistersMenuAndUnit) {
    const Outcome unit =
        Cli({QStringLiteral("get"), QStringLiteral("--verbose"), QStringLiteral("SumUnit1")});
    ASSERT_EQ(unit.code, kExitOk) << unit;
    EXPECT_TRUE(Contains(unit.out, "where: register 702 (word)")) << unit;
    EXPECT_TRUE(Contains(unit.out, "menu: 0 \"г\", 1 \"кг\", 2 \"т\"")) << unit;

    const Outcome flow =
        Cli({QStringLiteral("get"), QStringLiteral("--verbose"), QStringLiteral("MassFlow")});
    ASSERT_EQ(flow.code, kExitOk) << flow;
    EXPECT_TRUE(Contains(flow.out, "where: registers 300-301 (float)")) << flow;
    EXPECT_TRUE(Contains(flow.out, "unit: кг/ч (UnitMassFlow)")) << flow;
}

// ---------------------------------------------------------------------------------------------

struct SetCase {
    const char* name;
    const char* typed;
    const char* line;      // printed after the write, and by a get afterwards
    const char* simQuery;  // what the simulator holds then
    const char* simValue;
};

TEST_F(CliOnSim, SetThenGetRoundTrip) {
    const SetCase cases[] = {
        {"FlowDamping", "2,5", "FlowDamping = 2.500\n", "get FlowDamping", "ok 2.5"},
        {"FlowDamping", "0.75", "FlowDamping = 0.750\n", "get FlowDamping", "ok 0.75"},
        {"CUR_Value_20mA", "7500", "CUR_Value_20mA = 7500.000\n", "get CUR_Value_20mA", "ok 7500"},
        {"SumUnit1", "т", "SumUnit1 = \"т\" (2)\n", "get SumUnit1", "ok 2"},
        {"SumUnit1", "0", "SumUnit1 = \"г\" (0)\n", "get SumUnit1", "ok 0"},
        {"Language", " english ", "Language = \"English\" (1)\n", "get Language", "ok 1"},
        {"SumMode1", "Только отрицат.", "SumMode1 = \"Только отрицат.\" (2)\n", "get SumMode1",
         "ok 2"},
        {"Contrast", "40", "Contrast = 40\n", "get Contrast", "ok 40"},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " <- " + c.typed);
        const Outcome set =
            Cli({QStringLiteral("set"), QString::fromUtf8(c.name), QString::fromUtf8(c.typed)});
        EXPECT_EQ(set.code, kExitOk) << set;
        EXPECT_EQ(set.out, c.line) << set;
        EXPECT_EQ(Sim(QString::fromUtf8(c.simQuery)), c.simValue);
        const Outcome get = Cli({QStringLiteral("get"), QString::fromUtf8(c.name)});
        EXPECT_EQ(get.out, c.line) << get;
    }
}

TEST_F(CliOnSim, AUnitIsTakenFromTheMenuItsAssignmentSelects) {
    const Outcome assign = Cli(
        {QStringLiteral("set"), QStringLiteral("SumAssign1"), QStringLiteral("Объемный расход")});
    ASSERT_EQ(assign.code, kExitOk) << assign;
    // Now the totaliser counts volume: "л" is an item, "т" is not.
    const Outcome litres =
        Cli({QStringLiteral("set"), QStringLiteral("SumUnit1"), QStringLiteral("л")});
    EXPECT_EQ(litres.code, kExitOk) << litres;
    EXPECT_EQ(litres.out, "SumUnit1 = \"л\" (1)\n");
    const Outcome tonnes =
        Cli({QStringLiteral("set"), QStringLiteral("SumUnit1"), QStringLiteral("т")});
    EXPECT_EQ(tonnes.code, kExitUsage) << tonnes;
    EXPECT_TRUE(Contains(tonnes.err, "0 \"см3\", 1 \"л\", 2 \"м3\"")) << tonnes;
    EXPECT_EQ(Sim(QStringLiteral("get SumUnit1")), "ok 1");
}

// ---------------------------------------------------------------------------------------------

TEST_F(CliOnSim, ReadOnlyParametersAreRefusedBeforeTheLineIsUsed) {
    struct Case {
        const char* name;
        const char* value;
        const char* message;
        bool atThisLevel;
    };
    const Case cases[] = {
        {"MassFlow", "5", "MassFlow is read-only at access level", true},
        {"SerialNumberDevice", "5", "SerialNumberDevice is read-only at access level 3",
         AccessLevel == 3},
        {"R0", "5", "R0 is hidden at access level 3", AccessLevel == 3},
    };
    for (const Case& c : cases) {
        if (!c.atThisLevel) continue;
        SCOPED_TRACE(c.name);
        const QString before = QString::fromStdString(Sim(QStringLiteral("stats")));
        const Outcome o =
            Cli({QStringLiteral("set"), QString::fromUtf8(c.name), QString::fromUtf8(c.value)});
        EXPECT_EQ(o.code, kExitUsage) << o;
        EXPECT_TRUE(Contains(o.err, c.message)) << o;
        EXPECT_TRUE(o.out.empty()) << o;
        // Not a frame was sent.
        EXPECT_EQ(QString::fromStdString(Sim(QStringLiteral("stats"))), before);
    }
    EXPECT_EQ(Sim(QStringLiteral("get SerialNumberDevice")), "ok 21047");
}

TEST_F(CliOnSim, AValueTheDeviceRefusesPrintsItsExceptionAndExits3) {
    struct Case {
        const char* name;
        const char* value;
        const char* simQuery;
        const char* unchanged;
    };
    const Case cases[] = {
        {"Contrast", "99", "get Contrast", nullptr},  // the device takes 1..63
        {"DevAddr", "0", "get DevAddr", "ok 1"},
    };
    const std::string exception3 = ResultText(3).toStdString();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = Sim(QString::fromUtf8(c.simQuery));
        const Outcome o =
            Cli({QStringLiteral("set"), QString::fromUtf8(c.name), QString::fromUtf8(c.value)});
        EXPECT_EQ(o.code, kExitTransaction) << o;
        EXPECT_TRUE(Contains(o.err, exception3)) << o;
        EXPECT_TRUE(Contains(o.err, "(result 3)")) << o;
        EXPECT_TRUE(o.out.empty()) << o;
        EXPECT_EQ(Sim(QString::fromUtf8(c.simQuery)), before);
        if (c.unchanged) {
            EXPECT_EQ(before, c.unchanged);
        }
    }
}

TEST_F(CliOnSim, EveryKindOfBadTextIsAClearRefusal) {
    struct Case {
        const char* name;
        QString value;
        const char* message;
    };
    const Case cases[] = {
        {"FlowDamping", QStringLiteral("abc"), "FlowDamping: Недопустимое значение: abc"},
        {"FlowDamping", QString(), "FlowDamping: the value is empty"},
        {"FlowDamping", QStringLiteral("1,2,3"), "Недопустимое значение"},
        {"FlowDamping", QStringLiteral("1e999"), "Недопустимое значение"},
        {"FlowDamping", QStringLiteral("NaN"), "Недопустимое значение"},
        {"FlowDamping", QStringLiteral("-abc"), "Недопустимое значение"},
        {"FlowDamping", QStringLiteral("1e9"), "выходит за пределы допустимых значений"},
        {"FlowDamping", QString(100000, u'7'), "Недопустимое значение"},
        {"DevAddr", QStringLiteral("%s%s%n"), "Недопустимое значение"},
        {"DevAddr", QStringLiteral("٣"), "Недопустимое значение"},
        {"SumUnit1", QStringLiteral("\t"), "the value is empty"},
        {"SumUnit1", QStringLiteral("тонна"), "is neither an item of the menu nor its number"},
        {"SumUnit1", QStringLiteral("9"), "9 is not an item of the menu"},
        {"Language", QStringLiteral("\"English\""), "is neither an item of the menu"},
        {"SnBoard", QStringLiteral("x"), AccessLevel == 1 ? "Недопустимое значение" : "hidden"},
    };
    const std::string damping = Sim(QStringLiteral("get FlowDamping"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " <- '" + c.value.left(20).toStdString() + "'");
        // "--" ends the options, so that a value may begin with "-".
        const Outcome o =
            Cli({QStringLiteral("set"), QString::fromUtf8(c.name), QStringLiteral("--"), c.value});
        EXPECT_FALSE(o.crashed) << o;
        EXPECT_EQ(o.code, kExitUsage) << o;
        EXPECT_EQ(o.err.rfind("tarvix-cli: ", 0), 0u) << o;
        EXPECT_TRUE(Contains(o.err, c.message)) << o;
        EXPECT_TRUE(o.out.empty()) << o;
    }
    EXPECT_EQ(Sim(QStringLiteral("get FlowDamping")), damping);
}

TEST_F(CliOnSim, UnknownNamesAndWrongCommandLines) {
    const Outcome typo = Cli({QStringLiteral("get"), QStringLiteral("MasFlow")});
    EXPECT_EQ(typo.code, kExitUsage) << typo;
    EXPECT_TRUE(Contains(typo.err, "no parameter named 'MasFlow'; did you mean: MassFlow")) << typo;

    const Outcome noValue = Cli({QStringLiteral("set"), QStringLiteral("FlowDamping")});
    EXPECT_EQ(noValue.code, kExitUsage) << noValue;
    EXPECT_TRUE(Contains(noValue.err, "usage: set NAME VALUE")) << noValue;

    const Outcome group = Cli({QStringLiteral("get"), QStringLiteral("----- Основные -----")});
    EXPECT_EQ(group.code, kExitUsage) << group;

    const Outcome help = Run({QStringLiteral("--help")});
    EXPECT_EQ(help.code, kExitOk) << help;
    EXPECT_TRUE(Contains(help.out, "get NAME")) << help;
    EXPECT_TRUE(Contains(help.out, "set NAME VALUE")) << help;
    EXPECT_TRUE(Contains(help.out, "tarvix-cli set --port ttyUSB0 SumUnit1")) << help;
}

// ---------------------------------------------------------------------------------------------
// The service edition's writes, by the command's code with the access level of a service
// edition, over a port this test opens.

class CliServiceEditionOnSim : public CliOnSim {
  protected:
    int RunAtLevel1(bool set, const char* name, const char* value, QString* out, QString* err) {
        ParamCommand c;
        c.Set = set;
        c.Name = QString::fromUtf8(name);
        c.Value = QString::fromUtf8(value);
        c.Level = 1;
        ComSetup com;
        com.PortName = sim_->Link();
        com.SetBaudRate(115200);
        com.AnsDelay = 1000;
        com.Address = 1;
        QTextStream o(out), e(err);
        const int code = RunParamCommand(
            c, com, [&com]() -> QString { return com.OpenPort() ? QString() : com.LastError(); }, o,
            e);
        o.flush();
        e.flush();
        return code;
    }
};

TEST_F(CliServiceEditionOnSim, ProtectedDataIsWrittenInsideTheAccessKeyBracket) {
    struct Case {
        const char* name;
        const char* value;
        const char* line;
        const char* simQuery;
        const char* simValue;
    };
    const Case cases[] = {
        {"SensorTmax", "150", "SensorTmax = 150.000\n", "get SensorTmax", "ok 150"},
        {"CalibrationYY", "2025", "CalibrationYY = 2025\n", "get CalibrationYY", "ok 25"},
        {"Sertification", "Ex", "Sertification = \"Ex\" (1)\n", "get Sertification", "ok 1"},
        {"PointInterpolation1", "0,125", "PointInterpolation1 = 0.125\n", "get PointInterpolation1",
         "ok 0.125"},
    };
    // Without the key the device refuses the protected registers (SensorTmax, 11-12).
    const Outcome plain = Cli({QStringLiteral("write"), QStringLiteral("11"), QStringLiteral("0"),
                               QStringLiteral("17174")});
    EXPECT_EQ(plain.code, kExitTransaction) << plain;
    EXPECT_TRUE(Contains(plain.err, ResultText(4).toStdString())) << plain;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString out, err;
        EXPECT_EQ(RunAtLevel1(true, c.name, c.value, &out, &err), kExitOk) << err.toStdString();
        EXPECT_EQ(out.toStdString(), c.line);
        EXPECT_EQ(Sim(QString::fromUtf8(c.simQuery)), c.simValue);
        // The bracket is closed again.
        EXPECT_EQ(Sim(QStringLiteral("get SensorData_AccessKey")), "ok 0");
    }
}

TEST_F(CliServiceEditionOnSim, MeasuringModuleParametersAreWrittenThroughTheModule) {
    struct Case {
        const char* name;
        const char* value;
        const char* line;
        const char* simQuery;
        std::int64_t simValue;
    };
    const Case cases[] = {
        {"R0", "101,5", "R0 = 101.5\n", "dsp get 2", std::bit_cast<std::int32_t>(101.5f)},
        {"SnBoard", "4712", "SnBoard = 4712\n", "dsp get 0", 4712},
        {"ManufactureData", "07.08.25", "ManufactureData = 07.08.2025\n", "dsp get 1",
         7 | 8 << 8 | 25 << 16},
        {"MaxCode_ADC1_TC", "-20", "MaxCode_ADC1_TC = -20\n", "dsp get 4", -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString out, err;
        EXPECT_EQ(RunAtLevel1(true, c.name, c.value, &out, &err), kExitOk) << err.toStdString();
        EXPECT_EQ(out.toStdString(), c.line);
        EXPECT_EQ(Sim(QString::fromUtf8(c.simQuery)), "ok " + std::to_string(c.simValue));
    }
    // A write the module refuses is reported with its exception.
    ASSERT_EQ(Sim(QStringLiteral("dsp-fault 11 3 next 1")), "ok");
    QString out, err;
    EXPECT_EQ(RunAtLevel1(true, "ManufactureData", "01.12.25", &out, &err), kExitTransaction);
    EXPECT_TRUE(err.contains(ResultText(3))) << err.toStdString();
}

}  // namespace
}  // namespace tarvix::cli
