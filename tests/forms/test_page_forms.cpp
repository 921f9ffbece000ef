// The page forms against the catalogue: every bound control once, on its page, of the class
// its name demands, directly in a group box the page requests walk; its caption from the
// parameter table; page reads that request every bound value of the page.
#include "page_forms_fixture.h"

#include "link/modbus_list.h"
#include "model/param_table.h"
#include "pages/forms/page_forms.h"
#include "pages/page_requests.h"
#include "pages/unit_rule_tables.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <memory>
#include <set>
#include <tuple>

namespace tarvix {
namespace {

using RequestSet = std::set<std::tuple<int, int, int>>;

RequestSet RequestsOf(const ModbusList& list) {
    RequestSet set;
    for (int e = 0; e < list.Len; ++e) {
        const auto i = static_cast<std::size_t>(e);
        set.emplace(list.Func[i], list.Start[i], list.Count[i]);
    }
    return set;
}

}  // namespace
}  // namespace tarvix

namespace tarvix {

class TestPageForms : public PageFormsFixture {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        QString failed;
        QVERIFY2(LoadAll(&failed), qPrintable(failed));
    }

    void everyPageIsAPlainWidgetNamedAfterItsPage_data() {
        QTest::addColumn<QString>("page");
        for (const char* name : PageNames()) QTest::newRow(name) << QString::fromUtf8(name);
    }
    void everyPageIsAPlainWidgetNamedAfterItsPage() {
        QFETCH(QString, page);
        QWidget* w = Page(page);
        QVERIFY(w != nullptr);
        QCOMPARE(w->objectName(), page);
        QCOMPARE(QByteArray(w->metaObject()->className()), QByteArray("QWidget"));
        QCOMPARE(w->parentWidget(), &root_);
        // The main window puts each page into a scroll area of its own.
        QVERIFY(w->findChildren<QScrollArea*>().isEmpty());
        QVERIFY(w->layout() != nullptr);
    }

