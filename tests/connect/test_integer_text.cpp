// Integer texts typed into the dialogs or stored in the settings file: which read as numbers,
// and the message a text that is none gives the user.
#include "connect/integer_text.h"

#include "base/user_error.h"

#include <gtest/gtest.h>

#include <optional>

namespace tarvix {
namespace {

struct Case {
    const char* text;
    std::optional<int> value;
};

class ParseIntegerTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(ParseIntegerTextTest, ReadsOnlyWholeDecimalNumbers) {
    const Case& c = GetParam();
    EXPECT_EQ(ParseIntegerText(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntegerTextTest,
    ::testing::Values(Case{"1", 1}, Case{"115200", 115200}, Case{"  300 ", 300}, Case{"+7", 7},
                      Case{"-1", -1}, Case{"007", 7}, Case{"2147483647", 2147483647},
                      Case{"-2147483648", -2147483647 - 1}, Case{"2147483648", std::nullopt},
                      Case{"99999999999999999999", std::nullopt}, Case{"", std::nullopt},
                      Case{"   ", std::nullopt}, Case{"-", std::nullopt}, Case{"abc", std::nullopt},
                      Case{"12a", std::nullopt}, Case{"1 2", std::nullopt},
                      Case{"12.5", std::nullopt}, Case{"9,600", std::nullopt},
                      Case{"0x10", std::nullopt},
                      Case{"١٢", std::nullopt},  // digits of another script are not ours
                      Case{"--1", std::nullopt}));

TEST(IntegerOrRaise, ANonNumberRaisesWithTheTextInTheMessage) {
    EXPECT_EQ(IntegerOrRaise(QStringLiteral("9600")), 9600);
    try {
        IntegerOrRaise(QStringLiteral("96oo"));
        FAIL() << "no error raised";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Недопустимое значение: 96oo"));
    }
}

}  // namespace
}  // namespace tarvix
