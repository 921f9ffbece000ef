#include "tools/journal_file_view.h"

#include "base/cp1251.h"
#include "base/user_error.h"
#include "session/journal.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

namespace tarvix {
namespace {

const QString kInfoMark = QStringLiteral(" --> [inf] ");
const QString kErrorMark = QStringLiteral(" --> [err] ");

bool HasHighBytes(QByteArrayView bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

}  // namespace

QString DecodeJournalBytes(QByteArrayView bytes) {
    QString text;
    if (HasHighBytes(bytes)) {
        // Stateful: a character cut at the end of a long file's beginning is no error.
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8.decode(bytes);
        if (utf8.hasError()) text = FromCp1251(bytes);
    } else {
        text = FromCp1251(bytes);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0x7F)
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

QString FilterJournalText(const QString& text, int filter) {
    if (filter != kFilterErrors) return text;
    QStringList kept;
    bool keep = false;  // a line without a mark continues the line before it
    for (const QString& line : text.split(QStringLiteral("\n"))) {
        if (line.contains(kInfoMark)) {
            keep = false;
        } else if (line.contains(kErrorMark)) {
            keep = true;
        }
        if (keep) kept << line;
    }
    return kept.join(u'\n');
}

JournalView ReadJournalView(const QString& path, int filter) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw UserError(file.errorString() + u'\n' + path);
    JournalView view;
    const QByteArray bytes = file.read(kJournalViewLimit);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        throw UserError(file.errorString() + u'\n' + path);
    view.Cut = !file.atEnd();
    view.Text = FilterJournalText(DecodeJournalBytes(bytes), filter);
    return view;
}

}  // namespace tarvix
