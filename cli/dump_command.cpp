#include "cli/dump_command.h"

#include "cli/cli_link.h"
#include "cli/exit_codes.h"
#include "link/modbus_rtu.h"
#include "link/register_dump.h"
#include "model/register_ids.h"
#include "pages/page_requests.h"
#include "pages/param_value.h"

#include <QElapsedTimer>
#include <QFile>

#include <sys/stat.h>

#include <memory>

namespace tarvix::cli {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

int Fail(QTextStream& err, int code, const QString& message) {
    err << "tarvix-cli: " << message << Qt::endl;
    return code;
}

// The progress line of a terminal, rewritten in place: what was moved and for how long.
class Progress {
  public:
    Progress(bool on, QTextStream& out) : on_(on), out_(out) { clock_.start(); }
    void Show(const QString& what) {
        if (!on_) return;
        out_ << '\r' << what << QStringLiteral(", %1 s").arg(Seconds(), 0, 'f', 1) << "   ";
        out_.flush();
    }
    void Done() {
        if (!on_) return;
        out_ << '\n';
        out_.flush();
    }
    double Seconds() const { return static_cast<double>(clock_.elapsed()) / 1000.0; }

  private:
    bool on_;
    QTextStream& out_;
    QElapsedTimer clock_;
};

QString LoadProblem(const QString& path, DumpLoadStatus s) {
    switch (s) {
        case DumpLoadStatus::Unreadable:
            return QStringLiteral("cannot read %1 (missing, not a file, or larger than a dump)")
                .arg(path);
        case DumpLoadStatus::NoChecksum:
            return QStringLiteral("%1: Ошибка контрольной суммы (no CheckSum in [UserRegs])")
                .arg(path);
        case DumpLoadStatus::WrongChecksum:
            return QStringLiteral(
                       "%1: Ошибка контрольной суммы (the values do not add up to "
                       "CheckSum)")
                .arg(path);
        case DumpLoadStatus::Ok:
            break;
    }
    return {};
}

QString ResultLine(const QString& what, std::uint8_t r) {
    return QStringLiteral("%1: %2 (result %3)").arg(what, ResultText(r)).arg(r);
}

// One write of a restore: the row's registers from the image; protected data inside the
// access-key bracket, as the pages write it.
std::uint8_t WriteRow(ComSetup& com, ModbusList& L, int row, RegisterImage& image) {
    L.CopyFrom(ModbusList{});
    const ParamRef p = RefOf(row);
    if (NeedsAccessKey(p)) {
        DspValueArray none{};
        // The sensor data (0..38) gets its bracket from AddWriteForControl, as on the pages;
        // the flow correction is bracketed here, as the correction page does. The list runs
        // from its last entry: key, value, closing write.
        bool keyNeeded = !IsProtectedId(p.Id);
        auto word = [&L](int reg, std::uint16_t v) {
            const int e = L.Append(kFnWriteHolding, static_cast<std::uint16_t>(reg), 1, 2, 1);
            L.Values[At(L.Slot[At(e)])] = v;
        };
        if (keyNeeded) word(kAccessKeyRegister, 0);
        AddWriteForControl(L, Binding{p.Id, false}, keyNeeded, image, none, {});
        if (keyNeeded) word(kAccessKeyRegister, AccessKey(image));
        return RunList(com, L);
    }
    const int reg = ParamRegs[At(row)].Reg;
    const int count = RowRegCount(row);
    const int e =
        L.Append(kFnWriteHolding, static_cast<std::uint16_t>(reg),
                 static_cast<std::uint16_t>(count), static_cast<std::uint16_t>(count * 2), count);
    for (int k = 0; k < count; ++k) L.Values[At(L.Slot[At(e)] + k)] = image.ModbusRegs[At(reg + k)];
    return RunEntry(com, L, e);
}

// The 21 block reads into values. Returns the first failure's result with the block's
// description in *what, or kResultOk.
std::uint8_t ReadBlocks(ComSetup& com, DumpValues& values, Progress* progress, QString* what) {
    auto list = std::make_unique<ModbusList>();
    RegisterImage image;
    int registers = 0;
    for (int b = 0; b < kDumpBlockCount; ++b) {
        const DumpBlock& block = kDumpBlocks[At(b)];
        list->CopyFrom(ModbusList{});
        list->AppendRead(static_cast<std::uint16_t>(block.First),
                         static_cast<std::uint16_t>(block.Count));
        const std::uint8_t r = RunSingle(com, *list);
        if (r != kResultOk) {
            *what = QStringLiteral("block %1 (registers %2-%3)")
                        .arg(b)
                        .arg(block.First)
                        .arg(block.First + block.Count - 1);
            return r;
        }
        for (int i = 0; i < block.Count; ++i)
            image.ModbusRegs[At(block.First + i)] = list->Values[At(list->Slot[0] + i)];
        registers += block.Count;
        if (progress) {
            progress->Show(QStringLiteral("%1 registers, block %2/%3")
                               .arg(registers)
                               .arg(b + 1)
                               .arg(kDumpBlockCount));
        }
    }
    values = DumpValuesOf(image);
    return kResultOk;
}

}  // namespace

