// TForm1: the rules of the groups whose assignment, type or mode combo decides the others
// (pages/unit_rules.h), wired to the window's controls and its modified marks.
#include "main_window.h"

#include "pages/unit_rules.h"
#include "pages/value_service.h"
#include "session/program.h"

namespace tarvix {

void TForm1::InstallUnitRules() {
    units_ = std::make_unique<UnitRules>(
        *descriptors_, p_.Image, *this, [this] { return p_.LangIndex; },
        [this](QWidget* control) { AnyEditChange(control); });
    units_->ConnectUserChanges();
}

}  // namespace tarvix
