// Why a serial port cannot be used, in terms a user can act on: the system's error on opening
// or using the port, together with what the device node tells (the group that owns it, the
// program that holds it open). No widgets: the COM settings and the connection show the text.
#pragma once

#include <QString>

namespace tarvix {

enum class PortProblemKind {
    None,
    NoPermission,  // EACCES/EPERM: the user may not open the device node
    Busy,          // EBUSY or our exclusive lock: another program has the port
    Gone,          // EIO/ENODEV/ENXIO on an open port: the adapter was unplugged
    Other,         // anything else: the system's own text says it
};

struct PortProblem {
    PortProblemKind kind = PortProblemKind::None;
    int error = 0;  // the errno behind it
    QString path;   // the device path as opened
    // NoPermission: the node's owner and group, whether the group may read and write it,
    // and the user the program runs as.
    QString owner;
    QString group;
    bool groupMayOpen = false;
    QString user;
    // Busy: "name (PID n)" of a process holding the port, when one could be found (only
    // the user's own processes can be looked into without privileges).
    QString holder;
};

// Classifies the errno of a failed open, lock or exclusive-mode request on path (never Gone:
// a port that cannot be opened has not been lost).
PortProblem ClassifyPortError(int error, const QString& path);

// Whether error, met while reading, writing or flushing an open port, means the device
// behind it is gone (a USB adapter pulled out), as opposed to a passing failure.
bool IsLineLostError(int error);

// What the user reads: what went wrong and what to do, in the current language, on one
// line (it goes into the journal as well as into message boxes).
QString PortProblemText(const PortProblem& problem);

}  // namespace tarvix
