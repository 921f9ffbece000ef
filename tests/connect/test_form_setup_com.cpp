// The COM settings dialog without a device: its controls, the settings file section
// "ComPort" in and out (also damaged), the port list, what reaches ComSetup, and how its
// three ways out differ.
#include "connect_fixture.h"

#include "base/ini_file.h"
#include "base/string_table.h"
#include "base/user_error.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tarvix {
namespace {

template <class T>
T* Child(QObject& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

QStringList Items(QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items.append(combo.itemText(i));
    return items;
}

QByteArray Ini(QByteArray text) { return text.replace("\n", "\r\n"); }

QString Read(const QString& path, const char* key) {
    return IniFile(path).ReadString(QStringLiteral("ComPort"), QString::fromLatin1(key),
                                    QStringLiteral("<missing>"));
}

}  // namespace

class TestFormSetupCom : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void controlsAsTheWindowDescribesThem();
    void loadSettings_data();
    void loadSettings();
    void portList_data();
    void portList();
    void formShowRefreshesTheListKeepingThePort();
    void saveWritesTheControlsButNeverStopBits();
    void waysOut_data();
    void waysOut();
    void applyWithBadInput_data();
    void applyWithBadInput();
    void okWithBadInputShowsTheErrorAndStaysOpen();
    void messageBoxesCarryTheProgramTitle();
};

void TestFormSetupCom::controlsAsTheWindowDescribesThem() {
    ConnectFixture f;
    TFormSetupCom& form = f.Form();
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Параметры Com-порта"));
    const struct {
        const char* name;
        const char* text;
    } captions[] = {
        {"LabelFind", "Адрес расходомера"},
        {"ButtonSearch", "Поиск"},
        {"LabelManual", "Номер порта"},
        {"ButtonSearchPort", "Поиск"},
        {"Label2", "Таймаут ответа"},
        {"Label3", "мс"},
        {"Label1", "Скорость"},
        {"ButtonInit", "Проверить связь"},
        {"ButtonSave", "Сохранить"},
        {"Button3", "ОК"},
        {"RadioButton1StopBit", "1 бит"},
        {"RadioButton2StopBits", "2 бита"},
    };
    for (const auto& c : captions) {
        QWidget* w = Child<QWidget>(form, c.name);
        QVERIFY2(w, c.name);
        const QVariant text = w->property("text");
        QCOMPARE(text.toString(), QString::fromUtf8(c.text));
    }
    QCOMPARE(Child<QLineEdit>(form, "EditAddress")->text(), QStringLiteral("1"));
    QCOMPARE(Child<QLineEdit>(form, "EditAnsDelay")->text(), QStringLiteral("100"));
    QComboBox* baud = Child<QComboBox>(form, "ComboBaudRate");
    QVERIFY(baud);
    QCOMPARE(Items(*baud), QString::fromLatin1("1200 2400 4800 9600 14400 19200 28800 38400 "
                                               "57600 115200")
                               .split(QLatin1Char(' ')));
    QCOMPARE(baud->currentText(), QStringLiteral("115200"));
    QVERIFY(Child<QComboBox>(form, "ComboBoxManual"));

    QGroupBox* parity = Child<QGroupBox>(form, "RadioGroupParity");
    QVERIFY(parity);
    QCOMPARE(parity->title(), QStringLiteral("Контроль четности"));
    QStringList parityItems;
    for (QRadioButton* b : parity->findChildren<QRadioButton*>()) parityItems.append(b->text());
    QCOMPARE(parityItems,
             (QStringList{QStringLiteral("Нет"), QStringLiteral("Нечет"), QStringLiteral("Чёт")}));
    QVERIFY(parity->findChildren<QRadioButton*>().first()->isChecked());

    // Stop bits and the scratch list exist but the user never sees them.
    QGroupBox* stopBits = Child<QGroupBox>(form, "GroupBox3");
    QVERIFY(stopBits && !stopBits->isVisible() && !stopBits->isEnabled());
    QCOMPARE(stopBits->title(), QStringLiteral("Стоп-биты"));
    QVERIFY(Child<QRadioButton>(form, "RadioButton2StopBits")->isChecked());
    QVERIFY(Child<QPlainTextEdit>(form, "Memo1") &&
            !Child<QPlainTextEdit>(form, "Memo1")->isVisible());

    for (const char* name : {"TimerSearch", "TimerSearchPort"}) {
        QTimer* t = Child<QTimer>(form, name);
        QVERIFY2(t, name);
        QCOMPARE(t->interval(), 50);
        QVERIFY(!t->isActive());
    }
}

