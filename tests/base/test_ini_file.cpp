// The INI file object: what the settings, configuration and dump files rely on.
#include "base/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tarvix {
namespace {

class IniFileTest : public ::testing::Test {
  protected:
    QString Path(const QString& name = u"t.ini"_s) const { return dir_.filePath(name); }

    void Put(const QByteArray& bytes, const QString& name = u"t.ini"_s) const {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray Get(const QString& name = u"t.ini"_s) const {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir_;
};

TEST_F(IniFileTest, MissingFileGivesDefaultsUntilTheFirstWriteCreatesIt) {
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadString(u"ComPort"_s, u"ComNumber"_s, u"COM1"_s), u"COM1"_s);
    EXPECT_EQ(ini.ReadInteger(u"ComPort"_s, u"BaudRate"_s, 9600), 9600);
    EXPECT_TRUE(ini.ReadBool(u"Settings"_s, u"X"_s, true));
    EXPECT_TRUE(ini.ReadSection(u"ComPort"_s).isEmpty());
    EXPECT_TRUE(ini.EraseSection(u"ComPort"_s));
    EXPECT_FALSE(QFile::exists(Path()));

    ASSERT_TRUE(ini.WriteInteger(u"ComPort"_s, u"BaudRate"_s, 19200));
    EXPECT_EQ(Get(), "[ComPort]\r\nBaudRate=19200\r\n");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndNamesCompareWithoutCase) {
    Put("[ComPort]\nBaudRate= 9600  \n\t Address = 7\r\n");
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadString(u"ComPort"_s, u"BaudRate"_s, {}), u"9600"_s);
    EXPECT_EQ(ini.ReadInteger(u"comport"_s, u"ADDRESS"_s, 0), 7);
    ASSERT_TRUE(ini.WriteString(u"Settings"_s, u"Key"_s, u" 9600"_s));
    EXPECT_EQ(ini.ReadString(u"settings"_s, u"KEY"_s, {}), u"9600"_s);

    // Rewriting in another case changes the one key, keeping the file's spelling.
    ASSERT_TRUE(ini.WriteInteger(u"COMPORT"_s, u"baudrate"_s, 115200));
    EXPECT_EQ(ini.ReadSection(u"ComPort"_s), (QStringList{u"BaudRate"_s, u"Address"_s}));
    EXPECT_EQ(ini.ReadInteger(u"ComPort"_s, u"BaudRate"_s, 0), 115200);
}

TEST_F(IniFileTest, CyrillicIsWindows1251OnDisk) {
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteString(u"Профиль"_s, u"Имя"_s, u"Расход"_s));
    EXPECT_EQ(Get(), "[\xCF\xF0\xEE\xF4\xE8\xEB\xFC]\r\n\xC8\xEC\xFF=\xD0\xE0\xF1\xF5\xEE\xE4\r\n");
    EXPECT_EQ(IniFile(Path()).ReadString(u"профиль"_s, u"ИМЯ"_s, {}), u"Расход"_s);
}

TEST_F(IniFileTest, IntegersAreSignedDecimalAndAnythingElseIsTheDefault) {
    const struct {
        QByteArray text;
        int expected;
    } cases[] = {
        // clang-format off
        {"123", 123}, {"-5", -5}, {"+7", 7}, {"007", 7}, {" 42 ", 42},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", -1}, {"99999999999999999999", -1}, {"abc", -1}, {"", -1}, {"12a", -1},
        {"1 2", -1}, {"0x10", -1}, {"-", -1}, {"+", -1}, {"1.5", -1}, {"\xB3", -1},
        // clang-format on
    };
    for (const auto& c : cases) {
        Put("[S]\r\nk=" + c.text + "\r\n");
        EXPECT_EQ(IniFile(Path()).ReadInteger(u"S"_s, u"k"_s, -1), c.expected) << c.text.data();
    }
    const struct {
        const char* text;
        bool def;
        bool expected;
    } bools[] = {{"1", false, true},  {"0", true, false},  {"5", false, true},
                 {"-1", false, true}, {"abc", true, true}, {"abc", false, false}};
    for (const auto& c : bools) {
        Put(QByteArray("[S]\r\nb=") + c.text + "\r\n");
        EXPECT_EQ(IniFile(Path()).ReadBool(u"S"_s, u"b"_s, c.def), c.expected) << c.text;
    }
}

