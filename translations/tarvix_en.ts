<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>EditFmInfo</name>
    <message>
        <source>Расходомер</source>
        <translation>Flowmeter</translation>
    </message>
    <message>
        <source>Информация о сенсоре</source>
        <translation>Sensor information</translation>
    </message>
    <message>
        <source>Преобразователь</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Измерительный модуль</source>
        <translation>Measuring module</translation>
    </message>
    <message>
        <source>Модуль токового выхода</source>
        <translation>Current output module</translation>
    </message>
</context>
<context>
    <name>FmInfo</name>
    <message>
        <source>Расходомер</source>
        <translation>Flowmeter</translation>
    </message>
    <message>
        <source>Информация о сенсоре</source>
        <translation>Sensor information</translation>
    </message>
    <message>
        <source>Преобразователь</source>
        <translation>Transmitter</translation>
    </message>
    <message>
        <source>Измерительный модуль</source>
        <translation>Measuring module</translation>
    </message>
    <message>
        <source>Модуль токового выхода</source>
        <translation>Current output module</translation>
    </message>
</context>
<context>
    <name>GridFiles</name>
    <message>
        <source>Comma separated values (*.csv)</source>
        <translation>Comma separated values (*.csv)</translation>
    </message>
    <message>
        <source>CommaSeparatedValues (*.csv)</source>
        <translation>CommaSeparatedValues (*.csv)</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Ошибка при создании файла журнала </source>
        <translation>Error creating the journal file </translation>
    </message>
    <message>
        <source>[ошибка записи в файл журнала следующей записи]</source>
        <translation>[error writing the next entry to the journal file]</translation>
    </message>
</context>
<context>
    <name>LiveData</name>
    <message>
        <source>Текущие данные</source>
        <translation>Actual values</translation>
    </message>
    <message>
        <source>Опрос</source>
        <translation>Poll</translation>
    </message>
    <message>
        <source>получение данных...</source>
        <translation>receiving data...</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Сохранить в файл...</source>
        <translation>Save to file...</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Мас. расход</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Объем.р.</source>
        <translation>Vol. flow</translation>
    </message>
    <message>
        <source>Плотность</source>
        <translation>Fluid density</translation>
    </message>
    <message>
        <source>Темп.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Прив.об.р.</source>
        <translation>Corr. vol. flow</translation>
    </message>
    <message>
        <source>Прив.пл.</source>
        <translation>Ref. dens.</translation>
    </message>
</context>
<context>
    <name>PageADC</name>
    <message>
        <source>Коды АЦП</source>
        <translation>ADC codes</translation>
    </message>
    <message>
        <source>Опрос</source>
        <translation>Poll</translation>
    </message>
    <message>
        <source>Сохранить в файл...</source>
        <translation>Save to file...</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>ТС</source>
        <translation>TS</translation>
    </message>
    <message>
        <source>Robr</source>
        <translation>Robr</translation>
    </message>
    <message>
        <source>Ug</source>
        <translation>Ug</translation>
    </message>
    <message>
        <source>IT</source>
        <translation>IT</translation>
    </message>
    <message>
        <source>VM</source>
        <translation>VM</translation>
    </message>
    <message>
        <source>Diag</source>
        <translation>Diag</translation>
    </message>
</context>
<context>
    <name>PageBasic</name>
    <message>
        <source>Выберите базовую функцию в списке слева</source>
        <translation>Select a basic function in the list on the left</translation>
    </message>
</context>
<context>
    <name>PageCarrierFluid</name>
    <message>
        <source>Параметры среды-носителя</source>
        <translation>Carrier fluid parameters</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Кусочно-линейная таблица плотности</source>
        <translation>Piecewise linear density table</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>t, °C</source>
        <translation>t, °C</translation>
    </message>
    <message>
        <source>d, кг/м3</source>
        <translation>d, kg/m3</translation>
    </message>
    <message>
        <source>Сохранить в файл...</source>
        <translation>Save to file...</translation>
    </message>
    <message>
        <source>Загрузить из файла...</source>
        <translation>Load from file...</translation>
    </message>
    <message>
        <source>Температурный диапазон должен быть упорядочен по возрастанию!</source>
        <translation>Temperatures must be in ascending order!</translation>
    </message>
</context>
<context>
    <name>PageCharts</name>
    <message>
        <source>Графики</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Обновлять</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>получение данных...</source>
        <translation>receiving data...</translation>
    </message>
</context>
<context>
    <name>PageConcentration</name>
    <message>
        <source>Концентрация</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>Целевая среда</source>
        <translation>Target Fluid</translation>
    </message>
    <message>
        <source>Среда-носитель</source>
        <translation>Carrier Fluid</translation>
    </message>
    <message>
        <source>Плотность</source>
        <translation>Fluid density</translation>
    </message>
    <message>
        <source>Массовый расход</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Объемный расход</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>Массовая концентрация</source>
        <translation>Mass concentration</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Объемная концентрация</source>
        <translation>Volume concentration</translation>
    </message>
</context>
<context>
    <name>PageCorio</name>
    <message>
        <source>Corio</source>
        <translation>Corio</translation>
    </message>
    <message>
        <source>Доступные параметры</source>
        <translation>Available parameters</translation>
    </message>
    <message>
        <source>Текущее значение</source>
        <translation>Current value</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>авто-обновление</source>
        <translation>auto update</translation>
    </message>
    <message>
        <source>Расшифровка / исходное</source>
        <translation>Decoded / raw</translation>
    </message>
    <message>
        <source>Доступ:</source>
        <translation>Access:</translation>
    </message>
    <message>
        <source>Полное наименование</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>PageCurCal</name>
    <message>
        <source>Текущее состояние</source>
        <translation>Current state</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Пользовательская калибровка</source>
        <translation>User calibration</translation>
    </message>
    <message>
        <source>Мастер калибровки...</source>
        <translation>Calibration wizard...</translation>
    </message>
    <message>
        <source>Копировать польз. в скр.</source>
        <translation>Copy user to hidden</translation>
    </message>
    <message>
        <source>Заводская калибровка</source>
        <translation>Factory calibration</translation>
    </message>
    <message>
        <source>Термокомпенсация</source>
        <translation>Temperature compensation</translation>
    </message>
    <message>
        <source>Модуль токового выхода</source>
        <translation>Current output module</translation>
    </message>
</context>
<context>
    <name>PageCurOut</name>
    <message>
        <source>Настройка</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Калибровка</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Мастер калибровки...</source>
        <translation>Calibration wizard...</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>PageCutOff</name>
    <message>
        <source>Отсечка</source>
        <translation>Cutoff</translation>
    </message>
