// The language switch against the simulated transmitter: every text of every window in English
// and back, the user's unsaved edits and choices kept, nothing sent to the device for it, the
// choice kept for the next start, a display format kept, Qt's own buttons in the same language,
// and a language module or a settings value that is no language.
#include "app/language_module.h"
#include "formats/form_formats.h"
#include "model/param_table.h"
#include "pages/value_service.h"
#include "tests/support/window_harness.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include <map>

namespace tarvix {
namespace {

constexpr int kNodeCutOff = 28;  // "Отсечка": PageCutOff, a combo and edits
constexpr int kTemperatureId = 307;

// Every text a user can see in a window or open from it, by the widget that shows it.
using Texts = std::multimap<QString, QString>;

void Collect(Texts& texts, const QString& where, const QString& text) {
    if (!text.isEmpty()) texts.emplace(where, text);
}

Texts WindowTexts() {
    Texts t;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* w : widgets) {
            const QString at = w->objectName() + QLatin1Char('@') + top->objectName();
            if (w->isWindow()) Collect(t, at + QStringLiteral(":title"), w->windowTitle());
            Collect(t, at + QStringLiteral(":tip"), w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w)) Collect(t, at, l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) Collect(t, at, b->text());
            if (auto* g = qobject_cast<QGroupBox*>(w)) Collect(t, at, g->title());
            if (auto* e = qobject_cast<QLineEdit*>(w)) Collect(t, at, e->text());
            if (auto* c = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; i < c->count(); ++i) Collect(t, at, c->itemText(i));
                Collect(t, at + QStringLiteral(":chosen"), QString::number(c->currentIndex()));
            }
            if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
                const QAbstractItemModel* m = view->model();
                for (int c = 0; c < m->columnCount(); ++c)
                    Collect(t, at, m->headerData(c, Qt::Horizontal).toString());
                if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
                    for (QTreeWidgetItemIterator it(tree); *it; ++it)
                        Collect(t, at, (*it)->text(0));
                } else if (qobject_cast<QTableWidget*>(w)) {
                    for (int r = 0; r < m->rowCount(); ++r)
                        for (int c = 0; c < m->columnCount(); ++c)
                            Collect(t, at, m->index(r, c).data().toString());
                }
            }
            for (QAction* a : w->actions())
                Collect(t, at + QLatin1Char('/') + a->objectName(), a->text());
        }
    }
    return t;
}

QString Cyrillic(const Texts& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QString found;
    for (const auto& [where, text] : texts) {
        // A language's own name stays in its language.
        if (text == QStringLiteral("Русский")) continue;
        if (text.contains(cyrillic)) found += where + QStringLiteral(" = ") + text + u'\n';
    }
    return found;
}

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

