// A USB adapter pulled out while online and plugged back in, played by the simulator: its
// pseudo-terminal closes under the program (as a pulled adapter's tty hangs up), then a new
// simulator publishes the same port name again. The connection runs as in the program: the
// connection controller with the COM settings dialog as its line.
#include "connect_fixture.h"

#include "base/string_table.h"
#include "session/connection_controller.h"
#include "tests/support/sim_process.h"

#include <QTest>

namespace tarvix {

class TestPortLoss : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void unpluggedAdapterIsJournalledOnceAndOnlineWorksAgain();
};

void TestPortLoss::unpluggedAdapterIsJournalledOnceAndOnlineWorksAgain() {
    testing::SimProcess sim(3);
    const QStringList simArgs{QStringLiteral("--baud"), QStringLiteral("115200")};
    QString error;
    QVERIFY2(sim.Start(simArgs, &error), qPrintable(error));
    const QString port = sim.Link();
    ConnectFixture f(QStringLiteral("[ComPort]\r\nComNumber=%1\r\n").arg(port).toLocal8Bit());
    f.Form().LoadSettings();
    ConnectionController c(f.P());
    c.SetLine(&f.Form());
    c.Sources().IndicatorWanted = [] { return true; };
    c.SetPollInterval(ConnectionController::kMinPollIntervalMs);
    c.StartWorker();

    QVERIFY(c.Connect());
    QTRY_COMPARE_WITH_TIMEOUT(c.State(), ConnectionState::Online, 10000);

    sim.Stop();
    // Offline by itself, and the port let go: the kernel gives a replugged adapter its old
    // name only once nobody holds the old one.
    QTRY_COMPARE_WITH_TIMEOUT(c.State(), ConnectionState::Disconnected, 10000);
    QVERIFY(!f.P().Com.IsOpen());
    // A few poll intervals later it has still been said once, and no poll failed meanwhile.
    QTest::qWait(4 * ConnectionController::kMinPollIntervalMs);
    const QString gone = QStringLiteral("[err] Адаптер порта %1 отключен").arg(port);
    QCOMPARE(f.Journal().filter(gone).size(), 1);
    QVERIFY(f.Journal().filter(Str(kStrNoAnswer)).isEmpty());

    // Plugged back in: "Онлайн" connects again at the same name, in the same run.
    QVERIFY2(sim.Start(simArgs, &error), qPrintable(error));
    QCOMPARE(sim.Link(), port);
    QVERIFY(c.Connect());
    QTRY_COMPARE_WITH_TIMEOUT(c.State(), ConnectionState::Online, 10000);

    const QString opened = QStringLiteral("[inf] ") + Str(kStrPortOpened) + port;
    const QString connected = QStringLiteral("[inf] ") + Str(kStrConnected);
    const QStringList journal = f.Journal();
    const qsizetype at = journal.indexOf(journal.filter(gone).value(0));
    QCOMPARE(journal.mid(at),
             (QStringList{journal.value(at), QStringLiteral("[inf] ") + Str(kStrPortClosed) + port,
                          QStringLiteral("[inf] ") + Str(kStrDisconnected), opened, connected}));
    QCOMPARE(journal.mid(0, at), (QStringList{opened, connected}));
    c.Disconnect();
}

}  // namespace tarvix

QTEST_MAIN(tarvix::TestPortLoss)
#include "test_port_loss.moc"
