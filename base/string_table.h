// The program's numbered string table: every message, caption and column header that
// switches language is looked up here by number. Russian is the source text; the English
// language module supplies the translations (context "Strings").
#pragma once

#include <QString>

namespace tarvix {

// The text of string n in the current language; empty for a number the table lacks.
QString Str(int n);

// The Russian source text of string n, whatever the current language.
QString StrSource(int n);

// Every number the table defines, ascending (for the checks of the language module).
int StrCount();
int StrNumberAt(int i);

}  // namespace tarvix
