// What the command-line companion needs of the link: the connection options and single
// transactions run with the same retries as the program's communication worker, on the
// transmitter's line or on a configuration file.
#pragma once

#include "link/com_setup.h"
#include "link/config_file_store.h"
#include "link/modbus_list.h"
#include "link/protocol.h"
#include "model/register_image.h"

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

// Where the transactions go: the transmitter on com's port, or a configuration file that
// answers in its place as in the program's file mode (reads and writes of registers only).
// A small handle: the line converts to it where a Target is asked for.
class Target {
  public:
    Target(ComSetup& com) : com_(&com) {}
    // fileImage: the register image the store was loaded into.
    Target(ConfigFileStore& file, RegisterImage& fileImage) : file_(&file), image_(&fileImage) {}

    bool IsFile() const { return file_ != nullptr; }
    QString FileName() const { return file_ ? file_->FileName() : QString(); }
    // One attempt at entry e. A write to the file takes its values from the entry's slots
    // into the file's image first, as a page puts them there before it writes.
    std::uint8_t Execute(ModbusList& L, int e) const;
    // The silence between two attempts on the line.
    int PauseMs() const { return com_ ? kInterFrameChars * com_->CharTime : 0; }
    // Writes between these reach a file in one replace (nothing to do on the line). False
    // when the file could not be written.
    void BeginWrites() const;
    bool EndWrites() const;

  private:
    ComSetup* com_ = nullptr;
    ConfigFileStore* file_ = nullptr;
    RegisterImage* image_ = nullptr;
};

// Runs entry e of list L as the worker would: communication failures (results 16 and
// above) get kAttempts tries in all; a device exception is final. The result is also
// left in L.Result[e].
std::uint8_t RunEntry(const Target& t, ModbusList& L, int e);
inline std::uint8_t RunSingle(const Target& t, ModbusList& L) { return RunEntry(t, L, 0); }

// Runs every entry of L from the last down to the first, as the worker runs a list: a failed
// entry does not stop the ones after it (the closing write of the access-key bracket must go
// out even when the value was refused). Returns the first failure in the order of execution,
// or kResultOk, and that entry in *failedEntry.
std::uint8_t RunList(const Target& t, ModbusList& L, int* failedEntry = nullptr);

// Reads count registers from start in requests of at most kMaxReadRegisters. On success fills
// values; otherwise returns the first failing result code and the register it concerned.
std::uint8_t ReadRegisters(const Target& t, int start, int count,
                           std::vector<std::uint16_t>& values, int* failedAt = nullptr);
// Writes values from start with function 16, at most kMaxWriteRegisters a request.
std::uint8_t WriteRegisters(const Target& t, int start, const std::vector<std::uint16_t>& values,
                            int* failedAt = nullptr);

}  // namespace tarvix::cli
