// Building the page forms and walking them.
#include "pages/forms/page_forms.h"

#include "model/param_table.h"
#include "pages/catalogue.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QUiLoader>
#include <QVariant>
#include <QWidget>

namespace tarvix {

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
    return page;
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
