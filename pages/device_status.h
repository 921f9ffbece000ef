// The transmitter's status as the program shows it: the summary word decoded into the status
// colour, the message count and the four event-type marks, the message words decoded into
// the rows of the message list, the micro switch positions read from the processor module's
// internal ADC, and the rule for showing the address of a data error.
#pragma once

#include "model/register_image.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tarvix {

// The bits of the summary word's low byte (CommonNotice): one per event type, and the number
// of messages in the low nibble.
inline constexpr std::uint16_t kNoticeSystemError = 0x80;
inline constexpr std::uint16_t kNoticeSystemWarning = 0x40;
inline constexpr std::uint16_t kNoticeProcessError = 0x20;
inline constexpr std::uint16_t kNoticeProcessWarning = 0x10;
inline constexpr std::uint16_t kNoticeCountMask = 0x0F;
// The device has eight message registers (Notice1..Notice8); a larger count shows only them.
inline constexpr int kNoticeRows = 8;

// The status lamp's colours, 0xRRGGBB; white is the lamp of a program not connected.
inline constexpr std::uint32_t kStatusRed = 0xD00000;
inline constexpr std::uint32_t kStatusOrange = 0xFF8000;
inline constexpr std::uint32_t kStatusGreen = 0x00C000;
inline constexpr std::uint32_t kStatusWhite = 0xFFFFFF;

struct StatusSummary {
    std::uint32_t Colour = kStatusGreen;
    int Count = 0;
    // The marks "SE", "SW", "PE", "PW": system error, system warning, process error, process
    // warning.
    std::array<bool, 4> Marks{};
    friend bool operator==(const StatusSummary&, const StatusSummary&) = default;
};

// Errors make the lamp red, warnings orange, nothing green; the count is the low nibble.
StatusSummary SummaryOf(std::uint16_t commonNotice);

// One row of the message list: its number, the event type's caption, the message's code as
// the transmitter's display numbers it, and its text (12 characters, as the display shows it).
struct MessageRow {
    QString Number, Type, Code, Text;
    friend bool operator==(const MessageRow&, const MessageRow&) = default;
};

// The eight rows from CommonNotice and Notice1..8 of the image in the language langIndex
// (1 English, otherwise Russian); rows past the count are empty. Event-type captions are the
// string table's texts 1-4. A message whose type byte is none of the four, or whose index is
// past its type's table, still shows its number and its word in hexadecimal in the code
// column, so that it can be reported; the text column stays empty.
std::array<MessageRow, kNoticeRows> MessageRows(const RegisterImage& image, int langIndex);

// The two hardware micro switches, encoded by a resistor ladder that the processor module's
// internal ADC reads (CodeInternalAdc).
struct MicroSwitches {
    bool ModbusWriteLock = false;  // "Блокировка записи по Modbus"
    bool KeysLock = false;         // "Блокировка кнопок"
    friend bool operator==(const MicroSwitches&, const MicroSwitches&) = default;
};
MicroSwitches MicroSwitchesOf(std::uint16_t codeInternalAdc);

// The data error register (Err) names a register whose stored check code failed; any value
// past the image names none and is not shown.
constexpr bool DataErrorShown(std::uint16_t err) { return IsUserRegister(err); }

}  // namespace tarvix
