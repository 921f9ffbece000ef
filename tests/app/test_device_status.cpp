// The device status against the simulated transmitter: the Errors page and the indicator's
// status group follow the messages the device holds, in both languages; the data error
// address and the micro switches follow their registers; a click cannot change a switch.
#include "model/register_ids.h"
#include "pages/device_status.h"
#include "tests/support/window_harness.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTableWidget>

namespace tarvix {

class TestDeviceStatus : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    static constexpr int kNodeMessages = 5;  // "Сообщения"

    QString Lamp(const char* name) const {
        auto* shape = w_.Find<QFrame>(name);
        return shape ? shape->styleSheet() : QString();
    }
    static QString Colour(std::uint32_t rgb) {
        return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
    }
    QStringList Row(int r) const {
        auto* grid = w_.Find<QTableWidget>("StringGridErrors");
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        return cells;
    }
    static QStringList Cells(std::initializer_list<const char*> texts) {
        QStringList cells;
        for (const char* t : texts) cells << QString::fromUtf8(t);
        return cells;
    }
    QString Marks() const {
        QString on;
        for (const char* m : {"LabelSE", "LabelSW", "LabelPE", "LabelPW"}) {
            if (w_.Find<QLabel>(m)->isEnabled())
                on += QString::fromLatin1(m).mid(5) + QLatin1Char(' ');
        }
        return on.trimmed();
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
    }
    void cleanupTestCase() { w_.Stop(); }

    void messagesOfEveryTypeShowInBothLanguages() {
        // A system error, a process error, a system warning, a process warning, a message of
        // no known type and one past its type's table.
        for (const char* word :
             {"1 0x8000", "2 0x2001", "3 0x4000", "4 0x1005", "5 0x0503", "6 0x2007"})
            QVERIFY(w_.Sim(QStringLiteral("notice ") + QLatin1String(word)));
        QVERIFY(w_.Open(kNodeMessages));
        QCOMPARE(Lamp("ShapeErrStatus"),
                 QStringLiteral("background-color: ") + Colour(kStatusRed) + QLatin1Char(';'));
        QCOMPARE(Lamp("ShapeErrorI"), Lamp("ShapeErrStatus"));
        QCOMPARE(w_.Find<QLabel>("LabelErrCount")->text(), QStringLiteral("6"));
        QCOMPARE(w_.Find<QLabel>("LabelErrCntI")->text(), QStringLiteral("6"));
        QCOMPARE(Marks(), QStringLiteral("SE SW PE PW"));

        const QStringList ru[] = {
            Cells({"1", "Ошибка системы", "1", "Связь с ИМ  "}),
            Cells({"2", "Ошибка процесса", "2", "Низк.ур.пит."}),
            Cells({"3", "Предупреждение системы", "1", "Запуск ИМ   "}),
            Cells({"4", "Предупреждение процесса", "42", "Огран. т.вых"}),
            Cells({"5", "", "0x0503", ""}),
            Cells({"6", "Ошибка процесса", "0x2007", ""}),
            Cells({"", "", "", ""}),
            Cells({"", "", "", ""}),
        };
        for (int r = 0; r < 8; ++r) QCOMPARE(Row(r), ru[r]);

        // The device's message texts follow the interface language; the list is rebuilt on
        // the next read.
        w_.P().LangIndex = 1;
        w_.Form().RereadPage();
        QTRY_COMPARE_WITH_TIMEOUT(Row(3).at(3), QStringLiteral("Satur.CurOut"), 5000);
        QCOMPARE(Row(0).at(3), QStringLiteral("No Link MM  "));
        w_.P().LangIndex = 0;

        // Cleared messages: the poll of the active page turns the lamp green and empties the
        // list.
        QVERIFY(w_.Sim(QStringLiteral("notice clear")));
        QVERIFY(w_.Sim(QStringLiteral("notice 1 0x1000")));
        QTRY_COMPARE_WITH_TIMEOUT(w_.Find<QLabel>("LabelErrCount")->text(), QStringLiteral("1"),
                                  5000);
        QCOMPARE(Lamp("ShapeErrStatus"),
                 QStringLiteral("background-color: ") + Colour(kStatusOrange) + QLatin1Char(';'));
        QCOMPARE(Marks(), QStringLiteral("PW"));
        QCOMPARE(Row(1), Cells({"", "", "", ""}));
        QVERIFY(w_.Sim(QStringLiteral("notice clear")));
        QTRY_COMPARE_WITH_TIMEOUT(
            Lamp("ShapeErrorI"),
            QStringLiteral("background-color: ") + Colour(kStatusGreen) + QLatin1Char(';'), 5000);
    }

    void switchesAndDataErrorFollowTheirRegisters() {
        QVERIFY(w_.Open(kNodeMessages));
        auto* writeLock = w_.Find<QCheckBox>("CheckBoxMicroSwitch1");
        auto* keysLock = w_.Find<QCheckBox>("CheckBoxMicroSwitch2");
        const struct {
            int code;
            bool write, keys;
        } bands[] = {
            {303, true, true}, {304, true, false}, {769, false, true}, {770, false, false}};
        for (const auto& b : bands) {
            QVERIFY(w_.Sim(QStringLiteral("hold CodeInternalAdc %1").arg(b.code)));
            QTRY_VERIFY_WITH_TIMEOUT(
                writeLock->isChecked() == b.write && keysLock->isChecked() == b.keys, 5000);
        }
        // A click does not change what the hardware says.
        QTest::mouseClick(writeLock, Qt::LeftButton);
        QVERIFY(!writeLock->isChecked());
        QVERIFY(w_.Sim(QStringLiteral("hold CodeInternalAdc off")));

        auto* err = w_.Find<QLabel>("LabelErr");
        QVERIFY(w_.Sim(QStringLiteral("hold Err 35")));
        QTRY_VERIFY_WITH_TIMEOUT(err->isVisible(), 5000);
        QCOMPARE(err->text(), QStringLiteral("35"));
        QVERIFY(w_.Sim(QStringLiteral("hold Err 1796")));
        QTRY_VERIFY_WITH_TIMEOUT(!err->isVisible(), 5000);
        QVERIFY(!w_.Find<QLabel>("CaptionErr")->isVisible());
        QVERIFY(w_.Sim(QStringLiteral("hold clear")));
    }

    void goingOfflineWhitensTheIndicator() {
        QVERIFY(w_.Sim(QStringLiteral("notice 1 0x8000")));
        QVERIFY(w_.Open(kNodeMessages));
        QCOMPARE(w_.Find<QLabel>("LabelErrCntI")->text(), QStringLiteral("1"));
        w_.Form().GoOffline();
        QCOMPARE(Lamp("ShapeErrorI"),
                 QStringLiteral("background-color: ") + Colour(kStatusWhite) + QLatin1Char(';'));
        QCOMPARE(w_.Find<QLabel>("LabelErrCntI")->text(), QStringLiteral("0"));
        QCOMPARE(Marks(), QString());
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestDeviceStatus)
#include "test_device_status.moc"
