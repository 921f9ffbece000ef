// Word display formats typed by the user: what printf would show for the accepted subset,
// refusal of everything that would be undefined with one int argument, and the scan back.
#include "base/user_error.h"
#include "pages/word_format.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

struct FormatCase {
    const char16_t* Format;
    int Value;
    const char16_t* Expected;
};

TEST(FormatWord, AsPrintfWithOneIntArgument) {
    const FormatCase cases[] = {
        {u"%02d", 7, u"07"},
        {u"20%02d", 13, u"2013"},
        {u"0x%04X", 4660, u"0x1234"},
        {u"%d", 65535, u"65535"},
        {u"%hd", 65535, u"-1"},
        {u"%hhx", 0x1FF, u"ff"},
        {u"%u", 5, u"5"},
        {u"%x", 255, u"ff"},
        {u"%#x", 255, u"0xff"},
        {u"%#x", 0, u"0"},
        {u"%#o", 8, u"010"},
        {u"%o", 8, u"10"},
        {u"%5d", 42, u"   42"},
        {u"%-5d|", 42, u"42   |"},
        {u"%+d", 5, u"+5"},
        {u"% d", 5, u" 5"},
        {u"%+05d", -42, u"-0042"},
        {u"%.3d", 5, u"005"},
        {u"%05.3d", 5, u"  005"},  // a precision turns the 0 flag off
        {u"%.0d", 0, u""},
        {u"%ld", 123, u"123"},
        {u"%%%d%%", 50, u"%50%"},
        {u"no number", 5, u"no number"},
        {u"%c", 0xC0, u"А"},  // Windows-1251: Cyrillic capital A
        {u"%3c", 0x41, u"  A"},
        {u"%i", -3, u"-3"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatWord(c.Format, c.Value), QString::fromUtf16(c.Expected))
            << QString::fromUtf16(c.Format).toStdString();
    }
}

TEST(FormatWord, FormatsOutsideTheSubsetRaiseAnErrorNamingThem) {
    for (const char16_t* bad :
         {u"%s", u"%n", u"%f", u"%5.2f", u"%d %d", u"%*d", u"%", u"abc%", u"%1$d", u"%100d",
          u"%.100d", u"%Lf", u"%p", u"%jd", u"%e", u"%lf", u"%hs"}) {
        const QString f = QString::fromUtf16(bad);
        EXPECT_FALSE(IsUsableWordFormat(f)) << f.toStdString();
        try {
            FormatWord(f, 1);
            ADD_FAILURE() << "no error for " << f.toStdString();
        } catch (const UserError& e) {
            EXPECT_TRUE(e.message().contains(f)) << e.message().toStdString();
        }
        EXPECT_THROW(ScanWord(f, u"1"), UserError) << f.toStdString();
    }
    EXPECT_TRUE(IsUsableWordFormat(u"20%02d"));
    EXPECT_TRUE(IsUsableWordFormat(u"plain text"));
}

struct ScanCase {
    const char16_t* Format;
    const char16_t* Text;
    std::optional<std::int64_t> Expected;
};

TEST(ScanWord, ReadsOneIntegerThroughThePattern) {
    const ScanCase cases[] = {
        {u"20%02d", u"2013", 13},
        {u"20%02d", u"13", std::nullopt},  // "13" does not start with "20"
        {u"20%02d", u"20", std::nullopt},
        {u"0x%04X", u"0x1234", 4660},
        // The whole text must match: what scanf would leave unread makes it no value.
        {u"0x%04X", u"0x12345", std::nullopt},
        {u"%02d", u"123", std::nullopt},
        {u"%d", u"12abc", std::nullopt},
        {u"%d", u" 42 kg", std::nullopt},
        {u"%d kg", u" 42 kg ", 42},
        {u"%d kg", u"42 kgs", std::nullopt},
        {u"%d%%", u"5", std::nullopt},
        {u"%c", u"АБ", std::nullopt},
        {u"%d", u"-5", -5},
        {u"%d", u"+5", 5},
        {u"%d", u"abc", std::nullopt},
        {u"%d", u"", std::nullopt},
        {u"%d", u"99999999999", std::nullopt},
        {u"%d", u"2147483648", std::nullopt},
        {u"%u", u"4294967295", 4294967295LL},
        {u"%x", u"ff", 255},
        {u"%x", u"0xff", 255},
        {u"%X", u"FFFF", 65535},
        {u"%i", u"0x10", 16},
        {u"%i", u"010", 8},
        {u"%i", u"10", 10},
        {u"%o", u"17", 15},
        {u"%d%%", u"5%", 5},
        {u"Val: %d", u"Val:   7", 7},
        {u"Val: %d", u"Val:7", 7},
        {u"no number", u"no number", std::nullopt},
        {u"%c", u"А", 0xC0},
    };
    for (const ScanCase& c : cases) {
        EXPECT_EQ(ScanWord(c.Format, c.Text), c.Expected)
            << QString::fromUtf16(c.Format).toStdString() << " / "
            << QString::fromUtf16(c.Text).toStdString();
    }
}

TEST(ScanWord, ReadsBackWhatTheFormatShows) {
    // A width limits what scanf reads: "%02d" shows 4660 in full but reads two digits back,
    // so the two-digit formats round-trip two-digit values only.
    const struct {
        const char16_t* Format;
        int Max;
    } formats[] = {{u"%d", 65535}, {u"%02d", 99},   {u"20%02d", 99}, {u"0x%04X", 65535},
                   {u"%x", 65535}, {u"%5d", 65535}, {u"%+d", 65535}, {u"%#o", 65535}};
    for (const auto& f : formats) {
        for (int v : {0, 7, 99, 4660, 65535}) {
            if (v > f.Max) continue;
            EXPECT_EQ(ScanWord(f.Format, FormatWord(f.Format, v)), v)
                << QString::fromUtf16(f.Format).toStdString() << " " << v;
        }
    }
}

}  // namespace
}  // namespace tarvix
