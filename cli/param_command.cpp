#include "cli/param_command.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "cli/cli_link.h"
#include "cli/exit_codes.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "pages/page_requests.h"
#include "pages/param_value.h"

#include <QTextStream>

#include <memory>
#include <vector>

namespace tarvix::cli {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

int Fail(QTextStream& err, int code, const QString& message) {
    err << "tarvix-cli: " << message << Qt::endl;
    return code;
}

QString ResultLine(const QString& what, std::uint8_t result) {
    return QStringLiteral("%1: %2 (result %3)").arg(what, ResultText(result)).arg(result);
}

QString What(const ParamRef& p) { return QStringLiteral("%1 (%2)").arg(p.Name(), WhereText(p)); }

// Reads the values of the identifiers into image, merged into ranges as a page read is.
// Returns the first failing result and the register its request started at.
std::uint8_t ReadIds(const Target& t, const std::vector<int>& ids, RegisterImage& image,
                     int* failedReg) {
    auto list = std::make_unique<ModbusList>();
    for (const int id : ids) AddRead(*list, id);
    CoalesceReads(*list);
    int failed = 0;
    const std::uint8_t r = RunList(t, *list, &failed);
    if (r != kResultOk) {
        *failedReg = list->Start[At(failed)];
        return r;
    }
    for (int e = 0; e < list->Len; ++e) {
        for (int k = 0; k < list->Count[At(e)]; ++k) {
            image.Store(list->Start[At(e)] + k, list->Values[At(list->Slot[At(e)] + k)]);
        }
    }
    return kResultOk;
}

// Byte k of an answer kept in the slots from s on, low byte of each slot first.
std::uint8_t AnswerByte(const ModbusList& L, int s, int k) {
    const std::uint16_t w = L.Values[At(s + k / 2)];
    return static_cast<std::uint8_t>(k % 2 == 0 ? (w & 0xFF) : (w >> 8));
}

// The measuring-module read of parameter n (sub-function 10). Its answer repeats the request
// word: status, reserved, code | size, n, then the value's bytes.
struct DspRead {
    std::uint8_t Result = kResultOk;
    QString Mismatch{};  // the answer was for another parameter
};
DspRead ReadDsp(const Target& t, int n, DspValue& value) {
    auto list = std::make_unique<ModbusList>();
    AddDspRead(*list, n);
    DspRead d;
    d.Result = RunSingle(t, *list);
    if (d.Result != kResultOk) return d;
    const int s = list->Slot[0];
    if (const int answered = AnswerByte(*list, s, 3); answered != n) {
        d.Mismatch = QStringLiteral("the measuring module answered for parameter %1").arg(answered);
        return d;
    }
    value = {};
    for (int k = 0; k < DspSize(n) && k < 4; ++k) value[At(k)] = AnswerByte(*list, s, 4 + k);
    return d;
}

void AppendWord(ModbusList& list, int reg, std::uint16_t v) {
    const int e = list.Append(kFnWriteHolding, static_cast<std::uint16_t>(reg), 1, 0, 1);
    if (e >= 0) list.Values[At(list.Slot[At(e)])] = v;
}

// Reads what p's line needs into image or dsp. Returns the exit code of a failure, or -1.
int ReadForShow(const ParamRef& p, const Target& t, RegisterImage& image, DspValue& dsp,
                QTextStream& err) {
    if (p.IsDsp()) {
        const DspRead d = ReadDsp(t, p.Id, dsp);
        if (d.Result != kResultOk)
            return Fail(err, kExitTransaction, ResultLine(What(p), d.Result));
        if (!d.Mismatch.isEmpty())
            return Fail(err, kExitTransaction, What(p) + QStringLiteral(": ") + d.Mismatch);
        return -1;
    }
    int failedReg = 0;
    if (const std::uint8_t r = ReadIds(t, IdsToRead(p), image, &failedReg); r != kResultOk) {
        return Fail(
            err, kExitTransaction,
            ResultLine(QStringLiteral("%1, reading register %2").arg(p.Name()).arg(failedReg), r));
    }
    return -1;
}

void PrintDetails(const ParamCommand& c, const ParamRef& p, const RegisterImage& image,
                  const Target& t, QTextStream& out) {
    const QString indent = QStringLiteral("  ");
    QStringList titles;
    for (const int lang : {0, 1}) {
        if (const QString title = ParamTitle(p.Row, lang); !title.isEmpty()) titles.append(title);
    }
    if (!titles.isEmpty()) out << indent << "title: " << titles.join(QStringLiteral(" / ")) << '\n';
    if (const QString hint = ParamHint(p.Row, c.LangIndex); !hint.isEmpty()) {
        out << indent << "description: " << hint << '\n';
    }
    out << indent << "where: " << WhereText(p, true) << '\n';
    const QString access = ParamWritableAt(p.Row, c.Level)  ? QStringLiteral("read and write")
                           : ParamVisibleAt(p.Row, c.Level) ? QStringLiteral("read only")
                                                            : QStringLiteral("hidden");
    out << indent << "access: " << access << " at access level " << c.Level << '\n';
    if (!p.Format.isEmpty()) out << indent << "format: " << p.Format << '\n';
    if (const MenuLines menu = MenuOf(p, image, c.LangIndex); !menu.empty()) {
        out << indent << "menu: " << MenuListing(menu) << '\n';
    }
    if (const int unitRow = UnitRowOf(p); unitRow != kNoRow) {
        const ParamRef unit = RefOf(unitRow);
        auto unitImage = std::make_unique<RegisterImage>();
        int failedReg = 0;
        const std::uint8_t r = ReadIds(t, IdsToRead(unit), *unitImage, &failedReg);
        const QString text =
            r == kResultOk
                ? ShowValue(unit, *unitImage, {}, c.LangIndex, c.DecimalSep).Text.trimmed()
                : QStringLiteral("not read: %1").arg(ResultText(r));
        out << indent << "unit: " << text << " (" << unit.Name() << ")\n";
    }
}

int Show(const ParamCommand& c, const ParamRef& p, const Target& t, QTextStream& out,
         QTextStream& err) {
    auto image = std::make_unique<RegisterImage>();
    DspValue dsp{};
    if (const int code = ReadForShow(p, t, *image, dsp, err); code >= 0) return code;
    try {
        out << ValueLine(p, ShowValue(p, *image, dsp, c.LangIndex, c.DecimalSep), c.Raw) << '\n';
    } catch (const UserError& e) {
        // A display format that cannot show the value; the catalogue's formats all can.
        return Fail(err, kExitUsage, p.Name() + QStringLiteral(": ") + e.message());
    }
    if (c.Verbose) PrintDetails(c, p, *image, t, out);
    out.flush();
    return kExitOk;
}

int Write(const ParamRef& p, const ParsedInput& in, RegisterImage& image, const Target& t,
          QTextStream& err) {
    auto list = std::make_unique<ModbusList>();
    bool keyNeeded = false;
    if (NeedsAccessKey(p)) {
        int failedReg = 0;
        if (const std::uint8_t r = ReadIds(t, {mrCUR_SN}, image, &failedReg); r != kResultOk) {
            return Fail(
                err, kExitTransaction,
                ResultLine(
                    QStringLiteral("CUR_SN (register %1, source of the access key)").arg(failedReg),
                    r));
        }
        // The pages bracket the sensor data (0..38) themselves; the flow correction is
        // bracketed here, as the correction page does.
        if (!IsProtectedId(p.Id)) {
            keyNeeded = true;
            AppendWord(*list, kAccessKeyRegister, 0);
        }
    }
    DspValueArray dspValues{};
    if (p.IsDsp()) dspValues[At(p.Id)] = in.Dsp;
    AddWriteForControl(*list, Binding{p.Id, p.IsDsp()}, keyNeeded, image, dspValues, {});
    // Appended last, so that the list, run from its last entry, sends the key first.
    if (keyNeeded) AppendWord(*list, kAccessKeyRegister, AccessKey(image));

    // On a file, the whole list reaches it in one replace: the value, both checksums and the
    // date. The closing write of a bracket goes with it even when the value was refused.
    t.BeginWrites();
    RunList(t, *list);
    if (!t.EndWrites())
        return Fail(err, kExitFile, t.FileName() + QStringLiteral(": ") + Str(kStrFileNotWritten));
    bool failed = false;
    for (int e = list->Len - 1; e >= 0; --e) {
        const std::uint8_t r = list->Result[At(e)];
        if (r == kResultOk) continue;
        failed = true;
        const bool key =
            list->Func[At(e)] == kFnWriteHolding && list->Start[At(e)] == kAccessKeyRegister;
        Fail(err, kExitTransaction,
             ResultLine(
                 key ? QStringLiteral("SensorData_AccessKey (register %1)").arg(kAccessKeyRegister)
                     : What(p),
                 r));
    }
    return failed ? kExitTransaction : -1;
}

}  // namespace

