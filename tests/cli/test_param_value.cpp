// One parameter by name on the command line: finding it (with close names for a typo), the
// text of its value as the pages show it, the parse of a typed value into register words or
// module bytes, and who may write it.
#include "pages/param_value.h"

#include "base/user_error.h"
#include "model/register_ids.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <memory>

namespace tarvix::cli {
namespace {

ParamRef Ref(const char* name) {
    const NameMatch m = FindParam(QString::fromUtf8(name));
    EXPECT_NE(m.Row, kNoRow) << name;
    return RefOf(m.Row);
}

std::vector<std::uint16_t> FloatWords(float f) {
    const auto bits = std::bit_cast<std::uint32_t>(f);
    return {static_cast<std::uint16_t>(bits & 0xFFFF), static_cast<std::uint16_t>(bits >> 16)};
}

DspValue DspBytes(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

using Setup = std::function<void(RegisterImage&)>;
void Nothing(RegisterImage&) {}

// ---------------------------------------------------------------------------------------------

struct LookupCase {
    const char* typed;
    const char* found;                   // nullptr: not found
    std::vector<const char*> suggested;  // the close names offered, in order (not found only)
};

TEST(CliParamLookup, ExactThenAnyCaseThenCloseNames) {
    const LookupCase cases[] = {
        {"SumUnit1", "SumUnit1", {}},
        {"sumunit1", "SumUnit1", {}},
        {"  MASSFLOW ", "MassFlow", {}},
        {"f^2(t): q0", "f^2(t): q0", {}},
        {"Period_AIR (K1)", "Period_AIR (K1)", {}},
        {"MasFlow", nullptr, {"MassFlow"}},
        {"SumUnit", nullptr, {"SumUnit1", "SumUnit2", "SumUnit3", "SumUnit4"}},
        {"FlowDampng", nullptr, {"FlowDamping"}},
        // A group title is no parameter.
        {"----- Основные -----", nullptr, {}},
        {"", nullptr, {}},
        {"qqqqqqqqqqqqqqq", nullptr, {}},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const NameMatch m = FindParam(QString::fromUtf8(c.typed));
        if (c.found) {
            ASSERT_NE(m.Row, kNoRow);
            EXPECT_EQ(ParamName(m.Row), QString::fromUtf8(c.found));
            continue;
        }
        EXPECT_EQ(m.Row, kNoRow);
        QStringList expected;
        for (const char* s : c.suggested) expected.append(QString::fromUtf8(s));
        EXPECT_EQ(m.Candidates, expected);
    }
}

TEST(CliParamLookup, OffersAtMostFiveCloseNames) {
    const NameMatch m = FindParam(QStringLiteral("Sum"));
    EXPECT_EQ(m.Row, kNoRow);
    EXPECT_EQ(m.Candidates.size(), 5);
    for (const QString& name : m.Candidates) {
        EXPECT_TRUE(name.contains(QStringLiteral("sum"), Qt::CaseInsensitive))
            << name.toStdString();
    }
}

// ---------------------------------------------------------------------------------------------

struct ShowCase {
    const char* name;
    Setup setup;
    DspValue dsp;
    int lang;
    QChar sep;
    const char* line;
    const char* raw;
};

TEST(CliParamShow, ValuesReadAsThePagesShowThem) {
    const QChar dot = u'.', comma = u',';
    const ShowCase cases[] = {
        // A read-only float without a format: three decimals.
        {"MassFlow",
         [](RegisterImage& i) { i.StoreFloat(mrMassFlowH, 1234.5f); },
         {},
         0,
         dot,
         "MassFlow = 1234.500",
         "1234.5"},
        // The catalogue's picture, with the system's decimal separator.
        {"Temperature",
         [](RegisterImage& i) { i.StoreFloat(mrTemperatureH, 20.54f); },
         {},
         0,
         comma,
         "Temperature = 20,5",
         "20.54"},
        // A writable float: as many decimals as reproduce it, at least three.
        {"FlowDamping",
         [](RegisterImage& i) { i.StoreFloat(mrFlowDampingH, 2.5f); },
         {},
         0,
         dot,
         "FlowDamping = 2.500",
         "2.5"},
        {"FlowDamping",
         [](RegisterImage& i) { i.StoreFloat(mrFlowDampingH, 0.0625f); },
         {},
         0,
         dot,
         "FlowDamping = 0.0625",
         "0.0625"},
        // A totaliser's sum with its overflow count, beyond 10 000 000: scientific.
        {"Sum1",
         [](RegisterImage& i) {
             i.StoreFloat(mrSumOverFlow1H, 2.0f);
             i.StoreFloat(mrSum1H, 12.5f);
         },
         {},
         0,
         dot,
         "Sum1 = 2.0000e+07",
         "20000012"},
        // The unit follows the totaliser's assignment (1 mass, 2 volume).
        {"SumUnit1",
         [](RegisterImage& i) {
             i.Store(mrSumAssign1, 1);
             i.Store(mrSumUnit1, 2);
         },
         {},
         0,
         dot,
         "SumUnit1 = \"т\" (2)",
         "2"},
        {"SumUnit1",
         [](RegisterImage& i) {
             i.Store(mrSumAssign1, 2);
             i.Store(mrSumUnit1, 2);
         },
         {},
         0,
         dot,
         "SumUnit1 = \"м3\" (2)",
         "2"},
        {"SumUnit1",
         [](RegisterImage& i) {
             i.Store(mrSumAssign1, 1);
             i.Store(mrSumUnit1, 2);
         },
         {},
         1,
         dot,
         "SumUnit1 = \"t\" (2)",
         "2"},
        // Status output 1 fed by totaliser 2, which counts volume; and by a limit value.
        {"PFSs_Unit",
         [](RegisterImage& i) {
             i.Store(mrPFSs_Assign, 13);
             i.Store(mrSumAssign2, 2);
             i.Store(mrPFSs_Unit, 1);
         },
         {},
         0,
         dot,
         "PFSs_Unit = \"л\" (1)",
         "1"},
        {"PFSs_Unit",
         [](RegisterImage& i) {
             i.Store(mrPFSs_Assign, 6);
             i.Store(mrPFSs_Unit, 5);
         },
         {},
         0,
         dot,
         "PFSs_Unit = \"кг/ч\" (5)",
         "5"},
        // Beyond the menu: the number.
        {"SumUnit1",
         [](RegisterImage& i) {
             i.Store(mrSumAssign1, 1);
             i.Store(mrSumUnit1, 7);
         },
         {},
         0,
         dot,
         "SumUnit1 = 7",
         "7"},
        {"BaudIndex",
         [](RegisterImage& i) { i.Store(mrBaudIndex, 3); },
         {},
         0,
         dot,
         "BaudIndex = \"9600\" (3)",
         "3"},
        // Word formats.
        {"CalibrationYY",
         [](RegisterImage& i) { i.Store(mrCalibrationYY, 24); },
         {},
         0,
         dot,
         "CalibrationYY = 2024",
         "24"},
        {"ProgramMemoryCrc",
         [](RegisterImage& i) { i.Store(mrProgramMemoryCrc, 0x3C5A); },
         {},
         0,
         dot,
         "ProgramMemoryCrc = 0x3C5A",
         "15450"},
        // A float shown by the format of its low register's format-only descriptor.
        {"Frequency",
         [](RegisterImage& i) { i.StoreFloat(mrFrequencyH, 148.0f); },
         {},
         0,
         dot,
         "Frequency = 148.000000",
         "148"},
        // Measuring-module parameters by their value code.
        {"R0", Nothing, DspBytes(std::bit_cast<std::uint32_t>(100.0f)), 0, dot, "R0 = 100", "100"},
        {"ManufactureData",
         Nothing,
         {14, 3, 24, 0},
         0,
         dot,
         "ManufactureData = 14.03.2024",
         "14.03.2024"},
        {"SnBoard", Nothing, DspBytes(4711), 0, dot, "SnBoard = 4711", "4711"},
        {"MinCode_ADC1_TC", Nothing, DspBytes(static_cast<std::uint32_t>(-5)), 0, dot,
         "MinCode_ADC1_TC = -5", "-5"},
    };
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " -> " + c.line);
        const ParamRef p = Ref(c.name);
        auto image = std::make_unique<RegisterImage>();
        c.setup(*image);
        const ShownValue v = ShowValue(p, *image, c.dsp, c.lang, c.sep);
        EXPECT_EQ(ValueLine(p, v, false), QString::fromUtf8(c.line));
        EXPECT_EQ(ValueLine(p, v, true), QString::fromUtf8(c.raw));
    }
}

// ---------------------------------------------------------------------------------------------

struct ParseCase {
    const char* name;
    Setup setup;
    QString typed;
    QChar sep;
    std::vector<std::uint16_t> words;  // expected register words; empty: see dsp / error
    std::optional<DspValue> dsp;
    const char* error;  // a part of the message, nullptr when the value is taken
};

ParseCase Words(const char* name, QString typed, std::vector<std::uint16_t> words,
                Setup setup = Nothing, QChar sep = u'.') {
    return {name, std::move(setup), std::move(typed), sep, std::move(words), std::nullopt, nullptr};
}
ParseCase Bytes(const char* name, QString typed, DspValue dsp) {
    return {name, Nothing, std::move(typed), u'.', {}, dsp, nullptr};
}
ParseCase Refused(const char* name, QString typed, const char* error, Setup setup = Nothing) {
    return {name, std::move(setup), std::move(typed), u'.', {}, std::nullopt, error};
}

void SumCountsMass(RegisterImage& i) { i.Store(mrSumAssign1, 1); }
void SumCountsVolume(RegisterImage& i) { i.Store(mrSumAssign1, 2); }

TEST(CliParamParse, TypedValuesBecomeWhatThePagesWouldWrite) {
    const char* notNumber = "Недопустимое значение: ";
    const ParseCase cases[] = {
        // Floats take "." and ",", whatever the system's separator.
        Words("FlowDamping", QStringLiteral("1,5"), FloatWords(1.5f)),
        Words("FlowDamping", QStringLiteral("1.5"), FloatWords(1.5f), Nothing, u','),
        Words("FlowDamping", QStringLiteral(" 2.25 "), FloatWords(2.25f)),
        Words("FlowDamping", QStringLiteral("-3e2"), FloatWords(-300.0f)),
        Refused("FlowDamping", QStringLiteral("abc"), "Недопустимое значение: abc"),
        Refused("FlowDamping", QStringLiteral("1..5"), notNumber),
        Refused("FlowDamping", QStringLiteral("1,5,5"), notNumber),
        Refused("FlowDamping", QStringLiteral("0x10"), notNumber),
        Refused("FlowDamping", QStringLiteral("1e400"), notNumber),
        Refused("FlowDamping", QStringLiteral("nan"), notNumber),
        Refused("FlowDamping", QStringLiteral("inf"), notNumber),
        Refused("FlowDamping", QStringLiteral("２"), notNumber),
        Refused("FlowDamping", QStringLiteral("200000000"),
                "200000000 выходит за пределы допустимых значений: -100000000..100000000"),
        Refused("FlowDamping", QString(), "the value is empty"),
        Refused("FlowDamping", QStringLiteral("   "), "the value is empty"),
        Refused("FlowDamping", QString(5000, u'9'), notNumber),
        // Words: the integer parse; beyond 16 bits refused with the pages' message (cut to
        // 16 bits, 70000 would be written as 4464).
        Words("DevAddr", QStringLiteral("12"), {12}),
        Refused("DevAddr", QStringLiteral("70000"),
                "70000 выходит за пределы допустимых значений: 0..65535"),
        Refused("DevAddr", QStringLiteral("-1"),
                "-1 выходит за пределы допустимых значений: 0..65535"),
        Refused("DevAddr", QStringLiteral("1.5"), "Недопустимое значение: 1.5"),
        Refused("DevAddr", QStringLiteral("99999999999999999999999"), notNumber),
        Refused("DevAddr", QStringLiteral("%n%s"), notNumber),
        // A word with a format reads through the format's scan.
        Words("CalibrationYY", QStringLiteral("2024"), {24}),
        Refused("CalibrationYY", QStringLiteral("13"),
                "Строка 13 не является числом в формате 20%02d"),
        Refused("CalibrationYY", QStringLiteral("%n"), "не является числом в формате"),
        // Menu items by their text (trimmed, any case, either language) or their number.
        Words("SumUnit1", QStringLiteral("т"), {2}, SumCountsMass),
        Words("SumUnit1", QStringLiteral(" Т "), {2}, SumCountsMass),
        Words("SumUnit1", QStringLiteral("KG"), {1}, SumCountsMass),
        Words("SumUnit1", QStringLiteral("2"), {2}, SumCountsMass),
        Words("SumUnit1", QStringLiteral("м3"), {2}, SumCountsVolume),
        Refused("SumUnit1", QStringLiteral("т"),
                "\"т\" is neither an item of the menu nor its number: "
                "0 \"см3\", 1 \"л\", 2 \"м3\"",
                SumCountsVolume),
        Refused("SumUnit1", QStringLiteral("3"),
                "3 is not an item of the menu: 0 \"г\", 1 \"кг\", 2 \"т\"", SumCountsMass),
        Refused("SumUnit1", QStringLiteral("-1"), "-1 is not an item of the menu", SumCountsMass),
        Refused("SumUnit1", QStringLiteral("тонны"), "is neither an item of the menu",
                SumCountsMass),
        // An item's text wins over a number: "9600" is the item, "3" the number.
        Words("BaudIndex", QStringLiteral("9600"), {3}),
        Words("BaudIndex", QStringLiteral("3"), {3}),
        Words("Language", QStringLiteral("english"), {1}),
        Words("SumAssign1", QStringLiteral("объемный расход"), {2}),
        Words("SumAssign1", QStringLiteral("Volume Flow"), {2}),
        // Measuring-module parameters by their value code.
        Bytes("R0", QStringLiteral("1,25"), DspBytes(std::bit_cast<std::uint32_t>(1.25f))),
        Refused("R0", QStringLiteral("abc"), "Недопустимое значение: abc"),
        Bytes("ManufactureData", QStringLiteral("14.03.24"), {14, 3, 24, 0}),
        Bytes("ManufactureData", QStringLiteral("14.03.2024"), {14, 3, 24, 0}),
        Refused("ManufactureData", QStringLiteral("14.03"), "Недопустимое значение: 14.03"),
        Bytes("SnBoard", QStringLiteral("4711"), DspBytes(4711)),
        Refused("SnBoard", QStringLiteral("70000"),
                "70000 выходит за пределы допустимых значений: 0..65535"),
        Bytes("MinCode_ADC1_TC", QStringLiteral("-5"), DspBytes(static_cast<std::uint32_t>(-5))),
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " <- '" + c.typed.left(40).toStdString() + "'");
        const ParamRef p = Ref(c.name);
        auto image = std::make_unique<RegisterImage>();
        c.setup(*image);
        if (c.error) {
            try {
                ParseValue(p, c.typed, *image, 0, c.sep);
                ADD_FAILURE() << "taken, expected: " << c.error;
            } catch (const UserError& e) {
                EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.error)))
                    << e.message().toStdString();
            }
            continue;
        }
        const ParsedInput in = ParseValue(p, c.typed, *image, 0, c.sep);
        if (c.dsp) {
            EXPECT_EQ(in.Dsp, *c.dsp);
        } else {
            EXPECT_EQ(in.Words, c.words);
        }
    }
}

