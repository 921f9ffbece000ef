// The port and the device check of the COM settings dialog against real pseudo-terminals:
// the journal lines of opening and closing, the reasons a port does not open, the check of
// register 430 through the worker, "Проверить связь", and the simulator when it is built.
#include "connect_fixture.h"
#include "pty_device.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "link/serial_posix.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace tarvix {
namespace {

template <class T>
T* Child(QObject& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

// Points the dialog at a port and an address. The time-out leaves the device thread room on
// a loaded machine and still keeps a silent device's three attempts well inside the wait.
void Aim(ConnectFixture& f, const QString& port, const QString& address,
         const QString& ansDelay = QStringLiteral("100")) {
    f.Form().LoadSettings();
    Child<QComboBox>(f.Form(), "ComboBoxManual")->setEditText(port);
    Child<QLineEdit>(f.Form(), "EditAddress")->setText(address);
    Child<QLineEdit>(f.Form(), "EditAnsDelay")->setText(ansDelay);
}

QString Opened(const QString& port) { return QStringLiteral("[inf] Открыт порт ") + port; }
QString Closed(const QString& port) { return QStringLiteral("[inf] Закрыт порт ") + port; }
QString Missed(int address, const QString& port) {
    return QStringLiteral("[err] Устройство с адресом %1 НЕ обнаружено на порту %2")
        .arg(address)
        .arg(port);
}

}  // namespace

class TestPortCheck : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void reopenAndReleaseAreJournalled();
    void portThatDoesNotOpen_data();
    void portThatDoesNotOpen();
    void badInputLeavesTheOpenPortAlone();
    void checkDevice_data();
    void checkDevice();
    void checkOutlastingTheWaitGivesTheListBack();
    void buttonInit_data();
    void buttonInit();
    void buttonInitRefusesAnAddressThatIsNoDevices_data();
    void buttonInitRefusesAnAddressThatIsNoDevices();
    void checkAgainstTheSimulator();
};

void TestPortCheck::reopenAndReleaseAreJournalled() {
    PtyDevice dev(PtyDevice::Silent());
    QVERIFY(dev.Ok());
    ConnectFixture f;
    Aim(f, dev.Path(), QStringLiteral("1"));
    TFormSetupCom& form = f.Form();

    QVERIFY(form.ReopenPort());
    QVERIFY(f.P().Com.IsOpen());
    // Reopening closes silently first: the journal shows two openings, no closing between.
    QVERIFY(form.ReopenPort());
    form.ReleasePort();
    QVERIFY(!f.P().Com.IsOpen());
    // Nothing was open: nothing to journal.
    form.ReleasePort();
    QCOMPARE(f.Journal(),
             (QStringList{Opened(dev.Path()), Opened(dev.Path()), Closed(dev.Path())}));
    QVERIFY(f.asked.isEmpty());
}

void TestPortCheck::portThatDoesNotOpen_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("no such device") << QStringLiteral("missing");
    QTest::newRow("in use by another program") << QStringLiteral("busy");
    QTest::newRow("a file, not a serial device") << QStringLiteral("file");
}

