// Texts of the parameter table for the current output, its hidden calibration data, the discrete
// inputs and the status: rows 280-329.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kCurrentTextsFirst = 280;
inline constexpr ParamText kCurrentTexts[] = {
    {0x202, "", "", "", ""},  // 280 ----- Токовый выход -----
    // 281 CUR_Assign
    {0x202, "Назначение токового выхода",
     "Величина на выходе 4-20 мА: 0 - не используется, 1 - массовый расход, 2 - объемный расход, "
     "3 - плотность, 4 - температура, 5 - приведенный объемный расход, 6 - приведенная плотность",
     "Current output assignment",
     "Variable of the 4-20 mA output: 0 - not used, 1 - mass flow, 2 - volume flow, 3 - density, "
     "4 - temperature, 5 - corrected volume flow, 6 - reference density"},
    // 282 CUR_Unit
    {0x202, "Единицы токового выхода",
     "Единицы значений 4 мА и 20 мА; список зависит от назначения выхода", "Current output unit",
     "Unit of the 4 mA and 20 mA values; the list depends on the output assignment"},
    // 283 CUR_Value_4mA
    {0x202, "Значение при 4 мА", "Значение величины, соответствующее току 4 мА, в единицах выхода",
     "Value at 4 mA", "Value of the variable that gives 4 mA, in the output unit"},
    // 284 CUR_Value_20mA
    {0x202, "Значение при 20 мА",
     "Значение величины, соответствующее току 20 мА, в единицах выхода", "Value at 20 mA",
     "Value of the variable that gives 20 mA, in the output unit"},
    // 285 CUR_Measuring_Mode
    {0x202, "Режим токового выхода",
     "0 - стандартный (величина со знаком), 1 - по модулю (абсолютное значение), 2 - "
     "компенсационный",
     "Current output mode",
     "0 - standard (signed variable), 1 - symmetry (absolute value), 2 - compensation"},
    // 286 CUR_DacCode
    {0x101, "Код ЦАП токового выхода",
     "Код, который процессорный модуль подает на ЦАП токового выхода", "Current output DAC code",
     "Code the processor module sends to the current output's DAC"},
    // 287 CUR_Failsafe_Mode
    {0x202, "Токовый выход при аварии",
     "Ток при аварии: 0 - 3.5 мА, 1 - 22.6 мА, 2 - игнорировать сбой (ток по измеренной величине)",
     "Current output failsafe mode",
     "Current on a fault: 0 - 3.5 mA, 1 - 22.6 mA, 2 - actual value (current by the measured "
     "variable)"},
    // 288 CUR_Current
    {0x101, "Ток на выходе", "Ток, который токовый выход формирует в данный момент, мА",
     "Output current", "Current the current output produces at present, mA"},
    // 289 CUR_Simulation_Mode
    {0x202, "Симуляция токового выхода",
     "0 - выключена, 1 - включена: выход дает ток симуляции вместо измеренной величины",
     "Current output simulation",
     "0 - Off, 1 - On: the output gives the simulated current instead of the measured variable"},
    // 290 CUR_Value_Simulation
    {0x202, "Ток симуляции", "Ток на выходе в режиме симуляции, мА", "Simulated current",
     "Output current in the simulation mode, mA"},
    // 291 CUR_Current_Offset
    {0x000, "Смещение токового выхода",
     "Пользовательский калибровочный коэффициент смещения тока, рассчитанный при калибровке по "
     "амперметру",
     "Current output offset",
     "User calibration coefficient of the current offset, found by the calibration against an "
     "ammeter"},
    // 292 CUR_Current_Gain
    {0x000, "Крутизна токового выхода",
     "Пользовательский калибровочный коэффициент наклона характеристики тока, рассчитанный при "
     "калибровке по амперметру",
     "Current output gain",
     "User calibration coefficient of the current slope, found by the calibration against an "
     "ammeter"},
    // 293 CUR_Restore_Coefficient
    {0x202, "Восстановление заводских коэффициентов",
     "Запись значения 1 восстанавливает заводские калибровочные коэффициенты токового выхода",
     "Restore factory coefficients",
     "Writing 1 restores the factory calibration coefficients of the current output"},
    // 294 CUR_Temp
    {0x101, "Температура платы токового выхода", "Температура платы токового выхода, °C",
     "Current output board temperature", "Temperature of the current output board, °C"},
    // 295 CUR_Adjustment_Mode
    {0x202, "Расчет калибровочных коэффициентов",
     "Запись значения 1 запускает расчет смещения и крутизны токового выхода по измеренным токам "
     "CUR_Trim_4mA и CUR_Trim_20mA",
     "Calculate calibration coefficients",
     "Writing 1 starts the calculation of the current output's offset and gain from the measured "
     "currents CUR_Trim_4mA and CUR_Trim_20mA"},
    // 296 CUR_Trim_4mA
    {0x202, "Измеренный ток в точке 4 мА",
     "Ток, измеренный амперметром, когда выход задавал 4 мА, мА", "Measured current at 4 mA",
     "Current measured by the ammeter while the output was set to 4 mA, mA"},
    // 297 CUR_Trim_20mA
    {0x202, "Измеренный ток в точке 20 мА",
     "Ток, измеренный амперметром, когда выход задавал 20 мА, мА", "Measured current at 20 mA",
     "Current measured by the ammeter while the output was set to 20 mA, mA"},
    // 298 CUR_Standard_4mAa
    {0x000, "Эталонный ток 4 мА", "Номинальное значение тока нижней точки калибровки, мА",
     "Reference current 4 mA", "Nominal current of the lower calibration point, mA"},
    // 299 CUR_Standard_20mA
    {0x000, "Эталонный ток 20 мА", "Номинальное значение тока верхней точки калибровки, мА",
     "Reference current 20 mA", "Nominal current of the upper calibration point, mA"},
    {0x000, "", "", "", ""},  // 300 ----- Ток. Скрыт. Пар-ры -----
    // 301 CUR_SN
    {0x000, "Серийный номер модуля",
     "Заводской номер электронного модуля прибора; по нему вычисляется ключ доступа к защищенным "
     "данным сенсора",
     "Module serial number",
     "Factory number of the device's electronics module; the access key of the protected sensor "
     "data is computed from it"},
    // 302 CUR_DD
    {0x000, "Дата выпуска модуля: день", "Число месяца от 1 до 31", "Module date: Day",
     "Day of the month from 1 to 31"},
    // 303 CUR_MM
    {0x000, "Дата выпуска модуля: месяц", "Номер месяца от 1 до 12", "Module date: Month",
     "Number of the month from 1 to 12"},
    // 304 CUR_YY
    {0x000, "Дата выпуска модуля: год", "Номер + 2000", "Module date: Year", "Number + 2000"},
    // 305 CUR_Hidden_Offset
    {0x000, "Заводское смещение токового выхода",
     "Скрытая (резервная) копия коэффициента смещения; заполняется копированием пользовательских "
     "коэффициентов",
     "Factory current output offset",
     "Hidden (backup) copy of the offset coefficient; filled by copying the user coefficients"},
    // 306 CUR_Hidden_Gain
    {0x000, "Заводская крутизна токового выхода",
     "Скрытая (резервная) копия коэффициента крутизны; заполняется копированием пользовательских "
     "коэффициентов",
     "Factory current output gain",
     "Hidden (backup) copy of the gain coefficient; filled by copying the user coefficients"},
    // 307 CUR_a0
    {0x000, "Коэффициент a0 термокомпенсации тока",
     "Коэффициент при степени 0 температуры платы в полиноме температурной компенсации смещения "
     "токового выхода",
     "Current temperature coefficient a0",
     "Coefficient of the board temperature to the power 0 in the temperature compensation "
     "polynomial of the current output offset"},
    // 308 CUR_a1
    {0x000, "Коэффициент a1 термокомпенсации тока",
     "Коэффициент при степени 1 температуры платы в полиноме температурной компенсации смещения "
     "токового выхода",
     "Current temperature coefficient a1",
     "Coefficient of the board temperature to the power 1 in the temperature compensation "
     "polynomial of the current output offset"},
    // 309 CUR_a2
    {0x000, "Коэффициент a2 термокомпенсации тока",
     "Коэффициент при степени 2 температуры платы в полиноме температурной компенсации смещения "
     "токового выхода",
     "Current temperature coefficient a2",
     "Coefficient of the board temperature to the power 2 in the temperature compensation "
     "polynomial of the current output offset"},
    // 310 CUR_a3
    {0x000, "Коэффициент a3 термокомпенсации тока",
     "Коэффициент при степени 3 температуры платы в полиноме температурной компенсации смещения "
     "токового выхода",
     "Current temperature coefficient a3",
     "Coefficient of the board temperature to the power 3 in the temperature compensation "
     "polynomial of the current output offset"},
    // 311 CUR_b0
    {0x000, "Коэффициент b0 термокомпенсации тока",
     "Коэффициент при степени 0 температуры платы в полиноме температурной компенсации крутизны "
     "токового выхода",
     "Current temperature coefficient b0",
     "Coefficient of the board temperature to the power 0 in the temperature compensation "
     "polynomial of the current output gain"},
    // 312 CUR_b1
    {0x000, "Коэффициент b1 термокомпенсации тока",
     "Коэффициент при степени 1 температуры платы в полиноме температурной компенсации крутизны "
     "токового выхода",
     "Current temperature coefficient b1",
     "Coefficient of the board temperature to the power 1 in the temperature compensation "
     "polynomial of the current output gain"},
    // 313 CUR_b2
    {0x000, "Коэффициент b2 термокомпенсации тока",
     "Коэффициент при степени 2 температуры платы в полиноме температурной компенсации крутизны "
     "токового выхода",
     "Current temperature coefficient b2",
     "Coefficient of the board temperature to the power 2 in the temperature compensation "
     "polynomial of the current output gain"},
    // 314 CUR_b3
    {0x000, "Коэффициент b3 термокомпенсации тока",
     "Коэффициент при степени 3 температуры платы в полиноме температурной компенсации крутизны "
     "токового выхода",
     "Current temperature coefficient b3",
     "Coefficient of the board temperature to the power 3 in the temperature compensation "
     "polynomial of the current output gain"},
    {0x202, "", "", "", ""},  // 315 ----- Дискретные Входы -----
    // 316 DI1_Assign
    {0x202, "Назначение дискретного входа 1",
     "Действие по сигналу входа: 0 - не используется, 1-4 - сброс сумматора 1-4, 5 - общий сброс "
     "сумматоров, 6 - настройка нуля",
     "Discrete input 1 assignment",
     "Action on the input signal: 0 - not used, 1-4 - reset totalizer 1-4, 5 - reset all "
     "totalizers, 6 - zero point adjustment"},
    // 317 DI1_Status
    {0x101, "Состояние дискретного входа 1", "Текущее состояние входа: 0 - неактивен, 1 - активен",
     "Discrete input 1 state", "Present state of the input: 0 - inactive, 1 - active"},
    // 318 DI2_Assign
    {0x202, "Назначение дискретного входа 2",
     "Действие по сигналу входа: 0 - не используется, 1-4 - сброс сумматора 1-4, 5 - общий сброс "
     "сумматоров, 6 - настройка нуля",
     "Discrete input 2 assignment",
     "Action on the input signal: 0 - not used, 1-4 - reset totalizer 1-4, 5 - reset all "
     "totalizers, 6 - zero point adjustment"},
    // 319 DI2_Status
    {0x101, "Состояние дискретного входа 2", "Текущее состояние входа: 0 - неактивен, 1 - активен",
     "Discrete input 2 state", "Present state of the input: 0 - inactive, 1 - active"},
    {0x101, "", "", "", ""},  // 320 ----- Статус -----
    // 321 CommonNotice
    {0x101, "Сводка сообщений",
     "Младший байт: бит 7 - ошибка системы, бит 6 - предупреждение системы, бит 5 - ошибка "
     "процесса, бит 4 - предупреждение процесса, биты 0-3 - число сообщений",
     "Message summary",
     "Low byte: bit 7 - system error, bit 6 - system warning, bit 5 - process error, bit 4 - "
     "process warning, bits 0-3 - number of messages"},
    // 322 Notice1
    {0x101, "Сообщение 1",
     "Сообщение 1 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 1",
     "Message 1 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
    // 323 Notice2
    {0x101, "Сообщение 2",
     "Сообщение 2 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 2",
     "Message 2 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
    // 324 Notice3
    {0x101, "Сообщение 3",
     "Сообщение 3 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 3",
     "Message 3 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
    // 325 Notice4
    {0x101, "Сообщение 4",
     "Сообщение 4 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 4",
     "Message 4 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
    // 326 Notice5
    {0x101, "Сообщение 5",
     "Сообщение 5 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 5",
     "Message 5 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
    // 327 Notice6
    {0x101, "Сообщение 6",
     "Сообщение 6 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 6",
     "Message 6 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
    // 328 Notice7
    {0x101, "Сообщение 7",
     "Сообщение 7 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 7",
     "Message 7 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
    // 329 Notice8
    {0x101, "Сообщение 8",
     "Сообщение 8 из списка: старший байт - тип события (0x80, 0x40, 0x20, 0x10), младший - "
     "номер события в таблице этого типа",
     "Message 8",
     "Message 8 of the list: high byte - event type (0x80, 0x40, 0x20, 0x10), low byte - index "
     "of the event in the table of that type"},
};
static_assert(std::size(kCurrentTexts) == 50);

}  // namespace tarvix::param_texts
