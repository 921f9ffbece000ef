// The device menus as combos and labels use them: item texts reduced from the display's
// lines, the layout of the tables in both languages, and the unit selectors.
#include "pages/device_menus.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvix {
namespace {

TEST(MenuItemText, DropsTheNumberAndOneBlank) {
    const struct {
        QString Line;
        const char16_t* Text;
    } cases[] = {
        {QStringLiteral("10. т/ч"), u"т/ч"},
        {QStringLiteral("2.°C"), u"°C"},
        {QStringLiteral("Общепр."), u"Общепр."},  // the point is the last character
        {QStringLiteral("1ExiaIIB(T1)"), u"1ExiaIIB(T1)"},
        {QStringLiteral("4. Массовый расход"), u"Массовый расход"},
        {QStringLiteral("6. м³/с"), u"м3/с"},
        {QStringLiteral("2. 3.5 мА"), u"3.5 мА"},
        {QStringLiteral("2.   1200"), u"  1200"},
        {QStringLiteral(" x"), u"x"},
        {QStringLiteral("."), u"."},
        {QString(), u""},
        // The display's byte 0xB3 as a Windows-1251 decoder returns it.
        {QStringLiteral("5. м") + QChar(0x0456) + QStringLiteral("/ч"), u"м3/ч"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MenuItemText(c.Line), QString::fromUtf16(c.Text)) << c.Line.toStdString();
    }
}

TEST(DeviceMenus, EveryMenuHasBothLanguagesInItsLayout) {
    std::set<std::string> names;
    for (const DeviceMenu& m : DeviceMenus()) {
        SCOPED_TRACE(m.Name);
        EXPECT_EQ(FindMenu(m.Id), &m);
        EXPECT_EQ(FindMenuByName(QString::fromLatin1(m.Name)), &m);
        EXPECT_TRUE(names.insert(m.Name).second);
        const std::size_t titles = m.Layout == MenuLayout::Titled ? 2 : 0;
        ASSERT_EQ(m.Table.size(), 2 * static_cast<std::size_t>(m.MenuCount) + titles);
        for (int lang : {0, 1}) {
            const MenuLines lines = MenuLinesOf(m, lang);
            ASSERT_EQ(lines.size(), static_cast<std::size_t>(m.MenuCount));
            const bool deviceMenu = !MenuTitle(m, lang).isEmpty();
            // Line 0 is the exit line of a display menu, else an empty placeholder.
            EXPECT_EQ(QString::fromUtf8(lines[0]),
                      deviceMenu ? (lang ? u"1.Exit" : u"1.Назад") : u"");
            // Numbered lines run on from the exit line: the text of value v is line v + 1.
            for (std::size_t k = 1; k < lines.size() && m.Layout == MenuLayout::Titled; ++k) {
                EXPECT_TRUE(QString::fromUtf8(lines[k]).startsWith(QString::number(k + 1) + u'.'))
                    << lines[k];
            }
            EXPECT_EQ(MenuItems(lines).size(), m.MenuCount - 1);
        }
    }
    EXPECT_EQ(FindMenu(MenuId::None), nullptr);
    EXPECT_EQ(FindMenuByName(u"NoSuchMenu"), nullptr);
    EXPECT_TRUE(MenuLinesOf(MenuId::None, 0).empty());
}

TEST(DeviceMenus, ItemTextsByLanguage) {
    const struct {
        MenuId Menu;
        int Lang;
        int Value;
        const char16_t* Text;
    } cases[] = {
        {MenuId::UnitVolumeFlow, 0, 3, u"м3/с"},
        {MenuId::UnitVolumeFlow, 1, 3, u"m3/s"},
        {MenuId::UnitMass, 0, 0, u"г "},
        {MenuId::UnitMass, 1, 2, u"t "},
        {MenuId::Language, 1, 0, u"Русский"},
        {MenuId::BaudRate, 0, 0, u"  1200"},
        {MenuId::BaudRate, 1, 4, u" 14400"},
        {MenuId::AssignFieldMix1, 0, 15, u"Масс. расх. в %"},
        {MenuId::AssignField2, 1, 26, u"Carr. vol. conc."},
        {MenuId::AssignStatus, 1, 15, u"Totalizer 4  L.V."},
        {MenuId::FailsafeFreq, 0, 0, u"O Гц"},
        {MenuId::FormatVariable, 0, 3, u"ХХХХ.ХХХ"},
        {MenuId::Sertification, 1, 0, u"None-Ex"},
        {MenuId::SensorType, 0, 5, u"1ExiaIIB(T6)"},
        {MenuId::ApproxMethod, 0, 1, u"Кус.-лин."},
        {MenuId::ZeroAdjust, 0, 1, u"Запуск"},
        {MenuId::ZeroAdjust, 1, 0, u"No"},
        {MenuId::FixedParameter, 0, 3, u"Температура"},
        {MenuId::FixedParameter, 1, 1, u"Mass Flow"},
    };
    for (const auto& c : cases) {
        const MenuLines lines = MenuLinesOf(c.Menu, c.Lang);
        EXPECT_EQ(MenuValueText(lines, c.Value), QString::fromUtf16(c.Text))
            << FindMenu(c.Menu)->Name << " " << c.Value;
        EXPECT_EQ(MenuItems(lines).at(c.Value), QString::fromUtf16(c.Text));
    }
    // Value 0 is the first item (line 1); there is no value for the exit line or beyond.
    const MenuLines units = MenuLinesOf(MenuId::UnitMassFlow, 0);
    EXPECT_EQ(MenuItems(units).size(), 9);
    EXPECT_TRUE(MenuValueText(units, 9).isNull());
    EXPECT_TRUE(MenuValueText(units, -1).isNull());
}

TEST(DeviceMenus, Titles) {
    EXPECT_EQ(MenuTitle(*FindMenu(MenuId::UnitMassFlow), 0), u"ЕДИН. М. РАСХОДА");
    EXPECT_EQ(MenuTitle(*FindMenu(MenuId::UnitMassFlow), 1), u"UNIT MASS FLOW");
    EXPECT_EQ(MenuTitle(*FindMenu(MenuId::AssignStatus), 0), u"НАЗНАЧЕНИЕ");
    EXPECT_EQ(MenuTitle(*FindMenu(MenuId::OnOff), 1), u"");
    EXPECT_EQ(MenuTitle(*FindMenu(MenuId::SensorType), 0), u"");
}

TEST(UnitSelectors, AssignmentValueToUnitMenu) {
    const struct {
        const UnitSelector* Selector;
        int Assign;
        std::optional<MenuId> Units;
    } cases[] = {
        {&UnitsForTotal, 1, MenuId::UnitMass},
        {&UnitsForTotal, 2, MenuId::UnitVolume},
        {&UnitsForTotal, 3, MenuId::UnitCorrVolume},
        {&UnitsForTotal, 5, MenuId::UnitMass},
        {&UnitsForTotal, 7, MenuId::UnitVolume},
        {&UnitsForTotal, 0, std::nullopt},
        {&UnitsForTotal, 8, std::nullopt},
        {&UnitsForCutOff, 3, MenuId::UnitCorrVolumeFlow},
        {&UnitsForField, 14, MenuId::UnitMassFlow},
        {&UnitsForField, 17, std::nullopt},
        {&UnitsForFieldMix, 17, MenuId::UnitCorrVolumeFlow},
        {&UnitsForOutput, 4, MenuId::UnitTemperature},
        {&UnitsForLimit, 11, MenuId::UnitTemperature},
        {&UnitsForLimit, 9, MenuId::UnitDensity},
        {&UnitsForLimit, 12, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindUnits(*c.Selector, c.Assign), c.Units) << c.Selector->Name << " " << c.Assign;
        // Refilling a unit combo falls back to the first list.
        EXPECT_EQ(UnitsFor(*c.Selector, c.Assign),
                  c.Units.value_or(c.Selector->Choices.front().Units));
    }
    for (const UnitSelector* s : {&UnitsForTotal, &UnitsForCutOff, &UnitsForField,
                                  &UnitsForFieldMix, &UnitsForOutput, &UnitsForLimit}) {
        for (const UnitChoice& c : s->Choices) EXPECT_NE(FindMenu(c.Units), nullptr) << s->Name;
    }
}

}  // namespace
}  // namespace tarvix
