// Texts of the parameter table for the main variables, the two-phase fluid values, the system
// parameters and the linear correction: rows 86-152.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kMainTextsFirst = 86;
inline constexpr ParamText kMainTexts[] = {
    {0x202, "", "", "", ""},  // 86 ----- Основные -----
    // 87 MassFlow
    {0x101, "Массовый расход",
     "Измеренный массовый расход в единицах, выбранных параметром UnitMassFlow", "Mass flow",
     "Measured mass flow in the unit selected by UnitMassFlow"},
    // 88 VolumeFlow
    {0x101, "Объемный расход",
     "Объемный расход в рабочих условиях в единицах, выбранных параметром UnitVolumeFlow",
     "Volume flow", "Volume flow at operating conditions in the unit selected by UnitVolumeFlow"},
    // 89 Density
    {0x101, "Плотность",
     "Плотность среды в рабочих условиях в единицах, выбранных параметром UnitDensity",
     "Fluid density", "Fluid density at operating conditions in the unit selected by UnitDensity"},
    // 90 Temperature
    {0x101, "Температура",
     "Температура измеряемой среды в единицах, выбранных параметром UnitTemperature",
     "Fluid temperature", "Process fluid temperature in the unit selected by UnitTemperature"},
    // 91 RefDensity
    {0x101, "Приведенная плотность",
     "Плотность, приведенная к температуре t0, в единицах, выбранных параметром UnitRefDensity",
     "Reference density",
     "Density referred to the temperature t0 in the unit selected by UnitRefDensity"},
    // 92 CorrVolumeFlow
    {0x101, "Приведенный объемный расход",
     "Объемный расход, приведенный к нормальным условиям, в единицах, выбранных параметром "
     "UnitCorrVolumeFlow",
     "Corrected volume flow",
     "Volume flow referred to standard conditions in the unit selected by UnitCorrVolumeFlow"},
    // 93 Pressure
    {0x000, "Давление",
     "Давление измеряемой среды; читается вместе с основными величинами, не отображается",
     "Fluid pressure",
     "Process fluid pressure; read together with the main variables, not displayed"},
    // 94 UnitMassFlow
    {0x202, "Единицы массового расхода",
     "0 - г/с, 1 - г/мин, 2 - г/ч, 3 - кг/с, 4 - кг/мин, 5 - кг/ч, 6 - т/с, 7 - т/мин, 8 - т/ч",
     "Mass flow unit",
     "0 - g/s, 1 - g/min, 2 - g/h, 3 - kg/s, 4 - kg/min, 5 - kg/h, 6 - t/s, 7 - t/min, 8 - t/h"},
    // 95 UnitVolumeFlow
    {0x202, "Единицы объемного расхода",
     "0 - см3/с, 1 - см3/мин, 2 - см3/ч, 3 - м3/с, 4 - м3/мин, 5 - м3/ч, 6 - л/с, 7 - л/мин, 8 - "
     "л/ч",
     "Volume flow unit",
     "0 - cm3/s, 1 - cm3/min, 2 - cm3/h, 3 - m3/s, 4 - m3/min, 5 - m3/h, 6 - l/s, 7 - l/min, 8 - "
     "l/h"},
    // 96 UnitDensity
    {0x202, "Единицы плотности", "0 - г/см3, 1 - кг/л, 2 - кг/м3", "Density unit",
     "0 - g/cm3, 1 - kg/l, 2 - kg/m3"},
    // 97 UnitTemperature
    {0x202, "Единицы температуры", "0 - °C, 1 - °K", "Temperature unit", "0 - °C, 1 - °K"},
    // 98 UnitCorrVolumeFlow
    {0x202, "Единицы приведенного объемного расхода",
     "0 - нсм3/с, 1 - нсм3/мин, 2 - нсм3/ч, 3 - нм3/с, 4 - нм3/мин, 5 - нм3/ч, 6 - нл/с, 7 - "
     "нл/мин, 8 - нл/ч",
     "Corrected volume flow unit",
     "0 - Ncm3/s, 1 - Ncm3/min, 2 - Ncm3/h, 3 - Nm3/s, 4 - Nm3/min, 5 - Nm3/h, 6 - Nl/s, 7 - "
     "Nl/min, 8 - Nl/h"},
    // 99 UnitRefDensity
    {0x202, "Единицы приведенной плотности", "0 - г/нсм3, 1 - кг/нл, 2 - кг/нм3",
     "Reference density unit", "0 - g/Ncm3, 1 - kg/Nl, 2 - kg/Nm3"},
    // 100 UnitMass
    {0x202, "Единицы массы импульсного выхода",
     "Единицы цены импульса при назначении по массе: 0 - г, 1 - кг, 2 - т",
     "Pulse output mass unit",
     "Unit of the pulse value when a mass is assigned: 0 - g, 1 - kg, 2 - t"},
    // 101 UnitVolume
    {0x202, "Единицы объема импульсного выхода",
     "Единицы цены импульса при назначении по объему: 0 - см3, 1 - л, 2 - м3",
     "Pulse output volume unit",
     "Unit of the pulse value when a volume is assigned: 0 - cm3, 1 - l, 2 - m3"},
    // 102 UnitCorrVolume
    {0x202, "Единицы приведенного объема импульсного выхода",
     "Единицы цены импульса при назначении по приведенному объему: 0 - нсм3, 1 - нл, 2 - нм3",
     "Pulse output corrected volume unit",
     "Unit of the pulse value when a corrected volume is assigned: 0 - Ncm3, 1 - Nl, 2 - Nm3"},
    {0x202, "", "", "", ""},  // 103 ----- 2-х фазная среда -----
    // 104 TargetDensity
    {0x101, "Плотность целевой среды",
     "Плотность целевой среды при текущей температуре в единицах плотности UnitDensity",
     "Target fluid density",
     "Target fluid density at the present temperature in the density unit UnitDensity"},
    // 105 CarrierDensity
    {0x101, "Плотность среды-носителя",
     "Плотность среды-носителя при текущей температуре в единицах плотности UnitDensity",
     "Carrier fluid density",
     "Carrier fluid density at the present temperature in the density unit UnitDensity"},
    // 106 TargetMassFlow
    {0x101, "Массовый расход целевой среды",
     "Массовый расход целевой среды в составе смеси в единицах UnitMassFlow",
     "Target fluid mass flow",
     "Mass flow of the target fluid in the mixture in the unit UnitMassFlow"},
    // 107 CarrierMassFlow
    {0x101, "Массовый расход среды-носителя",
     "Массовый расход среды-носителя в составе смеси в единицах UnitMassFlow",
     "Carrier fluid mass flow",
     "Mass flow of the carrier fluid in the mixture in the unit UnitMassFlow"},
    // 108 TargetVolumeFlow
    {0x101, "Объемный расход целевой среды",
     "Объемный расход целевой среды в составе смеси в единицах UnitVolumeFlow",
     "Target fluid volume flow",
     "Volume flow of the target fluid in the mixture in the unit UnitVolumeFlow"},
    // 109 CarrierVolumeFlow
    {0x101, "Объемный расход среды-носителя",
     "Объемный расход среды-носителя в составе смеси в единицах UnitVolumeFlow",
     "Carrier fluid volume flow",
     "Volume flow of the carrier fluid in the mixture in the unit UnitVolumeFlow"},
    // 110 TargetMassConcentration
    {0x101, "Массовая концентрация целевой среды", "Доля целевой среды в массе смеси, %",
     "Target fluid mass concentration", "Share of the target fluid in the mass of the mixture, %"},
    // 111 CarrierMassConcentration
    {0x101, "Массовая концентрация среды-носителя", "Доля среды-носителя в массе смеси, %",
     "Carrier fluid mass concentration",
     "Share of the carrier fluid in the mass of the mixture, %"},
    // 112 TargetVolumeConcentration
    {0x101, "Объемная концентрация целевой среды", "Доля целевой среды в объеме смеси, %",
     "Target fluid volume concentration",
     "Share of the target fluid in the volume of the mixture, %"},
    // 113 CarrierVolumeConcentration
    {0x101, "Объемная концентрация среды-носителя", "Доля среды-носителя в объеме смеси, %",
     "Carrier fluid volume concentration",
     "Share of the carrier fluid in the volume of the mixture, %"},
    {0x202, "", "", "", ""},  // 114 ----- Системные -----
    // 115 HardWareVersion
    {0x101, "Версия аппаратуры", "Номер версии аппаратуры процессорного модуля", "Hardware version",
     "Version number of the processor module's hardware"},
    // 116 HardModification
    {0x101, "Модификация аппаратуры", "Номер модификации (исполнения) процессорного модуля",
     "Hardware modification", "Modification (variant) number of the processor module"},
    // 117 SoftRevision
    {0x101, "Версия программного обеспечения", "Номер версии программы процессорного модуля",
     "Software version", "Version number of the processor module's program"},
    // 118 RevisionDay
    {0x101, "Дата версии ПО: день", "Число месяца от 1 до 31", "Software date: Day",
     "Day of the month from 1 to 31"},
    // 119 RevisionMonth
    {0x101, "Дата версии ПО: месяц", "Номер месяца от 1 до 12", "Software date: Month",
     "Number of the month from 1 to 12"},
    // 120 RevisionYear
    {0x101, "Дата версии ПО: год", "Номер + 2000", "Software date: Year", "Number + 2000"},
    // 121 FlowDamping
    {0x202, "Демпфирование расхода",
     "Постоянная времени фильтра измеренного расхода, с; большее значение сглаживает показания",
     "Flow damping",
     "Time constant of the filter of the measured flow, s; a larger value smooths the readings"},
    // 122 EpdValueLow
    {0x000, "Порог пустой трубы",
     "Плотность, ниже которой прибор считает сенсор незаполненным (пустая труба)",
     "Empty pipe threshold",
     "Density below which the device considers the sensor empty (empty pipe)"},
    // 123 ModeRefDensity
    {0x202, "Тип расчета приведенной плотности",
     "0 - вычисляемая по плотности и температуре с коэффициентами Alfa, Betta и t0; 1 - "
     "фиксированная, задается значением FixRefDensity",
     "Reference density type",
     "0 - calculated from density and temperature with the coefficients Alfa, Betta and t0; 1 - "
     "fixed, given by FixRefDensity"},
    // 124 Alfa
    {0x202, "Коэффициент Alfa приведения плотности",
     "Линейный температурный коэффициент плотности среды для расчета приведенной плотности, 1/°C",
     "Reference density coefficient Alfa",
     "Linear temperature coefficient of the fluid density for the reference density calculation, "
     "1/°C"},
    // 125 Betta
    {0x202, "Коэффициент Betta приведения плотности",
     "Квадратичный температурный коэффициент плотности среды для расчета приведенной плотности, "
     "1/°C²",
     "Reference density coefficient Betta",
     "Quadratic temperature coefficient of the fluid density for the reference density "
     "calculation, 1/°C²"},
    // 126 RefTemperature
    {0x202, "Температура приведения t0",
     "Температура, к которой приводится плотность при вычисляемой приведенной плотности, °C",
     "Reference temperature t0",
     "Temperature to which the density is referred when the reference density is calculated, °C"},
    // 127 FixUnitRefDensity
    {0x202, "Единицы фиксированной приведенной плотности", "0 - г/нсм3, 1 - кг/нл, 2 - кг/нм3",
     "Fixed reference density unit", "0 - g/Ncm3, 1 - kg/Nl, 2 - kg/Nm3"},
    // 128 FixRefDensity
    {0x202, "Фиксированная приведенная плотность",
     "Значение приведенной плотности, используемое при фиксированном типе расчета, в единицах "
     "FixUnitRefDensity",
     "Fixed reference density",
     "Reference density used with the fixed type, in the unit FixUnitRefDensity"},
    // 129 ResetProcessor
    {0x000, "Перезапуск процессорного модуля",
     "Запись значения 1 перезапускает программу процессорного модуля", "Processor module restart",
     "Writing 1 restarts the processor module's program"},
    // 130 AssLowFlow_CutOff
    {0x202, "Назначение отсечки малого расхода",
     "Величина, к которой применяется отсечка: 0 - не используется, 1 - массовый расход, 2 - "
     "объемный расход, 3 - приведенный объемный расход",
     "Low flow cut-off assignment",
     "Variable the cut-off applies to: 0 - not used, 1 - mass flow, 2 - volume flow, 3 - "
     "corrected volume flow"},
    // 131 AssLowFlow_Unit
    {0x202, "Единицы отсечки", "Единицы порога отсечки; список зависит от назначения отсечки",
     "Cut-off unit", "Unit of the cut-off threshold; the list depends on the cut-off assignment"},
    // 132 ValLowFlow_CutOff
    {0x202, "Порог отсечки малого расхода",
     "Расход, ниже которого показания принимаются равными нулю, в единицах отсечки",
     "Low flow cut-off value",
     "Flow below which the reading is taken as zero, in the cut-off unit"},
    // 133 TimeShock
    {0x202, "Время подавления выбросов",
     "Время, в течение которого кратковременные выбросы расхода при работе отсечки подавляются, с",
     "Shock suppression time",
     "Time during which short flow surges are suppressed by the cut-off, s"},
    // 134 AssignParamFixed
    {0x000, "Назначение фиксированного параметра",
     "Величина, которая заменяется фиксированным значением ParamFixed; служебная функция "
     "проверки выходов",
     "Fixed parameter assignment",
     "Variable replaced by the fixed value ParamFixed; a service function for testing the outputs"},
    // 135 ParamFixed
    {0x000, "Фиксированное значение параметра",
     "Значение, которое прибор использует вместо измеренного для выбранной величины",
     "Fixed parameter value",
     "Value the device uses instead of the measured one for the chosen variable"},
    // 136 DevAddr
    {0x202, "Адрес Modbus", "Адрес прибора в сети Modbus RS-485, от 1 до 247", "Modbus address",
     "Address of the device on the Modbus RS-485 network, 1 to 247"},
    // 137 BaudIndex
    {0x202, "Скорость обмена",
     "Скорость порта RS-485, бит/с: 0 - 1200, 1 - 2400, 2 - 4800, 3 - 9600, 4 - 14400, 5 - "
     "19200, 6 - 28800, 7 - 38400, 8 - 57600, 9 - 115200",
     "Baud rate",
     "Speed of the RS-485 port, bit/s: 0 - 1200, 1 - 2400, 2 - 4800, 3 - 9600, 4 - 14400, 5 - "
     "19200, 6 - 28800, 7 - 38400, 8 - 57600, 9 - 115200"},
    // 138 Parity
    {0x202, "Контроль четности",
     "Контроль четности порта RS-485: 0 - нет контроля, 1 - нечетность, 2 - четность",
     "RS-485 parity", "Parity of the RS-485 port: 0 - none, 1 - odd, 2 - even"},
    // 139 WriteProtection
    {0x101, "Защита от записи",
     "Состояние блокировки записи по Modbus микропереключателем: 0 - выключено, 1 - включено",
     "Write protection", "State of the Modbus write lock set by the micro switch: 0 - Off, 1 - On"},
    // 140 DensityDamping
    {0x202, "Демпфирование плотности",
     "Постоянная времени фильтра измеренной плотности, с; большее значение сглаживает показания",
     "Density damping",
     "Time constant of the filter of the measured density, s; a larger value smooths the readings"},
    {0x202, "", "", "", ""},  // 141 ----- Линейная коррекция -----
    // 142 ZeroPointAdjust
    {0x202, "Настройка нуля",
     "Запуск автоматической настройки нуля расходомера. Перед запуском сенсор заполняют средой и "
     "перекрывают поток",
     "Zero point adjustment",
     "Starts the automatic zero point adjustment. Fill the sensor with fluid and stop the flow "
     "before starting it"},
    // 143 Progress
    {0x101, "Ход настройки нуля", "Степень выполнения настройки нуля, %",
     "Zero adjustment progress", "Completion of the zero point adjustment, %"},
    // 144 ZeroPoint
    {0x201, "Смещение нуля",
     "Временной сдвиг при нулевом расходе, определенный при последней настройке нуля", "Zero point",
     "Zero-flow time delay found by the last zero point adjustment"},
    // 145 MFactorMassFlow
    {0x202, "Множитель массового расхода",
     "Коэффициент линейной коррекции массового расхода: показание = множитель × измеренное "
     "значение + смещение",
     "Mass flow factor",
     "Linear correction of the mass flow: reading = factor × measured value + offset"},
    // 146 MOffsetMassFlow
    {0x202, "Смещение массового расхода",
     "Аддитивная поправка линейной коррекции массового расхода в единицах величины",
     "Mass flow offset",
     "Additive term of the linear correction of the mass flow, in the variable's unit"},
    // 147 MFactorVolumeFlow
    {0x202, "Множитель объемного расхода",
     "Коэффициент линейной коррекции объемного расхода: показание = множитель × измеренное "
     "значение + смещение",
     "Volume flow factor",
     "Linear correction of the volume flow: reading = factor × measured value + offset"},
    // 148 MOffsetVolumeFlow
    {0x202, "Смещение объемного расхода",
     "Аддитивная поправка линейной коррекции объемного расхода в единицах величины",
     "Volume flow offset",
     "Additive term of the linear correction of the volume flow, in the variable's unit"},
    // 149 MFactorDensity
    {0x202, "Множитель плотности",
     "Коэффициент линейной коррекции плотности: показание = множитель × измеренное значение + "
     "смещение",
     "Density factor",
     "Linear correction of the density: reading = factor × measured value + offset"},
    // 150 MOffsetDensity
    {0x202, "Смещение плотности",
     "Аддитивная поправка линейной коррекции плотности в единицах величины", "Density offset",
     "Additive term of the linear correction of the density, in the variable's unit"},
    // 151 MFactorTemperature
    {0x202, "Множитель температуры",
     "Коэффициент линейной коррекции температуры: показание = множитель × измеренное значение + "
     "смещение",
     "Temperature factor",
     "Linear correction of the temperature: reading = factor × measured value + offset"},
    // 152 MOffsetTemperature
    {0x202, "Смещение температуры",
     "Аддитивная поправка линейной коррекции температуры в единицах величины", "Temperature offset",
     "Additive term of the linear correction of the temperature, in the variable's unit"},
};
static_assert(std::size(kMainTexts) == 67);

}  // namespace tarvix::param_texts
