#include "link/register_dump.h"

#include "base/cp1251.h"
#include "base/ini_file.h"
#include "base/text_file.h"
#include "model/register_ids.h"

#include <QFileInfo>

#include <algorithm>

namespace tarvix {
namespace {

const QString kUserRegs = QStringLiteral("UserRegs");
const QString kCheckSum = QStringLiteral("CheckSum");
// A missing key reads as this value: out of the 16-bit range, so it cannot be a register's.
constexpr int kMissingKey = 0x1FFFF;
// What a register whose key is missing counts as, in the image and in the checksum.
constexpr std::uint16_t kMissingValue = 2;

constexpr bool BlocksCoverDumpSet() {
    std::size_t n = 0;
    for (const DumpBlock& b : kDumpBlocks) {
        for (int r = b.First; r < b.First + b.Count; ++r) {
            if (n >= DumpSet.size() || DumpSet[n] != r) return false;
            ++n;
        }
    }
    return n == DumpSet.size();
}
static_assert(BlocksCoverDumpSet(), "the dump blocks must read exactly the dump set, in order");

}  // namespace

DumpValues DumpValuesOf(const RegisterImage& image) {
    DumpValues v{};
    for (std::size_t i = 0; i < DumpSet.size(); ++i)
        v[i] = image.ModbusRegs[static_cast<std::size_t>(DumpSet[i])];
    return v;
}

std::uint16_t DumpChecksum(const DumpValues& values) {
    std::uint16_t sum = 0;
    for (const std::uint16_t v : values) sum = static_cast<std::uint16_t>(sum + v);
    return sum;
}

QByteArray DumpFileText(const DumpValues& values, const QDateTime& when, const QLocale& locale) {
    QByteArray text;
    text.reserve(static_cast<qsizetype>(DumpSet.size()) * 12 + 128);
    text += "[UserRegs]\r\n";
    for (std::size_t i = 0; i < DumpSet.size(); ++i) {
        text += QByteArray::number(DumpSet[i]);
        text += '=';
        text += QByteArray::number(values[i]);
        text += "\r\n";
    }
    text += "CheckSum=" + QByteArray::number(DumpChecksum(values)) + "\r\n";
    text += "[Config]\r\n";
    text += "DateTime=" + ToCp1251(FormatIniDateTime(when, locale)) + "\r\n";
    return text;
}

bool WriteDumpFile(const QString& path, const DumpValues& values, QString* error) {
    return WriteFileAtomic(path, DumpFileText(values, QDateTime::currentDateTime()), error);
}

DumpLoad LoadDumpFile(const QString& path) {
    DumpLoad load;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || info.size() > kMaxDumpFileBytes) return load;
    const IniFile ini(path);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < DumpSet.size(); ++i) {
        const int v = ini.ReadInteger(kUserRegs, QString::number(DumpSet[i]), kMissingKey);
        if (v == kMissingKey) load.Missing.push_back(DumpSet[i]);
        load.Values[i] = v == kMissingKey ? kMissingValue : static_cast<std::uint16_t>(v);
        sum = static_cast<std::uint16_t>(sum + load.Values[i]);
    }
    const int stored = ini.ReadInteger(kUserRegs, kCheckSum, kMissingKey);
    if (stored == kMissingKey) {
        load.Status = DumpLoadStatus::NoChecksum;
    } else if (static_cast<std::uint16_t>(stored) != sum) {
        load.Status = DumpLoadStatus::WrongChecksum;
    } else {
        load.Status = DumpLoadStatus::Ok;
    }
    return load;
}

void StoreDumpValues(const DumpValues& values, RegisterImage& image) {
    for (std::size_t i = 0; i < DumpSet.size(); ++i)
        image.ModbusRegs[static_cast<std::size_t>(DumpSet[i])] = values[i];
}

std::vector<int> RestoreRows() {
    std::vector<int> rows;
    for (int row = 0; row < FirstDspRow; ++row) {
        if (IsRegisterRow(row) && ParamWritable(row)) rows.push_back(row);
    }
    return rows;
}

QString ProposedDumpName(const RegisterImage& image, const QDate& today) {
    return QStringLiteral("№%1_%2")
        .arg(image.ModbusRegs[mrSerialNumberDevice])
        .arg(today.toString(QStringLiteral("dd.MM.yyyy")));
}

std::optional<int> DumpIndexOf(int r) {
    const auto* it = std::lower_bound(DumpSet.begin(), DumpSet.end(), r);
    if (it == DumpSet.end() || *it != r) return std::nullopt;
    return static_cast<int>(it - DumpSet.begin());
}

std::vector<int> DiffDumps(const DumpValues& a, const DumpValues& b) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < DumpSet.size(); ++i) {
        if (a[i] == b[i]) continue;
        const int row = RegRow(DumpSet[i]);
        if (rows.empty() || rows.back() != row) rows.push_back(row);
    }
    return rows;
}

}  // namespace tarvix
