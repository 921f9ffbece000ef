// What the main window tells the user without being asked, against the simulated
// transmitter: the tree followed by keyboard (a node opens after a pause, a held key reads
// only the page it stops on, Enter opens at once), values greyed while the device is silent
// and back when it answers, a save the write lock refused named beside "Записать изменения?",
// and the indicator's placeholders and a long message laid out readably.
#include "app/main_window.h"
#include "base/string_table.h"
#include "link/modbus_rtu.h"
#include "link/protocol.h"
#include "model/register_ids.h"
#include "pages/message_box.h"
#include "tests/support/window_harness.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace tarvix {

class TestWindowFeedback : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    TForm1* form_ = nullptr;

    // How many requests a read of page sends (the page's own read list).
    int PageReadRequests(int page) {
        auto L = std::make_unique<ModbusList>();
        form_->Hooks().ReadPageRequests(*L, page);
        return L->Len;
    }
    static bool Grey(const QLabel* label) {
        return label->palette().color(label->foregroundRole()) !=
               label->palette().color(QPalette::WindowText);
    }
    bool PollIdle() { return w_.P().Lists->PollList.Idle(); }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        form_ = &w_.Form();
    }
    void cleanupTestCase() { w_.Stop(); }

    void keysOpenTheNodeTheyStopOn() {
        // Nothing but page reads on the line: the indicator is not polled and the start page
        // polls nothing, so the simulator's request counter counts page reads alone.
        w_.Find<QAction>("MenuInd")->setChecked(false);
        QVERIFY(w_.Open(0));
        QTRY_VERIFY_WITH_TIMEOUT(PollIdle() && w_.Idle(), 10000);
        QTest::qWait(2 * form_->Connection().PollInterval());
        // A longer pause than the program's, so that a loaded machine cannot stretch the
        // steps of a held key past it: the test is about what the pause does, not its length.
        auto* pause = form_->findChild<QTimer*>(QStringLiteral("TimerKeyOpen"));
        QVERIFY(pause);
        const int programPause = pause->interval();
        pause->setInterval(1500);
        auto* tree = w_.Find<QTreeWidget>("TreeView1");
        auto* pages = w_.Find<QStackedWidget>("PageControl1");
        tree->setFocus();

        // One step down: the start page stays until the pause is over, then the node opens.
        int before = w_.SimRequests();
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::qWait(50);
        QCOMPARE(form_->ActivePage(), 0);
        QCOMPARE(w_.SimRequests(), before);
        QTRY_VERIFY_WITH_TIMEOUT(w_.Idle() && form_->ActivePage() == 1, 10000);  // FmInfo
        QCOMPARE(w_.SimRequests() - before, PageReadRequests(1));

        // A held key walks past "Текущие данные" and "Главные переменные" to "Настройка ЖКИ":
        // only that page is read and shown.
        QSignalSpy shown(pages, &QStackedWidget::currentChanged);
        before = w_.SimRequests();
        for (int i = 0; i < 3; ++i) QTest::keyClick(tree, Qt::Key_Down, Qt::NoModifier, 40);
        QTRY_VERIFY_WITH_TIMEOUT(w_.Idle() && form_->ActivePage() == 7, 10000);
        QTest::qWait(500);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(w_.SimRequests() - before, PageReadRequests(7));

        // Enter opens at once ("Сумматоры" next), and once.
        before = w_.SimRequests();
        QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(form_->Connection().RunningPageRead() == 10 || form_->ActivePage() == 10);
        QTRY_VERIFY_WITH_TIMEOUT(w_.Idle() && form_->ActivePage() == 10, 10000);
        QTest::qWait(500);
        QCOMPARE(w_.SimRequests() - before, PageReadRequests(10));
        pause->setInterval(programPause);
        w_.Find<QAction>("MenuInd")->setChecked(true);
    }

    void silentDeviceGreysItsValues() {
        ConnectionController& c = form_->Connection();
        const int interval = ConnectionController::kMinPollIntervalMs;
        QVERIFY(c.SetPollInterval(interval));
        QVERIFY(w_.Open(6));  // "Главные переменные": mass flow refreshed by every poll
        auto* massFlow = w_.Find<QLabel>("LabelMassFlow");
        auto* field = w_.Find<QLabel>("LabelField1");
        auto* noAnswer = w_.Find<QLabel>("StatusNoAnswer");
        QTRY_VERIFY_WITH_TIMEOUT(field->text() != QStringLiteral("- - - - - - -"), 10000);
        QVERIFY(!Grey(massFlow) && !Grey(field) && !noAnswer->isVisible());

        QVERIFY(w_.Sim(QStringLiteral("silent on")));
        QElapsedTimer silent;
        silent.start();
        QTRY_VERIFY_WITH_TIMEOUT(Grey(massFlow) && Grey(field), 10000);
        // Received more than two intervals ago, judged every quarter second: with the last
        // answer at most one interval before the silence, about three intervals at most
        // (with room for a loaded machine; the rule itself is tested in ValueFreshness).
        QVERIFY2(silent.elapsed() < 3 * interval + 2000,
                 qPrintable(QString::number(silent.elapsed())));
        const QRegularExpression received(QStringLiteral("^получено \\d\\d:\\d\\d:\\d\\d$"));
        QVERIFY2(received.match(massFlow->toolTip()).hasMatch(), qPrintable(massFlow->toolTip()));
        QVERIFY2(received.match(field->toolTip()).hasMatch(), qPrintable(field->toolTip()));
        QTRY_VERIFY_WITH_TIMEOUT(noAnswer->isVisible(), 5000);
        QVERIFY(noAnswer->text().startsWith(QStringLiteral("Нет ответа с ")));
        QCOMPARE(form_->StatusText(1), Str(kStrConnected));
        // A language switch says both again at once, not at the next freshness tick (it
        // shows the start page, so the indicator's field is what stays in sight).
        w_.Find<QAction>("MenuEnglish")->trigger();
        QVERIFY2(noAnswer->text().startsWith(QLatin1String("No answer since ")),
                 qPrintable(noAnswer->text()));
        QVERIFY2(field->toolTip().startsWith(QLatin1String("received ")),
                 qPrintable(field->toolTip()));
        w_.Find<QAction>("MenuRussian")->trigger();
        QVERIFY(noAnswer->text().startsWith(QStringLiteral("Нет ответа с ")));

        QVERIFY(w_.Sim(QStringLiteral("silent off")));
        QVERIFY(w_.Open(6));
        QTRY_VERIFY_WITH_TIMEOUT(!Grey(massFlow) && !Grey(field) && !noAnswer->isVisible(), 10000);
        QVERIFY(massFlow->toolTip().isEmpty());
        QCOMPARE(c.State(), ConnectionState::Online);
        QVERIFY(c.SetPollInterval(ConnectionController::kDefaultPollIntervalMs));
    }

    void refusedSaveIsNamedBesideTheButtons() {
        QVERIFY(w_.Open(11));  // "Сумматор 1"
        auto* combo = w_.Find<QComboBox>("ComboSumMode1");
        auto* failure = w_.Find<QLabel>("LabelSaveFailure");
        const int before = w_.SimWord(mrSumMode1);
        QVERIFY(w_.Sim(QStringLiteral("switch write on")));
        const int wanted = before == 1 ? 2 : 1;
        combo->setCurrentIndex(wanted);
        Q_EMIT combo->activated(wanted);
        w_.Find<QPushButton>("ButtonSave")->click();
        QTRY_VERIFY_WITH_TIMEOUT(failure->isVisible(), 10000);
        QCOMPARE(failure->text(), QStringLiteral("Не записано значений: 1 из 1 — ") +
                                      ResultText(kExceptionWriteProtected));
        QVERIFY(
            w_.Journalled(QStringLiteral("SumMode1 - ") + ResultText(kExceptionWriteProtected)));
        // The page was read back: it shows what the device kept.
        QTRY_VERIFY_WITH_TIMEOUT(w_.Idle(), 10000);
        QCOMPARE(combo->currentIndex(), before);
        QVERIFY(failure->isVisible());
        // A language switch says it again in the new language, and again back.
        const QString russian = failure->text();
        w_.Find<QAction>("MenuEnglish")->trigger();
        QVERIFY2(failure->text().startsWith(QLatin1String("Values not written: 1 of 1")),
                 qPrintable(failure->text()));
        w_.Find<QAction>("MenuRussian")->trigger();
        QCOMPARE(failure->text(), russian);
        QVERIFY(w_.Sim(QStringLiteral("switch write off")));
        // The user's next action ends the message.
        w_.Find<QPushButton>("ButtonCancel")->setEnabled(true);
        w_.Find<QPushButton>("ButtonCancel")->click();
        QVERIFY(!failure->isVisible());
    }

    void placeholdersAndLongMessagesStayReadable() {
        form_->GoOffline();
        QTRY_COMPARE_WITH_TIMEOUT(form_->StatusText(1), Str(kStrDisconnected), 10000);
        const char* const fields[][2] = {{"LabelField1", "LabelF1Units"},
                                         {"LabelField1Mix", "LabelF1MixUnits"},
                                         {"LabelField2", "LabelF2Units"},
                                         {"LabelField2Mix", "LabelF2MixUnits"}};
        for (const auto& [valueName, unitName] : fields) {
            const QLabel* value = w_.Find<QLabel>(valueName);
            const QLabel* unit = w_.Find<QLabel>(unitName);
            // The value's dashes end at its right edge, the unit's begin at its left: the gap
            // between the two is at least two blanks wide.
            const int gap = unit->geometry().left() - value->geometry().right();
            QVERIFY2(
                gap >= 2 * unit->fontMetrics().horizontalAdvance(QLatin1Char(' ')),
                qPrintable(QStringLiteral("%1: gap %2").arg(QLatin1String(valueName)).arg(gap)));
            QVERIFY(value->width() >= value->fontMetrics().horizontalAdvance(value->text()));
        }

        // A long input without blanks wraps inside the box instead of running off its edge.
        const QString text =
            QStringLiteral("Недопустимое значение: ") + QString(300, QLatin1Char('7'));
        int labelWidth = 0;
        int textWidth = 0;
        int labelHeight = 0;
        int wrappedHeight = 0;
        QTimer::singleShot(200, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (auto* label =
                    box ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr) {
                labelWidth = label->width();
                textWidth = label->minimumSizeHint().width();
                labelHeight = label->height();
                wrappedHeight = label->heightForWidth(label->width());
            }
            if (box) box->close();
        });
        ShowProgramMessage(form_, QMessageBox::Critical, text, QMessageBox::Ok);
        QVERIFY(labelWidth > 0);
        QVERIFY2(textWidth <= labelWidth,
                 qPrintable(QStringLiteral("%1 > %2").arg(textWidth).arg(labelWidth)));
        QVERIFY(wrappedHeight <= labelHeight);
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestWindowFeedback)
#include "test_window_feedback.moc"
