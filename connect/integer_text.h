// Integers typed into the dialogs and stored as text in the settings file: what counts as a
// number, and the conversion error a text that is none raises.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tarvix {

// A decimal integer with an optional sign, blanks around it allowed, within 32 bits;
// nothing for anything else (empty text, letters, "12.5", "0x10", an overflow).
std::optional<int> ParseIntegerText(QStringView text);

// The integer, or UserError with the message the standard error box shows, the program's
// text for an unacceptable value ("Недопустимое значение: abc").
int IntegerOrRaise(const QString& text);

}  // namespace tarvix