void TestFormSetupCom::loadSettings_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("ansDelay");
    QTest::addColumn<QString>("baud");
    QTest::addColumn<int>("parityIndex");
    QTest::addColumn<bool>("oneStopBit");
    // What ComSetup holds afterwards.
    QTest::addColumn<int>("comAddress");
    QTest::addColumn<int>("comBaud");
    QTest::addColumn<int>("comAnsDelay");
    QTest::addColumn<int>("comCharTime");
    QTest::addColumn<int>("comStopBits");
    QTest::addColumn<int>("comParity");

    const QString d1 = QStringLiteral("1"), d100 = QStringLiteral("100"),
                  d115 = QStringLiteral("115200");
    QTest::newRow("no file") << QByteArray() << d1 << d100 << d115 << 0 << true  //
                             << 1 << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("no ComPort section")
        << Ini("[Settings]\nSwitchOfflineWhenNoAnswer=1\n") << d1 << d100 << d115 << 0 << true << 1
        << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("stored values")
        << Ini("[ComPort]\nAddress=17\nAnsDelay=250\nBaudRate=9600\nParity=2\nStopBits=1\n")
        << QStringLiteral("17") << QStringLiteral("250") << QStringLiteral("9600") << 2 << true
        << 17 << 9600 << 250 << 2 << 0 << 2;
    QTest::newRow("two stop bits though hidden")
        << Ini("[ComPort]\nStopBits=2\n") << d1 << d100 << d115 << 0 << false  //
        << 1 << 115200 << 100 << 1 << 2 << 0;
    // Cut to 8 bits, 300 would be another device and 0 or 256 the broadcast to them all.
    for (const char* address : {"300", "256", "0", "-1"}) {
        QTest::newRow(
            qPrintable(QStringLiteral("address %1 is no device's").arg(QLatin1String(address))))
            << Ini(QByteArray("[ComPort]\nAddress=").append(address).append("\nParity=1\n")) << d1
            << d100 << d115 << 1 << true << 1 << 115200 << 100 << 1 << 0 << 1;
    }
    QTest::newRow("address 255") << Ini("[ComPort]\nAddress=255\n") << QStringLiteral("255") << d100
                                 << d115 << 0 << true << 255 << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("1200 baud") << Ini("[ComPort]\nBaudRate=1200\n") << d1 << d100
                               << QStringLiteral("1200") << 0 << true  //
                               << 1 << 1200 << 100 << 16 << 0 << 0;
    QTest::newRow("14400 baud") << Ini("[ComPort]\nBaudRate=14400\n") << d1 << d100
                                << QStringLiteral("14400") << 0 << true  //
                                << 1 << 14400 << 100 << 1 << 0 << 0;
    QTest::newRow("rate not in the list is used as it is")
        << Ini("[ComPort]\nBaudRate=250000\n") << d1 << d100 << QStringLiteral("250000") << 0
        << true << 1 << 250000 << 100 << 1 << 0 << 0;
    QTest::newRow("time-out beyond 16 bits")
        << Ini("[ComPort]\nAnsDelay=70000\n") << d1 << QStringLiteral("70000") << d115 << 0 << true
        << 1 << 115200 << 70000 - 65536 << 1 << 0 << 0;
    QTest::newRow("names in other letter case")
        << Ini("[comport]\naddress=9\nbaudrate=4800\n") << QStringLiteral("9") << d100
        << QStringLiteral("4800") << 0 << true << 9 << 4800 << 100 << 4 << 0 << 0;
    QTest::newRow("empty values")
        << Ini("[ComPort]\nAddress=\nAnsDelay=\nComNumber=\nBaudRate=\nStopBits=\nParity=\n") << d1
        << d100 << d115 << 0 << true << 1 << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("garbage")
        << Ini("[ComPort]\nAddress=abc\nAnsDelay=1o0\nBaudRate=fast\nStopBits=two\n"
               "Parity=odd\n")
        << d1 << d100 << d115 << 0 << true << 1 << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("rate of zero") << Ini("[ComPort]\nBaudRate=0\n") << d1 << d100 << d115 << 0
                                  << true  //
                                  << 1 << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("negative rate")
        << Ini("[ComPort]\nBaudRate=-9600\n") << d1 << d100 << d115 << 0 << true  //
        << 1 << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("parity out of range")
        << Ini("[ComPort]\nParity=7\n") << d1 << d100 << d115 << 0 << true  //
        << 1 << 115200 << 100 << 1 << 0 << 0;
    QTest::newRow("negative parity")
        << Ini("[ComPort]\nParity=-1\n") << d1 << d100 << d115 << 0 << true  //
        << 1 << 115200 << 100 << 1 << 0 << 0;
    static constexpr char kJunk[] = "\xff\xfe[ComPort\x00]\r\nAddress=\x01\x02\r\n=\r\n[";
    QTest::newRow("binary junk") << QByteArray(kJunk, sizeof kJunk - 1) << d1 << d100 << d115 << 0
                                 << true << 1 << 115200 << 100 << 1 << 0 << 0;
}

