// What the page form tests share: all pages built once under one parent, the lookups of a
// page and of a control on it, and small helpers over control names and texts.
#pragma once

#include "pages/catalogue.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <map>

namespace tarvix {

// The page area of the main window at its start size.
inline constexpr int kPageAreaWidth = 740;

// A control's name without its kind prefix (Combo, Edit, Ed, Scroll, Label, Lbl) or suffix (Lbl).
QString Stem(const QString& control);
// The widget class a control's kind demands.
const char* ClassFor(ControlKind kind);
// The parameter-table row of a descriptor.
int RowOf(const DescriptorSpec& d);
// The text a widget shows: label, button, group box title or edit.
QString TextOf(const QWidget* w);

class PageFormsFixture : public QObject {
  protected:
    // Builds every page; false (with the page's name) when one has no form.
    bool LoadAll(QString* failed);
    QWidget* Page(const QString& name) const;
    QWidget* Find(const QString& page, const QString& name) const;

    QWidget root_;
    std::map<QString, QWidget*> pages_;
};

}  // namespace tarvix
