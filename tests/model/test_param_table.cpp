// The parameter table's content (row kinds, register allocation, the dump set) and its
// lookups, including arguments far outside the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <vector>

#include "model/param_table.h"

namespace tarvix {
namespace {

const ParamReg& Row(int row) { return ParamRegs.at(static_cast<std::size_t>(row)); }

TEST(ParamTable, RowKindsAndCounts) {
    int groups = 0, floats = 0, words = 0, dsp = 0;
    for (int row = 0; row < ParamCount; ++row) {
        if (Row(row).DspSize != 0) {
            ++dsp;
        } else if (Row(row).Type == kTypeGroup) {
            ++groups;
        } else if (Row(row).Type == kTypeFloat) {
            ++floats;
        } else if (Row(row).Type == kTypeWord) {
            ++words;
        } else {
            ADD_FAILURE() << "row " << row << " has type " << Row(row).Type;
        }
    }
    EXPECT_EQ(ParamCount, 454);
    EXPECT_EQ(groups, 24);
    EXPECT_EQ(floats, 244);
    EXPECT_EQ(words, 166);
    EXPECT_EQ(dsp, 20);
    EXPECT_EQ(FirstDspRow, 434);
    for (int row = FirstDspRow; row < ParamCount; ++row) EXPECT_TRUE(IsDspRow(row)) << row;
}

// Each group: its row, and the first and last register its members occupy. The members are
// allocated from the first register without gaps, a float taking two registers.
struct GroupSpan {
    int GroupRow;
    int First;
    int Last;
};
constexpr GroupSpan kGroups[] = {
    {0, 0, 38},        {27, 100, 132},    {45, 200, 255},    {86, 300, 322},    {103, 350, 369},
    {114, 400, 435},   {141, 500, 519},   {153, 600, 623},   {174, 700, 711},   {184, 750, 760},
    {193, 800, 810},   {202, 850, 860},   {211, 900, 948},   {245, 1000, 1033}, {269, 1100, 1113},
    {280, 1200, 1230}, {300, 1300, 1323}, {315, 1400, 1403}, {320, 1500, 1508}, {330, 1600, 1696},
    {381, 1700, 1795},
};

TEST(ParamTable, GroupsAllocateTheirRegistersWithoutGaps) {
    std::vector<int> groupRows;
    for (int row = 0; row < FirstDspRow; ++row) {
        if (IsGroupRow(row)) groupRows.push_back(row);
    }
    EXPECT_EQ(groupRows.size(), std::size(kGroups) + 3) << "21 register groups + 3 closing rows";
    for (const GroupSpan& g : kGroups) {
        SCOPED_TRACE(g.GroupRow);
        ASSERT_TRUE(IsGroupRow(g.GroupRow));
        EXPECT_EQ(Row(g.GroupRow).Reg, kNoRegister);
        EXPECT_EQ(Row(g.GroupRow).Access, kReadOnly);
        int next = g.First;
        int row = g.GroupRow + 1;
        for (; row < FirstDspRow && !IsGroupRow(row); ++row) {
            EXPECT_EQ(Row(row).Reg, next) << Row(row).Name;
            next += RowRegCount(row);
        }
        EXPECT_GT(row, g.GroupRow + 1) << "a group without members";
        EXPECT_EQ(next - 1, g.Last);
    }
    // The three rows before the measuring-module parameters are titles only.
    for (int row : {431, 432, 433}) EXPECT_TRUE(IsGroupRow(row)) << row;
}

TEST(ParamTable, MeasuringModuleRows) {
    struct DspSpec {
        int FirstRow, LastRow, Size, Code, FirstNumber;
    };
    const DspSpec cases[] = {
        {434, 434, 2, kDspU16, 0}, {435, 435, 3, kDspDate, 1},   {436, 436, 4, kDspFloat, 2},
        {437, 448, 4, kDspI32, 3}, {449, 452, 4, kDspFloat, 15}, {453, 453, 2, kDspU16, 19},
    };
    for (const DspSpec& s : cases) {
        for (int row = s.FirstRow; row <= s.LastRow; ++row) {
            SCOPED_TRACE(Row(row).Name);
            EXPECT_EQ(Row(row).DspSize, s.Size);
            EXPECT_EQ(Row(row).Type, s.Code);
            EXPECT_EQ(Row(row).Reg, s.FirstNumber + row - s.FirstRow);
            EXPECT_EQ(Row(row).Access, kReadWrite);
            EXPECT_EQ(ParamTexts.at(static_cast<std::size_t>(row)).Attr, 0u);
            EXPECT_EQ(DspRow(Row(row).Reg), row);
        }
    }
}

// The 21 blocks the register dump reads, as (first register, count).
constexpr std::pair<int, int> kReadBlocks[] = {
    {0, 39},    {100, 33},  {200, 56},  {300, 23}, {350, 20}, {400, 36},  {500, 20},
    {600, 24},  {700, 12},  {750, 11},  {800, 11}, {850, 11}, {900, 49},  {1000, 34},
    {1100, 14}, {1200, 31}, {1300, 24}, {1400, 4}, {1500, 9}, {1600, 97}, {1700, 96},
};

TEST(ParamTable, DumpSetIsExactlyTheReadBlocks) {
    std::set<int> blocks;
    for (auto [first, count] : kReadBlocks) {
        for (int r = first; r < first + count; ++r) blocks.insert(r);
    }
    const std::set<int> dump(DumpSet.begin(), DumpSet.end());
    EXPECT_EQ(dump.size(), std::size_t{654});
    EXPECT_EQ(dump, blocks);
    EXPECT_TRUE(std::is_sorted(DumpSet.begin(), DumpSet.end()));
    // A register is in the dump set exactly when the table knows its value type.
    for (int r = 0; r < kRegCount; ++r) {
        const int t = RegType(r);
        EXPECT_EQ(t == kTypeWord || t == kTypeFloat, dump.count(r) == 1) << r;
    }
}

TEST(ParamTable, RegTypeAndRegRow) {
    const int massFlow = ParamRowByName("MassFlow");
    const int lastFloat = ParamRowByName("CF_PWL_Table_d19");
    struct Case {
        int Mr, Type, Row;
    };
    const Case cases[] = {
        {300, kTypeFloat, massFlow},  // low half of a float
        {301, kTypeFloat, massFlow},  // high half
        {302, kTypeFloat, massFlow + 1},
        {0, kTypeWord, 1},
        {1, kTypeFloat, 2},
        {2, kTypeFloat, 2},
        {1793, kTypeFloat, lastFloat},
        {1794, kTypeFloat, lastFloat},
        {1795, kTypeWord, 430},
        {kNoRegister, kTypeGroup, 0},  // group rows carry 1796
        {40, kTypeNone, kNoRow},       // between the first two groups
        {1797, kTypeNone, kNoRow},
        {-1, kTypeNone, kNoRow},
        {INT_MIN, kTypeNone, kNoRow},
        {INT_MAX, kTypeNone, kNoRow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegType(c.Mr), c.Type) << c.Mr;
        EXPECT_EQ(RegRow(c.Mr), c.Row) << c.Mr;
    }
    for (int row = 0; row < FirstDspRow; ++row) {
        if (!IsRegisterRow(row)) continue;
        EXPECT_EQ(RegRow(Row(row).Reg), row) << Row(row).Name;
        EXPECT_EQ(RegType(Row(row).Reg), Row(row).Type) << Row(row).Name;
        if (Row(row).Type == kTypeFloat) {
            EXPECT_EQ(RegRow(RowValueId(row)), row) << Row(row).Name;
        }
    }
}

TEST(ParamTable, DspRow) {
    const std::pair<int, int> cases[] = {{7, 441}, {0, 434}, {19, 453},    {20, 0},
                                         {25, 0},  {-1, 0},  {INT_MIN, 0}, {INT_MAX, 0}};
    for (auto [n, row] : cases) EXPECT_EQ(DspRow(n), row) << n;
    EXPECT_STREQ(Row(DspRow(7)).Name, "MinCode_ADC3_3w");
}

TEST(ParamTable, AccessByLevel) {
    struct Case {
        int Row;
        bool Visible[3];  // at levels 1, 2, 3
        bool Writable[3];
    };
    const Case cases[] = {
        {12, {true, true, false}, {true, true, false}},      // f^2(t): q0, RW, 0x200
        {1, {true, true, true}, {true, true, false}},        // SerialNumberDevice, RW, 0x201
        {94, {true, true, true}, {true, true, true}},        // UnitMassFlow, RW, 0x202
        {24, {true, true, false}, {false, false, false}},    // PmCalcCrc, R, 0x100
        {87, {true, true, true}, {false, false, false}},     // MassFlow, R, 0x101
        {47, {true, true, false}, {true, true, false}},      // SensorData_AccessKey, RW, 0x200
        {48, {true, true, false}, {false, false, false}},    // CtrlFlags, R, 0x100
        {300, {true, false, false}, {false, false, false}},  // hidden group, 0x000
        {301, {true, false, false}, {true, false, false}},   // CUR_SN, RW, 0x000
        {436, {true, false, false}, {true, false, false}},   // R0: measuring module, 0x000
    };
    for (const Case& c : cases) {
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE(testing::Message() << "row " << c.Row << " level " << level);
            EXPECT_EQ(ParamVisibleAt(c.Row, level), c.Visible[level - 1]);
            EXPECT_EQ(ParamWritableAt(c.Row, level), c.Writable[level - 1]);
        }
    }
    for (int row = 0; row < ParamCount; ++row) {
        EXPECT_EQ(ParamVisible(row), ParamVisibleAt(row, AccessLevel)) << row;
        EXPECT_EQ(ParamWritable(row), ParamWritableAt(row, AccessLevel)) << row;
        for (int level = 1; level <= 3; ++level) {
            EXPECT_TRUE(!ParamWritableAt(row, level) || ParamVisibleAt(row, level)) << row;
        }
    }
}

TEST(ParamTable, AttributesTakeOnlyTheKnownValues) {
    const std::set<std::uint32_t> known = {0x000, 0x100, 0x101, 0x200, 0x201, 0x202};
    for (int row = 0; row < ParamCount; ++row) {
        EXPECT_EQ(known.count(ParamTexts.at(static_cast<std::size_t>(row)).Attr), 1u) << row;
    }
}

TEST(ParamTable, TitleAndHintFollowTheLanguage) {
    EXPECT_EQ(ParamTitle(1, 0), QStringLiteral("Серийный номер расходомера"));
    EXPECT_EQ(ParamTitle(1, 1), QStringLiteral("Serial Number Flowmeter"));
    EXPECT_EQ(ParamHint(1, 1), QStringLiteral("Range value from 0 to 65535"));
    EXPECT_EQ(ParamTitle(1, 7), ParamTitle(1, 0)) << "anything but 1 is Russian";
    EXPECT_TRUE(ParamTitle(3, 1).isEmpty()) << "no English text: shown empty, not Russian";
    EXPECT_FALSE(ParamTitle(3, 0).isEmpty());
    EXPECT_TRUE(ParamTitle(0, 0).isEmpty()) << "group rows have no texts";
}

TEST(ParamTable, NameLookup) {
    EXPECT_EQ(ParamRowByName("MassFlow"), 87);
    EXPECT_EQ(ParamRowByName("f^2(t): q0"), 12);
    EXPECT_EQ(ParamRowByName("R0"), 436);
    EXPECT_EQ(ParamRowByName(QStringLiteral("----- Основные -----")), 86);
    EXPECT_EQ(ParamRowByName("---------------------------"), 431) << "the first of equal names";
    EXPECT_EQ(ParamRowByName("massflow"), kNoRow);
    EXPECT_EQ(ParamRowByName(""), kNoRow);
    EXPECT_EQ(ParamRowByName(static_cast<const char*>(nullptr)), kNoRow);
    EXPECT_EQ(ParamName(86), QStringLiteral("----- Основные -----"));
}

TEST(ParamTable, ValueIdentifiersOfRows) {
    const int massFlow = ParamRowByName("MassFlow");
    EXPECT_EQ(RowValueId(massFlow), 301);
    EXPECT_EQ(RowRegCount(massFlow), 2);
    EXPECT_EQ(RowValueId(ParamRowByName("UnitMassFlow")), 314);
    EXPECT_EQ(RowRegCount(ParamRowByName("UnitMassFlow")), 1);
    for (int row : {0, 86, 433, 434, 453}) {
        EXPECT_EQ(RowValueId(row), -1) << row;
        EXPECT_EQ(RowRegCount(row), 0) << row;
    }
}

// Every lookup with any integer gives a value inside the table or its "none" answer. Run
// under AddressSanitizer this also shows that no lookup reads outside the arrays.
TEST(ParamTable, AnyIntegerIsSafe) {
    std::vector<int> args = {INT_MIN, INT_MIN + 1, -65536, INT_MAX - 1, INT_MAX, 65535, 65536};
    for (int v = -2000; v <= 4000; ++v) args.push_back(v);
    for (int v : args) {
        const int t = RegType(v);
        EXPECT_TRUE(t >= kTypeWord && t <= kTypeGroup) << v;
        const int row = RegRow(v);
        EXPECT_TRUE(row == kNoRow || IsParamRow(row)) << v;
        EXPECT_EQ(row == kNoRow, t == kTypeNone) << v;
        const int dsp = DspRow(v);
        EXPECT_TRUE(dsp == 0 || IsDspRow(dsp)) << v;
        if (!IsParamRow(v)) {
            for (int level : {1, 2, 3}) {
                EXPECT_FALSE(ParamVisibleAt(v, level)) << v;
                EXPECT_FALSE(ParamWritableAt(v, level)) << v;
            }
            EXPECT_TRUE(ParamTitle(v, 0).isEmpty() && ParamHint(v, 1).isEmpty()) << v;
            EXPECT_TRUE(ParamName(v).isEmpty()) << v;
            EXPECT_EQ(RowValueId(v), -1) << v;
        }
        EXPECT_FALSE(ParamVisibleAt(1, v) && (v < 1 || v > 3)) << "level " << v;
    }
}

}  // namespace
}  // namespace tarvix
