#include "radio_group.h"

#include <QGroupBox>
#include <QLayout>
#include <QList>
#include <QRadioButton>

namespace tarvix {
namespace {

QList<QRadioButton*> Items(const QGroupBox& group) {
    QList<QRadioButton*> items;
    if (const QLayout* layout = group.layout()) {
        for (int i = 0; i < layout->count(); ++i) {
            if (auto* b = qobject_cast<QRadioButton*>(layout->itemAt(i)->widget())) items.append(b);
        }
        return items;
    }
    return group.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

}  // namespace

int RadioGroupItemIndex(const QGroupBox& group) {
    const QList<QRadioButton*> items = Items(group);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

void SetRadioGroupItemIndex(QGroupBox& group, int index) {
    const QList<QRadioButton*> items = Items(group);
    if (items.isEmpty()) return;
    if (index >= items.size()) index = static_cast<int>(items.size()) - 1;
    if (index >= 0) {
        items[index]->setChecked(true);
        return;
    }
    // Auto-exclusive buttons refuse to uncheck the checked one; lift that for the moment.
    for (QRadioButton* b : items) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
}

}  // namespace tarvix
