// Texts of the parameter table for the display (LCD) and the four totalizers: rows 153-210.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kDisplayTextsFirst = 153;
inline constexpr ParamText kDisplayTexts[] = {
    {0x202, "", "", "", ""},  // 153 ----- Группа ЖКИ -----
    // 154 Contrast
    {0x202, "Контрастность дисплея", "Контрастность изображения дисплея, от 1 до 63",
     "Display contrast", "Contrast of the display image, 1 to 63"},
    // 155 ImageOrientation
    {0x202, "Ориентация экрана", "0 - нормальная, 1 - поворот изображения на 180°",
     "Display orientation", "0 - normal, 1 - image turned by 180°"},
    // 156 Language
    {0x202, "Язык дисплея", "Язык меню и сообщений дисплея прибора: 0 - русский, 1 - английский",
     "Display language",
     "Language of the device display's menus and messages: 0 - Russian, 1 - English"},
    // 157 RapidTotalMenu
    {0x202, "Меню сумматора",
     "Сумматор, доступный в быстром меню дисплея: 0 - нет, 1-4 - сумматор 1-4", "Totalizer menu",
     "Totalizer offered in the display's quick menu: 0 - none, 1-4 - totalizer 1-4"},
    // 158 F1_Assign
    {0x202, "Величина в поле 1",
     "Величина, которую дисплей показывает в поле 1: коды, расходы, плотности, температура, "
     "частоты выходов, сумматоры, расходы в % (14-16) и величины двухфазной среды",
     "Variable in field 1",
     "Variable the display shows in field 1: codes, flows, densities, temperature, output "
     "frequencies, totalizers, flows in % (14-16) and two-phase fluid variables"},
    // 159 F1_Format
    {0x202, "Формат поля 1", "Число знаков после запятой в поле 1: от 0 (ХХХХХХХ) до 6 (Х.ХХХХХХ)",
     "Field 1 format", "Number of decimals in field 1: 0 (XXXXXXX) to 6 (X.XXXXXX)"},
    // 160 F1_Unit
    {0x202, "Единицы поля 1",
     "Единицы расхода, принимаемого за 100 % в поле 1; список зависит от величины в поле",
     "Field 1 unit",
     "Unit of the flow taken as 100 % in field 1; the list depends on the variable in the field"},
    // 161 F1_V100
    {0x202, "ВПИ (100%) поля 1",
     "Верхний предел измерений: расход, соответствующий 100 % при показе расхода в процентах в "
     "поле 1",
     "Field 1 URV (100%)",
     "Upper range value: the flow shown as 100 % when field 1 shows a flow in percent"},
    // 162 F1Mix_Assign
    {0x202, "Величина в мультипликаторе поля 1",
     "Дополнительная величина, которую дисплей выводит в поле 1: 0 - нет вывода, далее те же "
     "величины, что и для поля 1; расходы в % - 15-17",
     "Variable in alternate field 1",
     "Additional variable the display shows in field 1: 0 - no display, then the same variables "
     "as for field 1; flows in % - 15-17"},
    // 163 F1Mix_Format
    {0x202, "Формат мультипликатора поля 1",
     "Число знаков после запятой в мультипликаторе поля 1: от 0 до 6", "Alternate field 1 format",
     "Number of decimals in alternate field 1: 0 to 6"},
    // 164 F1Mix_Unit
    {0x202, "Единицы мультипликатора поля 1",
     "Единицы расхода, принимаемого за 100 % в мультипликаторе поля 1; список зависит от величины",
     "Alternate field 1 unit",
     "Unit of the flow taken as 100 % in alternate field 1; the list depends on the variable"},
    // 165 F1Mix_V100
    {0x202, "ВПИ (100%) мультипликатора поля 1",
     "Расход, соответствующий 100 % при показе расхода в процентах в мультипликаторе поля 1",
     "Alternate field 1 URV (100%)",
     "Flow shown as 100 % when alternate field 1 shows a flow in percent"},
    // 166 F2_Assign
    {0x202, "Величина в поле 2",
     "Величина, которую дисплей показывает в поле 2: коды, расходы, плотности, температура, "
     "частоты выходов, сумматоры, расходы в % (14-16) и величины двухфазной среды",
     "Variable in field 2",
     "Variable the display shows in field 2: codes, flows, densities, temperature, output "
     "frequencies, totalizers, flows in % (14-16) and two-phase fluid variables"},
    // 167 F2_Format
    {0x202, "Формат поля 2", "Число знаков после запятой в поле 2: от 0 (ХХХХХХХ) до 6 (Х.ХХХХХХ)",
     "Field 2 format", "Number of decimals in field 2: 0 (XXXXXXX) to 6 (X.XXXXXX)"},
    // 168 F2_Unit
    {0x202, "Единицы поля 2",
     "Единицы расхода, принимаемого за 100 % в поле 2; список зависит от величины в поле",
     "Field 2 unit",
     "Unit of the flow taken as 100 % in field 2; the list depends on the variable in the field"},
    // 169 F2_V100
    {0x202, "ВПИ (100%) поля 2",
     "Верхний предел измерений: расход, соответствующий 100 % при показе расхода в процентах в "
     "поле 2",
     "Field 2 URV (100%)",
     "Upper range value: the flow shown as 100 % when field 2 shows a flow in percent"},
    // 170 F2Mix_Assign
    {0x202, "Величина в мультипликаторе поля 2",
     "Дополнительная величина, которую дисплей выводит в поле 2: 0 - нет вывода, далее те же "
     "величины, что и для поля 2; расходы в % - 15-17",
     "Variable in alternate field 2",
     "Additional variable the display shows in field 2: 0 - no display, then the same variables "
     "as for field 2; flows in % - 15-17"},
    // 171 F2Mix_Format
    {0x202, "Формат мультипликатора поля 2",
     "Число знаков после запятой в мультипликаторе поля 2: от 0 до 6", "Alternate field 2 format",
     "Number of decimals in alternate field 2: 0 to 6"},
    // 172 F2Mix_Unit
    {0x202, "Единицы мультипликатора поля 2",
     "Единицы расхода, принимаемого за 100 % в мультипликаторе поля 2; список зависит от величины",
     "Alternate field 2 unit",
     "Unit of the flow taken as 100 % in alternate field 2; the list depends on the variable"},
    // 173 F2Mix_V100
    {0x202, "ВПИ (100%) мультипликатора поля 2",
     "Расход, соответствующий 100 % при показе расхода в процентах в мультипликаторе поля 2",
     "Alternate field 2 URV (100%)",
     "Flow shown as 100 % when alternate field 2 shows a flow in percent"},
    {0x202, "", "", "", ""},  // 174 ----- Сумматор №1 -----
    // 175 SumFailsafeMode
    {0x202, "Режим сумматоров при ошибке",
     "Поведение сумматоров при ошибке измерения: 0 - остановить счет, 1 - считать по последнему "
     "верному значению, 2 - игнорировать ошибку",
     "Totalizer failsafe mode",
     "Totalizer behaviour on a measurement fault: 0 - stop counting, 1 - count with the last "
     "valid value, 2 - ignore the fault"},
    // 176 SumAssign1
    {0x202, "Назначение сумматора 1",
     "Величина, которую накапливает сумматор 1: 0 - не используется, 1 - масса, 2 - объем, 3 - "
     "приведенный объем, 4-7 - масса или объем целевой среды и среды-носителя",
     "Totalizer 1 assignment",
     "Variable totalizer 1 accumulates: 0 - not used, 1 - mass, 2 - volume, 3 - corrected "
     "volume, 4-7 - mass or volume of the target and carrier fluids"},
    // 177 SumUnit1
    {0x202, "Единицы сумматора 1",
     "Единицы массы или объема сумматора 1; список зависит от назначения", "Totalizer 1 unit",
     "Mass or volume unit of totalizer 1; the list depends on the assignment"},
    // 178 SumState1
    {0x202, "Состояние сумматора 1", "0 - активен (ведет счет), 1 - остановлен",
     "Totalizer 1 status", "0 - active (counting), 1 - stopped"},
    // 179 SumMode1
    {0x202, "Режим накопления сумматора 1",
     "0 - двунаправленный (прямой поток прибавляется, обратный вычитается), 1 - только "
     "положительный поток, 2 - только отрицательный поток",
     "Totalizer 1 mode",
     "0 - bidirectional (forward flow adds, reverse flow subtracts), 1 - forward flow only, 2 - "
     "reverse flow only"},
    // 180 SumReset1
    {0x202, "Сброс сумматора 1", "Запись значения 1 (Да) обнуляет сумматор 1", "Totalizer 1 reset",
     "Writing 1 (Yes) clears totalizer 1"},
    // 181 SumOverFlow1
    {0x202, "Переполнения сумматора 1",
     "Число переполнений сумматора 1; показание сумматора = переполнения × 10 000 000 + "
     "накопленное значение",
     "Totalizer 1 overflows",
     "Overflow count of totalizer 1; the total = overflows × 10 000 000 + accumulated value"},
    // 182 Sum1
    {0x202, "Значение сумматора 1",
     "Накопленное значение сумматора 1 в его единицах, без учета переполнений", "Totalizer 1 value",
     "Accumulated value of totalizer 1 in its unit, overflows not included"},
    // 183 SumTime1
    {0x202, "Время накопления сумматора 1",
     "Время, в течение которого сумматор 1 вел счет с последнего сброса", "Totalizer 1 time",
     "Time totalizer 1 has been counting since its last reset"},
    {0x202, "", "", "", ""},  // 184 ----- Сумматор №3 -----
    // 185 SumAssign3
    {0x202, "Назначение сумматора 3",
     "Величина, которую накапливает сумматор 3: 0 - не используется, 1 - масса, 2 - объем, 3 - "
     "приведенный объем, 4-7 - масса или объем целевой среды и среды-носителя",
     "Totalizer 3 assignment",
     "Variable totalizer 3 accumulates: 0 - not used, 1 - mass, 2 - volume, 3 - corrected "
     "volume, 4-7 - mass or volume of the target and carrier fluids"},
    // 186 SumUnit3
    {0x202, "Единицы сумматора 3",
     "Единицы массы или объема сумматора 3; список зависит от назначения", "Totalizer 3 unit",
     "Mass or volume unit of totalizer 3; the list depends on the assignment"},
    // 187 SumState3
    {0x202, "Состояние сумматора 3", "0 - активен (ведет счет), 1 - остановлен",
     "Totalizer 3 status", "0 - active (counting), 1 - stopped"},
    // 188 SumMode3
    {0x202, "Режим накопления сумматора 3",
     "0 - двунаправленный (прямой поток прибавляется, обратный вычитается), 1 - только "
     "положительный поток, 2 - только отрицательный поток",
     "Totalizer 3 mode",
     "0 - bidirectional (forward flow adds, reverse flow subtracts), 1 - forward flow only, 2 - "
     "reverse flow only"},
    // 189 SumReset3
    {0x202, "Сброс сумматора 3", "Запись значения 1 (Да) обнуляет сумматор 3", "Totalizer 3 reset",
     "Writing 1 (Yes) clears totalizer 3"},
    // 190 SumOverFlow3
    {0x202, "Переполнения сумматора 3",
     "Число переполнений сумматора 3; показание сумматора = переполнения × 10 000 000 + "
     "накопленное значение",
     "Totalizer 3 overflows",
     "Overflow count of totalizer 3; the total = overflows × 10 000 000 + accumulated value"},
    // 191 Sum3
    {0x202, "Значение сумматора 3",
     "Накопленное значение сумматора 3 в его единицах, без учета переполнений", "Totalizer 3 value",
     "Accumulated value of totalizer 3 in its unit, overflows not included"},
    // 192 SumTime3
    {0x202, "Время накопления сумматора 3",
     "Время, в течение которого сумматор 3 вел счет с последнего сброса", "Totalizer 3 time",
     "Time totalizer 3 has been counting since its last reset"},
    {0x202, "", "", "", ""},  // 193 ----- Сумматор №2 -----
    // 194 SumAssign2
    {0x202, "Назначение сумматора 2",
     "Величина, которую накапливает сумматор 2: 0 - не используется, 1 - масса, 2 - объем, 3 - "
     "приведенный объем, 4-7 - масса или объем целевой среды и среды-носителя",
     "Totalizer 2 assignment",
     "Variable totalizer 2 accumulates: 0 - not used, 1 - mass, 2 - volume, 3 - corrected "
     "volume, 4-7 - mass or volume of the target and carrier fluids"},
    // 195 SumUnit2
    {0x202, "Единицы сумматора 2",
     "Единицы массы или объема сумматора 2; список зависит от назначения", "Totalizer 2 unit",
     "Mass or volume unit of totalizer 2; the list depends on the assignment"},
    // 196 SumState2
    {0x202, "Состояние сумматора 2", "0 - активен (ведет счет), 1 - остановлен",
     "Totalizer 2 status", "0 - active (counting), 1 - stopped"},
    // 197 SumMode2
    {0x202, "Режим накопления сумматора 2",
     "0 - двунаправленный (прямой поток прибавляется, обратный вычитается), 1 - только "
     "положительный поток, 2 - только отрицательный поток",
     "Totalizer 2 mode",
     "0 - bidirectional (forward flow adds, reverse flow subtracts), 1 - forward flow only, 2 - "
     "reverse flow only"},
    // 198 SumReset2
    {0x202, "Сброс сумматора 2", "Запись значения 1 (Да) обнуляет сумматор 2", "Totalizer 2 reset",
     "Writing 1 (Yes) clears totalizer 2"},
    // 199 SumOverFlow2
    {0x202, "Переполнения сумматора 2",
     "Число переполнений сумматора 2; показание сумматора = переполнения × 10 000 000 + "
     "накопленное значение",
     "Totalizer 2 overflows",
     "Overflow count of totalizer 2; the total = overflows × 10 000 000 + accumulated value"},
    // 200 Sum2
    {0x202, "Значение сумматора 2",
     "Накопленное значение сумматора 2 в его единицах, без учета переполнений", "Totalizer 2 value",
     "Accumulated value of totalizer 2 in its unit, overflows not included"},
    // 201 SumTime2
    {0x202, "Время накопления сумматора 2",
     "Время, в течение которого сумматор 2 вел счет с последнего сброса", "Totalizer 2 time",
     "Time totalizer 2 has been counting since its last reset"},
    {0x202, "", "", "", ""},  // 202 ----- Сумматор №4 -----
    // 203 SumAssign4
    {0x202, "Назначение сумматора 4",
     "Величина, которую накапливает сумматор 4: 0 - не используется, 1 - масса, 2 - объем, 3 - "
     "приведенный объем, 4-7 - масса или объем целевой среды и среды-носителя",
     "Totalizer 4 assignment",
     "Variable totalizer 4 accumulates: 0 - not used, 1 - mass, 2 - volume, 3 - corrected "
     "volume, 4-7 - mass or volume of the target and carrier fluids"},
    // 204 SumUnit4
    {0x202, "Единицы сумматора 4",
     "Единицы массы или объема сумматора 4; список зависит от назначения", "Totalizer 4 unit",
     "Mass or volume unit of totalizer 4; the list depends on the assignment"},
    // 205 SumState4
    {0x202, "Состояние сумматора 4", "0 - активен (ведет счет), 1 - остановлен",
     "Totalizer 4 status", "0 - active (counting), 1 - stopped"},
    // 206 SumMode4
    {0x202, "Режим накопления сумматора 4",
     "0 - двунаправленный (прямой поток прибавляется, обратный вычитается), 1 - только "
     "положительный поток, 2 - только отрицательный поток",
     "Totalizer 4 mode",
     "0 - bidirectional (forward flow adds, reverse flow subtracts), 1 - forward flow only, 2 - "
     "reverse flow only"},
    // 207 SumReset4
    {0x202, "Сброс сумматора 4", "Запись значения 1 (Да) обнуляет сумматор 4", "Totalizer 4 reset",
     "Writing 1 (Yes) clears totalizer 4"},
    // 208 SumOverFlow4
    {0x202, "Переполнения сумматора 4",
     "Число переполнений сумматора 4; показание сумматора = переполнения × 10 000 000 + "
     "накопленное значение",
     "Totalizer 4 overflows",
     "Overflow count of totalizer 4; the total = overflows × 10 000 000 + accumulated value"},
    // 209 Sum4
    {0x202, "Значение сумматора 4",
     "Накопленное значение сумматора 4 в его единицах, без учета переполнений", "Totalizer 4 value",
     "Accumulated value of totalizer 4 in its unit, overflows not included"},
    // 210 SumTime4
    {0x202, "Время накопления сумматора 4",
     "Время, в течение которого сумматор 4 вел счет с последнего сброса", "Totalizer 4 time",
     "Time totalizer 4 has been counting since its last reset"},
};
static_assert(std::size(kDisplayTexts) == 58);

}  // namespace tarvix::param_texts