void TestPortCheck::portThatDoesNotOpen() {
    QFETCH(QString, kind);
    PtyDevice dev(PtyDevice::Silent());
    QTemporaryDir dir;
    QString port;
    std::unique_ptr<PosixSerialDevice> other;
    if (kind == QLatin1String("missing")) {
        port = QStringLiteral("/dev/tarvix-no-such-port");
    } else if (kind == QLatin1String("busy")) {
        port = dev.Path();
        QString error;
        other = PosixSerialDevice::Open(port, LineSettings{}, &error);
        QVERIFY2(other, qPrintable(error));
    } else {
        port = dir.filePath(QStringLiteral("ttyUSB0"));
        QFile file(port);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ConnectFixture f;
    Aim(f, port, QStringLiteral("1"));
    QVERIFY(!f.Form().ReopenPort());
    QVERIFY(!f.P().Com.IsOpen());
    QCOMPARE(f.asked.size(), 1);
    QCOMPARE(f.asked[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const QStringList lines = f.asked[0].text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("Не удается открыть порт ") + port);
    QVERIFY(!lines[1].isEmpty());
    // The journal keeps the reason for whoever reads it after the box is gone; releasing
    // the port that never opened adds nothing.
    f.Form().ReleasePort();
    QCOMPARE(f.Journal(),
             QStringList{QStringLiteral("[err] ") + lines[0] + QStringLiteral(": ") + lines[1]});
}

void TestPortCheck::badInputLeavesTheOpenPortAlone() {
    PtyDevice dev(PtyDevice::Silent());
    ConnectFixture f;
    Aim(f, dev.Path(), QStringLiteral("1"));
    QVERIFY(f.Form().ReopenPort());
    Child<QComboBox>(f.Form(), "ComboBaudRate")->setEditText(QStringLiteral("auto"));
    QVERIFY_THROWS_EXCEPTION(UserError, f.Form().ReopenPort());
    QVERIFY(f.P().Com.IsOpen());
    QCOMPARE(f.Journal(), QStringList{Opened(dev.Path())});
}

void TestPortCheck::checkDevice_data() {
    QTest::addColumn<int>("deviceAt");  // -1 silent, -2 answers every address with 9
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("report");
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("missedAddress");  // 0: no journal line
    QTest::newRow("device at the address")
        << 7 << QStringLiteral("7") << true << kModeOffline << true << 0;
    QTest::newRow("device elsewhere, reported")
        << 7 << QStringLiteral("8") << true << kModeOffline << false << 8;
    QTest::newRow("device elsewhere, not reported")
        << 7 << QStringLiteral("8") << false << kModeOffline << false << 0;
    QTest::newRow("answer holds another address")
        << -2 << QStringLiteral("4") << true << kModeOffline << false << 4;
    QTest::newRow("silent line") << -1 << QStringLiteral("1") << true << kModeOffline << false << 1;
    QTest::newRow("checked from file mode")
        << 3 << QStringLiteral("3") << true << kModeFile << true << 0;
    QTest::newRow("missed from file mode")
        << 3 << QStringLiteral("5") << true << kModeFile << false << 5;
}

void TestPortCheck::checkDevice() {
    QFETCH(int, deviceAt);
    QFETCH(QString, address);
    QFETCH(bool, report);
    QFETCH(int, modeBefore);
    PtyDevice dev(deviceAt == -1   ? PtyDevice::Silent()
                  : deviceAt == -2 ? PtyDevice::AnswersAll(9)
                                   : PtyDevice::At(static_cast<std::uint8_t>(deviceAt)));
    ConnectFixture f;
    f.StartWorker();
    Aim(f, dev.Path(), address);
    QVERIFY(f.Form().ReopenPort());
    f.P().Worker.WorkMode = modeBefore;

    QTEST(f.Form().CheckDevice(report), "found");

    // One read of register 430 asked (a silent device: three attempts).
    QVERIFY(dev.Requests() >= 1);
    QCOMPARE(f.P().Worker.WorkMode.load(), modeBefore);
    const ModbusList& op = f.P().Lists->OpList;
    QVERIFY(op.Idle());
    QCOMPARE(int(op.Busy), 0);
    QCOMPARE(int(op.Len), 1);
    QCOMPARE(int(op.Func[0]), 3);
    QCOMPARE(int(op.Start[0]), 430);
    QCOMPARE(int(op.Count[0]), 1);
    QFETCH(int, missedAddress);
    QStringList expected{Opened(dev.Path())};
    if (missedAddress) expected.append(Missed(missedAddress, dev.Path()));
    QCOMPARE(f.Journal(), expected);
}

// A time-out so long that three attempts outlast the 0.7 s wait: the check gives up, and
// the list is the window's again when it returns (the next check can fill it).
void TestPortCheck::checkOutlastingTheWaitGivesTheListBack() {
    PtyDevice dev(PtyDevice::Silent());
    ConnectFixture f;
    f.StartWorker();
    Aim(f, dev.Path(), QStringLiteral("1"), QStringLiteral("400"));
    QVERIFY(f.Form().ReopenPort());
    QElapsedTimer t;
    t.start();
    QVERIFY(!f.Form().CheckDevice(true));
    QVERIFY(t.elapsed() < 3000);
    QVERIFY(f.P().Lists->OpList.Idle());
    QCOMPARE(f.P().Worker.WorkMode.load(), kModeOffline);
    QCOMPARE(f.Journal().last(), Missed(1, dev.Path()));
}

void TestPortCheck::buttonInit_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("found");
    QTest::newRow("found") << QStringLiteral("7") << true;
    QTest::newRow("not found") << QStringLiteral("8") << false;
}

void TestPortCheck::buttonInit() {
    QFETCH(QString, address);
    QFETCH(bool, found);
    PtyDevice dev(PtyDevice::At(7));
    ConnectFixture f;
    f.StartWorker();
    Aim(f, dev.Path(), address);
    f.Form().show();
    QTest::mouseClick(Child<QPushButton>(f.Form(), "ButtonInit"), Qt::LeftButton);

    QCOMPARE(f.asked.size(), 1);
    QCOMPARE(f.asked[0].text, QStringLiteral("Устройство с адресом ") + address +
                                  (found ? QStringLiteral(" обнаружено на порту ")
                                         : QStringLiteral(" НЕ обнаружено на порту ")) +
                                  dev.Path());
    QStringList expected{Opened(dev.Path())};
    if (!found) expected.append(Missed(address.toInt(), dev.Path()));
    expected.append(Closed(dev.Path()));
    QCOMPARE(f.Journal(), expected);
    QVERIFY(!f.P().Com.IsOpen());
    QVERIFY(f.Form().isVisible());
}

void TestPortCheck::buttonInitRefusesAnAddressThatIsNoDevices_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("lowByte");  // what the address was cut to
    QTest::newRow("the broadcast") << QStringLiteral("0") << 0;
    QTest::newRow("256, the broadcast in 8 bits") << QStringLiteral("256") << 0;
    QTest::newRow("300, device 44 in 8 bits") << QStringLiteral("300") << 44;
}

