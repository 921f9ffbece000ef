#include "pages/unit_rule_tables.h"

#include "model/register_ids.h"
#include "pages/value_text.h"

#include <algorithm>
#include <array>

namespace tarvix {
namespace {

// The controls of one row of a group, named after the stem of its parameter.
QStringList ComboRow(const QString& stem) {
    return {QLatin1String("Combo") + stem, QLatin1String("Caption") + stem,
            QLatin1String("Label") + stem};
}
QStringList EditRow(const QString& stem) {
    return {QLatin1String("Edit") + stem, QLatin1String("Caption") + stem,
            QLatin1String("Label") + stem};
}
QStringList ValueRow(const QString& stem) {
    return {QLatin1String("Caption") + stem, QLatin1String("Label") + stem};
}
QString Suffix(const QString& stem) { return QLatin1String("Suffix") + stem; }

std::vector<int> Range(int lo, int hi) {
    std::vector<int> values;
    for (int v = lo; v <= hi; ++v) values.push_back(v);
    return values;
}

// A rule over every control of an assignment's group box but the assignment's own row (and
// those kept besides): shown, or hidden, for the given assignments.
VisibilityRule AllButAssignment(const QString& stem, bool show, std::vector<int> values,
                                const QStringList& alsoKept = {}) {
    return {QLatin1String("Combo") + stem, show, RuleScope::GroupExcept, ComboRow(stem) + alsoKept,
            std::move(values)};
}

UnitFill Units(const QString& assignStem, const QString& unitStem, const UnitSelector& selector) {
    return {QLatin1String("Combo") + assignStem, QLatin1String("Combo") + unitStem, &selector};
}

// Display fields and their alternates: unit and full-scale value only for the percentages.
GroupHandler Field(OnShow handler, const QString& prefix, std::vector<int> percentages,
                   const UnitSelector& selector) {
    const QString assign = prefix + QLatin1String("_Assign");
    return {handler,
            QLatin1String("Combo") + assign,
            {AllButAssignment(assign, true, std::move(percentages),
                              ComboRow(prefix + QLatin1String("_Format")))},
            Units(assign, prefix + QLatin1String("_Unit"), selector),
            false,
            OnShow::None};
}

GroupHandler Totaliser(OnShow handler, int n) {
    const QString assign = QStringLiteral("SumAssign%1").arg(n);
    return {handler,
            QLatin1String("Combo") + assign,
            {AllButAssignment(assign, false, {0}, {QStringLiteral("LabelSumOverFlow%1H").arg(n)})},
            Units(assign, QStringLiteral("SumUnit%1").arg(n), UnitsForTotal),
            false,
            OnShow::None};
}

// Frequency outputs 1 (PFSf) and 2 (FSf); the failsafe rule follows the assignment.
GroupHandler FrequencyOutput(OnShow handler, const QString& prefix, OnShow failsafe) {
    const QString assign = prefix + QLatin1String("_Assign");
    return {handler,
            QLatin1String("Combo") + assign,
            {AllButAssignment(assign, false, {0})},
            Units(assign, prefix + QLatin1String("_Unit"), UnitsForOutput),
            false,
            failsafe};
}

// The fail value ("Специальный сигнал", 3) is what the output sends in a failure.
GroupHandler Failsafe(OnShow handler, const QString& prefix) {
    const QString mode = QLatin1String("Combo") + prefix + QLatin1String("_FailsafeMode");
    const QString value = prefix + QLatin1String("_FailValueH");
    return {handler,
            mode,
            {{mode, true, RuleScope::Listed, EditRow(value) << Suffix(value), {3}}},
            std::nullopt,
            false,
            OnShow::None};
}

// Status outputs 1 (PFSs), 2 (FSs) and 3 (DOs), the n-th of the pages that hold the hidden
// labels of the four totaliser assignments: the limit rows only for the limit values 6..15.
GroupHandler StatusOutput(OnShow handler, const QString& prefix, int n) {
    const QString assign = prefix + QLatin1String("_Assign");
    QStringList totalisers;
    for (int t = 1; t <= 4; ++t) totalisers << QStringLiteral("LabelSumAssign%1_%2").arg(t).arg(n);
    return {handler,
            QLatin1String("Combo") + assign,
            {AllButAssignment(assign, true, Range(6, 15), totalisers)},
            Units(assign, prefix + QLatin1String("_Unit"), UnitsForLimit),
            true,
            OnShow::None};
}

// The count-down rows of the pulse simulation: its set point and the pulses counted.
QStringList CountDownRows() {
    return EditRow(QStringLiteral("PFSp_CountDownH")) << ValueRow(QStringLiteral("PFSp_CounterH"));
}

// The simulation blocks of an output's type page: the present value, the simulation mode
// and its set point, each row with its caption.
QStringList PulseBlock() {
    return ValueRow(QStringLiteral("PFSp_FrequencyH"))
           << Suffix(QStringLiteral("PFSp_FrequencyH")) << ComboRow(QStringLiteral("PFSp_SimMode"))
           << CountDownRows();
}
QStringList FrequencyBlock(const QString& prefix) {
    const QString present = prefix + QLatin1String("_FrequencyH");
    const QString set = prefix + QLatin1String("_SimFreqH");
    return ValueRow(present) << Suffix(present) << ComboRow(prefix + QLatin1String("_SimMode"))
                             << EditRow(set) << Suffix(set);
}
QStringList StatusBlock(const QString& prefix) {
    return ValueRow(prefix + QLatin1String("_Status"))
           << ComboRow(prefix + QLatin1String("_SimMode"))
           << EditRow(prefix + QLatin1String("_SimVal"));
}

// A fluid page's approximation method: the polynomial's coefficients and t0 with 0. The
// piecewise-linear table (1) has a group box of its own: FluidTableRule.
GroupHandler FluidMethod(OnShow handler, const QString& fluid) {
    const QString method = fluid + QLatin1String("ApproxMethod");
    return {handler,
            QLatin1String("Combo") + method,
            {AllButAssignment(method, true, {0})},
            std::nullopt,
            false,
            OnShow::None};
}

std::vector<GroupHandler> BuildHandlers() {
    const QString out1 = QStringLiteral("ComboPFS1_Mode");
    const QString out2 = QStringLiteral("ComboFS2_Mode");
    const QString simPulse = QStringLiteral("ComboPFSp_SimMode");
    const auto listed = [](const QString& combo, const QStringList& controls,
                           std::vector<int> values) {
        return VisibilityRule{combo, true, RuleScope::Listed, controls, std::move(values)};
    };
    const QString fixedDensity = QStringLiteral("FixRefDensityH");
    const QString refTemperature = QStringLiteral("RefTemperatureH");
    const QString refMode = QStringLiteral("ComboModeRefDensity");
    const QString pulse = QStringLiteral("PFSp_Assign");
    return {
        Field(OnShow::ComboF1_AssignChange, QStringLiteral("F1"), {14, 15, 16}, UnitsForField),
        Field(OnShow::ComboF1Mix_AssignChange, QStringLiteral("F1Mix"), {15, 16, 17},
              UnitsForFieldMix),
        Field(OnShow::ComboF2_AssignChange, QStringLiteral("F2"), {14, 15, 16}, UnitsForField),
        Field(OnShow::ComboF2Mix_AssignChange, QStringLiteral("F2Mix"), {15, 16, 17},
              UnitsForFieldMix),
        Totaliser(OnShow::ComboSumAssign1Change, 1),
        Totaliser(OnShow::ComboSumAssign2Change, 2),
        Totaliser(OnShow::ComboSumAssign3Change, 3),
        Totaliser(OnShow::ComboSumAssign4Change, 4),
        // The pulse output counts in the unit of what it is assigned: mass (flows 1, 4, 5),
        // volume (2, 6, 7) or corrected volume (3).
        {OnShow::ComboPFSp_AssignChange,
         QLatin1String("Combo") + pulse,
         {AllButAssignment(pulse, false, {0}),
          listed(QLatin1String("Combo") + pulse, ComboRow(QStringLiteral("IndexUnitMass")),
                 {1, 4, 5}),
          listed(QLatin1String("Combo") + pulse, ComboRow(QStringLiteral("IndexUnitVolume")),
                 {2, 6, 7}),
          listed(QLatin1String("Combo") + pulse, ComboRow(QStringLiteral("UnitCorrVolume")), {3})},
         std::nullopt,
         false,
         OnShow::None},
        FrequencyOutput(OnShow::ComboPFSf_AssignChange, QStringLiteral("PFSf"),
                        OnShow::ComboPFSf_FailsafeModeChange),
        Failsafe(OnShow::ComboPFSf_FailsafeModeChange, QStringLiteral("PFSf")),
        FrequencyOutput(OnShow::ComboFSf_AssignChange, QStringLiteral("FSf"),
                        OnShow::ComboFSf_FailsafeModeChange),
        Failsafe(OnShow::ComboFSf_FailsafeModeChange, QStringLiteral("FSf")),
        StatusOutput(OnShow::ComboPFSs_AssignChange, QStringLiteral("PFSs"), 1),
        StatusOutput(OnShow::ComboFSs_AssignChange, QStringLiteral("FSs"), 2),
        StatusOutput(OnShow::ComboDOs_AssignChange, QStringLiteral("DOs"), 3),
        // Output 1's type: the simulation block of the pulse (1), frequency (2) or status (3)
        // output; the pulse block's count-down rows follow its simulation mode.
        {OnShow::ComboPFS1_ModeChange,
         out1,
         {listed(out1, PulseBlock(), {1}),
          listed(out1, FrequencyBlock(QStringLiteral("PFSf")), {2}),
          listed(out1, StatusBlock(QStringLiteral("PFSs")), {3})},
         std::nullopt,
         false,
         OnShow::ComboPFSp_SimModeChange},
        // The count-down runs only in the simulation mode "Счетчик" (2).
        {OnShow::ComboPFSp_SimModeChange,
         simPulse,
         {listed(simPulse, CountDownRows(), {2})},
         std::nullopt,
         false,
         OnShow::None},
        {OnShow::ComboFS2_ModeChange,
         out2,
         {listed(out2, FrequencyBlock(QStringLiteral("FSf")), {1}),
          listed(out2, StatusBlock(QStringLiteral("FSs")), {2})},
         std::nullopt,
         false,
         OnShow::None},
        {OnShow::ComboCUR_AssignChange,
         QStringLiteral("ComboCUR_Assign"),
         {AllButAssignment(QStringLiteral("CUR_Assign"), false, {0})},
         Units(QStringLiteral("CUR_Assign"), QStringLiteral("CUR_Unit"), UnitsForOutput),
         false,
         OnShow::None},
        {OnShow::ComboAssLowFlow_CutOffChange,
         QStringLiteral("ComboAssLowFlow_CutOff"),
         {AllButAssignment(QStringLiteral("AssLowFlow_CutOff"), false, {0})},
         Units(QStringLiteral("AssLowFlow_CutOff"), QStringLiteral("AssLowFlow_Unit"),
               UnitsForCutOff),
         false,
         OnShow::None},
        // A calculated reference density (0) needs the reference temperature and the
        // expansion coefficients, a fixed one (1) its unit and value.
        {OnShow::ComboModeRefDensityChange,
         refMode,
         {listed(refMode,
                 EditRow(refTemperature)
                     << Suffix(refTemperature) << EditRow(QStringLiteral("AlfaH"))
                     << EditRow(QStringLiteral("BettaH")),
                 {0}),
          listed(refMode, ComboRow(QStringLiteral("FixUnitRefDensity")) << EditRow(fixedDensity),
                 {1})},
         std::nullopt,
         false,
         OnShow::None},
        FluidMethod(OnShow::ComboTargetApproxMethodChange, QStringLiteral("Target")),
        FluidMethod(OnShow::ComboCarrierApproxMethodChange, QStringLiteral("Carrier")),
    };
}

}  // namespace

VisibilityRule FluidTableRule(bool target) {
    const QString fluid = target ? QStringLiteral("Target") : QStringLiteral("Carrier");
    return {QLatin1String("Combo") + fluid + QLatin1String("ApproxMethod"),
            true,
            RuleScope::Listed,
            {QLatin1String("GroupBox") + fluid + QLatin1String("PWL")},
            {1}};
}

VisibilityRule ConcentrationRule() {
    return AllButAssignment(QStringLiteral("ConcentrationEnable"), true, {1});
}

bool TargetVisible(const VisibilityRule& rule, int index) {
    const bool matched =
        std::find(rule.Values.begin(), rule.Values.end(), index) != rule.Values.end();
    return matched == rule.Show;
}

const std::vector<GroupHandler>& GroupHandlers() {
    static const std::vector<GroupHandler> handlers = BuildHandlers();
    return handlers;
}

const GroupHandler* FindGroupHandler(OnShow handler) {
    if (handler == OnShow::None) return nullptr;
    for (const GroupHandler& h : GroupHandlers()) {
        if (h.Handler == handler) return &h;
    }
    return nullptr;
}

std::optional<TotaliserSource> WatchedTotaliser(int statusAssign) {
    // The status outputs' list names totalisers 1..4 from item 12 on; their assignment
    // registers are not in the order of the totalisers.
    static constexpr int kFirstTotaliser = 12;
    static constexpr std::array<TotaliserSource, 4> kSources{{
        {mrSumAssign1, "ComboSumAssign1"},
        {mrSumAssign2, "ComboSumAssign2"},
        {mrSumAssign3, "ComboSumAssign3"},
        {mrSumAssign4, "ComboSumAssign4"},
    }};
    const int t = statusAssign - kFirstTotaliser;
    if (t < 0 || t >= static_cast<int>(kSources.size())) return std::nullopt;
    return kSources[static_cast<std::size_t>(t)];
}

StatusOutputPlan PlanStatusOutput(const GroupHandler& output, int assign,
                                  const RegisterImage& image) {
    StatusOutputPlan plan;
    if (output.Units) plan.Units = *output.Units;
    const auto source = WatchedTotaliser(assign);
    if (!source) return plan;
    plan.Unused = WordValue(image, source->AssignRegister) == 0;
    plan.Units.Source = QString::fromLatin1(source->AssignCombo);
    plan.Units.Selector = &UnitsForTotal;
    return plan;
}

}  // namespace tarvix
