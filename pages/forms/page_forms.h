// The page forms of the main window: each page of the page control is a Qt Designer form,
// compiled in as the resource ":/pages/<PageName>.ui" and built at start-up with QUiLoader;
// the walk over a built page that the page requests work on; the parameter captions in
// either language.
#pragma once

#include "pages/page_requests.h"

#include <QString>

#include <vector>

class QWidget;

namespace tarvix {

// The resource path of a page's form.
QString PageFormPath(const QString& pageName);

// Builds the form of a page (a name of PageNames()) as a child of parent, its objectName the
// page's name. nullptr for a name that is not a page. The built page retranslates its own
// texts when the application's translators change (QEvent::LanguageChange); the parameter
// captions follow the parameter table instead, see RetitlePageCaptions.
QWidget* LoadPageForm(const QString& pageName, QWidget* parent);

// The group boxes placed directly on a built page, in page order, each with the objectNames
// of the widgets placed directly in it; Skip set for a group box whose dynamic property "tag"
// is not 0. What ReadPageRequests reads and WritePage writes.
std::vector<PageGroupBox> PageGroupBoxesOf(const QWidget& page);

// Puts the title and description of the parameter table in a language (LangIndex) into the
// captions of a built page: every widget with the dynamic property "param" (a parameter
// name) gets the description as its tool tip; those that also have "paramTitle" set get the
// title as their text.
void RetitlePageCaptions(QWidget& page, int langIndex);

}  // namespace tarvix
