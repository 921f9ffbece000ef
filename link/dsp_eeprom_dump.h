// The measuring module's EEPROM dump: the file its 20 parameters are saved in (section
// "DspEeprom", one signed 32-bit little-endian reading of each parameter's bytes, a 16-bit
// checksum; Windows-1251, CR LF), and loading such a file with every check a write into the
// module needs, so that a file is refused as a whole before the first parameter is sent.
#pragma once

#include "link/modbus_list.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace tarvix {

inline constexpr int kDspEepromParams = 20;

// Parameter n's bytes read little-endian into one word (unused upper bytes 0): a float is its
// bit pattern, a date day | month << 8 | (year - 2000) << 16.
using DspEepromValues = std::array<std::uint32_t, kDspEepromParams>;

// The sum of the low 16 bits of the 20 values, modulo 65536.
std::uint16_t DspEepromChecksum(const DspEepromValues& values);

// The file's text: "[DspEeprom]", "n=value" for n = 0..19 (value as a signed 32-bit number),
// "CheckSum=", "[Config]", "DateTime=" in the locale's short date and long time format.
QByteArray DspEepromFileText(const DspEepromValues& values, const QDateTime& when,
                             const QLocale& locale = QLocale::system());

// Writes the file atomically; false with the system's reason in *error.
bool WriteDspEepromFile(const QString& path, const DspEepromValues& values,
                        QString* error = nullptr);

// What loading a file found. The first problem in this order is reported: the file itself,
// the checksum key, each parameter's key and number (n ascending), the checksum's value, then
// each value against its parameter's size and value code.
enum class DspDumpProblem {
    None,
    Unreadable,     // missing, a folder, or not readable
    TooLarge,       // larger than kMaxDspDumpFileBytes: no dump, whatever it holds
    NoChecksum,     // no "CheckSum" in "DspEeprom" (an empty, truncated or foreign file too)
    MissingKey,     // parameter Param has no key
    NotANumber,     // parameter Param's key holds no signed decimal 32-bit number
    WrongChecksum,  // the values do not add up to the stored checksum
    BeyondSize,     // parameter Param's value does not fit its 2 or 3 bytes
    NotADate,       // the production date is no calendar date of 2000..2099
    NotAFloat,      // a float parameter holds NaN or an infinity
};

struct DspDumpLoad {
    DspDumpProblem Problem = DspDumpProblem::Unreadable;
    int Param = -1;  // the parameter concerned, or -1
    QString Text;    // what the key held, for the messages
    DspEepromValues Values{};
    bool ok() const { return Problem == DspDumpProblem::None; }
    // A problem the text of the module's own dump dialog calls a checksum error.
    bool ChecksumProblem() const {
        return Problem == DspDumpProblem::NoChecksum || Problem == DspDumpProblem::WrongChecksum;
    }
};

// A dump holds 20 short lines; anything much larger is not one and is not parsed.
inline constexpr qint64 kMaxDspDumpFileBytes = 64 * 1024;
DspDumpLoad LoadDspEepromFile(const QString& path);

// The user's message for a failed load (string table texts), naming the parameter.
QString DspDumpProblemText(const DspDumpLoad& load, const QString& path);

// The value bytes of a successful read of parameter n (sub-function 10) in entry e of L, as
// one word; nullopt when the entry holds no answer or the answer is for another parameter.
std::optional<std::uint32_t> DspParamAnswer(const ModbusList& L, int e, int n);

// The parameter table's name of parameter n ("R0"), empty when no row has it.
QString DspParamName(int n);

}  // namespace tarvix
