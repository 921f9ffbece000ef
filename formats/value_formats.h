// The user's display formats per parameter: kept in the settings file, section "ValueFormat"
// (key: the identifier in decimal, a float's high register; value: the format), and applied
// to the value descriptors. A format is text from a file or the user, so it reaches the
// descriptors only after the safe interpreters of pictures and word formats accepted it.
#pragma once

#include <QChar>
#include <QString>

namespace tarvix {

class Descriptors;
class IniFile;

// Longer formats are refused: no format of the device needs more, and an edit or label
// cannot show what a longer one would make.
inline constexpr int kMaxValueFormatLength = 64;

// Throws UserError with the reason when format cannot show values of a row of this type
// (kTypeWord: a printf-style format with one integer conversion, else a numeric picture).
void CheckValueFormat(int type, const QString& format);

// The example of the dialog: text read as a number (either decimal separator) and formatted.
// A word's text that is no integer counts as 0. Throws UserError when the text of a float is
// no number (string 142) or the format cannot show it.
QString FormatExample(int type, const QString& format, const QString& text, QChar decimalSep);

// Applies the section to the descriptors, creating empty ones for identifiers without
// controls. Keys that are no identifier (text, 0, above the last register) and formats the
// interpreters refuse are skipped: the catalogue's format stays. Returns how many applied.
int LoadValueFormats(const IniFile& settings, Descriptors& descriptors);

// Checks the format for the row's identifier, sets it in the descriptor and writes it to the
// section. Throws UserError (nothing changed) when the format is refused or the settings file
// cannot be written.
void SaveValueFormat(IniFile& settings, Descriptors& descriptors, int row, const QString& format);

// The identifier a row's format belongs to: Reg for a word, Reg + 1 for a float; -1 for rows
// without a value of their own (group rows).
int FormatId(int row);

}  // namespace tarvix
