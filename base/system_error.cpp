#include "base/system_error.h"

#include "base/string_table.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace tarvix {
namespace {

// A GNU .mo file: a header of 32-bit words (magic, revision, count, offset of the table of
// originals, offset of the table of translations), each table count pairs of length and
// offset. The originals are sorted, but a linear walk is fast enough for one message.
constexpr quint32 kMoMagic = 0x950412de;

quint32 Word(const QByteArray& data, qsizetype at, bool swapped) {
    quint32 w = 0;
    std::memcpy(&w, data.constData() + at, sizeof w);
    return swapped ? qbswap(w) : w;
}

}  // namespace

QString CatalogueText(const QString& moFile, const QByteArray& english) {
    QFile file(moFile);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    if (data.size() < 20) return {};
    const quint32 magic = Word(data, 0, false);
    const bool swapped = magic == qbswap(kMoMagic);
    if (magic != kMoMagic && !swapped) return {};
    const qsizetype size = data.size();
    const qsizetype count = Word(data, 8, swapped);
    const qsizetype originals = Word(data, 12, swapped);
    const qsizetype translations = Word(data, 16, swapped);
    const auto entry = [&](qsizetype table, qsizetype i, QByteArray* text) {
        const qsizetype at = table + i * 8;
        if (at < 0 || at + 8 > size) return false;
        const qsizetype length = Word(data, at, swapped);
        const qsizetype offset = Word(data, at + 4, swapped);
        if (offset > size || length > size - offset) return false;
        *text = data.mid(offset, length);
        return true;
    };
    for (qsizetype i = 0; i < count; ++i) {
        QByteArray original;
        if (!entry(originals, i, &original)) return {};
        if (original != english) continue;
        QByteArray translated;
        return entry(translations, i, &translated) ? QString::fromUtf8(translated) : QString();
    }
    return {};
}

QString SystemErrorText(int error) {
    const char* described = strerrordesc_np(error);
    const QByteArray english = described ? QByteArray(described) : QByteArray(std::strerror(error));
    const QString language = Str(kStrSystemMessageLanguage);
    if (!language.isEmpty() && language != QStringLiteral("en")) {
        const QString text = CatalogueText(
            QStringLiteral("/usr/share/locale/%1/LC_MESSAGES/libc.mo").arg(language), english);
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(english);
}

}  // namespace tarvix
