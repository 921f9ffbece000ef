// Windows-1251, the code page of every text file the program reads and writes (journal,
// INI, configuration and dump files, grids), so files move between installations unchanged.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tarvix {

// Every byte decodes to one character, so a file read and written back keeps even bytes
// that are not text. Byte 0x98, undefined in the code page, decodes to U+0098 as Windows
// does, which keeps that round trip lossless.
QString FromCp1251(QByteArrayView bytes);

// A character the code page lacks becomes '?' (one per character, also outside the BMP).
QByteArray ToCp1251(QStringView text);

}  // namespace tarvix
