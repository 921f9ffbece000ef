// Texts of the parameter table for the technological registers (measuring module link, intermediate
// values): rows 45-85.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kTechTextsFirst = 45;
inline constexpr ParamText kTechTexts[] = {
    {0x201, "", "", "", ""},  // 45 ----- Технологические -----
    // 46 Err
    {0x101, "Адрес ошибки данных",
     "Номер регистра, хранимые данные которого не прошли проверку контрольного кода. Значение "
     "1796 и больше - ошибок нет",
     "Data error address",
     "Number of the register whose stored data failed the check code. 1796 or more - no error"},
    // 47 SensorData_AccessKey
    {0x200, "Ключ доступа к 'Защищенным параметрам сенсора'",
     "Нужно записать значение = CRC16(CUR_Hidden_SN)", "Access Key to Sensor Data",
     "Set value = CRC16(CUR_Hidden_SN)"},
    // 48 CtrlFlags
    {0x100, "Флаги управления", "Служебные флаги управления режимами работы процессорного модуля",
     "Control flags", "Internal flags controlling the operating modes of the processor module"},
    // 49 Bf_CountCrash
    {0x000, "Счетчик сбоев измерительного модуля",
     "Число сбоев (перезапусков) измерительного модуля, обнаруженных процессорным модулем",
     "Measuring module crash counter",
     "Number of faults (restarts) of the measuring module detected by the processor module"},
    // 50 StatusLinkBf
    {0x000, "Состояние связи с измерительным модулем",
     "Код состояния обмена данными между процессорным и измерительным модулями",
     "Measuring module link status",
     "Status code of the data exchange between the processor and the measuring module"},
    // 51 StatusDevBf
    {0x000, "Состояние измерительного модуля",
     "Слово состояния, которое сообщает измерительный модуль", "Measuring module status",
     "Status word reported by the measuring module"},
    // 52 StatusCmdBf
    {0x000, "Состояние команды измерительного модуля",
     "Результат выполнения последней команды, отправленной измерительному модулю",
     "Measuring module command status", "Result of the last command sent to the measuring module"},
    // 53 abState
    {0x000, "Служебное слово состояния",
     "Внутреннее слово состояния процессорного модуля, используется при наладке",
     "Internal state word", "Internal state word of the processor module, used for commissioning"},
    // 54 SN_MeasureModul
    {0x101, "Серийный номер измерительного модуля", "Заводской номер измерительного модуля (DSP)",
     "Measuring module serial number", "Factory number of the measuring module (DSP)"},
    // 55 Bf_Checksum
    {0x101, "Контрольная сумма ПО измерительного модуля",
     "Контрольная сумма программы измерительного модуля, шестнадцатеричное число",
     "Measuring module software checksum",
     "Checksum of the measuring module's program, hexadecimal"},
    // 56 Bf_StatusADC
    {0x000, "Состояние АЦП измерительного модуля",
     "Слово состояния аналого-цифровых преобразователей измерительного модуля",
     "Measuring module ADC status",
     "Status word of the measuring module's analogue-to-digital converters"},
    // 57 Bf_HardRev
    {0x101, "Версия аппаратуры измерительного модуля",
     "Номер версии печатной платы измерительного модуля", "Measuring module hardware version",
     "Version number of the measuring module's circuit board"},
    // 58 Bf_Modification
    {0x101, "Модификация измерительного модуля",
     "Номер модификации (исполнения) измерительного модуля", "Measuring module modification",
     "Modification (variant) number of the measuring module"},
    // 59 Bf_SoftRev
    {0x101, "Версия ПО измерительного модуля", "Номер версии программы измерительного модуля",
     "Measuring module software version", "Version number of the measuring module's program"},
    // 60 Bf_DateRev_dd
    {0x101, "Дата версии ПО измерительного модуля: день", "Число месяца от 1 до 31",
     "Measuring module software date: Day", "Day of the month from 1 to 31"},
    // 61 Bf_DateRev_mm
    {0x101, "Дата версии ПО измерительного модуля: месяц", "Номер месяца от 1 до 12",
     "Measuring module software date: Month", "Number of the month from 1 to 12"},
    // 62 Bf_DateRev_yy
    {0x101, "Дата версии ПО измерительного модуля: год", "Номер + 2000",
     "Measuring module software date: Year", "Number + 2000"},
    // 63 Fs
    {0x000, "Частота дискретизации",
     "Частота дискретизации сигналов датчиков в измерительном модуле, Гц", "Sampling frequency",
     "Sampling frequency of the pick-off signals in the measuring module, Hz"},
    // 64 Td
    {0x000, "Период дискретизации",
     "Период дискретизации сигналов датчиков в измерительном модуле, величина, обратная частоте "
     "дискретизации",
     "Sampling period",
     "Sampling period of the pick-off signals in the measuring module, the inverse of the "
     "sampling frequency"},
    // 65 Qf
    {0x000, "Расход на выходе фильтра",
     "Значение расхода после цифрового фильтра измерительного модуля", "Filtered flow",
     "Flow value at the output of the measuring module's digital filter"},
    // 66 DelayMomentary
    {0x000, "Мгновенный временной сдвиг",
     "Мгновенное (неусредненное) значение временного сдвига между сигналами датчиков",
     "Momentary time delay", "Momentary (not averaged) time delay between the pick-off signals"},
    // 67 Mp1n
    {0x000, "Амплитуда сигнала датчика 1",
     "Нормированная амплитуда сигнала первого датчика колебаний", "Pick-off 1 amplitude",
     "Normalised amplitude of the first pick-off signal"},
    // 68 Delay
    {0x101, "Разность фаз",
     "Усредненный временной сдвиг между сигналами датчиков колебаний, пропорциональный массовому "
     "расходу",
     "Phase difference",
     "Averaged time delay between the pick-off signals, proportional to the mass flow"},
    // 69 Frequency
    {0x101, "Частота датчика", "Частота колебаний измерительных трубок сенсора, Гц",
     "Sensor frequency", "Oscillation frequency of the sensor's flow tubes, Hz"},
    // 70 FluidTemperature
    {0x000, "Температура среды (измерительный модуль)",
     "Температура измеряемой среды, рассчитанная измерительным модулем, °C",
     "Fluid temperature (measuring module)",
     "Process fluid temperature calculated by the measuring module, °C"},
    // 71 AllErrLink
    {0x101, "Общее количество ошибок связи",
     "Число неудачных обменов с измерительным модулем с момента включения прибора",
     "Total link errors", "Number of failed transactions with the measuring module since power-up"},
    // 72 TimeOutErrLink
    {0x101, "Ошибок связи из-за таймаута",
     "Число обменов с измерительным модулем, завершившихся таймаутом ожидания ответа, с момента "
     "включения прибора",
     "Link errors by timeout",
     "Number of transactions with the measuring module that ended in a receive timeout since "
     "power-up"},
    // 73 MmSt1_St0
    {0x000, "Слова состояния 0 и 1 измерительного модуля",
     "Младший байт - слово состояния 0, старший байт - слово состояния 1 измерительного модуля",
     "Measuring module status 0 and 1",
     "Low byte - status 0, high byte - status 1 of the measuring module"},
    // 74 MmSt3_St2
    {0x000, "Слова состояния 2 и 3 измерительного модуля",
     "Младший байт - слово состояния 2, старший байт - слово состояния 3 измерительного модуля",
     "Measuring module status 2 and 3",
     "Low byte - status 2, high byte - status 3 of the measuring module"},
    // 75 CodeInternalAdc
    {0x000, "Код внутреннего АЦП",
     "Код внутреннего АЦП процессорного модуля, задающий положение микропереключателей: меньше "
     "304 - обе блокировки включены, 304-429 - только блокировка записи по Modbus, 430-769 - "
     "только блокировка кнопок, 770 и больше - блокировки выключены",
     "Internal ADC code",
     "Code of the processor module's internal ADC giving the micro switch positions: below 304 - "
     "both locks on, 304-429 - Modbus write lock only, 430-769 - button lock only, 770 and more "
     "- no lock"},
    // 76 f^2(t)
    {0x000, "Квадрат частоты с коррекцией по температуре",
     "Квадрат частоты колебаний трубок, приведенный к текущей температуре по коэффициентам q0 и "
     "q1",
     "Temperature-corrected squared frequency",
     "Squared tube frequency corrected to the present temperature with coefficients q0 and q1"},
    // 77 delay0(t)
    {0x000, "Сдвиг нуля с коррекцией по температуре",
     "Временной сдвиг при нулевом расходе для текущей температуры, рассчитанный по коэффициентам "
     "c0 и c1",
     "Temperature-corrected zero delay",
     "Zero-flow time delay at the present temperature, calculated with coefficients c0 and c1"},
    // 78 K(t)
    {0x000, "Коэффициент плотности с коррекцией по температуре",
     "Коэффициент пересчета частоты в плотность для текущей температуры, полученный из констант "
     "K1, D1, K2, D2",
     "Temperature-corrected density factor",
     "Frequency-to-density factor at the present temperature, derived from the constants K1, D1, "
     "K2, D2"},
    // 79 Q
    {0x000, "Расчетный массовый расход",
     "Массовый расход, рассчитанный по временному сдвигу до линейной коррекции и отсечки",
     "Calculated mass flow",
     "Mass flow calculated from the time delay before the linear correction and the cut-off"},
    // 80 Sigma
    {0x000, "Среднеквадратическое отклонение",
     "Среднеквадратическое отклонение измеряемого временного сдвига, характеризует шум сигнала",
     "Standard deviation",
     "Standard deviation of the measured time delay, a measure of the signal noise"},
    // 81 Ro
    {0x000, "Расчетная плотность",
     "Плотность среды, рассчитанная по частоте колебаний до линейной коррекции",
     "Calculated density",
     "Fluid density calculated from the oscillation frequency before the linear correction"},
    // 82 VF
    {0x000, "Расчетный объемный расход",
     "Объемный расход, рассчитанный по массовому расходу и плотности до линейной коррекции",
     "Calculated volume flow",
     "Volume flow calculated from the mass flow and the density before the linear correction"},
    // 83 CdcReg0
    {0x000, "Регистр 0 преобразователя CDC",
     "Содержимое регистра 0 преобразователя CDC; обновляется, пока включено чтение регистров CDC",
     "CDC converter register 0",
     "Content of register 0 of the CDC converter; updated while reading of the CDC registers is "
     "on"},
    // 84 CdcReg1
    {0x000, "Регистр 1 преобразователя CDC",
     "Содержимое регистра 1 преобразователя CDC; обновляется, пока включено чтение регистров CDC",
     "CDC converter register 1",
     "Content of register 1 of the CDC converter; updated while reading of the CDC registers is "
     "on"},
    // 85 FreqMp1n
    {0x000, "Частота сигнала датчика 1", "Частота сигнала первого датчика колебаний, Гц",
     "Pick-off 1 frequency", "Frequency of the first pick-off signal, Hz"},
};
static_assert(std::size(kTechTexts) == 41);

}  // namespace tarvix::param_texts
