// One parameter of the table on its own, as the command line and the single-parameter page
// handle it: found by its name, where its value lives (registers or the measuring module),
// the menu that names its values, its text as the configuration pages show it and the parse
// of a typed value, with the catalogue's format and menu and the pages' conversions.
#pragma once

#include "model/param_table.h"
#include "model/register_image.h"
#include "pages/catalogue.h"
#include "pages/device_menus.h"
#include "pages/dsp_value.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvix {

enum class ValueKind : std::uint8_t { Word, Float, Dsp };

struct ParamRef {
    int Row = kNoRow;
    ValueKind Kind = ValueKind::Word;
    int Id = -1;        // register identifier (a float's high register), or the module's number
    int FirstReg = -1;  // the value's first register; -1 for a measuring-module parameter
    int RegCount = 0;   // registers the value occupies: 1, 2, or 0 in the measuring module
    const DescriptorSpec* Entry = nullptr;  // the catalogue's descriptor; nullptr when none
    // A float without a descriptor of its own may have a format-only one at its low register
    // (Frequency: the register polling page shows it so); its format applies then.
    QString Format{};

    QString Name() const { return ParamName(Row); }
    bool IsDsp() const { return Kind == ValueKind::Dsp; }
};

// A name typed on the command line: the exact name first, then the same name in any case.
// Group titles are no parameters. Not found: Row is kNoRow and Candidates holds up to five
// close names; found in several rows only case-insensitively: Row is kNoRow and Candidates
// holds them all.
struct NameMatch {
    int Row = kNoRow;
    QStringList Candidates{};
};
NameMatch FindParam(const QString& name);

// The reference of a register or measuring-module row; Row stays kNoRow for any other row.
ParamRef RefOf(int row);

// "register 702", "registers 300-301", "measuring-module parameter 2"; with the kind of value
// "register 702 (word)", "registers 300-301 (float)", "measuring-module parameter 2 (float,
// 4 bytes)".
QString WhereText(const ParamRef& p, bool withKind = false);

// Why p may not be written at an access level; empty when it may.
QString WriteRefusal(const ParamRef& p, int accessLevel);

// The device takes a write of p only inside the access-key bracket: the protected sensor data
// (identifiers 0..38, as the pages mark them) and the protected flow correction (100..132),
// which the device guards with the same key.
bool NeedsAccessKey(const ParamRef& p);

// The register identifiers to read before p can be shown, in the form AddRead takes them: p's
// own (a totaliser's sum also its overflow count, as the totaliser pages show the two
// together), and the assignments that choose a unit's menu. None for a module parameter.
std::vector<int> IdsToRead(const ParamRef& p);

// Whether p's menu follows other registers of the device (the units of the assignable groups).
bool MenuFollowsDevice(const ParamRef& p);

// The menu lines of p in a language (LangIndex: 1 English, else Russian): the catalogue's
// menu, or for a unit the list its group's assignment in image selects, as the pages refill
// the unit combo. Empty when p is not enumerated.
MenuLines MenuOf(const ParamRef& p, const RegisterImage& image, int langIndex);

// The menu's items for messages and --verbose: 0 "г", 1 "кг", 2 "т".
QString MenuListing(MenuLines lines);

struct ShownValue {
    QString Text{};           // as the pages show it
    QString Raw{};            // the number alone (a float in its shortest exact form, with ".")
    std::optional<int> Item;  // enumerated value named by its menu: the number, Text the item
};

// The value of p from image (registers) or dsp (a module parameter's four bytes).
ShownValue ShowValue(const ParamRef& p, const RegisterImage& image, const DspValue& dsp,
                     int langIndex, QChar decimalSep);

// The text of a register parameter as the register polling page shows it: a totaliser's
// sum without its overflow count (get shows the two together, as the totaliser pages do).
QString PolledText(const ParamRef& p, const RegisterImage& image, QChar decimalSep);

// The line get and set print: `SumUnit1 = "т" (2)`, `FlowDamping = 2.500`, with raw the
// number alone.
QString ValueLine(const ParamRef& p, const ShownValue& v, bool raw);

struct ParsedInput {
    std::vector<std::uint16_t> Words{};  // a register value from FirstReg on
    DspValue Dsp{};                      // a module parameter's bytes
};

// Parses text as the page's control of p would take it: an enumerated value by its item's
// text (trimmed, any case, in the given language, then in the other) or its number; a float
// with "." or ","; a word through its format's scan or the integer parse, refused beyond its
// register's range; a module parameter by its value code. A register value is stored into image (as
// the pages convert into the register image before writing). Throws UserError with the message for
// text that is no value of p.
ParsedInput ParseValue(const ParamRef& p, const QString& text, RegisterImage& image, int langIndex,
                       QChar decimalSep);

// The row of the unit a value is measured in, when the pages show one beside it (the main
// values, the totalisers' sums); kNoRow otherwise.
int UnitRowOf(const ParamRef& p);

}  // namespace tarvix