</context>
<context>
    <name>PageDSP</name>
    <message>
        <source>Измерительный модуль</source>
        <translation>Measuring module</translation>
    </message>
    <message>
        <source>Сброс контроллера</source>
        <translation>Controller reset</translation>
    </message>
</context>
<context>
    <name>PageDspFile</name>
    <message>
        <source>Страницы измерительного модуля доступны только в режиме &quot;Онлайн&quot;: файл конфигурации не содержит его параметров</source>
        <translation>The measuring module pages are available in &quot;Online&quot; mode only: the configuration file does not hold its parameters</translation>
    </message>
</context>
<context>
    <name>PageErrors</name>
    <message>
        <source>Сообщения</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Цвет индикатора</source>
        <translation>Indicator colour</translation>
    </message>
    <message>
        <source>Количество сообщений:</source>
        <translation>Number of messages:</translation>
    </message>
    <message>
        <source>Адрес ошибки данных:</source>
        <translation>Data error address:</translation>
    </message>
    <message>
        <source>Связь с измерительным модулем</source>
        <translation>Link to the measuring module</translation>
    </message>
    <message>
        <source>Общее количество ошибок связи:</source>
        <translation>Total link errors:</translation>
    </message>
    <message>
        <source>Ошибок связи из-за таймаута:</source>
        <translation>Link errors due to time-out:</translation>
    </message>
    <message>
        <source>Список сообщений</source>
        <translation>Message list</translation>
    </message>
    <message>
        <source>Тип события</source>
        <translation>Event type</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Микропереключатели</source>
        <translation>DIP switches</translation>
    </message>
    <message>
        <source>Блокировка записи по Modbus</source>
        <translation>Modbus write lock</translation>
    </message>
    <message>
        <source>Блокировка кнопок</source>
        <translation>Keypad lock</translation>
    </message>
</context>
<context>
    <name>PageField1</name>
    <message>
        <source>Поле 1</source>
        <translation>Field 1</translation>
    </message>
    <message>
        <source>ВПИ (100%)</source>
        <translation>URV (100%)</translation>
    </message>
    <message>
        <source>Мультипликатор поля 1</source>
        <translation>Field 1 multiplier</translation>
    </message>
</context>
<context>
    <name>PageField2</name>
    <message>
        <source>Поле 2</source>
        <translation>Field 2</translation>
    </message>
    <message>
        <source>ВПИ (100%)</source>
        <translation>URV (100%)</translation>
    </message>
    <message>
        <source>Мультипликатор поля 2</source>
        <translation>Field 2 multiplier</translation>
    </message>
</context>
<context>
    <name>PageFiltered</name>
    <message>
        <source>Сигналы на выходе цифрового фильтра</source>
        <translation>Digital filter output signals</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Получить</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Загрузить...</source>
        <translation>Load...</translation>
    </message>
</context>
<context>
    <name>PageFreq1</name>
    <message>
        <source>Частотный выход 1</source>
        <translation>Frequency output 1</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
</context>
<context>
    <name>PageFreq2</name>
    <message>
        <source>Частотный выход 2</source>
        <translation>Frequency output 2</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
</context>
<context>
    <name>PageInput1</name>
    <message>
        <source>Дискретный вход 1</source>
        <translation>Discrete input 1</translation>
    </message>
</context>
<context>
    <name>PageInput2</name>
    <message>
        <source>Дискретный вход 2</source>
        <translation>Discrete input 2</translation>
    </message>
</context>
<context>
    <name>PageInputs</name>
    <message>
        <source>Выберите дискретный вход в списке слева</source>
        <translation>Select a discrete input in the list on the left</translation>
    </message>
</context>
<context>
    <name>PageLCD</name>
    <message>
        <source>Дисплей</source>
        <translation>Display</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>Границы кодов АЦП</source>
        <translation>ADC code limits</translation>
    </message>
</context>
<context>
    <name>PageLinCorr</name>
    <message>
        <source>Коэффициенты линейной коррекции</source>
        <translation>Linear correction coefficients</translation>
    </message>
</context>
<context>
    <name>PageMainVars</name>
    <message>
        <source>Текущие значения</source>
        <translation>Actual values</translation>
    </message>
    <message>
        <source>Единицы измерения</source>
        <translation>Units</translation>
    </message>
</context>
<context>
    <name>PageOut1</name>
    <message>
        <source>Импульсный/частотный/статусный выход 1</source>
        <translation>Pulse/frequency/status output 1</translation>
    </message>
    <message>
        <source>Текущее значение:</source>
        <translation>Current value:</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Симуляция</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Уставка</source>
        <translation>Set point</translation>
    </message>
    <message>
        <source>Счетчик:</source>
        <translation>Counter:</translation>
    </message>
</context>
<context>
    <name>PageOut2</name>
    <message>
        <source>Частотный/статусный выход 2</source>
        <translation>Frequency/status output 2</translation>
    </message>
    <message>
        <source>Текущее значение:</source>
        <translation>Current value:</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Симуляция</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Уставка</source>
        <translation>Set point</translation>
    </message>
</context>
<context>
    <name>PageOut3</name>
    <message>
        <source>Статусный выход 3</source>
        <translation>Status output 3</translation>
    </message>
</context>
<context>
    <name>PageOutputs</name>
    <message>
        <source>Выберите сигнальный выход в списке слева</source>
        <translation>Select a signal output in the list on the left</translation>
    </message>
</context>
<context>
    <name>PageParVals</name>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Полный набор</source>
        <translation>Full set</translation>
    </message>
    <message>
        <source>---&gt;</source>
        <translation>---&gt;</translation>
    </message>
    <message>
        <source>&lt;---</source>
        <translation>&lt;---</translation>
    </message>
    <message>
        <source>Выбраны для отображения</source>
        <translation>Selected for display</translation>
    </message>
    <message>
        <source>Применить изменения</source>
        <translation>Apply changes</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Профили</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Значения</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Опрос</source>
        <translation>Poll</translation>
    </message>
    <message>
        <source>Сохранять в файл:</source>
        <translation>Save to file:</translation>
    </message>
    <message>
        <source>Представление</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Красный:</source>
        <translation>Red:</translation>
    </message>
    <message>
        <source>Нет параметра</source>
        <translation>No parameter</translation>
    </message>
    <message>
        <source>Синий:</source>
        <translation>Blue:</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Загрузить...</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>PagePulse1</name>
    <message>
        <source>Импульсный выход 1</source>
        <translation>Pulse output 1</translation>
    </message>
