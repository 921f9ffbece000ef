// Texts of the parameter table for the pulse, frequency and status outputs 1-3: rows 211-279.
// Included only by param_texts.cpp, which joins the fragments in row order.
#pragma once

#include <iterator>

#include "model/param_types.h"

namespace tarvix::param_texts {

inline constexpr int kOutputTextsFirst = 211;
inline constexpr ParamText kOutputTexts[] = {
    {0x202, "", "", "", ""},  // 211 ----- Выход1: Имп/Част/Стат -----
    // 212 PFS1_Mode
    {0x202, "Тип выхода 1", "0 - не используется, 1 - импульсный, 2 - частотный, 3 - статусный",
     "Output 1 type", "0 - not used, 1 - pulse, 2 - frequency, 3 - status"},
    // 213 PFSf_Assign
    {0x202, "Назначение частотного выхода 1",
     "Величина на выходе: 0 - не используется, 1 - массовый расход, 2 - объемный расход, 3 - "
     "плотность, 4 - температура, 5 - приведенный объемный расход, 6 - приведенная плотность",
     "Frequency output 1 assignment",
     "Output variable: 0 - not used, 1 - mass flow, 2 - volume flow, 3 - density, 4 - "
     "temperature, 5 - corrected volume flow, 6 - reference density"},
    // 214 PFSf_Mode
    {0x202, "Режим частотного выхода 1",
     "0 - стандартный (величина со знаком), 1 - по модулю (абсолютное значение величины)",
     "Frequency output 1 mode",
     "0 - standard (signed variable), 1 - symmetry (absolute value of the variable)"},
    // 215 PFSf_Unit
    {0x202, "Единицы частотного выхода 1",
     "Единицы граничных значений; список зависит от назначения выхода", "Frequency output 1 unit",
     "Unit of the range values; the list depends on the output assignment"},
    // 216 PFSf_MaxFreq
    {0x202, "Верхняя частота выхода 1", "Частота, соответствующая верхнему значению диапазона, Гц",
     "Output 1 maximum frequency", "Frequency that stands for the upper range value, Hz"},
    // 217 PFSf_MinFreq
    {0x202, "Нижняя частота выхода 1", "Частота, соответствующая нижнему значению диапазона, Гц",
     "Output 1 minimum frequency", "Frequency that stands for the lower range value, Hz"},
    // 218 PFSf_MaxValue
    {0x202, "Верхнее значение диапазона выхода 1",
     "Значение величины, при котором выход дает верхнюю частоту, в единицах выхода",
     "Output 1 upper range value",
     "Value of the variable giving the maximum frequency, in the output unit"},
    // 219 PFSf_MinValue
    {0x202, "Нижнее значение диапазона выхода 1",
     "Значение величины, при котором выход дает нижнюю частоту, в единицах выхода",
     "Output 1 lower range value",
     "Value of the variable giving the minimum frequency, in the output unit"},
    // 220 PFSf_FailsafeMode
    {0x202, "Частотный выход 1 при аварии",
     "Сигнал при аварии: 0 - 0 Гц, 1 - последнее верное значение, 2 - игнорировать сбой, 3 - "
     "специальный сигнал с частотой аварийного сигнала",
     "Frequency output 1 failsafe mode",
     "Signal on a fault: 0 - 0 Hz, 1 - hold the last valid value, 2 - actual value, 3 - special "
     "value at the failsafe frequency"},
    // 221 PFSf_FailValue
    {0x202, "Частота аварийного сигнала выхода 1",
     "Частота, которую выход дает при аварии в режиме «Специальный сигнал», Гц",
     "Output 1 failsafe frequency",
     "Frequency the output gives on a fault in the special value mode, Hz"},
    // 222 PFSf_Frequency
    {0x101, "Текущая частота выхода 1",
     "Частота, которую частотный выход формирует в данный момент, Гц", "Output 1 actual frequency",
     "Frequency the frequency output produces at present, Hz"},
    // 223 PFSf_SimMode
    {0x202, "Симуляция частотного выхода 1",
     "0 - выключена, 1 - включена: выход дает частоту симуляции вместо измеренной величины",
     "Frequency output 1 simulation",
     "0 - Off, 1 - On: the output gives the simulation frequency instead of the measured variable"},
    // 224 PFSf_SimFreq
    {0x202, "Частота симуляции выхода 1", "Частота на выходе в режиме симуляции, Гц",
     "Output 1 simulation frequency", "Output frequency in the simulation mode, Hz"},
    // 225 PFSp_Assign
    {0x202, "Назначение импульсного выхода",
     "Величина, по которой выдаются импульсы: 0 - не используется, 1 - масса, 2 - объем, 3 - "
     "приведенный объем, 4-7 - масса или объем целевой среды и среды-носителя",
     "Pulse output assignment",
     "Variable the pulses count: 0 - not used, 1 - mass, 2 - volume, 3 - corrected volume, 4-7 - "
     "mass or volume of the target and carrier fluids"},
    // 226 PFSp_Mode
    {0x202, "Режим импульсного выхода",
     "0 - только положительный поток, 1 - по модулю, 2 - только отрицательный поток, 3 - "
     "компенсационный (обратный поток вычитается из последующего прямого)",
     "Pulse output mode",
     "0 - forward flow only, 1 - symmetry (absolute value), 2 - reverse flow only, 3 - "
     "compensation (reverse flow is subtracted from the following forward flow)"},
    // 227 PFSp_PulseValue
    {0x202, "Цена импульса",
     "Количество массы или объема на один импульс в единицах UnitMass, UnitVolume или "
     "UnitCorrVolume",
     "Pulse value", "Mass or volume per pulse in the unit UnitMass, UnitVolume or UnitCorrVolume"},
    // 228 PFSp_PulseWidth
    {0x202, "Длительность импульса", "Длительность одного импульса на выходе, мс", "Pulse width",
     "Duration of one output pulse, ms"},
    // 229 PFSp_SimMode
    {0x202, "Симуляция импульсного выхода",
     "0 - выключена, 1 - непрерывная выдача импульсов, 2 - счетчик: выдача заданного числа "
     "импульсов PFSp_CountDown",
     "Pulse output simulation",
     "0 - Off, 1 - continuous pulses, 2 - countdown: output of the number of pulses "
     "PFSp_CountDown"},
    // 230 PFSp_FailsafeMode
    {0x202, "Импульсный выход при ошибке",
     "Выдача импульсов при ошибке измерения: 0 - остановить (0 Гц), 1 - по последнему верному "
     "значению, 2 - игнорировать ошибку",
     "Pulse output failsafe mode",
     "Pulse output on a measurement fault: 0 - stop (0 Hz), 1 - hold the last valid value, 2 - "
     "actual value"},
    // 231 PFSp_DelayReaction
    {0x101, "Запаздывание импульсного выхода",
     "Количество импульсов, накопленных в буфере и еще не выданных на выход", "Pulse output lag",
     "Number of pulses accumulated in the buffer and not yet output"},
    // 232 PFSp_Frequency
    {0x101, "Текущая частота импульсов",
     "Частота следования импульсов на выходе в данный момент, Гц", "Actual pulse frequency",
     "Present rate of the output pulses, Hz"},
    // 233 PFSp_CountDown
    {0x202, "Уставка счетчика симуляции",
     "Число импульсов, выдаваемых в режиме симуляции «Счетчик»; во время симуляции показывает "
     "остаток",
     "Countdown set-point",
     "Number of pulses output in the countdown simulation; during the simulation it shows the "
     "remainder"},
    // 234 PFSp_Counter
    {0x101, "Счетчик импульсов", "Число импульсов, выданных в режиме симуляции «Счетчик»",
     "Pulse counter", "Number of pulses output in the countdown simulation"},
    // 235 PFSs_Assign
    {0x202, "Назначение статусного выхода 1",
     "Условие включения: 0 - не используется, 1 - включен, 2 - авария, 3 - предупреждение, 4 - "
     "авария или предупреждение, 5 - направление потока, 6-11 - предельное значение расхода, "
     "плотности или температуры, 12-15 - предельное значение сумматора 1-4",
     "Status output 1 assignment",
     "Switching condition: 0 - not used, 1 - on, 2 - fault, 3 - notice, 4 - fault or notice, 5 - "
     "flow direction, 6-11 - limit value of a flow, density or temperature, 12-15 - limit value "
     "of totalizer 1-4"},
    // 236 PFSs_Mode
    {0x202, "Режим статусного выхода 1",
     "0 - стандартный (сравнение со знаком), 1 - по модулю (сравнение абсолютного значения)",
     "Status output 1 mode",
     "0 - standard (signed comparison), 1 - symmetry (comparison of the absolute value)"},
    // 237 PFSs_Unit
    {0x202, "Единицы статусного выхода 1",
     "Единицы предельных значений; список зависит от назначения выхода", "Status output 1 unit",
     "Unit of the limit values; the list depends on the output assignment"},
    // 238 PFSs_OnValue
    {0x202, "Порог включения выхода 1",
     "Значение величины, при достижении которого выход включается, в единицах выхода",
     "Output 1 switch-on value",
     "Value of the variable at which the output switches on, in the output unit"},
    // 239 PFSs_OffValue
    {0x202, "Порог выключения выхода 1",
     "Значение величины, при достижении которого выход выключается, в единицах выхода",
     "Output 1 switch-off value",
     "Value of the variable at which the output switches off, in the output unit"},
    // 240 PFSs_OnDelay
    {0x202, "Задержка включения выхода 1",
     "Время, в течение которого условие включения должно сохраняться до включения выхода, с",
     "Output 1 switch-on delay",
     "Time the switch-on condition must last before the output switches on, s"},
    // 241 PFSs_OffDelay
    {0x202, "Задержка выключения выхода 1",
     "Время, в течение которого условие выключения должно сохраняться до выключения выхода, с",
     "Output 1 switch-off delay",
     "Time the switch-off condition must last before the output switches off, s"},
    // 242 PFSs_Status
    {0x101, "Состояние статусного выхода 1", "Текущее состояние выхода: 0 - выключен, 1 - включен",
     "Status output 1 state", "Present state of the output: 0 - off, 1 - on"},
    // 243 PFSs_SimMode
    {0x202, "Симуляция статусного выхода 1",
     "0 - выключена, 1 - включена: выход принимает состояние симуляции",
     "Status output 1 simulation", "0 - Off, 1 - On: the output takes the simulated state"},
    // 244 PFSs_SimVal
    {0x202, "Состояние симуляции выхода 1",
     "Состояние выхода в режиме симуляции: 0 - выключен, 1 - включен", "Output 1 simulated state",
     "State of the output in the simulation mode: 0 - off, 1 - on"},
    {0x202, "", "", "", ""},  // 245 ----- Выход2: Част/Стат -----
    // 246 FS2_Mode
    {0x202, "Тип выхода 2", "0 - не используется, 1 - частотный, 2 - статусный", "Output 2 type",
     "0 - not used, 1 - frequency, 2 - status"},
    // 247 FSf_Assign
    {0x202, "Назначение частотного выхода 2",
     "Величина на выходе: 0 - не используется, 1 - массовый расход, 2 - объемный расход, 3 - "
     "плотность, 4 - температура, 5 - приведенный объемный расход, 6 - приведенная плотность",
     "Frequency output 2 assignment",
     "Output variable: 0 - not used, 1 - mass flow, 2 - volume flow, 3 - density, 4 - "
     "temperature, 5 - corrected volume flow, 6 - reference density"},
    // 248 FSf_Mode
    {0x202, "Режим частотного выхода 2",
     "0 - стандартный (величина со знаком), 1 - по модулю (абсолютное значение величины)",
     "Frequency output 2 mode",
     "0 - standard (signed variable), 1 - symmetry (absolute value of the variable)"},
    // 249 FSf_Unit
    {0x202, "Единицы частотного выхода 2",
     "Единицы граничных значений; список зависит от назначения выхода", "Frequency output 2 unit",
     "Unit of the range values; the list depends on the output assignment"},
    // 250 FSf_MaxFreq
    {0x202, "Верхняя частота выхода 2", "Частота, соответствующая верхнему значению диапазона, Гц",
     "Output 2 maximum frequency", "Frequency that stands for the upper range value, Hz"},
    // 251 FSf_MinFreq
    {0x202, "Нижняя частота выхода 2", "Частота, соответствующая нижнему значению диапазона, Гц",
     "Output 2 minimum frequency", "Frequency that stands for the lower range value, Hz"},
    // 252 FSf_MaxValue
    {0x202, "Верхнее значение диапазона выхода 2",
     "Значение величины, при котором выход дает верхнюю частоту, в единицах выхода",
     "Output 2 upper range value",
     "Value of the variable giving the maximum frequency, in the output unit"},
    // 253 FSf_MinValue
    {0x202, "Нижнее значение диапазона выхода 2",
     "Значение величины, при котором выход дает нижнюю частоту, в единицах выхода",
     "Output 2 lower range value",
     "Value of the variable giving the minimum frequency, in the output unit"},
    // 254 FSf_FailsafeMode
    {0x202, "Частотный выход 2 при аварии",
     "Сигнал при аварии: 0 - 0 Гц, 1 - последнее верное значение, 2 - игнорировать сбой, 3 - "
     "специальный сигнал с частотой аварийного сигнала",
     "Frequency output 2 failsafe mode",
     "Signal on a fault: 0 - 0 Hz, 1 - hold the last valid value, 2 - actual value, 3 - special "
     "value at the failsafe frequency"},
    // 255 FSf_FailValue
    {0x202, "Частота аварийного сигнала выхода 2",
     "Частота, которую выход дает при аварии в режиме «Специальный сигнал», Гц",
     "Output 2 failsafe frequency",
     "Frequency the output gives on a fault in the special value mode, Hz"},
    // 256 FSf_Frequency
    {0x101, "Текущая частота выхода 2",
     "Частота, которую частотный выход формирует в данный момент, Гц", "Output 2 actual frequency",
     "Frequency the frequency output produces at present, Hz"},
    // 257 FSf_SimMode
    {0x202, "Симуляция частотного выхода 2",
     "0 - выключена, 1 - включена: выход дает частоту симуляции вместо измеренной величины",
     "Frequency output 2 simulation",
     "0 - Off, 1 - On: the output gives the simulation frequency instead of the measured variable"},
    // 258 FSf_SimFreq
    {0x202, "Частота симуляции выхода 2", "Частота на выходе в режиме симуляции, Гц",
     "Output 2 simulation frequency", "Output frequency in the simulation mode, Hz"},
    // 259 FSs_Assign
    {0x202, "Назначение статусного выхода 2",
     "Условие включения: 0 - не используется, 1 - включен, 2 - авария, 3 - предупреждение, 4 - "
     "авария или предупреждение, 5 - направление потока, 6-11 - предельное значение расхода, "
     "плотности или температуры, 12-15 - предельное значение сумматора 1-4",
     "Status output 2 assignment",
     "Switching condition: 0 - not used, 1 - on, 2 - fault, 3 - notice, 4 - fault or notice, 5 - "
     "flow direction, 6-11 - limit value of a flow, density or temperature, 12-15 - limit value "
     "of totalizer 1-4"},
    // 260 FSs_Mode
    {0x202, "Режим статусного выхода 2",
     "0 - стандартный (сравнение со знаком), 1 - по модулю (сравнение абсолютного значения)",
     "Status output 2 mode",
     "0 - standard (signed comparison), 1 - symmetry (comparison of the absolute value)"},
    // 261 FSs_Unit
    {0x202, "Единицы статусного выхода 2",
     "Единицы предельных значений; список зависит от назначения выхода", "Status output 2 unit",
     "Unit of the limit values; the list depends on the output assignment"},
    // 262 FSs_OnValue
    {0x202, "Порог включения выхода 2",
     "Значение величины, при достижении которого выход включается, в единицах выхода",
     "Output 2 switch-on value",
     "Value of the variable at which the output switches on, in the output unit"},
    // 263 FSs_OffValue
    {0x202, "Порог выключения выхода 2",
     "Значение величины, при достижении которого выход выключается, в единицах выхода",
     "Output 2 switch-off value",
     "Value of the variable at which the output switches off, in the output unit"},
    // 264 FSs_OnDelay
    {0x202, "Задержка включения выхода 2",
     "Время, в течение которого условие включения должно сохраняться до включения выхода, с",
     "Output 2 switch-on delay",
     "Time the switch-on condition must last before the output switches on, s"},
    // 265 FSs_OffDelay
    {0x202, "Задержка выключения выхода 2",
     "Время, в течение которого условие выключения должно сохраняться до выключения выхода, с",
     "Output 2 switch-off delay",
     "Time the switch-off condition must last before the output switches off, s"},
    // 266 FSs_Status
    {0x101, "Состояние статусного выхода 2", "Текущее состояние выхода: 0 - выключен, 1 - включен",
     "Status output 2 state", "Present state of the output: 0 - off, 1 - on"},
    // 267 FSs_SimMode
    {0x202, "Симуляция статусного выхода 2",
     "0 - выключена, 1 - включена: выход принимает состояние симуляции",
     "Status output 2 simulation", "0 - Off, 1 - On: the output takes the simulated state"},
    // 268 FSs_SimVal
    {0x202, "Состояние симуляции выхода 2",
     "Состояние выхода в режиме симуляции: 0 - выключен, 1 - включен", "Output 2 simulated state",
     "State of the output in the simulation mode: 0 - off, 1 - on"},
    {0x202, "", "", "", ""},  // 269 ----- Выход3: Статусный -----
    // 270 DOs_Assign
    {0x202, "Назначение статусного выхода 3",
     "Условие включения: 0 - не используется, 1 - включен, 2 - авария, 3 - предупреждение, 4 - "
     "авария или предупреждение, 5 - направление потока, 6-11 - предельное значение расхода, "
     "плотности или температуры, 12-15 - предельное значение сумматора 1-4",
     "Status output 3 assignment",
     "Switching condition: 0 - not used, 1 - on, 2 - fault, 3 - notice, 4 - fault or notice, 5 - "
     "flow direction, 6-11 - limit value of a flow, density or temperature, 12-15 - limit value "
     "of totalizer 1-4"},
    // 271 DOs_Mode
    {0x202, "Режим статусного выхода 3",
     "0 - стандартный (сравнение со знаком), 1 - по модулю (сравнение абсолютного значения)",
     "Status output 3 mode",
     "0 - standard (signed comparison), 1 - symmetry (comparison of the absolute value)"},
    // 272 DOs_Unit
    {0x202, "Единицы статусного выхода 3",
     "Единицы предельных значений; список зависит от назначения выхода", "Status output 3 unit",
     "Unit of the limit values; the list depends on the output assignment"},
    // 273 DOs_OnValue
    {0x202, "Порог включения выхода 3",
     "Значение величины, при достижении которого выход включается, в единицах выхода",
     "Output 3 switch-on value",
     "Value of the variable at which the output switches on, in the output unit"},
    // 274 DOs_OffValue
    {0x202, "Порог выключения выхода 3",
     "Значение величины, при достижении которого выход выключается, в единицах выхода",
     "Output 3 switch-off value",
     "Value of the variable at which the output switches off, in the output unit"},
    // 275 DOs_OnDelay
    {0x202, "Задержка включения выхода 3",
     "Время, в течение которого условие включения должно сохраняться до включения выхода, с",
     "Output 3 switch-on delay",
     "Time the switch-on condition must last before the output switches on, s"},
    // 276 DOs_OffDelay
    {0x202, "Задержка выключения выхода 3",
     "Время, в течение которого условие выключения должно сохраняться до выключения выхода, с",
     "Output 3 switch-off delay",
     "Time the switch-off condition must last before the output switches off, s"},
    // 277 DOs_Status
    {0x101, "Состояние статусного выхода 3", "Текущее состояние выхода: 0 - выключен, 1 - включен",
     "Status output 3 state", "Present state of the output: 0 - off, 1 - on"},
    // 278 DOs_SimMode
    {0x202, "Симуляция статусного выхода 3",
     "0 - выключена, 1 - включена: выход принимает состояние симуляции",
     "Status output 3 simulation", "0 - Off, 1 - On: the output takes the simulated state"},
    // 279 DOs_SimVal
    {0x202, "Состояние симуляции выхода 3",
     "Состояние выхода в режиме симуляции: 0 - выключен, 1 - включен", "Output 3 simulated state",
     "State of the output in the simulation mode: 0 - off, 1 - on"},
};
static_assert(std::size(kOutputTexts) == 69);

}  // namespace tarvix::param_texts