    void namesThatAreNoPageHaveNoForm_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("unknown") << QStringLiteral("PageNoSuch");
        QTest::newRow("case differs") << QStringLiteral("pagetotal1");
        QTest::newRow("a control, not a page") << QStringLiteral("ComboSumUnit1");
        QTest::newRow("path") << QStringLiteral("../PageTotal1");
    }
    void namesThatAreNoPageHaveNoForm() {
        QFETCH(QString, name);
        QWidget parent;
        QCOMPARE(LoadPageForm(name, &parent), static_cast<QWidget*>(nullptr));
        QVERIFY(parent.children().isEmpty());
    }

    void boundControlSitsInAGroupBoxOfItsPage_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        for (const DescriptorSpec& d : Catalogue()) {
            for (const BoundControl& c : d.Controls)
                QTest::newRow(qPrintable(c.Name)) << c.Name << c.Page;
        }
    }
    void boundControlSitsInAGroupBoxOfItsPage() {
        QFETCH(QString, control);
        QFETCH(QString, page);
        const QList<QWidget*> found = root_.findChildren<QWidget*>(control);
        QCOMPARE(found.size(), 1);
        QWidget* w = found.front();
        QCOMPARE(QByteArray(w->metaObject()->className()),
                 QByteArray(ClassFor(ControlKindOf(control))));
        auto* box = qobject_cast<QGroupBox*>(w->parentWidget());
        QVERIFY2(box != nullptr, "not placed directly in a group box");
        QVERIFY(box->parentWidget() != nullptr);
        QCOMPARE(box->parentWidget()->objectName(), page);
        QVERIFY2(box->property("tag").toInt() == 0, "the page read would skip it");
        if (auto* bar = qobject_cast<QScrollBar*>(w)) QCOMPARE(bar->orientation(), Qt::Horizontal);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            QCOMPARE(combo->count(), 0);  // filled from the device menus at start-up
    }

    void pollListLabelsSitOnTheirPage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("control");
        for (const QString& page : PagesWithPollLists()) {
            for (const char* c : PollListOf(page))
                QTest::newRow(qPrintable(page + QLatin1Char('/') + QLatin1String(c)))
                    << page << QString::fromUtf8(c);
        }
    }
    void pollListLabelsSitOnTheirPage() {
        QFETCH(QString, page);
        QFETCH(QString, control);
        auto* label = qobject_cast<QLabel*>(Find(page, control));
        QVERIFY(label != nullptr);
        QVERIFY(qobject_cast<QGroupBox*>(label->parentWidget()) != nullptr);
        QCOMPARE(label->parentWidget()->parentWidget(), Page(page));
    }

    void objectNamesAreUniqueAcrossAllPages() {
        // The value binding and the handlers find controls by name under the main window
        // (layouts too, so that a form never holds two of one name).
        std::map<QString, int> count;
        for (QObject* o : root_.findChildren<QObject*>()) {
            const QString name = o->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
            if (!o->isWidgetType() && qobject_cast<QLayout*>(o) == nullptr) continue;
            ++count[name];
        }
        for (const auto& [name, n] : count) QVERIFY2(n == 1, qPrintable(name));
    }

    void everyParameterOnAPageHasItsCaption_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("controls");
        for (const DescriptorSpec& d : Catalogue()) {
            std::map<QString, QStringList> byPage;
            for (const BoundControl& c : d.Controls) byPage[c.Page].append(c.Name);
            for (const auto& [page, controls] : byPage) {
                QTest::newRow(qPrintable(page + QLatin1Char('/') + controls.front()))
                    << RowOf(d) << page << controls;
            }
        }
    }
    void everyParameterOnAPageHasItsCaption() {
        QFETCH(int, row);
        QFETCH(QString, page);
        QFETCH(QStringList, controls);
        QStringList shown;
        for (const QString& c : controls) {
            QWidget* w = Find(page, c);
            QVERIFY(w != nullptr);
            if (w->isVisibleTo(Page(page))) shown.append(c);
        }
        if (shown.isEmpty()) return;  // helper labels that only make the page read a register
        const QString param = ParamName(row);
        QVERIFY(!param.isEmpty());
        QCOMPARE(ParamRowByName(param), row);

        // A caption "Caption" + the control's stem beside the first shown control, or, in a
        // table of values, the tool tip on the control itself.
        QWidget* first = Find(page, shown.front());
        QWidget* caption = Find(page, QStringLiteral("Caption") + Stem(shown.front()));
        QWidget* explained = caption != nullptr ? caption : first;
        QCOMPARE(explained->property("param").toString(), param);
        QCOMPARE(explained->parentWidget(), first->parentWidget());
        QCOMPARE(explained->toolTip(), ParamHint(row, 0));
        if (caption != nullptr && caption->property("paramTitle").toBool())
            QCOMPARE(TextOf(caption), ParamTitle(row, 0));
        if (caption != nullptr) QVERIFY(!TextOf(caption).isEmpty());
    }

    void parameterTextsComeFromTheParameterTable() {
        int captions = 0;
        for (QWidget* w : root_.findChildren<QWidget*>()) {
            const QVariant param = w->property("param");
            if (!param.isValid()) continue;
            const int row = ParamRowByName(param.toString());
            QVERIFY2(IsParamRow(row), qPrintable(param.toString()));
            QCOMPARE(w->toolTip(), ParamHint(row, 0));
            if (w->property("paramTitle").toBool()) {
                QCOMPARE(TextOf(w), ParamTitle(row, 0));
                ++captions;
            }
        }
        QVERIFY(captions > 200);
    }

    void captionsNameAControlOfTheirGroup() {
        for (auto* label : root_.findChildren<QLabel*>()) {
            if (!label->property("param").isValid() ||
                !label->objectName().startsWith(QLatin1String("Caption")))
                continue;
            const QString stem = label->objectName().mid(7);
            bool found = false;
            for (QWidget* sibling : label->parentWidget()->findChildren<QWidget*>()) {
                if (sibling != label && Stem(sibling->objectName()) == stem &&
                    sibling->objectName() != stem)
                    found = true;
            }
            QVERIFY2(found, qPrintable(label->objectName()));
        }
    }

    void pageReadRequestsEveryBoundValueOfThePage_data() {
        QTest::addColumn<QString>("page");
        for (const char* name : PageNames()) QTest::newRow(name) << QString::fromUtf8(name);
    }
    void pageReadRequestsEveryBoundValueOfThePage() {
        QFETCH(QString, page);
        const Bindings bindings;
        auto fromForm = std::make_unique<ModbusList>();
        ReadPageRequests(*fromForm, PageGroupBoxesOf(*Page(page)), bindings);
        auto expected = std::make_unique<ModbusList>();
        for (const DescriptorSpec& d : Catalogue()) {
            for (const BoundControl& c : d.Controls) {
                if (c.Page == page) AddReadForControl(*expected, c.Name, bindings);
            }
        }
        QCOMPARE(RequestsOf(*fromForm), RequestsOf(*expected));
    }

    void statusPageReadIncludesTheTotaliserAssignments() {
        // A status output's unit list follows the totaliser it watches, so its page read
        // brings the four assignments along.
        const Bindings bindings;
        auto list = std::make_unique<ModbusList>();
        ReadPageRequests(*list, PageGroupBoxesOf(*Page(QStringLiteral("PageStat2"))), bindings);
        const RequestSet reads = RequestsOf(*list);
        for (int mr : {701, 800, 750, 850}) QVERIFY(reads.count({3, mr, 1}) == 1);
    }

    void valuesOfTheirOwnRequestsSitInSkippedGroupBoxes() {
        int tables = 0;
        for (QWidget* w : root_.findChildren<QWidget*>()) {
            const bool own = qobject_cast<QTableView*>(w) != nullptr ||
                             w->objectName().startsWith(QLatin1String("Chart"));
            if (!own) continue;
            ++tables;
            auto* box = qobject_cast<QGroupBox*>(w->parentWidget());
            QVERIFY2(box != nullptr && box->property("tag").toInt() == 1,
                     qPrintable(w->objectName()));
            QVERIFY(box->parentWidget() != nullptr &&
                    pages_.count(box->parentWidget()->objectName()));
        }
        QCOMPARE(tables, 7 + 9);  // grids and chart places
    }

    void visibilityRulesFindTheirControlsInOneGroupBox_data() {
        // The deciding combos show and hide the other controls of their own group box.
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("controls");
        const auto row = [](const char* name, const char* page,
                            std::initializer_list<const char*> names) {
            QStringList controls;
            for (const char* n : names) controls.append(QString::fromUtf8(n));
            QTest::newRow(name) << QString::fromUtf8(page) << controls;
        };
        row("field 1", "PageField1",
            {"ComboF1_Assign", "ComboF1_Format", "ComboF1_Unit", "EditF1_V100"});
        row("alternate field 2", "PageField2",
            {"ComboF2Mix_Assign", "ComboF2Mix_Format", "ComboF2Mix_Unit", "EditF2Mix_V100"});
        row("totaliser 4", "PageTotal4",
            {"ComboSumAssign4", "ComboSumUnit4", "ComboSumState4", "ComboSumMode4",
             "ComboSumReset4", "LabelSum4", "LabelSumUnit41", "LabelSumOverFlow4H"});
        row("pulse output", "PagePulse1",
            {"ComboPFSp_Assign", "ComboPFSp_Mode", "ComboIndexUnitMass", "ComboIndexUnitVolume",
             "ComboUnitCorrVolume", "EditPFSp_PulseValueH", "EditPFSp_PulseWidthH",
             "ComboPFSp_FailsafeMode"});
        row("frequency output 2", "PageFreq2",
            {"ComboFSf_Assign", "ComboFSf_Unit", "ComboFSf_FailsafeMode", "EditFSf_FailValueH",
             "SuffixFSf_FailValueH"});
        row("status output 1", "PageStat1",
            {"ComboPFSs_Assign", "ComboPFSs_Unit", "EditPFSs_OffDelayH", "LabelSumAssign1_1",
             "LabelSumAssign2_1", "LabelSumAssign3_1", "LabelSumAssign4_1"});
        row("current output", "PageCurOut",
            {"ComboCUR_Assign", "ComboCUR_Unit", "EditCUR_Value_SimulationH", "LabelCUR_CurrentH",
             "LabelCUR_TempH_2"});
        row("cut-off", "PageCutOff",
            {"ComboAssLowFlow_CutOff", "ComboAssLowFlow_Unit", "EditValLowFlow_CutOffH",
             "EditTimeShockH"});
        row("reference density", "PageRefDensity",
            {"ComboModeRefDensity", "EditAlfaH", "EditBettaH", "EditRefTemperatureH",
             "ComboFixUnitRefDensity", "EditFixRefDensityH"});
        row("concentration", "PageConcentration",
            {"ComboConcentrationEnable", "TargetDensLbl", "CarrierVolConcLbl", "ConcUnitMFLbl"});
    }
    void visibilityRulesFindTheirControlsInOneGroupBox() {
        QFETCH(QString, page);
        QFETCH(QStringList, controls);
        QWidget* decider = Find(page, controls.front());
        QVERIFY(decider != nullptr);
        for (const QString& c : controls) {
            QWidget* w = Find(page, c);
            QVERIFY2(w != nullptr, qPrintable(c));
            QCOMPARE(w->parentWidget(), decider->parentWidget());
        }
    }

    // The controls the deciding combos' rules name sit in the combo's own group box, and the
    // unit lists are refilled into combos: a name the forms lack would silently do nothing.
    void groupRulesNameControlsOfTheirGroup() {
        const auto find = [this](const QString& name) { return root_.findChild<QWidget*>(name); };
        for (const GroupHandler& h : GroupHandlers()) {
            QWidget* decider = find(h.Control);
            QVERIFY2(qobject_cast<QComboBox*>(decider), qPrintable(h.Control));
            for (const VisibilityRule& rule : h.Rules) {
                const QWidget* combo = find(rule.Combo);
                QVERIFY2(qobject_cast<const QComboBox*>(combo) &&
                             qobject_cast<QGroupBox*>(combo->parentWidget()),
                         qPrintable(rule.Combo));
                for (const QString& name : rule.Controls) {
                    const QWidget* w = find(name);
                    QVERIFY2(w && w->parentWidget() == combo->parentWidget(), qPrintable(name));
                }
            }
            if (!h.Units) continue;
            const QWidget* unit = find(h.Units->Unit);
            QVERIFY2(qobject_cast<const QComboBox*>(unit) &&
                         unit->parentWidget() == decider->parentWidget(),
                     qPrintable(h.Units->Unit));
            QVERIFY2(qobject_cast<QComboBox*>(find(h.Units->Source)), qPrintable(h.Units->Source));
        }
        for (int assign = 0; assign < 20; ++assign) {
            if (const auto source = WatchedTotaliser(assign)) {
                QVERIFY(qobject_cast<QComboBox*>(find(QString::fromLatin1(source->AssignCombo))));
            }
        }
    }

    // What the edition shows follows the parameter table: a parameter hidden at its access
    // level is hidden with its caption wherever it sits, the others are left as the form
    // has them.
    void parametersTheEditionHidesAreHidden() {
        for (const DescriptorSpec& d : Catalogue()) {
            const bool shown = ParamVisible(RowOf(d));
            for (const BoundControl& c : d.Controls) {
                QWidget* w = Find(c.Page, c.Name);
                QVERIFY2(w != nullptr, qPrintable(c.Name));
                QVERIFY2(w->property(kEditionHidden).toBool() == !shown, qPrintable(c.Name));
                QVERIFY2(shown || w->isHidden(), qPrintable(c.Name));
            }
        }
        for (const auto& [name, page] : pages_) {
            for (const QWidget* w : page->findChildren<QWidget*>()) {
                const QVariant param = w->property("param");
                if (!param.isValid()) continue;
                const bool shown = ParamVisible(ParamRowByName(param.toString()));
                QVERIFY2(w->property(kEditionHidden).toBool() == !shown,
                         qPrintable(w->objectName()));
                QVERIFY2(shown || w->isHidden(), qPrintable(w->objectName()));
            }
        }
        if (AccessLevel != 3) return;
        // The service parameters on the user edition's pages, and what stays beside them.
        const struct {
            const char* Page;
            const char* Name;
            bool Hidden;
        } cases[] = {
            {"PageSystem", "GroupBoxParamFixed", true},
            {"PageSystem", "ComboAssignParamFixed", true},
            {"PageSystem", "LabelAssignParamFixed", true},
            {"PageSystem", "EditParamFixedH", true},
            {"PageSystem", "CaptionParamFixedH", true},
            {"PageSystem", "EditFlowDampingH", false},
            {"PageSystem", "EditDensDampingH", false},
            {"PageCurOut", "LabelCUR_Current_OffsetH_2", true},
            {"PageCurOut", "CaptionCUR_Current_OffsetH_2", true},
            {"PageCurOut", "LabelCUR_Current_GainH_2", true},
            {"PageCurOut", "ComboCUR_Assign", false},
            {"PageCurOut", "LabelCUR_TempH_2", false},
        };
        for (const auto& c : cases) {
            QWidget* w = Find(QString::fromLatin1(c.Page), QString::fromLatin1(c.Name));
            QVERIFY2(w != nullptr, c.Name);
            QVERIFY2(w->isHidden() == c.Hidden, c.Name);
        }
    }
};

QObject* MakeTestPageForms() { return new TestPageForms; }

}  // namespace tarvix

#include "test_page_forms.moc"
