// The connecting dialog: its size and frame, the dots while connecting, the failure look and
// its way back, the button that disconnects, and the ways it cannot be closed.
#include "connect/form_connecting.h"

#include "base/string_table.h"

#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace tarvix {
namespace {

template <class T>
T* Child(QObject& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

struct Look {
    QString label1;
    QColor label1Colour;
    bool dotsVisible;
    bool hintVisible;
    QString button;
};

Look LookOf(TFormConnecting& d) {
    QLabel* l1 = Child<QLabel>(d, "Label1");
    return {l1->text(), l1->palette().color(QPalette::WindowText),
            Child<QLabel>(d, "Label2")->isVisible(), Child<QLabel>(d, "Label3")->isVisible(),
            Child<QPushButton>(d, "Button1")->text()};
}

}  // namespace

class TestFormConnecting : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void frameAndControls();
    void dotsStepEvery200ms();
    void dotsCycle_data();
    void dotsCycle();
    void failureLookAndBack();
    void buttonDisconnectsThenCloses_data();
    void buttonDisconnectsThenCloses();
    void onlyTheProgramClosesIt();
};

void TestFormConnecting::frameAndControls() {
    QMainWindow owner;
    owner.setGeometry(100, 120, 800, 600);
    owner.show();
    TFormConnecting d(&owner);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.size(), QSize(321, 65));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QVERIFY(!d.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!d.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    QVERIFY(!d.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(d.windowTitle(), QStringLiteral("Tarvix"));
    QVERIFY(!d.isModal());
    // Centred on its owner.
    QVERIFY((d.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <= 1);

    QLabel* label1 = Child<QLabel>(d, "Label1");
    QCOMPARE(label1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(label1->font().pixelSize(), 27);
    QCOMPARE(Child<QLabel>(d, "Label2")->font().pixelSize(), 27);
    // The dots stand right of the word.
    QVERIFY(Child<QLabel>(d, "Label2")->x() >= label1->geometry().right());
    QLabel* hint = Child<QLabel>(d, "Label3");
    QCOMPARE(hint->text(), QStringLiteral("Дополнительные сведения ищите в записях журнала"));
    // The failure hint fits the fixed width on its one line.
    d.ShowFailure();
    d.layout()->activate();
    QVERIFY(hint->geometry().right() < d.width());
    QVERIFY(hint->width() >= hint->sizeHint().width());
    d.hide();
    d.show();
    QTimer* timer = Child<QTimer>(d, "Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 200);
    QVERIFY(timer->isActive());
    const Look look = LookOf(d);
    QCOMPARE(look.label1, QStringLiteral("Подключение"));
    QCOMPARE(look.label1Colour, d.palette().color(QPalette::WindowText));
    QVERIFY(look.dotsVisible && !look.hintVisible);
    QCOMPARE(look.button, QStringLiteral("Отмена"));
}

void TestFormConnecting::dotsStepEvery200ms() {
    TFormConnecting d;
    d.show();
    QLabel* dots = Child<QLabel>(d, "Label2");
    QCOMPARE(dots->text(), QString());
    QElapsedTimer clock;
    clock.start();
    QStringList seen{dots->text()};
    while (seen.size() < 6 && clock.elapsed() < 5000) {
        QTest::qWait(10);
        if (dots->text() != seen.last()) seen.append(dots->text());
    }
    QCOMPARE(seen, (QStringList{QString(), QStringLiteral("."), QStringLiteral(".."),
                                QStringLiteral("..."), QString(), QStringLiteral(".")}));
    // Five steps of 200 ms (a loaded machine may be late, never early).
    QVERIFY(clock.elapsed() >= 950);
    d.hide();
    QVERIFY(!Child<QTimer>(d, "Timer1")->isActive());
}

void TestFormConnecting::dotsCycle_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("none") << QString() << QStringLiteral(".");
    QTest::newRow("one") << QStringLiteral(".") << QStringLiteral("..");
    QTest::newRow("two") << QStringLiteral("..") << QStringLiteral("...");
    QTest::newRow("three") << QStringLiteral("...") << QString();
    QTest::newRow("anything else stays") << QStringLiteral("....") << QStringLiteral("....");
    QTest::newRow("not dots stays") << QStringLiteral("x") << QStringLiteral("x");
}

void TestFormConnecting::dotsCycle() {
    QFETCH(QString, before);
    TFormConnecting d;
    Child<QLabel>(d, "Label2")->setText(before);
    d.AdvanceDots();
    QTEST(Child<QLabel>(d, "Label2")->text(), "after");
}

void TestFormConnecting::failureLookAndBack() {
    TFormConnecting d;
    d.show();
    d.AdvanceDots();
    d.ShowFailure();
    QVERIFY(d.isVisible());
    Look look = LookOf(d);
    QCOMPARE(look.label1, QStringLiteral("Ошибка"));
    QCOMPARE(look.label1Colour, QColor(Qt::red));
    QVERIFY(!look.dotsVisible && look.hintVisible);
    QCOMPARE(look.button, QStringLiteral("Закрыть"));
    QVERIFY(!Child<QTimer>(d, "Timer1")->isActive());

    // A failure after the dialog was closed changes its look only; the next connect
    // shows the connecting look again, dots from none.
    d.hide();
    d.ShowFailure();
    QVERIFY(!d.isVisible());
    d.show();
    look = LookOf(d);
    QCOMPARE(look.label1, QStringLiteral("Подключение"));
    QCOMPARE(look.label1Colour, d.palette().color(QPalette::WindowText));
    QVERIFY(look.dotsVisible && !look.hintVisible);
    QCOMPARE(look.button, QStringLiteral("Отмена"));
    QCOMPARE(Child<QLabel>(d, "Label2")->text(), QString());
    QVERIFY(Child<QTimer>(d, "Timer1")->isActive());
}

void TestFormConnecting::buttonDisconnectsThenCloses_data() {
    QTest::addColumn<bool>("failed");
    QTest::newRow("Отмена while connecting") << false;
    QTest::newRow("Закрыть after a failure") << true;
}

void TestFormConnecting::buttonDisconnectsThenCloses() {
    QFETCH(bool, failed);
    TFormConnecting d;
    d.show();
    if (failed) d.ShowFailure();
    // The main window's "Оффлайн" runs while the dialog is still up and gives it the
    // failure look; then the dialog goes.
    bool visibleDuringOffline = false;
    connect(&d, &TFormConnecting::OfflineRequested, &d, [&] {
        visibleDuringOffline = d.isVisible();
        d.ShowFailure();
    });
    QSignalSpy spy(&d, &TFormConnecting::OfflineRequested);
    QTest::mouseClick(Child<QPushButton>(d, "Button1"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QVERIFY(visibleDuringOffline);
    QVERIFY(!d.isVisible());
    QVERIFY(!Child<QTimer>(d, "Timer1")->isActive());
}

void TestFormConnecting::onlyTheProgramClosesIt() {
    TFormConnecting d;
    QSignalSpy spy(&d, &TFormConnecting::OfflineRequested);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(d.isVisible());
    // Alt+F4 or the window manager's close: a spontaneous close event, refused.
    QCloseEvent fromOutside;
    QSpontaneKeyEvent::setSpontaneous(&fromOutside);
    // (sendEvent would clear the mark; notify delivers the event as it is.)
    QCoreApplication::instance()->notify(&d, &fromOutside);
    QVERIFY(!fromOutside.isAccepted());
    QVERIFY(d.isVisible());
    QCOMPARE(spy.count(), 0);
    // The main window closes it when the connection is confirmed.
    QVERIFY(d.close());
    QVERIFY(!d.isVisible());
    QVERIFY(!Child<QTimer>(d, "Timer1")->isActive());
}

}  // namespace tarvix

QTEST_MAIN(tarvix::TestFormConnecting)
#include "test_form_connecting.moc"
