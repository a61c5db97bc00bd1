#include "base/Cp1251.h"

#include <gtest/gtest.h>

TEST(Cp1251, AllBytesRoundTrip) {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString text = fromCp1251(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1251(text), all);
    EXPECT_EQ(text.at(0x98).unicode(), 0x0098); // the one hole in the code page stays itself
}

TEST(Cp1251, RussianAlphabetWithYo) {
    const QString upper = QString::fromUtf8("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    const QString lower = QString::fromUtf8("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    const QByteArray up = toCp1251(upper), low = toCp1251(lower);
    EXPECT_EQ(uchar(up.at(0)), 0xC0);
    EXPECT_EQ(uchar(up.at(6)), 0xA8);  // Ё
    EXPECT_EQ(uchar(low.at(6)), 0xB8); // ё
    EXPECT_EQ(uchar(low.back()), 0xFF);
    EXPECT_EQ(fromCp1251(up), upper);
    EXPECT_EQ(fromCp1251(low), lower);
}

TEST(Cp1251, UnencodableBecomesQuestionMark) {
    EXPECT_EQ(toCp1251(QString::fromUtf8("a漢b")), QByteArray("a?b"));
    EXPECT_EQ(toCp1251(QString::fromUtf8("x😀y")), QByteArray("x?y")); // one character, one "?"
    EXPECT_EQ(cp1251Byte(QChar(0x20AC)), 0x88);                       // the euro sign exists
    EXPECT_EQ(cp1251Byte(QChar(0x4E00)), -1);
}
