#include "cli/signals_command.h"

#include "base/text_file.h"
#include "cli/cli_link.h"
#include "cli/exit_codes.h"
#include "link/modbus_rtu.h"
#include "link/signal_memory.h"
#include "pages/signal_file.h"

#include <QElapsedTimer>

#include <memory>

namespace tarvix::cli {
namespace {

int Fail(QTextStream& err, int code, const QString& message) {
    err << "tarvix-cli: " << message << Qt::endl;
    return code;
}

QString ResultLine(const QString& what, std::uint8_t r) {
    return QStringLiteral("%1: %2 (result %3)").arg(what, ResultText(r)).arg(r);
}

// One exchange with the module of the recording (start or status).
std::uint8_t CaptureRequest(const Target& t, ModbusList& L, std::uint8_t sub, bool start) {
    L.CopyFrom(ModbusList{});
    L.Append(kFnDspExchange, sub, kCaptureAnswerBytes, start ? 2 : 0, kCaptureAnswerBytes / 2);
    if (start) L.Values[0] = kCaptureStartCode;
    return RunSingle(t, L);
}

}  // namespace

int RunSignals(const SignalsOptions& o, ComSetup& com, const std::function<QString()>& openPort,
               QTextStream& out, QTextStream& err) {
    if (const QString why = openPort(); !why.isEmpty()) return Fail(err, kExitPort, why);
    const Target t(com);
    auto L = std::make_unique<ModbusList>();
    QElapsedTimer clock;
    clock.start();
    const auto progress = [&](const QString& what) {
        if (!o.Progress) return;
        out << '\r' << what << QStringLiteral(", %1 s").arg(clock.elapsed() / 1000.0, 0, 'f', 1)
            << "   ";
        out.flush();
    };
    const auto endLine = [&] {
        if (o.Progress) out << Qt::endl;
    };

    if (const std::uint8_t r = CaptureRequest(t, *L, kDspCaptureStart, true); r != kResultOk)
        return Fail(err, kExitTransaction, ResultLine(QStringLiteral("recording start"), r));
    bool finished = false;
    for (int poll = 0; poll < kCaptureMaxPolls && !finished; ++poll) {
        progress(QStringLiteral("recording"));
        const std::uint8_t r = CaptureRequest(t, *L, kDspCaptureStatus, false);
        // Silence is counted like the program does: the next poll may get an answer.
        if (IsDeviceException(r)) {
            endLine();
            return Fail(err, kExitTransaction, ResultLine(QStringLiteral("recording status"), r));
        }
        finished = r == kResultOk && (L->Values[0] & kCaptureFinishedBit) != 0;
    }
    if (!finished) {
        endLine();
        return Fail(err, kExitTransaction,
                    QStringLiteral("the module did not finish the recording within %1 polls")
                        .arg(kCaptureMaxPolls));
    }

    const SignalKind kind = o.Filtered ? SignalKind::Filtered : SignalKind::Raw;
    auto buffer = std::make_unique<SignalBufferArray>();
    L->CopyFrom(ModbusList{});
    L->Buffer = buffer->data();
    AppendSignalTransfer(*L, kind);
    // The order the program's worker runs the list in: from the last entry down.
    for (int e = L->Len - 1, done = 1; e >= 0; --e, ++done) {
        progress(QStringLiteral("block %1 of %2").arg(done).arg(L->Len));
        const std::uint8_t r = RunEntry(t, *L, e);
        if (r != kResultOk) {
            endLine();
            const SignalBlock b = TransferBlock(kind, e);
            return Fail(err, kExitTransaction,
                        ResultLine(QStringLiteral("block of channel mask %1 from sample %2")
                                       .arg(b.mask)
                                       .arg(b.first),
                                   r));
        }
    }
    endLine();
    if (const std::vector<int> wrong = MisplacedBlocks(*L, kind); !wrong.empty()) {
        const SignalBlock b = TransferBlock(kind, wrong.front());
        return Fail(err, kExitTransaction,
                    QStringLiteral("the module answered another block for channel mask %1 from "
                                   "sample %2; no file written")
                        .arg(b.mask)
                        .arg(b.first));
    }
    const auto channels = SignalChannels(*buffer, kind);
    const SignalSeries series(channels.begin(), channels.end());
    QString error;
    if (!WriteFileAtomic(o.File, SignalFileBytes(series, o.DecimalSep), &error))
        return Fail(err, kExitFile, QStringLiteral("cannot write %1: %2").arg(o.File, error));
    if (o.Progress) {
        out << QStringLiteral("%1 samples in %2 blocks, %3 s -> %4")
                   .arg(2 * kSignalSamples)
                   .arg(kSignalTransferEntries)
                   .arg(clock.elapsed() / 1000.0, 0, 'f', 3)
                   .arg(o.File)
            << Qt::endl;
    }
    return kExitOk;
}

}  // namespace tarvix::cli
