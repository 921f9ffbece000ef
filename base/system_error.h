// The operating system's text of an error number in the interface language: glibc's own
// Russian (or other) message catalogue where the system has it installed, its English text
// otherwise. The language follows the string table (string 4482 names the catalogue).
#pragma once

#include <QString>

namespace tarvix {

QString SystemErrorText(int error);

// The translation of english in a GNU message catalogue (.mo) file; empty when the file is
// missing, not a catalogue, or lacks the text. Reads nothing outside the file's bounds.
QString CatalogueText(const QString& moFile, const QByteArray& english);

}  // namespace tarvix
