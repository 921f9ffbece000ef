#include "pages/param_value.h"

#include "base/user_error.h"
#include "model/register_ids.h"
#include "pages/value_parse.h"
#include "pages/value_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <tuple>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The unit of an assignable group follows its assignment, as the pages refill the group's
// unit combo (FillUnits). A status output fed by a totaliser takes that totaliser's units.
struct UnitDependency {
    int Unit;
    int Assign;
    const UnitSelector* Selector;
};
const std::array<UnitDependency, 15> kUnitDependencies{{
    {mrF1_Unit, mrF1_Assign, &UnitsForField},
    {mrF1Mix_Unit, mrF1Mix_Assign, &UnitsForFieldMix},
    {mrF2_Unit, mrF2_Assign, &UnitsForField},
    {mrF2Mix_Unit, mrF2Mix_Assign, &UnitsForFieldMix},
    {mrSumUnit1, mrSumAssign1, &UnitsForTotal},
    {mrSumUnit2, mrSumAssign2, &UnitsForTotal},
    {mrSumUnit3, mrSumAssign3, &UnitsForTotal},
    {mrSumUnit4, mrSumAssign4, &UnitsForTotal},
    {mrPFSf_Unit, mrPFSf_Assign, &UnitsForOutput},
    {mrFSf_Unit, mrFSf_Assign, &UnitsForOutput},
    {mrCUR_Unit, mrCUR_Assign, &UnitsForOutput},
    {mrPFSs_Unit, mrPFSs_Assign, &UnitsForLimit},
    {mrFSs_Unit, mrFSs_Assign, &UnitsForLimit},
    {mrDOs_Unit, mrDOs_Assign, &UnitsForLimit},
    {mrAssLowFlow_Unit, mrAssLowFlow_CutOff, &UnitsForCutOff},
}};

// Status-output assignments 12..15 name totalisers 1..4, whose assignment registers these are.
constexpr int kFirstTotaliserSource = 12;
constexpr std::array<int, 4> kTotaliserAssigns{mrSumAssign1, mrSumAssign2, mrSumAssign3,
                                               mrSumAssign4};

const UnitDependency* UnitDependencyOf(const ParamRef& p) {
    if (p.Kind != ValueKind::Word) return nullptr;
    for (const UnitDependency& d : kUnitDependencies) {
        if (d.Unit == p.Id) return &d;
    }
    return nullptr;
}

MenuId UnitMenuOf(const UnitDependency& d, const RegisterImage& image) {
    const int assign = WordValue(image, d.Assign);
    if (d.Selector == &UnitsForLimit && assign >= kFirstTotaliserSource &&
        assign < kFirstTotaliserSource + static_cast<int>(kTotaliserAssigns.size())) {
        const int source = kTotaliserAssigns[At(assign - kFirstTotaliserSource)];
        return UnitsFor(UnitsForTotal, WordValue(image, source));
    }
    return UnitsFor(*d.Selector, assign);
}

// The values the pages show with a unit beside them, and that unit's register.
constexpr std::array<std::pair<int, int>, 10> kUnitOfValue{{
    {mrMassFlowH, mrUnitMassFlow},
    {mrVolumeFlowH, mrUnitVolumeFlow},
    {mrDensityH, mrUnitDensity},
    {mrTemperatureH, mrUnitTemperature},
    {mrRefDensityH, mrUnitRefDensity},
    {mrCorrVolumeFlowH, mrUnitCorrVolumeFlow},
    {mrSum1H, mrSumUnit1},
    {mrSum2H, mrSumUnit2},
    {mrSum3H, mrSumUnit3},
    {mrSum4H, mrSumUnit4},
}};

// The protected flow correction: the device guards it with the sensor data's key.
constexpr int kFirstPwlRegister = mrCount_LinearInterpolation;
constexpr int kLastPwlRegister = 132;

int Distance(const QString& a, const QString& b) {
    std::vector<int> prev(At(static_cast<int>(b.size()) + 1)), cur(prev.size());
    for (std::size_t j = 0; j < prev.size(); ++j) prev[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        cur[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            cur[At(static_cast<int>(j))] =
                std::min({prev[At(static_cast<int>(j))] + 1, cur[At(static_cast<int>(j - 1))] + 1,
                          prev[At(static_cast<int>(j - 1))] + cost});
        }
        std::swap(prev, cur);
    }
    return prev.back();
}

