// The system's error texts in the interface language: glibc's Russian catalogue read directly,
// and catalogues that are damaged or none read without harm.
#include "base/system_error.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

namespace tarvix {
namespace {

const QString kRussianLibc = QStringLiteral("/usr/share/locale/ru/LC_MESSAGES/libc.mo");

TEST(SystemError, RussianFromTheSystemsCatalogue) {
    if (!QFile::exists(kRussianLibc)) GTEST_SKIP() << "no Russian glibc catalogue installed";
    // Without a language module the string table speaks Russian.
    EXPECT_EQ(SystemErrorText(EACCES), QStringLiteral("Отказано в доступе"));
    EXPECT_EQ(SystemErrorText(EBUSY), QStringLiteral("Устройство или ресурс занято"));
}

TEST(SystemError, DamagedCataloguesGiveNothing) {
    QTemporaryDir dir;
    QByteArray real;
    if (QFile file(kRussianLibc); file.open(QIODevice::ReadOnly)) real = file.readAll();
    // A header whose tables point far beyond the file.
    QByteArray farTables(20, '\0');
    const quint32 header[] = {0x950412de, 0, 1000, 0x7fffff00, 0x7fffff00};
    std::memcpy(farTables.data(), header, sizeof header);
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"text", QByteArray("Permission denied\n")},
        {"empty", QByteArray()},
        {"header only", farTables},
        {"cut short", real.left(real.size() / 2)},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        // The cut catalogue may still hold the text in its first half; it must not crash.
        const QString text = CatalogueText(path, QByteArrayLiteral("Permission denied"));
        if (QByteArray(c.name) != "cut short") {
            EXPECT_TRUE(text.isEmpty()) << c.name;
        }
    }
    EXPECT_TRUE(
        CatalogueText(dir.filePath(QStringLiteral("missing")), "Permission denied").isEmpty());
}

}  // namespace
}  // namespace tarvix
