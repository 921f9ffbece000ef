// tarvix-cli poll: polls up to six parameters by name and prints one line per cycle in the
// format of the register polling page's recording file (its header line first), so that the
// output loads into that page.
#pragma once

#include "cli/cli_link.h"

#include <QChar>
#include <QStringList>

#include <atomic>
#include <cstdio>
#include <functional>

class QTextStream;

namespace tarvix::cli {

struct PollOptions {
    QStringList Names;
    int IntervalMs = 1000;
    long long Count = 0;  // cycles; 0: until stopped
    QChar DecimalSep = QLatin1Char('.');
};

inline constexpr int kMaxPolled = 6;
inline constexpr int kMinPollIntervalMs = 10;

// Polls until Count cycles are done or stop becomes true (checked between cycles and while
// waiting, so the last line is always whole). Lines go to out as the file's bytes
// (Windows-1251, CR LF), each flushed when complete. A cycle whose reads fail prints "-----"
// for the values that did not arrive and polling goes on. Returns the exit code.
int RunPoll(const PollOptions& o, const Target& t, const std::function<QString()>& openPort,
            const std::atomic<bool>& stop, std::FILE* out, QTextStream& err);

}  // namespace tarvix::cli
