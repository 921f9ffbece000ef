// Where the program keeps its settings and logs: beside the executable of a copied, portable
// folder; in the user's data folder for an installed program, also when the bin folder is
// writable (as /usr/bin is for root), and for a folder nobody may write into.
#include "session/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(ProgramFolder, InstalledOrPortable) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString userData = root.filePath(QStringLiteral("home-data"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(userData));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvix"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvix"));
    const QString perUserFolder = userData + QStringLiteral("/Tarvix/Tarvix/");

    // A portable copy: the executable in a folder of its own.
    const QString portable = root.filePath(QStringLiteral("portable"));
    // An installation under a prefix: bin and its data folder with the marker, as
    // `cmake --install` and the package leave them.
    const QString bin = root.filePath(QStringLiteral("usr/bin"));
    const QString data = QDir::cleanPath(bin + QStringLiteral("/" TARVIX_DATA_FROM_BIN));
    ASSERT_TRUE(QDir().mkpath(portable) && QDir().mkpath(bin) && QDir().mkpath(data));
    QFile marker(data + QStringLiteral("/installed"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();

    const struct {
        const char* name;
        QString executableFolder;
        QString folder;  // settings and logs
        bool perUser;
        QString dataFolder;  // the language module
    } cases[] = {
        {"portable copy", portable, portable + QLatin1Char('/'), false,
         portable + QLatin1Char('/')},
        {"installed, bin writable", bin, perUserFolder, true, data + QLatin1Char('/')},
        {"nobody may write there", QStringLiteral("/proc"), perUserFolder, true,
         QStringLiteral("/proc/")},
    };
    for (const auto& c : cases) {
        bool perUser = !c.perUser;
        EXPECT_EQ(ChooseProgramFolder(c.executableFolder, &perUser).toStdString(),
                  c.folder.toStdString())
            << c.name;
        EXPECT_EQ(perUser, c.perUser) << c.name;
        EXPECT_EQ(ProgramDataFolder(c.executableFolder).toStdString(), c.dataFolder.toStdString())
            << c.name;
    }
    // The per-user folder was made, and nothing (not even a write probe) was left in bin.
    EXPECT_TRUE(QDir(perUserFolder).exists());
    EXPECT_TRUE(QDir(bin).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

}  // namespace
}  // namespace tarvix
