#include "link/dsp_eeprom_dump.h"

#include "base/cp1251.h"
#include "base/ini_file.h"
#include "base/string_table.h"
#include "base/text_file.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"

#include <QDate>
#include <QFileInfo>

#include <bit>
#include <cmath>
#include <limits>
#include <optional>

namespace tarvix {
namespace {

const QString kSection = QStringLiteral("DspEeprom");
const QString kCheckSum = QStringLiteral("CheckSum");

std::size_t At(int i) { return static_cast<std::size_t>(i); }

int ParamSize(int n) {
    const int row = DspRow(n);
    return IsDspRow(row) ? ParamRegs[At(row)].DspSize : 0;
}

int ParamCode(int n) {
    const int row = DspRow(n);
    return IsDspRow(row) ? ParamRegs[At(row)].Type : -1;
}

// A key's value as the INI files read integers: optional sign, then decimal digits only.
std::optional<qint64> SignedDecimal(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype i = (t.startsWith(u'+') || t.startsWith(u'-')) ? 1 : 0;
    if (i >= t.size() || t.size() > 12) return std::nullopt;
    for (qsizetype k = i; k < t.size(); ++k) {
        if (t[k] < u'0' || t[k] > u'9') return std::nullopt;
    }
    bool ok = false;
    const qint64 v = t.toLongLong(&ok, 10);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

DspDumpLoad Fail(DspDumpLoad load, DspDumpProblem problem, int n, const QString& text = {}) {
    load.Problem = problem;
    load.Param = n;
    load.Text = text;
    return load;
}

// What the module would be sent for parameter n must be a value of its size and code: the
// module stores whatever arrives, so a damaged file would otherwise become its calibration.
DspDumpProblem CheckValue(int n, std::uint32_t v) {
    const int size = ParamSize(n);
    if (size < 4 && v >= (std::uint32_t{1} << (8 * size))) return DspDumpProblem::BeyondSize;
    switch (ParamCode(n)) {
        case kDspDate: {
            const int day = static_cast<int>(v & 0xFF);
            const int month = static_cast<int>((v >> 8) & 0xFF);
            const int year = static_cast<int>((v >> 16) & 0xFF);
            if (year > 99 || !QDate(2000 + year, month, day).isValid())
                return DspDumpProblem::NotADate;
            break;
        }
        case kDspFloat:
            if (!std::isfinite(std::bit_cast<float>(v))) return DspDumpProblem::NotAFloat;
            break;
        default:
            break;
    }
    return DspDumpProblem::None;
}

}  // namespace

std::uint16_t DspEepromChecksum(const DspEepromValues& values) {
    std::uint16_t sum = 0;
    for (const std::uint32_t v : values) sum = static_cast<std::uint16_t>(sum + (v & 0xFFFF));
    return sum;
}

QByteArray DspEepromFileText(const DspEepromValues& values, const QDateTime& when,
                             const QLocale& locale) {
    QByteArray text = "[DspEeprom]\r\n";
    for (int n = 0; n < kDspEepromParams; ++n) {
        text += QByteArray::number(n) + '=' +
                QByteArray::number(static_cast<std::int32_t>(values[At(n)])) + "\r\n";
    }
    text += "CheckSum=" + QByteArray::number(DspEepromChecksum(values)) + "\r\n";
    text += "[Config]\r\n";
    text += "DateTime=" + ToCp1251(FormatIniDateTime(when, locale)) + "\r\n";
    return text;
}

bool WriteDspEepromFile(const QString& path, const DspEepromValues& values, QString* error) {
    return WriteFileAtomic(path, DspEepromFileText(values, QDateTime::currentDateTime()), error);
}

DspDumpLoad LoadDspEepromFile(const QString& path) {
    DspDumpLoad load;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return Fail(load, DspDumpProblem::Unreadable, -1);
    if (info.size() > kMaxDspDumpFileBytes) return Fail(load, DspDumpProblem::TooLarge, -1);
    const IniFile ini(path);
    const QString missing = QStringLiteral("\x01");
    const QString stored = ini.ReadString(kSection, kCheckSum, missing);
    if (stored == missing) return Fail(load, DspDumpProblem::NoChecksum, -1);
    for (int n = 0; n < kDspEepromParams; ++n) {
        const QString text = ini.ReadString(kSection, QString::number(n), missing);
        if (text == missing) return Fail(load, DspDumpProblem::MissingKey, n);
        const auto v = SignedDecimal(text);
        // The file holds each value as a signed 32-bit number.
        if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
            *v > std::numeric_limits<std::int32_t>::max())
            // A message shows the start of what the key holds, however long the line.
            return Fail(load, DspDumpProblem::NotANumber, n, text.trimmed().left(40));
        load.Values[At(n)] = static_cast<std::uint32_t>(static_cast<std::int32_t>(*v));
    }
    const auto sum = SignedDecimal(stored);
    if (!sum || static_cast<std::uint16_t>(*sum) != DspEepromChecksum(load.Values))
        return Fail(load, DspDumpProblem::WrongChecksum, -1, stored.trimmed());
    for (int n = 0; n < kDspEepromParams; ++n) {
        const DspDumpProblem p = CheckValue(n, load.Values[At(n)]);
        if (p != DspDumpProblem::None)
            return Fail(load, p, n, QString::number(static_cast<std::int32_t>(load.Values[At(n)])));
    }
    load.Problem = DspDumpProblem::None;
    return load;
}

std::optional<std::uint32_t> DspParamAnswer(const ModbusList& L, int e, int n) {
    if (e < 0 || e >= L.Len || !AnswerInSlots(L, e)) return std::nullopt;
    // Answer data: status, reserved, code | size, n, then the value's bytes, two to a slot
    // low byte first.
    const int s = L.Slot[At(e)];
    const auto byte = [&L, s](int k) -> std::uint32_t {
        const int slot = s + k / 2;
        if (slot >= kListSlots) return 0;
        const std::uint16_t w = L.Values[At(slot)];
        return k % 2 == 0 ? (w & 0xFFu) : (w >> 8);
    };
    if (static_cast<int>(byte(3)) != n) return std::nullopt;
    std::uint32_t v = 0;
    for (int k = 0; k < ParamSize(n); ++k) v |= byte(4 + k) << (8 * k);
    return v;
}

QString DspParamName(int n) {
    const int row = DspRow(n);
    return IsDspRow(row) ? ParamName(row) : QString();
}

QString DspDumpProblemText(const DspDumpLoad& load, const QString& path) {
    const QString param = QStringLiteral("%1 (%2)").arg(load.Param).arg(DspParamName(load.Param));
    switch (load.Problem) {
        case DspDumpProblem::None:
            return {};
        case DspDumpProblem::Unreadable:
            return QStringLiteral("%1\n%2").arg(Str(kStrDumpFileUnreadable), path);
        case DspDumpProblem::TooLarge:
            return Str(kStrDspDumpTooLarge).arg(path).arg(kMaxDspDumpFileBytes / 1024);
        case DspDumpProblem::NoChecksum:
        case DspDumpProblem::WrongChecksum:
            return Str(kStrDumpChecksumError);
        case DspDumpProblem::MissingKey:
            return Str(kStrDspDumpMissingKey).arg(param);
        case DspDumpProblem::NotANumber:
            return Str(kStrDspDumpNotANumber).arg(param, load.Text);
        case DspDumpProblem::BeyondSize:
            return Str(kStrDspDumpBeyondSize).arg(param, load.Text).arg(ParamSize(load.Param));
        case DspDumpProblem::NotADate:
            return Str(kStrDspDumpNotADate).arg(param, load.Text);
        case DspDumpProblem::NotAFloat:
            return Str(kStrDspDumpNotAFloat).arg(param, load.Text);
    }
    return {};
}

}  // namespace tarvix
