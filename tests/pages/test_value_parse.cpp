// Typed values: integers and floats within the edits' limits, both decimal separators, the
// exact messages the error box shows, and measuring-module dates.
#include "base/user_error.h"
#include "pages/value_parse.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

template <typename F>
QString MessageOf(F&& f) {
    try {
        f();
    } catch (const UserError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

TEST(ParseInteger, DecimalIntegersWithinTheLimits) {
    EXPECT_EQ(ParseInteger(u"42", kEditMin, kEditMax), 42);
    EXPECT_EQ(ParseInteger(u" -7 ", kEditMin, kEditMax), -7);
    EXPECT_EQ(ParseInteger(u"+3", kEditMin, kEditMax), 3);
    EXPECT_EQ(ParseInteger(u"100000000", kEditMin, kEditMax), 100000000);
    EXPECT_EQ(ParseInteger(u"-100000000", kEditMin, kEditMax), -100000000);
}

TEST(ParseInteger, MessagesOfWrongInput) {
    const struct {
        const char16_t* Text;
        const char16_t* Message;
    } cases[] = {
        {u"abc", u"Недопустимое значение: abc"},
        {u"", u"Недопустимое значение: "},
        {u"1.5", u"Недопустимое значение: 1.5"},
        {u"12a", u"Недопустимое значение: 12a"},
        {u"+-5", u"Недопустимое значение: +-5"},
        {u"٣", u"Недопустимое значение: ٣"},  // a digit, but not a decimal ASCII one
        {u"99999999999999999999", u"Недопустимое значение: 99999999999999999999"},
        {u"%1", u"Недопустимое значение: %1"},
        {u"200000000", u"200000000 выходит за пределы допустимых значений: -100000000..100000000"},
        {u"-100000001",
         u"-100000001 выходит за пределы допустимых значений: -100000000..100000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MessageOf([&] { ParseInteger(c.Text, kEditMin, kEditMax); }),
                  QString::fromUtf16(c.Message));
    }
}

TEST(ParseFloat, EitherSeparatorAndTheTextShownAfterwards) {
    const struct {
        const char16_t* Text;
        char16_t Sep;
        double Value;
        const char16_t* Shown;
    } cases[] = {
        {u"1,5", u'.', 1.5, u"1.5"},
        {u"1.5", u'.', 1.5, u"1.5"},
        {u"1.5", u',', 1.5, u"1,5"},
        {u"1,5", u',', 1.5, u"1,5"},
        {u"-0,25", u'.', -0.25, u"-0.25"},
        {u"1e3", u'.', 1000.0, u"1e3"},
        {u" 2 ", u'.', 2.0, u" 2 "},
        {u"+.5", u'.', 0.5, u"+.5"},
        {u"100000000", u'.', 1e8, u"100000000"},
    };
    for (const auto& c : cases) {
        const ParsedFloat p = ParseFloat(c.Text, kEditMin, kEditMax, QChar(c.Sep));
        EXPECT_DOUBLE_EQ(p.Value, c.Value) << QString::fromUtf16(c.Text).toStdString();
        EXPECT_EQ(p.Text, QString::fromUtf16(c.Shown));
    }
}

TEST(ParseFloat, MessagesOfWrongInput) {
    const struct {
        const char16_t* Text;
        const char16_t* Message;
    } cases[] = {
        {u"abc", u"Недопустимое значение: abc"},
        {u"nan", u"Недопустимое значение: nan"},
        {u"inf", u"Недопустимое значение: inf"},
        {u"1.2.3", u"Недопустимое значение: 1.2.3"},
        {u"+-1", u"Недопустимое значение: +-1"},
        {u"", u"Недопустимое значение: "},
        {u"2e8", u"2e8 выходит за пределы допустимых значений: -100000000..100000000"},
        {u"-1e9", u"-1e9 выходит за пределы допустимых значений: -100000000..100000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MessageOf([&] { ParseFloat(c.Text, kEditMin, kEditMax, u'.'); }),
                  QString::fromUtf16(c.Message));
    }
}

TEST(ParseDspDate, DayMonthAndTwoDigitYear) {
    using Date = std::array<std::uint8_t, 3>;
    EXPECT_EQ(ParseDspDate(u"05.03.24"), (Date{5, 3, 24}));
    EXPECT_EQ(ParseDspDate(u"5.3.0"), (Date{5, 3, 0}));
    EXPECT_EQ(ParseDspDate(u"05.03.2024"), (Date{5, 3, 24}));  // as the label shows it
    for (const char16_t* bad : {u"050324", u"05.03", u"a.b.c", u"05.03.", u"05.03.24.1"}) {
        EXPECT_EQ(MessageOf([&] { ParseDspDate(bad); }),
                  QStringLiteral("Недопустимое значение: ") + QString::fromUtf16(bad));
    }
    EXPECT_EQ(MessageOf([] { ParseDspDate(u"300.1.1"); }),
              u"300 выходит за пределы допустимых значений: 0..255");
}

}  // namespace
}  // namespace tarvix