void TestFormSetupCom::loadSettings() {
    QFETCH(QByteArray, ini);
    ConnectFixture f(ini);
    TFormSetupCom& form = f.Form();
    // Values from an earlier run of the dialog must not leak into what the file says.
    f.P().Com.Parity = 1;
    form.LoadSettings();

    QTEST(Child<QLineEdit>(form, "EditAddress")->text(), "address");
    QTEST(Child<QLineEdit>(form, "EditAnsDelay")->text(), "ansDelay");
    QTEST(Child<QComboBox>(form, "ComboBaudRate")->currentText(), "baud");
    QGroupBox* parity = Child<QGroupBox>(form, "RadioGroupParity");
    QFETCH(int, parityIndex);
    QVERIFY(parity->findChildren<QRadioButton*>().at(parityIndex)->isChecked());
    QTEST(Child<QRadioButton>(form, "RadioButton1StopBit")->isChecked(), "oneStopBit");

    const ComSetup& com = f.P().Com;
    QTEST(int(com.Address), "comAddress");
    QTEST(int(com.BaudRate), "comBaud");
    QTEST(int(com.AnsDelay), "comAnsDelay");
    QTEST(int(com.CharTime), "comCharTime");
    QTEST(int(com.StopBits), "comStopBits");
    QTEST(int(com.Parity), "comParity");
    QVERIFY(!com.IsOpen());
    // Loading never writes: a damaged file stays for the user to look at.
    QCOMPARE(f.IniBytes(), ini);
}

void TestFormSetupCom::portList_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QList<bool>>("marks");
    QTest::addColumn<int>("selected");

    const QStringList two = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
    QTest::newRow("stored port present")
        << two << Ini("[ComPort]\nComNumber=ttyUSB0\n") << two << QList<bool>{true, true} << 1;
    QTest::newRow("stored port gone: appended last, no mark")
        << two << Ini("[ComPort]\nComNumber=ttyUSB3\n")
        << QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0"),
                       QStringLiteral("ttyUSB3")}
        << QList<bool>{true, true, false} << 2;
    QTest::newRow("no section: COM1 appended")
        << two << QByteArray()
        << QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0"), QStringLiteral("COM1")}
        << QList<bool>{true, true, false} << 2;
    QTest::newRow("no ports at all")
        << QStringList() << Ini("[ComPort]\nComNumber=/dev/ttyUSB0\n")
        << QStringList{QStringLiteral("/dev/ttyUSB0")} << QList<bool>{false} << 0;
    QTest::newRow("names differ by letter case only")
        << two << Ini("[ComPort]\nComNumber=ttyusb0\n")
        << QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0"),
                       QStringLiteral("ttyusb0")}
        << QList<bool>{true, true, false} << 2;
}

void TestFormSetupCom::portList() {
    QFETCH(QStringList, present);
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, items);
    QFETCH(QList<bool>, marks);
    QFETCH(int, selected);
    ConnectFixture f(ini);
    *f.ports = present;
    f.Form().LoadSettings();
    QComboBox& combo = *Child<QComboBox>(f.Form(), "ComboBoxManual");
    QCOMPARE(Items(combo), items);
    QList<bool> got;
    for (int i = 0; i < combo.count(); ++i) got.append(f.Form().IsEnumerated(i));
    QCOMPARE(got, marks);
    QCOMPARE(combo.currentIndex(), selected);
    QCOMPARE(f.P().Com.PortName, items.at(selected));
}

