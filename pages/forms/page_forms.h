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
// page's name, with the parameters this edition hides taken off (HideParametersHiddenAt
// with AccessLevel). nullptr for a name that is not a page. The built page retranslates its
// own texts when the application's translators change (QEvent::LanguageChange); the
// parameter captions follow the parameter table instead, see RetitlePageCaptions.
QWidget* LoadPageForm(const QString& pageName, QWidget* parent);

// The dynamic property that marks a widget hidden for the edition: a visibility rule that
// shows the controls of its group must leave such a widget hidden.
inline constexpr char kEditionHidden[] = "editionHidden";

// Hides what the parameter table does not show at an access level (ParamVisibleAt): every
// bound control of such a parameter with the caption and unit of its row (named by its
// stem), every widget whose "param" names one, and a group box left with nothing else. The
// user edition's pages hold service parameters too (the fixed parameter of PageSystem, the
// hidden current-output coefficients' shadow labels); they stay in the form, so the page
// still reads them, but the user neither sees nor writes them: a page write skips hidden
// controls.
void HideParametersHiddenAt(QWidget& page, int accessLevel);

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
