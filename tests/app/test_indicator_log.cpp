// The indicator log against the simulated transmitter: a line per poll with the device's
// values and units, a header each time logging is switched on, a folder that cannot be made
// and a disk that fills up leave logging off with the lines already written intact.
#include "app/navigation.h"
#include "base/cp1251.h"
#include "model/register_ids.h"
#include "pages/catalogue.h"
#include "pages/value_service.h"
#include "tests/support/window_harness.h"
#include "tools/indicator_log.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include <bit>
#include <cmath>
#include <cstdint>

namespace tarvix {

class TestIndicatorLog : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;

    QAction* LogItem() { return w_.Find<QAction>("MenuLogInd"); }
    // Keeps a float of the device at value, whatever the simulated process computes.
    bool HoldFloat(int reg, float value) {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        return w_.Sim(QStringLiteral("hold %1 %2").arg(reg).arg(bits & 0xFFFFu)) &&
               w_.Sim(QStringLiteral("hold %1 %2").arg(reg + 1).arg(bits >> 16));
    }
    QString LogPath() const {
        return QDir(w_.Folder())
            .filePath(QStringLiteral("IndicatorLogs/") +
                      QDate::currentDate().toString(QStringLiteral("yyyy_MM_dd")) +
                      QStringLiteral(".txt"));
    }
    // The log's lines, each split into its cells (the tab after the last cell dropped).
    QList<QStringList> LogRows() const {
        QFile f(LogPath());
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QString text = FromCp1251(f.readAll());
        QList<QStringList> rows;
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            QStringList cells = line.split(u'\t');
            if (cells.last().isEmpty()) cells.removeLast();
            rows << cells;
        }
        return rows;
    }
    int NodeOfPage(const char* page) {
        for (int node = 0; node < kNodeCount; ++node) {
            const auto index = static_cast<std::size_t>(NodePage(node, w_.P().Image));
            if (QLatin1String(PageNames()[index]) == QLatin1String(page)) return node;
        }
        return -1;
    }
    // A cell shows the device's value rounded to the decimals it shows.
    static bool Shows(const QString& cell, double value, QChar sep) {
        const QString number = QString(cell).replace(sep, u'.');
        const int decimals =
            number.contains(u'.') ? int(number.size() - number.indexOf(u'.') - 1) : 0;
        bool ok = false;
        const double shown = number.toDouble(&ok);
        return ok && std::abs(shown - value) <= 0.5 * std::pow(10.0, -decimals) + 1e-9;
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        QVERIFY(w_.Form().Connection().SetPollInterval(500));
        // Totaliser 2 counts volume in the list's third unit, totaliser 4 counts nothing.
        for (const char* command : {"set SumAssign2 2", "set SumUnit2 2", "set SumAssign4 0"})
            QVERIFY(w_.Sim(QString::fromLatin1(command)));
    }
    void cleanupTestCase() {
        w_.Sim(QStringLiteral("hold clear"));
        w_.Stop();
    }

    void linePerPollWithTheDevicesValues() {
        const QChar sep = w_.Form().Values().DecimalSeparator();
        const float flow1 = 1234.5f;
        // The same low half: the change is one register, so no poll reads half of each.
        const float flow2 = 2341.0f;
        QCOMPARE(std::bit_cast<std::uint32_t>(flow2) & 0xFFFFu,
                 std::bit_cast<std::uint32_t>(flow1) & 0xFFFFu);
        const float density = 998.2f;
        const float temperature = -12.75f;
        QVERIFY(HoldFloat(mrMassFlow, flow1));
        QVERIFY(HoldFloat(mrDensity, density));
        QVERIFY(HoldFloat(mrTemperature, temperature));
        QTest::qWait(1200);
        LogItem()->trigger();
        QCOMPARE(w_.Form().StatusText(3), Str(kStrIndicatorLog));
        QTRY_VERIFY_WITH_TIMEOUT(LogRows().size() >= 5, 10000);
        // A selector changed meanwhile changes the panel, not the log's columns.
        auto* field1 = w_.Find<QComboBox>("ComboField1");
        field1->setCurrentIndex(10);
        Q_EMIT field1->activated(10);
        QVERIFY(HoldFloat(mrMassFlow, flow2));
        const int before = int(LogRows().size());
        QTRY_VERIFY_WITH_TIMEOUT(LogRows().size() >= before + 5, 10000);
        QCOMPARE(w_.Find<QLabel>("LabelF1Units")->text(), QStringLiteral("Гц"));
        LogItem()->trigger();
        QCOMPARE(w_.Form().StatusText(3), QString());
        const int stopped = int(LogRows().size());
        QTest::qWait(1200);
        QCOMPARE(LogRows().size(), stopped);  // nothing after switching off
        LogItem()->trigger();                 // on again: a second header in the same day's file
        QTRY_VERIFY_WITH_TIMEOUT(LogRows().size() >= stopped + 3, 10000);
        LogItem()->trigger();

        QVERIFY(w_.Open(NodeOfPage("PageTotal2")));
        const QString volumeUnit = w_.Find<QComboBox>("ComboSumUnit2")->currentText();
        const QList<QStringList> rows = LogRows();
        int headers = 0;
        int withNewFlow = 0;
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList& cells = rows[i];
            if (cells.first() == Str(kStrLogTime)) {
                ++headers;
                QCOMPARE(cells.size(), 17);
                QVERIFY(cells[15].startsWith(Str(kStrLogSum2) + u'-'));
                continue;
            }
            QVERIFY2(i > 0, "a header comes first");
            QCOMPARE(cells.size(), 21);
            QVERIFY(QTime::fromString(cells[0], QStringLiteral("hh:mm:ss")).isValid());
            QVERIFY2(Shows(cells[1], flow1, sep) || Shows(cells[1], flow2, sep),
                     qPrintable(cells[1]));
            if (Shows(cells[1], flow2, sep)) ++withNewFlow;
            QVERIFY2(Shows(cells[5], density, sep), qPrintable(cells[5]));
            QVERIFY2(Shows(cells[7], temperature, sep), qPrintable(cells[7]));
            for (int unit : {2, 4, 6, 8, 10, 12}) QVERIFY(!cells[unit].isEmpty());
            QCOMPARE(cells[16], volumeUnit);
            QCOMPARE(cells[20], QString());  // totaliser 4 counts nothing
        }
        QCOMPARE(headers, 2);
        QVERIFY(withNewFlow >= 3);
        QVERIFY(QFile(LogPath()).size() > 0);
    }

    void theLogFolderIsShownOrItsPathJournalled() {
        const QString folder = QDir(w_.Folder()).filePath(QStringLiteral("IndicatorLogs"));
        QStringList shown;
        bool viewerWorks = true;
        w_.Form().SetFolderViewer([&](const QString& f) {
            shown << f;
            return viewerWorks;
        });
        auto* item = w_.Find<QAction>("MenuIndLogFolder");
        item->trigger();
        QCOMPARE(shown, QStringList{folder});
        QVERIFY(QFileInfo(folder).isDir());
        // No file manager on the machine: the engineer still reads where the logs are.
        viewerWorks = false;
        item->trigger();
        QVERIFY(w_.Journalled(Str(kStrFolderNotShown).arg(folder)));
    }

    void refusedFolderOrFullDiskLeavesLoggingOff() {
        // "IndicatorLogs" is a file: the folder cannot be made.
        const QString folder = QDir(w_.Folder()).filePath(QStringLiteral("IndicatorLogs"));
        const QByteArray kept = [&] {
            QFile f(LogPath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(QFile::rename(folder, folder + QStringLiteral(".kept")));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        LogItem()->trigger();
        QVERIFY(!LogItem()->isChecked());
        QCOMPARE(w_.Form().StatusText(3), QString());
        QFile::remove(folder);
        QVERIFY(QFile::rename(folder + QStringLiteral(".kept"), folder));
        QFile after(LogPath());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), kept);

        // A disk that is full: the first short write ends logging.
        IndicatorLog log;
        auto full = std::make_unique<QFile>(QStringLiteral("/dev/full"));
        if (!full->open(QIODevice::WriteOnly)) QSKIP("no /dev/full here");
        log.Start(std::move(full));
        QVERIFY(!log.Append(IndicatorLogHeader({}, {}), IndicatorLogLine(QTime(1, 2, 3), {})));
        QVERIFY(!log.IsOn());
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestIndicatorLog)
#include "test_indicator_log.moc"
