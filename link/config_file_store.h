// The configuration file behind file mode ("*.mbr"): loading it into the register image with
// its checksum check, the reads and writes the worker serves from it instead of the line, and
// the stamp after a save. The command line serves its commands from it, and the simulator
// reads its files, by the same rules.
//
// Format (INI, Windows-1251, CR LF): "UserRegs" holds register r (0..1795) as key "r" with
// the unsigned 16-bit value, and "CheckSum", the 16-bit sum of the register rows of the
// parameter table (DumpSet, 654 registers; a register the file lacks, or whose text is no
// integer, counts as 2). "TechRegs" holds registers above 1795 and the sum of registers
// 500..1795, written and never checked. "Config"/"DateTime" is the date of the last change.
#pragma once

#include "base/ini_file.h"
#include "link/thread_com.h"
#include "model/param_table.h"
#include "model/register_image.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

namespace tarvix {

// "CheckSum" read with this default is missing: no 16-bit sum equals it.
inline constexpr int kConfigMissingSum = 0x1FFFF;
// "TechRegs"/"CheckSum" is the sum of the register image from this register to its end.
inline constexpr int kConfigTechSumFirst = 500;
// What a register the file lacks counts as, in the load and in the checksum.
inline constexpr std::uint16_t kConfigMissingValue = 2;
// A complete file is about 13 KB. Larger files are refused unread: parsing 10 MB of short
// lines costs seconds and half a gigabyte, and no such file is a configuration.
inline constexpr qint64 kMaxConfigFileBytes = 1024 * 1024;

// Register r as the file holds it (its section by number): the value's low 16 bits; nullopt
// when the key is missing or its text is no integer.
std::optional<std::uint16_t> ReadConfigRegister(const IniFile& ini, int r);

// The register rows as a file holds them, in DumpSet order, and whether its "CheckSum"
// covers them.
struct ConfigValues {
    std::array<std::uint16_t, DumpSetSize> Values{};
    std::uint16_t Sum = 0;
    int StoredSum = kConfigMissingSum;  // as read: any integer, or kConfigMissingSum
    bool ChecksumOk() const { return StoredSum == Sum; }
};
ConfigValues ReadConfigValues(const IniFile& ini);

// A path that is no regular file, or one too large to be a configuration file.
bool ConfigFileUsable(const QString& path);

// ConfigFile: the open configuration file, or none. Used by the worker while a list runs in
// file mode and by the window thread (or the command line) otherwise; a mutex keeps the two
// apart even when a bounded wait ran out. Every write replaces the file atomically, and each
// replace carries the values together with both checksums and the date, so that the file on
// disk always passes its own check, also when a save is cut short between its entries.
class ConfigFileStore final : public FileTransactions {
  public:
    // image: the register image the file is loaded into and written from. locale: the
    // date-time format of "Config"/"DateTime" (the system's unless a test pins one).
    explicit ConfigFileStore(RegisterImage& image, QLocale locale = QLocale::system());
    ~ConfigFileStore() override;
    ConfigFileStore(const ConfigFileStore&) = delete;
    ConfigFileStore& operator=(const ConfigFileStore&) = delete;

    bool IsOpen() const;
    QString FileName() const;  // empty when none is open

    // Opens path in place of the current file and loads the register rows into the image,
    // without reception stamps (2 for a missing key). When "CheckSum" is missing or differs
    // from the values' sum the file is released again; the values stay in the image.
    struct LoadResult {
        bool Loaded = false;
        QDateTime Changed;  // "Config"/"DateTime"; the current time when missing or unreadable
    };
    LoadResult Load(const QString& path);
    void Release();

    // Function 3: each register's key into the entry's slots, stamped now. A key missing (or
    // no integer) gives the slot 2 without a stamp and the entry result 32, as does no file.
    std::uint8_t FileRead(ModbusList& L, int e) override;
    // Function 16: the entry's registers from the register image (where the page put its new
    // values) with both checksums and the date, in one replace. 32 without a file; 33 when
    // the file is gone, too large or cannot be replaced (it is then unchanged); exception 2
    // for registers beyond the image.
    std::uint8_t FileWrite(ModbusList& L, int e) override;

    // After a write list L in file mode: registers of entries that were not written get back
    // what the file holds, so the image matches the file again; when at least one entry was
    // written, both checksums and the date are written once more (the end of the save). A
    // list that wrote nothing (or no file open) claims no change. False when the stamp was
    // due and could not be written.
    bool StampConfigFile(const ModbusList& L);

    // The command line: holds every write until EndBatch, which replaces the file once and
    // says whether that worked.
    void BeginBatch();
    bool EndBatch();

  private:
    bool Writable() const;
    bool WriteStamp();

    RegisterImage& image_;
    QLocale locale_;
    mutable std::mutex mutex_;
    std::unique_ptr<IniFile> ini_;
};

}  // namespace tarvix
