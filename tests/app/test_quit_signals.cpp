// The program asked to stop by the system ends as "Выход" ends it: SIGTERM (logout, kill)
// and SIGINT (Ctrl-C) leave the journal's closing line and a clean exit, not a dead process.
#include "base/cp1251.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestQuitSignals : public QObject {
    Q_OBJECT

    // The journal of the copied program's folder (the program keeps its files beside it).
    static QString Journal(const QTemporaryDir& dir) {
        const QString day = QDate::currentDate().toString(QStringLiteral("yyyy_MM_dd"));
        QFile file(dir.filePath(QStringLiteral("Logs/") + day + QStringLiteral(".txt")));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return tarvix::FromCp1251(file.readAll());
    }

  private Q_SLOTS:
    void signalsEndTheProgramAsExitDoes_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int{SIGTERM};
        QTest::newRow("SIGINT") << int{SIGINT};
    }
    void signalsEndTheProgramAsExitDoes() {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("tarvix"));
        QVERIFY(QFile::copy(QStringLiteral(TARVIX_BIN_DIR "/tarvix"), program));
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(process.waitForStarted(10000));
        // The first show opens the journal with the disconnected state.
        QTRY_VERIFY_WITH_TIMEOUT(Journal(dir).contains(QStringLiteral("Расходомер отключен")),
                                 20000);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(Journal(dir).endsWith(QStringLiteral("[inf] Завершение программы\r\n\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestQuitSignals)
#include "test_quit_signals.moc"
