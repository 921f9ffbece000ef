// The program's journal: every event becomes one line "hh:nn:ss --> [inf] text", appended to
// the day's file in "Logs" and, as the user's filter allows, shown in the main window's list.
// Also opens the day's indicator log in "IndicatorLogs".
#pragma once

#include "base/text_file.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <functional>
#include <memory>

namespace tarvix {

class JournalModel;

// Levels of WriteJournal. A line is shown when JournalFilter >= its level, so lines whose
// file write failed (-1) are shown at every filter.
inline constexpr int kJournalError = 1;
inline constexpr int kJournalInfo = 2;
inline constexpr int kJournalWriteFailed = -1;

// JournalFilter values: menu "Всё", "Ошибки", "Ничего".
inline constexpr int kFilterAll = 2;
inline constexpr int kFilterErrors = 1;
inline constexpr int kFilterNothing = 0;

class Journal {
  public:
    // What the journal needs from outside; every member may be left empty for the default.
    struct Environment {
        // The local time of an event and of the day's file; default the system clock.
        std::function<QDateTime()> clock;
        // Shows the operating system's text of a failure to the user. The window layer
        // connects a message box without owner, caption "GetLastError", information icon;
        // the journal itself shows nothing.
        std::function<void(const QString& text)> systemError;
        // Opens the day's file; default OpenExclusiveAppend, which keeps a second copy of
        // the program out of the file. Tests put a file here that fails as a disk would.
        std::function<std::unique_ptr<AppendOnlyFile>(const QString& path, QString* error)>
            openFile;
    };

    // programFolder holds "Logs" and "IndicatorLogs"; list receives the shown lines.
    Journal(QString programFolder, JournalModel& list, Environment env = {});
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Opens the day's file, chosen now for the whole run (a run started at 23:59 keeps it
    // after midnight). A folder that cannot be created: one system error, no file. A file
    // that cannot be opened: system error, then the error line "Ошибка при создании файла
    // журнала <file>", which goes to the list whatever the filter, since there is no file.
    void Open();

    // The closing line: string 127 followed by CR LF, so the file ends with "...\r\n\r\n" and
    // the next run of the day starts after an empty line. Then the file is closed.
    void Close();

    // Builds the line (level 2 "[inf] ", any other "[err] "), appends it with CR LF to the
    // file, and shows it when the filter allows. A short write shows the line prefixed by
    // "[ошибка записи в файл журнала следующей записи]" and a line feed, as level -1.
    void WriteJournal(const QString& text, int level);

    int JournalFilter() const { return filter_; }
    void SetJournalFilter(int filter) { filter_ = filter; }

    bool IsOpen() const { return file_ != nullptr; }
    // The day's file chosen by Open, also when it could not be opened.
    const QString& FileName() const { return fileName_; }

    // Creates "IndicatorLogs" and opens today's file there for appending (binary: the caller
    // writes Windows-1251 lines with CR LF). On failure the system's text is reported and
    // nullptr returned.
    std::unique_ptr<QFile> OpenIndicatorLog();
    // The folder of the indicator logs, created when missing (so it can be shown before the
    // first log is written); empty, with the system's text reported, when it cannot be made.
    QString IndicatorLogFolder() const;

  private:
    QString DayFileName(const QString& folder) const;
    QString BuildLine(const QString& text, int level) const;
    void ReportSystemError(const QString& text) const;

    QString programFolder_;
    JournalModel& list_;
    Environment env_;
    QString fileName_;
    std::unique_ptr<AppendOnlyFile> file_;
    bool opened_ = false;
    int filter_ = kFilterNothing;
};

}  // namespace tarvix
