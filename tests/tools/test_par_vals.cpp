// The register polling page's widget-free core: profiles in the settings file (names of any
// kind, a file edited by hand, a restart), the recording file when its disk or folder fails,
// and recordings of any shape loaded back into the table.
#include "base/ini_file.h"
#include "base/text_file.h"
#include "model/param_table.h"
#include "tools/par_vals_profiles.h"
#include "tools/par_vals_recording.h"
#include "tools/par_vals_selection.h"
#include "tools/par_vals_table_model.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tarvix {
namespace {

int Row(const char* name) { return ParamRowByName(name); }

// Every line of the settings file, so a test sees what a user opening it would.
QStringList Lines(const QString& path) {
    return QString::fromLatin1(ReadFileBytes(path).value_or(QByteArray()))
        .split(u"\r\n"_s, Qt::SkipEmptyParts);
}

class Profiles : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(u"Tarvix.ini"_s);
};

TEST_F(Profiles, NamesOfAnyKindAreKeptOrRefusedWithoutHarmToTheFile) {
    {
        IniFile ini(path_);
        ASSERT_TRUE(ini.WriteString(u"ComPort"_s, u"ComNumber"_s, u"ttyUSB0"_s));
    }
    const std::vector<int> rows{Row("MassFlow"), Row("SumUnit1")};
    struct Case {
        QString name;
        bool kept;
    };
    const Case cases[] = {
        {u"a=b"_s, true},
        {u"x;y"_s, true},
        {u"\"quoted\""_s, true},
        {u"Проф 1"_s, true},
        {u"  padded  "_s, true},
        {u"[x"_s, false},
        {u"x]"_s, false},
        {u";comment"_s, false},
        {QString(300, u'n'), false},
        {u"   "_s, false},
        {u"Profiles"_s, false},
        {u"comport"_s, false},  // the port's section: deleting the profile would erase it
    };
    IniFile ini(path_);
    ParValsProfiles profiles(ini);
    QStringList expected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QByteArray before = ReadFileBytes(path_).value_or(QByteArray());
        EXPECT_EQ(profiles.Refusal(c.name).isEmpty(), c.kept);
        EXPECT_EQ(profiles.Save(c.name, rows, 1, 2), c.kept);
        if (c.kept) {
            expected << c.name.trimmed();
        } else {
            EXPECT_EQ(ReadFileBytes(path_).value_or(QByteArray()), before);
        }
    }
    // A restart: a new object on the same file lists the names and loads each one.
    IniFile again(path_);
    ParValsProfiles reread(again);
    EXPECT_EQ(reread.Names(), expected);
    for (const QString& name : expected) {
        const ParValsProfile p = reread.Load(name);
        EXPECT_EQ(p.Rows, rows) << name.toStdString();
        EXPECT_EQ(p.RedIndex, 1);
        EXPECT_EQ(p.BlueIndex, 2);
    }
    EXPECT_EQ(again.ReadString(u"ComPort"_s, u"ComNumber"_s, QString()), u"ttyUSB0"_s);
}

TEST_F(Profiles, SavedReplacedAndDeletedKeyByKey) {
    IniFile ini(path_);
    ParValsProfiles profiles(ini);
    const int a = Row("MassFlow"), b = Row("Density"), c = Row("SumUnit1"), d = Row("FlowDamping"),
              e = Row("Temperature");
    ASSERT_TRUE(profiles.Save(u"first"_s, {a, b, c, d, e}, 0, 0));
    ASSERT_TRUE(profiles.Save(u"second"_s, {b}, 1, 0));
    ASSERT_TRUE(profiles.Save(u"third"_s, {c, a}, 2, 1));
    // Saved again with fewer parameters: the old fourth and fifth must not come back.
    ASSERT_TRUE(profiles.Save(u"first"_s, {a, b, c}, 3, 2));
    EXPECT_EQ(profiles.Load(u"first"_s).Rows, (std::vector<int>{a, b, c}));
    EXPECT_EQ(profiles.Names(), (QStringList{u"first"_s, u"second"_s, u"third"_s}));

    ASSERT_TRUE(profiles.Delete(0));
    const QStringList lines = Lines(path_);
    const QStringList expected{u"[second]"_s,         u"0=%1"_s.arg(b),     u"ComboRedIndex=1"_s,
                               u"ComboBlueIndex=0"_s, u"[third]"_s,         u"0=%1"_s.arg(c),
                               u"1=%1"_s.arg(a),      u"ComboRedIndex=2"_s, u"ComboBlueIndex=1"_s,
                               u"[Profiles]"_s,       u"0=second"_s,        u"1=third"_s};
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(profiles.Delete(2));
}