</context>
<context>
    <name>PagePwlCorr</name>
    <message>
        <source>Кусочно-линейная коррекция массового расхода</source>
        <translation>Piecewise linear mass flow correction</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Расход,Q/Qmax</source>
        <translation>Flow, Q/Qmax</translation>
    </message>
    <message>
        <source>Корр-ия, кг/ч</source>
        <translation>Corr., kg/h</translation>
    </message>
    <message>
        <source>Insert - вставить строку</source>
        <translation>Insert - insert a row</translation>
    </message>
    <message>
        <source>для удаления строки необходимо очистить значение расхода и нажать Enter</source>
        <translation>to delete a row, clear its flow value and press Enter</translation>
    </message>
    <message>
        <source>Модуль токового выхода</source>
        <translation>Current output module</translation>
    </message>
</context>
<context>
    <name>PageRS485</name>
    <message>
        <source>Modbus RS-485</source>
        <translation>Modbus RS-485</translation>
    </message>
</context>
<context>
    <name>PageRefDensity</name>
    <message>
        <source>Приведенная плотность</source>
        <translation>Reference density</translation>
    </message>
    <message>
        <source>t0</source>
        <translation>t0</translation>
    </message>
    <message>
        <source>°С</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Alfa</source>
        <translation>Alfa</translation>
    </message>
    <message>
        <source>Betta</source>
        <translation>Betta</translation>
    </message>
    <message>
        <source>Единицы</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>PageSensor</name>
    <message>
        <source>Калибровка расхода</source>
        <translation>Flow calibration</translation>
    </message>
    <message>
        <source>Калибровка плотности</source>
        <translation>Density calibration</translation>
    </message>
    <message>
        <source>Модуль токового выхода</source>
        <translation>Current output module</translation>
    </message>
</context>
<context>
    <name>PageService</name>
    <message>
        <source>Преобразователь емкость-код</source>
        <translation>Capacitance-to-digital converter</translation>
    </message>
</context>
<context>
    <name>PageSetup0</name>
    <message>
        <source>Установка нуля</source>
        <translation>Zero setup</translation>
    </message>
</context>
<context>
    <name>PageSignals</name>
    <message>
        <source>Исходные сигналы</source>
        <translation>Input signals</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Получить</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Загрузить...</source>
        <translation>Load...</translation>
    </message>
</context>
<context>
    <name>PageStat1</name>
    <message>
        <source>Статусный выход 1</source>
        <translation>Status output 1</translation>
    </message>
</context>
<context>
    <name>PageStat2</name>
    <message>
        <source>Статусный выход 2</source>
        <translation>Status output 2</translation>
    </message>
</context>
<context>
    <name>PageStat3</name>
    <message>
        <source>Статусный выход 3</source>
        <translation>Status output 3</translation>
    </message>
</context>
<context>
    <name>PageSystem</name>
    <message>
        <source>Демпфирование</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>Фиксированный параметр</source>
        <translation>Fixed parameter</translation>
    </message>
</context>
<context>
    <name>PageTargetFluid</name>
    <message>
        <source>Параметры целевой среды</source>
        <translation>Target fluid parameters</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Кусочно-линейная таблица плотности</source>
        <translation>Piecewise linear density table</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>t, °C</source>
        <translation>t, °C</translation>
    </message>
    <message>
        <source>d, кг/м3</source>
        <translation>d, kg/m3</translation>
    </message>
    <message>
        <source>Сохранить в файл...</source>
        <translation>Save to file...</translation>
    </message>
    <message>
        <source>Загрузить из файла...</source>
        <translation>Load from file...</translation>
    </message>
    <message>
        <source>Температурный диапазон должен быть упорядочен по возрастанию!</source>
        <translation>Temperatures must be in ascending order!</translation>
    </message>
</context>
<context>
    <name>PageTotal1</name>
    <message>
        <source>Сумматор 1</source>
        <translation>Totalizer 1</translation>
    </message>
</context>
<context>
    <name>PageTotal2</name>
    <message>
        <source>Сумматор 2</source>
        <translation>Totalizer 2</translation>
    </message>
</context>
<context>
    <name>PageTotal3</name>
    <message>
        <source>Сумматор 3</source>
        <translation>Totalizer 3</translation>
    </message>
</context>
<context>
    <name>PageTotal4</name>
    <message>
        <source>Сумматор 4</source>
        <translation>Totalizer 4</translation>
    </message>
</context>
<context>
    <name>PageTotals</name>
    <message>
        <source>Сумматоры</source>
        <translation>Totalizers</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Сервисная программа Сортан Квирон</source>
        <translation>Sortan Kviron service program</translation>
    </message>
    <message>
        <source>Предупреждение процесса</source>
        <translation>Process warning</translation>
    </message>
    <message>
        <source>Предупреждение системы</source>
        <translation>System warning</translation>
    </message>
    <message>
        <source>Ошибка процесса</source>
        <translation>Process error</translation>
    </message>
    <message>
        <source>Ошибка системы</source>
        <translation>System error</translation>
    </message>
    <message>
        <source>Расходомер отключен</source>
        <translation>Flowmeter disconnected</translation>
    </message>
    <message>
        <source>Расходомер подключен</source>
        <translation>Flowmeter connected</translation>
    </message>
    <message>
        <source>Работа с файлом конфигурации</source>
        <translation>Working on a configuration file</translation>
    </message>
    <message>
        <source>Тип события</source>
        <translation>Event type</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Расход,Q/Qmax</source>
        <translation>Flow, Q/Qmax</translation>
    </message>
    <message>
        <source>Корр-ия, кг/ч</source>
        <translation>Corr., kg/h</translation>
    </message>
    <message>
        <source>чч:мм:сс</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Превышен интервал ожидания при обмене данными с расходомером.</source>
        <translation>Time-out in the data exchange with the flowmeter.</translation>
    </message>
    <message>
        <source>Нет ответа от расходомера</source>
        <translation>No answer from the flowmeter</translation>
    </message>
    <message>
        <source>Новые значения успешно записаны в память расходомера.</source>
        <translation>The new values have been written to the flowmeter.</translation>
    </message>
    <message>
        <source>Новые значения успешно записаны в файл конфигурации.</source>
        <translation>The new values have been written to the configuration file.</translation>
    </message>
    <message>
        <source>Программа не успела выполнить цикл сбора данных за интервал опроса</source>
        <translation>The data acquisition cycle did not finish within the poll interval</translation>
    </message>
    <message>
        <source>Произошла ошибка при получении данных из расходомера. Не все данные получены.</source>
        <translation>An error occurred while receiving data from the flowmeter. Not all data were received.</translation>
    </message>
    <message>
        <source>Необходимо перевести программу в режим оффлайн
Сделать это сейчас?</source>
        <translation>The program must be switched to offline mode.
