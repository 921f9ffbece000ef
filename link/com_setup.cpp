#include "com_setup.h"

#include "base/date_time.h"

#include <algorithm>
#include <utility>

namespace tarvix {

QString PortDevicePath(const QString& portName) {
    const QString name = portName.trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('/'))) return name;
    if (name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) {
        bool ok = false;
        const int n = name.mid(3).toInt(&ok);
        if (ok && n >= 1) return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    }
    return QStringLiteral("/dev/") + name;
}

ComSetup::ComSetup() : opener_(&OpenPlatformSerial) {}

ComSetup::~ComSetup() = default;

void ComSetup::SetBaudRate(std::int32_t baud) {
    BaudRate = baud;
    CharTime = static_cast<std::uint8_t>(CharTimeFor(baud));
}

std::chrono::microseconds ComSetup::InterFrameMicros() const {
    // A character is a start bit, 8 data bits, the parity bit if any and the stop bits.
    const int bits = 1 + 8 + (Parity == kParityNone ? 0 : 1) + (StopBits == kStopBitsTwo ? 2 : 1);
    constexpr double kSilenceChars = 3.5;
    const double us = kSilenceChars * bits * 1e6 / (BaudRate > 0 ? BaudRate : kDefaultBaud);
    return std::chrono::microseconds(static_cast<long long>(us + 0.5));
}

std::shared_ptr<SerialDevice> ComSetup::Handle() const {
    std::lock_guard lock(handleMutex_);
    return handle_;
}

void ComSetup::SetHandle(std::shared_ptr<SerialDevice> device) {
    std::shared_ptr<SerialDevice> old;
    {
        std::lock_guard lock(handleMutex_);
        old = std::exchange(handle_, std::move(device));
    }
    // old is released here, outside the lock.
}

void ComSetup::Attach(std::unique_ptr<SerialDevice> device) { SetHandle(std::move(device)); }

bool ComSetup::OpenPort() {
    SetHandle(nullptr);
    lastError_.clear();
    LineSettings s;
    s.baudRate = BaudRate;
    s.parity = Parity;
    s.stopBits = StopBits;
    std::unique_ptr<SerialDevice> device = opener_(PortName, s, &lastError_);
    const bool ok = device != nullptr;
    SetHandle(std::move(device));
    return ok;
}

bool ComSetup::ClosePort() {
    if (!Handle()) return false;
    SetHandle(nullptr);
    return true;
}

void ComSetup::PurgeInput() {
    if (const auto line = Handle()) line->PurgeInput();
}

int ComSetup::WriteBytes(int n) {
    n = std::clamp(n, 0, static_cast<int>(TxBuf.size()));
    const auto line = Handle();
    if (!line) return 0;
    const int written = line->Write(TxBuf.data(), n);
    if (trace_) trace_->Sent(TxBuf.data(), written, NowStamp());
    return written;
}

int ComSetup::ReadBytes(int n) {
    n = std::clamp(n, 0, static_cast<int>(RxBuf.size()));
    const auto line = Handle();
    if (!line) return 0;
    const int total = AnsDelay + n * CharTime;
    const int got = line->Read(RxBuf.data(), n, total, CharTime);
    if (trace_) trace_->Received(RxBuf.data(), got, NowStamp());
    return got;
}

}  // namespace tarvix
