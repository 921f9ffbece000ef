#include "config_file_mode.h"

#include "base/string_table.h"
#include "session/connection_controller.h"
#include "session/program.h"

namespace tarvix {
namespace {

// The date of the file's last change as the journal shows it.
const QString kJournalDateFormat = QStringLiteral("dd.MM.yyyy hh:mm");

}  // namespace

bool ReadConfigFile(Program& p, ConnectionController& c, const QString& path) {
    p.Log.WriteJournal(Str(kStrReadingConfigFile) + path, kJournalInfo);
    // The worker may be serving the previous file: the store is replaced once the operation
    // list has finished (its lock keeps the two apart should the wait run out).
    p.WaitOpList();
    const ConfigFileStore::LoadResult loaded = p.ConfigFile.Load(path);
    if (!loaded.Loaded) {
        p.Log.WriteJournal(Str(kStrChecksumError), kJournalError);
        return false;
    }
    p.Log.WriteJournal(Str(kStrConfigFileDate) + loaded.Changed.toString(kJournalDateFormat),
                       kJournalInfo);
    return c.EnterFileMode();
}

void InstallConfigFileStamp(Program& p, ConnectionController& c) {
    c.SetFileWritten([&p] {
        if (p.ConfigFile.StampConfigFile(p.Lists->OpList)) return;
        p.Log.WriteJournal(
            p.ConfigFile.FileName() + QStringLiteral(" - ") + Str(kStrFileNotWritten),
            kJournalError);
    });
}

}  // namespace tarvix
