#include "pages/unit_rules.h"

#include "pages/forms/page_forms.h"
#include "pages/value_service.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>

namespace tarvix {
namespace {

void SetShown(QWidget* w, bool shown) {
    if (!w) return;
    // A parameter the edition does not show stays hidden whatever its group's rule says.
    if (shown && w->property(kEditionHidden).toBool()) return;
    w->setHidden(!shown);
}

}  // namespace

UnitRules::UnitRules(Descriptors& values, const RegisterImage& image, QWidget& window,
                     std::function<int()> langIndex, std::function<void(QWidget*)> anyEditChange)
    : values_(values),
      image_(image),
      window_(window),
      langIndex_(std::move(langIndex)),
      anyEditChange_(std::move(anyEditChange)) {}

QWidget* UnitRules::Control(const QString& name) {
    const auto known = controls_.constFind(name);
    if (known != controls_.constEnd() && *known) return *known;
    QWidget* w = window_.findChild<QWidget*>(name);
    if (w) controls_.insert(name, w);
    return w;
}

QComboBox* UnitRules::Combo(const QString& name) { return qobject_cast<QComboBox*>(Control(name)); }

void UnitRules::Mark(QWidget* control, Cause cause) {
    if (cause == Cause::User && control && anyEditChange_) anyEditChange_(control);
}

void UnitRules::ShowForValues(const VisibilityRule& rule) {
    // The combo's own hidden flag, not whether its page is on screen: the rules also run
    // for pages read in the background.
    const QComboBox* combo = Combo(rule.Combo);
    if (!combo || combo->isHidden()) return;
    const bool shown = TargetVisible(rule, combo->currentIndex());
    if (rule.Scope == RuleScope::Listed) {
        for (const QString& name : rule.Controls) SetShown(Control(name), shown);
        return;
    }
    QWidget* group = combo->parentWidget();
    if (!group) return;
    for (QWidget* w : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!rule.Controls.contains(w->objectName())) SetShown(w, shown);
    }
}

void UnitRules::FillUnits(const UnitFill& fill, Cause cause) {
    QComboBox* unit = Combo(fill.Unit);
    if (!unit || !fill.Selector) return;
    const QComboBox* source = Combo(fill.Source);
    // An assignment that selects no list (not used, or beyond its own list) gets the first.
    const MenuId units = UnitsFor(*fill.Selector, source ? source->currentIndex() : -1);
    const MenuLines lines = MenuLinesOf(units, langIndex_ ? langIndex_() : 0);
    // The unit's descriptor takes the list too: its shadow label and the values read later
    // show this list's texts.
    if (const auto bound = values_.DescriptorOf(unit); bound && !bound->Dsp) {
        if (ValueService* vs = values_.DC(bound->Id)) {
            vs->Menu = units;
            vs->Desc.Menu = lines;
        }
    }
    const int before = unit->currentIndex();
    const QStringList items = MenuItems(lines);
    QStringList present;
    for (int i = 0; i < unit->count(); ++i) present << unit->itemText(i);
    // The indicator's poll brings the totaliser assignments with every tick: a list that is
    // there already is left alone, so a drop-down the user has open stays as it is.
    if (present != items) {
        const QSignalBlocker quiet(unit);
        unit->clear();
        unit->addItems(items);
        unit->setMaxVisibleItems(static_cast<int>(items.size()));
        unit->setCurrentIndex(before < items.size() ? before : 0);
    }
    // A unit the new list lacks falls back to its first: when the user changed the
    // assignment, the unit is changed too and is written with it.
    if (unit->currentIndex() != before) Mark(unit, cause);
}

void UnitRules::Apply(const GroupHandler& h, Cause cause) {
    if (h.WatchesTotalisers) {
        const QComboBox* assign = Combo(h.Control);
        const int index = assign ? assign->currentIndex() : -1;
        const StatusOutputPlan plan = PlanStatusOutput(h, index, image_);
        if (plan.Unused && !h.Rules.empty()) {
            // The limit of a totaliser that counts nothing: the first rule's exceptions (the
            // assignment row and the hidden totaliser labels) are all that stays.
            VisibilityRule onlyAssignment = h.Rules.front();
            onlyAssignment.Show = false;
            onlyAssignment.Values = {index};
            ShowForValues(onlyAssignment);
            return;
        }
        for (const VisibilityRule& rule : h.Rules) ShowForValues(rule);
        FillUnits(plan.Units, cause);
    } else {
        for (const VisibilityRule& rule : h.Rules) ShowForValues(rule);
        if (h.Units) FillUnits(*h.Units, cause);
    }
    if (const GroupHandler* next = FindGroupHandler(h.Then)) Apply(*next, cause);
}

bool UnitRules::Run(OnShow handler, Cause cause) {
    const GroupHandler* h = FindGroupHandler(handler);
    if (!h) return false;
    Apply(*h, cause);
    Mark(Control(h->Control), cause);
    return true;
}

void UnitRules::RefillAll() {
    for (const GroupHandler& h : GroupHandlers()) Apply(h, Cause::Shown);
}

void UnitRules::ConnectUserChanges() {
    // activated is the user's choice only: values the program shows do not send it.
    for (const GroupHandler& h : GroupHandlers()) {
        QComboBox* combo = Combo(h.Control);
        if (!combo) continue;
        const OnShow handler = h.Handler;
        QObject::connect(combo, &QComboBox::activated, &window_,
                         [this, handler] { Run(handler, Cause::User); });
    }
    if (auto* scroll = qobject_cast<QScrollBar*>(Control(QLatin1String(kContrastScroll)))) {
        // The user's steps and drags; the position is already the new one, the value not
        // yet (and the program's own settings of the position are no actions).
        QObject::connect(scroll, &QAbstractSlider::actionTriggered, &window_,
                         [this, scroll] { ContrastChanged(scroll->sliderPosition()); });
    }
}

void UnitRules::ContrastChanged(int position) {
    if (auto* label = qobject_cast<QLabel*>(Control(QLatin1String(kContrastLabel))))
        label->setText(QString::number(position));
    Mark(Control(QLatin1String(kContrastScroll)), Cause::User);
}

void UnitRules::RefreshCountDown(int mr) {
    // The count-down edit follows the device also for poll results, but not while the user
    // is typing a new count into it, nor once a typed count is waiting to be saved: pressing
    // "Да" takes the focus away before the save reads it.
    const auto* edit = qobject_cast<QLineEdit*>(Control(QLatin1String(kCountDownEdit)));
    if (edit && !edit->hasFocus() && ControlTag(edit) != 1) values_.ShowValue(mr, true);
}

}  // namespace tarvix
