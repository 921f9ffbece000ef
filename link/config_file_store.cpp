#include "config_file_store.h"

#include "base/date_time.h"
#include "link/protocol.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace tarvix {
namespace {

const QString kUserRegs = QStringLiteral("UserRegs");
const QString kTechRegs = QStringLiteral("TechRegs");
const QString kConfig = QStringLiteral("Config");
const QString kCheckSum = QStringLiteral("CheckSum");
const QString kDateTime = QStringLiteral("DateTime");

std::size_t At(int i) { return static_cast<std::size_t>(i); }

const QString& SectionOf(int r) { return IsUserRegister(r) ? kUserRegs : kTechRegs; }

bool InDumpSet(int r) { return std::binary_search(DumpSet.begin(), DumpSet.end(), r); }

}  // namespace

std::optional<std::uint16_t> ReadConfigRegister(const IniFile& ini, int r) {
    const QString key = QString::number(r);
    // Two defaults tell a missing key from one that holds the first default itself.
    int v = ini.ReadInteger(SectionOf(r), key, INT_MIN);
    if (v == INT_MIN) {
        v = ini.ReadInteger(SectionOf(r), key, INT_MAX);
        if (v == INT_MAX) return std::nullopt;
    }
    return static_cast<std::uint16_t>(v & 0xFFFF);
}

ConfigValues ReadConfigValues(const IniFile& ini) {
    ConfigValues c;
    for (std::size_t i = 0; i < DumpSet.size(); ++i) {
        c.Values[i] = ReadConfigRegister(ini, DumpSet[i]).value_or(kConfigMissingValue);
        c.Sum = static_cast<std::uint16_t>(c.Sum + c.Values[i]);
    }
    c.StoredSum = ini.ReadInteger(kUserRegs, kCheckSum, kConfigMissingSum);
    return c;
}

bool ConfigFileUsable(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() <= kMaxConfigFileBytes;
}

ConfigFileStore::ConfigFileStore(RegisterImage& image, QLocale locale)
    : image_(image), locale_(std::move(locale)) {}

ConfigFileStore::~ConfigFileStore() = default;

bool ConfigFileStore::IsOpen() const {
    std::lock_guard lock(mutex_);
    return ini_ != nullptr;
}

QString ConfigFileStore::FileName() const {
    std::lock_guard lock(mutex_);
    return ini_ ? ini_->FileName() : QString();
}

ConfigFileStore::LoadResult ConfigFileStore::Load(const QString& path) {
    std::lock_guard lock(mutex_);
    ini_ = std::make_unique<IniFile>(path, locale_);
    ConfigValues c;
    if (ConfigFileUsable(path)) {
        c = ReadConfigValues(*ini_);
    } else {
        // Nothing is read of it: every register is missing, and so is the checksum.
        c.Values.fill(kConfigMissingValue);
        c.Sum = static_cast<std::uint16_t>(DumpSetSize * kConfigMissingValue);
    }
    for (std::size_t i = 0; i < DumpSet.size(); ++i) image_.Store(DumpSet[i], c.Values[i]);
    if (!c.ChecksumOk()) {
        ini_.reset();
        return {};
    }
    return {true, ini_->ReadDateTime(kConfig, kDateTime, QDateTime::currentDateTime())};
}

void ConfigFileStore::Release() {
    std::lock_guard lock(mutex_);
    ini_.reset();
}

bool ConfigFileStore::Writable() const {
    // A file that has gone is not created again from one page's values: the configuration it
    // held is what the checksum and the date would claim.
    return ConfigFileUsable(ini_->FileName());
}

