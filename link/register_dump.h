// The register dump: the 21 block reads that bring every register of the parameter table
// from the device, the dump file they are saved in (the configuration file's sections and
// keys, Windows-1251, CR LF), loading such a file with its checksum check, the rows a restore
// writes back, and the comparison of two files.
#pragma once

#include "model/param_table.h"
#include "model/register_image.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvix {

// A fixed range of holding registers read with one request.
struct DumpBlock {
    int First;
    int Count;
};

// The blocks in reading order; together they cover exactly the dump set.
inline constexpr std::array<DumpBlock, 21> kDumpBlocks = {{
    {0, 39},    {100, 33},  {200, 56},  {300, 23}, {350, 20}, {400, 36},  {500, 20},
    {600, 24},  {700, 12},  {750, 11},  {800, 11}, {850, 11}, {900, 49},  {1000, 34},
    {1100, 14}, {1200, 31}, {1300, 24}, {1400, 4}, {1500, 9}, {1600, 97}, {1700, 96},
}};
inline constexpr int kDumpBlockCount = static_cast<int>(kDumpBlocks.size());

// The values of the dump set, in its order.
using DumpValues = std::array<std::uint16_t, DumpSetSize>;

DumpValues DumpValuesOf(const RegisterImage& image);
// The 16-bit sum (modulo 65536) a file's "CheckSum" holds.
std::uint16_t DumpChecksum(const DumpValues& values);

// The file's text: "[UserRegs]", one "register=value" line per register of the dump set,
// "CheckSum=", "[Config]", "DateTime=" in the locale's short date and long time format.
QByteArray DumpFileText(const DumpValues& values, const QDateTime& when,
                        const QLocale& locale = QLocale::system());

// Writes the file atomically (a temporary file renamed over the old one); false with the
// system's reason in *error when it cannot be written.
bool WriteDumpFile(const QString& path, const DumpValues& values, QString* error = nullptr);

// What loading a file found.
enum class DumpLoadStatus {
    Ok,
    Unreadable,     // missing, a folder, or not readable
    NoChecksum,     // no "CheckSum" key in "UserRegs" (an empty or foreign file too)
    WrongChecksum,  // the values do not add up to the stored checksum
};
struct DumpLoad {
    DumpLoadStatus Status = DumpLoadStatus::Unreadable;
    DumpValues Values{};
    // Registers whose key was missing or not a number (they count as the value 2).
    std::vector<int> Missing;
    bool ok() const { return Status == DumpLoadStatus::Ok; }
};

// Reads the "UserRegs" keys of the dump set (2 for a missing key, the low 16 bits of a
// value) and checks them against "CheckSum". A file too large to be a dump (more than
// kMaxDumpFileBytes) is unreadable.
inline constexpr qint64 kMaxDumpFileBytes = 4 * 1024 * 1024;
DumpLoad LoadDumpFile(const QString& path);

// Puts loaded values into the image (without reception stamps, as a file is no reception).
void StoreDumpValues(const DumpValues& values, RegisterImage& image);

// The rows a restore writes, in table order: register rows the edition may write.
std::vector<int> RestoreRows();

// The file name the save dialog proposes: "№" + serial number (register 0) + "_" + date.
QString ProposedDumpName(const RegisterImage& image, const QDate& today);

// The register rows (parameter table rows, ascending) whose registers differ between two
// sets of values.
std::vector<int> DiffDumps(const DumpValues& a, const DumpValues& b);

// Position of register r in the dump set; nullopt for a register outside it.
std::optional<int> DumpIndexOf(int r);

}  // namespace tarvix