TEST_F(IniFileTest, WritesKeepTheLayoutOfTheFile) {
    Put("; settings\n[A]\nx=1\ny=2\n\n[B]\nz=3\n");
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteInteger(u"A"_s, u"x"_s, 10));  // in place
    ASSERT_TRUE(ini.WriteInteger(u"A"_s, u"w"_s, 4));   // after the last key of A
    ASSERT_TRUE(ini.WriteBool(u"C"_s, u"v"_s, true));   // new section at the end
    EXPECT_EQ(Get(),
              "; settings\r\n[A]\r\nx=10\r\ny=2\r\nw=4\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nv=1\r\n");
    EXPECT_EQ(ini.ReadSection(u"A"_s), (QStringList{u"x"_s, u"y"_s, u"w"_s}));
}

TEST_F(IniFileTest, EraseSectionRemovesEveryPartOfIt) {
    Put("[A]\r\nx=1\r\n[B]\r\ny=2\r\n; note\r\n[a]\r\nz=3\r\n");
    IniFile ini(Path());
    ASSERT_TRUE(ini.EraseSection(u"a"_s));
    EXPECT_TRUE(ini.ReadSection(u"A"_s).isEmpty());
    EXPECT_FALSE(ini.SectionExists(u"A"_s));
    EXPECT_EQ(Get(), "[B]\r\ny=2\r\n; note\r\n");
    // Recreating and erasing a section again and again does not pile up empty lines.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(ini.WriteInteger(u"P"_s, u"0"_s, i));
        ASSERT_TRUE(ini.EraseSection(u"P"_s));
    }
    EXPECT_EQ(Get(), "[B]\r\ny=2\r\n; note\r\n\r\n");
}

TEST_F(IniFileTest, EveryObjectSeesEveryWriteAtOnce) {
    IniFile a(Path());
    IniFile b(Path());
    EXPECT_EQ(b.ReadInteger(u"S"_s, u"k"_s, -1), -1);
    for (int v : {1, 2, 3}) {  // same size each time: only the write itself tells b
        ASSERT_TRUE(a.WriteInteger(u"S"_s, u"k"_s, v));
        EXPECT_EQ(b.ReadInteger(u"S"_s, u"k"_s, -1), v);
    }
    ASSERT_TRUE(b.WriteInteger(u"S"_s, u"k"_s, 9));
    EXPECT_EQ(a.ReadInteger(u"S"_s, u"k"_s, -1), 9);
    Put("[S]\r\nk=12345\r\n");  // changed by an editor
    EXPECT_EQ(a.ReadInteger(u"S"_s, u"k"_s, -1), 12345);
}

// Files the program did not write: they load, and what can be read is read.
TEST_F(IniFileTest, OddFilesLoadAndReadSensibly) {
    static const char kNul[] = "[S]\r\nk=a\0b\r\n\0\0\r\n";
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919) % 256));
    const struct {
        const char* name;
        QByteArray bytes;
        QString k;  // value of S/k, empty when absent
        QStringList keys;
    } cases[] = {
        {"garbage", garbage, {}, {}},
        {"nul bytes", QByteArray(kNul, sizeof kNul - 1), u"a\0b"_s, {u"k"_s}},
        {"no sections", "k=1\r\nj=2\r\n", {}, {}},
        {"keys before the first section", "k=0\r\n[S]\r\nk=1\r\n", u"1"_s, {u"k"_s}},
        {"no final line end", "[S]\r\nk=v", u"v"_s, {u"k"_s}},
        {"duplicate key, first wins", "[S]\nk=1\nk=2\nj=3\n", u"1"_s, {u"k"_s, u"j"_s}},
        {"comments and junk", "[S]\n;k=0\n=x\nnoequals\n[\n[]\nk=1\n", {}, {}},
        {"utf-8 bom", "\xEF\xBB\xBF[S]\nk=\xD0\xAF\n", u"Я"_s, {u"k"_s}},
        {"very long line",
         "[S]\r\nk=" + QByteArray(1 << 20, 'x') + "\r\n",
         QString(1 << 20, u'x'),
         {u"k"_s}},
        {"bare CR", "[S]\rk=1\r", {}, {}},
    };
    for (const auto& c : cases) {
        Put(c.bytes);
        IniFile ini(Path());
        EXPECT_EQ(ini.ReadString(u"S"_s, u"k"_s, {}), c.k) << c.name;
        EXPECT_EQ(ini.ReadSection(u"S"_s), c.keys) << c.name;
        ASSERT_TRUE(ini.WriteString(u"S"_s, u"k"_s, u"new"_s)) << c.name;
        EXPECT_EQ(IniFile(Path()).ReadString(u"S"_s, u"k"_s, {}), u"new"_s) << c.name;
        EXPECT_TRUE(Get().endsWith("\r\n")) << c.name;
    }
}

