// The address search and the port search of the COM settings dialog against pseudo-terminal
// devices: what they find, what they ask, what they leave selected and open, and stopping.
#include "connect_fixture.h"
#include "pty_device.h"

#include "base/string_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace tarvix {
namespace {

template <class T>
T* Child(QObject& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

QByteArray Ini(const char* text) { return QByteArray(text).replace("\n", "\r\n"); }

QString FoundQuestion(int address, const QString& port) {
    return QStringLiteral(
               "Устройство с адресом %1 обнаружено на порту %2.\n"
               "Использовать данный порт?")
        .arg(address)
        .arg(port);
}

QString NowhereText(const QString& address) {
    return QStringLiteral("Не удалось найти устройство с адресом ") + address +
           QStringLiteral(" ни на одном из доступных портов");
}

QString Opened(const QString& port) { return QStringLiteral("[inf] Открыт порт ") + port; }
QString Closed(const QString& port) { return QStringLiteral("[inf] Закрыт порт ") + port; }
QString Missed(int address, const QString& port) {
    return QStringLiteral("[err] Устройство с адресом %1 НЕ обнаружено на порту %2")
        .arg(address)
        .arg(port);
}

// Runs the timer's steps at once instead of every 50 ms, as long as the search goes on.
void RunSteps(QTimer& timer, const std::function<void()>& step) {
    while (timer.isActive()) step();
}

}  // namespace

class TestDeviceSearch : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void addressSearchOfferedTwiceTakesTheSecond();
    void addressSearchTriesAll255_data();
    void addressSearchTriesAll255();
    void addressSearchStoppedKeepsTheLastAddressTried();
    void addressSearchOnAPortThatDoesNotOpen();
    void portSearch_data();
    void portSearch();
    void portSearchStoppedBetweenTicks();
    void closingTheDialogEndsASearch();
};