QString ShortestFloat(float f) {
    if (std::isnan(f)) return QStringLiteral("NaN");
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, f);
    return QString::fromLatin1(buf, r.ptr - buf);
}

DescriptorSpec const* CatalogueEntryOf(int id, bool dsp) {
    for (const DescriptorSpec& s : Catalogue()) {
        if (s.Id == id && s.Dsp == dsp) return &s;
    }
    return nullptr;
}

ValueDescriptor DescriptorOf(const ParamRef& p, MenuLines menu) {
    ValueDescriptor dc;
    dc.Menu = menu;
    dc.Format = p.Format;
    if (p.Entry) {
        dc.ControlCount = static_cast<int>(p.Entry->Controls.size());
        dc.FirstIsCombo = !p.Entry->Controls.empty() &&
                          ControlKindOf(p.Entry->Controls.front().Name) == ControlKind::Combo;
    }
    return dc;
}

const char* DspCodeName(int code) {
    switch (code) {
        case kDspDate:
            return "date";
        case kDspU8:
            return "8-bit unsigned";
        case kDspI16:
            return "16-bit signed";
        case kDspU16:
            return "16-bit unsigned";
        case kDspI32:
        case kDspI32Alt:
            return "32-bit integer";
        case kDspFloat:
            return "float";
        default:
            return "unknown code";
    }
}

// The item typed, by its text in a language's lines; -1 when none has that text.
int ItemByText(MenuLines lines, const QString& typed) {
    const QStringList items = MenuItems(lines);
    for (qsizetype k = 0; k < items.size(); ++k) {
        if (items[k].trimmed().compare(typed, Qt::CaseInsensitive) == 0) return static_cast<int>(k);
    }
    return -1;
}

int ParseMenuItem(const ParamRef& p, const QString& text, const RegisterImage& image, int lang) {
    const MenuLines lines = MenuOf(p, image, lang);
    const QString typed = text.trimmed();
    if (const int k = ItemByText(lines, typed); k >= 0) return k;
    if (const int k = ItemByText(MenuOf(p, image, lang == 1 ? 0 : 1), typed); k >= 0) return k;
    const int items = static_cast<int>(MenuItems(lines).size());
    std::int64_t v = -1;
    try {
        v = ParseInteger(typed, 0, items - 1);
    } catch (const UserError&) {
        bool isNumber = false;
        typed.toLongLong(&isNumber);
        throw UserError(
            (isNumber ? QStringLiteral("%1 is not an item of the menu: %2")
                      : QStringLiteral("\"%1\" is neither an item of the menu nor its number: %2"))
                .arg(typed, MenuListing(lines)));
    }
    return static_cast<int>(v);
}

}  // namespace

NameMatch FindParam(const QString& name) {
    NameMatch m;
    const QString typed = name.trimmed();
    if (typed.isEmpty()) return m;
    QList<int> folded;
    for (int row = 0; row < ParamCount; ++row) {
        if (IsGroupRow(row)) continue;
        const QString n = ParamName(row);
        if (n == typed) {
            m.Row = row;
            return m;
        }
        if (n.compare(typed, Qt::CaseInsensitive) == 0) folded.append(row);
    }
    if (folded.size() == 1) {
        m.Row = folded.front();
        return m;
    }
    if (folded.size() > 1) {
        for (const int row : folded) m.Candidates.append(ParamName(row));
        return m;
    }

    // Close names: those containing what was typed (or contained in it) first, then by the
    // number of edits that turn one into the other.
    const QString lower = typed.toLower();
    const int limit = std::max(2, static_cast<int>(lower.size()) / 3);
    std::vector<std::tuple<int, int, QString>> close;  // (not contained, distance, name)
    for (int row = 0; row < ParamCount; ++row) {
        if (IsGroupRow(row)) continue;
        const QString n = ParamName(row).toLower();
        const bool contained = n.contains(lower) || (n.size() >= 3 && lower.contains(n));
        const int d = Distance(lower, n);
        if (contained || d <= limit) close.emplace_back(contained ? 0 : 1, d, ParamName(row));
    }
    std::sort(close.begin(), close.end());
    for (std::size_t i = 0; i < close.size() && i < 5; ++i) {
        m.Candidates.append(std::get<2>(close[i]));
    }
    return m;
}

