// "Файл" below the windows: reading a configuration file into the program and switching to
// file mode, and the stamp after each save in file mode. Choosing the file (the dialog) and
// showing the mode are the window's.
#pragma once

#include <QString>

namespace tarvix {

struct Program;
class ConnectionController;

// Journals the reading of path, waits for the operation list, loads the file's register rows
// into the image and checks its checksum. A missing or wrong checksum journals "Ошибка
// контрольной суммы", leaves no file open and the mode as it was (the values read stay in the
// image). Otherwise journals the file's date, stops polling, releases the port and switches
// to file mode. Returns whether file mode is now on with path; a dead worker raises UserError
// with its message.
bool ReadConfigFile(Program& p, ConnectionController& c, const QString& path);

// Makes the connection stamp the configuration file after every write list it finishes in
// file mode (StampConfigFile), journalling a stamp that could not be written.
void InstallConfigFileStamp(Program& p, ConnectionController& c);

}  // namespace tarvix