TEST_F(IniFileTest, NamesThatCouldNotBeReadBackAreRefused) {
    IniFile ini(Path());
    const std::pair<QString, QString> names[] = {{u""_s, u"k"_s},    {u"S"_s, u" "_s},
                                                 {u"a]b"_s, u"k"_s}, {u"S"_s, u"a=b"_s},
                                                 {u"S"_s, u";k"_s},  {u"S"_s, u"[k"_s}};
    for (const auto& [section, key] : names) {
        EXPECT_FALSE(ini.WriteString(section, key, u"v"_s))
            << section.toStdString() << "/" << key.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path()));
    // A value cannot smuggle in a second key.
    ASSERT_TRUE(ini.WriteString(u"S"_s, u"k"_s, u"1\r\nj=2"_s));
    EXPECT_EQ(ini.ReadSection(u"S"_s), QStringList{u"k"_s});
}

TEST_F(IniFileTest, ReplacingTheFileLeavesNoTemporaryFiles) {
    IniFile ini(Path());
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(ini.WriteInteger(u"S"_s, QString::number(i), i));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"t.ini"_s});
}

TEST_F(IniFileTest, AnUnwritablePlaceFailsTheWriteAndKeepsTheFile) {
    Put("[S]\r\nk=1\r\n", u"plain"_s);
    for (const QString& path : {Path(u"plain/t.ini"_s), Path(u"missing/t.ini"_s)}) {
        IniFile ini(path);
        EXPECT_FALSE(ini.WriteInteger(u"S"_s, u"k"_s, 2)) << path.toStdString();
        EXPECT_EQ(ini.ReadInteger(u"S"_s, u"k"_s, -1), -1);
    }
    EXPECT_EQ(Get(u"plain"_s), "[S]\r\nk=1\r\n");
}

TEST_F(IniFileTest, AReadOnlyFolderFailsTheWriteAndKeepsTheFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    Put("[S]\r\nk=1\r\n");
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    IniFile ini(Path());
    EXPECT_FALSE(ini.WriteInteger(u"S"_s, u"k"_s, 2));
    EXPECT_EQ(ini.ReadInteger(u"S"_s, u"k"_s, -1), 1);
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A dump writes every register key one call at a time inside an update, and loading it
// reads them back one at a time; the keys come back in the order written.
TEST_F(IniFileTest, ADumpOfSixHundredKeysRoundTrips) {
    IniFile dump(Path());
    {
        IniUpdate update(dump);
        for (int r = 0; r < 654; ++r) {
            ASSERT_TRUE(dump.WriteInteger(u"UserRegs"_s, QString::number(r), 65535 - r));
        }
    }
    IniFile load(Path());
    QStringList expected;
    for (int r = 0; r < 654; ++r) {
        ASSERT_EQ(load.ReadInteger(u"UserRegs"_s, QString::number(r), -1), 65535 - r);
        expected.append(QString::number(r));
    }
    EXPECT_EQ(load.ReadSection(u"UserRegs"_s), expected);
}

TEST_F(IniFileTest, AnUpdateReachesTheFileWhenItEndsAndOnlyThen) {
    Put("[S]\r\nk=1\r\n");
    IniFile writer(Path());
    IniFile other(Path());
    writer.BeginUpdate();
    ASSERT_TRUE(writer.WriteInteger(u"S"_s, u"k"_s, 2));
    writer.BeginUpdate();  // nested: only the outermost end writes
    ASSERT_TRUE(writer.WriteInteger(u"S"_s, u"j"_s, 3));
    EXPECT_TRUE(writer.EndUpdate());
    EXPECT_EQ(writer.ReadInteger(u"S"_s, u"k"_s, -1), 2);
    EXPECT_EQ(other.ReadInteger(u"S"_s, u"k"_s, -1), 1);
    EXPECT_EQ(Get(), "[S]\r\nk=1\r\n");
    EXPECT_TRUE(writer.EndUpdate());
    EXPECT_EQ(Get(), "[S]\r\nk=2\r\nj=3\r\n");
    EXPECT_EQ(other.ReadInteger(u"S"_s, u"j"_s, -1), 3);

    // A file that cannot be written: the end of the update says so.
    Put("", u"plain"_s);
    IniFile bad(Path(u"plain/t.ini"_s));
    bad.BeginUpdate();
    EXPECT_TRUE(bad.WriteInteger(u"S"_s, u"k"_s, 1));
    EXPECT_FALSE(bad.EndUpdate());
    EXPECT_EQ(bad.ReadInteger(u"S"_s, u"k"_s, -1), -1);
}

}  // namespace
}  // namespace tarvix
