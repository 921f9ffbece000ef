#include "program.h"

#include "base/string_table.h"
#include "base/user_error.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tarvix {

Program::Program(const QString& folder, Journal::Environment journalEnv)
    : Folder(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')),
      Lists(std::make_unique<ModbusLists>()),
      Settings(Folder + QStringLiteral("Tarvix.ini")),
      Log(Folder, JournalList, std::move(journalEnv)) {
    Worker.File = &ConfigFile;
}

Program::~Program() = default;

namespace {

bool WaitFor(Program& p, ModbusList& L, int sleeps) {
    try {
        return WaitList(L, sleeps, p.Worker, [&] {
            if (p.OnWorkerDead) p.OnWorkerDead();
        });
    } catch (const WorkerDeadError&) {
        throw UserError(Str(kStrWorkerStoppedRestart));
    }
}

}  // namespace

bool Program::WaitOpList() { return WaitFor(*this, Lists->OpList, 70); }
bool Program::WaitPollList() { return WaitFor(*this, Lists->PollList, 150); }

namespace {

// The data folder of an installation relative to its executables' folder ("../share/tarvix"
// for the usual layout), as the build's install directories say.
const QString kDataFromBin = QStringLiteral(TARVIX_DATA_FROM_BIN);
const QString kInstalledMarker = QStringLiteral("installed");

QString WithSlash(const QString& folder) { return QDir(folder).absolutePath() + QLatin1Char('/'); }

QString InstalledDataFolder(const QString& executableFolder) {
    const QString data = QDir::cleanPath(QDir(executableFolder).filePath(kDataFromBin));
    return QFileInfo::exists(QDir(data).filePath(kInstalledMarker)) ? WithSlash(data) : QString();
}

}  // namespace

QString ProgramDataFolder(const QString& executableFolder) {
    const QString installed = InstalledDataFolder(executableFolder);
    return installed.isEmpty() ? WithSlash(executableFolder) : installed;
}

QString ChooseProgramFolder(const QString& executableFolder, bool* perUser) {
    if (InstalledDataFolder(executableFolder).isEmpty()) {
        QDir exe(executableFolder);
        // Writable means a file can really be created there, not just what the mode bits say.
        QTemporaryFile probe(exe.filePath(QStringLiteral(".tarvix-write-probe-XXXXXX")));
        if (probe.open()) {
            if (perUser) *perUser = false;
            return WithSlash(exe.absolutePath());
        }
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share/Tarvix");
    QDir().mkpath(data);
    if (perUser) *perUser = true;
    return WithSlash(data);
}

}  // namespace tarvix
