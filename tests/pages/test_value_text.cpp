// Register values as the pages show them, and edits stored back into the register image;
// the measuring-module values by their codes.
#include "base/user_error.h"
#include "model/param_types.h"
#include "model/register_ids.h"
#include "pages/dsp_value.h"
#include "pages/value_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace tarvix {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

QString Text(const RegisterImage& image, int mr, const ValueDescriptor* dc, bool total = true,
             bool high = true, bool raw = false) {
    return ValueText(image, mr, total, high, raw, dc, u'.');
}

TEST(ValueText, FloatAssembledFromLowAndHighWord) {
    RegisterImage image;
    image.ModbusRegs[300] = 0x0000;
    image.ModbusRegs[301] = 0x3F80;
    ValueDescriptor label{.ControlCount = 1};
    EXPECT_EQ(Text(image, mrMassFlowH, &label), u"1.000");
    // Read from its low register (the register polling page's way).
    EXPECT_EQ(Text(image, mrMassFlow, nullptr, true, false), u"1.000");
}

TEST(ValueText, FloatsWithoutAPicture) {
    const struct {
        int Mr;
        float F;
        const char16_t* Expected;
    } cases[] = {
        {mrMassFlowH, 12345678.0f, u"1.2346e+07"},
        {mrMassFlowH, -10000000.0f, u"-1.0000e+07"},
        {mrMassFlowH, 0.0005f, u"5.0000e-04"},
        {mrMassFlowH, -0.0005f, u"-5.0000e-04"},
        {mrMassFlowH, 0.0f, u"0.000"},
        {mrMassFlowH, 1.2345f, u"1.235"},          // read-only: three decimals
        {mrMFactorMassFlowH, 1.2345f, u"1.2345"},  // writable: as many as reproduce it
        {mrMFactorMassFlowH, 0.001f, u"0.001"},
        {mrMFactorMassFlowH, 2.0f, u"2.000"},
        {mrMassFlowH, kNaN, u"NaN"},
        {mrMassFlowH, std::numeric_limits<float>::infinity(), u"INF"},
    };
    for (const auto& c : cases) {
        RegisterImage image;
        image.StoreFloat(c.Mr, c.F);
        EXPECT_EQ(Text(image, c.Mr, nullptr), QString::fromUtf16(c.Expected)) << c.F;
        ValueDescriptor label{.ControlCount = 1};
        EXPECT_EQ(Text(image, c.Mr, &label), QString::fromUtf16(c.Expected)) << c.F;
    }
}

TEST(ValueText, TotaliserSumIncludesTheOverflowCount) {
    RegisterImage image;
    image.StoreFloat(mrSumOverFlow1H, 2.0f);
    image.StoreFloat(mrSum1H, 12.5f);
    ValueDescriptor labelSum1{.ControlCount = 1};
    EXPECT_EQ(Text(image, mrSum1H, &labelSum1), u"2.0000e+07");
    EXPECT_EQ(Text(image, mrSum1H, &labelSum1, false), u"12.500");
    // The other totalisers pair their own overflow and sum.
    image.StoreFloat(mrSumOverFlow4H, 1.0f);
    image.StoreFloat(mrSum4H, 0.5f);
    EXPECT_EQ(Text(image, mrSum4H, nullptr), u"1.0000e+07");
    image.StoreFloat(mrSumOverFlow3H, kNaN);
    EXPECT_EQ(Text(image, mrSum3H, &labelSum1), u"NaN");
    // The float behind a sum is no totaliser: it is shown alone.
    image.StoreFloat(mrSumTime1H, 1.5f);
    EXPECT_EQ(Text(image, mrSumTime1H, nullptr), u"1.500");
}

TEST(ValueText, WordsByFormatMenuComboOrNumber) {
    const MenuLines units = MenuLinesOf(MenuId::UnitMassFlow, 0);
    const auto combo = [](int i) { return i < 2 ? QStringLiteral("item%1").arg(i) : QString(); };
    const struct {
        int W;
        ValueDescriptor Dc;
        bool Raw;
        const char16_t* Expected;
    } cases[] = {
        {7, {.Format = QStringLiteral("%02d"), .ControlCount = 2}, false, u"07"},
        {13, {.Format = QStringLiteral("20%02d"), .ControlCount = 2}, false, u"2013"},
        {4660, {.Format = QStringLiteral("0x%04X"), .ControlCount = 1}, false, u"0x1234"},
        {8, {.Menu = units, .ControlCount = 2, .FirstIsCombo = true}, false, u"т/ч"},
        {8, {.Menu = units, .ControlCount = 2, .FirstIsCombo = true}, true, u"8"},
        {9, {.Menu = units, .ControlCount = 2, .FirstIsCombo = true}, false, u"9"},  // no line
        {1, {.ControlCount = 2, .FirstIsCombo = true, .ComboItemText = combo}, false, u"item1"},
        {5, {.ControlCount = 2, .FirstIsCombo = true, .ComboItemText = combo}, false, u"5"},
        {1, {.ControlCount = 2, .FirstIsCombo = true, .ComboItemText = combo}, true, u"1"},
        {1, {.ControlCount = 0, .FirstIsCombo = true, .ComboItemText = combo}, false, u"1"},
        {65535, {.ControlCount = 1}, false, u"65535"},
    };
    for (const auto& c : cases) {
        RegisterImage image;
        image.ModbusRegs[mrUnitMassFlow] = static_cast<std::uint16_t>(c.W);
        EXPECT_EQ(Text(image, mrUnitMassFlow, &c.Dc, true, true, c.Raw),
                  QString::fromUtf16(c.Expected));
    }
}

