#include "pages/device_status.h"

#include "base/string_table.h"
#include "model/register_ids.h"

#include <span>

namespace tarvix {
namespace {

// One message of the transmitter's display: the code it numbers the message with and the
// 12-character texts of both languages, padded with blanks as the display shows them.
struct Message {
    int Code;
    const char* Ru;
    const char* En;
};

constexpr Message kSystemErrors[] = {
    {1, "Связь с ИМ  ", "No Link MM  "},  {2, "ПЗУ ИМ      ", "EEPROM MM   "},
    {3, "Разбег част.", "Diff. Freq. "},  {4, "Ошибка ИМ   ", "ERROR MM    "},
    {5, "Цифр. фильтр", "Digit.Filter"},  {6, "DMA 1 ИМ    ", "DMA 1 MM    "},
    {7, "DMA 2 ИМ    ", "DMA 2 MM    "},  {8, "DMA 3 ИМ    ", "DMA 3 MM    "},
    {9, "АЦП ИМ DRDY1", "ADC MM DRDY1"},  {10, "АЦП ИМ DRDY2", "ADC MM DRDY2"},
    {11, "АЦП ИМ код T", "ADC MM: T   "}, {12, "АЦП ИМ код R", "ADC MM: R   "},
    {13, "АЦП ИМ код U", "ADC MM: Ug  "}, {14, "АЦП ИМ iTs  ", "ADC MM: iTs "},
    {15, "АЦП ИМ aVm  ", "ADC MM: aVm "}, {16, "АЦП ИМ diag ", "ADC MM: diag"},
    {17, "ИМ: ампл. X ", "MM: amp. X  "}, {18, "ИМ: ампл. Y ", "MM: amp. Y  "},
    {25, "Контр. сумма", "Bad checksum"}, {30, "Сенсор данн.", "Sensor Data "},
    {31, "Технол. дан.", "Technol.Data"}, {32, "Измер. данн.", "Meas. Data  "},
    {33, "Отд. компон.", "Separ.comps."}, {34, "Системные д.", "System Data "},
    {35, "Калибров. д.", "Calibr. Data"}, {36, "ЖКИ данные  ", "LCD Data    "},
    {37, "Сумматор. д.", "Total Data  "}, {38, "Выход 1 д.  ", "Out 1 Data  "},
    {39, "Выход 2 д.  ", "Out 2 Data  "}, {40, "Выход 3 д.  ", "Out 3 Data  "},
    {41, "Ток.выход д.", "Cur.Out Data"}, {42, "Дис.входы д.", "Dis.In. Data"},
    {43, "Конф.отд.ком", "SepComp conf"}, {50, "Термод. ЦАП ", "TermSens.DAC"},
};

constexpr Message kSystemWarnings[] = {
    {1, "Запуск ИМ   ", "Reset MM    "},  {2, "Фикс.выход 1", "Fixed Out. 1"},
    {3, "Фикс.выход 2", "Fixed Out. 2"},  {4, "Фикс.выход 3", "Fixed Out. 3"},
    {5, "Фикс.ток.вых", "Fixed CurOut"},  {10, "Error CdcId ", "Error CdcId "},
    {11, "Error CdcInt", "Error CdcInt"}, {12, "Клав не найд", "Keys Not Fnd"},
    {13, "Дисп не найд", "Disp Not Fnd"},
};

constexpr Message kProcessErrors[] = {
    {1, "Диап.темпер.", "Temp. Range "},
    {2, "Низк.ур.пит.", "Low Power   "},
};

// "Ґ" is how the display's sum sign (byte 0xA5 of its code page) reads as text.
constexpr Message kProcessWarnings[] = {
    {1, "Велик мас.р.", "Large M.Flow"},  {11, "Вых1:Запазд.", "Out1:Delayed"},
    {12, "Вых1:Зап>буф", "Out1:Del>buf"}, {13, "Вых1:буфер п", "Out1:Overful"},
    {41, "Ток:буфер п.", "Cur:Overfull"}, {42, "Огран. т.вых", "Satur.CurOut"},
    {61, "Сум1: Ґ>Макс", "Total1:Ґ>Max"}, {62, "Сум2: Ґ>Макс", "Total2:Ґ>Max"},
    {63, "Сум3: Ґ>Макс", "Total3:Ґ>Max"}, {64, "Сум4: Ґ>Макс", "Total4:Ґ>Max"},
    {70, "Тмп вне диап", "Tmp.n/i Rnge"},
};

// An event type: the high byte of a message word, its caption's string number and its table.
struct EventType {
    std::uint16_t TypeByte;
    int Caption;
    std::span<const Message> Table;
};

constexpr EventType kEventTypes[] = {
    {kNoticeSystemError, kStrSystemError, kSystemErrors},
    {kNoticeSystemWarning, kStrSystemWarning, kSystemWarnings},
    {kNoticeProcessError, kStrProcessError, kProcessErrors},
    {kNoticeProcessWarning, kStrProcessWarning, kProcessWarnings},
};

const EventType* EventTypeOf(std::uint16_t typeByte) {
    for (const EventType& t : kEventTypes) {
        if (t.TypeByte == typeByte) return &t;
    }
    return nullptr;
}

QString Hex(std::uint16_t word) {
    return QStringLiteral("0x") + QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

StatusSummary SummaryOf(std::uint16_t commonNotice) {
    const std::uint16_t s = commonNotice & 0xFF;
    StatusSummary r;
    if (s & (kNoticeSystemError | kNoticeProcessError)) {
        r.Colour = kStatusRed;
    } else if (s & (kNoticeSystemWarning | kNoticeProcessWarning)) {
        r.Colour = kStatusOrange;
    }
    r.Count = s & kNoticeCountMask;
    r.Marks = {(s & kNoticeSystemError) != 0, (s & kNoticeSystemWarning) != 0,
               (s & kNoticeProcessError) != 0, (s & kNoticeProcessWarning) != 0};
    return r;
}

std::array<MessageRow, kNoticeRows> MessageRows(const RegisterImage& image, int langIndex) {
    std::array<MessageRow, kNoticeRows> rows{};
    const int n = image.ModbusRegs[mrCommonNotice] & kNoticeCountMask;
    for (int i = 0; i < n && i < kNoticeRows; ++i) {
        const std::uint16_t w = image.ModbusRegs[static_cast<std::size_t>(mrNotice1 + i)];
        MessageRow& row = rows[static_cast<std::size_t>(i)];
        row.Number = QString::number(i + 1);
        const EventType* type = EventTypeOf(static_cast<std::uint16_t>(w >> 8));
        const std::size_t index = w & 0xFF;
        if (!type || index >= type->Table.size()) {
            if (type) row.Type = Str(type->Caption);
            row.Code = Hex(w);
            continue;
        }
        const Message& m = type->Table[index];
        row.Type = Str(type->Caption);
        row.Code = QString::number(m.Code);
        row.Text = QString::fromUtf8(langIndex == 1 ? m.En : m.Ru);
    }
    return rows;
}

MicroSwitches MicroSwitchesOf(std::uint16_t c) {
    // The ladder's four levels: both switches closed, only the write lock, only the button
    // lock, neither.
    constexpr std::uint16_t kBothBelow = 304;
    constexpr std::uint16_t kWriteLockBelow = 430;
    constexpr std::uint16_t kKeysLockBelow = 770;
    if (c < kBothBelow) return {true, true};
    if (c < kWriteLockBelow) return {true, false};
    if (c < kKeysLockBelow) return {false, true};
    return {false, false};
}

}  // namespace tarvix
