// The "radio group" of the dialogs: a group box whose radio buttons are its items, in layout
// order, read and set by item index as the settings file stores it.
#pragma once

class QGroupBox;

namespace tarvix {

// The index of the checked item, -1 when none is checked.
int RadioGroupItemIndex(const QGroupBox& group);

// Checks item index; -1 (or below) leaves no item checked, an index past the last item checks
// the last one, as the settings file may hold any integer.
void SetRadioGroupItemIndex(QGroupBox& group, int index);

}  // namespace tarvix
