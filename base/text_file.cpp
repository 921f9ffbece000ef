#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace tarvix {
namespace {

void SetError(QString* error, const QString& text) {
    if (error) *error = text;
}

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

#ifdef Q_OS_WIN

class WinAppendFile final : public AppendOnlyFile {
  public:
    explicit WinAppendFile(HANDLE h) : h_(h) {}
    ~WinAppendFile() override { CloseHandle(h_); }
    WinAppendFile(const WinAppendFile&) = delete;
    WinAppendFile& operator=(const WinAppendFile&) = delete;

    qint64 Write(QByteArrayView bytes) override {
        // A failed WriteFile (disk full) still reports the bytes it wrote.
        DWORD written = 0;
        WriteFile(h_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        return written;
    }

  private:
    HANDLE h_;
};

#else

class PosixAppendFile final : public AppendOnlyFile {
  public:
    explicit PosixAppendFile(int fd) : fd_(fd) {}
    ~PosixAppendFile() override { ::close(fd_); }
    PosixAppendFile(const PosixAppendFile&) = delete;
    PosixAppendFile& operator=(const PosixAppendFile&) = delete;

    qint64 Write(QByteArrayView bytes) override {
        // write() may take only part of the bytes (a signal, a nearly full disk); what it
        // did not take is offered again until it refuses outright.
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::write(fd_, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += n;
        }
        return done;
    }

  private:
    int fd_;
};

#endif

}  // namespace

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return data;
}

bool WriteFileAtomic(const QString& path, QByteArrayView data, QString* error) {
    const QFileInfo link(path);
    const QFileInfo target(link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath());

    // The temporary file must be in the target's folder: a rename is atomic only within
    // one file system.
    QTemporaryFile tmp(target.absolutePath() + QLatin1String("/.") + target.fileName() +
                       QLatin1String(".XXXXXX"));
    if (!tmp.open()) {
        SetError(error, tmp.errorString());
        return false;
    }
    if (tmp.write(data.data(), data.size()) != data.size() || !tmp.flush()) {
        SetError(error, tmp.errorString());
        return false;
    }
    // The temporary file is created private (0600); the replaced file keeps its own rights.
    const QFileDevice::Permissions perms =
        target.exists()
            ? QFile::permissions(target.absoluteFilePath())
            : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    tmp.setPermissions(perms);
    tmp.close();
    if (tmp.error() != QFileDevice::NoError) {
        SetError(error, tmp.errorString());
        return false;
    }
    // QFile::rename refuses to replace an existing file; std::filesystem::rename replaces it
    // atomically (rename(2), MoveFileEx with MOVEFILE_REPLACE_EXISTING).
    std::error_code ec;
    std::filesystem::rename(FsPath(tmp.fileName()), FsPath(target.absoluteFilePath()), ec);
    if (ec) {
        SetError(error, qt_error_string(ec.value()));
        return false;  // tmp removes the temporary file
    }
    tmp.setAutoRemove(false);
    return true;
}

FileStamp StatFile(const QString& path) {
    FileStamp s;
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists()) return s;
    s.exists = true;
    s.size = info.size();
    s.mtimeNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
#else
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return s;
    s.exists = true;
    s.size = st.st_size;
    s.mtimeNs = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
#endif
    return s;
}

bool MakeFolder(const QString& path, QString* error) {
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    if (CreateDirectoryW(reinterpret_cast<const wchar_t*>(native.utf16()), nullptr)) return true;
    const DWORD e = GetLastError();
    if (e == ERROR_ALREADY_EXISTS && QFileInfo(path).isDir()) return true;
    SetError(error, qt_error_string(static_cast<int>(e)));
    return false;
#else
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0) return true;
    int e = errno;
    if (e == EEXIST) {
        if (QFileInfo(path).isDir()) return true;
        e = ENOTDIR;
    }
    SetError(error, qt_error_string(e));
    return false;
#endif
}

std::unique_ptr<AppendOnlyFile> OpenExclusiveAppend(const QString& path, QString* error) {
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    HANDLE h =
        CreateFileW(reinterpret_cast<const wchar_t*>(native.utf16()), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        SetError(error, qt_error_string(static_cast<int>(GetLastError())));
        return nullptr;
    }
    LARGE_INTEGER zero{};
    SetFilePointerEx(h, zero, nullptr, FILE_END);
    return std::make_unique<WinAppendFile>(h);
#else
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        SetError(error, qt_error_string(errno));
        return nullptr;
    }
    // The lock belongs to this open file: a second open, even in the same process, fails,
    // which is what keeps a second copy of the program out of the day's journal.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        ::close(fd);
        SetError(error, qt_error_string(e));
        return nullptr;
    }
    return std::make_unique<PosixAppendFile>(fd);
#endif
}

}  // namespace tarvix
