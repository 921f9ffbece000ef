// The point tables without widgets: the key filter, compaction and insertion of the
// correction grid, the checks before a write with their exact messages, the sort, and the
// write lists in the order the device must see them.
#include "base/user_error.h"
#include "model/register_ids.h"
#include "pages/page_requests.h"
#include "pages/point_tables.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

constexpr QChar kSep = u'.';

PointCells Rows(std::initializer_list<PointRow> rows) {
    PointCells cells(rows);
    cells.resize(kPwlPoints, {QStringLiteral("0.0"), QStringLiteral("0.0")});
    return cells;
}
PointRow R(const char* a, const char* b) { return {QString::fromUtf8(a), QString::fromUtf8(b)}; }

TEST(PointTables, KeyFilterKeepsNumbersAndTheSystemSeparator) {
    const struct {
        QChar typed;
        std::optional<QChar> kept;
    } cases[] = {{u'7', u'7'},         {u'-', u'-'},
                 {u',', kSep},         {u'.', kSep},
                 {u'\b', u'\b'},       {u'a', std::nullopt},
                 {u'e', std::nullopt}, {u'+', std::nullopt},
                 {u' ', std::nullopt}, {QChar(0x0663), std::nullopt}};  // an Arabic-Indic 3
    for (const auto& c : cases)
        EXPECT_EQ(FilterTableKey(c.typed, kSep), c.kept) << int{c.typed.unicode()};
    EXPECT_EQ(FilterTableKey(u'.', u','), QChar(u','));
}

TEST(PointTables, CompactionAndInsertionOfCorrectionRows) {
    const PointCells full = Rows({R("0.1", "1"), R("0.2", "2"), R("0.3", "3"), R("0.4", "4"),
                                  R("0.5", "5"), R("0.6", "6"), R("0.7", "7"), R("0.8", "8")});
    struct Case {
        const char* what;
        PointCells before;
        std::function<bool(PointCells&)> act;
        bool done;
        PointCells after;
    };
    const Case cases[] = {
        {"a cleared flow closes its row, the last one gets zeros",
         Rows({R("0.1", "1"), R("", "2"), R("0.3", "3"), R("0.4", "4")}),
         [](PointCells& c) {
             CompactPwl(c, kSep);
             return true;
         },
         true, Rows({R("0.1", "1"), R("0.3", "3"), R("0.4", "4")})},
        {"an empty correction too, and two empty rows in a row",
         Rows({R("", ""), R("0.2", ""), R("0.3", "3")}),
         [](PointCells& c) {
             CompactPwl(c, kSep);
             return true;
         },
         true, Rows({R("0.3", "3")})},
        {"insert opens an empty row when the last holds no point",
         Rows({R("0.1", "1"), R("0.3", "3")}), [](PointCells& c) { return InsertPwlRow(c, 1); },
         true, Rows({R("0.1", "1"), R("", ""), R("0.3", "3")})},
        {"insert refuses when the last row holds a point", full,
         [](PointCells& c) { return InsertPwlRow(c, 0); }, false, full},
    };
    for (const Case& c : cases) {
        PointCells cells = c.before;
        EXPECT_EQ(c.act(cells), c.done) << c.what;
        EXPECT_EQ(cells, c.after) << c.what;
    }
}

