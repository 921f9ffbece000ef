// The lines the journal list shows, for tests that check what the program journalled.
#pragma once

#include "session/journal_model.h"

#include <QStringList>

namespace tarvix::testing {

inline QStringList JournalLines(const JournalModel& list) {
    QStringList lines;
    for (int i = 0; i < list.rowCount(); ++i) {
        lines << list.data(list.index(i), Qt::DisplayRole).toString();
    }
    return lines;
}

// How many shown lines end with text (the time and level mark come before it).
inline int CountJournalled(const JournalModel& list, const QString& text) {
    int n = 0;
    for (const QString& line : JournalLines(list)) n += line.endsWith(text) ? 1 : 0;
    return n;
}

inline bool Journalled(const JournalModel& list, const QString& text) {
    return CountJournalled(list, text) > 0;
}

}  // namespace tarvix::testing
