// The program's numbered string table: every message, caption and column header that
// switches language is looked up here by number. Russian is the source text; the English
// language module supplies the translations (context "Strings").
#pragma once

#include <QString>

namespace tarvix {

// Numbers of the strings the program's own code shows or journals, by what they say.
enum StrId : int {
    kStrProgramTitle = 0,
    // The event types of the device's messages and the message list's column headers.
    kStrProcessWarning = 1,     // "Предупреждение процесса"
    kStrSystemWarning = 2,      // "Предупреждение системы"
    kStrProcessError = 3,       // "Ошибка процесса"
    kStrSystemError = 4,        // "Ошибка системы"
    kStrDisconnected = 5,       // "Расходомер отключен"
    kStrConnected = 6,          // "Расходомер подключен"
    kStrFileMode = 7,           // "Работа с файлом конфигурации"
    kStrEventType = 9,          // "Тип события"
    kStrEventNumber = 10,       // "№"
    kStrEvent = 11,             // "Событие"
    kStrExchangeTimeout = 115,  // the list overran its budget
    kStrNoAnswer = 116,         // "Нет ответа от расходомера"
    kStrWrittenToDevice = 119,  // "Новые значения успешно записаны в память расходомера."
    kStrWrittenToFile = 120,    // "... в файл конфигурации."
    kStrPollOverrun = 121,      // the poll cycle did not finish within the interval
    kStrSomeDataMissing = 122,  // "Не все данные получены."
    kStrGoOfflineFirst = 123,   // the settings need the offline mode
    kStrReadingConfigFile = 124,  // "Чтение конфигурации из файла " + the file name
    kStrChecksumError = 125,   // "Ошибка контрольной суммы"
    kStrConfigFileDate = 126,  // "Дата последнего изменения в файле конфигурации: " + date
    kStrProgramEnd = 127,      // "Завершение программы"
    kStrIndicatorLog = 138,    // the status bar panel while the indicator is logged
    kStrConnectFirst = 140,  // "Расходомер не подключен. Желаете подключить расходомер?"
    kStrNotANumber = 142,    // "Не является числом"
    kStrPollIntervalPrompt = 143,    // "Задайте интервал опроса, мс"
    kStrWorkerStopped = 144,         // journal line of the worker's death
    kStrWorkerStoppedRestart = 145,  // its message box, asking for a restart
    kStrLinkSettingsNotWritten = 148,
    // The indicator log's header: the time, the six main values, totalisers 1 and 2, and
    // the units of each in the same order.
    kStrLogTime = 343,
    kStrLogMassFlow = 344,
    kStrLogVolumeFlow = 345,
    kStrLogDensity = 346,
    kStrLogTemperature = 347,
    kStrLogCorrVolumeFlow = 348,
    kStrLogRefDensity = 349,
    kStrLogSum1 = 350,
    kStrLogSum2 = 351,
    kStrLogUnitMassFlow = 352,
    kStrLogUnitVolumeFlow = 353,
    kStrLogUnitDensity = 354,
    kStrLogUnitTemperature = 355,
    kStrLogUnitCorrVolumeFlow = 356,
    kStrLogUnitRefDensity = 357,
    kStrLogUnitSum1 = 358,
    kStrLogUnitSum2 = 359,
    kStrDeviceWithAddress = 402,  // "Устройство с адресом "
    kStrFoundOnPort = 403,        // "обнаружено на порту "
    kStrDeviceNotFound = 404,  // "Не удалось найти устройство с адресом "
    kStrOnNoPort = 405,        // " ни на одном из доступных портов"
    kStrNotFoundOnPort = 406,  // "НЕ обнаружено на порту "
    kStrPortOpened = 407,
    kStrPortOpenFailed = 408,
    kStrPortClosed = 409,
    kStrSearch = 410,       // the search buttons' caption
    kStrUseThisPort = 411,  // "Использовать данный порт?"
    // The register dump dialog.
    kStrJournalInUse = 600,     // the journal viewer refuses the file being written
    kStrDumpReading = 700,      // "Чтение из РМ..."
    kStrDumpError = 701,        // "Ошибка"
    kStrDumpAborted = 702,      // "Прервано"
    kStrDumpDone = 703,         // "Выполнено"
    kStrDumpReadingFile = 704,  // "Чтение из файла..."
    kStrDumpChecksumError = 705,
    kStrDumpWriting = 706,  // "Запись в РМ..."
    kStrAbort = 707,        // "Прервать": a running search's or transfer's button caption
    kStrDumpClose = 708,    // "Закрыть"
    kStrDumpIdle = 709,     // "ожидание"
    kStrCheckFramJumper = 710,     // appended to a refused write of registers 1300..1399
    kStrDumpFileNotWritten = 711,  // the dump file could not be written
    kStrDumpFileUnreadable = 712,  // the chosen file cannot be read
    // The texts of the result codes: the device's exceptions, then the line's failures.
    kStrIllegalFunction = 800,
    kStrIllegalAddress = 801,
    kStrIllegalData = 802,
    kStrWriteFailed = 803,
    kStrWriteProtected = 804,
    kStrSignalsUnreadable = 805,
    kStrNoBytes = 806,
    kStrBadLength = 807,
    kStrOtherAddress = 808,
    kStrBadCrc = 809,
    kStrNoFileData = 810,
    kStrFileNotWritten = 811,  // "Ошибка записи в файл конфигурации"
    // The connecting dialog: its title on failure and while connecting, its button's two
    // captions.
    kStrError = 900,
    kStrConnecting = 901,
    kStrClose = 903,
    kStrCancel = 904,
    // Why a serial port cannot be used (link/port_problem.h) and what to do about it.
    kStrPortNotInGroup = 4200,  // %1 user, %2 the group owning the device node
    kStrPortOwnerOnly = 4201,   // %1 the node's owner
    kStrPortBusy = 4202,
    kStrPortBusyHolder = 4203,  // %1 "name (PID n)" of the program holding the port
    kStrAdapterGone = 4204,     // %1 port, %2 the system's error
    // The display formats dialog and the About box.
    kStrSettingsNotWritten = 4300,  // %1 the settings file
    kStrTypeInteger = 4301,
    kStrTypeFloat = 4302,
    kStrTypeCommentary = 4303,
    kStrSettingsIn = 4304,      // %1 the settings file
    kStrProgramFolder = 4305,   // where the settings live: beside the program
    kStrUserDataFolder = 4306,  // ... or in the user's application data
    kStrNoCommit = 4307,        // built outside a git checkout
    kStrJournalViewCut = 4310,  // %1 megabytes: a longer journal file shows its beginning
};

// The text of string n in the current language; empty for a number the table lacks.
QString Str(int n);

// The Russian source text of string n, whatever the current language.
QString StrSource(int n);

// Every number the table defines, ascending (for the checks of the language module).
int StrCount();
int StrNumberAt(int i);

}  // namespace tarvix
