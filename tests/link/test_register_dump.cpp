// The register dump file: its text byte for byte, the checksum's wrap, and what loading makes
// of files edited by hand or not dumps at all.
#include "link/register_dump.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

QByteArray Line(int reg, int value) {
    return QByteArray::number(reg) + '=' + QByteArray::number(value);
}

TEST(RegisterDump, FileTextIsTheDumpSetWithWrappingChecksum) {
    DumpValues v{};
    v[0] = 65535;  // register 0
    v[1] = 2;      // register 1
    const QDateTime when(QDate(2026, 12, 9), QTime(17, 5, 0));
    const QByteArray text = DumpFileText(v, when, QLocale(QLocale::Russian));
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 1 + DumpSetSize + 3 + 1);  // the text ends with a line end
    for (int i = 0; i + 1 < lines.size(); ++i) ASSERT_TRUE(lines[i].endsWith('\r')) << i;
    EXPECT_EQ(lines[0], "[UserRegs]\r");
    EXPECT_EQ(lines[1], Line(0, 65535) + '\r');
    EXPECT_EQ(lines[2], Line(1, 2) + '\r');
    EXPECT_EQ(lines[DumpSetSize], Line(1795, 0) + '\r');
    // 65535 + 2 wraps to 1.
    EXPECT_EQ(lines[DumpSetSize + 1], "CheckSum=1\r");
    EXPECT_EQ(lines[DumpSetSize + 2], "[Config]\r");
    EXPECT_EQ(lines[DumpSetSize + 3], "DateTime=09.12.2026 17:05:00\r");
}

TEST(RegisterDump, LoadingChecksTheSumAndCountsMissingKeysAsTwo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.mbr"));
    DumpValues v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<std::uint16_t>(i * 97);
    const QByteArray good = DumpFileText(v, QDateTime::currentDateTime());
    const QByteArray reg5 = "\r\n" + Line(5, v[5]) + "\r\n";
    const struct {
        const char* what;
        QByteArray text;
        DumpLoadStatus status;
    } cases[] = {
        {"as written", good, DumpLoadStatus::Ok},
        {"a value edited", QByteArray(good).replace(reg5, "\r\n5=1\r\n"),
         DumpLoadStatus::WrongChecksum},
        {"no checksum", QByteArray(good).replace("CheckSum=", "X="), DumpLoadStatus::NoChecksum},
        {"empty", QByteArray(), DumpLoadStatus::NoChecksum},
        {"binary", QByteArray("\x00\x01\xfe\xff[UserRegs]\x00", 15), DumpLoadStatus::NoChecksum},
        // A key that is not a number counts as missing: 2, and the sum no longer matches.
        {"a key not a number", QByteArray(good).replace(reg5, "\r\n5=abc\r\n"),
         DumpLoadStatus::WrongChecksum},
        // The first of two equal keys counts, as in every INI file of the program.
        {"a duplicate key after", QByteArray(good).replace(reg5, reg5 + "5=7\r\n"),
         DumpLoadStatus::Ok},
        {"registers beyond the image",
         QByteArray(good).replace("CheckSum=", "1796=5\r\n65536=9\r\nCheckSum="),
         DumpLoadStatus::Ok},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + good, DumpLoadStatus::Ok},
        {"too large for a dump", good + QByteArray(kMaxDumpFileBytes, ';'),
         DumpLoadStatus::Unreadable},
    };
    for (const auto& c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        const DumpLoad load = LoadDumpFile(path);
        EXPECT_EQ(load.Status, c.status) << c.what;
        if (load.ok()) {
            EXPECT_EQ(load.Values, v) << c.what;
        }
    }

    // Missing keys read as 2 and are listed; with the checksum of those values the file loads.
    DumpValues w = v;
    w[5] = 2;
    QByteArray sparse = DumpFileText(w, QDateTime::currentDateTime());
    sparse.replace("\r\n" + Line(5, 2) + "\r\n", "\r\n");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(sparse);
    f.close();
    const DumpLoad load = LoadDumpFile(path);
    EXPECT_TRUE(load.ok());
    EXPECT_EQ(load.Missing, std::vector<int>{5});
    EXPECT_EQ(LoadDumpFile(dir.path()).Status, DumpLoadStatus::Unreadable);
}

}  // namespace
}  // namespace tarvix
