// Reading and writing configuration files.
#include "sim/config_file.h"

#include "base/cp1251.h"
#include "base/ini_file.h"
#include "base/text_file.h"
#include "link/config_file_store.h"
#include "model/param_table.h"
#include "sim/device.h"

#include <QDateTime>
#include <QFileInfo>

#include <array>

namespace tarvix::sim {
namespace {

const QString kUserRegs = QStringLiteral("UserRegs");
const QString kTechRegs = QStringLiteral("TechRegs");
const QString kDspEeprom = QStringLiteral("DspEeprom");
const QString kCheckSum = QStringLiteral("CheckSum");

bool ChecksumMatches(int stored, const QString& section, std::uint16_t sum, QString* error) {
    if (stored == kConfigMissingSum) {
        *error = QStringLiteral("section [%1] has no CheckSum").arg(section);
        return false;
    }
    if (stored != sum) {
        *error = QStringLiteral("checksum error in [%1]: the file says %2, its values add up to %3")
                     .arg(section)
                     .arg(static_cast<std::uint16_t>(stored))
                     .arg(sum);
        return false;
    }
    return true;
}

}  // namespace

bool LoadConfiguration(const QString& path, Device& device, QString* error) {
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("cannot read %1: no such file").arg(path);
        return false;
    }
    if (!ConfigFileUsable(path)) {
        *error = QStringLiteral("%1 is not a configuration file: larger than %2 bytes")
                     .arg(path)
                     .arg(kMaxConfigFileBytes);
        return false;
    }
    const IniFile ini(path);
    if (!ini.SectionExists(kUserRegs)) {
        *error = QStringLiteral("%1 is not a configuration file: no section [UserRegs]").arg(path);
        return false;
    }
    // The program's own reading: the same registers, the same value for a missing key.
    const ConfigValues user = ReadConfigValues(ini);
    if (!ChecksumMatches(user.StoredSum, kUserRegs, user.Sum, error)) return false;

    std::array<std::uint32_t, kDspParams> dsp{};
    const bool withDsp = ini.SectionExists(kDspEeprom);
    if (withDsp) {
        std::uint16_t dspSum = 0;
        for (int n = 0; n < kDspParams; ++n) {
            dsp[static_cast<std::size_t>(n)] =
                static_cast<std::uint32_t>(ini.ReadInteger(kDspEeprom, QString::number(n), 2));
            dspSum =
                static_cast<std::uint16_t>(dspSum + (dsp[static_cast<std::size_t>(n)] & 0xFFFF));
        }
        const int stored = ini.ReadInteger(kDspEeprom, kCheckSum, kConfigMissingSum);
        if (!ChecksumMatches(stored, kDspEeprom, dspSum, error)) return false;
    }

    for (std::size_t i = 0; i < DumpSet.size(); ++i) device.SetWord(DumpSet[i], user.Values[i]);
    if (withDsp) {
        // Parameters 0..18 first: each write recomputes the module's own checksum, and
        // parameter 19 then stores the file's value, as a write from the program would.
        for (int n = 0; n < kDspParams; ++n)
            device.Dsp().SetParam(n, dsp[static_cast<std::size_t>(n)]);
    }
    device.SyncFromRegisters();
    return true;
}

bool SaveConfiguration(const QString& path, const Device& device, QString* error) {
    QByteArray text;
    text.reserve(16 * 1024);
    auto line = [&text](const QString& s) {
        text += ToCp1251(s);
        text += "\r\n";
    };
    line(QStringLiteral("[UserRegs]"));
    std::uint16_t sum = 0;
    for (const int reg : DumpSet) {
        const std::uint16_t v = device.Word(reg);
        sum = static_cast<std::uint16_t>(sum + v);
        line(QStringLiteral("%1=%2").arg(reg).arg(v));
    }
    line(QStringLiteral("CheckSum=%1").arg(sum));

    // The program writes this checksum over the registers 500..1795 and never checks it.
    std::uint16_t techSum = 0;
    for (int reg = kConfigTechSumFirst; reg < kRegisters; ++reg)
        techSum = static_cast<std::uint16_t>(techSum + device.Word(reg));
    line(QStringLiteral("[TechRegs]"));
    line(QStringLiteral("CheckSum=%1").arg(techSum));

    line(QStringLiteral("[DspEeprom]"));
    std::uint16_t dspSum = 0;
    for (int n = 0; n < kDspParams; ++n) {
        const std::uint32_t v = device.Dsp().Param(n);
        dspSum = static_cast<std::uint16_t>(dspSum + (v & 0xFFFF));
        line(QStringLiteral("%1=%2").arg(n).arg(static_cast<std::int32_t>(v)));
    }
    line(QStringLiteral("CheckSum=%1").arg(dspSum));

    line(QStringLiteral("[Config]"));
    line(QStringLiteral("DateTime=") +
         FormatIniDateTime(QDateTime::currentDateTime(), QLocale::system()));
    return WriteFileAtomic(path, text, error);
}

}  // namespace tarvix::sim