ParamRef RefOf(int row) {
    ParamRef p;
    if (IsRegisterRow(row)) {
        const ParamReg& r = ParamRegs[At(row)];
        p.Row = row;
        p.Kind = r.Type == kTypeFloat ? ValueKind::Float : ValueKind::Word;
        p.Id = RowValueId(row);
        p.FirstReg = r.Reg;
        p.RegCount = RowRegCount(row);
        p.Entry = CatalogueEntryOf(p.Id, false);
        if (p.Entry) {
            p.Format = p.Entry->Format;
        } else if (const DescriptorSpec* low = CatalogueEntryOf(p.FirstReg, false);
                   p.Kind == ValueKind::Float && low && low->Controls.empty()) {
            p.Format = low->Format;
        }
    } else if (IsDspRow(row)) {
        p.Row = row;
        p.Kind = ValueKind::Dsp;
        p.Id = ParamRegs[At(row)].Reg;
        p.Entry = CatalogueEntryOf(p.Id, true);
        if (p.Entry) p.Format = p.Entry->Format;
    }
    return p;
}

QString WhereText(const ParamRef& p, bool withKind) {
    switch (p.Kind) {
        case ValueKind::Word:
            return QStringLiteral("register %1").arg(p.FirstReg) +
                   (withKind ? QStringLiteral(" (word)") : QString());
        case ValueKind::Float:
            return QStringLiteral("registers %1-%2").arg(p.FirstReg).arg(p.FirstReg + 1) +
                   (withKind ? QStringLiteral(" (float)") : QString());
        case ValueKind::Dsp:
            return QStringLiteral("measuring-module parameter %1").arg(p.Id) +
                   (withKind ? QStringLiteral(" (%1, %2 bytes)")
                                   .arg(QString::fromLatin1(DspCodeName(DspCode(p.Id))))
                                   .arg(DspSize(p.Id))
                             : QString());
    }
    return {};
}

QString WriteRefusal(const ParamRef& p, int accessLevel) {
    if (ParamWritableAt(p.Row, accessLevel)) return {};
    const QString edition =
        accessLevel == 3 ? QStringLiteral("the user edition") : QStringLiteral("a service edition");
    const QString what =
        ParamVisibleAt(p.Row, accessLevel) ? QStringLiteral("read-only") : QStringLiteral("hidden");
    return QStringLiteral("%1 is %2 at access level %3 (%4); nothing was written")
        .arg(p.Name(), what)
        .arg(accessLevel)
        .arg(edition);
}

bool NeedsAccessKey(const ParamRef& p) {
    if (p.Kind == ValueKind::Dsp) return false;
    return IsProtectedId(p.Id) ||
           (p.FirstReg >= kFirstPwlRegister && p.FirstReg <= kLastPwlRegister);
}

std::vector<int> IdsToRead(const ParamRef& p) {
    std::vector<int> ids;
    if (p.Kind == ValueKind::Dsp) return ids;
    if (const UnitDependency* d = UnitDependencyOf(p)) {
        ids.push_back(d->Assign);
        if (d->Selector == &UnitsForLimit)
            ids.insert(ids.end(), kTotaliserAssigns.begin(), kTotaliserAssigns.end());
    }
    // The overflow count's identifier (its high register) lies two below the sum's.
    if (IsTotaliserSum(p.Id)) ids.push_back(p.Id - 2);
    ids.push_back(p.Id);
    return ids;
}

bool MenuFollowsDevice(const ParamRef& p) { return UnitDependencyOf(p) != nullptr; }

MenuLines MenuOf(const ParamRef& p, const RegisterImage& image, int langIndex) {
    if (const UnitDependency* d = UnitDependencyOf(p))
        return MenuLinesOf(UnitMenuOf(*d, image), langIndex);
    if (p.Entry && p.Entry->Menu != MenuId::None) return MenuLinesOf(p.Entry->Menu, langIndex);
    return {};
}

QString MenuListing(MenuLines lines) {
    const QStringList items = MenuItems(lines);
    QStringList parts;
    for (qsizetype k = 0; k < items.size(); ++k) {
        parts.append(QStringLiteral("%1 \"%2\"").arg(k).arg(items[k].trimmed()));
    }
    return parts.join(QStringLiteral(", "));
}