int RunDump(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
            QTextStream& out, QTextStream& err) {
    if (const QString why = openPort(); !why.isEmpty()) return Fail(err, kExitPort, why);
    Progress progress(o.Progress, out);
    DumpValues values{};
    QString what;
    if (const std::uint8_t r = ReadBlocks(com, values, &progress, &what); r != kResultOk) {
        progress.Done();
        return Fail(err, kExitTransaction, ResultLine(what, r));
    }
    const int registers = DumpSetSize;
    progress.Done();
    QString error;
    if (!WriteDumpFile(o.File, values, &error))
        return Fail(err, kExitFile, QStringLiteral("cannot write %1: %2").arg(o.File, error));
    const QString summary = QStringLiteral("%1 registers in %2 blocks, %3 s")
                                .arg(registers)
                                .arg(kDumpBlockCount)
                                .arg(progress.Seconds(), 0, 'f', 3);
    if (o.Progress) out << summary << " -> " << o.File << Qt::endl;
    if (o.Verbose) err << summary << Qt::endl;
    return kExitOk;
}

int RunRestore(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
               QTextStream& out, QTextStream& err) {
    // The file is checked before anything is sent: a file that fails its checksum restores
    // nothing.
    const DumpLoad load = LoadDumpFile(o.File);
    if (!load.ok()) return Fail(err, kExitFile, LoadProblem(o.File, load.Status));
    if (const QString why = openPort(); !why.isEmpty()) return Fail(err, kExitPort, why);
    RegisterImage image;
    StoreDumpValues(load.Values, image);
    const std::vector<int> rows = RestoreRows();
    auto list = std::make_unique<ModbusList>();
    Progress progress(o.Progress, out);
    int refused = 0;
    int written = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        const std::uint8_t r = WriteRow(com, *list, row, image);
        if (r == kResultOk) {
            ++written;
        } else if (IsCommunicationFailure(r)) {
            // The device stopped answering: the rest would only wait for time-outs.
            progress.Done();
            Fail(err, kExitTransaction, ResultLine(ParamName(row), r));
            return Fail(err, kExitTransaction,
                        QStringLiteral("restore stopped: %1 of %2 parameters written, %3 refused")
                            .arg(written)
                            .arg(rows.size())
                            .arg(refused));
        } else {
            // The device refused this value (a range check, write protection): the others
            // are still written, and the end says how many were refused.
            ++refused;
            progress.Done();
            Fail(err, kExitTransaction, ResultLine(ParamName(row), r));
        }
        progress.Show(QStringLiteral("%1/%2 parameters").arg(i + 1).arg(rows.size()));
    }
    progress.Done();
    if (refused > 0) {
        return Fail(err, kExitTransaction,
                    QStringLiteral("%1 of %2 parameters written, %3 refused by the device")
                        .arg(written)
                        .arg(rows.size())
                        .arg(refused));
    }
    const QString summary = QStringLiteral("%1 parameters written, %2 s")
                                .arg(written)
                                .arg(progress.Seconds(), 0, 'f', 3);
    if (o.Progress) out << summary << Qt::endl;
    if (o.Verbose) err << summary << Qt::endl;
    return kExitOk;
}

int RunDiff(const DiffOptions& o,
            const std::function<QString(ComSetup&, const QString&)>& openDevice, QTextStream& out,
            QTextStream& err) {
    DumpValues values[2]{};
    const QString paths[2] = {o.A, o.B};
    for (int k = 0; k < 2; ++k) {
        const QString& path = paths[k];
        if (IsDevicePath(path)) {
            // A serial port or pseudo-terminal: the configuration the device holds now.
            ComSetup com;
            if (const QString why = openDevice(com, path); !why.isEmpty())
                return Fail(err, kExitPort, why);
            QString what;
            if (const std::uint8_t r = ReadBlocks(com, values[k], nullptr, &what); r != kResultOk)
                return Fail(err, kExitTransaction,
                            path + QStringLiteral(": ") + ResultLine(what, r));
            continue;
        }
        const DumpLoad load = LoadDumpFile(path);
        if (!load.ok()) return Fail(err, kExitFile, LoadProblem(path, load.Status));
        values[k] = load.Values;
    }
    // The configuration is what a restore writes: the measured values differ between any
    // two reads, so they are left out.
    std::vector<int> rows;
    for (const int row : DiffDumps(values[0], values[1])) {
        if (ParamWritable(row)) rows.push_back(row);
    }
    if (o.Raw) {
        // Register by register: the number and both words.
        for (const int row : rows) {
            for (int k = 0; k < RowRegCount(row); ++k) {
                const int reg = ParamRegs[At(row)].Reg + k;
                const auto i = At(*DumpIndexOf(reg));
                if (values[0][i] == values[1][i]) continue;
                out << reg << '\t' << values[0][i] << '\t' << values[1][i] << '\n';
            }
        }
        out.flush();
        return rows.empty() ? kExitOk : kExitDiffer;
    }
    RegisterImage images[2];
    for (int k = 0; k < 2; ++k) StoreDumpValues(values[k], images[k]);
    const DspValue none{};
    for (const int row : rows) {
        const ParamRef p = RefOf(row);
        out << ParamName(row) << '\t' << ShowValue(p, images[0], none, 0, o.DecimalSep).Text << '\t'
            << ShowValue(p, images[1], none, 0, o.DecimalSep).Text << '\n';
    }
    out.flush();
    return rows.empty() ? kExitOk : kExitDiffer;
}

bool IsDevicePath(const QString& path) {
    struct stat st {};
    // stat follows a symbolic link, as the simulator's published line is one.
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

}  // namespace tarvix::cli