std::uint8_t ConfigFileStore::FileRead(ModbusList& L, int e) {
    std::lock_guard lock(mutex_);
    if (!ini_ || !ConfigFileUsable(ini_->FileName())) return kResultNoFileData;
    const int start = L.Start[At(e)];
    const int slot = L.Slot[At(e)];
    const int count = L.Count[At(e)];
    const double now = NowStamp();
    bool missing = false;
    for (int i = 0; i < count; ++i) {
        const int s = slot + i;
        if (s >= kListSlots) return kResultNoFileData;
        const std::optional<std::uint16_t> v = ReadConfigRegister(*ini_, start + i);
        if (!v) {
            L.Values[At(s)] = kConfigMissingValue;
            missing = true;
            continue;
        }
        L.Values[At(s)] = *v;
        L.Stamps[At(s)] = now;
    }
    return missing ? kResultNoFileData : kResultOk;
}

bool ConfigFileStore::WriteStamp() {
    const ConfigValues c = ReadConfigValues(*ini_);
    std::uint16_t tech = 0;
    for (int r = kConfigTechSumFirst; r < kRegCount; ++r)
        tech = static_cast<std::uint16_t>(tech + image_.ModbusRegs[At(r)]);
    // The user checksum is the sum of what the file holds after this change, by the rule
    // the load checks it with: where the image holds what the file holds (always, unless a
    // write failed), that is the image's sum; where not, the file stays loadable.
    bool ok = ini_->WriteInteger(kUserRegs, kCheckSum, c.Sum);
    ok = ini_->WriteInteger(kTechRegs, kCheckSum, tech) && ok;
    ok = ini_->WriteDateTime(kConfig, kDateTime, QDateTime::currentDateTime()) && ok;
    return ok;
}

std::uint8_t ConfigFileStore::FileWrite(ModbusList& L, int e) {
    std::lock_guard lock(mutex_);
    if (!ini_) return kResultNoFileData;
    const int start = L.Start[At(e)];
    const int count = L.Count[At(e)];
    // The image has no value for a register beyond it, and the device would refuse it.
    if (start + count > kRegCount) return kExceptionIllegalAddress;
    if (!Writable()) return kResultFileNotWritten;
    // One replace: the values, both checksums and the date together.
    ini_->BeginUpdate();
    bool ok = true;
    for (int r = start; r < start + count; ++r)
        ok = ini_->WriteInteger(kUserRegs, QString::number(r), image_.ModbusRegs[At(r)]) && ok;
    ok = WriteStamp() && ok;
    ok = ini_->EndUpdate() && ok;
    return ok ? kResultOk : kResultFileNotWritten;
}

bool ConfigFileStore::StampConfigFile(const ModbusList& L) {
    std::lock_guard lock(mutex_);
    if (!ini_) return true;  // every write of the list failed with "no file": nothing is due
    const bool readable = ConfigFileUsable(ini_->FileName());
    bool wrote = false;
    for (int e = 0; e < L.Len; ++e) {
        if (L.Func[At(e)] != kFnWriteHolding) continue;
        if (L.Result[At(e)] == kResultOk) {
            wrote = true;
            continue;
        }
        // The page put its new values into the image before the write: where they did not
        // reach the file, the image takes back what the file holds.
        if (!readable) continue;
        const int start = L.Start[At(e)];
        for (int r = start; r < start + L.Count[At(e)] && IsUserRegister(r); ++r) {
            if (const std::optional<std::uint16_t> v = ReadConfigRegister(*ini_, r)) {
                image_.Store(r, *v);
            } else if (InDumpSet(r)) {
                image_.Store(r, kConfigMissingValue);
            }
        }
    }
    if (!wrote) return true;
    if (!Writable()) return false;
    ini_->BeginUpdate();
    const bool ok = WriteStamp();
    return ini_->EndUpdate() && ok;
}

void ConfigFileStore::BeginBatch() {
    std::lock_guard lock(mutex_);
    if (ini_) ini_->BeginUpdate();
}

bool ConfigFileStore::EndBatch() {
    std::lock_guard lock(mutex_);
    return ini_ ? ini_->EndUpdate() : true;
}

}  // namespace tarvix
