#include "pages/device_menus.h"

#include <array>

namespace tarvix {

const DeviceMenu* FindMenu(MenuId id) {
    const auto menus = DeviceMenus();
    const auto i = static_cast<std::size_t>(id);
    if (i == 0 || i > menus.size()) return nullptr;
    return &menus[i - 1];
}

const DeviceMenu* FindMenuByName(QStringView name) {
    for (const DeviceMenu& m : DeviceMenus()) {
        if (name == QLatin1String(m.Name)) return &m;
    }
    return nullptr;
}

MenuLines MenuLinesOf(const DeviceMenu& menu, int langIndex) {
    const std::size_t count = static_cast<std::size_t>(menu.MenuCount);
    const std::size_t titles = menu.Layout == MenuLayout::Titled ? 1 : 0;
    // The first Russian line sits behind the Russian title; English starts one block (and
    // one title) further.
    const std::size_t first = titles + (langIndex == 1 ? count + titles : 0);
    return menu.Table.subspan(first, count);
}

MenuLines MenuLinesOf(MenuId id, int langIndex) {
    const DeviceMenu* m = FindMenu(id);
    return m ? MenuLinesOf(*m, langIndex) : MenuLines{};
}

QString MenuTitle(const DeviceMenu& menu, int langIndex) {
    if (menu.Layout != MenuLayout::Titled) return {};
    const std::size_t at = langIndex == 1 ? static_cast<std::size_t>(menu.MenuCount) + 1 : 0;
    return QString::fromUtf8(menu.Table[at]);
}

QString MenuItemText(QStringView line) {
    qsizetype start = 0;
    const qsizetype dot = line.indexOf(u'.');
    if (dot >= 0 && dot + 1 < line.size()) start = dot + 1;
    if (start < line.size() && line[start] == u' ') ++start;
    QString text = line.mid(start).toString();
    // The display's font draws its superscript three at byte 0xB3 of code page 1251. Our
    // tables write that glyph as U+00B3; a line decoded from the device's own bytes carries
    // the code page's character at 0xB3, U+0456. Both read as the digit in a combo.
    text.replace(QChar(0x00B3), u'3');
    text.replace(QChar(0x0456), u'3');
    return text;
}

QString MenuItemText(const char* utf8Line) {
    return MenuItemText(QString::fromUtf8(utf8Line ? utf8Line : ""));
}

QStringList MenuItems(MenuLines lines) {
    QStringList items;
    for (std::size_t k = 1; k < lines.size(); ++k) items.append(MenuItemText(lines[k]));
    return items;
}

QString MenuValueText(MenuLines lines, int v) {
    if (v < 0 || static_cast<std::size_t>(v) + 1 >= lines.size()) return {};
    return MenuItemText(lines[static_cast<std::size_t>(v) + 1]);
}

namespace {

constexpr std::array<UnitChoice, 7> kTotal{{{1, MenuId::UnitMass},
                                            {2, MenuId::UnitVolume},
                                            {3, MenuId::UnitCorrVolume},
                                            {4, MenuId::UnitMass},
                                            {5, MenuId::UnitMass},
                                            {6, MenuId::UnitVolume},
                                            {7, MenuId::UnitVolume}}};
constexpr std::array<UnitChoice, 3> kCutOff{
    {{1, MenuId::UnitMassFlow}, {2, MenuId::UnitVolumeFlow}, {3, MenuId::UnitCorrVolumeFlow}}};
constexpr std::array<UnitChoice, 3> kField{
    {{14, MenuId::UnitMassFlow}, {15, MenuId::UnitVolumeFlow}, {16, MenuId::UnitCorrVolumeFlow}}};
constexpr std::array<UnitChoice, 3> kFieldMix{
    {{15, MenuId::UnitMassFlow}, {16, MenuId::UnitVolumeFlow}, {17, MenuId::UnitCorrVolumeFlow}}};
constexpr std::array<UnitChoice, 6> kOutput{{{1, MenuId::UnitMassFlow},
                                             {2, MenuId::UnitVolumeFlow},
                                             {3, MenuId::UnitDensity},
                                             {4, MenuId::UnitTemperature},
                                             {5, MenuId::UnitCorrVolumeFlow},
                                             {6, MenuId::UnitRefDensity}}};
constexpr std::array<UnitChoice, 6> kLimit{{{6, MenuId::UnitMassFlow},
                                            {7, MenuId::UnitVolumeFlow},
                                            {8, MenuId::UnitCorrVolumeFlow},
                                            {9, MenuId::UnitDensity},
                                            {10, MenuId::UnitRefDensity},
                                            {11, MenuId::UnitTemperature}}};

}  // namespace

const UnitSelector UnitsForTotal{"UnitsForTotal", kTotal};
const UnitSelector UnitsForCutOff{"UnitsForCutOff", kCutOff};
const UnitSelector UnitsForField{"UnitsForField", kField};
const UnitSelector UnitsForFieldMix{"UnitsForFieldMix", kFieldMix};
const UnitSelector UnitsForOutput{"UnitsForOutput", kOutput};
const UnitSelector UnitsForLimit{"UnitsForLimit", kLimit};

std::optional<MenuId> FindUnits(const UnitSelector& selector, int assign) {
    for (const UnitChoice& c : selector.Choices) {
        if (c.Assign == assign) return c.Units;
    }
    return std::nullopt;
}

MenuId UnitsFor(const UnitSelector& selector, int assign) {
    if (const auto units = FindUnits(selector, assign)) return *units;
    return selector.Choices.empty() ? MenuId::None : selector.Choices.front().Units;
}

}  // namespace tarvix
