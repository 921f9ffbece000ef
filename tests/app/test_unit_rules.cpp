// The groups whose assignment, type or mode combo decides the others, against the simulated
// transmitter: what a page shows once the device's values are read, what the user's choice
// in the deciding combo shows, refills and marks, and what a save then writes.
#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/navigation.h"
#include "base/string_table.h"
#include "connect/form_setup_com.h"
#include "model/register_ids.h"
#include "pages/unit_rules.h"
#include "pages/value_service.h"
#include "session/program.h"
#include "tests/support/window_harness.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <utility>
#include <vector>

namespace tarvix {
namespace {

using Words = std::vector<std::pair<int, int>>;

// The device's values, the nodes clicked in turn (an output's own node before its
// configuration node, which opens the page of the type just read), perhaps the user's
// choice ("ComboDOs_Assign 11"), and what the page shows then.
struct Case {
    const char* Name;
    Words Device;
    std::vector<int> Nodes;
    const char* Choice;
    const char* Shown;   // blank-separated control names
    const char* Hidden;  // likewise
    struct {
        const char* Combo = nullptr;  // none: not checked
        const char* Items = nullptr;  // joined by "|"; none: the unit shown tells the list
        const char* Current = nullptr;
        bool Marked = false;
    } Unit;
};

QStringList Names(const char* blankSeparated) {
    return QString::fromUtf8(blankSeparated).split(u' ', Qt::SkipEmptyParts);
}

}  // namespace

class TestUnitRules : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    Program* p_ = nullptr;
    TForm1* form_ = nullptr;
    testing::SimProcess* sim_ = nullptr;

