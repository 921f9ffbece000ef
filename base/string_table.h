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
    kStrGridFlow = 14,          // "Расход,Q/Qmax": the correction points' headers
    kStrGridCorrection = 15,    // "Корр-ия, кг/ч"
    kStrCalCancel = 23,         // "Отмена": the wizard's closing captions
    kStrCalDone = 24,           // "Готово"
    kStrReadOnly = 25,          // "Только чтение": a parameter's access right
    kStrReadWrite = 26,         // "Чтение и запись"
    kStrTimeColumn = 16,        // "чч:мм:сс", the time column of the live values
    kStrExchangeTimeout = 115,  // the list overran its budget
    kStrNoAnswer = 116,         // "Нет ответа от расходомера"
    kStrExchangeError = 118,  // "Ошибка обмена данными с расходомером."
    kStrWrittenToDevice = 119,  // "Новые значения успешно записаны в память расходомера."
    kStrWrittenToFile = 120,    // "... в файл конфигурации."
    kStrPollOverrun = 121,      // the poll cycle did not finish within the interval
    kStrSomeDataMissing = 122,  // "Не все данные получены."
    kStrGoOfflineFirst = 123,   // the settings need the offline mode
    kStrReadingConfigFile = 124,  // "Чтение конфигурации из файла " + the file name
    kStrChecksumError = 125,   // "Ошибка контрольной суммы"
    kStrConfigFileDate = 126,  // "Дата последнего изменения в файле конфигурации: " + date
    kStrProgramEnd = 127,      // "Завершение программы"
    // The current output's factory coefficients (main window).
    kStrCurRestoreConfirm = 128,
    kStrCurRestoreFailed = 129,
    kStrCurRestored = 130,
    kStrCurCopyFailed = 131,
    kStrCurCopied = 132,
    // The measuring module's signal recording and transfer.
    kStrCaptureStartFailed = 133,
    kStrCapturePollFailed = 134,
    kStrCaptureDone = 135,
    kStrCaptureNotDone = 136,
    kStrTransferConfirm = 137,
    kStrConnectFirst = 140,  // "Расходомер не подключен. Желаете подключить расходомер?"
    kStrNoFreeRows = 141,    // "Нет свободных строк"
    kStrProfileNamePrompt = 139,     // "Задайте имя профиля"
    kStrParValsFileError = 147,      // recording of the register polling page failed
    kStrIndicatorLog = 138,          // the status bar panel while the indicator is logged
    kStrNotANumber = 142,            // "Не является числом"
    kStrPollIntervalPrompt = 143,    // "Задайте интервал опроса, мс"
    kStrWorkerStopped = 144,         // journal line of the worker's death
    kStrWorkerStoppedRestart = 145,  // its message box, asking for a restart
    kStrParamReadOnly = 146,         // a write of a read-only parameter refused
    kStrLinkSettingsNotWritten = 148,
    kStrPwlUnsorted = 151,  // the sort question of the correction points
    kStrMilliampere = 201,  // "мА"
    // The current output calibration wizard: status texts, the closing write, the report.
    kStrCalReady = 501,
    kStrCalSettingCurrent = 502,
    kStrCalLinkError = 506,  // "Ошибка связи. Результат неизвестен"
    kStrCalCurrentSet = 507,
    kStrCalMeasuredWritten = 508,
    kStrCalComputed = 509,
    kStrCalRestored = 510,
    kStrCalTestCurrentSet = 511,
    kStrCalWritingMeasured = 512,
    kStrCalComputing = 513,
    kStrCalRestoring = 514,
    kStrCalNotStarted = 515,
    kStrSimulationLeftOnRetry = 516,  // the device did not answer the switch-off
    kStrSimulationLeftOn = 517,       // the device refused it
    kStrSimulationLeft = 518,         // a later switch-off succeeded
    kStrReportOffer = 519,
    kStrReportNotSaved = 520,
    kStrReportTitle = 521,
    kStrReportWhen = 522,
    kStrReportDeviceSerial = 523,
    kStrReportModuleSerial = 524,
    kStrReportMeasured4 = 525,
    kStrReportMeasured20 = 526,
    kStrReportOffsetBefore = 527,
    kStrReportGainBefore = 528,
    kStrReportOffsetAfter = 529,
    kStrReportGainAfter = 530,
    kStrReportTests = 531,
    kStrReportTestSet = 532,
    kStrReportTestMeasured = 533,
    kStrReportTestError = 534,
    kStrReportNoTests = 535,
    kStrReportSimulationOff = 536,
    kStrReportSimulationOn = 537,
    kStrReportSignature = 538,
    kStrReportUnknown = 539,
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
    // The live charts' titles, before their unit.
    kStrChartMassFlow = 1000,
    kStrChartVolumeFlow = 1001,
    kStrChartDensity = 1002,
    kStrChartRefDensity = 1003,
    kStrChartCorrVolumeFlow = 1004,
    kStrChartTemperature = 1005,
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
    // The density tables: the density column's header, the refusal of a file that is none.
    kStrDensityHeader = 950,  // "d, кг/м3"
    kStrNotDensityTable = 951,
    kStrTableTooLong = 952,
    kStrTableFieldCount = 953,
    kStrTableNotNumber = 954,
    kStrTableNotWritten = 955,
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
    // The register polling page's profiles.
    kStrProfileNameEmpty = 4400,
    kStrProfileNameBad = 4401,    // %1 the longest name
    kStrProfileNameTaken = 4402,  // %1 the name
    kStrProfileNotSaved = 4403,
    // The single-parameter page: a module parameter asked of a configuration file.
    kStrNoModuleInFile = 4420,
    // The measuring module's EEPROM dump: why a file is refused (%1 "n (Name)").
    kStrDspDumpTooLarge = 4460,     // %1 path, %2 kilobytes
    kStrDspDumpMissingKey = 4461,   // %1 the parameter
    kStrDspDumpNotANumber = 4462,   // %1 the parameter, %2 what the key holds
    kStrDspDumpBeyondSize = 4463,   // %1 the parameter, %2 the value, %3 its bytes
    kStrDspDumpNotADate = 4464,     // %1 the parameter, %2 the value
    kStrDspDumpNotAFloat = 4465,    // %1 the parameter, %2 the value
    kStrDspDumpNothingSent = 4466,  // appended to a refusal: the module was not touched
    kStrDspDumpWritten = 4467,      // %1 of %2 parameters written before a write stopped
    kStrFolderNotShown = 4520,      // %1 a folder no file manager could show
    // Stale values and a save the device did not take.
    kStrReceivedAt = 4500,      // %1 hh:mm:ss: the tool tip of a greyed value
    kStrNeverReceived = 4501,   // ... of a greyed value that never arrived
    kStrNoAnswerSince = 4502,   // %1 hh:mm:ss of the last good answer (status bar)
    kStrSaveNotWritten = 4503,  // %1 of %2 values not written, %3 why the first was refused
    // The language: the English module cannot be used, the settings name no language.
    kStrLanguageModuleUnusable = 4480,  // %1 the module's file
    kStrLanguageIndexInvalid = 4481,    // %1 the stored value
    kStrSystemMessageLanguage = 4482,   // the system's message catalogue of this language
    // The signal pages: the transfer's abort and its other endings, the signal files.
    kStrTransferAbort = 4440,  // the "Получить" button while a transfer runs
    kStrTransferAborted = 4441,
    kStrBlockMisplaced = 4443,        // %1 mask, %2 first sample
    kStrSignalFileTooLarge = 4444,    // %1 file, %2 megabytes
    kStrSignalFileUnreadable = 4445,  // %1 file, %2 the system's text
    kStrSignalFileNotWritten = 4446,  // %1 file, %2 the system's text
    kStrSignalsReceived = 4447,
};

// The text of string n in the current language; empty for a number the table lacks.
QString Str(int n);

// The Russian source text of string n, whatever the current language.
QString StrSource(int n);

// Every number the table defines, ascending (for the checks of the language module).
int StrCount();
int StrNumberAt(int i);

}  // namespace tarvix
