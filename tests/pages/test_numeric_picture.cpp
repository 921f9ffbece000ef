// Numeric pictures as a user reads them: rounding of the value a float holds, as the device does,
// optional digits, scientific exponents, separators; the shortest reproducing picture; the
// general form; pictures that cannot show a number.
#include "base/user_error.h"
#include "pages/numeric_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvix {
namespace {

struct PictureCase {
    float Value;
    const char* Picture;
    char16_t Sep;
    const char* Expected;
};

TEST(Picture, ShowsTheValueAsTheUserReadsIt) {
    const PictureCase cases[] = {
        {1.0f, "0.000", u'.', "1.000"},
        {0.0f, "0.000", u'.', "0.000"},
        {12345678.0f, "0.0000e+00", u'.', "1.2346e+07"},
        {0.0005f, "0.0000e+00", u'.', "5.0000e-04"},
        {20000012.0f, "0.0000e+00", u'.', "2.0000e+07"},
        {9999999.0f, "0.0000e+00", u'.', "1.0000e+07"},  // carry into the exponent
        {0.0f, "0.0000e+00", u'.', "0.0000e+00"},
        {-1234.5678f, "0.000e+00", u'.', "-1.235e+03"},
        {1e-10f, "0.0000e+00", u'.', "1.0000e-10"},
        {1234.5f, "0.0e-00", u'.', "1.2e03"},  // "e-": sign only when negative
        // The stored single is rounded, as the transmitter's display rounds it: 2.675f is
        // 2.67499995..., 1.005f 1.00499999..., 1.15f 1.14999998...; exact halves go up.
        {2.675f, "0.00", u'.', "2.67"},
        {-2.675f, "0.00", u'.', "-2.67"},
        {1.005f, "0.00", u'.', "1.00"},
        {1.15f, "0.0", u'.', "1.1"},
        {0.615f, "0.00", u'.', "0.62"},  // 0.61500001...
        {0.125f, "0.00", u'.', "0.13"},
        {-2.5f, "0", u'.', "-3"},
        {21.45f, "0.0", u'.', "21.5"},
        {9.9996f, "0.000", u'.', "10.000"},
        {99999.5f, "0", u'.', "100000"},
        {-0.0004f, "0.000", u'.', "0.000"},  // no "-0.000"
        {-0.0f, "0.0", u'.', "0.0"},
        {0.15f, "0.##", u'.', "0.15"},
        {1.5f, "0.##", u'.', "1.5"},
        {1.0f, "0.##", u'.', "1"},
        {0.005f, "0.##", u'.', "0"},  // 0.00499999...
        {0.5f, "#.##", u'.', ".5"},
        {7.0f, "000", u'.', "007"},
        {1.5f, "0.00", u',', "1,50"},
        {1.5f, "0,00", u',', "1,50"},  // a comma in the picture is a point too
        {21.45f, "0.0 °C", u'.', "21.5 °C"},
        {21.45f, "'t=' 0.0", u'.', "t= 21.5"},
        {3.25f, "0.0;(0.0)", u'.', "3.3"},
        {50.1234567f, "0.000000", u'.', "50.123455"},
    };
    for (const PictureCase& c : cases) {
        EXPECT_EQ(FormatPicture(c.Value, QString::fromUtf8(c.Picture), QChar(c.Sep)),
                  QString::fromUtf8(c.Expected))
            << c.Value << " with " << c.Picture;
    }
}

TEST(Picture, DoublesRoundTheirStoredValue) {
    EXPECT_EQ(FormatPicture(0.1 + 0.2, u"0.0000000000000000", u'.'), u"0.3000000000000000");
    EXPECT_EQ(FormatPicture(2.675, u"0.00", u'.'), u"2.67");  // 2.67499999999999982...
    EXPECT_EQ(FormatPicture(5e-324, u"0.000e+00", u'.'), u"4.941e-324");
    EXPECT_EQ(FormatPicture(1e-100, u"0.0000e+00", u'.'), u"1.0000e-100");
    EXPECT_EQ(FormatPicture(1e300, u"0", u'.').size(), 301);
}

TEST(Picture, NotANumberAndInfinities) {
    EXPECT_EQ(FormatPicture(std::numeric_limits<float>::quiet_NaN(), u"0.000", u'.'), u"NaN");
    EXPECT_EQ(FormatPicture(std::numeric_limits<float>::infinity(), u"0.0000e+00", u'.'), u"INF");
    EXPECT_EQ(FormatPicture(-std::numeric_limits<float>::infinity(), u"0.000", u'.'), u"-INF");
}

TEST(Picture, PicturesThatCannotShowANumberAreRefused) {
    for (const char16_t* bad : {u"", u"abc", u"0.0.0", u"0 x 0", u"'0'", u"0e+00 0"}) {
        EXPECT_THROW(FormatPicture(1.0f, bad, u'.'), UserError)
            << QString::fromUtf16(bad).toStdString();
    }
    try {
        FormatPicture(1.0f, u"abc", u'.');
        FAIL();
    } catch (const UserError& e) {
        EXPECT_TRUE(e.message().contains(u"abc"));
    }
}

TEST(FloatFormatFor, FewestDecimalsFromThreeThatReproduceTheSingle) {
    const struct {
        float F;
        const char* Picture;
    } cases[] = {
        {0.1f, "0.000"},
        {1.5f, "0.000"},
        {-2.0f, "0.000"},
        {1.2345f, "0.0000"},
        {123.456789f, "0.00000"},
        {1.2345678f, "0.0000000"},
        {0.0012345f, "0.0000000"},
        {1.0f / 3.0f, "0.00000000"},
        {0.001f, "0.000"},
        {2.675f, "0.000"},
        {std::numeric_limits<float>::denorm_min(), "0.00000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatFormatFor(c.F), QString::fromLatin1(c.Picture)) << c.F;
        // The picture indeed reproduces the value.
        if (FloatFormatFor(c.F).size() < 10) {
            EXPECT_EQ(FormatPicture(c.F, FloatFormatFor(c.F), u'.').toFloat(), c.F) << c.F;
        }
    }
}

TEST(GeneralFloatText, FifteenSignificantDigits) {
    EXPECT_EQ(GeneralFloatText(static_cast<double>(0.1f), u'.'), u"0.100000001490116");
    EXPECT_EQ(GeneralFloatText(1e20, u'.'), u"1E20");
    EXPECT_EQ(GeneralFloatText(1e-7, u'.'), u"1E-7");
    EXPECT_EQ(GeneralFloatText(-1.5, u','), u"-1,5");
    EXPECT_EQ(GeneralFloatText(100.0, u'.'), u"100");
    EXPECT_EQ(GeneralFloatText(std::nan(""), u'.'), u"NaN");
}

}  // namespace
}  // namespace tarvix