    bool Idle() const { return w_.Idle(); }
    bool Open(const std::vector<int>& nodes) {
        auto* tree = Find<QTreeWidget>("TreeView1");
        for (const int node : nodes) {
            for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                QTreeWidgetItem* up = (*it)->parent();
                if ((*it)->data(0, Qt::UserRole).toInt() != node || !up || up->isExpanded())
                    continue;
                up->setExpanded(true);
                if (!QTest::qWaitFor([&] { return Idle() && up->isExpanded(); }, 10000))
                    return false;
            }
            form_->SelectNode(node);
            form_->OpenSelectedNode();
            const int page = NodePage(node, p_->Image);
            if (!QTest::qWaitFor([&] { return Idle() && form_->ActivePage() == page; }, 10000))
                return false;
        }
        return true;
    }
    bool Set(const Words& words) {
        for (const auto& [reg, value] : words) {
            const QString reply = sim_->Command(QStringLiteral("set %1 %2").arg(reg).arg(value));
            if (reply != QStringLiteral("ok")) return false;
        }
        return true;
    }
    int SimWord(int reg) const { return w_.SimWord(reg); }
    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return form_->findChild<T*>(name);
    }
    template <typename T = QWidget>
    T* Find(const char* name) const {
        return Find<T>(QString::fromLatin1(name));
    }
    bool SaveEnabled() const { return Find("ButtonSave")->isEnabled(); }
    // How the page differs from what the case expects; empty when it does not.
    QString Differences(const Case& c) const {
        QStringList wrong;
        for (const QString& name : Names(c.Shown)) {
            if (!Find(name) || !Find(name)->isVisible()) wrong << name + QStringLiteral(" hidden");
        }
        for (const QString& name : Names(c.Hidden)) {
            if (!Find(name) || Find(name)->isVisible()) wrong << name + QStringLiteral(" shown");
        }
        if (!c.Unit.Combo) return wrong.join(QStringLiteral(", "));
        const auto* unit = Find<QComboBox>(c.Unit.Combo);
        if (!unit) return QStringLiteral("no unit combo");
        QStringList items;
        for (int i = 0; i < unit->count(); ++i) items << unit->itemText(i);
        if (c.Unit.Items && items.join(u'|') != QString::fromUtf8(c.Unit.Items))
            wrong << QStringLiteral("units ") + items.join(u'|');
        if (unit->currentText() != QString::fromUtf8(c.Unit.Current))
            wrong << QStringLiteral("unit ") + unit->currentText();
        if ((ControlTag(unit) == 1) != c.Unit.Marked) wrong << QStringLiteral("unit's mark");
        return wrong.join(QStringLiteral(", "));
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        p_ = &w_.P();
        form_ = &w_.Form();
        sim_ = &w_.Sim();
    }
    void cleanupTestCase() { w_.Stop(); }

    // The device's values decide a page as soon as they are read; the user's choice decides
    // it at once and is marked for the save, with a unit the new list lacks. A re-read shows
    // the device's values again and marks nothing.
    void theDeciderShowsItsGroupAndRefillsItsUnits() {
        // clang-format off
        const Case cases[] = {
            {"totaliser counting nothing", {{mrSumAssign1, 0}}, {11}, nullptr,
             "ComboSumAssign1 CaptionSumAssign1 LabelSumAssign1",
             "ComboSumUnit1 ComboSumState1 ComboSumMode1 ComboSumReset1 LabelSum1 CaptionSum1 "
             "LabelSumUnit11 LabelSumOverFlow1H", {}},
            {"totaliser counting mass", {{mrSumAssign1, 1}, {mrSumUnit1, 1}}, {11}, nullptr,
             "ComboSumUnit1 ComboSumReset1 LabelSum1", "LabelSumOverFlow1H",
             {"ComboSumUnit1", "г |кг|т ", "кг"}},
            {"totaliser from mass to volume", {{mrSumAssign3, 1}, {mrSumUnit3, 2}}, {13},
             "ComboSumAssign3 2", "ComboSumUnit3", "", {"ComboSumUnit3", "см3|л|м3", "м3"}},
            {"status output 1 on totaliser 2 counting nothing",
             {{mrPFS1_Mode, 3}, {mrPFSs_Assign, 13}, {mrSumAssign2, 0}}, {16, 17}, nullptr,
             "ComboPFSs_Assign CaptionPFSs_Assign LabelPFSs_Assign",
             "ComboPFSs_Unit CaptionPFSs_Unit LabelPFSs_Unit ComboPFSs_Mode EditPFSs_OnValueH "
             "LabelPFSs_OffDelayH LabelSumAssign2_1", {}},
            {"status output 1 on totaliser 2 counting volume",
             {{mrPFSs_Assign, 13}, {mrSumAssign2, 2}, {mrPFSs_Unit, 1}}, {16, 17}, nullptr,
             "ComboPFSs_Unit LabelPFSs_Unit ComboPFSs_Mode EditPFSs_OnValueH", "LabelSumAssign2_1",
             {"ComboPFSs_Unit", "см3|л|м3", "л"}},
            {"status output 3 from a mass flow to a temperature limit",
             {{mrDOs_Assign, 6}, {mrDOs_Unit, 5}}, {21}, "ComboDOs_Assign 11",
             "ComboDOs_Unit EditDOs_OnValueH", "", {"ComboDOs_Unit", "°C|°K", "°C", true}},
            {"status output 3 to totaliser 4 counting nothing",
             {{mrDOs_Assign, 6}, {mrSumAssign4, 0}}, {21}, "ComboDOs_Assign 15",
             "ComboDOs_Assign LabelDOs_Assign", "ComboDOs_Unit EditDOs_OnValueH", {}},
            {"status output 3 beyond its list", {{mrDOs_Assign, 40}}, {21}, nullptr,
             "ComboDOs_Assign", "ComboDOs_Unit EditDOs_OnValueH", {}},
            {"display field from mass to volume flow in percent",
             {{mrF1_Assign, 14}, {mrF1_Unit, 5}}, {8}, "ComboF1_Assign 15",
             "ComboF1_Unit EditF1_V100 CaptionF1_V100 ComboF1_Format", "",
             {"ComboF1_Unit", nullptr, "м3/ч"}},
            {"display field showing density", {{mrF2_Assign, 3}}, {9}, nullptr, "ComboF2_Format",
             "ComboF2_Unit CaptionF2_Unit EditF2_V100", {}},
            {"pulse output counting volume", {{mrPFS1_Mode, 1}, {mrPFSp_Assign, 2}}, {16, 17},
             nullptr, "ComboIndexUnitVolume EditPFSp_PulseValueH",
             "ComboIndexUnitMass CaptionIndexUnitMass ComboUnitCorrVolume", {}},
            {"frequency output with a special fail value",
             {{mrPFS1_Mode, 2}, {mrPFSf_Assign, 4}, {mrPFSf_Unit, 1}, {mrPFSf_FailsafeMode, 3}},
             {16, 17}, nullptr, "EditPFSf_FailValueH SuffixPFSf_FailValueH", "",
             {"ComboPFSf_Unit", "°C|°K", "°K"}},
            {"frequency output to 0 Hz", {}, {16, 17}, "ComboPFSf_FailsafeMode 0", "",
             "EditPFSf_FailValueH LabelPFSf_FailValueH CaptionPFSf_FailValueH "
             "SuffixPFSf_FailValueH", {}},
            {"frequency output 2 assigned again",
             {{mrFS2_Mode, 1}, {mrFSf_Assign, 0}, {mrFSf_Unit, 5}, {mrFSf_FailsafeMode, 0}},
             {18, 19}, "ComboFSf_Assign 1", "ComboFSf_Unit ComboFSf_FailsafeMode",
             "EditFSf_FailValueH", {"ComboFSf_Unit", nullptr, "кг/ч"}},
            {"output 1 pulses counting down", {{mrPFS1_Mode, 1}, {mrPFSp_SimMode, 2}}, {16},
             nullptr, "ComboPFSp_SimMode EditPFSp_CountDownH LabelPFSp_CounterH",
             "ComboPFSf_SimMode ComboPFSs_SimMode", {}},
            {"output 1 pulses simulated continuously", {}, {16}, "ComboPFSp_SimMode 1",
             "ComboPFSp_SimMode LabelPFSp_FrequencyH",
             "EditPFSp_CountDownH CaptionPFSp_CountDownH LabelPFSp_CounterH", {}},
            {"output 1 to frequency", {}, {16}, "ComboPFS1_Mode 2",
             "ComboPFSf_SimMode EditPFSf_SimFreqH",
             "ComboPFSp_SimMode EditPFSp_CountDownH LabelPFSp_CounterH", {}},
            {"current output not used", {{mrCUR_Assign, 0}}, {22}, nullptr, "ComboCUR_Assign",
             "ComboCUR_Unit EditCUR_Value_4mAH LabelCUR_CurrentH LabelCUR_TempH_2", {}},
            {"cut-off on corrected volume flow",
             {{mrAssLowFlow_CutOff, 3}, {mrAssLowFlow_Unit, 5}}, {28}, nullptr,
             "EditValLowFlow_CutOffH", "", {"ComboAssLowFlow_Unit", nullptr, "нм3/ч"}},
            {"fixed reference density", {{mrModeRefDensity, 1}}, {29}, nullptr,
             "ComboFixUnitRefDensity EditFixRefDensityH",
             "EditAlfaH EditBettaH EditRefTemperatureH SuffixRefTemperatureH", {}},
        };
        // clang-format on
        for (const Case& c : cases) {
            QVERIFY2(Set(c.Device) && Open(c.Nodes), c.Name);
            QComboBox* decider = nullptr;
            if (c.Choice) {
                const QString choice = QString::fromUtf8(c.Choice);
                decider = Find<QComboBox>(choice.section(u' ', 0, 0));
                QVERIFY2(decider && decider->isVisible(), c.Name);
                const int index = choice.section(u' ', 1, 1).toInt();
                decider->setCurrentIndex(index);
                Q_EMIT decider->activated(index);
            }
            const QString wrong = Differences(c);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QString::fromUtf8(c.Name) + QStringLiteral(": ") + wrong));
            QVERIFY2(SaveEnabled() == (decider != nullptr), c.Name);
            if (!decider) continue;
            QVERIFY2(ControlTag(decider) == 1, c.Name);
            const int chosen = decider->currentIndex();
            form_->RereadPage();
            const bool reread =
                QTest::qWaitFor([&] { return Idle() && decider->currentIndex() != chosen; }, 10000);
            QVERIFY2(reread && !SaveEnabled() && ControlTag(decider) == 0, c.Name);
            if (c.Unit.Combo) QVERIFY2(ControlTag(Find(c.Unit.Combo)) == 0, c.Name);
        }
    }

    // Status output 1 switched by the user from a mass flow limit ("кг/ч") to a temperature
    // limit sends the unit the temperature list starts with; switched by the device, the
    // read shows it and marks nothing.
    void aResetUnitIsWrittenWithItsAssignment() {
        QVERIFY(Set({{mrPFS1_Mode, 3}, {mrPFSs_Assign, 6}, {mrPFSs_Unit, 5}}) && Open({16, 17}));
        auto* assign = Find<QComboBox>("ComboPFSs_Assign");
        auto* unit = Find<QComboBox>("ComboPFSs_Unit");
        QCOMPARE(unit->currentText(), QStringLiteral("кг/ч"));
        assign->setCurrentIndex(11);
        Q_EMIT assign->activated(11);
        form_->SavePage();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && !SaveEnabled(), 10000);
        QCOMPARE(SimWord(mrPFSs_Assign), 11);
        QCOMPARE(SimWord(mrPFSs_Unit), 0);
        QCOMPARE(Find<QLabel>("LabelPFSs_Unit")->text(), QStringLiteral("°C"));

        QVERIFY(Set({{mrPFSs_Assign, 6}, {mrPFSs_Unit, 5}}) && Open({17}));
        QVERIFY(Set({{mrPFSs_Assign, 11}}) && Open({17}));
        QCOMPARE(assign->currentIndex(), 11);
        QVERIFY(!SaveEnabled());
        QCOMPARE(ControlTag(unit), 0);
    }

    // The indicator's poll shows the totaliser assignments with every tick: meanwhile the
    // unit list of a totaliser page stays as it is, so a drop-down the user has open is not
    // emptied and filled again under the pointer.
    void thePollLeavesAUnitListAlone() {
        QVERIFY(Set({{mrSumAssign1, 1}, {mrSumUnit1, 1}}) && Open({11}));
        auto* unit = Find<QComboBox>("ComboSumUnit1");
        QSignalSpy removed(unit->model(), &QAbstractItemModel::rowsRemoved);
        const double shown = p_->Image.RegTime[mrSumAssign1];
        QTRY_VERIFY_WITH_TIMEOUT(p_->Image.RegTime[mrSumAssign1] > shown, 10000);
        QCOMPARE(removed.count(), 0);
        QCOMPARE(unit->currentText(), QStringLiteral("кг"));
    }

    // The contrast scroll bar shows no number: the label beside it does, as the user moves it.
    void theContrastLabelFollowsTheScrollBar() {
        QVERIFY(Open({7}));
        auto* scroll = Find<QScrollBar>("ScrollContrast");
        auto* label = Find<QLabel>("LabelContrast");
        const QString device = label->text();
        scroll->triggerAction(scroll->value() < scroll->maximum()
                                  ? QAbstractSlider::SliderSingleStepAdd
                                  : QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(label->text(), QString::number(scroll->value()));
        QVERIFY(label->text() != device && SaveEnabled());
        form_->RereadPage();
        QTRY_VERIFY_WITH_TIMEOUT(Idle() && label->text() == device, 10000);
    }

    // One call refills the unit lists in the language of the moment, and the shadow labels
    // of the values read afterwards use it too.
    void unitListsFollowTheLanguage() {
        QVERIFY(Set({{mrCUR_Assign, 1}, {mrCUR_Unit, 5}}) && Open({22}));
        for (const auto& [lang, text] :
             {std::pair{1, QStringLiteral("kg/h")}, std::pair{0, QStringLiteral("кг/ч")}}) {
            p_->LangIndex = lang;
            form_->Units().RefillAll();
            QCOMPARE(Find<QComboBox>("ComboCUR_Unit")->currentText(), text);
            QVERIFY(Open({22}));
            QCOMPARE(Find<QLabel>("LabelCUR_Unit")->text(), text);
        }
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestUnitRules)
#include "test_unit_rules.moc"
