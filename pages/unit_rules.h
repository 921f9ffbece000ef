// The change handlers of the deciding combos of the configuration pages (assignments, output
// types, simulation and failsafe modes) applied to the main window's controls: which of a
// group's controls are shown, which unit list its unit combo offers; and the small handlers
// of the count-down edit and the contrast scroll bar.
#pragma once

#include "pages/unit_rule_tables.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <functional>

class QComboBox;
class QWidget;

namespace tarvix {

class Descriptors;

class UnitRules {
  public:
    // Why a handler runs.
    enum class Cause : std::uint8_t {
        User,   // the user changed its control: the control, and a unit reset, are modified
        Shown,  // a read value was shown in it, or the lists are refilled: nothing is modified
    };

    // window holds the pages; langIndex gives the language of the unit lists (LangIndex);
    // anyEditChange marks a control the user changed (TForm1::AnyEditChange).
    UnitRules(Descriptors& values, const RegisterImage& image, QWidget& window,
              std::function<int()> langIndex, std::function<void(QWidget*)> anyEditChange);

    // Runs the rules of a handler; false for a handler that is none of these.
    bool Run(OnShow handler, Cause cause);
    // Connects the user's changes of the deciding controls (and of the contrast scroll bar)
    // to their handlers.
    void ConnectUserChanges();
    // Runs every handler again for what its control shows now: after a language switch the
    // unit lists are refilled in the new language.
    void RefillAll();

    // The after-display handler of the count-down: the edit follows the device's count.
    void RefreshCountDown(int mr);

    // The visibility rule and the unit refill as the handlers apply them.
    void ShowForValues(const VisibilityRule& rule);
    void FillUnits(const UnitFill& fill, Cause cause);

  private:
    void Apply(const GroupHandler& h, Cause cause);
    void Mark(QWidget* control, Cause cause);
    void ContrastChanged(int position);
    QWidget* Control(const QString& name);
    QComboBox* Combo(const QString& name);

    Descriptors& values_;
    const RegisterImage& image_;
    QWidget& window_;
    std::function<int()> langIndex_;
    std::function<void(QWidget*)> anyEditChange_;
    QHash<QString, QPointer<QWidget>> controls_;  // by objectName, found once
};

}  // namespace tarvix
