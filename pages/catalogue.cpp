#include "pages/catalogue.h"

#include "model/param_table.h"
#include "pages/catalogue_raw.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace tarvix {
namespace {

using catalogue_raw::Kind;

constexpr std::array<const char*, kPageCount> kPages = {
    "TabSheet1",        "FmInfo",       "EditFmInfo",     "LiveData",          "PageCharts",
    "PageErrors",       "PageMainVars", "PageLCD",        "PageField1",        "PageField2",
    "PageTotals",       "PageTotal1",   "PageTotal2",     "PageTotal3",        "PageTotal4",
    "PageOutputs",      "PageOut1",     "PagePulse1",     "PageFreq1",         "PageStat1",
    "PageOut2",         "PageFreq2",    "PageStat2",      "PageOut3",          "PageStat3",
    "PageCurOut",       "PageCurCal",   "PageInputs",     "PageInput1",        "PageInput2",
    "PageBasic",        "PageCutOff",   "PageRefDensity", "PageSetup0",        "PageSystem",
    "PageLinCorr",      "PagePwlCorr",  "PageRS485",      "PageConcentration", "PageTargetFluid",
    "PageCarrierFluid", "PageService",  "PageSensor",     "PageDSP",           "PageADC",
    "PageLimits",       "PageSignals",  "PageFiltered",   "PageDspFile",       "PageParVals",
    "PageCorio",
};

constexpr const char* kPollMainVars[] = {"LabelMassFlow",   "LabelVolumeFlow",
                                         "LabelDensity",    "LabelTemperature",
                                         "LabelRefDensity", "LabelCorrVolumeFlow"};
constexpr const char* kPollTotal1[] = {"LabelSum1", "LabelSumUnit11"};
constexpr const char* kPollTotal2[] = {"LabelSum2", "LabelSumUnit21"};
constexpr const char* kPollTotal3[] = {"LabelSum3", "LabelSumUnit31"};
constexpr const char* kPollTotal4[] = {"LabelSum4", "LabelSumUnit41"};
constexpr const char* kPollOut1[] = {"LabelPFSp_FrequencyH", "LabelPFSf_FrequencyH",
                                     "LabelPFSs_Status", "LabelPFSp_CounterH"};
constexpr const char* kPollOut2[] = {"LabelFSf_FrequencyH", "LabelFSs_Status"};
constexpr const char* kPollOut3[] = {"LabelDOs_Status"};
constexpr const char* kPollSetup0[] = {"LabelProgress", "LabelZeroPointH"};
constexpr const char* kPollCurOut[] = {"LabelCUR_CurrentH", "LabelCUR_TempH_2"};
constexpr const char* kPollCurCal[] = {"LabelCUR_TempH", "LabelCUR_CurrentH_2",
                                       "LabelCUR_DacCodeH"};
constexpr const char* kPollInput1[] = {"LabelDI1_Status"};
constexpr const char* kPollInput2[] = {"LabelDI2_Status"};
constexpr const char* kPollConcentration[] = {
    "TargetMassFlowLbl", "CarrierMassFlowLbl", "TargetVolFlowLbl",  "CarrierVolFlowLbl",
    "TargetDensLbl",     "CarrierDensLbl",     "TargetMassConcLbl", "CarrierMassConcLbl",
    "TargetVolConcLbl",  "CarrierVolConcLbl",  "ConcUnitMFLbl",     "ConcUnitVFLbl",
    "ConcUnitDensLbl"};

struct PollList {
    const char* Page;
    std::span<const char* const> Controls;
};
constexpr PollList kPollLists[] = {
    {"PageMainVars", kPollMainVars}, {"PageTotal1", kPollTotal1},
    {"PageTotal2", kPollTotal2},     {"PageTotal3", kPollTotal3},
    {"PageTotal4", kPollTotal4},     {"PageOut1", kPollOut1},
    {"PageOut2", kPollOut2},         {"PageOut3", kPollOut3},
    {"PageSetup0", kPollSetup0},     {"PageCurOut", kPollCurOut},
    {"PageCurCal", kPollCurCal},     {"PageInput1", kPollInput1},
    {"PageInput2", kPollInput2},     {"PageConcentration", kPollConcentration},
};

constexpr const char* kHandlerNames[] = {
    "",
    "HighlightLabelErr",
    "ShowMicroSwitches",
    "ComboF1_AssignChange",
    "ComboF1Mix_AssignChange",
    "ComboF2_AssignChange",
    "ComboF2Mix_AssignChange",
    "ComboSumAssign1Change",
    "ComboSumAssign2Change",
    "ComboSumAssign3Change",
    "ComboSumAssign4Change",
    "ComboPFS1_ModeChange",
    "ComboPFSp_SimModeChange",
    "ComboPFSp_AssignChange",
    "ComboPFSf_AssignChange",
    "ComboPFSf_FailsafeModeChange",
    "ComboPFSs_AssignChange",
    "ComboFS2_ModeChange",
    "ComboFSf_AssignChange",
    "ComboFSf_FailsafeModeChange",
    "ComboFSs_AssignChange",
    "ComboDOs_AssignChange",
    "ComboCUR_AssignChange",
    "ComboAssLowFlow_CutOffChange",
    "ComboModeRefDensityChange",
    "ComboTargetApproxMethodChange",
    "ComboCarrierApproxMethodChange",
    "CountDownRefresh",
};
static_assert(std::size(kHandlerNames) == static_cast<std::size_t>(OnShow::CountDownRefresh) + 1);

// The pair a kind letter stands for. A float's edit and label carry the suffix "H" of its
// high register; measuring-module parameters never do.
std::vector<BoundControl> Pair(const catalogue_raw::Entry& e) {
    const QString page = QString::fromUtf8(e.Page);
    const QString n = QString::fromUtf8(e.Name);
    const bool isFloat = !e.Dsp && RegType(e.Id) == kTypeFloat;
    const QString h = isFloat ? QStringLiteral("H") : QString();
    switch (e.K) {
        case Kind::C:
            return {{QStringLiteral("Combo") + n, page}, {QStringLiteral("Label") + n, page}};
        case Kind::E:
            return {{QStringLiteral("Edit") + n + h, page},
                    {QStringLiteral("Label") + n + h, page}};
        case Kind::S:
            return {{QStringLiteral("Scroll") + n, page}, {QStringLiteral("Label") + n, page}};
        case Kind::L:
            return {{QStringLiteral("Label") + n + h, page}};
        case Kind::C0:
            return {{QStringLiteral("Combo") + n, page}};
        case Kind::Listed:
            break;
    }
    return {};
}

DescriptorSpec Expand(const catalogue_raw::Entry& e) {
    DescriptorSpec d;
    d.Id = e.Id;
    d.Dsp = e.Dsp;
    d.Controls = Pair(e);
    const QString page = QString::fromUtf8(e.Page);
    const QStringList more = QString::fromUtf8(e.More).split(u' ', Qt::SkipEmptyParts);
    for (const QString& item : more) {
        const qsizetype at = item.indexOf(u'@');
        if (at < 0) {
            d.Controls.push_back({item, page});
        } else {
            d.Controls.push_back({item.left(at), item.mid(at + 1)});
        }
    }
    d.Format = QString::fromUtf8(e.Format);
    d.Menu = e.Menu;
    d.Handler = e.Handler;
    d.Protected = !e.Dsp && IsProtectedId(e.Id);
    return d;
}

}  // namespace

