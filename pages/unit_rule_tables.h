// The groups of the configuration pages in which one combo (an assignment, a type or a mode)
// decides which of the group's other controls make sense and which unit list its unit combo
// offers: the rules as data over control names, and the decisions that need no widget. The
// widget layer (pages/unit_rules.h) applies them to the main window's controls.
#pragma once

#include "model/register_image.h"
#include "pages/catalogue.h"
#include "pages/device_menus.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvix {

// Which controls a visibility rule sets.
enum class RuleScope : std::uint8_t {
    Listed,       // the listed controls
    GroupExcept,  // every control of the deciding combo's group box but the listed ones
};

// A visibility rule. It is matched when the deciding combo's item index is one of Values;
// the controls are then shown (Show) or hidden (!Show), and set the other way otherwise. An
// index no value names (no selection, a register value beyond the combo's list) matches
// nothing. A rule whose deciding combo is itself hidden changes nothing: a rule about a
// block that another rule has hidden leaves the block hidden.
struct VisibilityRule {
    QString Combo{};
    bool Show = true;
    RuleScope Scope = RuleScope::Listed;
    QStringList Controls{};
    std::vector<int> Values{};
};

// Whether the controls of rule end up visible for the deciding combo's item index.
bool TargetVisible(const VisibilityRule& rule, int index);

// A unit combo refilled with the selector's list for the source combo's item index.
struct UnitFill {
    QString Source{};
    QString Unit{};
    const UnitSelector* Selector = nullptr;
};

// The handler of one deciding control: run on the user's change of Control, and after the
// value of the register bound to it (or, for the failsafe rule, the fail value that is shown
// after the mode) was shown.
struct GroupHandler {
    OnShow Handler = OnShow::None;
    QString Control{};
    std::vector<VisibilityRule> Rules{};  // in order: a later rule overrides an earlier one
    std::optional<UnitFill> Units{};
    // A status output: its assignments 12..15 take a totaliser's limit (StatusOutputRules).
    bool WatchesTotalisers = false;
    // A handler whose rules follow these without marking its own control: the failsafe rule
    // after a frequency output's assignment, the countdown rule after output 1's type.
    OnShow Then = OnShow::None;
};

// Every handler of these groups.
const std::vector<GroupHandler>& GroupHandlers();
// nullptr for a handler that is not one of them.
const GroupHandler* FindGroupHandler(OnShow handler);

// Status outputs may switch on a totaliser's limit value: assignments 12..15 ("Сумматор 1" ..
// "Сумматор 4") name totalisers 1..4. Such an output is of no use while the totaliser counts
// nothing, and its unit list is the list of what the totaliser counts.
struct TotaliserSource {
    int AssignRegister;       // the totaliser's assignment register
    const char* AssignCombo;  // its combo on the totaliser's page
};
// The source of a status output assignment; nullopt for an assignment that names no
// totaliser.
std::optional<TotaliserSource> WatchedTotaliser(int statusAssign);

// What a status output's assignment does to its group.
struct StatusOutputPlan {
    bool Unused = false;  // it names a totaliser that counts nothing: only the assignment stays
    // The unit list: the totaliser's own assignment (its combo) for a totaliser's limit,
    // the output's assignment otherwise.
    UnitFill Units{};
};
StatusOutputPlan PlanStatusOutput(const GroupHandler& output, int assign,
                                  const RegisterImage& image);

// The piecewise-linear table of a fluid page (its own group box): shown for method 1 only.
VisibilityRule FluidTableRule(bool target);
// The component values of the concentration page, shown while the calculation is on (1);
// applied on the user's choice only.
VisibilityRule ConcentrationRule();

// The display contrast: a scroll bar whose position the label beside it shows in digits.
inline constexpr char kContrastScroll[] = "ScrollContrast";
inline constexpr char kContrastLabel[] = "LabelContrast";
// The count-down edit of output 1's pulse simulation.
inline constexpr char kCountDownEdit[] = "EditPFSp_CountDownH";

}  // namespace tarvix