void TestFormSetupCom::formShowRefreshesTheListKeepingThePort() {
    ConnectFixture f(Ini("[ComPort]\nComNumber=ttyUSB0\n"));
    *f.ports = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
    TFormSetupCom& form = f.Form();
    form.LoadSettings();
    QComboBox& combo = *Child<QComboBox>(form, "ComboBoxManual");

    // The adapter is unplugged and another one appears while the dialog is closed.
    *f.ports = {QStringLiteral("ttyACM0"), QStringLiteral("ttyS0")};
    form.show();
    QCOMPARE(Items(combo), (QStringList{QStringLiteral("ttyACM0"), QStringLiteral("ttyS0"),
                                        QStringLiteral("ttyUSB0")}));
    QCOMPARE(combo.currentText(), QStringLiteral("ttyUSB0"));
    QVERIFY(f.Form().IsEnumerated(0) && !f.Form().IsEnumerated(2));
    form.hide();

    // A name the user typed is kept the same way, and the adapter is back.
    combo.setEditText(QStringLiteral("/dev/ttyAMA0"));
    *f.ports = {QStringLiteral("ttyUSB0")};
    form.show();
    QCOMPARE(Items(combo),
             (QStringList{QStringLiteral("ttyUSB0"), QStringLiteral("/dev/ttyAMA0")}));
    QCOMPARE(combo.currentIndex(), 1);
    // Showing changes nothing the program connects with.
    QCOMPARE(f.P().Com.PortName, QStringLiteral("ttyUSB0"));
}

void TestFormSetupCom::saveWritesTheControlsButNeverStopBits() {
    for (const bool withStopBits : {true, false}) {
        const QByteArray ini =
            withStopBits ? Ini("[Other]\nKey=1\n[ComPort]\nStopBits=2\nParity=0\n") : QByteArray();
        ConnectFixture f(ini);
        *f.ports = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
        TFormSetupCom& form = f.Form();
        form.LoadSettings();
        Child<QLineEdit>(form, "EditAddress")->setText(QStringLiteral("12"));
        Child<QComboBox>(form, "ComboBoxManual")->setCurrentIndex(1);
        Child<QComboBox>(form, "ComboBaudRate")->setCurrentIndex(5);
        Child<QRadioButton>(form, "RadioParityOdd")->setChecked(true);
        Child<QLineEdit>(form, "EditAnsDelay")->setText(QStringLiteral("300"));
        form.SaveSettings();

        const QString path = f.IniPath();
        QCOMPARE(Read(path, "Address"), QStringLiteral("12"));
        QCOMPARE(Read(path, "ComNumber"), QStringLiteral("ttyUSB0"));
        QCOMPARE(Read(path, "BaudRate"), QStringLiteral("19200"));
        QCOMPARE(Read(path, "Parity"), QStringLiteral("1"));
        QCOMPARE(Read(path, "AnsDelay"), QStringLiteral("300"));
        QCOMPARE(Read(path, "StopBits"),
                 withStopBits ? QStringLiteral("2") : QStringLiteral("<missing>"));
        if (withStopBits)
            QCOMPARE(IniFile(path).ReadString(QStringLiteral("Other"), QStringLiteral("Key"), {}),
                     QStringLiteral("1"));
        // The next start reads back what was saved.
        ConnectFixture again(f.IniBytes());
        *again.ports = *f.ports;
        again.Form().LoadSettings();
        QCOMPARE(int(again.P().Com.Address), 12);
        QCOMPARE(again.P().Com.PortName, QStringLiteral("ttyUSB0"));
        QCOMPARE(int(again.P().Com.BaudRate), 19200);
        QCOMPARE(int(again.P().Com.Parity), 1);
        QCOMPARE(int(again.P().Com.AnsDelay), 300);
        QCOMPARE(int(again.P().Com.StopBits), withStopBits ? 2 : 0);
    }
}

