// The serial ports present on this machine, as the names the settings file stores
// ("ttyUSB0"), behind a small interface so that the Windows list of serial ports can stand in.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace tarvix {

class PortEnumerator {
  public:
    virtual ~PortEnumerator() = default;
    // The ports present now, in a stable order; each name opens through PortDevicePath.
    virtual QStringList PortNames() const = 0;
};

// Linux: the serial devices Qt finds (USB adapters, ACM modems, on-board UARTs), less the
// on-board slots that have no UART behind them.
class LinuxPortEnumerator final : public PortEnumerator {
  public:
    // sysClassTty: where the kernel describes the tty devices (a test gives its own folder).
    explicit LinuxPortEnumerator(QString sysClassTty = QStringLiteral("/sys/class/tty"));
    QStringList PortNames() const override;

  private:
    QString sysClassTty_;
};

// The enumerator of the platform the program runs on.
std::unique_ptr<PortEnumerator> MakePlatformPortEnumerator();

// Whether the port is a device that exists. The 8250 driver registers ttyS0..ttySn whatever
// the board has; a slot without a chip reports UART type 0 (PORT_UNKNOWN) in sysfs and
// fails every open, so it must not be offered. Ports without that attribute (USB, ACM) are
// present by being listed at all. Reading sysfs, unlike TIOCGSERIAL, does not open the port,
// which on Linux would pulse DTR on the line.
bool PortPresent(const QString& name, const QString& sysClassTty);

// List order: by name, a trailing number compared as a number (ttyUSB2 before ttyUSB10).
bool PortNameLess(const QString& a, const QString& b);

// The names that pass PortPresent, without repeats, in PortNameLess order.
QStringList ArrangePortNames(QStringList names, const QString& sysClassTty);

}  // namespace tarvix
