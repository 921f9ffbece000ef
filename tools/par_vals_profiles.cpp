#include "par_vals_profiles.h"

#include "base/ini_file.h"
#include "base/string_table.h"
#include "tools/par_vals_selection.h"

#include <algorithm>

namespace tarvix {
namespace {

const QString kProfiles = QStringLiteral("Profiles");
const QString kRed = QStringLiteral("ComboRedIndex");
const QString kBlue = QStringLiteral("ComboBlueIndex");

bool WriteNames(IniFile& ini, const QStringList& names) {
    if (!ini.EraseSection(kProfiles)) return false;
    for (qsizetype k = 0; k < names.size(); ++k) {
        if (!ini.WriteString(kProfiles, QString::number(k), names[k])) return false;
    }
    return true;
}

}  // namespace

QStringList ParValsProfiles::Names() const {
    QStringList names;
    for (int k = 0;; ++k) {
        const QString name = ini_.ReadString(kProfiles, QString::number(k), QString());
        if (name.isEmpty()) break;
        names.append(name);
    }
    return names;
}

QString ParValsProfiles::Refusal(const QString& raw) const {
    const QString name = raw.trimmed();
    if (name.isEmpty()) return Str(kStrProfileNameEmpty);
    // "[" and "]" would end or start a section line; a leading ";" would make it a comment.
    const bool unreadable = name.size() > kMaxProfileName || name.startsWith(u';') ||
                            std::any_of(name.cbegin(), name.cend(), [](QChar c) {
                                return c == u'[' || c == u']' || c.unicode() < u' ';
                            });
    if (unreadable) return Str(kStrProfileNameBad).arg(kMaxProfileName);
    // Another section of the settings file (the port's, the window's) must not be taken
    // over: deleting the profile would erase it.
    const bool listed = Names().contains(name, Qt::CaseInsensitive);
    if (!listed && (ini_.SectionExists(name) || name.compare(kProfiles, Qt::CaseInsensitive) == 0))
        return Str(kStrProfileNameTaken).arg(name);
    return QString();
}

bool ParValsProfiles::Save(const QString& raw, const std::vector<int>& rows, int redIndex,
                           int blueIndex) {
    // A refused name is the only way a write below can fail in memory, so the one replace
    // at the end writes the whole profile or nothing.
    if (!Refusal(raw).isEmpty()) return false;
    const QString name = raw.trimmed();
    QStringList names = Names();
    ini_.BeginUpdate();
    bool ok = ini_.EraseSection(name);
    if (!names.contains(name, Qt::CaseInsensitive)) {
        names.append(name);
        ok = ok && WriteNames(ini_, names);
    }
    for (std::size_t k = 0; ok && k < rows.size() && k < kParValsPlaces; ++k)
        ok = ini_.WriteInteger(name, QString::number(k), rows[k]);
    ok = ok && ini_.WriteInteger(name, kRed, redIndex) && ini_.WriteInteger(name, kBlue, blueIndex);
    const bool written = ini_.EndUpdate();
    return ok && written;
}

ParValsProfile ParValsProfiles::Load(const QString& name) const {
    ParValsProfile p;
    for (int k = 0; k < kParValsPlaces; ++k) {
        const int row = ini_.ReadInteger(name, QString::number(k), 0);
        if (row == 0) break;
        if (!ParValsSelectable(row) || std::find(p.Rows.begin(), p.Rows.end(), row) != p.Rows.end())
            continue;
        p.Rows.push_back(row);
    }
    p.RedIndex = std::clamp(ini_.ReadInteger(name, kRed, 0), 0, kParValsPlaces);
    p.BlueIndex = std::clamp(ini_.ReadInteger(name, kBlue, 0), 0, kParValsPlaces);
    return p;
}

bool ParValsProfiles::Delete(int k) {
    QStringList names = Names();
    if (k < 0 || k >= names.size()) return false;
    const QString name = names.takeAt(k);
    ini_.BeginUpdate();
    const bool ok = ini_.EraseSection(name) && WriteNames(ini_, names);
    const bool written = ini_.EndUpdate();
    return ok && written;
}

}  // namespace tarvix
