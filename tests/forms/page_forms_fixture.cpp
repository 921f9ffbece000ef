// What the page form tests share.
#include "page_forms_fixture.h"

#include "model/param_table.h"
#include "pages/forms/page_forms.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace tarvix {

QString Stem(const QString& control) {
    for (const char* prefix : {"Combo", "Edit", "Ed", "Scroll", "Label", "Lbl"}) {
        if (control.startsWith(QLatin1String(prefix))) return control.mid(int(qstrlen(prefix)));
    }
    if (control.endsWith(QLatin1String("Lbl"))) return control.chopped(3);
    return control;
}

const char* ClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Combo:
            return "QComboBox";
        case ControlKind::Edit:
            return "QLineEdit";
        case ControlKind::ScrollBar:
            return "QScrollBar";
        case ControlKind::Label:
            return "QLabel";
        case ControlKind::Unknown:
            break;
    }
    return "";
}

int RowOf(const DescriptorSpec& d) { return d.Dsp ? DspRow(d.Id) : RegRow(d.Id); }

QString TextOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    return QStringLiteral("<no text>");
}

bool PageFormsFixture::LoadAll(QString* failed) {
    for (const char* name : PageNames()) {
        const QString page = QString::fromUtf8(name);
        QWidget* w = LoadPageForm(page, &root_);
        if (w == nullptr) {
            *failed = page;
            return false;
        }
        pages_[page] = w;
    }
    return true;
}

QWidget* PageFormsFixture::Page(const QString& name) const {
    const auto it = pages_.find(name);
    return it == pages_.end() ? nullptr : it->second;
}

QWidget* PageFormsFixture::Find(const QString& page, const QString& name) const {
    QWidget* p = Page(page);
    return p == nullptr ? nullptr : p->findChild<QWidget*>(name);
}

}  // namespace tarvix
