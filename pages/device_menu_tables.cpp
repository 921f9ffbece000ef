// The device menu tables: per menu the Russian and English titles and lines, as the
// transmitter's display shows them (numbered lines, "1.Назад" / "1.Exit" first). Each table
// starts its English block on a new line.
#include "pages/device_menus.h"

namespace tarvix {
namespace {

// clang-format off
// Mass flow units.
constexpr const char* kUnitMassFlow[] = {
    "ЕДИН. М. РАСХОДА", "1.Назад", "2. г/с", "3. г/мин", "4. г/ч", "5. кг/с", "6. кг/мин",
    "7. кг/ч", "8. т/с", "9. т/мин", "10. т/ч",
    "UNIT MASS FLOW", "1.Exit", "2. g/s", "3. g/min", "4. g/h", "5. kg/s", "6. kg/min", "7. kg/h",
    "8. t/s", "9. t/min", "10. t/h",
};

// Volume flow units.
constexpr const char* kUnitVolumeFlow[] = {
    "ЕДИН. ОБ. РАСХОДА", "1.Назад", "2. см³/с", "3. см³/мин", "4. см³/ч", "5. м³/с", "6. м³/мин",
    "7. м³/ч", "8. л/с", "9. л/мин", "10. л/ч",
    "UNIT VOLUME FLOW", "1.Exit", "2. cm³/s", "3. cm³/min", "4. cm³/h", "5. m³/s", "6. m³/min",
    "7. m³/h", "8. l/s", "9. l/min", "10. l/h",
};

// Density units.
constexpr const char* kUnitDensity[] = {
    "ЕДИНИЦЫ ПЛОТНОСТИ", "1.Назад", "2. г/см³", "3. кг/л", "4. кг/м³",
    "UNIT DENSITY", "1.Exit", "2. g/cm³", "3. kg/l", "4. kg/m³",
};

// Temperature units.
constexpr const char* kUnitTemperature[] = {
    "ЕДИН. ТЕМПЕРАТУРЫ", "1.Назад", "2.°C", "3.°K",
    "UNIT TEMPERATURE", "1.Exit", "2.°C", "3.°K",
};

// Corrected volume flow units.
constexpr const char* kUnitCorrVolumeFlow[] = {
    "ЕДИН. ПРИВ. ОБ.Р.", "1.Назад", "2. нсм³/с", "3. нсм³/мин", "4. нсм³/ч", "5. нм³/с",
    "6. нм³/мин", "7. нм³/ч", "8. нл/с", "9. нл/мин", "10. нл/ч",
    "UNIT VOLUME FLOW", "1.Exit", "2. Ncm³/s", "3. Ncm³/min", "4. Ncm³/h", "5. Nm³/s", "6. Nm³/min",
    "7. Nm³/h", "8. Nl/s", "9. Nl/min", "10. Nl/h",
};

// Reference density units.
constexpr const char* kUnitRefDensity[] = {
    "ЕДИНИЦЫ ПРИВЕД. П.", "1.Назад", "2. г/нсм³", "3. кг/нл", "4. кг/нм³",
    "UNIT REF. DENSITY", "1.Exit", "2. g/Ncm³", "3. kg/Nl", "4. kg/Nm³",
};

// Mass units of the totals; the one-letter units carry a trailing blank.
constexpr const char* kUnitMass[] = {
    "ЕДИНИЦЫ МАССЫ", "1.Назад", "2. г ", "3. кг", "4. т ",
    "MASS UNIT", "1.Exit", "2. g ", "3. kg", "4. t ",
};

// Volume units of the totals.
constexpr const char* kUnitVolume[] = {
    "ЕДИНИЦЫ ОБЪЕМА", "1.Назад", "2. см³", "3. л", "4. м³",
    "VOLUME UNIT", "1.Exit", "2. cm³", "3. l", "4. m³",
};

// Corrected volume units of the totals.
constexpr const char* kUnitCorrVolume[] = {
    "ЕДИН. ПРИВ. ОБЪЕМА", "1.Назад", "2. нсм³", "3. нл", "4. нм³",
    "CORR. VOLUME UNIT", "1.Exit", "2. Ncm³", "3. Nl", "4. Nm³",
};

// Variable of display field 1.
constexpr const char* kAssignField1[] = {
    "ВЕЛИЧИНА В ПОЛЕ 1", "1.Назад", "2. Код ф.", "3. Код ч.", "4. Массовый расход", "5. Плотность",
    "6. Температура", "7. Объемный расход", "8. Прив. об. расход", "9. Прив. плотность",
    "10. Частота Выход 1", "11. Частота Выход 2", "12. Сумматор 1", "13. Сумматор 2",
    "14. Сумматор 3", "15. Сумматор 4", "16. Масс. расх. в %", "17. Об. расход в %",
    "18. Пр. об. расх. в %", "19. Плотн. целев. ср.", "20. Плотн. ср.-носит.",
    "21. Масс. р. цел. ср.", "22. Масс. р. ср.-нос.", "23. Об. р. целев. ср.",
    "24. Об. р. ср.-носит.", "25. М. конц. цел. ср.", "26. М. конц. носит.",
    "27. Об. конц. цел.ср.", "28. Об. конц. носит.",
    "VAR. IN FIELD 1", "1.Exit", "2. Code P.", "3. Code F.", "4. Mass Flow", "5. Density",
    "6. Temperature", "7. Volume Flow", "8. Corr. Vol. Flow", "9. Reference Density",
    "10. Act. Freq. Out 1", "11. Act. Freq. Out 2", "12. Totalizer 1", "13. Totalizer 2",
    "14. Totalizer 3", "15. Totalizer 4", "16. Mass Flow In %", "17. Volume Flow In %",
    "18. Corr.Vol.Fl. In %", "19. Target density", "20. Carrier density", "21. Target mass flow",
    "22. Carrier mass flow", "23. Target vol. flow", "24. Carrier vol. flow",
    "25. Target mass conc.", "26. Carr. mass conc.", "27. Target vol. conc.",
    "28. Carr. vol. conc.",
};

// Variable of display field 2.
constexpr const char* kAssignField2[] = {
    "ВЕЛИЧИНА В ПОЛЕ 2", "1.Назад", "2. Код ф.", "3. Код ч.", "4. Массовый расход", "5. Плотность",
    "6. Температура", "7. Объемный расход", "8. Прив. об. расход", "9. Прив. плотность",
    "10. Частота Выход 1", "11. Частота Выход 2", "12. Сумматор 1", "13. Сумматор 2",
    "14. Сумматор 3", "15. Сумматор 4", "16. Масс. расх. в %", "17. Об. расход в %",
    "18. Пр. об. расх. в %", "19. Плотн. целев. ср.", "20. Плотн. ср.-носит.",
    "21. Масс. р. цел. ср.", "22. Масс. р. ср.-нос.", "23. Об. р. целев. ср.",
    "24. Об. р. ср.-носит.", "25. М. конц. цел. ср.", "26. М. конц. носит.",
    "27. Об. конц. цел.ср.", "28. Об. конц. носит.",
    "VAR. IN FIELD 2", "1.Exit", "2. Code P.", "3. Code F.", "4. Mass Flow", "5. Density",
    "6. Temperature", "7. Volume Flow", "8. Corr. Vol. Flow", "9. Reference Density",
    "10. Act. Freq. Out 1", "11. Act. Freq. Out 2", "12. Totalizer 1", "13. Totalizer 2",
    "14. Totalizer 3", "15. Totalizer 4", "16. Mass Flow In %", "17. Volume Flow In %",
    "18. Corr.Vol.Fl. In %", "19. Target density", "20. Carrier density", "21. Target mass flow",
    "22. Carrier mass flow", "23. Target vol. flow", "24. Carrier vol. flow",
    "25. Target mass conc.", "26. Carr. mass conc.", "27. Target vol. conc.",
    "28. Carr. vol. conc.",
};

// Variable of the alternate field 1.
constexpr const char* kAssignFieldMix1[] = {
    "ВЕЛИЧИНА В М.П. 1", "1.Назад", "2. НЕТ ВЫВОДА", "3. Код ф.", "4. Код ч.", "5. Массовый расход",
    "6. Плотность", "7. Температура", "8. Объемный расход", "9. Прив. об. расход",
    "10. Прив. плотность", "11. Частота Выход 1", "12. Частота Выход 2", "13. Сумматор 1",
    "14. Сумматор 2", "15. Сумматор 3", "16. Сумматор 4", "17. Масс. расх. в %",
    "18. Об. расход в %", "19. Пр. об. расх. в %", "20. Плотн. целев. ср.", "21. Плотн. ср.-носит.",
    "22. Масс. р. цел. ср.", "23. Масс. р. ср.-нос.", "24. Об. р. целев. ср.",
    "25. Об. р. ср.-носит.", "26. М. конц. цел. ср.", "27. М. конц. носит.",
    "28. Об. конц. цел.ср.", "29. Об. конц. носит.",
    "VAR. IN M.F. 1", "1.Exit", "2. NO DISPLAY", "3. Code P.", "4. Code F.", "5. Mass Flow",
    "6. Density", "7. Temperature", "8. Volume Flow", "9. Corr. Vol. Flow", "10. Reference Density",
    "11. Act. Freq. Out 1", "12. Act. Freq. Out 2", "13. Totalizer 1", "14. Totalizer 2",
    "15. Totalizer 3", "16. Totalizer 4", "17. Mass Flow In %", "18. Volume Flow In %",
    "19. Corr.Vol.Fl. In %", "20. Target density", "21. Carrier density", "22. Target mass flow",
    "23. Carrier mass flow", "24. Target vol. flow", "25. Carrier vol. flow",
    "26. Target mass conc.", "27. Carr. mass conc.", "28. Target vol. conc.",
    "29. Carr. vol. conc.",
};

// Variable of the alternate field 2.
constexpr const char* kAssignFieldMix2[] = {
    "ВЕЛИЧИНА В М.П. 2", "1.Назад", "2. НЕТ ВЫВОДА", "3. Код ф.", "4. Код ч.", "5. Массовый расход",
    "6. Плотность", "7. Температура", "8. Объемный расход", "9. Прив. об. расход",
    "10. Прив. плотность", "11. Частота Выход 1", "12. Частота Выход 2", "13. Сумматор 1",
    "14. Сумматор 2", "15. Сумматор 3", "16. Сумматор 4", "17. Масс. расх. в %",
    "18. Об. расход в %", "19. Пр. об. расх. в %", "20. Плотн. целев. ср.", "21. Плотн. ср.-носит.",
    "22. Масс. р. цел. ср.", "23. Масс. р. ср.-нос.", "24. Об. р. целев. ср.",
    "25. Об. р. ср.-носит.", "26. М. конц. цел. ср.", "27. М. конц. носит.",
    "28. Об. конц. цел.ср.", "29. Об. конц. носит.",
    "VAR. IN M.F. 2", "1.Exit", "2. NO DISPLAY", "3. Code P.", "4. Code F.", "5. Mass Flow",
    "6. Density", "7. Temperature", "8. Volume Flow", "9. Corr. Vol. Flow", "10. Reference Density",
    "11. Act. Freq. Out 1", "12. Act. Freq. Out 2", "13. Totalizer 1", "14. Totalizer 2",
    "15. Totalizer 3", "16. Totalizer 4", "17. Mass Flow In %", "18. Volume Flow In %",
    "19. Corr.Vol.Fl. In %", "20. Target density", "21. Carrier density", "22. Target mass flow",
    "23. Carrier mass flow", "24. Target vol. flow", "25. Carrier vol. flow",
    "26. Target mass conc.", "27. Carr. mass conc.", "28. Target vol. conc.",
    "29. Carr. vol. conc.",
};

// What a totaliser or the pulse output counts.
constexpr const char* kAssignTotal[] = {
    "НАЗНАЧЕНИЕ", "1.Назад", "2. Не используется", "3. Массовый расход", "4. Объемный расход",
    "5. Прив. объем. рас.", "6. Масс. расх. цели", "7. Масс.расх. носит.", "8. Об. расх. цели",
    "9. Об. расх. носит.",
    "ASSIGN", "1.Exit", "2. Not Used", "3. Mass Flow", "4. Volume Flow", "5. Corr. Vol. Flow",
    "6. Target Mass Flow", "7. Carrier Mass Flow", "8. Target Vol. Flow", "9. Carrier Vol. Flow",
};

// What a frequency output or the current output shows.
constexpr const char* kAssignOutput[] = {
    "НАЗНАЧЕНИЕ", "1.Назад", "2. Не используется", "3. Массовый расход", "4. Объемный расход",
    "5. Плотность", "6. Температура", "7. Прив. об. расход", "8. Прив. плотность",
    "ASSIGN", "1.Exit", "2. Not Used", "3. Mass Flow", "4. Volume Flow", "5. Density",
    "6. Temperature", "7. Corr. Vol. Flow", "8. Reference Density",
};

// What a status output signals; 6..15 are limit values.
constexpr const char* kAssignStatus[] = {
    "НАЗНАЧЕНИЕ", "1.Назад", "2. Не используется", "3. Включен (ON)", "4. Авария",
    "5. Предупреждение", "6. Авария или предуп.", "7. Направление потока", "8. Массовый расход",
    "9. Объемный расход", "10. Прив. об. расход", "11. Плотность", "12. Прив. плотность",
    "13. Температура", "14. Сумматор 1", "15. Сумматор 2", "16. Сумматор 3", "17. Сумматор 4",
    "ASSIGN", "1.Exit", "2. Not Used", "3. ON", "4. Fault Message", "5. Notice Message",
    "6. Fault or Notice", "7. Flow Direction", "8. Mass Flow     L.V.", "9. Volume Flow   L.V.",
    "10. Corr. Vol.F. L.V.", "11. Density      L.V.", "12. Ref. Density L.V.",
    "13. Temperature  L.V.", "14. Totalizer 1  L.V.", "15. Totalizer 2  L.V.",
    "16. Totalizer 3  L.V.", "17. Totalizer 4  L.V.",
};

// What the low-flow cut-off applies to.
constexpr const char* kAssignCutOff[] = {
    "НАЗНАЧЕНИЕ", "1.Назад", "2. Не используется", "3. Массовый расход", "4. Объемный расход",
    "5. Прив. об. расход",
    "ASSIGN", "1.Exit", "2. Not Used", "3. Mass Flow", "4. Volume Flow", "5. Corr. Vol. Flow",
};

// What a discrete input does.
constexpr const char* kAssignInput[] = {
    "НАЗНАЧЕНИЕ", "1.Назад", "2. Не используется", "3. Сброс сумматора 1", "4. Сброс сумматора 2",
    "5. Сброс сумматора 3", "6. Сброс сумматора 4", "7. Общий сброс сум.", "8. Настройка нуля",
    "ASSIGN", "1.Exit", "2. Not Used", "3. Reset Totalizer 1", "4. Reset Totalizer 2",
    "5. Reset Totalizer 3", "6. Reset Totalizer 4", "7. Reset All Total.", "8. Zero Point Adjust.",
};

// Type of output 1.
constexpr const char* kTypeOutput1[] = {
    "ТИП ВЫХОДА 1", "1.Назад", "2. Не используется", "3. Импульсный (И1)", "4. Частотный  (Ч1)",
    "5. Статусный  (С1)",
    "TYPE OUTPUT 1", "1.Exit", "2. Not Used", "3. Pulse     (P1)", "4. Frequency (F1)",
    "5. Status    (S1)",
};

// Type of output 2.
constexpr const char* kTypeOutput2[] = {
    "ТИП ВЫХОДА 2", "1.Назад", "2. Не используется", "3. Частотный, Ч2", "4. Статусный, С2",
    "TYPE OUTPUT 2", "1.Exit", "2. Not Used", "3. Frequency (F2)", "4. Status    (S2)",
};

// Simulation of the pulse output.
constexpr const char* kSimPulse[] = {
    "РЕЖИМ СИМУЛЯЦИИ", "1.Назад", "2. Выкл", "3. Непрерывно", "4. Счетчик",
    "SIMULATION MODE", "1.Exit", "2. Off", "3. Continuously", "4. Countdown",
};

// Simulation of the other outputs.
constexpr const char* kSimOnOff[] = {
    "РЕЖИМ СИМУЛЯЦИИ", "1.Назад", "2. Выкл", "3. Вкл",
    "SIMULATION MODE", "1.Exit", "2. Off", "3. On",
};

// Frequency output on a fault; the first Russian item is written with a Latin O on the device.
constexpr const char* kFailsafeFreq[] = {
    "ПРИ АВАРИИ", "1.Назад", "2. O Гц", "3. Последнее верное", "4. Игнорировать сбой",
    "5. Специальный сигнал",
    "FAILSAFE MODE", "1.Exit", "2. Fallback", "3. Hold Value", "4. Actual Value",
    "5. Special Value",
};

// How the reference density is obtained.
constexpr const char* kTypeRefDensity[] = {
    "ТИП РАСЧЕТА ПЛ.", "1.Назад", "2. Вычисляемая", "3. Фиксированная",
    "TYPE REF. DENSITY", "1.Exit", "2. Calculated Dens.", "3. Fixing Density",
};

// Display orientation.
constexpr const char* kOrientation[] = {
    "ОРИНТАЦИЯ ЭКРАНА", "1.Назад", "2. Норма", "3. 180°",
    "ORIENTATION LCD", "1.Exit", "2. NORMAL", "3. 180°",
};

// The device display's language, named alike in both tables.
constexpr const char* kLanguage[] = {
    "ВЫБОР ЯЗЫКА", "1.Назад", "2. Русский", "3. English",
    "LANGUAGE", "1.Exit", "2. Русский", "3. English",
};

// Totaliser shown by the rapid menu.
constexpr const char* kTotalizerMenu[] = {
    "МЕНЮ СУММАТОРА", "1.Назад", "2. Нет", "3. Сумматор 1", "4. Сумматор 2", "5. Сумматор 3",
    "6. Сумматор 4",
    "TOTALIZER MENU", "1.Exit", "2. No", "3. Total 1", "4. Total 2", "5. Total 3", "6. Total 4",
};

// Decimals of a display field (the device writes the digits with a Cyrillic Х).
constexpr const char* kFormatVariable[] = {
    "ФОРМАТ ПЕРЕМЕНН.", "1.Назад", "2. ХХХХХХХ", "3. ХХХХХХ.Х", "4. ХХХХХ.ХХ", "5. ХХХХ.ХХХ",
    "6. ХХХ.ХХХХ", "7. ХХ.ХХХХХ", "8. Х.ХХХХХХ",
    "FORMAT VARIABLE", "1.Exit", "2. XXXXXXX", "3. XXXXXX.X", "4. XXXXX.XX", "5. XXXX.XXX",
    "6. XXX.XXXX", "7. XX.XXXXX", "8. X.XXXXXX",
};

// Direction a totaliser counts.
constexpr const char* kTotalizerMode[] = {
    "РЕЖИМ НАКОПЛЕНИЯ", "1.Назад", "2. Двунаправленный", "3. Только положит.", "4. Только отрицат.",
    "TOTALIZER MODE", "1.Exit", "2. Bidirectional", "3. Forward", "4. Reverse",
};

// State of totaliser 1.
constexpr const char* kStatusTotal1[] = {
    "СОСТОЯНИЕ СУММ. 1", "1.Назад", "2. Активен", "3. Остановлен",
    "STATUS TOTAL 1", "1.Exit", "2. Active", "3. Stopped",
};

// Reset of totaliser 1.
constexpr const char* kResetTotal1[] = {
    "СБРОС СУММАТОРА 1", "1.Назад", "2. Нет", "3. Да",
    "RESET TOTAL 1", "1.Exit", "2. No", "3. Yes",
};

// State of totaliser 2.
constexpr const char* kStatusTotal2[] = {
    "СОСТОЯНИЕ СУММ. 2", "1.Назад", "2. Активен", "3. Остановлен",
    "STATUS TOTAL 2", "1.Exit", "2. Active", "3. Stopped",
};

// Reset of totaliser 2.
constexpr const char* kResetTotal2[] = {
    "СБРОС СУММАТОРА 2", "1.Назад", "2. Нет", "3. Да",
    "RESET TOTAL 2", "1.Exit", "2. No", "3. Yes",
};

// State of totaliser 3.
constexpr const char* kStatusTotal3[] = {
    "СОСТОЯНИЕ СУММ. 3", "1.Назад", "2. Активен", "3. Остановлен",
    "STATUS TOTAL 3", "1.Exit", "2. Active", "3. Stopped",
};

// Reset of totaliser 3.
constexpr const char* kResetTotal3[] = {
    "СБРОС СУММАТОРА 3", "1.Назад", "2. Нет", "3. Да",
    "RESET TOTAL 3", "1.Exit", "2. No", "3. Yes",
};

// State of totaliser 4.
constexpr const char* kStatusTotal4[] = {
    "СОСТОЯНИЕ СУММ. 4", "1.Назад", "2. Активен", "3. Остановлен",
    "STATUS TOTAL 4", "1.Exit", "2. Active", "3. Stopped",
};

// Reset of totaliser 4.
constexpr const char* kResetTotal4[] = {
    "СБРОС СУММАТОРА 4", "1.Назад", "2. Нет", "3. Да",
    "RESET TOTAL 4", "1.Exit", "2. No", "3. Yes",
};

// Totalisers on a fault.
constexpr const char* kTotalizerFailsafe[] = {
    "СУММ. ПРИ ОШИБКЕ", "1.Назад", "2. Остановить сумм.", "3. Последнее верное",
    "4. Игнорировать ошиб.",
    "FAILSAFE MODE", "1.Exit", "2. Stop", "3. Hold Value", "4. Actual Value",
};

// Direction the pulse output counts.
constexpr const char* kPulseMode[] = {
    "РЕЖИМ", "1.Назад", "2. Только положит.", "3. По модулю", "4. Только отрицат.",
    "5. Компенсационный",
    "MODE", "1.Exit", "2. Forward", "3. Symmetry", "4. Reverse", "5. Compensation",
};

// Pulse output on a fault.
constexpr const char* kPulseFailsafe[] = {
    "ПРИ ОШИБКЕ", "1.Назад", "2. 0 Гц", "3. Последнее верное", "4. Игнорировать ошиб.",
    "FAILSAFE MODE", "1.Exit", "2. 0 Hz", "3. Hold Value", "4. Actual Value",
};

// Mode of the frequency and status outputs.
constexpr const char* kOutputMode[] = {
    "РЕЖИМ", "1.Назад", "2. Стандарт.", "3. По модулю",
    "MODE", "1.Exit", "2. Standard", "3. Symmetry",
};

// Baud rate of the RS-485 port.
constexpr const char* kBaudRate[] = {
    "СКОРОСТЬ ОБМЕНА", "1.Назад", "2.   1200", "3.   2400", "4.   4800", "5.   9600", "6.  14400",
    "7.  19200", "8.  28800", "9.  38400", "10. 57600", "11. 115200",
    "BAUD RATE", "1.Exit", "2.   1200", "3.   2400", "4.   4800", "5.   9600", "6.  14400",
    "7.  19200", "8.  28800", "9.  38400", "10. 57600", "11. 115200",
};

// Parity of the RS-485 port.
constexpr const char* kParity[] = {
    "КОНТРОЛЬ ЧЕТНОСТИ", "1.Назад", "2. Нет контроля", "3. Нечетность", "4. Четность",
    "PARITY", "1.Exit", "2. None", "3. Odd", "4. Even",
};

// A switch (write protection, reading of the CDC registers).
constexpr const char* kOnOff[] = {
    "", "", "2. Выключено", "3. Включено",
    "", "", "2. Off", "3. On",
};

// Concentration calculation.
constexpr const char* kConcentrationCalc[] = {
    "РАСЧЕТ КОНЦЕНТРАЦИИ", "1.Назад", "2. Выключено", "3. Включено",
    "CONCENTRATION CALC.", "1.Exit", "2. Off", "3. On",
};

// Approximation of a fluid density.
constexpr const char* kApproxMethod[] = {
    "", "", "2. Полином", "3. Кус.-лин.",
    "", "", "2. Polynomial", "3. PW Linear",
};

// Mode of the current output.
constexpr const char* kCurrentMode[] = {
    "РЕЖИМ", "1.Назад", "2. Стандарт.", "3. По модулю", "4. Компенсационный",
    "MODE", "1.Exit", "2. Standard", "3. Symmetry", "4. Compensation",
};

// Current output on a fault.
constexpr const char* kCurrentFailsafe[] = {
    "ПРИ АВАРИИ", "1.Назад", "2. 3.5 мА", "3. 22.6 мА", "4. Игнорировать сбой",
    "FAILSAFE MODE", "1.Exit", "2. 3.5 mA", "3. 22.6 mA", "4. Actual Value",
};

// Explosion-protection certificate.
constexpr const char* kSertification[] = {
    "", "Общепр.", "Ex",
    "", "None-Ex", "Ex",
};

// Sensor type.
constexpr const char* kSensorType[] = {
    "", "1ExiaIIB(T1)", "1ExiaIIB(T2)", "1ExiaIIB(T3)", "1ExiaIIB(T4)", "1ExiaIIB(T5)",
    "1ExiaIIB(T6)",
    "", "1ExiaIIB(T1)", "1ExiaIIB(T2)", "1ExiaIIB(T3)", "1ExiaIIB(T4)", "1ExiaIIB(T5)",
    "1ExiaIIB(T6)",
};

// Start of the zero point adjustment; the device sets it back to "Нет" when it has done.
constexpr const char* kZeroAdjust[] = {
    "НАСТРОЙКА НУЛЯ", "1.Назад", "2. Нет", "3. Запуск",
    "ZERO ADJUSTMENT", "1.Exit", "2. No", "3. Start",
};

// The value the device replaces by ParamFixed, for testing the outputs.
constexpr const char* kFixedParameter[] = {
    "ФИКСИР. ПАРАМЕТР", "1.Назад", "2. Не используется", "3. Массовый расход", "4. Плотность",
    "5. Температура",
    "FIXED PARAMETER", "1.Exit", "2. Not Used", "3. Mass Flow", "4. Density", "5. Temperature",
};

constexpr DeviceMenu kMenus[] = {
    {MenuId::UnitMassFlow, "UnitMassFlow", MenuLayout::Titled, 10, kUnitMassFlow},
    {MenuId::UnitVolumeFlow, "UnitVolumeFlow", MenuLayout::Titled, 10, kUnitVolumeFlow},
    {MenuId::UnitDensity, "UnitDensity", MenuLayout::Titled, 4, kUnitDensity},
    {MenuId::UnitTemperature, "UnitTemperature", MenuLayout::Titled, 3, kUnitTemperature},
    {MenuId::UnitCorrVolumeFlow, "UnitCorrVolumeFlow", MenuLayout::Titled, 10, kUnitCorrVolumeFlow},
    {MenuId::UnitRefDensity, "UnitRefDensity", MenuLayout::Titled, 4, kUnitRefDensity},
    {MenuId::UnitMass, "UnitMass", MenuLayout::Titled, 4, kUnitMass},
    {MenuId::UnitVolume, "UnitVolume", MenuLayout::Titled, 4, kUnitVolume},
    {MenuId::UnitCorrVolume, "UnitCorrVolume", MenuLayout::Titled, 4, kUnitCorrVolume},
    {MenuId::AssignField1, "AssignField1", MenuLayout::Titled, 28, kAssignField1},
    {MenuId::AssignField2, "AssignField2", MenuLayout::Titled, 28, kAssignField2},
    {MenuId::AssignFieldMix1, "AssignFieldMix1", MenuLayout::Titled, 29, kAssignFieldMix1},
    {MenuId::AssignFieldMix2, "AssignFieldMix2", MenuLayout::Titled, 29, kAssignFieldMix2},
    {MenuId::AssignTotal, "AssignTotal", MenuLayout::Titled, 9, kAssignTotal},
    {MenuId::AssignOutput, "AssignOutput", MenuLayout::Titled, 8, kAssignOutput},
    {MenuId::AssignStatus, "AssignStatus", MenuLayout::Titled, 17, kAssignStatus},
    {MenuId::AssignCutOff, "AssignCutOff", MenuLayout::Titled, 5, kAssignCutOff},
    {MenuId::AssignInput, "AssignInput", MenuLayout::Titled, 8, kAssignInput},
    {MenuId::TypeOutput1, "TypeOutput1", MenuLayout::Titled, 5, kTypeOutput1},
    {MenuId::TypeOutput2, "TypeOutput2", MenuLayout::Titled, 4, kTypeOutput2},
    {MenuId::SimPulse, "SimPulse", MenuLayout::Titled, 4, kSimPulse},
    {MenuId::SimOnOff, "SimOnOff", MenuLayout::Titled, 3, kSimOnOff},
    {MenuId::FailsafeFreq, "FailsafeFreq", MenuLayout::Titled, 5, kFailsafeFreq},
    {MenuId::TypeRefDensity, "TypeRefDensity", MenuLayout::Titled, 3, kTypeRefDensity},
    {MenuId::Orientation, "Orientation", MenuLayout::Titled, 3, kOrientation},
    {MenuId::Language, "Language", MenuLayout::Titled, 3, kLanguage},
    {MenuId::TotalizerMenu, "TotalizerMenu", MenuLayout::Titled, 6, kTotalizerMenu},
    {MenuId::FormatVariable, "FormatVariable", MenuLayout::Titled, 8, kFormatVariable},
    {MenuId::TotalizerMode, "TotalizerMode", MenuLayout::Titled, 4, kTotalizerMode},
    {MenuId::StatusTotal1, "StatusTotal1", MenuLayout::Titled, 3, kStatusTotal1},
    {MenuId::ResetTotal1, "ResetTotal1", MenuLayout::Titled, 3, kResetTotal1},
    {MenuId::StatusTotal2, "StatusTotal2", MenuLayout::Titled, 3, kStatusTotal2},
    {MenuId::ResetTotal2, "ResetTotal2", MenuLayout::Titled, 3, kResetTotal2},
    {MenuId::StatusTotal3, "StatusTotal3", MenuLayout::Titled, 3, kStatusTotal3},
    {MenuId::ResetTotal3, "ResetTotal3", MenuLayout::Titled, 3, kResetTotal3},
    {MenuId::StatusTotal4, "StatusTotal4", MenuLayout::Titled, 3, kStatusTotal4},
    {MenuId::ResetTotal4, "ResetTotal4", MenuLayout::Titled, 3, kResetTotal4},
    {MenuId::TotalizerFailsafe, "TotalizerFailsafe", MenuLayout::Titled, 4, kTotalizerFailsafe},
    {MenuId::PulseMode, "PulseMode", MenuLayout::Titled, 5, kPulseMode},
    {MenuId::PulseFailsafe, "PulseFailsafe", MenuLayout::Titled, 4, kPulseFailsafe},
    {MenuId::OutputMode, "OutputMode", MenuLayout::Titled, 3, kOutputMode},
    {MenuId::BaudRate, "BaudRate", MenuLayout::Titled, 11, kBaudRate},
    {MenuId::Parity, "Parity", MenuLayout::Titled, 4, kParity},
    {MenuId::OnOff, "OnOff", MenuLayout::Titled, 3, kOnOff},
    {MenuId::ConcentrationCalc, "ConcentrationCalc", MenuLayout::Titled, 3, kConcentrationCalc},
    {MenuId::ApproxMethod, "ApproxMethod", MenuLayout::Titled, 3, kApproxMethod},
    {MenuId::CurrentMode, "CurrentMode", MenuLayout::Titled, 4, kCurrentMode},
    {MenuId::CurrentFailsafe, "CurrentFailsafe", MenuLayout::Titled, 4, kCurrentFailsafe},
    {MenuId::Sertification, "Sertification", MenuLayout::Untitled, 3, kSertification},
    {MenuId::SensorType, "SensorType", MenuLayout::Untitled, 7, kSensorType},
    {MenuId::ZeroAdjust, "ZeroAdjust", MenuLayout::Titled, 3, kZeroAdjust},
    {MenuId::FixedParameter, "FixedParameter", MenuLayout::Titled, 5, kFixedParameter},
};
// clang-format on

static_assert(std::size(kMenus) == static_cast<std::size_t>(MenuId::FixedParameter),
              "one table per MenuId, in MenuId order");

}  // namespace

std::span<const DeviceMenu> DeviceMenus() { return kMenus; }

}  // namespace tarvix
