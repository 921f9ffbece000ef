#include "value_service.h"

#include "base/user_error.h"
#include "model/param_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QVariant>

namespace tarvix {
namespace {

constexpr char kTag[] = "tag";
// Set while a control's tool tip says why its display format cannot show the value.
constexpr char kShowsProblem[] = "formatProblem";

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// A control's tool tip is its parameter's description where the form gives it one; a
// display format that cannot show the value stands in for it only as long as that lasts.
void ShowFormatProblem(QWidget* c, const QString& problem, int langIndex) {
    if (!problem.isEmpty()) {
        c->setToolTip(problem);
        c->setProperty(kShowsProblem, true);
        return;
    }
    if (!c->property(kShowsProblem).toBool()) return;
    c->setProperty(kShowsProblem, false);
    const QVariant param = c->property("param");
    const int row = param.isValid() ? ParamRowByName(param.toString()) : kNoRow;
    c->setToolTip(IsParamRow(row) ? ParamHint(row, langIndex) : QString());
}

}  // namespace

int ControlTag(const QObject* control) { return control ? control->property(kTag).toInt() : 0; }

void SetControlTag(QObject* control, int tag) {
    if (control) control->setProperty(kTag, tag);
}

Descriptors::Descriptors(RegisterImage& image, QWidget* window)
    : image_(image), window_(window), decimal_(QLocale::system().decimalPoint().at(0)) {}

Descriptors::~Descriptors() = default;

ValueService* Descriptors::DC(int mr) const {
    return (mr >= 0 && mr < kRegCount) ? dc_[At(mr)].get() : nullptr;
}

ValueService& Descriptors::Ensure(int mr) {
    auto& slot = dc_.at(At(mr));
    if (!slot) slot = std::make_unique<ValueService>();
    return *slot;
}

ValueService* Descriptors::DspDC(int n) const {
    return (n >= 0 && n < kDspParams) ? dspDc_[At(n)].get() : nullptr;
}

ValueService* Descriptors::Make(const DescriptorSpec& entry, int langIndex) {
    auto vs = std::make_unique<ValueService>();
    for (const BoundControl& c : entry.Controls) {
        if (auto* w = window_->findChild<QWidget*>(c.Name)) vs->Controls.emplace_back(w);
    }
    vs->Desc.Format = entry.Format;
    vs->Menu = entry.Menu;
    if (entry.Menu != MenuId::None) vs->Desc.Menu = MenuLinesOf(entry.Menu, langIndex);
    vs->Desc.ControlCount = static_cast<int>(vs->Controls.size());
    auto* combo = vs->Controls.empty() ? nullptr : qobject_cast<QComboBox*>(vs->Controls.front());
    vs->Desc.FirstIsCombo = combo != nullptr;
    if (combo) {
        QPointer<QComboBox> guarded(combo);
        vs->Desc.ComboItemText = [guarded](int index) {
            return (guarded && index >= 0 && index < guarded->count()) ? guarded->itemText(index)
                                                                       : QString();
        };
    }
    vs->Handler = entry.Handler;
    vs->Protected = entry.Protected || (!entry.Dsp && IsProtectedId(entry.Id));
    ValueService* raw = vs.get();
    if (entry.Dsp) {
        if (entry.Id >= 0 && entry.Id < kDspParams) dspDc_[At(entry.Id)] = std::move(vs);
    } else if (entry.Id >= 0 && entry.Id < kRegCount) {
        dc_[At(entry.Id)] = std::move(vs);
    }
    return raw;
}

void Descriptors::Build(int langIndex) {
    langIndex_ = langIndex;
    for (auto& d : dc_) d.reset();
    for (auto& d : dspDc_) d.reset();
    bindings_ = Bindings(Catalogue());
    for (const DescriptorSpec& entry : Catalogue()) Make(entry, langIndex);
    // Every identifier of the protected sensor data carries the mark, with or without
    // controls, so that a write of it always goes inside the access-key bracket.
    for (int mr = 0; mr <= kLastProtectedId; ++mr) {
        if (!dc_[At(mr)]) dc_[At(mr)] = std::make_unique<ValueService>();
        dc_[At(mr)]->Protected = true;
    }
    FillCombos();
}

std::optional<Binding> Descriptors::DescriptorOf(const QWidget* control) const {
    if (!control) return std::nullopt;
    return bindings_.Find(control->objectName());
}

QString Descriptors::ValueText(int mr, bool total, bool high, bool raw) const {
    const ValueService* dc = DC(mr);
    return tarvix::ValueText(image_, mr, total, high, raw, dc ? &dc->Desc : nullptr, decimal_);
}

void Descriptors::ShowValue(int mr, bool updateInputs) {
    ValueService* dc = DC(mr);
    if (!dc) return;
    QString text;
    QString problem;
    try {
        text = ValueText(mr, true, true, false);
    } catch (const UserError& e) {
        // A display format the user typed that cannot show this value: the control says so
        // instead of showing a wrong number.
        text = QStringLiteral("?");
        problem = e.message();
    }
    const int w = RegType(mr) == 0 ? WordValue(image_, mr) : 0;
    for (const QPointer<QWidget>& c : dc->Controls) {
        if (!c) continue;
        if (auto* label = qobject_cast<QLabel*>(c)) {
            label->setText(text);
            ShowFormatProblem(label, problem, langIndex_);
            continue;
        }
        if (!updateInputs) continue;
        if (auto* combo = qobject_cast<QComboBox*>(c)) {
            combo->setCurrentIndex(w < combo->count() ? w : -1);
        } else if (auto* scroll = qobject_cast<QScrollBar*>(c)) {
            scroll->setValue(w);
        } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
            edit->setText(text);
            ShowFormatProblem(edit, problem, langIndex_);
        }
        SetControlTag(c, 0);
    }
}

