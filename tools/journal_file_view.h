// The text of a journal file as the journal viewer shows it. A file in the "Logs" folder is
// normally one of ours (Windows-1251, CR LF), but anything may lie there: a file of another
// program, saved in UTF-8, binary, or of any size. Reading is bounded and every byte becomes
// a character that can be shown.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace tarvix {

// The most of a file the viewer reads; a longer file shows its beginning and says so.
inline constexpr qint64 kJournalViewLimit = 4 * 1024 * 1024;

// Windows-1251, or UTF-8 when the bytes are valid UTF-8 with characters beyond ASCII (a file
// saved by an editor). Control characters other than tab and line breaks are shown as
// U+FFFD, so a binary file cannot disturb the text view.
QString DecodeJournalBytes(QByteArrayView bytes);

// The lines the journal's filter shows (kFilterAll, kFilterErrors, kFilterNothing): the
// error filter keeps the "[err]" lines with the lines that continue them; all and nothing
// keep everything (the viewer is opened to read the file, "Ничего" only quiets the live list).
QString FilterJournalText(const QString& text, int filter);

struct JournalView {
    QString Text;
    bool Cut = false;  // the file is longer than kJournalViewLimit
};

// Reads, decodes and filters a file. Throws UserError with the system's text when it cannot
// be read.
JournalView ReadJournalView(const QString& path, int filter);

}  // namespace tarvix