TEST_F(Profiles, AHandEditedFileGivesOnlyWhatCanBePolled) {
    const int group = [] {
        for (int r = 1; r < FirstDspRow; ++r)
            if (IsGroupRow(r)) return r;
        return 0;
    }();
    const int good = Row("MassFlow");
    const QByteArray text =
        "[Profiles]\r\n0=Ghost\r\n1=Mixed\r\n2=\r\n3=Lost\r\n"
        "[Mixed]\r\n0=99999\r\n1=" +
        QByteArray::number(group) + "\r\n2=-5\r\n3=" + QByteArray::number(good) +
        "\r\n4=" + QByteArray::number(good) + "\r\n5=x\r\n6=" + QByteArray::number(Row("Density")) +
        "\r\nComboRedIndex=77\r\nComboBlueIndex=-3\r\n";
    ASSERT_TRUE(WriteFileAtomic(path_, text));
    IniFile ini(path_);
    ParValsProfiles profiles(ini);
    EXPECT_EQ(profiles.Names(), (QStringList{u"Ghost"_s, u"Mixed"_s}));
    EXPECT_TRUE(profiles.Load(u"Ghost"_s).Rows.empty());
    const ParValsProfile mixed = profiles.Load(u"Mixed"_s);
    // "x" reads as 0 and ends the list, as a missing key does.
    EXPECT_EQ(mixed.Rows, (std::vector<int>{good}));
    EXPECT_EQ(mixed.RedIndex, kParValsPlaces);
    EXPECT_EQ(mixed.BlueIndex, 0);
}

TEST(Recording, FailuresAreReportedAndLeaveWholeLines) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"rec"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + u"/run.csv"_s;
    const QStringList header{u"Время"_s, u"MassFlow"_s, u""_s, u""_s, u""_s, u""_s, u""_s};
    ASSERT_TRUE(AppendRecordingLine(path, header));
    ASSERT_TRUE(AppendRecordingLine(path, {u"12:00:01"_s, u"1.5 kg"_s}));
    EXPECT_EQ(ReadFileBytes(path).value_or(QByteArray()),
              QByteArray("\xC2\xF0\xE5\xEC\xFF;MassFlow;;;;;\r\n12:00:01;\"1.5 kg\"\r\n"));
    // The folder goes while recording: the next line is refused, not written into a file
    // nobody can find.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_FALSE(AppendRecordingLine(path, header));
    EXPECT_FALSE(QFile::exists(path));
    // A full disk.
    if (QFile::exists(u"/dev/full"_s)) {
        EXPECT_FALSE(AppendRecordingLine(u"/dev/full"_s, header));
    }
}

std::unique_ptr<ParValsTableModel> Loaded(const QByteArray& bytes) {
    auto t = std::make_unique<ParValsTableModel>();
    t->LoadFile(bytes);
    return t;
}

TEST(RecordingFile, LoadsBackIdenticallyAndAnyShapeSafely) {
    ParValsTableModel t;
    const QStringList first = ParValsHeader(u"Время"_s, {Row("MassFlow"), Row("SumUnit1")});
    t.StartBlock(first);
    t.AppendRow({u"12:00:00"_s, u"1.25"_s, u"\"т\" x"_s, {}, {}, {}, {}});
    t.AppendRow({u"12:00:01"_s, u"-----"_s, u"кг"_s, {}, {}, {}, {}});
    const QStringList second = ParValsHeader(u"Время"_s, {Row("Density")});
    EXPECT_EQ(t.StartBlock(second), 4);
    t.AppendRow({u"12:00:02"_s, u"998.2"_s, {}, {}, {}, {}, {}});
    const QByteArray file = GridFileBytes(t);
    const auto loaded = Loaded(file);
    const ParValsTableModel& back = *loaded;
    ASSERT_EQ(back.RowCount(), t.RowCount());
    EXPECT_EQ(back.Row(0), second);  // the file's first line is the first header...
    for (int r = 1; r < t.RowCount(); ++r) {
        // ...and every row comes back; a quoted cell keeps its quotes, as the grids load it.
        QStringList expected = t.Row(r);
        if (r == 1) expected[2] = u"\"\"\"т\"\" x\""_s;
        EXPECT_EQ(back.Row(r), expected) << r;
    }
    EXPECT_EQ(back.LastHeaderRow(), 4);

    // More fields than columns end in the last cell; a stray quote is text.
    const auto wide = Loaded("h;a;b;c;d;e;f;g;h;i\r\n1;\"open;2\r\n");
    EXPECT_EQ(wide->Row(0).back(), u"i"_s);
    EXPECT_EQ(wide->Row(1), (QStringList{u"1"_s, u"\"open"_s, u"2"_s, {}, {}, {}, {}}));

    // A million lines: loaded whole, kept compact.
    QByteArray big = "Время;MassFlow;;;;;\r\n";
    big.reserve(30'000'000);
    for (int i = 0; i < 1'000'000; ++i) big += "12:00:00;" + QByteArray::number(i) + ";;;;;\r\n";
    const auto huge = Loaded(big);
    EXPECT_EQ(huge->RowCount(), 1'000'000 + 2);
    EXPECT_EQ(huge->Cell(1'000'000, 1), u"999999"_s);
}

TEST(Cells, OnlyNumbersAreDrawn) {
    float v = 0;
    EXPECT_TRUE(ParValsNumber(u"1,5"_s, u',', &v));
    EXPECT_FLOAT_EQ(v, 1.5f);
    for (const QString& text : {u"-----"_s, u"NaN"_s, u"кг/ч"_s, u""_s, u"3.40282347e+38"_s})
        EXPECT_FALSE(ParValsNumber(text, u'.', &v)) << text.toStdString();
}

}  // namespace
}  // namespace tarvix
