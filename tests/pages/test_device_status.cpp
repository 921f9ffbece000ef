// Decoding the device status: the lamp, count and marks from the summary word, the message
// rows (more messages than registers included), the micro switch bands at their edges.
#include "model/register_ids.h"
#include "pages/device_status.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(DeviceStatus, SummaryColourCountAndMarks) {
    const struct {
        std::uint16_t notice;
        StatusSummary expected;
    } cases[] = {
        {0x00A2, {kStatusRed, 2, {true, false, true, false}}},
        {0x0051, {kStatusOrange, 1, {false, true, false, true}}},
        {0x0000, {kStatusGreen, 0, {}}},
        {0x0023, {kStatusRed, 3, {false, false, true, false}}},
        // Ten warnings: the count says 10 though only eight message registers exist; the
        // high byte of the word is not part of the summary.
        {0xFF5A, {kStatusOrange, 10, {false, true, false, true}}},
    };
    for (const auto& c : cases) EXPECT_EQ(SummaryOf(c.notice), c.expected) << c.notice;
}

TEST(DeviceStatus, RowsStopAtTheEighthRegister) {
    RegisterImage image;
    image.ModbusRegs[mrCommonNotice] = 0x5A;
    for (int i = 0; i < 8; ++i) image.ModbusRegs[static_cast<std::size_t>(mrNotice1 + i)] = 0x4000;
    const auto rows = MessageRows(image, 0);
    EXPECT_EQ(rows[7].Number, QStringLiteral("8"));
    EXPECT_EQ(rows[7].Text, QStringLiteral("Запуск ИМ   "));
    // The sum sign of the totaliser messages reads as the display's own character.
    image.ModbusRegs[mrCommonNotice] = 0x11;
    image.ModbusRegs[mrNotice1] = 0x1007;
    EXPECT_EQ(MessageRows(image, 1)[0].Text, QStringLiteral("Total2:Ґ>Max"));
    EXPECT_EQ(MessageRows(image, 1)[1], MessageRow{});
}

TEST(DeviceStatus, MicroSwitchBandsAndDataErrorAddress) {
    const struct {
        std::uint16_t code;
        MicroSwitches expected;
    } bands[] = {{0, {true, true}},     {303, {true, true}},    {304, {true, false}},
                 {429, {true, false}},  {430, {false, true}},   {769, {false, true}},
                 {770, {false, false}}, {65535, {false, false}}};
    for (const auto& b : bands) EXPECT_EQ(MicroSwitchesOf(b.code), b.expected) << b.code;
    EXPECT_TRUE(DataErrorShown(35));
    EXPECT_TRUE(DataErrorShown(1795));
    EXPECT_FALSE(DataErrorShown(1796));
    EXPECT_FALSE(DataErrorShown(0xFFFF));
}

}  // namespace
}  // namespace tarvix
