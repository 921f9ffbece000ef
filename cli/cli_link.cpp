#include "cli_link.h"

#include "link/modbus_rtu.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace tarvix::cli {

QString ApplyLinkOptions(const LinkOptions& o, ComSetup& com) {
    bool ok = false;
    const int address = o.address.trimmed().toInt(&ok);
    if (!ok || address < kMinSlaveAddress || address > kMaxSlaveAddress) {
        return QStringLiteral("address must be %1..%2, not '%3'")
            .arg(kMinSlaveAddress)
            .arg(kMaxSlaveAddress)
            .arg(o.address);
    }
    const int baud = o.baud.trimmed().toInt(&ok);
    if (!ok || baud < 50 || baud > 4000000) {
        return QStringLiteral("baud rate must be a number of bits per second, not '%1'")
            .arg(o.baud);
    }
    const QString p = o.parity.trimmed().toLower();
    int parity = -1;
    if (p == QLatin1String("none") || p == QLatin1String("n")) parity = kParityNone;
    if (p == QLatin1String("odd") || p == QLatin1String("o")) parity = kParityOdd;
    if (p == QLatin1String("even") || p == QLatin1String("e")) parity = kParityEven;
    if (parity < 0)
        return QStringLiteral("parity must be none, odd or even, not '%1'").arg(o.parity);
    const QString sb = o.stopBits.trimmed();
    if (sb != QLatin1String("1") && sb != QLatin1String("2")) {
        return QStringLiteral("stop bits must be 1 or 2, not '%1'").arg(o.stopBits);
    }
    const int timeout = o.timeout.trimmed().toInt(&ok);
    if (!ok || timeout < 1 || timeout > 65535) {
        return QStringLiteral("timeout must be 1..65535 ms, not '%1'").arg(o.timeout);
    }
    if (o.port.trimmed().isEmpty()) return QStringLiteral("no port given (--port)");
    com.PortName = o.port.trimmed();
    com.Address = static_cast<std::uint8_t>(address);
    com.SetBaudRate(baud);
    com.Parity = parity;
    com.StopBits = sb == QLatin1String("2") ? kStopBitsTwo : kStopBitsOne;
    com.AnsDelay = static_cast<std::uint16_t>(timeout);
    // Nothing is displayed between two requests here: the next one goes out after the line's
    // inter-frame silence, not after the program's longer pause.
    com.AfterAnswerPause = com.InterFrameMicros();
    return {};
}

std::uint8_t Target::Execute(ModbusList& L, int e) const {
    if (!file_) {
        L.Index.store(static_cast<std::int16_t>(e), std::memory_order_release);
        const std::uint8_t r = ExecuteTransaction(*com_, L);
        L.Index.store(-1, std::memory_order_release);
        return r;
    }
    const auto i = static_cast<std::size_t>(e);
    switch (L.Func[i]) {
        case kFnReadHolding:
            return file_->FileRead(L, e);
        case kFnWriteHolding:
            for (int k = 0; k < L.Count[i] && L.Slot[i] + k < kListSlots; ++k) {
                image_->Store(L.Start[i] + k, L.Values[static_cast<std::size_t>(L.Slot[i] + k)]);
            }
            return file_->FileWrite(L, e);
        default:
            // A configuration file holds no measuring module and no file records.
            return kExceptionIllegalFunction;
    }
}

void Target::BeginWrites() const {
    if (file_) file_->BeginBatch();
}

bool Target::EndWrites() const { return file_ ? file_->EndBatch() : true; }

std::uint8_t RunEntry(const Target& t, ModbusList& L, int e) {
    if (e < 0 || e >= L.Len) return kResultNoAnswer;
    std::uint8_t r = kResultNoAnswer;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        r = t.Execute(L, e);
        if (!IsCommunicationFailure(r)) break;
        // The inter-frame silence the worker keeps between attempts.
        std::this_thread::sleep_for(std::chrono::milliseconds(t.PauseMs()));
    }
    L.Result[static_cast<std::size_t>(e)] = r;
    return r;
}

std::uint8_t RunList(const Target& t, ModbusList& L, int* failedEntry) {
    std::uint8_t first = kResultOk;
    for (int e = L.Len - 1; e >= 0; --e) {
        const std::uint8_t r = RunEntry(t, L, e);
        if (r != kResultOk && first == kResultOk) {
            first = r;
            if (failedEntry) *failedEntry = e;
        }
    }
    return first;
}

std::uint8_t ReadRegisters(const Target& t, int start, int count,
                           std::vector<std::uint16_t>& values, int* failedAt) {
    auto lists = std::make_unique<ModbusLists>();
    ModbusList& L = lists->OpList;
    values.clear();
    for (int at = start; at < start + count;) {
        const int n = std::min(kMaxReadRegisters, start + count - at);
        lists->ResetList(L);
        L.AppendRead(static_cast<std::uint16_t>(at), static_cast<std::uint16_t>(n));
        const std::uint8_t r = RunSingle(t, L);
        if (r != kResultOk) {
            if (failedAt) *failedAt = at;
            return r;
        }
        for (int i = 0; i < n; ++i) values.push_back(L.Values[static_cast<std::size_t>(i)]);
        at += n;
    }
    return kResultOk;
}

std::uint8_t WriteRegisters(const Target& t, int start, const std::vector<std::uint16_t>& values,
                            int* failedAt) {
    auto lists = std::make_unique<ModbusLists>();
    ModbusList& L = lists->OpList;
    const int count = static_cast<int>(values.size());
    for (int done = 0; done < count;) {
        const int n = std::min(kMaxWriteRegisters, count - done);
        lists->ResetList(L);
        L.Append(kFnWriteHolding, static_cast<std::uint16_t>(start + done),
                 static_cast<std::uint16_t>(n), 0, n);
        for (int i = 0; i < n; ++i) {
            L.Values[static_cast<std::size_t>(i)] = values[static_cast<std::size_t>(done + i)];
        }
        const std::uint8_t r = RunSingle(t, L);
        if (r != kResultOk) {
            if (failedAt) *failedAt = start + done;
            return r;
        }
        done += n;
    }
    return kResultOk;
}

}  // namespace tarvix::cli
