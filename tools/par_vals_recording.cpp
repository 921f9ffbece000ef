#include "par_vals_recording.h"

#include "tools/grid_text.h"

#include <QFile>

namespace tarvix {

bool AppendRecordingLine(const QString& path, const QStringList& cells) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const qint64 before = file.isSequential() ? 0 : file.size();
    const QByteArray line = GridLine(cells);
    const bool whole = file.write(line) == line.size() && file.flush();
    if (!whole && !file.isSequential()) file.resize(before);
    return whole;
}

}  // namespace tarvix