Do it now?</translation>
    </message>
    <message>
        <source>Чтение конфигурации из файла </source>
        <translation>Reading the configuration from the file </translation>
    </message>
    <message>
        <source>Ошибка контрольной суммы</source>
        <translation>Checksum error</translation>
    </message>
    <message>
        <source>Дата последнего изменения в файле конфигурации: </source>
        <translation>Last change of the configuration file: </translation>
    </message>
    <message>
        <source>Завершение программы</source>
        <translation>Program end</translation>
    </message>
    <message>
        <source>Вы уверены, что хотите сбросить текущую калибровку токового выхода?</source>
        <translation>Are you sure you want to reset the current output calibration?</translation>
    </message>
    <message>
        <source>Ошибка связи при восстановлении заводских коэффициентов. Результат операции неизвестен</source>
        <translation>Link error while restoring the factory coefficients. The result of the operation is unknown</translation>
    </message>
    <message>
        <source>Восстановлены заводские коэффициенты калибровки токового выхода</source>
        <translation>Factory calibration coefficients of the current output restored</translation>
    </message>
    <message>
        <source>Ошибка связи при записи заводских коэффициентов. Результат операции неизвестен</source>
        <translation>Link error while writing the factory coefficients. The result of the operation is unknown</translation>
    </message>
    <message>
        <source>Записаны заводские коэффициенты калибровки токового выхода</source>
        <translation>Factory calibration coefficients of the current output written</translation>
    </message>
    <message>
        <source>Лог индикатора</source>
        <translation>Indicator log</translation>
    </message>
    <message>
        <source>Расходомер не подключен.
Желаете подключить расходомер?</source>
        <translation>The flowmeter is not connected.
Do you want to connect it?</translation>
    </message>
    <message>
        <source>Нет свободных строк</source>
        <translation>No free rows</translation>
    </message>
    <message>
        <source>Не является числом</source>
        <translation>Not a number</translation>
    </message>
    <message>
        <source>Задайте интервал опроса, мс</source>
        <translation>Poll interval, ms</translation>
    </message>
    <message>
        <source>Поток связи неожиданно прекратил работу</source>
        <translation>The communication thread stopped unexpectedly</translation>
    </message>
    <message>
        <source>Поток связи неожиданно прекратил работу.
Перезапустите программу.</source>
        <translation>The communication thread stopped unexpectedly.
Restart the program.</translation>
    </message>
    <message>
        <source>Ошибка при записи параметров связи в расходомер. Настройки сервисной программы НЕ изменены.
Проверьте настройки связи расходомера с помощью локального интерфейса</source>
        <translation>Error writing the link settings to the flowmeter. The service program settings have NOT been changed.
Check the flowmeter link settings on its local interface</translation>
    </message>
    <message>
        <source>Точки КЛ-коррекции не отсортированы в порядке возрастания расхода.</source>
        <translation>The PWL correction points are not sorted by ascending flow.</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Мас.расх.</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Об.расх.</source>
        <translation>Vol.flow</translation>
    </message>
    <message>
        <source>Плотность</source>
        <translation>Fluid density</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Fluid temperature</translation>
    </message>
    <message>
        <source>Прив.об.расх.</source>
        <translation>Corr.vol.flow</translation>
    </message>
    <message>
        <source>Прив.пл-ть</source>
        <translation>Ref.dens.</translation>
    </message>
    <message>
        <source>Сумматор1</source>
        <translation>Totalizer1</translation>
    </message>
    <message>
        <source>Сумматор2</source>
        <translation>Totalizer2</translation>
    </message>
    <message>
        <source>ед.мас.р.</source>
        <translation>unit m.flow</translation>
    </message>
    <message>
        <source>ед.об.р.</source>
        <translation>unit v.flow</translation>
    </message>
    <message>
        <source>ед.пл-ти</source>
        <translation>unit dens.</translation>
    </message>
    <message>
        <source>ед.темп.</source>
        <translation>unit temp.</translation>
    </message>
    <message>
        <source>ед.прив.об.р.</source>
        <translation>unit c.v.flow</translation>
    </message>
    <message>
        <source>ед.прив.пл.</source>
        <translation>unit r.dens.</translation>
    </message>
    <message>
        <source>ед.сум.1</source>
        <translation>unit tot.1</translation>
    </message>
    <message>
        <source>ед.сум.2</source>
        <translation>unit tot.2</translation>
    </message>
    <message>
        <source>Устройство с адресом </source>
        <translation>Device with address </translation>
    </message>
    <message>
        <source>обнаружено на порту </source>
        <translation>found on port </translation>
    </message>
    <message>
        <source>Не удалось найти устройство с адресом </source>
        <translation>Could not find the device with address </translation>
    </message>
    <message>
        <source> ни на одном из доступных портов</source>
        <translation> on any available port</translation>
    </message>
    <message>
        <source>НЕ обнаружено на порту </source>
        <translation>NOT found on port </translation>
    </message>
    <message>
        <source>Открыт порт </source>
        <translation>Port opened </translation>
    </message>
    <message>
        <source>Не удается открыть порт </source>
        <translation>Cannot open port </translation>
    </message>
    <message>
        <source>Закрыт порт </source>
        <translation>Port closed </translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Использовать данный порт?</source>
        <translation>Use this port?</translation>
    </message>
    <message>
        <source>Все готово к расчету коэффициентов</source>
        <translation>Ready to compute the coefficients</translation>
    </message>
    <message>
        <source>Отправлена команда установки тока </source>
        <translation>Sent the command to set the current </translation>
    </message>
    <message>
        <source>Ошибка связи. Результат неизвестен</source>
        <translation>Link error. The result is unknown</translation>
    </message>
    <message>
        <source>На выходе установлен ток </source>
        <translation>Output current set to </translation>
    </message>
    <message>
        <source>Записано значение тока соотв. </source>
        <translation>Written the current measured at </translation>
    </message>
    <message>
        <source>Расчитаны калибровочные коэффициенты</source>
        <translation>Calibration coefficients computed</translation>
    </message>
    <message>
        <source>Заводские коэффициенты восстановлены</source>
        <translation>Factory coefficients restored</translation>
    </message>
    <message>
        <source>На выходе установлен заданный ток</source>
        <translation>The output carries the set current</translation>
    </message>
    <message>
        <source>Запись значения тока соотв. </source>
        <translation>Writing the current measured at </translation>
    </message>
    <message>
        <source>Расчет калибровочных коэффициентов</source>
        <translation>Calculate calibration coefficients</translation>
    </message>
    <message>
        <source>Восстановление заводских коэффициентов</source>
        <translation>Restore factory coefficients</translation>
    </message>
    <message>
        <source>Процедура калибровки не начата</source>
        <translation>The calibration has not been started</translation>
    </message>
    <message>
        <source>Токовый выход расходомера остался в режиме имитации: %1.