// The windows of a program started on folder, with the boxes answered in place of the user.
std::unique_ptr<TForm1> StartWindows(Program& p) {
    std::unique_ptr<TForm1> form = CreateMainWindows(p);
    const MessageBoxFunction answer = [](QWidget*, QMessageBox::Icon, const QString&,
                                         QMessageBox::StandardButtons) { return QMessageBox::Ok; };
    form->SetMessageBox(answer);
    form->findChild<TFormSetupCom*>()->SetMessageBox(answer);
    return form;
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;

    QAction* Menu(const char* name) { return w_.Find<QAction>(name); }
    void Switch(const char* item) { Menu(item)->trigger(); }
    // Stops the poll cycle and waits for the lines to rest, so that the simulator's counter
    // moves only for what a test does.
    void Quiet() {
        w_.Form().Connection().PollTimer().stop();
        QVERIFY(
            QTest::qWaitFor([this] { return w_.Idle() && w_.P().Lists->PollList.Idle(); }, 10000));
        QTest::qWait(300);
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
    }
    void cleanupTestCase() { w_.Stop(); }

    void switchToEnglishAndBackKeepsTheUsersEditsAndSendsNothing() {
        QVERIFY(w_.Open(kNodeCutOff));
        auto* edit = w_.Find<QLineEdit>("EditValLowFlow_CutOffH");
        auto* combo = w_.Find<QComboBox>("ComboAssLowFlow_CutOff");
        QVERIFY(edit && combo);
        // The user types and chooses, as with the keyboard.
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1,5"));
        combo->setFocus();
        QTest::keyClick(combo, combo->currentIndex() > 0 ? Qt::Key_Up : Qt::Key_Down);
        const int chosen = combo->currentIndex();
        QVERIFY(w_.Find<QPushButton>("ButtonSave")->isEnabled());
        Quiet();
        const Texts russian = WindowTexts();
        const int requests = w_.SimRequests();

        Switch("MenuEnglish");
        QTest::qWait(500);
        const Texts english = WindowTexts();
        QVERIFY2(Cyrillic(english).isEmpty(), qPrintable(Cyrillic(english)));
        QCOMPARE(edit->text(), QStringLiteral("1,5"));
        QCOMPARE(combo->currentIndex(), chosen);
        QVERIFY(w_.Find<QPushButton>("ButtonSave")->isEnabled());
        QCOMPARE(w_.Form().ActivePage(), NodePage(kNodeCutOff, w_.P().Image));
        QCOMPARE(Menu("N15")->text(), QStringLiteral("Link settings..."));

        Switch("MenuRussian");
        QTest::qWait(500);
        QCOMPARE(w_.SimRequests(), requests);
        // Every caption, list and choice as it was, the tree without the service nodes.
        const Texts back = WindowTexts();
        for (const auto& [where, text] : russian) {
            const auto range = back.equal_range(where);
            bool same = false;
            for (auto it = range.first; it != range.second; ++it) same = same || it->second == text;
            QVERIFY2(same, qPrintable(where + QStringLiteral(": ") + text));
        }
        // Nothing added by the switch either (a text built twice, an item appended again). The
        // indicator's values age while the poll is stopped here: their "received" tips are the
        // stale-value display doing its work, not the switch.
        const QString receivedTip = Str(kStrReceivedAt).section(u'%', 0, 0);
        QStringList added;
        for (const auto& [where, text] : back) {
            if (where.endsWith(QLatin1String(":tip")) && text.startsWith(receivedTip)) continue;
            const auto range = russian.equal_range(where);
            bool known = false;
            for (auto it = range.first; it != range.second; ++it)
                known = known || it->second == text;
            if (!known || back.count(where) > russian.count(where)) added << where + u'=' + text;
        }
        QVERIFY2(added.isEmpty(), qPrintable(added.join(u'\n')));
        w_.Form().Connection().PollTimer().start();
    }

    void aSavedDisplayFormatOutlivesTheSwitch() {
        auto* dialog = w_.Form().findChild<TFormFormats*>();
        dialog->show();
        dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"))
            ->setCurrentRow(ParamRowByName("Temperature"));
        dialog->findChild<QLineEdit*>(QStringLiteral("EditFormat"))
            ->setText(QStringLiteral("0.0000"));
        dialog->findChild<QPushButton*>(QStringLiteral("ButtonSave"))->click();
        dialog->hide();
        const QRegularExpression fourDecimals(QStringLiteral("^-?\\d+[.,]\\d{4}$"));
        for (const char* item : {"MenuEnglish", "MenuRussian", "MenuEnglish"}) {
            Switch(item);
            const QString shown = w_.Form().Values().ValueText(kTemperatureId, true, true, false);
            QVERIFY2(fourDecimals.match(shown.trimmed()).hasMatch(), qPrintable(shown));
        }
    }

    void qtsOwnButtonsSpeakTheLanguage() {
        const auto buttons = [] {
            QMessageBox box(QMessageBox::Question, QString(), QString(),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            return QStringList{Plain(box.button(QMessageBox::Yes)->text()),
                               Plain(box.button(QMessageBox::No)->text()),
                               Plain(box.button(QMessageBox::Cancel)->text())};
        };
        Switch("MenuEnglish");
        QCOMPARE(buttons(), QStringLiteral("Yes No Cancel").split(u' '));
        Switch("MenuRussian");
        QCOMPARE(buttons(), QStringLiteral("Да Нет Отмена").split(u' '));
    }

    void theNextStartIsInTheLanguageChosen() {
        Switch("MenuEnglish");
        w_.Stop();
        Program again(w_.Folder());
        std::unique_ptr<TForm1> form = StartWindows(again);
        form->show();
        QCOMPARE(again.LangIndex, 1);
        QVERIFY(form->findChild<QAction*>(QStringLiteral("MenuEnglish"))->isChecked());
        QVERIFY2(Cyrillic(WindowTexts()).isEmpty(), qPrintable(Cyrillic(WindowTexts())));
    }

    void aModuleOrSettingThatIsNoLanguageKeepsRussian_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QByteArray>("module");  // null: no module file at all
        QTest::newRow("module of text") << QStringLiteral("0") << QByteArray("not a translation\n");
        QTest::newRow("module empty") << QStringLiteral("0") << QByteArray("");
        QTest::newRow("module missing") << QStringLiteral("0") << QByteArray();
        QTest::newRow("index 7") << QStringLiteral("7") << QByteArray();
        QTest::newRow("index as text") << QStringLiteral("English") << QByteArray();
    }
    void aModuleOrSettingThatIsNoLanguageKeepsRussian() {
        QFETCH(QString, stored);
        QFETCH(QByteArray, module);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Tarvix.ENU"));
        if (!module.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(module);
        }
        const QString section = QStringLiteral("Languages");
        const QString key = QStringLiteral("Selected");
        Program(folder.path()).Settings.WriteString(section, key, stored);
        Program p(folder.path());
        std::unique_ptr<TForm1> form = StartWindows(p);
        form->Language().SetModulePath(path);
        form->show();
        const auto* settingsItem = form->findChild<QAction*>(QStringLiteral("N15"));
        const QString russian = QStringLiteral("Настройки связи...");
        QCOMPARE(settingsItem->text(), russian);
        QCOMPARE(p.LangIndex, 0);
        if (stored != QStringLiteral("0")) {
            QVERIFY(testing::Journalled(p.JournalList, Str(kStrLanguageIndexInvalid).arg(stored)));
            return;
        }
        form->findChild<QAction*>(QStringLiteral("MenuEnglish"))->trigger();
        // The windows stay Russian; the built-in tables follow the choice, which is kept.
        QCOMPARE(settingsItem->text(), russian);
        const auto* tree = form->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Start page"));
        QVERIFY(testing::Journalled(
            p.JournalList, Str(kStrLanguageModuleUnusable).arg(QDir::toNativeSeparators(path))));
        QCOMPARE(p.Settings.ReadInteger(section, key, 0), 1);
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestLanguage)
#include "test_language.moc"