void TestFormSetupCom::waysOut_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("fileChanged");
    QTest::addColumn<bool>("comChanged");
    QTest::newRow("Сохранить") << QStringLiteral("ButtonSave") << int(QDialog::Accepted) << true
                               << false;
    QTest::newRow("ОК") << QStringLiteral("Button3") << int(QDialog::Rejected) << false << true;
    QTest::newRow("close box") << QStringLiteral("close") << int(QDialog::Rejected) << false
                               << false;
    QTest::newRow("Escape") << QStringLiteral("escape") << int(QDialog::Rejected) << false << false;
}

void TestFormSetupCom::waysOut() {
    QFETCH(QString, how);
    const QByteArray ini = Ini("[ComPort]\nAddress=1\nBaudRate=115200\nComNumber=ttyS0\n");
    ConnectFixture f(ini);
    TFormSetupCom& form = f.Form();
    form.LoadSettings();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Child<QLineEdit>(form, "EditAddress")->setText(QStringLiteral("23"));
    Child<QComboBox>(form, "ComboBaudRate")->setEditText(QStringLiteral("9600"));

    if (how == QLatin1String("close"))
        form.close();
    else if (how == QLatin1String("escape"))
        QTest::keyClick(&form, Qt::Key_Escape);
    else
        QTest::mouseClick(Child<QPushButton>(form, how.toLatin1().constData()), Qt::LeftButton);

    QVERIFY(!form.isVisible());
    QTEST(form.result(), "result");
    QFETCH(bool, fileChanged);
    QFETCH(bool, comChanged);
    QCOMPARE(Read(f.IniPath(), "Address"),
             fileChanged ? QStringLiteral("23") : QStringLiteral("1"));
    QCOMPARE(Read(f.IniPath(), "BaudRate"),
             fileChanged ? QStringLiteral("9600") : QStringLiteral("115200"));
    QCOMPARE(int(f.P().Com.Address), comChanged ? 23 : 1);
    QCOMPARE(int(f.P().Com.BaudRate), comChanged ? 9600 : 115200);
    QCOMPARE(int(f.P().Com.CharTime), comChanged ? 2 : 1);
    QVERIFY(f.asked.isEmpty());

    // Whichever way it closed, the typed values wait in the dialog for the next connect.
    f.Form().ApplySettings();
    QCOMPARE(int(f.P().Com.Address), 23);
    QCOMPARE(int(f.P().Com.BaudRate), 9600);
}

void TestFormSetupCom::applyWithBadInput_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("baud");
    QTest::addColumn<QString>("ansDelay");
    QTest::addColumn<QString>("message");  // of the error raised; empty: none
    QTest::addColumn<int>("comAddress");
    QTest::addColumn<QString>("comPort");
    QTest::addColumn<int>("comBaud");
    QTest::addColumn<int>("comAnsDelay");
    QTest::addColumn<int>("comCharTime");

    const QString usb = QStringLiteral("ttyUSB1");
    const QString s9600 = QStringLiteral("9600");
    const QString com1 = QStringLiteral("COM1");
    const QString t250 = QStringLiteral("250");
    const QString none;
    // ComSetup before: address 1, "COM1", 115200 baud, 100 ms, CharTime 1. An address that is
    // no device's is refused before anything is copied: the page writes would go to another
    // device (300 is 44 in 8 bits) or to all of them (0, and 256 in 8 bits, is the broadcast).
    QTest::newRow("letters for the address")
        << QStringLiteral("abc") << usb << s9600 << t250
        << QStringLiteral("Недопустимое значение: abc") << 1 << com1 << 115200 << 100 << 1;
    QTest::newRow("empty address")
        << QString() << usb << s9600 << t250 << QStringLiteral("Недопустимое значение: ") << 1
        << com1 << 115200 << 100 << 1;
    for (const char* address : {"0", "256", "300", "-1"}) {
        const QString a = QString::fromLatin1(address);
        QTest::newRow(qPrintable(QStringLiteral("address %1").arg(a)))
            << a << usb << s9600 << t250
            << a + QStringLiteral(" выходит за пределы допустимых значений: 1..255") << 1 << com1
            << 115200 << 100 << 1;
    }
    QTest::newRow("address with blanks")
        << QStringLiteral("  7 ") << usb << s9600 << t250 << none << 7 << usb << 9600 << 250 << 2;
    QTest::newRow("address 255") << QStringLiteral("255") << usb << s9600 << t250 << none << 255
                                 << usb << 9600 << 250 << 2;
    QTest::newRow("rate in letters: address and port already copied")
        << QStringLiteral("5") << usb << QStringLiteral("fast") << t250
        << QStringLiteral("Недопустимое значение: fast") << 5 << usb << 115200 << 100 << 1;
    QTest::newRow("empty rate") << QStringLiteral("5") << usb << QString() << t250
                                << QStringLiteral("Недопустимое значение: ") << 5 << usb << 115200
                                << 100 << 1;
    QTest::newRow("time-out in letters: the rate copied, its CharTime not yet")
        << QStringLiteral("5") << usb << s9600 << QStringLiteral("soon")
        << QStringLiteral("Недопустимое значение: soon") << 5 << usb << 9600 << 100 << 1;
    QTest::newRow("fractional time-out")
        << QStringLiteral("5") << usb << s9600 << QStringLiteral("100.5")
        << QStringLiteral("Недопустимое значение: 100.5") << 5 << usb << 9600 << 100 << 1;
    QTest::newRow("time-out beyond 16 bits, 1200 baud")
        << QStringLiteral("2") << QString() << QStringLiteral("1200") << QStringLiteral("70000")
        << none << 2 << QString() << 1200 << 4464 << 16;
    QTest::newRow("very slow rate holds the longest CharTime")
        << QStringLiteral("2") << usb << QStringLiteral("50") << QStringLiteral("100") << none << 2
        << usb << 50 << 100 << 255;
}

