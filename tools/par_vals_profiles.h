// The register polling profiles in the settings file: section "Profiles" with keys "0", "1",
// ... holding the names in list order, and per profile a section named by it with the row
// indexes of its parameters as keys "0", "1", ... and the two chart choices "ComboRedIndex"
// and "ComboBlueIndex". Each change replaces the settings file once, so a failure leaves
// the file as it was.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tarvix {

class IniFile;

inline constexpr int kMaxProfileName = 100;

struct ParValsProfile {
    std::vector<int> Rows;  // selectable rows only, in selection order, at most six
    int RedIndex = 0;
    int BlueIndex = 0;
};

class ParValsProfiles {
  public:
    explicit ParValsProfiles(IniFile& settings) : ini_(settings) {}

    // The names in list order, up to the first missing or empty one.
    QStringList Names() const;
    // Why a name cannot be a profile's (the message to show), empty when it can. The name
    // becomes a section of the settings file: it must read back as the same section and
    // must not be one of the program's own sections.
    QString Refusal(const QString& name) const;
    // Saves the selection under the (trimmed) name: a new name is appended to the list; an
    // existing one keeps its place and its section is replaced whole, so that no parameter
    // of the old selection stays behind. False when the name is refused or the settings
    // file could not be written.
    bool Save(const QString& name, const std::vector<int>& rows, int redIndex, int blueIndex);
    // The profile's parameters up to the first 0 or missing key, at most six; rows that do
    // not exist, are not selectable here or are listed twice are left out.
    ParValsProfile Load(const QString& name) const;
    // Deletes the profile at list position k and its section; the names after it move down
    // one key. False when k names no profile or the file could not be written.
    bool Delete(int k);

  private:
    IniFile& ini_;
};

}  // namespace tarvix
