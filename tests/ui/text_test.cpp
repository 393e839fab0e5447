#include "text.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(Text, EveryByteStringComesBackExactly)
{
    // Every string of one and two bytes, then the awkward longer ones:
    // truncated, overlong, surrogate and out-of-range sequences, and the
    // UTF-8 of the invisible mark itself.
    for (int a = 0; a < 256; ++a)
        for (int b = -1; b < 256; ++b) {
            std::string bytes(1, char(a));
            if (b >= 0)
                bytes += char(b);
            ASSERT_EQ(toBytes(toText(bytes)), bytes) << a << " " << b;
        }
    for (const std::string bytes :
         {"C:\\Jeux\\\xE9mulateurs\\cps3", "/home/ana/T\xC3\xA9l\xC3\xA9" "chargements", "\xE2\x82",
          "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF0\x9F\x8E\xAE jeux", "a\xCD\x8F" "b",
          "\xC3\xA9\xCD\x8F", "\x81\x8D\x8F\x90\x9D\x80\x9F"})
        EXPECT_EQ(toBytes(toText(bytes)), bytes);
}

TEST(Text, ValidUtf8IsShownAsItIsAndOtherBytesAsWindows1252)
{
    EXPECT_EQ(toText("/home/ana/T\xC3\xA9l\xC3\xA9" "chargements"),
              QString::fromUtf8("/home/ana/Téléchargements"));
    EXPECT_EQ(toBytes(QString::fromUtf8("Téléchargements")), "T\xC3\xA9l\xC3\xA9" "chargements");

    // The same letter from two different byte strings: shown alike, kept apart.
    const QString fromWindows = toText("\xE9mulateurs \x80");
    const QString fromUtf8 = toText("\xC3\xA9mulateurs \xE2\x82\xAC");
    EXPECT_NE(fromWindows, fromUtf8);
    QFont font("DejaVu Sans");
    font.setPixelSize(16);
    const QFontMetrics metrics(font);
    EXPECT_EQ(metrics.horizontalAdvance(fromWindows), metrics.horizontalAdvance(fromUtf8));
    EXPECT_TRUE(fromWindows.startsWith(QString::fromUtf8("é")));
    EXPECT_EQ(fromWindows.count(QString::fromUtf8("€")), 1);
}