Программа выключит режим имитации, как только расходомер ответит.</source>
        <translation>The flowmeter current output was left in simulation mode: %1.
The program switches simulation off as soon as the flowmeter answers.</translation>
    </message>
    <message>
        <source>Токовый выход расходомера остался в режиме имитации: %1.
Выключите режим имитации на странице &quot;Токовый&quot;.</source>
        <translation>The flowmeter current output was left in simulation mode: %1.
Switch simulation off on the &quot;Current&quot; page.</translation>
    </message>
    <message>
        <source>Режим имитации токового выхода выключен</source>
        <translation>Current output simulation switched off</translation>
    </message>
    <message>
        <source>Калибровка выполнена. Сохранить протокол калибровки?</source>
        <translation>Calibration complete. Save the calibration report?</translation>
    </message>
    <message>
        <source>Протокол калибровки не сохранен</source>
        <translation>The calibration report was not saved</translation>
    </message>
    <message>
        <source>Протокол калибровки токового выхода 4-20 мА</source>
        <translation>Calibration report of the 4-20 mA current output</translation>
    </message>
    <message>
        <source>Дата и время</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Заводской номер расходомера</source>
        <translation>Flowmeter serial number</translation>
    </message>
    <message>
        <source>Номер модуля токового выхода</source>
        <translation>Current output module number</translation>
    </message>
    <message>
        <source>Измерено при 4 мА</source>
        <translation>Measured at 4 mA</translation>
    </message>
    <message>
        <source>Измерено при 20 мА</source>
        <translation>Measured at 20 mA</translation>
    </message>
    <message>
        <source>Смещение до калибровки</source>
        <translation>Offset before calibration</translation>
    </message>
    <message>
        <source>Коэффициент усиления до калибровки</source>
        <translation>Gain before calibration</translation>
    </message>
    <message>
        <source>Смещение после калибровки</source>
        <translation>Offset after calibration</translation>
    </message>
    <message>
        <source>Коэффициент усиления после калибровки</source>
        <translation>Gain after calibration</translation>
    </message>
    <message>
        <source>Проверка выхода</source>
        <translation>Output check</translation>
    </message>
    <message>
        <source>Задано, мА</source>
        <translation>Set, mA</translation>
    </message>
    <message>
        <source>Измерено, мА</source>
        <translation>Measured, mA</translation>
    </message>
    <message>
        <source>Ошибка, %</source>
        <translation>Error, %</translation>
    </message>
    <message>
        <source>Проверка не выполнялась.</source>
        <translation>No check was made.</translation>
    </message>
    <message>
        <source>Токовый выход выведен из режима имитации.</source>
        <translation>The current output has left simulation mode.</translation>
    </message>
    <message>
        <source>Прибор не подтвердил выход токового выхода из режима имитации.</source>
        <translation>The device did not confirm that the current output left simulation mode.</translation>
    </message>
    <message>
        <source>Инженер:</source>
        <translation>Engineer:</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>Данный файл используется для записи текущего журнала</source>
        <translation>This file is being written by the current journal</translation>
    </message>
    <message>
        <source>Чтение из РМ...</source>
        <translation>Reading from the flowmeter...</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Прервано</source>
        <translation>Aborted</translation>
    </message>
    <message>
        <source>Выполнено</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Чтение из файла...</source>
        <translation>Reading from the file...</translation>
    </message>
    <message>
        <source>Запись в РМ...</source>
        <translation>Writing to the flowmeter...</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ожидание</source>
        <translation>idle</translation>
    </message>
    <message>
        <source>
Проверьте наличие перемычки для записи во FRAM</source>
        <translation>