TEST(PointTables, ChecksBeforeAWriteSayWhatIsWrong) {
    const QString fifty(50, u'9');
    struct Case {
        PointCells cells;
        const char* count;
        PwlCheck::Failure fail;
        QString message;
        int row = -1, column = -1;
    };
    using F = PwlCheck::Failure;
    const Case cases[] = {
        {Rows({}), "9", F::Count, QStringLiteral("9 выходит за пределы допустимых значений: 0..8")},
        {Rows({}), "", F::Count, QStringLiteral("Недопустимое значение: ")},
        {Rows({}), "2,5", F::Count, QStringLiteral("Недопустимое значение: 2,5")},
        {Rows({R("1", "0")}), "1", F::Cell, QStringLiteral("Недопустимое значение: 1"), 0, 0},
        {Rows({R("0.2", "1"), R("0", "1")}), "2", F::Cell,
         QStringLiteral("Недопустимое значение: 0"), 1, 0},
        {Rows({R("0.2", "1500")}), "1", F::Cell,
         QStringLiteral("1500 выходит за пределы допустимых значений: -1000..1000"), 0, 1},
        {Rows({R("1e999", "0")}), "1", F::Cell, QStringLiteral("Недопустимое значение: 1e999"), 0,
         0},
        {Rows({R("0.5", "NaN")}), "1", F::Cell, QStringLiteral("Недопустимое значение: NaN"), 0, 1},
        {Rows({R("0.5", "1")}), "1", F::None, {}},
        {Rows({{fifty, QStringLiteral("0")}}), "1", F::Cell,
         fifty + QStringLiteral(" выходит за пределы допустимых значений: 0..1"), 0, 0},
        // Rows beyond the count are written too: they must hold numbers.
        {Rows({R("0.5", "1"), R("abc", "0")}), "1", F::Cell,
         QStringLiteral("Недопустимое значение: abc"), 1, 0},
    };
    for (const Case& c : cases) {
        const PwlCheck check = CheckPwl(c.cells, QString::fromUtf8(c.count), kSep);
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(check.Fail, c.fail);
        EXPECT_EQ(check.Message, c.message);
        EXPECT_EQ(check.Row, c.row);
        EXPECT_EQ(check.Column, c.column);
    }
}

TEST(PointTables, PointsOutOfOrderAreSortedWithTheirCorrections) {
    PointCells cells = Rows({R("0,5", "10"), R("0.2", "-5"), R("0.8", "3")});
    const PwlCheck check = CheckPwl(cells, u"3", kSep);
    ASSERT_EQ(check.Fail, PwlCheck::Failure::None);
    EXPECT_TRUE(check.Unsorted);
    SortPwl(cells, check.Count, kSep);
    EXPECT_EQ(cells, Rows({R("0.2", "-5"), R("0,5", "10"), R("0.8", "3")}));
    // Equal neighbours are in order.
    EXPECT_FALSE(CheckPwl(Rows({R("0.2", "1"), R("0.2", "2")}), u"2", kSep).Unsorted);
}

TEST(PointTables, WriteListsRunKeyValuesLockAndMethodCountTable) {
    RegisterImage image;
    image.ModbusRegs[mrCUR_SN] = 5207;
    ModbusList op;
    const PwlCheck check = CheckPwl(Rows({R("0.2", "-5"), R("0.5", "10")}), u"2", kSep);
    AppendPwlWrite(op, image, check);
    ASSERT_EQ(op.Len, 2 + 2 * kPwlPoints + 1);
    // Executed from the last entry: the key, the count, the values, then 0 locks again.
    EXPECT_EQ(op.Start[op.Len - 1], kAccessKeyRegister);
    EXPECT_EQ(op.Values[op.Slot[op.Len - 1]], AccessKey(image));
    EXPECT_EQ(op.Start[op.Len - 2], mrCount_LinearInterpolation);
    EXPECT_EQ(op.Values[op.Slot[op.Len - 2]], 2);
    EXPECT_EQ(op.Start[1], mrPointInterpolation1);
    EXPECT_EQ(op.Start[0], kAccessKeyRegister);
    EXPECT_EQ(op.Values[op.Slot[0]], 0);
    EXPECT_FLOAT_EQ(image.ReadFloat(mrPointInterpolation2H), 0.5f);

    // A density table left as read sends only the method and the count.
    ModbusList fluid;
    AppendDensityWrite(fluid, image, Fluid::Carrier, std::nullopt, 6, 1);
    ASSERT_EQ(fluid.Len, 2);
    EXPECT_EQ(fluid.Start[1], mrCF_ApproximationMethod);
    EXPECT_EQ(fluid.Start[0], mrCF_PWLTable_PointsCount);

    PointCells table(kDensityPoints);
    table[19] = R("-274", "1");
    try {
        ParseDensityCells(table, kSep);
        ADD_FAILURE() << "a temperature below absolute zero was taken";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("-274 выходит за пределы допустимых значений: -273..1000"));
    }
}

}  // namespace
}  // namespace tarvix