void TestFormSetupCom::applyWithBadInput() {
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, baud);
    QFETCH(QString, ansDelay);
    QFETCH(QString, message);
    ConnectFixture f;
    TFormSetupCom& form = f.Form();
    form.LoadSettings();
    Child<QLineEdit>(form, "EditAddress")->setText(address);
    Child<QComboBox>(form, "ComboBoxManual")->setEditText(port);
    Child<QComboBox>(form, "ComboBaudRate")->setEditText(baud);
    Child<QLineEdit>(form, "EditAnsDelay")->setText(ansDelay);
    QString raised;
    try {
        form.ApplySettings();
    } catch (const UserError& e) {
        raised = e.message();
    }
    QCOMPARE(raised, message);
    const ComSetup& com = f.P().Com;
    QTEST(int(com.Address), "comAddress");
    QTEST(com.PortName, "comPort");
    QTEST(int(com.BaudRate), "comBaud");
    QTEST(int(com.AnsDelay), "comAnsDelay");
    QTEST(int(com.CharTime), "comCharTime");
}

void TestFormSetupCom::okWithBadInputShowsTheErrorAndStaysOpen() {
    ConnectFixture f;
    TFormSetupCom& form = f.Form();
    form.LoadSettings();
    form.show();
    Child<QLineEdit>(form, "EditAnsDelay")->setText(QStringLiteral("1 s"));
    QTest::mouseClick(Child<QPushButton>(form, "Button3"), Qt::LeftButton);
    QCOMPARE(f.asked.size(), 1);
    QCOMPARE(f.asked[0].icon, QMessageBox::Critical);
    QCOMPARE(f.asked[0].text, QStringLiteral("Недопустимое значение: 1 s"));
    QVERIFY(form.isVisible());
    QCOMPARE(int(f.P().Com.AnsDelay), 100);
}

// The real boxes, not the test's stand-in: caption string 0, and the system's reason for a
// port that does not open on a line of its own.
void TestFormSetupCom::messageBoxesCarryTheProgramTitle() {
    QTemporaryDir dir;
    Program program(dir.path());
    TFormSetupCom form(program, nullptr,
                       std::make_unique<FixedPorts>(std::make_shared<QStringList>()));
    form.LoadSettings();
    const QString port = QStringLiteral("/dev/tarvix-no-such-port");
    Child<QComboBox>(form, "ComboBoxManual")->setEditText(port);

    QString title, text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(20);
    QVERIFY(!form.ReopenPort());
    closer.stop();
    QCOMPARE(title, Str(kStrProgramTitle));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("Не удается открыть порт ") + port);
    QVERIFY(!lines[1].isEmpty());
}

}  // namespace tarvix

QTEST_MAIN(tarvix::TestFormSetupCom)
#include "test_form_setup_com.moc"
