// File primitives under the program's text files: whole-file reads, a replace that never
// leaves a half-written file, a cheap change check, and the exclusively held append file
// of the journal. The operating system's error text is returned for a failure.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

namespace tarvix {

// The whole file; nullopt when it is missing or cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Replaces the file with data: the bytes go to a temporary file in the same folder, which is
// then renamed over the old file, so a crash or a full disk leaves either the old or the new
// file, never a mixture, and no temporary file stays behind. An existing file keeps its
// permissions; a symbolic link is followed, not replaced. There is no fsync: the settings
// and configuration files are written key by key, hundreds of times in a row, and the rename
// already protects against the program dying halfway.
bool WriteFileAtomic(const QString& path, QByteArrayView data, QString* error = nullptr);

// Identity and version of a file as the file system reports it. A file replaced by
// WriteFileAtomic is a new inode, so equal stamps mean "very likely unchanged"; the
// remaining doubt (inode reused within one clock tick at equal size) is acceptable only
// for changes made by other processes.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StatFile(const QString& path);

// Creates one folder; an existing folder is fine. On failure *error gets the system's text.
bool MakeFolder(const QString& path, QString* error);

// A file that only grows at its end.
class AppendOnlyFile {
  public:
    virtual ~AppendOnlyFile() = default;
    // Appends the bytes; returns how many reached the file (fewer on a full disk).
    virtual qint64 Write(QByteArrayView bytes) = 0;
};

// Opens (creating when missing) a file for appending that no other opener can write while
// this one is open; readers are not hindered. Linux: flock(LOCK_EX | LOCK_NB), which other
// copies of the program honour; Windows: sharing mode "read only". On failure returns
// nullptr and puts the system's text into *error.
std::unique_ptr<AppendOnlyFile> OpenExclusiveAppend(const QString& path, QString* error);

}  // namespace tarvix
