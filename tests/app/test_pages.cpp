// The configuration pages against the simulated transmitter: every page of the tree is read
// and shown with the device's values, an edit is written with "Да" and read back, "Нет"
// discards it, and bad input is refused before anything is sent.
#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/navigation.h"
#include "base/string_table.h"
#include "connect/form_setup_com.h"
#include "model/param_table.h"
#include "model/register_ids.h"
#include "pages/value_service.h"
#include "session/program.h"
#include "tests/support/journal_lines.h"
#include "tests/support/window_harness.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace tarvix {

class TestPages : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    Program* p_ = nullptr;
    TForm1* form_ = nullptr;
    testing::SimProcess* sim_ = nullptr;

    bool Journalled(const QString& text) const { return w_.Journalled(text); }
    bool Idle() const { return w_.Idle(); }
    bool Open(int node) { return w_.Open(node); }
    template <typename T>
    T* Find(const char* name) const {
        return w_.Find<T>(name);
    }
    int SimWord(int reg) const { return w_.SimWord(reg); }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        p_ = &w_.P();
        form_ = &w_.Form();
        sim_ = &w_.Sim();
    }
    void cleanupTestCase() { w_.Stop(); }

    void everyPageShowsTheDevicesValues() {
        Descriptors& values = form_->Values();
        for (int node = 0; node < kNodeCount; ++node) {
            if (kTreeNodes[static_cast<std::size_t>(node)].level < AccessLevel) continue;
            QVERIFY2(Open(node), qPrintable(QStringLiteral("node %1 (%2): page %3, expected %4")
                                                .arg(node)
                                                .arg(NodeCaption(node, 0))
                                                .arg(form_->ActivePage())
                                                .arg(NodePage(node, p_->Image))));
            const QString page = PageName(form_->ActivePage());
            // Every register bound on the page arrived, and its controls show it.
            for (const DescriptorSpec& entry : Catalogue()) {
                if (entry.Dsp) continue;
                for (const BoundControl& c : entry.Controls) {
                    if (c.Page != page) continue;
                    QWidget* w = form_->findChild<QWidget*>(c.Name);
                    QVERIFY2(w, qPrintable(c.Name));
                    if (PollListOf(page).empty() || RegType(entry.Id) == 0) {
                        QVERIFY2(p_->Image.RegTime[entry.Id] > 0, qPrintable(c.Name));
                    }
                    if (auto* label = qobject_cast<QLabel*>(w)) {
                        QCOMPARE(label->text(), values.ValueText(entry.Id, true, true, false));
                    } else if (auto* combo = qobject_cast<QComboBox*>(w);
                               combo && combo->count() > 0) {
                        const int v = p_->Image.ModbusRegs[entry.Id];
                        QVERIFY2(combo->currentIndex() == (v < combo->count() ? v : -1),
                                 qPrintable(c.Name + QStringLiteral(" shows %1 for %2")
                                                         .arg(combo->currentIndex())
                                                         .arg(v)));
                    }
                }
            }
        }
    }

    void savedEditReachesTheDevice() {
        QVERIFY(Open(11));  // "Сумматор 1"
        auto* combo = Find<QComboBox>("ComboSumMode1");
        QVERIFY(combo && combo->count() > 2);
        const int before = SimWord(704);
        QCOMPARE(combo->currentIndex(), before);
        const int wanted = before == 1 ? 2 : 1;
        combo->setCurrentIndex(wanted);
        Q_EMIT combo->activated(wanted);
        QVERIFY(Find<QWidget>("ButtonSave")->isEnabled());
        form_->SavePage();
        QTRY_VERIFY_WITH_TIMEOUT(
            Journalled(
                QStringLiteral("SumMode1 - Новые значения успешно записаны в память расходомера.")),
            10000);
        QCOMPARE(SimWord(704), wanted);
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), 10000);
        QCOMPARE(combo->currentIndex(), wanted);  // read back from the device
        QVERIFY(!Find<QWidget>("ButtonSave")->isEnabled());
    }

    void cancelDiscardsTheEdit() {
        QVERIFY(Open(28));  // "Отсечка"
        auto* edit = Find<QLineEdit>("EditValLowFlow_CutOffH");
        QVERIFY(edit);
        const QString shown = edit->text();
        edit->setText(QStringLiteral("12345"));
        Q_EMIT edit->textEdited(edit->text());
        form_->RereadPage();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && edit->text() == shown, 10000);
    }

    void badInputIsRefusedBeforeAnythingIsSent() {
        QVERIFY(Open(28));
        auto* value = Find<QLineEdit>("EditValLowFlow_CutOffH");
        auto* shock = Find<QLineEdit>("EditTimeShockH");
        QVERIFY(value && shock);
        const int simBefore = SimWord(424);
        const struct {
            const char* typed;
            QString message;
        } cases[] = {
            {"abc", QStringLiteral("Недопустимое значение: abc")},
            {"200000000",
             QStringLiteral(
                 "200000000 выходит за пределы допустимых значений: -100000000..100000000")},
        };
        for (const auto& c : cases) {
            w_.Messages().clear();
            // A good value first, the bad one second: neither is sent.
            shock->setText(QStringLiteral("2"));
            Q_EMIT shock->textEdited(shock->text());
            value->setText(QString::fromLatin1(c.typed));
            Q_EMIT value->textEdited(value->text());
            form_->SavePage();
            QCOMPARE(w_.Messages().value(0), c.message);
            QVERIFY(p_->Lists->OpList.Idle());
            QCOMPARE(p_->Lists->OpList.Len, 0);
            QCOMPARE(SimWord(424), simBefore);
        }
        // A comma is a decimal separator like the point.
        w_.Messages().clear();
        QVERIFY(Open(28));
        value->setText(QStringLiteral("1,5"));
        Q_EMIT value->textEdited(value->text());
        form_->SavePage();
        QVERIFY(w_.Messages().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), 10000);
        QCOMPARE(p_->Image.ReadFloat(424), 1.5f);
    }

    // A double click is a click and an activation (and, from some mice, a second click): the
    // page is read once.
    void doubleClickReadsThePageOnce() {
        QVERIFY(Open(0));
        auto* tree = Find<QTreeWidget>("TreeView1");
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toInt() == 1) item = *it;
        }
        QVERIFY(item);
        const int page = NodePage(1, p_->Image);
        QVERIFY(page != kPageStart);
        QSignalSpy reads(&form_->Connection(), &ConnectionController::OperationFinished);
        tree->scrollToItem(item);
        // What a mouse sends: press and release (a click), then the double click (activation).
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        const bool shown =
            QTest::qWaitFor([&] { return Idle() && form_->ActivePage() == page; }, 10000);
        QVERIFY2(shown, qPrintable(QStringLiteral("page %1 of %2, %3 reads, current node %4")
                                       .arg(form_->ActivePage())
                                       .arg(page)
                                       .arg(reads.count())
                                       .arg(tree->currentItem() ? tree->currentItem()->text(0)
                                                                : QString())));
        QTest::qWait(500);
        QCOMPARE(reads.count(), 1);
    }

    // A save is all or nothing: the value converted before the refused one keeps its mark
    // and stays out of the image, and correcting the refused one sends both.
    void aRefusedSaveKeepsEveryEditForTheNextOne() {
        QVERIFY(Open(28));  // "Отсечка": the cut-off value comes before the shock time
        auto* value = Find<QLineEdit>("EditValLowFlow_CutOffH");
        auto* shock = Find<QLineEdit>("EditTimeShockH");
        QVERIFY(value && shock);
        const float imageBefore = p_->Image.ReadFloat(mrValLowFlow_CutOffH);
        const int simBefore = SimWord(mrValLowFlow_CutOffH);
        w_.Messages().clear();
        value->setText(QStringLiteral("2.25"));
        Q_EMIT value->textEdited(value->text());
        shock->setText(QStringLiteral("soon"));
        Q_EMIT shock->textEdited(shock->text());
        form_->SavePage();
        QCOMPARE(w_.Messages().value(0), QStringLiteral("Недопустимое значение: soon"));
        QCOMPARE(ControlTag(value), 1);
        QCOMPARE(ControlTag(shock), 1);
        QCOMPARE(p_->Image.ReadFloat(mrValLowFlow_CutOffH), imageBefore);
        QVERIFY(Find<QWidget>("ButtonSave")->isEnabled());
        QCOMPARE(SimWord(mrValLowFlow_CutOffH), simBefore);

        shock->setText(QStringLiteral("3"));
        form_->SavePage();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && !Find<QWidget>("ButtonSave")->isEnabled(), 10000);
        QCOMPARE(sim_->Command(QStringLiteral("get %1").arg(mrValLowFlow_CutOffH)),
                 QStringLiteral("ok 2.25"));
        QCOMPARE(sim_->Command(QStringLiteral("get %1").arg(mrTimeShockH)), QStringLiteral("ok 3"));
    }

    // A word the register cannot hold is refused, not cut to its low 16 bits (70000 would
    // reach the device as 4464).
    void aWordBeyondItsRegisterIsRefused() {
        QVERIFY(Open(34));  // "Modbus RS-485"
        auto* address = Find<QLineEdit>("EditDevAddr");
        QVERIFY(address);
        const int simBefore = SimWord(mrDevAddr);
        for (const char* typed : {"70000", "-1"}) {
            w_.Messages().clear();
            address->setText(QString::fromLatin1(typed));
            Q_EMIT address->textEdited(address->text());
            form_->SavePage();
            QCOMPARE(w_.Messages().value(0),
                     QString::fromLatin1(typed) +
                         QStringLiteral(" выходит за пределы допустимых значений: 0..65535"));
            QCOMPARE(p_->Lists->OpList.Len, 0);
            QCOMPARE(SimWord(mrDevAddr), simBefore);
        }
        form_->RereadPage();
        QTRY_VERIFY_WITH_TIMEOUT(Idle(), 10000);
    }

    // The count-down edit follows the device also with poll results, but a count the user
    // typed stays until it is saved or discarded, focus or not ("Да" takes the focus).
    void aTypedCountDownOutlivesThePoll() {
        QCOMPARE(sim_->Command(QStringLiteral("setf %1 500").arg(mrPFSp_CountDownH)),
                 QStringLiteral("ok"));
        QVERIFY(Open(16));  // "Имп/част/статусный 1"
        auto* edit = Find<QLineEdit>("EditPFSp_CountDownH");
        QVERIFY(edit);
        QCOMPARE(edit->text(), QStringLiteral("500"));
        edit->setText(QStringLiteral("123"));
        Q_EMIT edit->textEdited(edit->text());
        edit->clearFocus();
        // The count-down's value arriving with a poll, as the distribution passes it on.
        form_->Values().ValueArrived(mrPFSp_CountDownH, false);
        QCOMPARE(edit->text(), QStringLiteral("123"));
        QCOMPARE(ControlTag(edit), 1);
        QCOMPARE(Find<QLabel>("LabelPFSp_CountDownH")->text(), QStringLiteral("500"));
        form_->RereadPage();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && edit->text() == QStringLiteral("500"), 10000);
        QCOMPARE(ControlTag(edit), 0);
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestPages)
#include "test_pages.moc"