void TestDeviceSearch::addressSearchOfferedTwiceTakesTheSecond() {
    PtyDevice dev([](std::uint8_t a) -> std::optional<std::uint16_t> {
        if (a == 3 || a == 5) return a;
        return std::nullopt;
    });
    ConnectFixture f(Ini("[ComPort]\nAddress=17\nAnsDelay=50\n"));
    f.StartWorker();
    f.Form().LoadSettings();
    Child<QComboBox>(f.Form(), "ComboBoxManual")->setEditText(dev.Path());
    f.answers = {QMessageBox::No, QMessageBox::Yes};
    QPushButton* button = Child<QPushButton>(f.Form(), "ButtonSearch");

    button->click();
    QCOMPARE(button->text(), QStringLiteral("Прервать"));
    // The real timer paces the candidates here.
    QTRY_COMPARE_WITH_TIMEOUT(button->text(), QStringLiteral("Поиск"), 10000);

    QCOMPARE(f.asked.size(), 2);
    QCOMPARE(f.asked[0].text, FoundQuestion(3, dev.Path()));
    QCOMPARE(f.asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(f.asked[1].text, FoundQuestion(5, dev.Path()));
    QCOMPARE(Child<QLineEdit>(f.Form(), "EditAddress")->text(), QStringLiteral("5"));
    QCOMPARE(int(f.P().Com.Address), 5);
    QVERIFY(!f.P().Com.IsOpen());
    QVERIFY(!Child<QTimer>(f.Form(), "TimerSearch")->isActive());
    // The port stayed open for the whole search, and misses are not journalled.
    QCOMPARE(f.Journal(), (QStringList{Opened(dev.Path()), Closed(dev.Path())}));
}

void TestDeviceSearch::addressSearchTriesAll255_data() {
    QTest::addColumn<bool>("everyAddressAnswers");  // and the user declines each
    QTest::newRow("nobody answers") << false;
    QTest::newRow("every find declined") << true;
}

void TestDeviceSearch::addressSearchTriesAll255() {
    QFETCH(bool, everyAddressAnswers);
    // Some device answers every request at once, so each candidate is quick: either with
    // the address asked (found) or with 0, which no candidate has.
    PtyDevice dev([everyAddressAnswers](std::uint8_t a) -> std::optional<std::uint16_t> {
        return everyAddressAnswers ? a : 0;
    });
    ConnectFixture f(Ini("[ComPort]\nAddress=17\n"));
    f.StartWorker();
    f.Form().LoadSettings();
    Child<QComboBox>(f.Form(), "ComboBoxManual")->setEditText(dev.Path());
    TFormSetupCom& form = f.Form();

    form.StartAddressSearch();
    RunSteps(*Child<QTimer>(form, "TimerSearch"), [&] { form.TryNextAddress(); });

    QCOMPARE(f.asked.size(), everyAddressAnswers ? 256 : 1);
    if (everyAddressAnswers) QCOMPARE(f.asked[254].text, FoundQuestion(255, dev.Path()));
    QCOMPARE(f.asked.last().text, NowhereText(QStringLiteral("255")));
    QCOMPARE(f.asked.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(Child<QLineEdit>(form, "EditAddress")->text(), QStringLiteral("17"));
    QCOMPARE(int(f.P().Com.Address), 255);
    QCOMPARE(Child<QPushButton>(form, "ButtonSearch")->text(), QStringLiteral("Поиск"));
    QVERIFY(!f.P().Com.IsOpen());
    QCOMPARE(dev.Requests(), 255);
    QCOMPARE(f.Journal(), (QStringList{Opened(dev.Path()), Closed(dev.Path())}));
}

void TestDeviceSearch::addressSearchStoppedKeepsTheLastAddressTried() {
    PtyDevice dev(PtyDevice::Silent());
    ConnectFixture f(Ini("[ComPort]\nAddress=17\nAnsDelay=10\n"));
    f.StartWorker();
    f.Form().LoadSettings();
    Child<QComboBox>(f.Form(), "ComboBoxManual")->setEditText(dev.Path());
    TFormSetupCom& form = f.Form();
    QPushButton* button = Child<QPushButton>(form, "ButtonSearch");
    // An address no device has in the field does not stop the search: it walks its own.
    Child<QLineEdit>(form, "EditAddress")->setText(QStringLiteral("300"));

    button->click();
    form.TryNextAddress();
    button->click();

    QCOMPARE(button->text(), QStringLiteral("Поиск"));
    QVERIFY(!Child<QTimer>(form, "TimerSearch")->isActive());
    QCOMPARE(Child<QLineEdit>(form, "EditAddress")->text(), QStringLiteral("2"));
    QCOMPARE(int(f.P().Com.Address), 2);
    QVERIFY(!f.P().Com.IsOpen());
    QVERIFY(f.asked.isEmpty());
    QCOMPARE(f.Journal(), (QStringList{Opened(dev.Path()), Closed(dev.Path())}));
}

void TestDeviceSearch::addressSearchOnAPortThatDoesNotOpen() {
    ConnectFixture f;
    f.Form().LoadSettings();
    const QString port = QStringLiteral("/dev/tarvix-no-such-port");
    Child<QComboBox>(f.Form(), "ComboBoxManual")->setEditText(port);
    QPushButton* button = Child<QPushButton>(f.Form(), "ButtonSearch");

    button->click();
    QCOMPARE(f.asked.size(), 1);
    QVERIFY(f.asked[0].text.startsWith(QStringLiteral("Не удается открыть порт ") + port));
    // Nothing runs, but the button says so only when pressed again.
    QCOMPARE(button->text(), QStringLiteral("Прервать"));
    QVERIFY(!Child<QTimer>(f.Form(), "TimerSearch")->isActive());
    button->click();
    QCOMPARE(button->text(), QStringLiteral("Поиск"));
    QCOMPARE(f.asked.size(), 1);
    // Only the failure to open, once.
    QCOMPARE(f.Journal().size(), 1);
    QVERIFY(f.Journal()[0].startsWith(QStringLiteral("[err] Не удается открыть порт ") + port));
}

void TestDeviceSearch::portSearch_data() {
    QTest::addColumn<QList<int>>("devices");  // per enumerated port: address, or 0 silent
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<int>("foundOn");  // index of the port left selected, -1 none
    QTest::newRow("only a stored name, nothing enumerated")
        << QList<int>{} << QList<QMessageBox::StandardButton>{} << -1;
    QTest::newRow("found on the second port")
        << QList<int>{0, 7} << QList<QMessageBox::StandardButton>{QMessageBox::Yes} << 1;
    QTest::newRow("found on the first port")
        << QList<int>{7, 7} << QList<QMessageBox::StandardButton>{QMessageBox::Yes} << 0;
    QTest::newRow("on no port") << QList<int>{0, 9} << QList<QMessageBox::StandardButton>{} << -1;
    QTest::newRow("found but declined")
        << QList<int>{7, 0} << QList<QMessageBox::StandardButton>{QMessageBox::No} << -1;
}

void TestDeviceSearch::portSearch() {
    QFETCH(QList<int>, devices);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(int, foundOn);
    std::vector<std::unique_ptr<PtyDevice>> ptys;
    for (int a : devices)
        ptys.push_back(std::make_unique<PtyDevice>(a ? PtyDevice::At(static_cast<std::uint8_t>(a))
                                                     : PtyDevice::Silent()));

    // The stored port is not among those found: it ends the list, without the mark.
    ConnectFixture f(Ini("[ComPort]\nAddress=7\nAnsDelay=50\nComNumber=ttyUSB9\n"));
    for (const auto& p : ptys) f.ports->append(p->Path());
    f.answers = answers;
    f.StartWorker();
    TFormSetupCom& form = f.Form();
    form.LoadSettings();
    QComboBox& combo = *Child<QComboBox>(form, "ComboBoxManual");
    QPushButton* button = Child<QPushButton>(form, "ButtonSearchPort");

    button->click();
    RunSteps(*Child<QTimer>(form, "TimerSearchPort"), [&] { form.TryNextPort(); });

    QCOMPARE(button->text(), QStringLiteral("Поиск"));
    QVERIFY(!f.P().Com.IsOpen());
    // Every enumerated port up to the find was opened, checked and closed; the stored
    // name was never opened.
    QStringList journal;
    const int tried = foundOn >= 0 ? foundOn + 1 : static_cast<int>(ptys.size());
    for (int i = 0; i < tried; ++i) {
        const QString path = ptys[static_cast<std::size_t>(i)]->Path();
        journal.append(Opened(path));
        if (i != foundOn && devices[i] != 7) journal.append(Missed(7, path));
        journal.append(Closed(path));
    }
    QCOMPARE(f.Journal(), journal);
    if (foundOn >= 0) {
        QCOMPARE(combo.currentIndex(), foundOn);
        QCOMPARE(f.asked.last().text,
                 FoundQuestion(7, ptys[static_cast<std::size_t>(foundOn)]->Path()));
    } else {
        QCOMPARE(f.asked.last().text, NowhereText(QStringLiteral("7")));
        QCOMPARE(combo.currentText(), QStringLiteral("ttyUSB9"));
        QCOMPARE(combo.currentIndex(), combo.count() - 1);
    }
}

void TestDeviceSearch::portSearchStoppedBetweenTicks() {
    PtyDevice first(PtyDevice::Silent());
    PtyDevice second(PtyDevice::Silent());
    ConnectFixture f(Ini("[ComPort]\nAnsDelay=10\n"));
    *f.ports = {first.Path(), second.Path()};
    f.StartWorker();
    TFormSetupCom& form = f.Form();
    form.LoadSettings();
    QComboBox& combo = *Child<QComboBox>(form, "ComboBoxManual");
    QPushButton* button = Child<QPushButton>(form, "ButtonSearchPort");

    button->click();  // checks the first port at once, selects the second for the next tick
    QVERIFY(Child<QTimer>(form, "TimerSearchPort")->isActive());
    button->click();

    QCOMPARE(button->text(), QStringLiteral("Поиск"));
    QVERIFY(!Child<QTimer>(form, "TimerSearchPort")->isActive());
    QCOMPARE(combo.currentText(), second.Path());
    QVERIFY(!f.P().Com.IsOpen());
    QCOMPARE(f.Journal(),
             (QStringList{Opened(first.Path()), Missed(1, first.Path()), Closed(first.Path())}));
}

void TestDeviceSearch::closingTheDialogEndsASearch() {
    PtyDevice dev(PtyDevice::Silent());
    ConnectFixture f(Ini("[ComPort]\nAnsDelay=10\n"));
    *f.ports = {dev.Path()};
    f.StartWorker();
    TFormSetupCom& form = f.Form();
    form.LoadSettings();
    form.show();
    Child<QComboBox>(form, "ComboBoxManual")->setCurrentIndex(0);
    QCOMPARE(Child<QComboBox>(form, "ComboBoxManual")->currentText(), dev.Path());
    Child<QPushButton>(form, "ButtonSearch")->click();
    QVERIFY(Child<QTimer>(form, "TimerSearch")->isActive());
    QVERIFY(f.P().Com.IsOpen());

    form.close();

    QCOMPARE(Child<QPushButton>(form, "ButtonSearch")->text(), QStringLiteral("Поиск"));
    QVERIFY(!Child<QTimer>(form, "TimerSearch")->isActive());
    QVERIFY(!f.P().Com.IsOpen());
    QCOMPARE(f.Journal().last(), Closed(dev.Path()));
}

}  // namespace tarvix

QTEST_MAIN(tarvix::TestDeviceSearch)
#include "test_device_search.moc"
