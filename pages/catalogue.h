// The descriptor catalogue: which controls (by objectName) show each register identifier and
// measuring-module parameter, with the display format, the device menu and the handler run
// after a read value is shown; the pages of the main window's page control and the labels
// each page refreshes by polling; the lookup from a control to what it is bound to.
#pragma once

#include "pages/device_menus.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarvix {

// The handlers a descriptor runs after showing a read value (TForm1 methods of the pages
// that own them; CountDownRefresh is the count-down edit's own refresh).
enum class OnShow : std::uint8_t {
    None,
    HighlightLabelErr,
    ShowMicroSwitches,
    ComboF1_AssignChange,
    ComboF1Mix_AssignChange,
    ComboF2_AssignChange,
    ComboF2Mix_AssignChange,
    ComboSumAssign1Change,
    ComboSumAssign2Change,
    ComboSumAssign3Change,
    ComboSumAssign4Change,
    ComboPFS1_ModeChange,
    ComboPFSp_SimModeChange,
    ComboPFSp_AssignChange,
    ComboPFSf_AssignChange,
    ComboPFSf_FailsafeModeChange,
    ComboPFSs_AssignChange,
    ComboFS2_ModeChange,
    ComboFSf_AssignChange,
    ComboFSf_FailsafeModeChange,
    ComboFSs_AssignChange,
    ComboDOs_AssignChange,
    ComboCUR_AssignChange,
    ComboAssLowFlow_CutOffChange,
    ComboModeRefDensityChange,
    ComboTargetApproxMethodChange,
    ComboCarrierApproxMethodChange,
    CountDownRefresh,
};
const char* OnShowName(OnShow handler);

// The kind of a bound control, told by its objectName's prefix (Combo..., Edit... / Ed...,
// Scroll..., Label... / Lbl... / ...Lbl).
enum class ControlKind : std::uint8_t { Combo, Edit, ScrollBar, Label, Unknown };
ControlKind ControlKindOf(QStringView objectName);

struct BoundControl {
    QString Name{};
    QString Page{};  // objectName of the page the control sits on
};

struct DescriptorSpec {
    int Id = 0;  // register identifier (a float's high register), or measuring-module parameter
    bool Dsp = false;                      // Id indexes DspDC rather than DC
    std::vector<BoundControl> Controls{};  // the first is the primary control
    QString Format{};
    MenuId Menu = MenuId::None;
    OnShow Handler = OnShow::None;
    bool Protected = false;  // writing needs the access key
};

// Every descriptor of the catalogue, grouped by the page of its first control. Identifier
// 229 (Frequency) is the one entry without controls: it only carries the format its low
// register is shown with by the register polling page.
const std::vector<DescriptorSpec>& Catalogue();

// The protected sensor data: identifiers 0..38. Each has a descriptor that carries the mark,
// an empty one (no controls) where the catalogue lists none.
inline constexpr int kLastProtectedId = 38;
constexpr bool IsProtectedId(int id) { return id >= 0 && id <= kLastProtectedId; }

// The pages of the main window's page control, by index.
inline constexpr int kPageCount = 51;
std::span<const char* const> PageNames();
int PageIndexOf(QStringView page);  // -1 for a name that is not a page

// The labels a page refreshes with every poll tick while it is the active page, in order.
// Empty for the pages without a poll list.
std::span<const char* const> PollListOf(QStringView page);
// The pages that have one, in page order.
std::vector<QString> PagesWithPollLists();

// What a control is bound to.
struct Binding {
    int Id;
    bool Dsp;
    friend bool operator==(const Binding&, const Binding&) = default;
};

// Control objectName -> binding, as DescriptorOf and DspDescriptorOf scan the descriptor
// arrays: register descriptors by ascending identifier before the measuring-module ones,
// and within one its controls in order; the first that lists the control wins.
class Bindings {
  public:
    explicit Bindings(const std::vector<DescriptorSpec>& catalogue = Catalogue());

    std::optional<Binding> Find(QStringView control) const;
    std::optional<int> DescriptorOf(QStringView control) const;
    std::optional<int> DspDescriptorOf(QStringView control) const;

  private:
    QHash<QString, Binding> byName_;
};

}  // namespace tarvix
