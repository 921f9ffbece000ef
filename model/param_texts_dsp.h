// Texts of the parameter table for the measuring-module (DSP) parameters passed through to its
// EEPROM: rows 431-453.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kDspTextsFirst = 431;
inline constexpr ParamText kDspTexts[] = {
    {0x000, "", "", "", ""},  // 431 ---------------------------
    {0x000, "", "", "", ""},  // 432 ----- Транзитом в DSP -----
    {0x000, "", "", "", ""},  // 433 ---------------------------
    // 434 SnBoard
    {0x000, "Серийный номер платы измерительного модуля",
     "Заводской номер платы измерительного модуля, от 0 до 65535",
     "Measuring module board serial number",
     "Factory number of the measuring module's board, 0 to 65535"},
    // 435 ManufactureData
    {0x000, "Дата изготовления измерительного модуля", "Дата изготовления в виде дд.мм.гг",
     "Measuring module production date", "Production date as dd.mm.yy"},
    // 436 R0
    {0x000, "R0", "Величина термосопротивления при 0 градусов Цельсия. Типично 100 Ом", "", ""},
    // 437 MinCode_ADC1_TC
    {0x000, "Нижняя граница кода АЦП1",
     "Наименьший допустимый код канала АЦП1 (термосопротивления); код ниже границы считается "
     "ошибкой канала",
     "ADC1 code lower limit",
     "Lowest permissible code of ADC1 channel (resistance thermometer); a code below it is a "
     "channel fault"},
    // 438 MaxCode_ADC1_TC
    {0x000, "Верхняя граница кода АЦП1",
     "Наибольший допустимый код канала АЦП1 (термосопротивления); код выше границы считается "
     "ошибкой канала",
     "ADC1 code upper limit",
     "Highest permissible code of ADC1 channel (resistance thermometer); a code above it is a "
     "channel fault"},
    // 439 MinCode_ADC2_Robr
    {0x000, "Нижняя граница кода АЦП2",
     "Наименьший допустимый код канала АЦП2 (образцового резистора); код ниже границы считается "
     "ошибкой канала",
     "ADC2 code lower limit",
     "Lowest permissible code of ADC2 channel (reference resistor); a code below it is a channel "
     "fault"},
    // 440 MaxCode_ADC2_Robr
    {0x000, "Верхняя граница кода АЦП2",
     "Наибольший допустимый код канала АЦП2 (образцового резистора); код выше границы считается "
     "ошибкой канала",
     "ADC2 code upper limit",
     "Highest permissible code of ADC2 channel (reference resistor); a code above it is a "
     "channel fault"},
    // 441 MinCode_ADC3_3w
    {0x000, "Нижняя граница кода АЦП3",
     "Наименьший допустимый код канала АЦП3 (трехпроводной линии); код ниже границы считается "
     "ошибкой канала",
     "ADC3 code lower limit",
     "Lowest permissible code of ADC3 channel (three-wire line); a code below it is a channel "
     "fault"},
    // 442 MaxCode_ADC3_3w
    {0x000, "Верхняя граница кода АЦП3",
     "Наибольший допустимый код канала АЦП3 (трехпроводной линии); код выше границы считается "
     "ошибкой канала",
     "ADC3 code upper limit",
     "Highest permissible code of ADC3 channel (three-wire line); a code above it is a channel "
     "fault"},
    // 443 MinCode_ADC4_Diod
    {0x000, "Нижняя граница кода АЦП4",
     "Наименьший допустимый код канала АЦП4 (термодиода); код ниже границы считается ошибкой "
     "канала",
     "ADC4 code lower limit",
     "Lowest permissible code of ADC4 channel (temperature diode); a code below it is a channel "
     "fault"},
    // 444 MaxCode_ADC4_Diod
    {0x000, "Верхняя граница кода АЦП4",
     "Наибольший допустимый код канала АЦП4 (термодиода); код выше границы считается ошибкой "
     "канала",
     "ADC4 code upper limit",
     "Highest permissible code of ADC4 channel (temperature diode); a code above it is a channel "
     "fault"},
    // 445 MinCode_ADC5_Oru
    {0x000, "Нижняя граница кода АЦП5",
     "Наименьший допустимый код канала АЦП5 (опорного напряжения); код ниже границы считается "
     "ошибкой канала",
     "ADC5 code lower limit",
     "Lowest permissible code of ADC5 channel (reference voltage); a code below it is a channel "
     "fault"},
    // 446 MaxCode_ADC5_Oru
    {0x000, "Верхняя граница кода АЦП5",
     "Наибольший допустимый код канала АЦП5 (опорного напряжения); код выше границы считается "
     "ошибкой канала",
     "ADC5 code upper limit",
     "Highest permissible code of ADC5 channel (reference voltage); a code above it is a channel "
     "fault"},
    // 447 MinCode_ADC6_Diag
    {0x000, "Нижняя граница кода АЦП6",
     "Наименьший допустимый код канала АЦП6 (диагностики); код ниже границы считается ошибкой "
     "канала",
     "ADC6 code lower limit",
     "Lowest permissible code of ADC6 channel (diagnostics); a code below it is a channel fault"},
    // 448 MaxCode_ADC6_Diag
    {0x000, "Верхняя граница кода АЦП6",
     "Наибольший допустимый код канала АЦП6 (диагностики); код выше границы считается ошибкой "
     "канала",
     "ADC6 code upper limit",
     "Highest permissible code of ADC6 channel (diagnostics); a code above it is a channel fault"},
    // 449 Rw_0
    {0x000, "Коэффициент Rw0 измерения температуры",
     "Коэффициент при степени 0 в полиноме пересчета измеренного сопротивления "
     "термосопротивления в температуру",
     "Temperature coefficient Rw0",
     "Coefficient of power 0 in the polynomial converting the measured thermometer resistance "
     "into temperature"},
    // 450 Rw_1
    {0x000, "Коэффициент Rw1 измерения температуры",
     "Коэффициент при степени 1 в полиноме пересчета измеренного сопротивления "
     "термосопротивления в температуру",
     "Temperature coefficient Rw1",
     "Coefficient of power 1 in the polynomial converting the measured thermometer resistance "
     "into temperature"},
    // 451 Rw_2
    {0x000, "Коэффициент Rw2 измерения температуры",
     "Коэффициент при степени 2 в полиноме пересчета измеренного сопротивления "
     "термосопротивления в температуру",
     "Temperature coefficient Rw2",
     "Coefficient of power 2 in the polynomial converting the measured thermometer resistance "
     "into temperature"},
    // 452 Rw_3
    {0x000, "Коэффициент Rw3 измерения температуры",
     "Коэффициент при степени 3 в полиноме пересчета измеренного сопротивления "
     "термосопротивления в температуру",
     "Temperature coefficient Rw3",
     "Coefficient of power 3 in the polynomial converting the measured thermometer resistance "
     "into temperature"},
    // 453 Checksum
    {0x000, "Контрольная сумма EEPROM",
     "Контрольная сумма параметров, хранимых в EEPROM измерительного модуля", "EEPROM checksum",
     "Checksum of the parameters stored in the measuring module's EEPROM"},
};
static_assert(std::size(kDspTexts) == 23);

}  // namespace tarvix::param_texts