TEST(ValueText, RegistersOutsideTheTableAndUnusableFormats) {
    RegisterImage image;
    image.ModbusRegs[40] = 5;
    EXPECT_EQ(Text(image, 40, nullptr), u"-----");
    image.ModbusRegs[mrSerialNumberDevice] = 1234;
    EXPECT_EQ(Text(image, mrSerialNumberDevice, nullptr), u"1234");
    const ValueDescriptor bad{.Format = QStringLiteral("%s"), .ControlCount = 1};
    EXPECT_THROW(Text(image, mrSerialNumberDevice, &bad), UserError);
    image.StoreFloat(mrFrequencyH, 50.0f);
    const ValueDescriptor frequency{.Format = QStringLiteral("0.000000")};
    EXPECT_EQ(Text(image, mrFrequency, &frequency, true, false), u"50.000000");
}

TEST(ControlValueToRegister, EditsAndIndexesIntoTheImage) {
    RegisterImage image;
    EXPECT_EQ(ControlValueToRegister(image, mrMFactorMassFlowH, QStringLiteral("1,5"), {}, u'.'),
              u"1.5");
    EXPECT_EQ(image.ReadFloat(mrMFactorMassFlowH), 1.5f);
    EXPECT_EQ(ControlValueToRegister(image, mrMFactorMassFlowH, 3, {}, u'.'), QString());
    EXPECT_EQ(image.ReadFloat(mrMFactorMassFlowH), 3.0f);

    constexpr auto kRefuse = WordOverflow::Refuse;
    constexpr auto kKeep = WordOverflow::KeepLow16;
    const struct {
        QString Text;
        QString Format;
        WordOverflow Overflow;
        std::uint16_t Stored;
    } words[] = {
        {QStringLiteral("65535"), {}, kRefuse, 0xFFFF},
        {QStringLiteral("0"), {}, kRefuse, 0},
        {QStringLiteral("2013"), QStringLiteral("20%02d"), kRefuse, 13},
        {QStringLiteral("0x1234"), QStringLiteral("0x%04X"), kRefuse, 0x1234},
        {QStringLiteral("07"), QStringLiteral("%02d"), kRefuse, 7},
        // A signed short format shows 65535 as -1; what it shows reads back.
        {QStringLiteral("-1"), QStringLiteral("%hd"), kRefuse, 0xFFFF},
        // Kept to its low 16 bits only when the caller asks for the raw bits.
        {QStringLiteral("70000"), {}, kKeep, 4464},
        {QStringLiteral("-1"), {}, kKeep, 0xFFFF},
    };
    for (const auto& w : words) {
        EXPECT_EQ(
            ControlValueToRegister(image, mrCalibrationYY, w.Text, w.Format, u'.', w.Overflow),
            w.Text);
        EXPECT_EQ(image.ModbusRegs[mrCalibrationYY], w.Stored) << w.Text.toStdString();
    }
    ControlValueToRegister(image, mrUnitMassFlow, 5, {}, u'.');
    EXPECT_EQ(image.ModbusRegs[mrUnitMassFlow], 5);
}

