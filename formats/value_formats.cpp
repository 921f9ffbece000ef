#include "formats/value_formats.h"

#include "base/ini_file.h"
#include "base/string_table.h"
#include "base/user_error.h"
#include "model/param_table.h"
#include "model/register_image.h"
#include "pages/conversion_errors.h"
#include "pages/numeric_picture.h"
#include "pages/value_parse.h"
#include "pages/value_service.h"
#include "pages/word_format.h"

#include <limits>

namespace tarvix {
namespace {

const QString kSection = QStringLiteral("ValueFormat");

}  // namespace

int FormatId(int row) { return IsRegisterRow(row) ? RowValueId(row) : -1; }

void CheckValueFormat(int type, const QString& format) {
    if (format.size() > kMaxValueFormatLength) throw UnusableFormatError(format.left(20) + u'…');
    // Formatting a sample runs the whole interpreter: it refuses what it cannot show.
    if (type == kTypeWord) {
        FormatWord(format, 0);
    } else {
        FormatPicture(0.0, format, u'.');
    }
}

QString FormatExample(int type, const QString& format, const QString& text, QChar decimalSep) {
    CheckValueFormat(type, format);
    if (type == kTypeWord) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        return FormatWord(format, ok ? value : 0);
    }
    double value = 0;
    try {
        value = ParseFloat(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                           decimalSep)
                    .Value;
    } catch (const UserError&) {
        throw UserError(Str(kStrNotANumber));
    }
    return FormatPicture(value, format, decimalSep);
}

int LoadValueFormats(const IniFile& settings, Descriptors& descriptors) {
    int applied = 0;
    for (const QString& key : settings.ReadSection(kSection)) {
        bool ok = false;
        const int id = key.trimmed().toInt(&ok);
        if (!ok || id <= 0 || id >= kRegCount) continue;
        const int row = RegRow(id);
        if (row == kNoRow || FormatId(row) != id) continue;  // not a value's identifier
        const QString format = settings.ReadString(kSection, key, QStringLiteral("0.000"));
        try {
            CheckValueFormat(RegType(id), format);
        } catch (const UserError&) {
            continue;
        }
        descriptors.Ensure(id).Desc.Format = format;
        ++applied;
    }
    return applied;
}

void SaveValueFormat(IniFile& settings, Descriptors& descriptors, int row, const QString& format) {
    const int id = FormatId(row);
    if (id < 0) return;  // a group row has no value to format
    CheckValueFormat(RegType(id), format);
    if (!settings.WriteString(kSection, QString::number(id), format))
        throw UserError(Str(kStrSettingsNotWritten).arg(settings.FileName()));
    descriptors.Ensure(id).Desc.Format = format;
}

}  // namespace tarvix