Check that the FRAM write jumper is fitted</translation>
    </message>
    <message>
        <source>Не удалось записать файл дампа.</source>
        <translation>Could not write the dump file.</translation>
    </message>
    <message>
        <source>Не удается прочитать файл.</source>
        <translation>Cannot read the file.</translation>
    </message>
    <message>
        <source>Исключение Modbus 0x01: Команда не поддерживается</source>
        <translation>Modbus exception 0x01: Illegal function</translation>
    </message>
    <message>
        <source>Исключение Modbus 0x02: Неверный адрес регистра</source>
        <translation>Modbus exception 0x02: Illegal data address</translation>
    </message>
    <message>
        <source>Исключение Modbus 0x03: Ошибка в структуре данных в запросе</source>
        <translation>Modbus exception 0x03: Illegal data value</translation>
    </message>
    <message>
        <source>Исключение Modbus 0x04: Ошибка записи</source>
        <translation>Modbus exception 0x04: Write failure</translation>
    </message>
    <message>
        <source>Исключение Modbus 0x05: Устройство защищено от записи</source>
        <translation>Modbus exception 0x05: Device is write-protected</translation>
    </message>
    <message>
        <source>Исключение Modbus 0x09: Ошибка при чтении сохраненных сигналов</source>
        <translation>Modbus exception 0x09: Error reading the stored signals</translation>
    </message>
    <message>
        <source>Ошибка связи: получено 0 байт</source>
        <translation>Link error: 0 bytes received</translation>
    </message>
    <message>
        <source>Ошибка связи: неправильная длина ответа</source>
        <translation>Link error: wrong answer length</translation>
    </message>
    <message>
        <source>Ошибка связи: получен ответ от устройства с другим адресом</source>
        <translation>Link error: answer from a device with another address</translation>
    </message>
    <message>
        <source>Ошибка связи: неверная контрольная сумма</source>
        <translation>Link error: bad CRC</translation>
    </message>
    <message>
        <source>Ошибка при чтении конфигурации из файла: Не найден узел с данными</source>
        <translation>Error reading the configuration file: no data node found</translation>
    </message>
    <message>
        <source>Ошибка записи в файл конфигурации</source>
        <translation>Error writing the configuration file</translation>
    </message>
    <message>
        <source>Подключение</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>d, кг/м3</source>
        <translation>d, kg/m3</translation>
    </message>
    <message>
        <source>Файл не является таблицей плотности: %1</source>
        <translation>The file is not a density table: %1</translation>
    </message>
    <message>
        <source>в файле больше %1 строк</source>
        <translation>the file has more than %1 rows</translation>
    </message>
    <message>
        <source>в строке %1 не %2 поля</source>
        <translation>row %1 does not have %2 fields</translation>
    </message>
    <message>
        <source>в строке %1 значение &quot;%2&quot; не является числом</source>
        <translation>in row %1 the value &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>Не удалось записать файл таблицы.</source>
        <translation>Could not write the table file.</translation>
    </message>
    <message>
        <source>Массовый расход</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Объемный расход</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>Плотность в рабочих условиях</source>
        <translation>Density at operating conditions</translation>
    </message>
    <message>
        <source>Приведенная плотность</source>
        <translation>Reference density</translation>
    </message>
    <message>
        <source>Приведенный объемный расход</source>
        <translation>Corrected volume flow</translation>
    </message>
    <message>
        <source>Недопустимое значение: %1</source>
        <translation>Invalid value: %1</translation>
    </message>
    <message>
        <source>%1 выходит за пределы допустимых значений: %2..%3</source>
        <translation>%1 is outside the allowed range: %2..%3</translation>
    </message>
    <message>
        <source>Строка %1 не является числом в формате %2</source>
        <translation>The text %1 is not a number in the format %2</translation>
    </message>
    <message>
        <source>Формат %1 не подходит для вывода значения</source>
        <translation>The format %1 cannot show the value</translation>
    </message>
    <message>
        <source>Нет доступа: пользователь %1 не входит в группу «%2», которой принадлежит порт. Добавьте его в группу командой «sudo usermod -aG %2 $USER» и войдите в систему заново.</source>
        <extracomment>No access: user %1 is not in the group &quot;%2&quot; that owns the port. Add the user to the group with &quot;sudo usermod -aG %2 $USER&quot; and log in again.</extracomment>
        <translation>Access denied: user %1 is not in the group &quot;%2&quot; that owns the port. Add the user to the group with &quot;sudo usermod -aG %2 $USER&quot; and log in again.</translation>
    </message>
    <message>
        <source>Нет доступа: открыть порт может только его владелец, пользователь %1.</source>
        <extracomment>No access: only the port&apos;s owner, user %1, may open it.</extracomment>
        <translation>Access denied: only the port&apos;s owner, user %1, may open it.</translation>
    </message>
    <message>
        <source>Порт занят другой программой. Закройте ее и повторите попытку.</source>
        <extracomment>The port is in use by another program. Close it and try again.</extracomment>
        <translation>The port is in use by another program. Close it and try again.</translation>
    </message>
    <message>
        <source>Порт занят другой программой: %1. Закройте ее и повторите попытку.</source>
        <extracomment>The port is in use by another program: %1. Close it and try again.</extracomment>
        <translation>The port is in use by another program: %1. Close it and try again.</translation>
    </message>
    <message>
        <source>Адаптер порта %1 отключен (%2). Подключите его снова и выберите «Онлайн».</source>
        <extracomment>The adapter of port %1 was unplugged (%2). Plug it in again and choose &quot;Online&quot;.</extracomment>
        <translation>The adapter of port %1 was unplugged (%2). Plug it in again and choose &quot;Online&quot;.</translation>
    </message>
    <message>
        <source>Не удалось записать файл настроек %1</source>
        <translation>Could not write the settings file %1</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>Floating point</source>
        <translation>Floating point</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Commentary</translation>
    </message>
    <message>
        <source>Настройки: %1</source>
        <translation>Settings: %1</translation>
    </message>
    <message>
        <source>в папке программы</source>
        <translation>in the program folder</translation>
    </message>
    <message>
        <source>в папке данных пользователя</source>
        <translation>in the user data folder</translation>
    </message>
    <message>
        <source>собрана не из репозитория git</source>
        <translation>built outside a git repository</translation>
    </message>
    <message>
        <source>[файл длиннее %1 МБ: показано его начало]</source>
        <translation>[file longer than %1 MB: its beginning is shown]</translation>
    </message>
    <message>
        <source>Языковой модуль %1 отсутствует или поврежден: язык окон не изменен</source>
        <translation>The language module %1 is missing or damaged: the window language is unchanged</translation>
    </message>
    <message>
        <source>Неизвестный язык в файле настроек (%1): выбран русский</source>
        <translation>Unknown language in the settings file (%1): Russian selected</translation>
    </message>
    <message>
        <source>ru</source>
        <extracomment>The language code of the system&apos;s message catalogues (/usr/share/locale/&lt;code&gt;) in this language, for the system&apos;s error texts; &quot;en&quot; takes the system&apos;s own English.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>Только чтение</source>
        <translation>Read only</translation>
    </message>
    <message>
        <source>Чтение и запись</source>
        <translation>Read and write</translation>
    </message>
    <message>
        <source>Данный параметр предназначен только для чтения</source>
        <translation>This parameter is read-only</translation>
    </message>
    <message>
        <source>Параметры измерительного модуля в файле конфигурации не хранятся</source>
        <translation>Measuring module parameters are not stored in the configuration file</translation>
    </message>
    <message>
        <source>Файл %1 больше %2 КБ: это не дамп DspEeprom.</source>
        <extracomment>File %1 is larger than %2 KB: it is no DspEeprom dump.</extracomment>
        <translation>File %1 is larger than %2 KB: it is no DspEeprom dump.</translation>
    </message>
    <message>
        <source>В файле нет параметра %1.</source>
        <extracomment>The file has no parameter %1.</extracomment>
        <translation>The file has no parameter %1.</translation>
    </message>
    <message>
        <source>Параметр %1: «%2» — не число.</source>
        <extracomment>Parameter %1: &quot;%2&quot; is not a number.</extracomment>
        <translation>Parameter %1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>Параметр %1: значение %2 не помещается в %3 байта параметра.</source>
        <extracomment>Parameter %1: the value %2 does not fit the parameter&apos;s %3 bytes.</extracomment>
        <translation>Parameter %1: the value %2 does not fit the parameter&apos;s %3 bytes.</translation>
    </message>
    <message>
        <source>Параметр %1: %2 — не дата изготовления (день, месяц, год 2000..2099).</source>
        <extracomment>Parameter %1: %2 is no production date (day, month, year 2000..2099).</extracomment>
        <translation>Parameter %1: %2 is no production date (day, month, year 2000..2099).</translation>
    </message>
    <message>
        <source>Параметр %1: %2 — не число с плавающей точкой (NaN или бесконечность).</source>
        <extracomment>Parameter %1: %2 is no floating-point number (NaN or infinity).</extracomment>
        <translation>Parameter %1: %2 is no floating-point number (NaN or infinity).</translation>
    </message>
    <message>
        <source>Измерительному модулю ничего не отправлено.</source>
        <extracomment>Nothing was sent to the measuring module.</extracomment>
        <translation>Nothing was sent to the measuring module.</translation>
    </message>
    <message>
        <source>Записано параметров: %1 из %2.</source>
        <extracomment>Parameters written: %1 of %2.</extracomment>
        <translation>Parameters written: %1 of %2.</translation>
    </message>
    <message>
        <source>Не удалось показать папку %1</source>
        <translation>Could not show the folder %1</translation>
    </message>
    <message>
        <source>получено %1</source>
        <extracomment>received %1</extracomment>
        <translation>received %1</translation>
    </message>
    <message>
        <source>не получено</source>
        <extracomment>not received</extracomment>
        <translation>not received</translation>
    </message>
    <message>
        <source>Нет ответа с %1</source>
        <extracomment>No answer since %1</extracomment>
        <translation>No answer since %1</translation>
    </message>
    <message>
        <source>Не записано значений: %1 из %2 — %3</source>
        <extracomment>Values not written: %1 of %2 — %3</extracomment>
        <translation>Values not written: %1 of %2 — %3</translation>
    </message>
    <message>
        <source>Ошибка обмена данными с расходомером.</source>
        <translation>Data exchange error with the flowmeter.</translation>
    </message>
    <message>
        <source>Ошибка связи при отправке команды записи графиков</source>
        <translation>Communication error while sending the command to record the charts</translation>
    </message>
    <message>
        <source>Ошибка связи при опросе состояния записи графиков</source>
        <translation>Communication error while polling the chart recording state</translation>
    </message>
    <message>
        <source>Графики записаны в память расходомера</source>
        <translation>Charts have been recorded in the flowmeter memory</translation>
    </message>
    <message>
        <source>Графики НЕ записаны в память расходомера</source>
        <translation>Charts have NOT been recorded in the flowmeter memory</translation>
    </message>
    <message>
        <source>Во время получения сигнала может быть нарушена работа импульсного выхода.