ShownValue ShowValue(const ParamRef& p, const RegisterImage& image, const DspValue& dsp,
                     int langIndex, QChar decimalSep) {
    ShownValue v;
    const MenuLines menu = MenuOf(p, image, langIndex);
    const ValueDescriptor dc = DescriptorOf(p, menu);
    if (p.Kind == ValueKind::Dsp) {
        const int code = DspCode(p.Id);
        const std::int64_t n = DspIntValue(code, dsp);
        v.Text = DspValueText(code, dsp, dc, decimalSep);
        if (code == kDspFloat) {
            v.Raw = ShortestFloat(std::bit_cast<float>(static_cast<std::uint32_t>(n)));
        } else if (code == kDspDate) {
            v.Raw = v.Text;
        } else {
            v.Raw = QString::number(n);
        }
        if (!menu.empty() && n >= 0 && n <= 0xFFFF &&
            !MenuValueText(menu, static_cast<int>(n)).isNull()) {
            v.Item = static_cast<int>(n);
        }
        return v;
    }

    // The pages also give the protected identifiers without a catalogue entry an empty
    // descriptor; it shows what no descriptor would.
    const bool haveDescriptor = p.Entry || !p.Format.isEmpty();
    v.Text = ValueText(image, p.Id, true, true, false, haveDescriptor ? &dc : nullptr, decimalSep);
    if (p.Kind == ValueKind::Float) {
        v.Raw =
            ShortestFloat(IsTotaliserSum(p.Id) ? image.ReadTotaliser(p.Id) : image.ReadFloat(p.Id));
    } else {
        const int w = WordValue(image, p.Id);
        v.Raw = QString::number(w);
        if (!menu.empty() && !MenuValueText(menu, w).isNull()) v.Item = w;
    }
    return v;
}

QString PolledText(const ParamRef& p, const RegisterImage& image, QChar decimalSep) {
    const ValueDescriptor dc = DescriptorOf(p, MenuOf(p, image, 0));
    const bool haveDescriptor = p.Entry || !p.Format.isEmpty();
    return ValueText(image, p.Id, false, p.Kind == ValueKind::Float, false,
                     haveDescriptor ? &dc : nullptr, decimalSep);
}

QString ValueLine(const ParamRef& p, const ShownValue& v, bool raw) {
    if (raw) return v.Raw;
    if (v.Item)
        return QStringLiteral("%1 = \"%2\" (%3)").arg(p.Name(), v.Text.trimmed()).arg(*v.Item);
    return QStringLiteral("%1 = %2").arg(p.Name(), v.Text);
}

ParsedInput ParseValue(const ParamRef& p, const QString& text, RegisterImage& image, int langIndex,
                       QChar decimalSep) {
    if (p.Row == kNoRow) throw UserError(QStringLiteral("not a parameter"));
    if (text.trimmed().isEmpty()) throw UserError(QStringLiteral("the value is empty"));
    ParsedInput in;
    const bool enumerated = !MenuOf(p, image, langIndex).empty();

    if (p.Kind == ValueKind::Dsp) {
        const int code = DspCode(p.Id);
        if (enumerated) {
            in.Dsp =
                ControlValueToDsp(p.Id, ParseMenuItem(p, text, image, langIndex), decimalSep).Value;
            return in;
        }
        if (code != kDspFloat && code != kDspU16 && code != kDspI32 && code != kDspDate) {
            // The pages have no edit for these codes and would write 0.
            throw UserError(QStringLiteral("values of this kind (%1) cannot be typed")
                                .arg(QString::fromLatin1(DspCodeName(code))));
        }
        in.Dsp = ControlValueToDsp(p.Id, text, decimalSep).Value;
        return in;
    }

    const QString& format = p.Format;
    if (enumerated) {
        ControlValueToRegister(image, p.Id, ParseMenuItem(p, text, image, langIndex), format,
                               decimalSep, WordOverflow::Refuse);
    } else {
        // A word the register cannot hold is refused with the pages' message: cut to its low
        // 16 bits, 70000 would reach the device as 4464.
        ControlValueToRegister(image, p.Id, text, format, decimalSep, WordOverflow::Refuse);
    }
    for (int k = 0; k < p.RegCount; ++k) in.Words.push_back(image.ModbusRegs[At(p.FirstReg + k)]);
    return in;
}

int UnitRowOf(const ParamRef& p) {
    if (p.Kind != ValueKind::Float) return kNoRow;
    for (const auto& [value, unit] : kUnitOfValue) {
        if (value == p.Id) return RegRow(unit);
    }
    return kNoRow;
}

}  // namespace tarvix
