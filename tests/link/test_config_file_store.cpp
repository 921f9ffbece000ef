// The configuration file store on files the program did not write: what loads, what is
// refused, what a file-mode read and write make of them, and a write the full disk refuses.
#include "link/config_file_store.h"

#include "link/protocol.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>

#include <sys/resource.h>

namespace tarvix {
namespace {

constexpr int kReg = 704;  // SumMode1, a word in the dump set

// A file holding value(r) for every register of the dump set and the checksum of what
// value(r) means to a reader (text that is no number counts as 2).
QByteArray FileText(const std::function<QByteArray(int)>& value, bool withSum = true,
                    const QByteArray& extraKeys = {}) {
    QByteArray text = "[UserRegs]\r\n" + extraKeys;
    std::uint16_t sum = 0;
    for (const int r : DumpSet) {
        const QByteArray v = value(r);
        bool number = false;
        const int n = v.toInt(&number);
        sum = static_cast<std::uint16_t>(sum + (number ? n & 0xFFFF : 2));
        text += QByteArray::number(r) + '=' + v + "\r\n";
    }
    if (withSum) text += "CheckSum=" + QByteArray::number(sum) + "\r\n";
    return text + "[Config]\r\nDateTime=01.02.2020 10:20:30\r\n";
}

QByteArray Plain(int r) { return QByteArray::number(r * 7 % 1000); }
std::function<QByteArray(int)> With704(QByteArray v) {
    return [v](int r) { return r == kReg ? v : Plain(r); };
}

struct Store {
    std::unique_ptr<RegisterImage> image = std::make_unique<RegisterImage>();
    ConfigFileStore store{*image, QLocale(QLocale::German)};
};

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Get(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One entry of a list: a read of count registers from start, or a write of start.
std::uint8_t Entry(ConfigFileStore& s, std::uint8_t func, int start, int count,
                   ModbusList* out = nullptr) {
    auto L = std::make_unique<ModbusList>();
    L->Append(func, static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(count), 0, count);
    const std::uint8_t r = func == kFnReadHolding ? s.FileRead(*L, 0) : s.FileWrite(*L, 0);
    L->Result[0] = r;
    if (out) out->CopyFrom(*L);
    return r;
}

TEST(ConfigFileStore, FilesFromElsewhereLoadOnlyWithTheirChecksumAndStayLoadableAfterAWrite) {
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 37 % 251);
    const QByteArray huge = "[UserRegs]\r\n" + QByteArray("a=b\r\n").repeated(2'200'000);
    const struct {
        const char* what;
        QByteArray bytes;
        int shown;  // the image's kReg after the load; -1: the file is refused
    } cases[] = {
        {"a complete file", FileText(Plain), 928},
        {"binary", binary, -1},
        {"empty", {}, -1},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + FileText(Plain), 928},
        {"10 MB of text", huge, -1},
        {"keys beyond 65535", FileText(Plain, true, "70000=5\r\n99999999999=1\r\n"), 928},
        {"a negative value", FileText(With704("-1")), 65535},
        {"a value beyond 16 bits", FileText(With704("70000")), 4464},
        {"a value that is no number", FileText(With704("abc")), 2},
        {"a duplicate key (the first counts)", FileText(Plain) + "[UserRegs]\r\n704=9\r\n", 928},
        {"every key but no CheckSum", FileText(Plain, false), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("c.mbr"));
        Put(path, c.bytes);
        Store s;
        QElapsedTimer t;
        t.start();
        const ConfigFileStore::LoadResult loaded = s.store.Load(path);
        EXPECT_LT(t.elapsed(), 1000) << "refused unread, not parsed";
        EXPECT_EQ(loaded.Loaded, c.shown >= 0);
        EXPECT_EQ(s.store.IsOpen(), c.shown >= 0);
        if (c.shown < 0) {
            EXPECT_EQ(Entry(s.store, kFnReadHolding, 0, 1), kResultNoFileData) << "no file open";
            continue;
        }
        EXPECT_EQ(s.image->ModbusRegs[kReg], c.shown);
        EXPECT_EQ(loaded.Changed, QDateTime(QDate(2020, 2, 1), QTime(10, 20, 30)));

        // A write that is never stamped (the save was cut short) leaves a loadable file.
        s.image->ModbusRegs[kReg] = 1234;
        ASSERT_EQ(Entry(s.store, kFnWriteHolding, kReg, 1), kResultOk);
        Store again;
        ASSERT_TRUE(again.store.Load(path).Loaded);
        EXPECT_EQ(again.image->ModbusRegs[kReg], 1234);
        if (c.bytes.contains("70000=5")) {
            EXPECT_TRUE(Get(path).contains("\r\n70000=5\r\n")) << "keys nobody knows are kept";
        }
    }
}

TEST(ConfigFileStore, AReadFailsAsAWholeWhereTheFileLacksAKey) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.mbr"));
    Put(path, FileText(With704("abc")));
    Store s;
    ASSERT_TRUE(s.store.Load(path).Loaded);
    // 1697..1699 belong to no parameter: a merged read bridging them gets nothing.
    const struct {
        int start, count;
        std::uint8_t result;
    } cases[] = {{kReg - 1, 3, kResultNoFileData},
                 {1690, 16, kResultNoFileData},
                 {1690, 7, kResultOk},
                 {1700, 6, kResultOk}};
    for (const auto& c : cases) {
        auto L = std::make_unique<ModbusList>();
        EXPECT_EQ(Entry(s.store, kFnReadHolding, c.start, c.count, L.get()), c.result) << c.start;
        for (int i = 0; i < c.count; ++i) {
            const bool lacking = c.start + i == kReg || (c.start + i > 1696 && c.start + i < 1700);
            EXPECT_EQ(L->Stamps[static_cast<std::size_t>(i)] > 0, !lacking) << c.start + i;
        }
    }
}

TEST(ConfigFileStore, AWriteTheFullDiskRefusesChangesNothingAndTheImageTakesTheFileBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.mbr"));
    Put(path, FileText(Plain));
    Store s;
    ASSERT_TRUE(s.store.Load(path).Loaded);
    const QByteArray before = Get(path);
    s.image->ModbusRegs[kReg] = 1234;  // the page's new value, put there before the write

    std::signal(SIGXFSZ, SIG_IGN);  // a file beyond the size limit fails with EFBIG instead
    const rlimit full{4096, RLIM_INFINITY}, none{RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &full);
    auto L = std::make_unique<ModbusList>();
    const std::uint8_t written = Entry(s.store, kFnWriteHolding, kReg, 1, L.get());
    const bool stamped = s.store.StampConfigFile(*L);
    setrlimit(RLIMIT_FSIZE, &none);

    EXPECT_EQ(written, kResultFileNotWritten);
    EXPECT_TRUE(stamped) << "nothing was written, so no stamp was due";
    EXPECT_EQ(Get(path), before) << "the file is as it was, date included";
    EXPECT_EQ(s.image->ModbusRegs[kReg], 928) << "the image holds what the file holds";
}

}  // namespace
}  // namespace tarvix
