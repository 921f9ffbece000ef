// Texts of the parameter table for the protected sensor data and the protected piecewise-linear
// correction: rows 0-44.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kSensorTextsFirst = 0;
inline constexpr ParamText kSensorTexts[] = {
    {0x201, "", "", "", ""},  // 0 ----- Защищенные Данные Сенсора -----
    // 1 SerialNumberDevice
    {0x201, "Серийный номер расходомера", "Диапазон допустимых значений от 0 до 65535",
     "Serial Number Flowmeter", "Range value from 0 to 65535"},
    // 2 AccuracyDevice
    {0x201, "Класс точности расходомера",
     "Предел допускаемой относительной погрешности измерения массового расхода, %",
     "Flowmeter accuracy class",
     "Limit of the permissible relative error of the mass flow measurement, %"},
    // 3 Sertification
    {0x201, "Тип сертификата взрывобезопасности",
     "Два варианта исполнения прибора: общепромышленное или Ex", "", ""},
    // 4 CalibrationDD
    {0x201, "Дата калибровки расходомера: день", "Число месяца от 1 до 31",
     "Date of calibration: Day", "Day of the month from 1 to 31"},
    // 5 CalibrationMM
    {0x201, "Дата калибровки расходомера: месяц", "Номер месяца от 1 до 12",
     "Date of calibration: Month", "Number of the month from 1 to 12"},
    // 6 CalibrationYY
    {0x201, "Дата калибровки расходомера: год", "Номер + 2000", "Date of calibration: Year",
     "Number + 2000"},
    // 7 SensorMaxQm_t_h
    {0x201, "Максимальный расход сенсора, т/ч",
     "Номинальный (наибольший) массовый расход сенсора в т/ч. Относительно него задаются точки "
     "кусочно-линейной коррекции",
     "Sensor maximum flow, t/h",
     "Nominal (largest) mass flow of the sensor in t/h. The points of the piecewise linear "
     "correction are fractions of it"},
    // 8 SensorType
    {0x201, "Маркировка взрывозащиты сенсора",
     "Вид взрывозащиты и температурный класс сенсора: от 1ExiaIIB(T1) до 1ExiaIIB(T6)",
     "Sensor explosion protection marking",
     "Type of explosion protection and temperature class of the sensor: 1ExiaIIB(T1) to "
     "1ExiaIIB(T6)"},
    // 9 SensorDiameter
    {0x201, "Диаметр условного прохода сенсора",
     "Номинальный диаметр (Ду) измерительных трубок сенсора, мм", "Sensor nominal diameter",
     "Nominal diameter (DN) of the sensor's flow tubes, mm"},
    // 10 SensorTmax
    {0x201, "Максимальная температура сенсора",
     "Наибольшая допустимая температура измеряемой среды для сенсора, °C",
     "Sensor maximum temperature",
     "Highest permissible temperature of the process fluid for the sensor, °C"},
    // 11 SensorTmin
    {0x201, "Минимальная температура сенсора",
     "Наименьшая допустимая температура измеряемой среды для сенсора, °C",
     "Sensor minimum temperature",
     "Lowest permissible temperature of the process fluid for the sensor, °C"},
    // 12 f^2(t): q0
    {0x200, "Коэффициент q0 квадрата частоты",
     "Калибровочный коэффициент q0 температурной зависимости квадрата частоты колебаний трубок "
     "сенсора f^2(t)",
     "Squared frequency coefficient q0",
     "Calibration coefficient q0 of the temperature dependence of the squared tube frequency "
     "f^2(t)"},
    // 13 f^2(t): q1
    {0x200, "Коэффициент q1 квадрата частоты",
     "Калибровочный коэффициент q1 температурной зависимости квадрата частоты колебаний трубок "
     "сенсора f^2(t)",
     "Squared frequency coefficient q1",
     "Calibration coefficient q1 of the temperature dependence of the squared tube frequency "
     "f^2(t)"},
    // 14 delay0(t): c0
    {0x200, "Коэффициент c0 смещения нуля",
     "Калибровочный коэффициент c0 температурной зависимости временного сдвига при нулевом "
     "расходе delay0(t)",
     "Zero delay coefficient c0",
     "Calibration coefficient c0 of the temperature dependence of the zero-flow time delay "
     "delay0(t)"},
    // 15 delay0(t): c1
    {0x200, "Коэффициент c1 смещения нуля",
     "Калибровочный коэффициент c1 температурной зависимости временного сдвига при нулевом "
     "расходе delay0(t)",
     "Zero delay coefficient c1",
     "Calibration coefficient c1 of the temperature dependence of the zero-flow time delay "
     "delay0(t)"},
    // 16 Period_AIR (K1)
    {0x200, "Период колебаний на воздухе (K1)",
     "Период колебаний трубок сенсора, заполненных воздухом: первая константа калибровки "
     "плотности",
     "Oscillation period in air (K1)",
     "Oscillation period of the sensor tubes filled with air: first constant of the density "
     "calibration"},
    // 17 Ro_air (D1)
    {0x200, "Плотность воздуха (D1)",
     "Плотность воздуха при калибровке плотности, кг/м3: пара к константе K1",
     "Density of air (D1)",
     "Density of air during the density calibration, kg/m3: pairs with constant K1"},
    // 18 Period_H2O (K2)
    {0x200, "Период колебаний на воде (K2)",
     "Период колебаний трубок сенсора, заполненных водой: вторая константа калибровки плотности",
     "Oscillation period in water (K2)",
     "Oscillation period of the sensor tubes filled with water: second constant of the density "
     "calibration"},
    // 19 Ro_H2O (D2)
    {0x200, "Плотность воды (D2)",
     "Плотность воды при калибровке плотности, кг/м3: пара к константе K2", "Density of water (D2)",
     "Density of water during the density calibration, kg/m3: pairs with constant K2"},
    // 20 Ratio
    {0x200, "Калибровочный коэффициент расхода",
     "Коэффициент пропорциональности между временным сдвигом сигналов датчиков и массовым "
     "расходом, определяемый при калибровке сенсора",
     "Flow calibration factor",
     "Proportionality factor between the time delay of the pick-off signals and the mass flow, "
     "found by the sensor calibration"},
    // 21 ReadCdc
    {0x000, "Чтение регистров CDC",
     "0 - выключено, 1 - включено. При включении прибор считывает регистры преобразователя CDC в "
     "CdcReg0 и CdcReg1",
     "Read CDC registers",
     "0 - Off, 1 - On. When on, the device reads the registers of the CDC converter into CdcReg0 "
     "and CdcReg1"},
    // 22 DisplayMode
    {0x200, "Статус дисплея",
     "0 - дисплей отсутствует или неисправен (не найден). 1 - тип дисплея ЖКИ. 2 - тип дисплея "
     "OLED",
     "Display status",
     "0 - Display not present or faulty (not found). 1 - display type is LCD. 2 - display type "
     "is OLED"},
    // 23 ProgramMemoryCrc
    {0x101, "Контрольная сумма программы",
     "Эталонная контрольная сумма (CRC16) памяти программ процессорного модуля, "
     "шестнадцатеричное число",
     "Program checksum",
     "Reference checksum (CRC16) of the processor module's program memory, hexadecimal"},
    // 24 PmCalcCrc
    {0x100, "Вычисленная контрольная сумма программы",
     "Контрольная сумма памяти программ, рассчитанная прибором при последней проверке",
     "Calculated program checksum",
     "Checksum of the program memory calculated by the device at its last check"},
    // 25 RealProgramMemoryCrc
    {0x200, "Действительная контрольная сумма программы",
     "Контрольная сумма загруженной программы, с которой прибор сравнивает вычисленное значение",
     "Actual program checksum",
     "Checksum of the loaded program that the device compares the calculated value with"},
    // 26 SoftPlus
    {0x101, "Дополнение программного обеспечения",
     "Номер дополнения (исполнения) программного обеспечения процессорного модуля",
     "Software add-on", "Number of the add-on (variant) of the processor module's software"},
    {0x200, "", "", "", ""},  // 27 ----- Защищенная КЛП апроксимация -----
    // 28 Count_LinearInterpolation
    {0x200, "Количество точек КЛ-коррекции",
     "Число действующих точек кусочно-линейной коррекции массового расхода, от 0 до 8; 0 - "
     "коррекция выключена",
     "Number of PWL correction points",
     "Number of active points of the piecewise linear mass flow correction, 0 to 8; 0 - "
     "correction off"},
    // 29 PointInterpolation1
    {0x200, "Точка 1 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 1, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 1: flow",
     "Flow fraction Q/Qmax of point 1, above 0 and below 1; points are in ascending order of flow"},
    // 30 PointInterpolation2
    {0x200, "Точка 2 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 2, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 2: flow",
     "Flow fraction Q/Qmax of point 2, above 0 and below 1; points are in ascending order of flow"},
    // 31 PointInterpolation3
    {0x200, "Точка 3 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 3, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 3: flow",
     "Flow fraction Q/Qmax of point 3, above 0 and below 1; points are in ascending order of flow"},
    // 32 PointInterpolation4
    {0x200, "Точка 4 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 4, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 4: flow",
     "Flow fraction Q/Qmax of point 4, above 0 and below 1; points are in ascending order of flow"},
    // 33 PointInterpolation5
    {0x200, "Точка 5 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 5, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 5: flow",
     "Flow fraction Q/Qmax of point 5, above 0 and below 1; points are in ascending order of flow"},
    // 34 PointInterpolation6
    {0x200, "Точка 6 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 6, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 6: flow",
     "Flow fraction Q/Qmax of point 6, above 0 and below 1; points are in ascending order of flow"},
    // 35 PointInterpolation7
    {0x200, "Точка 7 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 7, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 7: flow",
     "Flow fraction Q/Qmax of point 7, above 0 and below 1; points are in ascending order of flow"},
    // 36 PointInterpolation8
    {0x200, "Точка 8 КЛ-коррекции: расход",
     "Относительный расход Q/Qmax точки 8, больше 0 и меньше 1; точки идут по возрастанию расхода",
     "PWL correction point 8: flow",
     "Flow fraction Q/Qmax of point 8, above 0 and below 1; points are in ascending order of flow"},
    // 37 dQ_Correction1
    {0x200, "Точка 1 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 1, кг/ч, от -1000 до 1000",
     "PWL correction point 1: correction", "Mass flow correction at point 1, kg/h, -1000 to 1000"},
    // 38 dQ_Correction2
    {0x200, "Точка 2 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 2, кг/ч, от -1000 до 1000",
     "PWL correction point 2: correction", "Mass flow correction at point 2, kg/h, -1000 to 1000"},
    // 39 dQ_Correction3
    {0x200, "Точка 3 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 3, кг/ч, от -1000 до 1000",
     "PWL correction point 3: correction", "Mass flow correction at point 3, kg/h, -1000 to 1000"},
    // 40 dQ_Correction4
    {0x200, "Точка 4 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 4, кг/ч, от -1000 до 1000",
     "PWL correction point 4: correction", "Mass flow correction at point 4, kg/h, -1000 to 1000"},
    // 41 dQ_Correction5
    {0x200, "Точка 5 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 5, кг/ч, от -1000 до 1000",
     "PWL correction point 5: correction", "Mass flow correction at point 5, kg/h, -1000 to 1000"},
    // 42 dQ_Correction6
    {0x200, "Точка 6 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 6, кг/ч, от -1000 до 1000",
     "PWL correction point 6: correction", "Mass flow correction at point 6, kg/h, -1000 to 1000"},
    // 43 dQ_Correction7
    {0x200, "Точка 7 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 7, кг/ч, от -1000 до 1000",
     "PWL correction point 7: correction", "Mass flow correction at point 7, kg/h, -1000 to 1000"},
    // 44 dQ_Correction8
    {0x200, "Точка 8 КЛ-коррекции: поправка",
     "Поправка массового расхода в точке 8, кг/ч, от -1000 до 1000",
     "PWL correction point 8: correction", "Mass flow correction at point 8, kg/h, -1000 to 1000"},
};
static_assert(std::size(kSensorTexts) == 45);

}  // namespace tarvix::param_texts
