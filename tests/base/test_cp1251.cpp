// Windows-1251 conversion: the bytes the program's files hold for its Russian texts.
#include "base/cp1251.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(Cp1251, KnownTextsHaveTheirBytes) {
    struct Case {
        const char16_t* text;
        QByteArray bytes;
    } cases[] = {
        {u"Port=COM1", "Port=COM1"},
        {u"Профиль", "\xCF\xF0\xEE\xF4\xE8\xEB\xFC"},
        {u"Ёё№€—", "\xA8\xB8\xB9\x88\x97"},
        {u"я А", "\xFF \xC0"},
        {u"a中b", "a?b"},          // not in the code page
        {u"x\U0001F600y", "x?y"},  // one character outside the BMP, one '?'
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(ToCp1251(text), c.bytes) << text.toStdString();
        if (!c.bytes.contains('?')) {
            EXPECT_EQ(FromCp1251(c.bytes), text) << text.toStdString();
        }
    }
}

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    const QString text = FromCp1251(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1251(text), all);
}

TEST(Cp1251, AgreesWithTheSystemCodec) {
    QStringDecoder codec("windows-1251");
    if (!codec.isValid()) GTEST_SKIP() << "Qt built without a windows-1251 codec";
    for (int b = 0x80; b < 0x100; ++b) {
        if (b == 0x98) continue;  // undefined in the code page; codecs differ
        const char byte = static_cast<char>(b);
        const QString expected = codec.decode(QByteArrayView(&byte, 1));
        EXPECT_EQ(FromCp1251(QByteArrayView(&byte, 1)), expected) << "byte " << b;
    }
}

}  // namespace
}  // namespace tarvix