void Descriptors::ValueArrived(int mr, bool updateInputs) {
    ValueService* dc = DC(mr);
    if (!dc) return;
    ShowValue(mr, updateInputs);
    if (dc->Handler != OnShow::None && RunHandler) RunHandler(dc->Handler, mr);
}

void Descriptors::ShowDspValue(int n) {
    ValueService* dc = DspDC(n);
    if (!dc) return;
    const DspValue& raw = dspValues_[At(n)];
    const QString text = DspValueText(DspCode(n), raw, dc->Desc, decimal_);
    for (const QPointer<QWidget>& c : dc->Controls) {
        if (!c) continue;
        if (auto* label = qobject_cast<QLabel*>(c)) {
            label->setText(text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
            edit->setText(text);
            SetControlTag(c, 0);
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            const auto v = DspIntValue(DspCode(n), raw);
            combo->setCurrentIndex(v >= 0 && v < combo->count() ? static_cast<int>(v) : -1);
            SetControlTag(c, 0);
        }
    }
}

void Descriptors::DspValueArrived(int n, const QByteArray& bytes) {
    if (n < 0 || n >= kDspParams) return;
    DspValue v{};
    for (int k = 0; k < 4 && k < bytes.size(); ++k) v[At(k)] = static_cast<std::uint8_t>(bytes[k]);
    dspValues_[At(n)] = v;
    ShowDspValue(n);
}

QWidget* Descriptors::FirstModified(const ValueService& vs) const {
    for (const QPointer<QWidget>& c : vs.Controls) {
        if (c && ControlTag(c) == 1) return c;
    }
    return nullptr;
}

namespace {

ControlInput InputOf(QWidget* c) {
    if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentIndex();
    if (auto* scroll = qobject_cast<QScrollBar*>(c)) return scroll->value();
    if (auto* edit = qobject_cast<QLineEdit*>(c)) return edit->text();
    return QString();
}

}  // namespace

void Descriptors::ControlToRegister(int mr) {
    ValueService* dc = DC(mr);
    if (!dc) return;
    QWidget* c = FirstModified(*dc);
    if (!c) return;
    const QString shown = ControlValueToRegister(image_, mr, InputOf(c), dc->Desc.Format, decimal_,
                                                 WordOverflow::Refuse);
    if (auto* edit = qobject_cast<QLineEdit*>(c); edit && !shown.isEmpty()) edit->setText(shown);
}

void Descriptors::ControlToDsp(int n) {
    ValueService* dc = DspDC(n);
    if (!dc) return;
    QWidget* c = FirstModified(*dc);
    if (!c) return;
    const DspInputResult r = ControlValueToDsp(n, InputOf(c), decimal_);
    dspValues_[At(n)] = r.Value;
    if (auto* edit = qobject_cast<QLineEdit*>(c); edit && !r.Text.isEmpty()) edit->setText(r.Text);
}

void Descriptors::FillCombos() {
    for (const auto& dc : dc_) {
        if (!dc || dc->Desc.Menu.empty()) continue;
        const QStringList items = MenuItems(dc->Desc.Menu);
        for (const QPointer<QWidget>& c : dc->Controls) {
            auto* combo = qobject_cast<QComboBox*>(c);
            if (!combo) continue;
            const QSignalBlocker block(combo);
            combo->clear();
            combo->addItems(items);
            combo->setMaxVisibleItems(static_cast<int>(items.size()));
            combo->setCurrentIndex(-1);
        }
    }
}

}  // namespace tarvix
