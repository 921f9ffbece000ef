#include "cli/dsp_dump_command.h"

#include "base/string_table.h"
#include "cli/cli_link.h"
#include "cli/exit_codes.h"
#include "link/dsp_eeprom_dump.h"
#include "link/modbus_rtu.h"
#include "pages/page_requests.h"

#include <QElapsedTimer>

#include <memory>

namespace tarvix::cli {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

int Fail(QTextStream& err, int code, const QString& message) {
    err << "tarvix-cli: " << message << Qt::endl;
    return code;
}

QString Param(int n) { return QStringLiteral("parameter %1 (%2)").arg(n).arg(DspParamName(n)); }

QString ResultLine(int n, std::uint8_t r) {
    return QStringLiteral("%1: %2 (result %3)").arg(Param(n), ResultText(r)).arg(r);
}

void ShowProgress(const DumpOptions& o, QTextStream& out, const char* verb, int done) {
    if (!o.Progress) return;
    out << '\r' << verb << ' ' << done << '/' << kDspEepromParams << "   ";
    out.flush();
}

void EndProgress(const DumpOptions& o, QTextStream& out) {
    if (o.Progress) out << '\n' << Qt::flush;
}

}  // namespace

int RunDspDump(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
               QTextStream& out, QTextStream& err) {
    if (const QString why = openPort(); !why.isEmpty()) return Fail(err, kExitPort, why);
    QElapsedTimer clock;
    clock.start();
    auto list = std::make_unique<ModbusList>();
    DspEepromValues values{};
    for (int n = 0; n < kDspEepromParams; ++n) {
        list->CopyFrom(ModbusList{});
        AddDspRead(*list, n);
        const std::uint8_t r = RunSingle(com, *list);
        if (r != kResultOk) {
            EndProgress(o, out);
            return Fail(err, kExitTransaction, ResultLine(n, r));
        }
        const auto v = DspParamAnswer(*list, 0, n);
        if (!v) {
            EndProgress(o, out);
            return Fail(err, kExitTransaction,
                        Param(n) + QStringLiteral(": the module answered for another parameter"));
        }
        values[At(n)] = *v;
        ShowProgress(o, out, "read", n + 1);
    }
    EndProgress(o, out);
    QString error;
    if (!WriteDspEepromFile(o.File, values, &error))
        return Fail(err, kExitFile, QStringLiteral("cannot write %1: %2").arg(o.File, error));
    if (o.Verbose) {
        err << QStringLiteral("%1 parameters read, %2 s")
                   .arg(kDspEepromParams)
                   .arg(static_cast<double>(clock.elapsed()) / 1000.0, 0, 'f', 3)
            << Qt::endl;
    }
    return kExitOk;
}

int RunDspRestore(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
                  QTextStream& out, QTextStream& err) {
    // The whole file is checked before the first write: the module stores whatever it is
    // sent, so a file refused half-way would leave it half-written.
    const DspDumpLoad load = LoadDspEepromFile(o.File);
    if (!load.ok()) {
        return Fail(
            err, kExitFile,
            QStringLiteral("%1: %2 %3")
                .arg(o.File, DspDumpProblemText(load, o.File), Str(kStrDspDumpNothingSent)));
    }
    if (const QString why = openPort(); !why.isEmpty()) return Fail(err, kExitPort, why);
    QElapsedTimer clock;
    clock.start();
    DspValueArray bytes{};
    for (int n = 0; n < kDspEepromParams; ++n) {
        for (int k = 0; k < 4; ++k)
            bytes[At(n)][At(k)] = static_cast<std::uint8_t>(load.Values[At(n)] >> (8 * k));
    }
    // Parameters 0..18 first, each making the module recompute its checksum, then the
    // checksum parameter (19) as the file has it.
    auto list = std::make_unique<ModbusList>();
    const RegisterImage none;
    for (int n = 0; n < kDspEepromParams; ++n) {
        list->CopyFrom(ModbusList{});
        bool keyNeeded = false;
        AddWriteForControl(*list, Binding{n, true}, keyNeeded, none, bytes, {});
        const std::uint8_t r = RunSingle(com, *list);
        if (r != kResultOk) {
            EndProgress(o, out);
            Fail(err, kExitTransaction, ResultLine(n, r));
            return Fail(err, kExitTransaction,
                        Str(kStrDspDumpWritten).arg(n).arg(kDspEepromParams));
        }
        ShowProgress(o, out, "written", n + 1);
    }
    EndProgress(o, out);
    if (o.Verbose) {
        err << QStringLiteral("%1 parameters written, %2 s")
                   .arg(kDspEepromParams)
                   .arg(static_cast<double>(clock.elapsed()) / 1000.0, 0, 'f', 3)
            << Qt::endl;
    }
    return kExitOk;
}

}  // namespace tarvix::cli