TEST(ControlValueToRegister, BadInputLeavesTheImageUnchanged) {
    RegisterImage image;
    image.ModbusRegs[mrCalibrationYY] = 99;
    image.StoreFloat(mrMFactorMassFlowH, 2.0f);
    const struct {
        int Mr;
        const char16_t* Text;
        const char16_t* Format;
        const char16_t* Message;
    } cases[] = {
        {mrCalibrationYY, u"200000000", u"",
         u"200000000 выходит за пределы допустимых значений: 0..65535"},
        // A word the register cannot hold is refused, not cut to its low 16 bits.
        {mrCalibrationYY, u"70000", u"", u"70000 выходит за пределы допустимых значений: 0..65535"},
        {mrCalibrationYY, u"-1", u"", u"-1 выходит за пределы допустимых значений: 0..65535"},
        {mrCalibrationYY, u"70000", u"%d",
         u"70000 выходит за пределы допустимых значений: 0..65535"},
        {mrCalibrationYY, u"-1", u"%u", u"-1 выходит за пределы допустимых значений: 0..65535"},
        {mrCalibrationYY, u"-32769", u"%hd",
         u"-32769 выходит за пределы допустимых значений: -32768..65535"},
        {mrCalibrationYY, u"2013x", u"20%02d", u"Строка 2013x не является числом в формате 20%02d"},
        {mrCalibrationYY, u"13", u"20%02d", u"Строка 13 не является числом в формате 20%02d"},
        {mrMFactorMassFlowH, u"1e9", u"",
         u"1e9 выходит за пределы допустимых значений: -100000000..100000000"},
    };
    for (const auto& c : cases) {
        try {
            ControlValueToRegister(image, c.Mr, QString::fromUtf16(c.Text),
                                   QString::fromUtf16(c.Format), u'.', WordOverflow::Refuse);
            ADD_FAILURE() << "accepted " << QString::fromUtf16(c.Text).toStdString();
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf16(c.Message));
        }
    }
    EXPECT_EQ(image.ModbusRegs[mrCalibrationYY], 99);
    EXPECT_EQ(image.ReadFloat(mrMFactorMassFlowH), 2.0f);
}

DspValue FloatBytes(float f) {
    const auto u = std::bit_cast<std::uint32_t>(f);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

TEST(DspValueText, ByValueCode) {
    const ValueDescriptor edit{.ControlCount = 2};
    const ValueDescriptor picture{.Format = QStringLiteral("0.000"), .ControlCount = 2};
    const struct {
        int Code;
        DspValue Raw;
        const ValueDescriptor* Dc;
        const char16_t* Expected;
    } cases[] = {
        {kDspDate, {5, 3, 24, 0}, &edit, u"05.03.2024"},
        {kDspU16, {0x34, 0x12, 0xFF, 0xFF}, &edit, u"4660"},
        {kDspI16, {0xFF, 0xFF, 0, 0}, &edit, u"-1"},
        {kDspU8, {200, 1, 0, 0}, &edit, u"200"},
        {kDspI32, {0xFE, 0xFF, 0xFF, 0xFF}, &edit, u"-2"},
        {kDspI32Alt, {0x10, 0, 0, 0}, &edit, u"16"},
        {kDspFloat, FloatBytes(0.1f), &edit, u"0.100000001490116"},
        {kDspFloat, FloatBytes(0.1f), &picture, u"0.100"},
        {kDspFloat, FloatBytes(kNaN), &picture, u"NaN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DspValueText(c.Code, c.Raw, *c.Dc, u'.'), QString::fromUtf16(c.Expected));
    }
}

TEST(ControlValueToDsp, EditsByTheParametersCode) {
    EXPECT_EQ(ControlValueToDsp(0, QStringLiteral("4660"), u'.').Value,
              (DspValue{0x34, 0x12, 0, 0}));
    EXPECT_EQ(ControlValueToDsp(1, QStringLiteral("05.03.24"), u'.').Value,
              (DspValue{5, 3, 24, 0}));
    const auto r0 = ControlValueToDsp(2, QStringLiteral("100,5"), u'.');
    EXPECT_EQ(r0.Value, FloatBytes(100.5f));
    EXPECT_EQ(r0.Text, u"100.5");
    EXPECT_EQ(ControlValueToDsp(3, QStringLiteral("-2"), u'.').Value,
              (DspValue{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(ControlValueToDsp(3, 7, u'.').Value, (DspValue{7, 0, 0, 0}));
    EXPECT_EQ(ControlValueToDsp(2, 7, u'.').Value, FloatBytes(7.0f));
    EXPECT_THROW(ControlValueToDsp(0, QStringLiteral("65536"), u'.'), UserError);
    EXPECT_THROW(ControlValueToDsp(0, QStringLiteral("-1"), u'.'), UserError);
    EXPECT_THROW(ControlValueToDsp(3, QStringLiteral("2000000001"), u'.'), UserError);
    EXPECT_THROW(ControlValueToDsp(1, QStringLiteral("0503"), u'.'), UserError);
    // A date typed and shown again reads the same.
    const ValueDescriptor edit{.ControlCount = 2};
    const auto date = ControlValueToDsp(1, QStringLiteral("31.12.99"), u'.');
    EXPECT_EQ(DspValueText(DspCode(1), date.Value, edit, u'.'), u"31.12.2099");
    EXPECT_EQ(ControlValueToDsp(1, DspValueText(DspCode(1), date.Value, edit, u'.'), u'.').Value,
              date.Value);
}

}  // namespace
}  // namespace tarvix
