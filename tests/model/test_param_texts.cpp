// The texts of the parameter table: the quoted rows carry their exact texts, every other
// parameter has a title and a description in both languages, group rows have none.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "model/param_table.h"

namespace tarvix {
namespace {

const ParamText& Texts(int row) { return ParamTexts.at(static_cast<std::size_t>(row)); }
QString Ru(const char* s) { return QString::fromUtf8(s); }

// The rows the device documentation gives word for word.
TEST(ParamTexts, QuotedRows) {
    struct Quoted {
        int Row;
        const char* Name;
        const char* RuName;
        const char* RuDesc;
        const char* EnName;
        const char* EnDesc;
    };
    const Quoted quoted[] = {
        {1, "SerialNumberDevice", "Серийный номер расходомера",
         "Диапазон допустимых значений от 0 до 65535", "Serial Number Flowmeter",
         "Range value from 0 to 65535"},
        {6, "CalibrationYY", "Дата калибровки расходомера: год", "Номер + 2000",
         "Date of calibration: Year", "Number + 2000"},
        {3, "Sertification", "Тип сертификата взрывобезопасности",
         "Два варианта исполнения прибора: общепромышленное или Ex", "", ""},
        {47, "SensorData_AccessKey", "Ключ доступа к 'Защищенным параметрам сенсора'",
         "Нужно записать значение = CRC16(CUR_Hidden_SN)", "Access Key to Sensor Data",
         "Set value = CRC16(CUR_Hidden_SN)"},
        {22, "DisplayMode", "Статус дисплея",
         "0 - дисплей отсутствует или неисправен (не найден). 1 - тип дисплея ЖКИ. 2 - тип "
         "дисплея OLED",
         "Display status",
         "0 - Display not present or faulty (not found). 1 - display type is LCD. 2 - display "
         "type is OLED"},
        {436, "R0", "R0", "Величина термосопротивления при 0 градусов Цельсия. Типично 100 Ом", "",
         ""},
    };
    for (const Quoted& q : quoted) {
        SCOPED_TRACE(q.Name);
        ASSERT_STREQ(ParamRegs.at(static_cast<std::size_t>(q.Row)).Name, q.Name);
        EXPECT_STREQ(Texts(q.Row).RuName, q.RuName);
        EXPECT_STREQ(Texts(q.Row).RuDesc, q.RuDesc);
        EXPECT_STREQ(Texts(q.Row).EnName, q.EnName);
        EXPECT_STREQ(Texts(q.Row).EnDesc, q.EnDesc);
    }
}

bool QuotedEmptyEnglish(int row) { return row == 3 || row == 436; }

TEST(ParamTexts, EveryParameterIsDescribed) {
    static const QRegularExpression placeholder(QStringLiteral("TODO|FIXME|TBD|\\?\\?"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cyrillic(QStringLiteral("[А-Яа-яЁё]"));
    for (int row = 0; row < ParamCount; ++row) {
        const ParamText& t = Texts(row);
        const QString name = ParamName(row);
        SCOPED_TRACE(testing::Message() << row << " " << name.toStdString());
        const char* raw[] = {t.RuName, t.RuDesc, t.EnName, t.EnDesc};
        const QString texts[] = {Ru(t.RuName), Ru(t.RuDesc), Ru(t.EnName), Ru(t.EnDesc)};
        for (const char* r : raw) EXPECT_EQ(Ru(r).toUtf8(), QByteArray(r)) << "valid UTF-8";
        if (IsGroupRow(row)) {
            for (const QString& s : texts) EXPECT_TRUE(s.isEmpty());
            continue;
        }
        EXPECT_FALSE(texts[0].isEmpty());
        EXPECT_FALSE(texts[1].isEmpty());
        EXPECT_EQ(texts[2].isEmpty(), QuotedEmptyEnglish(row));
        EXPECT_EQ(texts[3].isEmpty(), QuotedEmptyEnglish(row));
        for (const QString& s : texts) {
            EXPECT_FALSE(s.contains(placeholder)) << s.toStdString();
            EXPECT_EQ(s, s.trimmed()) << s.toStdString();
        }
        // R0 is quoted with its name as the Russian title.
        if (row != 436) {
            EXPECT_NE(texts[0], name);
            EXPECT_TRUE(texts[0].contains(cyrillic)) << "a Russian title";
        }
        EXPECT_NE(texts[1], name);
        EXPECT_NE(texts[2], name);
        EXPECT_NE(texts[3], name);
        EXPECT_FALSE(texts[2].contains(cyrillic)) << texts[2].toStdString();
        EXPECT_FALSE(texts[3].contains(cyrillic)) << texts[3].toStdString();
    }
}

// A title names one parameter: members of a ranged family carry their index.
TEST(ParamTexts, TitlesAreUnique) {
    for (int lang : {0, 1}) {
        QSet<QString> seen;
        for (int row = 0; row < ParamCount; ++row) {
            const QString title = ParamTitle(row, lang);
            if (title.isEmpty()) continue;
            EXPECT_FALSE(seen.contains(title)) << lang << ": " << title.toStdString();
            seen.insert(title);
        }
    }
}

}  // namespace
}  // namespace tarvix
