// The port list: which tty devices count as present, the order the list shows them in, and
// the names the enumeration gives on this machine.
#include "connect/port_enumeration.h"

#include "link/com_setup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

// A /sys/class/tty of our own: name -> content of its "type" file (nullptr: no such file).
class FakeSysfs {
  public:
    void Add(const char* name, const char* type) {
        const QString folder = dir_.filePath(QString::fromUtf8(name));
        QDir().mkpath(folder);
        if (!type) return;
        QFile f(folder + QStringLiteral("/type"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(type);
    }
    QString Root() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

TEST(PortPresent, EmptyUartSlotsAreLeftOutEverythingElseStays) {
    FakeSysfs sys;
    struct {
        const char* name;
        const char* type;
        bool present;
    } cases[] = {
        {"ttyS0", "4\n", true},   // a 16550A on the board
        {"ttyS1", "0\n", false},  // a slot the 8250 driver reserves, no chip
        {"ttyS2", "0", false},
        {"ttyAMA0", "83\n", true},   // the UART of a single-board computer
        {"ttyUSB0", nullptr, true},  // USB adapters have no UART type
        {"ttyACM0", nullptr, true},
        {"ttyS3", "garbage\n", true},  // unreadable: not ours to hide
        {"ttyS4", "", true},
    };
    for (const auto& c : cases) sys.Add(c.name, c.type);
    for (const auto& c : cases)
        EXPECT_EQ(PortPresent(QString::fromUtf8(c.name), sys.Root()), c.present) << c.name;
    EXPECT_TRUE(PortPresent(QStringLiteral("ttyUSB7"), sys.Root())) << "not in sysfs at all";
    EXPECT_FALSE(PortPresent(QString(), sys.Root()));
}

TEST(PortNameLess, NumbersCompareAsNumbers) {
    const char* ordered[] = {"rfcomm0", "ttyACM0", "ttyACM2",  "ttyAMA0", "ttyS",
                             "ttyS0",   "ttyS1",   "ttyS2",    "ttyS10",  "ttyUSB0",
                             "ttyUSB1", "ttyUSB9", "ttyUSB10", "ttyUSB11"};
    const int n = static_cast<int>(std::size(ordered));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const QString a = QString::fromUtf8(ordered[i]);
            const QString b = QString::fromUtf8(ordered[j]);
            EXPECT_EQ(PortNameLess(a, b), i < j) << ordered[i] << " < " << ordered[j];
        }
    }
    // Same number written two ways: still a strict order, so sorting is stable.
    EXPECT_NE(PortNameLess(QStringLiteral("ttyS01"), QStringLiteral("ttyS1")),
              PortNameLess(QStringLiteral("ttyS1"), QStringLiteral("ttyS01")));
}

TEST(ArrangePortNames, FiltersDeduplicatesAndOrders) {
    FakeSysfs sys;
    sys.Add("ttyS0", "4");
    sys.Add("ttyS1", "0");
    sys.Add("ttyS2", "0");
    sys.Add("ttyS10", "4");
    const QStringList found = {QStringLiteral("ttyUSB10"), QStringLiteral("ttyS1"),
                               QStringLiteral("ttyUSB2"),  QStringLiteral("ttyS10"),
                               QStringLiteral("ttyS0"),    QStringLiteral("ttyS2"),
                               QStringLiteral("ttyUSB2"),  QStringLiteral("ttyACM0")};
    const QStringList expected = {QStringLiteral("ttyACM0"), QStringLiteral("ttyS0"),
                                  QStringLiteral("ttyS10"), QStringLiteral("ttyUSB2"),
                                  QStringLiteral("ttyUSB10")};
    EXPECT_EQ(ArrangePortNames(found, sys.Root()), expected);
    EXPECT_TRUE(ArrangePortNames({}, sys.Root()).isEmpty());
}

// On the machine the tests run on: whatever is listed is a device that exists, in list
// order, and opens by the name the settings file would store.
TEST(LinuxPortEnumerator, ListsExistingDevicesByBareName) {
    const QStringList names = LinuxPortEnumerator().PortNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        EXPECT_FALSE(name.contains(QLatin1Char('/'))) << name.toStdString();
        EXPECT_TRUE(QFileInfo::exists(PortDevicePath(name))) << name.toStdString();
        EXPECT_TRUE(PortPresent(name, QStringLiteral("/sys/class/tty"))) << name.toStdString();
        if (i > 0) {
            EXPECT_TRUE(PortNameLess(names[i - 1], name)) << name.toStdString();
        }
    }
    EXPECT_EQ(MakePlatformPortEnumerator()->PortNames(), names);
}

}  // namespace
}  // namespace tarvix
