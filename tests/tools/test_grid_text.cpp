// The grid text files byte for byte: what a saved grid looks like, what a file of any shape
// does to a grid when loaded, and a recording of many samples read back from the live
// table's compact store.
#include "tools/grid_text.h"
#include "tools/live_table_model.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tarvix {
namespace {

// A grid of `columns` columns holding rows (the empty input row appended).
RowsGrid Grid(int columns, const GridRows& rows) {
    RowsGrid grid(columns, rows.value(0));
    GridRows all = rows;
    all.append(QStringList(columns, QString()));
    grid.SetRows(all);
    return grid;
}

struct SaveCase {
    const char* name;
    int columns;
    GridRows rows;  // without the empty input row
    QByteArray file;
};

TEST(GridFile, Saves) {
    const SaveCase cases[] = {
        {"header only", 3, {{u"a"_s, u"b"_s, u"c"_s}}, "a;b;c\r\n"},
        {"empty cells are empty fields",
         3,
         {{u"h"_s, u""_s, u""_s}, {u""_s, u"x"_s, u""_s}},
         "h;;\r\n;x;\r\n"},
        {"a blank quotes the cell", 2, {{u"1,5 kg"_s, u"2,5"_s}}, "\"1,5 kg\";2,5\r\n"},
        {"quotes doubled", 2, {{u"say \"hi\""_s, u"a\"b"_s}}, "\"say \"\"hi\"\"\";\"a\"\"b\"\r\n"},
        {"separator and control characters",
         3,
         {{u"a;b"_s, u"t\tab"_s, u"l\nf"_s}},
         "\"a;b\";\"t\tab\";\"l\nf\"\r\n"},
        {"a single empty cell", 1, {{u"x"_s}, {u""_s}}, "x\r\n\"\"\r\n"},
        {"Windows-1251, '?' for what it lacks",
         2,
         {{u"кг/ч"_s, u"€ ✓"_s}},
         "\xEA\xE3/\xF7;\"\x88 ?\"\r\n"},
    };
    for (const SaveCase& c : cases) {
        EXPECT_EQ(GridFileBytes(Grid(c.columns, c.rows)), c.file) << c.name;
    }
}

struct LoadCase {
    const char* name;
    GridRows before;  // the whole grid, empty input row included
    QByteArray file;
    GridRows after;
};

TEST(GridFile, Loads) {
    const QStringList empty3(3, QString());
    const GridRows header = {{u"A"_s, u"B"_s, u"C"_s}, empty3};
    const LoadCase cases[] = {
        {"rows added, an empty one last",
         header,
         "a;b;c\r\n1;2;3\r\n4;5;6\r\n",
         {{u"a"_s, u"b"_s, u"c"_s}, {u"1"_s, u"2"_s, u"3"_s}, {u"4"_s, u"5"_s, u"6"_s}, empty3}},
        {"quotes kept as text, wherever they are",
         header,
         "\"1,5 kg\";a\"b;\"\r\n",
         {{u"\"1,5 kg\""_s, u"a\"b"_s, u"\""_s}, empty3}},
        {"a last line without LF is read all the same",
         header,
         "a;b;c\n1;2;3",
         {{u"a"_s, u"b"_s, u"c"_s}, {u"1"_s, u"2"_s, u"3"_s}, empty3}},
        {"a file that is one unended cell", header, "x", {{u"x"_s, u"B"_s, u"C"_s}, empty3}},
        {"extra fields overwrite the last cell",
         header,
         "a;b;c;d;e\n",
         {{u"a"_s, u"b"_s, u"e"_s}, empty3}},
        {"a short line leaves the other cells",
         {{u"A"_s, u"B"_s, u"C"_s}, empty3},
         "x\n",
         {{u"x"_s, u"B"_s, u"C"_s}, empty3}},
        {"an empty file changes nothing", header, "", header},
        {"CR anywhere is ignored", header, "a\r;\rb\r\r\n", {{u"a"_s, u"b"_s, u"C"_s}, empty3}},
        {"every byte is a character",
         header,
         QByteArray("\x98\xFF;\0;\xEA\n", 7),
         {{u"\u0098я"_s, QString(QChar(0)), u"к"_s}, empty3}},
    };
    for (const LoadCase& c : cases) {
        GridRows rows = c.before;
        ReadGridFile(c.file, rows, 3);
        EXPECT_EQ(rows, c.after) << c.name;
    }
}

TEST(GridFile, SavedCellsComeBackIntoAClearedGrid) {
    const GridRows rows = {{u"t"_s, u"кг/ч"_s, u"°C"_s},
                           {u"12:00:01"_s, u"1,5"_s, u"-3.25"_s},
                           {u"12:00:02"_s, u""_s, u"\u0098"_s}};
    RowsGrid saved = Grid(3, rows);
    RowsGrid loaded = Grid(3, {{u"x"_s, u"y"_s, u"z"_s}, {u"old"_s, u"old"_s, u"old"_s}});
    loaded.ClearRows();
    GridRows into = RowsOf(loaded);
    ReadGridFile(GridFileBytes(saved), into, 3);
    EXPECT_EQ(into, RowsOf(saved));
}

TEST(GridFile, HundredThousandLinesAllArrive) {
    QByteArray file = "h1;h2\r\n";
    constexpr int kLines = 100000;
    for (int i = 1; i <= kLines; ++i)
        file += QByteArray::number(i) + ";v" + QByteArray::number(i) + "\r\n";
    GridRows rows = {{u"A"_s, u"B"_s}, {u""_s, u""_s}};
    ReadGridFile(file, rows, 2);
    ASSERT_EQ(rows.size(), kLines + 2);
    EXPECT_EQ(rows[1], (QStringList{u"1"_s, u"v1"_s}));
    EXPECT_EQ(rows[kLines], (QStringList{u"100000"_s, u"v100000"_s}));
    EXPECT_EQ(rows.back(), (QStringList{u""_s, u""_s}));
    EXPECT_EQ(GridFileBytes(Grid(2, rows.mid(0, rows.size() - 1))), file);
}

TEST(LiveTable, KeepsEverySampleAcrossItsBlocks) {
    LiveTableModel table;
    table.CheckUnits({5, 4, 0, 0, 1, 0});
    constexpr int kSamples = 3000;
    for (int i = 0; i < kSamples; ++i) {
        LiveTableModel::Texts values;
        for (int q = 0; q < kLiveQuantities; ++q)
            values[static_cast<std::size_t>(q)] = QString::number(i * 10 + q) + u" ±"_s;
        table.AppendRow(QTime(23, 59, 0).addSecs(i), values, {u"кг/ч"_s});
    }
    ASSERT_EQ(table.RowCount(), kSamples + 2);
    EXPECT_EQ(table.Row(0), (QStringList{u"чч:мм:сс"_s, u"кг/ч"_s, {}, {}, {}, {}, {}}));
    EXPECT_EQ(table.Row(1025), (QStringList{u"00:16:04"_s, u"10240 ±"_s, u"10241 ±"_s, u"10242 ±"_s,
                                            u"10243 ±"_s, u"10244 ±"_s, u"10245 ±"_s}));
    EXPECT_EQ(table.Row(kSamples + 1), QStringList(7, QString()));
    EXPECT_FALSE(table.CheckUnits({5, 4, 0, 0, 1, 0}));
    EXPECT_TRUE(table.CheckUnits({8, 4, 0, 0, 1, 0}));
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.Row(0)[1], u"кг/ч"_s);
}

}  // namespace
}  // namespace tarvix