int RunParamCommand(const ParamCommand& c, const Target& t,
                    const std::function<QString()>& openPort, QTextStream& out, QTextStream& err) {
    const NameMatch match = FindParam(c.Name);
    if (match.Row == kNoRow) {
        if (c.Name.trimmed().isEmpty())
            return Fail(err, kExitUsage, QStringLiteral("no parameter name"));
        QString message = QStringLiteral("no parameter named '%1'").arg(c.Name);
        if (!match.Candidates.isEmpty()) {
            message +=
                QStringLiteral("; did you mean: ") + match.Candidates.join(QStringLiteral(", "));
        }
        return Fail(err, kExitUsage,
                    message + QStringLiteral(" (tarvix-cli params lists them all)"));
    }
    const ParamRef p = RefOf(match.Row);
    if (t.IsFile() && p.IsDsp()) {
        return Fail(err, kExitUsage,
                    QStringLiteral("%1 is a measuring-module parameter: a configuration file "
                                   "holds none")
                        .arg(p.Name()));
    }

    auto image = std::make_unique<RegisterImage>();
    ParsedInput in;
    const auto parse = [&]() -> bool {
        try {
            in = ParseValue(p, c.Value, *image, c.LangIndex, c.DecimalSep);
            return true;
        } catch (const UserError& e) {
            Fail(err, kExitUsage, QStringLiteral("%1: %2").arg(p.Name(), e.message()));
            return false;
        }
    };
    if (c.Set) {
        if (const QString refusal = WriteRefusal(p, c.Level); !refusal.isEmpty()) {
            return Fail(err, kExitUsage, refusal);
        }
        // A value whose menu does not depend on the device is checked before the line is
        // touched.
        if (!MenuFollowsDevice(p) && !parse()) return kExitUsage;
    }

    if (const QString error = openPort(); !error.isEmpty()) return Fail(err, kExitPort, error);
    if (!c.Set) return Show(c, p, t, out, err);

    if (MenuFollowsDevice(p)) {
        int failedReg = 0;
        if (const std::uint8_t r = ReadIds(t, IdsToRead(p), *image, &failedReg); r != kResultOk) {
            return Fail(
                err, kExitTransaction,
                ResultLine(QStringLiteral("%1, reading register %2").arg(p.Name()).arg(failedReg),
                           r));
        }
        if (!parse()) return kExitUsage;
    }
    if (const int code = Write(p, in, *image, t, err); code >= 0) return code;
    return Show(c, p, t, out, err);
}

}  // namespace tarvix::cli