const char* OnShowName(OnShow handler) {
    const auto i = static_cast<std::size_t>(handler);
    return i < std::size(kHandlerNames) ? kHandlerNames[i] : "";
}

ControlKind ControlKindOf(QStringView name) {
    if (name.startsWith(u"Combo")) return ControlKind::Combo;
    if (name.startsWith(u"Scroll")) return ControlKind::ScrollBar;
    if (name.startsWith(u"Label") || name.startsWith(u"Lbl") || name.endsWith(u"Lbl")) {
        return ControlKind::Label;
    }
    if (name.startsWith(u"Ed")) return ControlKind::Edit;
    return ControlKind::Unknown;
}

const std::vector<DescriptorSpec>& Catalogue() {
    static const std::vector<DescriptorSpec> specs = [] {
        std::vector<DescriptorSpec> v;
        for (const catalogue_raw::Entry& e : catalogue_raw::Entries()) v.push_back(Expand(e));
        return v;
    }();
    return specs;
}

std::span<const char* const> PageNames() { return kPages; }

int PageIndexOf(QStringView page) {
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        if (page == QLatin1String(kPages[i])) return static_cast<int>(i);
    }
    return -1;
}

std::span<const char* const> PollListOf(QStringView page) {
    for (const PollList& p : kPollLists) {
        if (page == QLatin1String(p.Page)) return p.Controls;
    }
    return {};
}

std::vector<QString> PagesWithPollLists() {
    std::vector<QString> pages;
    for (const char* name : kPages) {
        if (!PollListOf(QString::fromLatin1(name)).empty())
            pages.push_back(QString::fromLatin1(name));
    }
    return pages;
}

Bindings::Bindings(const std::vector<DescriptorSpec>& catalogue) {
    // The descriptor arrays are scanned by index, registers before measuring-module
    // parameters; inserting in that order and never replacing makes the first one win.
    std::vector<const DescriptorSpec*> order;
    for (const DescriptorSpec& d : catalogue) order.push_back(&d);
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        return std::pair(a->Dsp, a->Id) < std::pair(b->Dsp, b->Id);
    });
    for (const DescriptorSpec* d : order) {
        for (const BoundControl& c : d->Controls) {
            if (!byName_.contains(c.Name)) byName_.insert(c.Name, Binding{d->Id, d->Dsp});
        }
    }
}

std::optional<Binding> Bindings::Find(QStringView control) const {
    const auto it = byName_.constFind(control.toString());
    if (it == byName_.constEnd()) return std::nullopt;
    return *it;
}

std::optional<int> Bindings::DescriptorOf(QStringView control) const {
    const auto b = Find(control);
    if (!b || b->Dsp) return std::nullopt;
    return b->Id;
}

std::optional<int> Bindings::DspDescriptorOf(QStringView control) const {
    const auto b = Find(control);
    if (!b || !b->Dsp) return std::nullopt;
    return b->Id;
}

}  // namespace tarvix
