// tarvix-cli: the command-line companion of the service program. It talks to the
// transmitter over the same link code as the program: read and write holding registers,
// read and write one parameter by name as the pages show it, and list the parameter table.
// A configuration file can stand in for the transmitter, as in the program's file mode.
#include "base/string_table.h"
#include "cli/cli_link.h"
#include "cli/dsp_dump_command.h"
#include "cli/dump_command.h"
#include "cli/exit_codes.h"
#include "cli/param_command.h"
#include "cli/params_command.h"
#include "cli/poll_command.h"
#include "cli/signals_command.h"
#include "link/config_file_store.h"
#include "link/modbus_rtu.h"
#include "link/protocol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>

#include <unistd.h>

namespace {

using tarvix::ComSetup;
using tarvix::cli::kExitFile;
using tarvix::cli::kExitOk;
using tarvix::cli::kExitPort;
using tarvix::cli::kExitTransaction;
using tarvix::cli::kExitUsage;

const char* const kHelpTail = R"(
Commands:
  read START COUNT        Read COUNT holding registers from START (function 3) and print
                          one register per line: its number, a tab and its unsigned value.
                          More than %1 registers are read in several requests.
  params                  List the parameter table, one row per line, tab-separated: row,
                          name, DspSize, Type, Access, Reg, Attr, Russian and English title.
  write START VALUE...    Write the values to consecutive registers from START (function 16,
                          at most %2 registers a request). A value is 0..65535, a negative
                          number -32768..-1 (sent in two's complement) or hexadecimal (0x1F).
  get NAME                Read one parameter by its name in the parameter table (see params)
                          and print it as the program's pages show it: NAME = VALUE, with the
                          display format of the value; an enumerated value as its menu item
                          and number (SumUnit1 = "т" (2)). A measuring-module parameter is
                          read through the module (function 0xAC).
  dump FILE               Read every register of the parameter table (21 block reads, as
                          the program's register dump) into FILE: [UserRegs] with CheckSum,
                          [Config] DateTime; Windows-1251, CR LF. The file opens in the
                          program's file mode and restores into a device.
  restore FILE            Check FILE's checksum, then write every parameter this edition may
                          change, one request each. A file that fails its checksum is refused
                          before anything is sent. A value the device refuses is reported by
                          name and the others are still written; the end says how many failed.
  dsp-dump FILE           Read the measuring module's 20 EEPROM parameters (function 0xAC,
                          one request each) into FILE: [DspEeprom] with each parameter's
                          bytes as a signed 32-bit number and CheckSum, [Config] DateTime;
                          Windows-1251, CR LF, as the program's "Дамп DspEeprom" writes it.
  dsp-restore FILE        Check FILE as a whole (checksum, every key present and a number,
                          each value within its parameter's size, a real date, no NaN),
                          then write the 20 parameters in order; a file that fails is
                          refused before anything is sent. A parameter the module refuses
                          ends the restore with its name and how many were written.
  signals FILE            Start a recording of the measuring module's signals, wait until the
                          module reports it finished, then read the signal memory (40 blocks
                          of 50 samples, function 0xAC) into FILE: two columns, raw signals A
                          and B (--filtered: the digital filter's outputs), one line per
                          sample, ";" between, the system's decimal separator; Windows-1251,
                          CR LF. The program's "Загрузить..." on the signal pages loads it. A
                          block that fails or comes back as another block writes no file.
  diff A B                Compare two configurations parameter by parameter. An operand that
                          is a serial port or pseudo-terminal is read from the device (the
                          line options apply to both); anything else is a dump or
                          configuration file, checked by its checksum. The configuration is
                          what restore writes (measured values differ between any two
                          reads): one line per such parameter that differs: name, tab,
                          value in A, tab, value in B, as the pages show them; with --raw one line per register: its
                          number and both words. Exit code 0 when equal, 1 when they differ.
  set NAME VALUE          Write one parameter and print it as read back. VALUE is taken as the
                          page's control takes it: a number with "." or "," as decimal point,
                          a word in its display format (CalibrationYY: 2024), a menu item by
                          its text (any case, Russian or English) or its number. Parameters
                          that are read-only in this edition are refused. Protected sensor
                          data is written inside the access-key bracket (register 201).

  poll NAME...            Poll up to six parameters (see params) and print one line per cycle
                          in the format of the register polling page's recording file: the
                          header line ("Время" and the names) first, then the time hh:mm:ss
                          and the values as the page shows them, ";"-separated, Windows-1251,
                          CR LF, so the output loads into the page ("Загрузить..."). A value
                          that did not arrive in a cycle prints "-----" and polling goes on.
                          Ctrl-C (SIGINT) or SIGTERM ends it after a complete line.

Options of poll:
  --interval MS           Milliseconds from the start of one cycle to the next (default 1000).
  --count N               Stop after N cycles (default: until interrupted).

Options of get and set:
  --raw                   Print the value alone: the number (an item's number; a float in its
                          shortest exact form with ".").
  --verbose               Also print title, description, registers, access, format, menu
                          items and, for the main values and totals, the unit.

Configuration files:
  --file FILE.mbr         In place of --port: read, write, get and set work on a configuration
                          file as the program's "Файл" mode does (such files are written by
                          the program and by tarvix-sim --save). The file must pass its
                          checksum ("Ошибка контрольной суммы" otherwise, exit code 4). write and set put the values, both checksums and the date
                          into it in one replace; the file is never left half-written. A
                          register the file lacks reads as a failure (result 32).
                          Measuring-module parameters are not in a configuration file.
  params --file FILE.mbr  Adds each register parameter's value in the file, as get shows it,
                          as a tenth field.

Names are matched exactly, then in any case; for an unknown name close names are suggested.
A value that begins with "-" follows "--":  tarvix-cli set --port ttyUSB0 MOffsetDensity -- -1.5

Numbers are decimal unless written with 0x. Registers are the transmitter's holding-register
numbers (0..1795), counted from 0.

A transaction that fails on the line (no answer, wrong length, another address, bad CRC) is
tried three times in all, as the service program does; a refusal by the device (a Modbus
exception) is final.

Exit codes:
  0  done
  1  wrong command line, unknown parameter, a value that is not one, or a parameter that is
     read-only in this edition (the message says what); diff: the configurations differ
  2  the port could not be opened
  3  a transaction failed: the result text and code are printed on standard error
  4  a file (--file, dump, restore, dsp-dump, dsp-restore, signals, diff) is missing, too
     large, fails its checksum or another check, or could not be written (it is then unchanged)

Examples:
  tarvix-cli read --port /dev/ttyUSB0 --baud 19200 300 12
  tarvix-cli write --port ttyUSB0 --address 3 702 2
  tarvix-cli get --port ttyUSB0 SumUnit1
  tarvix-cli get --port ttyUSB0 --verbose MassFlow
  tarvix-cli get --port ttyUSB0 R0
  tarvix-cli set --port ttyUSB0 FlowDamping 2,5
  tarvix-cli set --port ttyUSB0 SumUnit1 т
  tarvix-cli get --file meter.mbr FlowDamping
  tarvix-cli set --file meter.mbr FlowDamping 2,5
  tarvix-cli read --file meter.mbr 700 12
  tarvix-cli poll --port ttyUSB0 --interval 500 MassFlow Density SumUnit1 > run.csv
)";

bool ParseNumber(const QString& text, long long lo, long long hi, long long* out) {
    bool ok = false;
    const QString t = text.trimmed();
    long long v = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                      ? t.mid(2).toLongLong(&ok, 16)
                      : t.toLongLong(&ok, 10);
    if (!ok || v < lo || v > hi) return false;
    *out = v;
    return true;
}

// The rates the transmitter offers. Another rate is still accepted, as the settings dialog
// accepts one that is not in its list.
QString BaudHelp() {
    QStringList rates;
    for (const tarvix::BaudRateEntry& b : tarvix::kBaudRates) rates << QString::number(b.BaudRate);
    return QStringLiteral("Baud rate; the transmitter offers %1.")
        .arg(rates.join(QLatin1Char(' ')));
}

int Fail(int code, const QString& message) {
    QTextStream(stderr) << "tarvix-cli: " << message << Qt::endl;
    return code;
}

// Opens a configuration file as the program's "Файл" does. Returns the exit code of a
// failure, or -1.
int LoadFile(const QString& path, tarvix::ConfigFileStore& store) {
    if (!QFileInfo(path).isFile())
        return Fail(kExitFile, QStringLiteral("cannot read %1: no such file").arg(path));
    if (!tarvix::ConfigFileUsable(path)) {
        return Fail(kExitFile,
                    QStringLiteral("%1 is not a configuration file: larger than %2 bytes")
                        .arg(path)
                        .arg(tarvix::kMaxConfigFileBytes));
    }
    if (!store.Load(path).Loaded) {
        return Fail(kExitFile,
                    path + QStringLiteral(": ") + tarvix::Str(tarvix::kStrChecksumError));
    }
    return -1;
}

// Set by SIGINT and SIGTERM: poll ends after the line it is writing.
std::atomic<bool> stopRequested{false};
extern "C" void RequestStop(int) { stopRequested.store(true); }

int FailTransaction(std::uint8_t result, int reg) {
    return Fail(kExitTransaction, QStringLiteral("register %1: %2 (result %3)")
                                      .arg(reg)
                                      .arg(tarvix::ResultText(result))
                                      .arg(result));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVIX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Command-line companion of the Tarvix service program: Modbus RTU access "
                       "to the transmitter.") +
        QString::fromUtf8(kHelpTail)
            .arg(tarvix::kMaxReadRegisters)
            .arg(tarvix::kMaxWriteRegisters));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOpt(
        {QStringLiteral("p"), QStringLiteral("port")},
        QStringLiteral("Serial port: a device path (/dev/ttyUSB0) or a name in /dev (ttyUSB0)."),
        QStringLiteral("PORT"));
    const QCommandLineOption addressOpt({QStringLiteral("a"), QStringLiteral("address")},
                                        QStringLiteral("Modbus address of the transmitter, %1..%2.")
                                            .arg(tarvix::kMinSlaveAddress)
                                            .arg(tarvix::kMaxSlaveAddress),
                                        QStringLiteral("A"), QStringLiteral("1"));
    const QCommandLineOption baudOpt({QStringLiteral("b"), QStringLiteral("baud")}, BaudHelp(),
                                     QStringLiteral("B"), QString::number(tarvix::kDefaultBaud));
    const QCommandLineOption parityOpt(QStringLiteral("parity"),
                                       QStringLiteral("Parity: none, odd or even."),
                                       QStringLiteral("P"), QStringLiteral("none"));
    const QCommandLineOption stopOpt(QStringLiteral("stop-bits"),
                                     QStringLiteral("Stop bits: 1 or 2."), QStringLiteral("N"),
                                     QStringLiteral("1"));
    const QCommandLineOption timeoutOpt(
        {QStringLiteral("t"), QStringLiteral("timeout")},
        QStringLiteral("Answer time-out in milliseconds (plus one character time per byte)."),
        QStringLiteral("MS"), QString::number(tarvix::kDefaultAnsDelayMs));
    const QCommandLineOption fileOpt(
        {QStringLiteral("f"), QStringLiteral("file")},
        QStringLiteral("Configuration file (*.mbr) in place of the port; see Configuration files."),
        QStringLiteral("FILE"));
    const QCommandLineOption rawOpt(
        QStringLiteral("raw"),
        QStringLiteral("get, set: print the value's number alone. diff: compare register by "
                       "register."));
    const QCommandLineOption verboseOpt(
        QStringLiteral("verbose"),
        QStringLiteral("get, set: also print title, registers, access, format, menu and unit. "
                       "dump, restore, dsp-dump, dsp-restore: print what was moved and the "
                       "pass's time on standard error."));
    const QCommandLineOption intervalOpt(
        QStringLiteral("interval"),
        QStringLiteral("poll: milliseconds from one cycle's start to the next."),
        QStringLiteral("MS"), QStringLiteral("1000"));
    const QCommandLineOption countOpt(
        QStringLiteral("count"),
        QStringLiteral("poll: stop after N cycles (0: until interrupted)."), QStringLiteral("N"),
        QStringLiteral("0"));
    const QCommandLineOption filteredOpt(
        QStringLiteral("filtered"),
        QStringLiteral("signals: transfer the filtered signals instead of the raw ones."));
    parser.addOptions({portOpt, fileOpt, addressOpt, baudOpt, parityOpt, stopOpt, timeoutOpt,
                       rawOpt, verboseOpt, intervalOpt, countOpt, filteredOpt});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("read, write, get, set, params, dump, restore, "
                                                "dsp-dump, dsp-restore, signals, diff or poll"));
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("see Commands"),
                                 QStringLiteral("[arguments...]"));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) return Fail(kExitUsage, QStringLiteral("no command; see --help"));
    const QString command = args.first();
    const bool onFile = parser.isSet(fileOpt);
    if (onFile && parser.isSet(portOpt))
        return Fail(kExitUsage, QStringLiteral("give --port or --file, not both"));
    // The pages show and read numbers with the system's decimal separator.
    const QString point = QLocale::system().decimalPoint();
    const QChar decimalSep = point.isEmpty() ? QLatin1Char('.') : point.front();
    auto fileImage = std::make_unique<tarvix::RegisterImage>();
    tarvix::ConfigFileStore store(*fileImage);
    if (command == QLatin1String("params")) {
        if (onFile) {
            if (const int code = LoadFile(parser.value(fileOpt), store); code >= 0) return code;
        }
        QTextStream out(stdout);
        return tarvix::RunParamsCommand(out, onFile ? fileImage.get() : nullptr, decimalSep);
    }
    if (command == QLatin1String("diff")) {
        if (args.size() != 3) return Fail(kExitUsage, QStringLiteral("usage: diff A B"));
        tarvix::cli::DiffOptions d;
        d.A = args[1];
        d.B = args[2];
        d.Raw = parser.isSet(rawOpt);
        d.DecimalSep = decimalSep;
        // A device operand is reached with the line options, which apply to both.
        const auto openDevice = [&](ComSetup& com, const QString& port) -> QString {
            tarvix::cli::LinkOptions o;
            o.port = port;
            o.address = parser.value(addressOpt);
            o.baud = parser.value(baudOpt);
            o.parity = parser.value(parityOpt);
            o.stopBits = parser.value(stopOpt);
            o.timeout = parser.value(timeoutOpt);
            if (QString why = tarvix::cli::ApplyLinkOptions(o, com); !why.isEmpty()) return why;
            if (com.OpenPort()) return {};
            return QStringLiteral("cannot open port %1: %2").arg(com.PortName, com.LastError());
        };
        QTextStream out(stdout);
        QTextStream err(stderr);
        return tarvix::cli::RunDiff(d, openDevice, out, err);
    }
    const bool byName = command == QLatin1String("get") || command == QLatin1String("set");
    const bool dspDump =
        command == QLatin1String("dsp-dump") || command == QLatin1String("dsp-restore");
    const bool dump = dspDump || command == QLatin1String("dump") ||
                      command == QLatin1String("restore") || command == QLatin1String("signals");
    const bool poll = command == QLatin1String("poll");
    if (command != QLatin1String("read") && command != QLatin1String("write") && !byName && !dump &&
        !poll) {
        return Fail(kExitUsage, QStringLiteral("unknown command '%1'; see --help").arg(command));
    }

    ComSetup com;
    if (!onFile) {
        tarvix::cli::LinkOptions o;
        o.port = parser.value(portOpt);
        o.address = parser.value(addressOpt);
        o.baud = parser.value(baudOpt);
        o.parity = parser.value(parityOpt);
        o.stopBits = parser.value(stopOpt);
        o.timeout = parser.value(timeoutOpt);
        if (const QString err = tarvix::cli::ApplyLinkOptions(o, com); !err.isEmpty()) {
            return Fail(kExitUsage, err);
        }
    }
    // The file is read before anything else: a file that fails its checksum serves nothing.
    if (onFile) {
        if (const int code = LoadFile(parser.value(fileOpt), store); code >= 0) return code;
    }
    const tarvix::cli::Target target =
        onFile ? tarvix::cli::Target(store, *fileImage) : tarvix::cli::Target(com);

    if (dump) {
        if (args.size() != 2)
            return Fail(kExitUsage, QStringLiteral("usage: %1 FILE").arg(command));
        if (onFile) {
            return Fail(kExitUsage,
                        QStringLiteral("%1 talks to a device: give --port, not --file (tarvix-cli "
                                       "diff compares two files)")
                            .arg(command));
        }
        tarvix::cli::DumpOptions d;
        d.File = args[1];
        // The progress line is for a person watching; a pipe or a file gets none.
        d.Progress = isatty(fileno(stdout)) != 0;
        d.Verbose = parser.isSet(verboseOpt);
        QTextStream out(stdout);
        QTextStream err(stderr);
        const auto openPort = [&com]() -> QString {
            if (com.OpenPort()) return {};
            return QStringLiteral("cannot open port %1: %2").arg(com.PortName, com.LastError());
        };
        if (command == QLatin1String("dsp-dump"))
            return tarvix::cli::RunDspDump(d, com, openPort, out, err);
        if (command == QLatin1String("dsp-restore"))
            return tarvix::cli::RunDspRestore(d, com, openPort, out, err);
        if (command == QLatin1String("signals")) {
            const tarvix::cli::SignalsOptions so{d.File, parser.isSet(filteredOpt), d.Progress,
                                                 decimalSep};
            return tarvix::cli::RunSignals(so, com, openPort, out, err);
        }
        return command == QLatin1String("dump")
                   ? tarvix::cli::RunDump(d, com, openPort, out, err)
                   : tarvix::cli::RunRestore(d, com, openPort, out, err);
    }
    if (poll) {
        tarvix::cli::PollOptions po;
        po.Names = args.mid(1);
        po.DecimalSep = decimalSep;
        long long interval = 0;
        if (!ParseNumber(parser.value(intervalOpt), tarvix::cli::kMinPollIntervalMs, 3600000,
                         &interval)) {
            return Fail(kExitUsage, QStringLiteral("--interval must be %1..3600000 milliseconds")
                                        .arg(tarvix::cli::kMinPollIntervalMs));
        }
        if (!ParseNumber(parser.value(countOpt), 0, 1LL << 40, &po.Count))
            return Fail(kExitUsage, QStringLiteral("--count must be a number of cycles"));
        po.IntervalMs = static_cast<int>(interval);
        std::signal(SIGINT, RequestStop);
        std::signal(SIGTERM, RequestStop);
        QTextStream err(stderr);
        return tarvix::cli::RunPoll(
            po, target,
            [&com, onFile]() -> QString {
                if (onFile || com.OpenPort()) return {};
                return QStringLiteral("cannot open port %1: %2").arg(com.PortName, com.LastError());
            },
            stopRequested, stdout, err);
    }
    if (byName) {
        tarvix::cli::ParamCommand c;
        c.Set = command == QLatin1String("set");
        if (args.size() != (c.Set ? 3 : 2)) {
            return Fail(kExitUsage, c.Set ? QStringLiteral("usage: set NAME VALUE (quote a name or "
                                                           "value that has blanks)")
                                          : QStringLiteral("usage: get NAME (quote a name that has "
                                                           "blanks)"));
        }
        c.Name = args[1];
        if (c.Set) c.Value = args[2];
        c.Raw = parser.isSet(rawOpt);
        c.Verbose = parser.isSet(verboseOpt);
        c.DecimalSep = decimalSep;
        QTextStream out(stdout);
        QTextStream err(stderr);
        return tarvix::cli::RunParamCommand(
            c, target,
            [&com, onFile]() -> QString {
                if (onFile || com.OpenPort()) return {};
                return QStringLiteral("cannot open port %1: %2").arg(com.PortName, com.LastError());
            },
            out, err);
    }

    long long start = 0;
    if (args.size() < 3) {
        return Fail(kExitUsage, command == QLatin1String("read")
                                    ? QStringLiteral("usage: read START COUNT")
                                    : QStringLiteral("usage: write START VALUE..."));
    }
    if (!ParseNumber(args[1], 0, 65535, &start)) {
        return Fail(
            kExitUsage,
            QStringLiteral("START must be a register number 0..65535, not '%1'").arg(args[1]));
    }
    std::vector<std::uint16_t> values;
    long long count = 0;
    if (command == QLatin1String("read")) {
        if (args.size() != 3 || !ParseNumber(args[2], 1, 65536 - start, &count)) {
            return Fail(kExitUsage,
                        QStringLiteral("usage: read START COUNT (COUNT 1..%1)").arg(65536 - start));
        }
    } else {
        if (args.size() - 2 > 65536 - start) {
            return Fail(kExitUsage, QStringLiteral("too many values for START %1").arg(start));
        }
        for (int i = 2; i < args.size(); ++i) {
            long long v = 0;
            if (!ParseNumber(args[i], -32768, 65535, &v)) {
                return Fail(kExitUsage,
                            QStringLiteral("value '%1' is not a 16-bit number").arg(args[i]));
            }
            values.push_back(static_cast<std::uint16_t>(v & 0xFFFF));
        }
    }

    if (!onFile && !com.OpenPort()) {
        return Fail(kExitPort,
                    QStringLiteral("cannot open port %1: %2").arg(com.PortName, com.LastError()));
    }
    int failedAt = 0;
    if (command == QLatin1String("read")) {
        const std::uint8_t r = tarvix::cli::ReadRegisters(
            target, static_cast<int>(start), static_cast<int>(count), values, &failedAt);
        QTextStream out(stdout);
        for (std::size_t i = 0; i < values.size(); ++i) {
            out << (start + static_cast<long long>(i)) << '\t' << values[i] << '\n';
        }
        out.flush();
        if (r != tarvix::kResultOk) return FailTransaction(r, failedAt);
    } else {
        // On a file the values, both checksums and the date go in one replace.
        target.BeginWrites();
        const std::uint8_t r =
            tarvix::cli::WriteRegisters(target, static_cast<int>(start), values, &failedAt);
        if (!target.EndWrites()) {
            return Fail(kExitFile, target.FileName() + QStringLiteral(": ") +
                                       tarvix::Str(tarvix::kStrFileNotWritten));
        }
        if (r != tarvix::kResultOk) return FailTransaction(r, failedAt);
    }
    return kExitOk;
}
