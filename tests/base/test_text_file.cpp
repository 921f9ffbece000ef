// File primitives: the replace that never leaves a half-written file.
#include "base/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tarvix {
namespace {

QByteArray Get(const QString& path) {
    return ReadFileBytes(path).value_or(QByteArray("<missing>"));
}

TEST(WriteFileAtomic, ReplacesContentKeepingRightsAndLinks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.ini"_s);
    ASSERT_TRUE(WriteFileAtomic(path, "one"));
    EXPECT_EQ(QFileInfo(path).permissions() & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                  QFileDevice::ReadOther);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(WriteFileAtomic(path, "two"));
    EXPECT_EQ(Get(path), "two");
    EXPECT_EQ(QFileInfo(path).permissions() & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    const QString link = dir.filePath(u"link.ini"_s);
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(WriteFileAtomic(link, "three"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Get(path), "three");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{u"a.ini"_s, u"link.ini"_s}));
}

TEST(WriteFileAtomic, FailureReportsTheReasonAndLeavesNothing) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(WriteFileAtomic(dir.filePath(u"no/such/a.ini"_s), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder in the way of the rename: the temporary file is removed again.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"busy"_s));
    ASSERT_TRUE(WriteFileAtomic(dir.filePath(u"busy/x"_s), "x"));
    EXPECT_FALSE(WriteFileAtomic(dir.filePath(u"busy"_s), "x", &error));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

}  // namespace
}  // namespace tarvix