Вы действительно желаете получить сигналы?</source>
        <translation>The pulse output may be disturbed while the signals are received.
Do you really want to receive the signals?</translation>
    </message>
    <message>
        <source>Задайте имя профиля</source>
        <translation>Enter the profile name</translation>
    </message>
    <message>
        <source>Ошибка при сохранении в файл значений параметров. Запись в файл прекращена</source>
        <translation>Error saving the parameter values to the file. Recording to the file has stopped</translation>
    </message>
    <message>
        <source>Имя профиля не задано</source>
        <translation>No profile name given</translation>
    </message>
    <message>
        <source>Имя профиля не может содержать «[», «]» и управляющие символы, начинаться с «;» и быть длиннее %1 символов</source>
        <translation>A profile name cannot contain &quot;[&quot;, &quot;]&quot; or control characters, start with &quot;;&quot; or be longer than %1 characters</translation>
    </message>
    <message>
        <source>Имя «%1» занято другим разделом файла настроек</source>
        <translation>The name &quot;%1&quot; is taken by another section of the settings file</translation>
    </message>
    <message>
        <source>Не удалось записать файл настроек: профили не изменены</source>
        <translation>Could not write the settings file: the profiles are unchanged</translation>
    </message>
    <message>
        <source>Получение сигналов прервано, графики не изменены</source>
        <translation>Receiving the signals was aborted; the charts are unchanged</translation>
    </message>
    <message>
        <source>Блок сигналов (канал %1, отсчёт %2): измерительный модуль прислал другой блок, блок не принят</source>
        <translation>Signal block (channel %1, sample %2): the measuring module sent another block; the block was not accepted</translation>
    </message>
    <message>
        <source>Файл %1 больше %2 МБ и не может быть файлом сигналов. Файл не загружен.</source>
        <translation>File %1 is larger than %2 MB and cannot be a signal file. The file was not loaded.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2</source>
        <translation>Could not read the file %1: %2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Сигналы получены из памяти расходомера</source>
        <translation>The signals have been received from the flowmeter memory</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Сервисная программа Сортан Квирон</source>
        <translation>Sortan Kviron service program</translation>
    </message>
    <message>
        <source>Записать изменения?</source>
        <translation>Write the changes?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Индикатор расходомера</source>
        <translation>Flowmeter indicator</translation>
    </message>
    <message>
        <source>Массовый расход</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Объемный расход</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>Плотность</source>
        <translation>Fluid density</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Fluid temperature</translation>
    </message>
    <message>
        <source>Прив. об. расход</source>
        <translation>Corr. volume flow</translation>
    </message>
    <message>
        <source>Прив. плотность</source>
        <translation>Ref. density</translation>
    </message>
    <message>
        <source>Сумматор 1</source>
        <translation>Totalizer 1</translation>
    </message>
    <message>
        <source>Сумматор 2</source>
        <translation>Totalizer 2</translation>
    </message>
    <message>
        <source>Сумматор 3</source>
        <translation>Totalizer 3</translation>
    </message>
    <message>
        <source>Сумматор 4</source>
        <translation>Totalizer 4</translation>
    </message>
    <message>
        <source>Частота датчика</source>
        <translation>Sensor frequency</translation>
    </message>
    <message>
        <source>Разность фаз</source>
        <translation>Phase difference</translation>
    </message>
    <message>
        <source>- - - - - - -</source>
        <translation>- - - - - - -</translation>
    </message>
    <message>
        <source>- - - - -</source>
        <translation>- - - - -</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>кол.сбщ.:</source>
        <translation>msgs:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>PE</source>
        <translation>PE</translation>
    </message>
    <message>
        <source>PW</source>
        <translation>PW</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Дамп регистров...</source>
        <translation>Register dump...</translation>
    </message>
    <message>
        <source>Дамп DspEeprom...</source>
        <translation>DspEeprom dump...</translation>
    </message>
    <message>
        <source>Формат значений...</source>
        <translation>Value formats...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Онлайн</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Оффлайн</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Выбрать файл...</source>
        <translation>Choose file...</translation>
    </message>
    <message>
        <source>Обновлять индикатор</source>
        <translation>Update indicator</translation>
    </message>
    <message>
        <source>Записывать индикатор</source>
        <translation>Log indicator</translation>
    </message>
    <message>
        <source>Настройки связи...</source>
        <translation>Link settings...</translation>
    </message>
    <message>
        <source>Интервал опроса...</source>
        <translation>Poll interval...</translation>
    </message>
    <message>
        <source>Отключать если нет ответа</source>
        <translation>Go offline when there is no answer</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Всё</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Ошибки</source>
        <translation>Errors</translation>
    </message>
    <message>
        <source>Ничего</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>Просмотр...</source>
        <translation>View...</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Файл %1 не существует.
Создать файл?</source>
        <translation>The file %1 does not exist.
Create it?</translation>
    </message>
    <message>
        <source>Папка логов индикатора...</source>
        <translation>Indicator log folder...</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormConnecting</name>
    <message>
        <source>Подключение</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Дополнительные сведения ищите в записях журнала</source>
        <translation>See the journal for details</translation>
    </message>
