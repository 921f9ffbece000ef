// What the command-line companion needs of the link: the connection options and single
// transactions run with the same retries as the program's communication worker.
#pragma once

#include "link/com_setup.h"
#include "link/modbus_list.h"
#include "link/protocol.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tarvix::cli {

// Applies --address, --baud, --parity, --stop-bits and --timeout text to the settings.
// Returns an empty string or the message for the first value that is not acceptable.
struct LinkOptions {
    QString port;
    QString address = QStringLiteral("1");
    QString baud = QString::number(kDefaultBaud);
    QString parity = QStringLiteral("none");
    QString stopBits = QStringLiteral("1");
    QString timeout = QString::number(kDefaultAnsDelayMs);
};
QString ApplyLinkOptions(const LinkOptions& o, ComSetup& com);

// Runs entry e of list L as the worker would: communication failures (results 16 and
// above) get kAttempts tries in all; a device exception is final. The result is also
// left in L.Result[e].
std::uint8_t RunEntry(ComSetup& com, ModbusList& L, int e);
inline std::uint8_t RunSingle(ComSetup& com, ModbusList& L) { return RunEntry(com, L, 0); }

// Runs every entry of L from the last down to the first, as the worker runs a list: a failed
// entry does not stop the ones after it (the closing write of the access-key bracket must go
// out even when the value was refused). Returns the first failure in the order of execution,
// or kResultOk, and that entry in *failedEntry.
std::uint8_t RunList(ComSetup& com, ModbusList& L, int* failedEntry = nullptr);

// Reads count registers from start in requests of at most kMaxReadRegisters. On success fills
// values; otherwise returns the first failing result code and the register it concerned.
std::uint8_t ReadRegisters(ComSetup& com, int start, int count, std::vector<std::uint16_t>& values,
                           int* failedAt = nullptr);
// Writes values from start with function 16, at most kMaxWriteRegisters a request.
std::uint8_t WriteRegisters(ComSetup& com, int start, const std::vector<std::uint16_t>& values,
                            int* failedAt = nullptr);

}  // namespace tarvix::cli
