#include "string_table.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <iterator>

namespace tarvix {
namespace {

struct Entry {
    int number;
    const char* text;  // UTF-8 Russian source
};

// Keep sorted by number: lookups are binary searches.
constexpr Entry kStrings[] = {
    {0, QT_TRANSLATE_NOOP("Strings", "Сервисная программа Сортан Квирон")},
    {1, QT_TRANSLATE_NOOP("Strings", "Предупреждение процесса")},
    {2, QT_TRANSLATE_NOOP("Strings", "Предупреждение системы")},
    {3, QT_TRANSLATE_NOOP("Strings", "Ошибка процесса")},
    {4, QT_TRANSLATE_NOOP("Strings", "Ошибка системы")},
    {5, QT_TRANSLATE_NOOP("Strings", "Расходомер отключен")},
    {6, QT_TRANSLATE_NOOP("Strings", "Расходомер подключен")},
    {7, QT_TRANSLATE_NOOP("Strings", "Работа с файлом конфигурации")},
    {9, QT_TRANSLATE_NOOP("Strings", "Тип события")},
    {10, QT_TRANSLATE_NOOP("Strings", "№")},
    {11, QT_TRANSLATE_NOOP("Strings", "Событие")},
    {14, QT_TRANSLATE_NOOP("Strings", "Расход,Q/Qmax")},
    {15, QT_TRANSLATE_NOOP("Strings", "Корр-ия, кг/ч")},
    {16, QT_TRANSLATE_NOOP("Strings", "чч:мм:сс")},
    {23, QT_TRANSLATE_NOOP("Strings", "Отмена")},
    {24, QT_TRANSLATE_NOOP("Strings", "Готово")},
    {25, QT_TRANSLATE_NOOP("Strings", "Только чтение")},
    {26, QT_TRANSLATE_NOOP("Strings", "Чтение и запись")},
    {115,
     QT_TRANSLATE_NOOP("Strings", "Превышен интервал ожидания при обмене данными с расходомером.")},
    {116, QT_TRANSLATE_NOOP("Strings", "Нет ответа от расходомера")},
    {118, QT_TRANSLATE_NOOP("Strings", "Ошибка обмена данными с расходомером.")},
    {119, QT_TRANSLATE_NOOP("Strings", "Новые значения успешно записаны в память расходомера.")},
    {120, QT_TRANSLATE_NOOP("Strings", "Новые значения успешно записаны в файл конфигурации.")},
    {121, QT_TRANSLATE_NOOP("Strings",
                            "Программа не успела выполнить цикл сбора данных за интервал опроса")},
    {122, QT_TRANSLATE_NOOP(
              "Strings",
              "Произошла ошибка при получении данных из расходомера. Не все данные получены.")},
    {123, QT_TRANSLATE_NOOP("Strings",
                            "Необходимо перевести программу в режим оффлайн\nСделать это сейчас?")},
    {124, QT_TRANSLATE_NOOP("Strings", "Чтение конфигурации из файла ")},
    {125, QT_TRANSLATE_NOOP("Strings", "Ошибка контрольной суммы")},
    {126, QT_TRANSLATE_NOOP("Strings", "Дата последнего изменения в файле конфигурации: ")},
    {127, QT_TRANSLATE_NOOP("Strings", "Завершение программы")},
    {128, QT_TRANSLATE_NOOP("Strings",
                            "Вы уверены, что хотите сбросить текущую калибровку токового выхода?")},
    {129,
     QT_TRANSLATE_NOOP(
         "Strings",
         "Ошибка связи при восстановлении заводских коэффициентов. Результат операции неизвестен")},
    {130, QT_TRANSLATE_NOOP("Strings",
                            "Восстановлены заводские коэффициенты калибровки токового выхода")},
    {131, QT_TRANSLATE_NOOP(
              "Strings",
              "Ошибка связи при записи заводских коэффициентов. Результат операции неизвестен")},
    {132,
     QT_TRANSLATE_NOOP("Strings", "Записаны заводские коэффициенты калибровки токового выхода")},
    {133, QT_TRANSLATE_NOOP("Strings", "Ошибка связи при отправке команды записи графиков")},
    {134, QT_TRANSLATE_NOOP("Strings", "Ошибка связи при опросе состояния записи графиков")},
    {135, QT_TRANSLATE_NOOP("Strings", "Графики записаны в память расходомера")},
    {136, QT_TRANSLATE_NOOP("Strings", "Графики НЕ записаны в память расходомера")},
    {137, QT_TRANSLATE_NOOP("Strings",
                            "Во время получения сигнала может быть нарушена работа импульсного "
                            "выхода.\nВы действительно желаете получить сигналы?")},
    {138, QT_TRANSLATE_NOOP("Strings", "Лог индикатора")},
    {139, QT_TRANSLATE_NOOP("Strings", "Задайте имя профиля")},
    {140, QT_TRANSLATE_NOOP("Strings", "Расходомер не подключен.\nЖелаете подключить расходомер?")},
    {141, QT_TRANSLATE_NOOP("Strings", "Нет свободных строк")},
    {142, QT_TRANSLATE_NOOP("Strings", "Не является числом")},
    {143, QT_TRANSLATE_NOOP("Strings", "Задайте интервал опроса, мс")},
    {144, QT_TRANSLATE_NOOP("Strings", "Поток связи неожиданно прекратил работу")},
    {145, QT_TRANSLATE_NOOP("Strings",
                            "Поток связи неожиданно прекратил работу.\nПерезапустите программу.")},
    {146, QT_TRANSLATE_NOOP("Strings", "Данный параметр предназначен только для чтения")},
    {147, QT_TRANSLATE_NOOP("Strings",
                            "Ошибка при сохранении в файл значений параметров. Запись в файл "
                            "прекращена")},
    {148, QT_TRANSLATE_NOOP(
              "Strings",
              "Ошибка при записи параметров связи в расходомер. Настройки сервисной программы НЕ "
              "изменены.\nПроверьте настройки связи расходомера с помощью локального интерфейса")},
    {151, QT_TRANSLATE_NOOP("Strings",
                            "Точки КЛ-коррекции не отсортированы в порядке возрастания расхода.")},
    {201, QT_TRANSLATE_NOOP("Strings", "мА")},
    {343, QT_TRANSLATE_NOOP("Strings", "Время")},
    {344, QT_TRANSLATE_NOOP("Strings", "Мас.расх.")},
    {345, QT_TRANSLATE_NOOP("Strings", "Об.расх.")},
    {346, QT_TRANSLATE_NOOP("Strings", "Плотность")},
    {347, QT_TRANSLATE_NOOP("Strings", "Температура")},
    {348, QT_TRANSLATE_NOOP("Strings", "Прив.об.расх.")},
    {349, QT_TRANSLATE_NOOP("Strings", "Прив.пл-ть")},
    {350, QT_TRANSLATE_NOOP("Strings", "Сумматор1")},
    {351, QT_TRANSLATE_NOOP("Strings", "Сумматор2")},
    {352, QT_TRANSLATE_NOOP("Strings", "ед.мас.р.")},
    {353, QT_TRANSLATE_NOOP("Strings", "ед.об.р.")},
    {354, QT_TRANSLATE_NOOP("Strings", "ед.пл-ти")},
    {355, QT_TRANSLATE_NOOP("Strings", "ед.темп.")},
    {356, QT_TRANSLATE_NOOP("Strings", "ед.прив.об.р.")},
    {357, QT_TRANSLATE_NOOP("Strings", "ед.прив.пл.")},
    {358, QT_TRANSLATE_NOOP("Strings", "ед.сум.1")},
    {359, QT_TRANSLATE_NOOP("Strings", "ед.сум.2")},
    {402, QT_TRANSLATE_NOOP("Strings", "Устройство с адресом ")},
    {403, QT_TRANSLATE_NOOP("Strings", "обнаружено на порту ")},
    {404, QT_TRANSLATE_NOOP("Strings", "Не удалось найти устройство с адресом ")},
    {405, QT_TRANSLATE_NOOP("Strings", " ни на одном из доступных портов")},
    {406, QT_TRANSLATE_NOOP("Strings", "НЕ обнаружено на порту ")},
    {407, QT_TRANSLATE_NOOP("Strings", "Открыт порт ")},
    {408, QT_TRANSLATE_NOOP("Strings", "Не удается открыть порт ")},
    {409, QT_TRANSLATE_NOOP("Strings", "Закрыт порт ")},
    {410, QT_TRANSLATE_NOOP("Strings", "Поиск")},
    {411, QT_TRANSLATE_NOOP("Strings", "Использовать данный порт?")},
    {501, QT_TRANSLATE_NOOP("Strings", "Все готово к расчету коэффициентов")},
    {502, QT_TRANSLATE_NOOP("Strings", "Отправлена команда установки тока ")},
    {506, QT_TRANSLATE_NOOP("Strings", "Ошибка связи. Результат неизвестен")},
    {507, QT_TRANSLATE_NOOP("Strings", "На выходе установлен ток ")},
    {508, QT_TRANSLATE_NOOP("Strings", "Записано значение тока соотв. ")},
    {509, QT_TRANSLATE_NOOP("Strings", "Расчитаны калибровочные коэффициенты")},
    {510, QT_TRANSLATE_NOOP("Strings", "Заводские коэффициенты восстановлены")},
    {511, QT_TRANSLATE_NOOP("Strings", "На выходе установлен заданный ток")},
    {512, QT_TRANSLATE_NOOP("Strings", "Запись значения тока соотв. ")},
    {513, QT_TRANSLATE_NOOP("Strings", "Расчет калибровочных коэффициентов")},
    {514, QT_TRANSLATE_NOOP("Strings", "Восстановление заводских коэффициентов")},
    {515, QT_TRANSLATE_NOOP("Strings", "Процедура калибровки не начата")},
    {516, QT_TRANSLATE_NOOP("Strings",
                            "Токовый выход расходомера остался в режиме имитации: %1.\nПрограмма "
                            "выключит режим имитации, как только расходомер ответит.")},
    {517, QT_TRANSLATE_NOOP("Strings",
                            "Токовый выход расходомера остался в режиме имитации: %1.\nВыключите "
                            "режим имитации на странице \"Токовый\".")},
    {518, QT_TRANSLATE_NOOP("Strings", "Режим имитации токового выхода выключен")},
    {519, QT_TRANSLATE_NOOP("Strings", "Калибровка выполнена. Сохранить протокол калибровки?")},
    {520, QT_TRANSLATE_NOOP("Strings", "Протокол калибровки не сохранен")},
    {521, QT_TRANSLATE_NOOP("Strings", "Протокол калибровки токового выхода 4-20 мА")},
    {522, QT_TRANSLATE_NOOP("Strings", "Дата и время")},
    {523, QT_TRANSLATE_NOOP("Strings", "Заводской номер расходомера")},
    {524, QT_TRANSLATE_NOOP("Strings", "Номер модуля токового выхода")},
    {525, QT_TRANSLATE_NOOP("Strings", "Измерено при 4 мА")},
    {526, QT_TRANSLATE_NOOP("Strings", "Измерено при 20 мА")},
    {527, QT_TRANSLATE_NOOP("Strings", "Смещение до калибровки")},
    {528, QT_TRANSLATE_NOOP("Strings", "Коэффициент усиления до калибровки")},
    {529, QT_TRANSLATE_NOOP("Strings", "Смещение после калибровки")},
    {530, QT_TRANSLATE_NOOP("Strings", "Коэффициент усиления после калибровки")},
    {531, QT_TRANSLATE_NOOP("Strings", "Проверка выхода")},
    {532, QT_TRANSLATE_NOOP("Strings", "Задано, мА")},
    {533, QT_TRANSLATE_NOOP("Strings", "Измерено, мА")},
    {534, QT_TRANSLATE_NOOP("Strings", "Ошибка, %")},
    {535, QT_TRANSLATE_NOOP("Strings", "Проверка не выполнялась.")},
    {536, QT_TRANSLATE_NOOP("Strings", "Токовый выход выведен из режима имитации.")},
    {537, QT_TRANSLATE_NOOP("Strings",
                            "Прибор не подтвердил выход токового выхода из режима имитации.")},
    {538, QT_TRANSLATE_NOOP("Strings", "Инженер:")},
    {539, QT_TRANSLATE_NOOP("Strings", "нет данных")},
    {600, QT_TRANSLATE_NOOP("Strings", "Данный файл используется для записи текущего журнала")},
    {700, QT_TRANSLATE_NOOP("Strings", "Чтение из РМ...")},
    {701, QT_TRANSLATE_NOOP("Strings", "Ошибка")},
    {702, QT_TRANSLATE_NOOP("Strings", "Прервано")},
    {703, QT_TRANSLATE_NOOP("Strings", "Выполнено")},
    {704, QT_TRANSLATE_NOOP("Strings", "Чтение из файла...")},
    {705, QT_TRANSLATE_NOOP("Strings", "Ошибка контрольной суммы")},
    {706, QT_TRANSLATE_NOOP("Strings", "Запись в РМ...")},
    {707, QT_TRANSLATE_NOOP("Strings", "Прервать")},
    {708, QT_TRANSLATE_NOOP("Strings", "Закрыть")},
    {709, QT_TRANSLATE_NOOP("Strings", "ожидание")},
    {710, QT_TRANSLATE_NOOP("Strings", "\nПроверьте наличие перемычки для записи во FRAM")},
    {711, QT_TRANSLATE_NOOP("Strings", "Не удалось записать файл дампа.")},
    {712, QT_TRANSLATE_NOOP("Strings", "Не удается прочитать файл.")},
    {800, QT_TRANSLATE_NOOP("Strings", "Исключение Modbus 0x01: Команда не поддерживается")},
    {801, QT_TRANSLATE_NOOP("Strings", "Исключение Modbus 0x02: Неверный адрес регистра")},
    {802,
     QT_TRANSLATE_NOOP("Strings", "Исключение Modbus 0x03: Ошибка в структуре данных в запросе")},
    {803, QT_TRANSLATE_NOOP("Strings", "Исключение Modbus 0x04: Ошибка записи")},
    {804, QT_TRANSLATE_NOOP("Strings", "Исключение Modbus 0x05: Устройство защищено от записи")},
    {805, QT_TRANSLATE_NOOP("Strings",
                            "Исключение Modbus 0x09: Ошибка при чтении сохраненных сигналов")},
    {806, QT_TRANSLATE_NOOP("Strings", "Ошибка связи: получено 0 байт")},
    {807, QT_TRANSLATE_NOOP("Strings", "Ошибка связи: неправильная длина ответа")},
    {808,
     QT_TRANSLATE_NOOP("Strings", "Ошибка связи: получен ответ от устройства с другим адресом")},
    {809, QT_TRANSLATE_NOOP("Strings", "Ошибка связи: неверная контрольная сумма")},
    {810, QT_TRANSLATE_NOOP("Strings",
                            "Ошибка при чтении конфигурации из файла: Не найден узел с данными")},
    {811, QT_TRANSLATE_NOOP("Strings", "Ошибка записи в файл конфигурации")},
    {900, QT_TRANSLATE_NOOP("Strings", "Ошибка")},
    {901, QT_TRANSLATE_NOOP("Strings", "Подключение")},
    {903, QT_TRANSLATE_NOOP("Strings", "Закрыть")},
    {904, QT_TRANSLATE_NOOP("Strings", "Отмена")},
    {950, QT_TRANSLATE_NOOP("Strings", "d, кг/м3")},
    {951, QT_TRANSLATE_NOOP("Strings", "Файл не является таблицей плотности: %1")},
    {952, QT_TRANSLATE_NOOP("Strings", "в файле больше %1 строк")},
    {953, QT_TRANSLATE_NOOP("Strings", "в строке %1 не %2 поля")},
    {954, QT_TRANSLATE_NOOP("Strings", "в строке %1 значение \"%2\" не является числом")},
    {955, QT_TRANSLATE_NOOP("Strings", "Не удалось записать файл таблицы.")},
    {1000, QT_TRANSLATE_NOOP("Strings", "Массовый расход")},
    {1001, QT_TRANSLATE_NOOP("Strings", "Объемный расход")},
    {1002, QT_TRANSLATE_NOOP("Strings", "Плотность в рабочих условиях")},
    {1003, QT_TRANSLATE_NOOP("Strings", "Приведенная плотность")},
    {1004, QT_TRANSLATE_NOOP("Strings", "Приведенный объемный расход")},
    {1005, QT_TRANSLATE_NOOP("Strings", "Температура")},
    {4100, QT_TRANSLATE_NOOP("Strings", "Недопустимое значение: %1")},
    {4101, QT_TRANSLATE_NOOP("Strings", "%1 выходит за пределы допустимых значений: %2..%3")},
    {4102, QT_TRANSLATE_NOOP("Strings", "Строка %1 не является числом в формате %2")},
    {4103, QT_TRANSLATE_NOOP("Strings", "Формат %1 не подходит для вывода значения")},
    // The serial-port problems. The English module's texts follow each as a translator's note.
    //: No access: user %1 is not in the group "%2" that owns the port. Add the user to the
    //: group with "sudo usermod -aG %2 $USER" and log in again.
    {4200, QT_TRANSLATE_NOOP("Strings",
                             "Нет доступа: пользователь %1 не входит в группу «%2», которой "
                             "принадлежит порт. Добавьте его в группу командой «sudo usermod -aG "
                             "%2 $USER» и войдите в систему заново.")},
    //: No access: only the port's owner, user %1, may open it.
    {4201, QT_TRANSLATE_NOOP("Strings",
                             "Нет доступа: открыть порт может только его владелец, "
                             "пользователь %1.")},
    //: The port is in use by another program. Close it and try again.
    {4202, QT_TRANSLATE_NOOP("Strings",
                             "Порт занят другой программой. Закройте ее и повторите попытку.")},
    //: The port is in use by another program: %1. Close it and try again.
    {4203, QT_TRANSLATE_NOOP("Strings",
                             "Порт занят другой программой: %1. Закройте ее и повторите попытку.")},
    //: The adapter of port %1 was unplugged (%2). Plug it in again and choose "Online".
    {4204, QT_TRANSLATE_NOOP("Strings",
                             "Адаптер порта %1 отключен (%2). Подключите его снова и выберите "
                             "«Онлайн».")},
    {4300, QT_TRANSLATE_NOOP("Strings", "Не удалось записать файл настроек %1")},
    {4301, QT_TRANSLATE_NOOP("Strings", "Integer")},
    {4302, QT_TRANSLATE_NOOP("Strings", "Floating point")},
    {4303, QT_TRANSLATE_NOOP("Strings", "Commentary")},
    {4304, QT_TRANSLATE_NOOP("Strings", "Настройки: %1")},
    {4305, QT_TRANSLATE_NOOP("Strings", "в папке программы")},
    {4306, QT_TRANSLATE_NOOP("Strings", "в папке данных пользователя")},
    {4307, QT_TRANSLATE_NOOP("Strings", "собрана не из репозитория git")},
    {4310, QT_TRANSLATE_NOOP("Strings", "[файл длиннее %1 МБ: показано его начало]")},
    {4400, QT_TRANSLATE_NOOP("Strings", "Имя профиля не задано")},
    {4401, QT_TRANSLATE_NOOP("Strings",
                             "Имя профиля не может содержать «[», «]» и управляющие символы, "
                             "начинаться с «;» и быть длиннее %1 символов")},
    {4402, QT_TRANSLATE_NOOP("Strings", "Имя «%1» занято другим разделом файла настроек")},
    {4403, QT_TRANSLATE_NOOP("Strings", "Не удалось записать файл настроек: профили не изменены")},
    {4420, QT_TRANSLATE_NOOP("Strings",
                             "Параметры измерительного модуля в файле конфигурации не хранятся")},
    {4440, QT_TRANSLATE_NOOP("Strings", "Прервать")},
    {4441, QT_TRANSLATE_NOOP("Strings", "Получение сигналов прервано, графики не изменены")},
    {4443, QT_TRANSLATE_NOOP("Strings",
                             "Блок сигналов (канал %1, отсчёт %2): измерительный модуль прислал "
                             "другой блок, блок не принят")},
    {4444, QT_TRANSLATE_NOOP("Strings",
                             "Файл %1 больше %2 МБ и не может быть файлом сигналов. Файл не "
                             "загружен.")},
    {4445, QT_TRANSLATE_NOOP("Strings", "Не удалось прочитать файл %1: %2")},
    {4446, QT_TRANSLATE_NOOP("Strings", "Не удалось записать файл %1: %2")},
    {4447, QT_TRANSLATE_NOOP("Strings", "Сигналы получены из памяти расходомера")},
    //: File %1 is larger than %2 KB: it is no DspEeprom dump.
    {4460, QT_TRANSLATE_NOOP("Strings", "Файл %1 больше %2 КБ: это не дамп DspEeprom.")},
    //: The file has no parameter %1.
    {4461, QT_TRANSLATE_NOOP("Strings", "В файле нет параметра %1.")},
    //: Parameter %1: "%2" is not a number.
    {4462, QT_TRANSLATE_NOOP("Strings", "Параметр %1: «%2» — не число.")},
    //: Parameter %1: the value %2 does not fit the parameter's %3 bytes.
    {4463,
     QT_TRANSLATE_NOOP("Strings", "Параметр %1: значение %2 не помещается в %3 байта параметра.")},
    //: Parameter %1: %2 is no production date (day, month, year 2000..2099).
    {4464, QT_TRANSLATE_NOOP(
               "Strings", "Параметр %1: %2 — не дата изготовления (день, месяц, год 2000..2099).")},
    //: Parameter %1: %2 is no floating-point number (NaN or infinity).
    {4465,
     QT_TRANSLATE_NOOP("Strings",
                       "Параметр %1: %2 — не число с плавающей точкой (NaN или бесконечность).")},
    //: Nothing was sent to the measuring module.
    {4466, QT_TRANSLATE_NOOP("Strings", "Измерительному модулю ничего не отправлено.")},
    //: Parameters written: %1 of %2.
    {4467, QT_TRANSLATE_NOOP("Strings", "Записано параметров: %1 из %2.")},
    {4480, QT_TRANSLATE_NOOP("Strings",
                             "Языковой модуль %1 отсутствует или поврежден: язык окон не изменен")},
    {4481, QT_TRANSLATE_NOOP("Strings", "Неизвестный язык в файле настроек (%1): выбран русский")},
    //: The language code of the system's message catalogues (/usr/share/locale/<code>) in
    //: this language, for the system's error texts; "en" takes the system's own English.
    {4482, QT_TRANSLATE_NOOP("Strings", "ru")},
    //: received %1
    {4500, QT_TRANSLATE_NOOP("Strings", "получено %1")},
    //: not received
    {4501, QT_TRANSLATE_NOOP("Strings", "не получено")},
    //: No answer since %1
    {4502, QT_TRANSLATE_NOOP("Strings", "Нет ответа с %1")},
    //: Values not written: %1 of %2 — %3
    {4503, QT_TRANSLATE_NOOP("Strings", "Не записано значений: %1 из %2 — %3")},
    {4520, QT_TRANSLATE_NOOP("Strings", "Не удалось показать папку %1")},
};

const Entry* Find(int n) {
    const auto* it = std::lower_bound(std::begin(kStrings), std::end(kStrings), n,
                                      [](const Entry& e, int v) { return e.number < v; });
    return (it != std::end(kStrings) && it->number == n) ? it : nullptr;
}

}  // namespace

QString Str(int n) {
    const Entry* e = Find(n);
    return e ? QCoreApplication::translate("Strings", e->text) : QString();
}

QString StrSource(int n) {
    const Entry* e = Find(n);
    return e ? QString::fromUtf8(e->text) : QString();
}

int StrCount() { return static_cast<int>(std::size(kStrings)); }

int StrNumberAt(int i) { return (i >= 0 && i < StrCount()) ? kStrings[i].number : -1; }

}  // namespace tarvix
