// Building the page forms and walking them.
#include "pages/forms/page_forms.h"

#include "model/param_table.h"
#include "pages/catalogue.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QUiLoader>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace tarvix {
namespace {

// A control's name without its kind, the stem its caption and unit are named after
// ("EditParamFixedH" -> "ParamFixedH", "TargetDensLbl" -> "TargetDens").
QString Stem(const QString& control) {
    for (const char* prefix : {"Combo", "Edit", "Ed", "Scroll", "Label", "Lbl"}) {
        if (control.startsWith(QLatin1String(prefix)))
            return control.mid(static_cast<qsizetype>(qstrlen(prefix)));
    }
    return control.endsWith(QLatin1String("Lbl")) ? control.chopped(3) : control;
}

}  // namespace

QString PageFormPath(const QString& pageName) {
    return QStringLiteral(":/pages/%1.ui").arg(pageName);
}

QWidget* LoadPageForm(const QString& pageName, QWidget* parent) {
    if (PageIndexOf(pageName) < 0) return nullptr;
    QFile file(PageFormPath(pageName));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    QUiLoader loader;
    // Forms built with this on install an event filter that re-applies their translatable
    // texts on every language change, which is how the pages follow the language module.
    loader.setLanguageChangeEnabled(true);
    QWidget* page = loader.load(&file, parent);
    if (page != nullptr && page->objectName() != pageName) {
        delete page;
        return nullptr;
    }
    if (page != nullptr) HideParametersHiddenAt(*page, AccessLevel);
    return page;
}

void HideParametersHiddenAt(QWidget& page, int accessLevel) {
    QSet<const QWidget*> hidden;
    const auto hide = [&](QWidget* w) {
        if (w == nullptr) return;
        w->setVisible(false);
        w->setProperty(kEditionHidden, true);
        hidden.insert(w);
    };
    const QString pageName = page.objectName();
    for (const DescriptorSpec& d : Catalogue()) {
        const int row = d.Dsp ? DspRow(d.Id) : RegRow(d.Id);
        if (!IsParamRow(row) || ParamVisibleAt(row, accessLevel)) continue;
        for (const BoundControl& c : d.Controls) {
            QWidget* w = c.Page == pageName ? page.findChild<QWidget*>(c.Name) : nullptr;
            if (w == nullptr) continue;
            hide(w);
            const QString stem = Stem(c.Name);
            hide(page.findChild<QWidget*>(QStringLiteral("Caption") + stem));
            hide(page.findChild<QWidget*>(QStringLiteral("Suffix") + stem));
        }
    }
    for (QWidget* w : page.findChildren<QWidget*>()) {
        const QVariant param = w->property("param");
        if (!param.isValid()) continue;
        const int row = ParamRowByName(param.toString());
        if (IsParamRow(row) && !ParamVisibleAt(row, accessLevel)) hide(w);
    }
    // A group box that holds nothing but such parameters would be an empty frame.
    for (QGroupBox* box : page.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        const QList<QWidget*> inside = box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        if (!inside.isEmpty() && std::all_of(inside.cbegin(), inside.cend(),
                                             [&](const QWidget* w) { return hidden.contains(w); }))
            hide(box);
    }
}

std::vector<PageGroupBox> PageGroupBoxesOf(const QWidget& page) {
    std::vector<PageGroupBox> groups;
    for (QObject* child : page.children()) {
        const auto* box = qobject_cast<const QGroupBox*>(child);
        if (box == nullptr) continue;
        PageGroupBox group;
        group.Skip = box->property("tag").toInt() != 0;
        for (QObject* inner : box->children()) {
            if (inner->isWidgetType()) group.Controls.append(inner->objectName());
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

void RetitlePageCaptions(QWidget& page, int langIndex) {
    for (QWidget* w : page.findChildren<QWidget*>()) {
        const QVariant param = w->property("param");
        if (!param.isValid()) continue;
        const int row = ParamRowByName(param.toString());
        if (!IsParamRow(row)) continue;
        w->setToolTip(ParamHint(row, langIndex));
        auto* label = qobject_cast<QLabel*>(w);
        if (label != nullptr && w->property("paramTitle").toBool())
            label->setText(ParamTitle(row, langIndex));
    }
}

}  // namespace tarvix