</context>
<context>
    <name>TFormCurCalibr</name>
    <message>
        <source>Мастер калибровки токового выхода</source>
        <translation>Current output calibration wizard</translation>
    </message>
    <message>
        <source>Подключите к токовому выходу расходомера источник питания и амперметр, затем нажмите кнопку &quot; Далее &gt;&quot;.</source>
        <translation>Connect a power supply and an ammeter to the flowmeter current output, then press &quot; Next &gt;&quot;.</translation>
    </message>
    <message>
        <source>Внимание! На время калибровки токовый выход переводится в режим имитации, поэтому индикатор состояния расходомера станет оранжевым.</source>
        <translation>Note: during calibration the current output is in simulation mode, so the flowmeter status indicator turns orange.</translation>
    </message>
    <message>
        <source>На выходе установлен ток 4 мА. Если в журнале операций есть сообщение об ошибке связи, нажмите кнопку &quot;Повторить&quot; для повторной отправки команды.</source>
        <translation>The output is set to 4 mA. If the operation log shows a link error, press &quot;Retry&quot; to send the command again.</translation>
    </message>
    <message>
        <source>Измерьте фактическое значение тока, введите его в поле ниже и нажмите кнопку &quot;Отправить&quot;.</source>
        <translation>Measure the actual current, enter it in the field below and press &quot;Send&quot;.</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Измеренное значение:</source>
        <translation>Measured value:</translation>
    </message>
    <message>
        <source>мА</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Отправить</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>На выходе установлен ток 20 мА. Если в журнале операций есть сообщение об ошибке связи, нажмите кнопку &quot;Повторить&quot; для повторной отправки команды.</source>
        <translation>The output is set to 20 mA. If the operation log shows a link error, press &quot;Retry&quot; to send the command again.</translation>
    </message>
    <message>
        <source>Измеренные значения тока, соответствующие границам диапазона значений токового выхода:</source>
        <translation>Currents measured at the ends of the current output range:</translation>
    </message>
    <message>
        <source>Заданное:</source>
        <translation>Set:</translation>
    </message>
    <message>
        <source>Фактическое:</source>
        <translation>Actual:</translation>
    </message>
    <message>
        <source>Нажмите кнопку &quot;Рассчитать&quot;.</source>
        <translation>Press &quot;Compute&quot;.</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Нажмите &quot; Далее &gt;&quot;, чтобы проверить результат калибровки, или &quot;Готово&quot;, чтобы завершить процедуру.</source>
        <translation>Press &quot; Next &gt;&quot; to check the calibration, or &quot;Finish&quot; to end the procedure.</translation>
    </message>
    <message>
        <source>Задайте значение тока на выходе:</source>
        <translation>Output current to set:</translation>
    </message>
    <message>
        <source>Задать</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Измеренное значение тока:</source>
        <translation>Measured current:</translation>
    </message>
    <message>
        <source>Рассчитать ошибку</source>
        <translation>Compute the error</translation>
    </message>
    <message>
        <source>Заданное значение тока:</source>
        <translation>Set current:</translation>
    </message>
    <message>
        <source>Ошибка установки тока:</source>
        <translation>Current error:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Если ошибка превышает точность токового выхода, верните заводские коэффициенты и повторите процедуру калибровки.</source>
        <translation>If the error exceeds the accuracy of the current output, restore the factory coefficients and calibrate again.</translation>
    </message>
    <message>
        <source>Вернуть заводские коэффициенты</source>
        <translation>Restore the factory coefficients</translation>
    </message>
    <message>
        <source>Повторить процедуру калибровки</source>
        <translation>Calibrate again</translation>
    </message>
    <message>
        <source>&lt; Назад  </source>
        <translation>&lt; Back  </translation>
    </message>
    <message>
        <source> Далее &gt;</source>
        <translation> Next &gt;</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Статус</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Журнал операций обмена данными с расходомером</source>
        <translation>Log of the data exchange with the flowmeter</translation>
    </message>
</context>
<context>
    <name>TFormDspRegDump</name>
    <message>
        <source>FormDspRegDump</source>
        <translation>FormDspRegDump</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Текущий регистр:</source>
        <translation>Current register:</translation>
    </message>
    <message>
        <source>Счетчик попыток:</source>
        <translation>Attempt counter:</translation>
    </message>
    <message>
        <source>Из расходомера в файл</source>
        <translation>From flowmeter to file</translation>
    </message>
    <message>
        <source>Из файла в расходомер</source>
        <translation>From file to flowmeter</translation>
    </message>
    <message>
        <source>ожидание</source>
        <translation>idle</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFormFormats</name>
    <message>
        <source>Формат вывода значений параметров</source>
        <translation>Parameter value display format</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Тип:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>color: green;</source>
        <translation>color: green;</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Текущее</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>color: red;</source>
        <translation>color: red;</translation>
    </message>
    <message>
        <source>Пример вывода</source>
        <translation>Display example</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFormLogFiles</name>
    <message>
        <source>Файлы журнала</source>
        <translation>Journal files</translation>
    </message>
</context>
<context>
    <name>TFormRegDump</name>
    <message>
        <source>Дамп регистров</source>
        <translation>Register dump</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Статус:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Текущий регистр:</source>
        <translation>Current register:</translation>
    </message>
    <message>
        <source>Из расходомера в файл</source>
        <translation>From flowmeter to file</translation>
    </message>
    <message>
        <source>Из файла в расходомер</source>
        <translation>From file to flowmeter</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ожидание</source>
        <translation>idle</translation>
    </message>
</context>
<context>
    <name>TFormSetupCom</name>
    <message>
        <source>Параметры Com-порта</source>
        <translation>COM port settings</translation>
    </message>
    <message>
        <source>Адрес расходомера</source>
        <translation>Flowmeter address</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Номер порта</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Таймаут ответа</source>
        <translation>Answer time-out</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Контроль четности</source>
        <translation>RS-485 parity</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Нечет</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>Чёт</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Стоп-биты</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>1 бит</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>2 бита</source>
        <translation>2 bits</translation>
    </message>
    <message>
        <source>Проверить связь</source>
        <translation>Test link</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TabSheet1</name>
    <message>
        <source>Переведите программу в режим &quot;Онлайн&quot;, затем выберите пункт из списка слева</source>
        <translation>Switch the program to &quot;Online&quot; mode, then choose an item in the list on the left</translation>
    </message>
</context>
<context>
    <name>tarvix::LiveValues</name>
    <message>
        <source>Копировать в буфер</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>tarvix::TForm1</name>
    <message>
        <source>Успешных обменов с расходомером</source>
        <translation>Successful exchanges with the flowmeter</translation>
    </message>
    <message>
        <source>Неудачных обменов с расходомером</source>
        <translation>Failed exchanges with the flowmeter</translation>
    </message>
    <message>
        <source>Обменов:</source>
        <translation>Exchanges:</translation>
    </message>
    <message>
        <source>ошибок:</source>
        <translation>errors:</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
</context>
</TS>
