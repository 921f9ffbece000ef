// The conversions of a register value between the register image and the text of a control:
// the display text of an identifier (ValueText) and the storing of what a control holds
// (an item index, a position, an edit's text) into the image.
#pragma once

#include "model/register_image.h"
#include "pages/device_menus.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <functional>
#include <variant>

namespace tarvix {

// What the conversions need to know of a value descriptor (ValueService): the widget layer's
// descriptor holds one of these beside its controls.
struct ValueDescriptor {
    QString Format{};  // numeric picture of a float, printf-style format of a word; empty: none
    MenuLines Menu{};  // the current language's menu lines; empty: no menu
    int ControlCount = 0;
    bool FirstIsCombo = false;
    // The item text of the first control (a combo) at an index; a null QString when it has
    // no such item. May be empty when FirstIsCombo is false.
    std::function<QString(int index)> ComboItemText{};
};

// The high registers of the four totalisers' sums (Sum1, Sum3, Sum2, Sum4).
bool IsTotaliserSum(int mr);

// The display text of the value of identifier mr.
//  total: a totaliser's sum includes its overflow count (10 000 000 per count).
//  high:  mr is a float's high register (its identifier); false reads the float at mr, mr+1.
//  raw:   a word is shown as its number, not as a menu or combo text.
// dc is the descriptor of mr, nullptr when there is none. A word value beyond the end of the
// descriptor's menu or of the combo's items shows its number. Throws UserError when the
// descriptor's format cannot show a value.
QString ValueText(const RegisterImage& image, int mr, bool total, bool high, bool raw,
                  const ValueDescriptor* dc, QChar decimalSep);

// The word the combo boxes and scroll bars of mr select: the register's value.
int WordValue(const RegisterImage& image, int mr);

// What the first modified control of a descriptor holds: a combo's item index or a scroll
// bar's position, or an edit's text.
using ControlInput = std::variant<int, QString>;

// What a typed word beyond its register's range becomes.
enum class WordOverflow : std::uint8_t {
    // Refused with the range message: the pages and the command line, where a number cut to
    // 16 bits would reach the device as another value (70000 as 4464, -1 as 65535).
    Refuse,
    // Stored as its low 16 bits, for a caller that wants the raw bits of what was typed.
    KeepLow16,
};

// Converts input into the register image at identifier mr (a float into mr - 1 and mr, a
// word into mr). An edit's text goes through the float parse for a float; a word's through
// format when it has one (its scan), else through the integer parse. Both lie within
// -100 000 000 .. 100 000 000; a word must also fit its register, 0 .. 65535 (from -32768
// on under a signed short format, see ScanWordMinimum), unless overflow keeps the low 16
// bits. Returns the text the edit shows afterwards (its text with the decimal separator
// normalised); empty for an index input. Throws UserError on bad input and leaves the
// image unchanged then.
QString ControlValueToRegister(RegisterImage& image, int mr, const ControlInput& input,
                               const QString& format, QChar decimalSep,
                               WordOverflow overflow = WordOverflow::Refuse);

}  // namespace tarvix
