#include "port_enumeration.h"

#include <QFile>
#include <QSerialPortInfo>

#include <algorithm>
#include <tuple>

namespace tarvix {
namespace {

// "ttyUSB10" -> ("ttyUSB", 10, true); a name without trailing digits has no number.
struct NameKey {
    QStringView stem;
    qulonglong number = 0;
    bool numbered = false;
};

NameKey KeyOf(const QString& name) {
    qsizetype digits = name.size();
    while (digits > 0 && name.at(digits - 1).isDigit()) --digits;
    NameKey key;
    key.stem = QStringView(name).left(digits);
    if (digits < name.size()) {
        bool ok = false;
        key.number = QStringView(name).mid(digits).toULongLong(&ok);
        key.numbered = ok;
    }
    return key;
}

}  // namespace

bool PortPresent(const QString& name, const QString& sysClassTty) {
    if (name.isEmpty()) return false;
    QFile type(sysClassTty + QLatin1Char('/') + name + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly)) return true;
    bool ok = false;
    const int uart = type.readAll().trimmed().toInt(&ok);
    return !ok || uart != 0;
}

bool PortNameLess(const QString& a, const QString& b) {
    const NameKey ka = KeyOf(a);
    const NameKey kb = KeyOf(b);
    const int stem = ka.stem.compare(kb.stem);
    if (stem != 0) return stem < 0;
    // Same stem: the bare name first, then by number; equal numbers ("ttyS01", "ttyS1")
    // fall back to the text so that the order stays total.
    return std::tie(ka.numbered, ka.number) < std::tie(kb.numbered, kb.number) ||
           (std::tie(ka.numbered, ka.number) == std::tie(kb.numbered, kb.number) && a < b);
}

QStringList ArrangePortNames(QStringList names, const QString& sysClassTty) {
    names.removeIf([&](const QString& n) { return !PortPresent(n, sysClassTty); });
    std::sort(names.begin(), names.end(), PortNameLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

LinuxPortEnumerator::LinuxPortEnumerator(QString sysClassTty)
    : sysClassTty_(std::move(sysClassTty)) {}

QStringList LinuxPortEnumerator::PortNames() const {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names.append(info.portName());
    return ArrangePortNames(std::move(names), sysClassTty_);
}

std::unique_ptr<PortEnumerator> MakePlatformPortEnumerator() {
    return std::make_unique<LinuxPortEnumerator>();
}

}  // namespace tarvix
