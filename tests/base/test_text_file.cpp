// File primitives: the atomic replace and the exclusively held append file.
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

TEST(MakeFolder, ExistingFolderIsFineAnythingElseIsAnError) {
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(MakeFolder(dir.filePath(u"Logs"_s), &error));
    EXPECT_TRUE(MakeFolder(dir.filePath(u"Logs"_s), &error));
    ASSERT_TRUE(WriteFileAtomic(dir.filePath(u"File"_s), "x"));
    EXPECT_FALSE(MakeFolder(dir.filePath(u"File"_s), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(MakeFolder(dir.filePath(u"a/b"_s), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(OpenExclusiveAppend, OneWriterAtATimeAppendingAtTheEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"day.txt"_s);
    ASSERT_TRUE(WriteFileAtomic(path, "old\r\n"));
    QString error;
    {
        auto first = OpenExclusiveAppend(path, &error);
        ASSERT_NE(first, nullptr) << error.toStdString();
        EXPECT_EQ(OpenExclusiveAppend(path, &error), nullptr);
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(first->Write("a\r\n"), 3);
        EXPECT_EQ(Get(path), "old\r\na\r\n");  // readers are not hindered
    }
    auto second = OpenExclusiveAppend(path, &error);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Write("b\r\n"), 3);
    EXPECT_EQ(Get(path), "old\r\na\r\nb\r\n");
}

}  // namespace
}  // namespace tarvix
