// Date-times in INI files: the system's short date and long time, read back leniently.
#include "base/ini_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tarvix {
namespace {

const QLocale kRu(QLocale::Russian, QLocale::Russia);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);

QDateTime At(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

TEST(IniDateTime, WrittenInTheLocaleFormatWithoutZoneAndWithFullYear) {
    const QDateTime t = At(2024, 3, 15, 13, 5, 2);
    const struct {
        QLocale locale;
        QString text;
    } cases[] = {
        {kRu, u"15.03.2024 13:05:02"_s},
        {kUs, u"3/15/2024 1:05:02 PM"_s},
        {kDe, u"15.03.2024 13:05:02"_s},  // "dd.MM.yy" widened
        {QLocale::c(), u"15 Mar 2024 13:05:02"_s},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        EXPECT_EQ(FormatIniDateTime(t, c.locale).toStdString(), c.text.toStdString());
        IniFile ini(dir.filePath(u"t.ini"_s), c.locale);
        ASSERT_TRUE(ini.WriteDateTime(u"Config"_s, u"DateTime"_s, t));
        EXPECT_EQ(ini.ReadString(u"Config"_s, u"DateTime"_s, {}), c.text);
        EXPECT_EQ(ini.ReadDateTime(u"Config"_s, u"DateTime"_s, {}), t) << c.text.toStdString();
    }
}

TEST(IniDateTime, ReadLenientlyOrNotAtAll) {
    const struct {
        QLocale locale;
        QString text;
        QDateTime expected;  // invalid: not a date-time
    } cases[] = {
        {kRu, u"15.03.2024 10:15"_s, At(2024, 3, 15, 10, 15, 0)},
        {kRu, u"5.3.2024 9:05:07"_s, At(2024, 3, 5, 9, 5, 7)},
        {kRu, u"15/03/2024 10:15:02"_s, At(2024, 3, 15, 10, 15, 2)},
        {kRu, u"15.03.24 10:15:02"_s, At(2024, 3, 15, 10, 15, 2)},
        {kRu, u"2024-03-15T10:15:02"_s, At(2024, 3, 15, 10, 15, 2)},
        {kRu, u"15.03.2024"_s, At(2024, 3, 15, 0, 0, 0)},
        {kUs, u"3/15/24 12:05:00 AM"_s, At(2024, 3, 15, 0, 5, 0)},
        {kUs, u"03/15/2024 12:30:00 PM"_s, At(2024, 3, 15, 12, 30, 0)},
        {kRu, u"abc"_s, {}},
        {kRu, u""_s, {}},
        {kRu, u"15.03"_s, {}},
        {kRu, u"32.01.2024 10:00:00"_s, {}},
        {kRu, u"15.03.2024 25:00:00"_s, {}},
        {kRu, u"15.03.2024 10"_s, {}},
        {kRu, u"15.03.9999999999 10:00"_s, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIniDateTime(c.text, c.locale), c.expected) << c.text.toStdString();
    }
}

TEST(IniDateTime, UnreadableValueGivesTheDefault) {
    QTemporaryDir dir;
    IniFile ini(dir.filePath(u"t.ini"_s), kRu);
    const QDateTime def = At(2000, 1, 1, 0, 0, 0);
    EXPECT_EQ(ini.ReadDateTime(u"Config"_s, u"DateTime"_s, def), def);
    ASSERT_TRUE(ini.WriteString(u"Config"_s, u"DateTime"_s, u"вчера"_s));
    EXPECT_EQ(ini.ReadDateTime(u"Config"_s, u"DateTime"_s, def), def);
}

}  // namespace
}  // namespace tarvix