// ---------------------------------------------------------------------------------------------

struct AccessCase {
    const char* name;
    int level;
    const char* refusal;  // nullptr: may be written
    bool key;             // written inside the access-key bracket
};

TEST(CliParamAccess, WhoMayWriteAndWhatNeedsTheKey) {
    const AccessCase cases[] = {
        {"MassFlow", 3, "MassFlow is read-only at access level 3", false},
        {"MassFlow", 1, "MassFlow is read-only at access level 1", false},
        {"SerialNumberDevice", 3, "SerialNumberDevice is read-only at access level 3", true},
        {"SerialNumberDevice", 1, nullptr, true},
        {"Ratio", 1, nullptr, true},
        {"Ratio", 3, "Ratio is hidden at access level 3", true},
        {"PointInterpolation1", 1, nullptr, true},
        {"UnitMassFlow", 3, nullptr, false},
        {"FlowDamping", 3, nullptr, false},
        {"R0", 3, "R0 is hidden at access level 3", false},
        {"R0", 1, nullptr, false},
        {"CUR_SN", 2, "CUR_SN is hidden at access level 2", false},
    };
    for (const AccessCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " at level " + std::to_string(c.level));
        const ParamRef p = Ref(c.name);
        const QString refusal = WriteRefusal(p, c.level);
        if (c.refusal) {
            EXPECT_TRUE(refusal.startsWith(QString::fromUtf8(c.refusal))) << refusal.toStdString();
        } else {
            EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
        }
        EXPECT_EQ(NeedsAccessKey(p), c.key);
    }
}

struct ReadCase {
    const char* name;
    std::vector<int> ids;
};

TEST(CliParamAccess, ReadsWhatTheValueAndItsMenuNeed) {
    const ReadCase cases[] = {
        {"FlowDamping", {mrFlowDampingH}},
        {"SumUnit1", {mrSumAssign1, mrSumUnit1}},
        {"PFSs_Unit",
         {mrPFSs_Assign, mrSumAssign1, mrSumAssign2, mrSumAssign3, mrSumAssign4, mrPFSs_Unit}},
        {"Sum1", {mrSumOverFlow1H, mrSum1H}},
        {"R0", {}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IdsToRead(Ref(c.name)), c.ids);
    }
}

}  // namespace
}  // namespace tarvix::cli