// A device answering at the cut address must not make "Проверить связь" report one at the
// typed address: the address is refused before the port opens.
void TestPortCheck::buttonInitRefusesAnAddressThatIsNoDevices() {
    QFETCH(QString, address);
    QFETCH(int, lowByte);
    PtyDevice dev(PtyDevice::AnswersAll(static_cast<std::uint16_t>(lowByte)));
    ConnectFixture f;
    f.StartWorker();
    Aim(f, dev.Path(), address);
    f.Form().show();
    QTest::mouseClick(Child<QPushButton>(f.Form(), "ButtonInit"), Qt::LeftButton);

    QCOMPARE(f.asked.size(), 1);
    QCOMPARE(f.asked[0].text,
             address + QStringLiteral(" выходит за пределы допустимых значений: 1..255"));
    QCOMPARE(dev.Requests(), 0);
    QVERIFY(f.Journal().isEmpty());
    QVERIFY(!f.P().Com.IsOpen());
}

void TestPortCheck::checkAgainstTheSimulator() {
    const QString sim = QStringLiteral(TARVIX_BIN_DIR "/tarvix-sim");
    if (!QFileInfo(sim).isExecutable()) QSKIP("tarvix-sim has not been built");
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttySIM"));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(
        sim, {QStringLiteral("--link"), link, QStringLiteral("--address"), QStringLiteral("5")});
    QVERIFY(process.waitForStarted());
    // Ready once it has said so; its link is there from then on.
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardOutput()).contains("listening"),
                             10000);
    QVERIFY(QFileInfo::exists(link));

    ConnectFixture f;
    f.StartWorker();
    Aim(f, link, QStringLiteral("5"), QStringLiteral("200"));
    QVERIFY(f.Form().ReopenPort());
    QVERIFY(f.Form().CheckDevice(true));
    Child<QLineEdit>(f.Form(), "EditAddress")->setText(QStringLiteral("6"));
    f.Form().ApplySettings();
    QVERIFY(!f.Form().CheckDevice(true));
    f.Form().ReleasePort();
    QCOMPARE(f.Journal(), (QStringList{Opened(link), Missed(6, link), Closed(link)}));

    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}

}  // namespace tarvix

QTEST_MAIN(tarvix::TestPortCheck)
#include "test_port_check.moc"
