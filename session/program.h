// The program-wide objects of one run: register image, lists, connection settings, worker
// state, configuration file, settings file and journal. main() creates one Program and hands it by
// reference to every window; a test makes a fresh one on a temporary folder.
#pragma once

#include "base/ini_file.h"
#include "link/com_setup.h"
#include "link/config_file_store.h"
#include "link/list_ops.h"
#include "link/modbus_list.h"
#include "link/thread_com.h"
#include "model/register_image.h"
#include "session/journal.h"
#include "session/journal_model.h"

#include <QString>

#include <functional>
#include <memory>

namespace tarvix {

struct Program {
    // folder: where "Tarvix.ini", "Logs" and "IndicatorLogs" live (with a trailing '/').
    explicit Program(const QString& folder, Journal::Environment journalEnv = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    QString Folder;
    RegisterImage Image;
    std::unique_ptr<ModbusLists> Lists;  // large: kept off the stack
    ComSetup Com;
    WorkerState Worker;
    // ConfigFile: the configuration file the worker serves file mode from (none at first);
    // installed in Worker.File.
    ConfigFileStore ConfigFile{Image};
    IniFile Settings;
    JournalModel JournalList;
    Journal Log;
    int LangIndex = 0;     // 0 Russian, 1 English
    bool Started = false;  // set at the end of the main window's first show
    // Set while results are distributed: change handlers of page controls do nothing then.
    bool Distributing = false;

    // Stops the window's timers and journals the worker's death; the window installs it.
    std::function<void()> OnWorkerDead;

    // The bounded waits of the window thread for the operation list (0.7 s) and the poll
    // list (1.5 s). A dead worker raises UserError with string 145 after OnWorkerDead.
    bool WaitOpList();
    bool WaitPollList();
};

// The folder the program keeps its files in ("Tarvix.ini", "Logs", "IndicatorLogs"). An
// installed program (see ProgramDataFolder) keeps them in the per-user application data
// folder, whoever runs it: root may write to /usr/bin, but settings do not belong there. A
// copied or portable folder, as on Windows, keeps them beside the executable when that
// folder is writable, otherwise in the per-user folder too. *perUser tells which was chosen.
QString ChooseProgramFolder(const QString& executableFolder, bool* perUser = nullptr);

// The folder of what the program ships besides its executables (the language module
// "Tarvix.ENU"): the installation's data folder (share/tarvix beside the bin folder), found
// by the marker file "installed" that `cmake --install` and the package put there; for a
// copied or portable folder, the executable's own folder.
QString ProgramDataFolder(const QString& executableFolder);

}  // namespace tarvix
