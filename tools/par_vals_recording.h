// The register polling page's recording file: every header and value row is appended as a
// grid file line the moment it is produced. The file is opened for each line and closed
// after it, so a line is with the operating system once Append returns (a crash of the
// program loses at most the line being written), and a file whose folder has gone is
// noticed at the next line instead of being written into a deleted file.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvix {

// Appends the line of cells to the file at path. A line that could not be written whole is
// taken back, so the file ends with a complete line. False when the file could not be
// opened or written.
bool AppendRecordingLine(const QString& path, const QStringList& cells);

}  // namespace tarvix
