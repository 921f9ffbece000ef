// The transmitter's own display menus that fill the enumerated controls (assignments, modes,
// units...), the reduction of a menu line to an item text, and the unit selectors that pick
// a unit menu by an assignment value.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

namespace tarvix {

// Every menu the catalogue and the unit selectors use. The order is that of DeviceMenus().
enum class MenuId : std::uint8_t {
    None,
    UnitMassFlow,
    UnitVolumeFlow,
    UnitDensity,
    UnitTemperature,
    UnitCorrVolumeFlow,
    UnitRefDensity,
    UnitMass,
    UnitVolume,
    UnitCorrVolume,
    AssignField1,
    AssignField2,
    AssignFieldMix1,
    AssignFieldMix2,
    AssignTotal,
    AssignOutput,
    AssignStatus,
    AssignCutOff,
    AssignInput,
    TypeOutput1,
    TypeOutput2,
    SimPulse,
    SimOnOff,
    FailsafeFreq,
    TypeRefDensity,
    Orientation,
    Language,
    TotalizerMenu,
    FormatVariable,
    TotalizerMode,
    StatusTotal1,
    ResetTotal1,
    StatusTotal2,
    ResetTotal2,
    StatusTotal3,
    ResetTotal3,
    StatusTotal4,
    ResetTotal4,
    TotalizerFailsafe,
    PulseMode,
    PulseFailsafe,
    OutputMode,
    BaudRate,
    Parity,
    OnOff,
    ConcentrationCalc,
    ApproxMethod,
    CurrentMode,
    CurrentFailsafe,
    Sertification,
    SensorType,
    ZeroAdjust,
    FixedParameter,
};

// A titled table holds the Russian title, MenuCount Russian lines, the English title and
// MenuCount English lines; an untitled one only the two blocks of lines. Some titled tables
// are the program's own and have empty titles.
enum class MenuLayout : std::uint8_t { Titled, Untitled };

// One language's lines of a menu, line 0 included: line 0 is the exit line ("1.Назад") or an
// empty placeholder, the text of value v is line v + 1. Lines are UTF-8; the display's
// superscript three is written "³".
using MenuLines = std::span<const char* const>;

struct DeviceMenu {
    MenuId Id;
    const char* Name;  // the MenuId's name, for lookups by text
    MenuLayout Layout;
    int MenuCount;                       // lines per language, line 0 included
    std::span<const char* const> Table;  // both languages in the layout above
};

// All menus, in MenuId order (MenuId::None has none).
std::span<const DeviceMenu> DeviceMenus();

// nullptr for MenuId::None and for a name no menu has.
const DeviceMenu* FindMenu(MenuId id);
const DeviceMenu* FindMenuByName(QStringView name);

// The lines of a language (LangIndex: 1 English, anything else Russian), as a descriptor's
// Menu points at them; empty for MenuId::None.
MenuLines MenuLinesOf(const DeviceMenu& menu, int langIndex);
MenuLines MenuLinesOf(MenuId id, int langIndex);
// The title of a language; empty for an untitled table.
QString MenuTitle(const DeviceMenu& menu, int langIndex);

// A menu line reduced to the text a combo item or a label shows: the "N." prefix and one
// blank after it dropped, the display's superscript three shown as the digit "3".
QString MenuItemText(QStringView line);
QString MenuItemText(const char* utf8Line);

// The items a combo bound to these lines offers: lines 1 .. count - 1 reduced, so item k
// stands for value k.
QStringList MenuItems(MenuLines lines);

// The text of value v as a label shows it, or a null QString when the menu has no line for v.
QString MenuValueText(MenuLines lines, int v);

// A unit selector maps an assignment value to the unit menu that fits it.
struct UnitChoice {
    int Assign;
    MenuId Units;
};
struct UnitSelector {
    const char* Name;
    std::span<const UnitChoice> Choices;
};

extern const UnitSelector UnitsForTotal;     // totalisers; status outputs fed by a totaliser
extern const UnitSelector UnitsForCutOff;    // low-flow cut-off
extern const UnitSelector UnitsForField;     // display fields 1 and 2
extern const UnitSelector UnitsForFieldMix;  // alternate fields 1 and 2
extern const UnitSelector UnitsForOutput;    // frequency outputs, current output
extern const UnitSelector UnitsForLimit;     // limit values of the status outputs

// The unit menu of an assignment value; nullopt when the value selects none (the group is
// not used, or the value is beyond the list).
std::optional<MenuId> FindUnits(const UnitSelector& selector, int assign);
// As a unit combo is refilled: a value that selects none falls back to the first list.
MenuId UnitsFor(const UnitSelector& selector, int assign);

}  // namespace tarvix
