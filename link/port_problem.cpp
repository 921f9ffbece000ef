#include "port_problem.h"

#include "base/string_table.h"
#include "base/system_error.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvix {
namespace {

QString UserName(uid_t uid) {
    std::vector<char> buf(4096);
    passwd pw{};
    passwd* found = nullptr;
    if (::getpwuid_r(uid, &pw, buf.data(), buf.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString GroupName(gid_t gid) {
    std::vector<char> buf(16384);
    group gr{};
    group* found = nullptr;
    if (::getgrgid_r(gid, &gr, buf.data(), buf.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(gid);
}

// Whether this process counts as a member of gid (its effective or a supplementary group).
// A user added to the group since logging in is not yet: the groups come with the login.
bool InGroup(gid_t gid) {
    if (::getegid() == gid) return true;
    const int n = ::getgroups(0, nullptr);
    if (n <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(n));
    const int got = ::getgroups(n, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<std::size_t>(i)] == gid) return true;
    }
    return false;
}

bool AllDigits(const char* s) {
    if (!*s) return false;
    for (; *s; ++s) {
        if (*s < '0' || *s > '9') return false;
    }
    return true;
}

// The first other process with a descriptor on the device, as "name (PID n)". Walks
// /proc/<pid>/fd, which shows only what this user may look into; empty when none is seen.
QString FindHolder(const QByteArray& path) {
    char real[PATH_MAX];
    if (!::realpath(path.constData(), real)) return {};
    const QByteArray target(real);
    const QByteArray self = QByteArray::number(::getpid());
    DIR* proc = ::opendir("/proc");
    if (!proc) return {};
    QString holder;
    while (holder.isEmpty()) {
        const dirent* p = ::readdir(proc);
        if (!p) break;
        if (!AllDigits(p->d_name) || self == p->d_name) continue;
        const QByteArray fdDir = QByteArray("/proc/") + p->d_name + "/fd";
        DIR* fds = ::opendir(fdDir.constData());
        if (!fds) continue;
        while (const dirent* f = ::readdir(fds)) {
            if (!AllDigits(f->d_name)) continue;
            char link[PATH_MAX];
            const QByteArray fdPath = fdDir + '/' + f->d_name;
            const ssize_t n = ::readlink(fdPath.constData(), link, sizeof link - 1);
            if (n <= 0 || target != QByteArray(link, static_cast<qsizetype>(n))) continue;
            QFile comm(QString::fromLatin1("/proc/%1/comm").arg(QLatin1String(p->d_name)));
            const QString name = comm.open(QIODevice::ReadOnly)
                                     ? QString::fromLocal8Bit(comm.readAll().trimmed())
                                     : QString();
            const QString pid = QStringLiteral("PID ") + QLatin1String(p->d_name);
            holder = name.isEmpty() ? pid : QStringLiteral("%1 (%2)").arg(name, pid);
            break;
        }
        ::closedir(fds);
    }
    ::closedir(proc);
    return holder;
}

}  // namespace

PortProblem ClassifyPortError(int error, const QString& path) {
    PortProblem p;
    p.error = error;
    p.path = path;
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    switch (error) {
        case EACCES:
        case EPERM:
            // Serial devices belong to root and a group (Debian's "dialout") whose members
            // may read and write them; a user outside it is refused. When the group would
            // not help either (a node only its owner may open), or the user is in it
            // already (access control beyond the mode bits), say what the system says.
            if (::stat(native.constData(), &st) != 0) break;
            p.owner = UserName(st.st_uid);
            p.group = GroupName(st.st_gid);
            p.user = UserName(::geteuid());
            p.groupMayOpen = (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP);
            if (p.groupMayOpen && !InGroup(st.st_gid)) {
                p.kind = PortProblemKind::NoPermission;
                return p;
            }
            if (!p.groupMayOpen && st.st_uid != ::geteuid()) {
                p.kind = PortProblemKind::NoPermission;
                return p;
            }
            break;
        case EBUSY:
        case EWOULDBLOCK:
            p.kind = PortProblemKind::Busy;
            p.holder = FindHolder(native);
            return p;
        default:
            break;
    }
    p.kind = PortProblemKind::Other;
    return p;
}

bool IsLineLostError(int error) { return error == EIO || error == ENODEV || error == ENXIO; }

QString PortProblemText(const PortProblem& p) {
    const QString system = SystemErrorText(p.error);
    switch (p.kind) {
        case PortProblemKind::None:
            return {};
        case PortProblemKind::NoPermission:
            return p.groupMayOpen ? Str(kStrPortNotInGroup).arg(p.user, p.group)
                                  : Str(kStrPortOwnerOnly).arg(p.owner);
        case PortProblemKind::Busy:
            return p.holder.isEmpty() ? Str(kStrPortBusy) : Str(kStrPortBusyHolder).arg(p.holder);
        case PortProblemKind::Gone:
            return Str(kStrAdapterGone).arg(p.path, system);
        case PortProblemKind::Other:
            break;
    }
    return system;
}

}  // namespace tarvix
