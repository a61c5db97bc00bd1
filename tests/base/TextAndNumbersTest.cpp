#include "base/AsciiText.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/Rounding.h"

#include <gtest/gtest.h>

TEST(AsciiText, FoldsOnlyLatinLetters) {
    EXPECT_EQ(asciiUpper(QString::fromUtf8("ok Ок ё")), QString::fromUtf8("OK Ок ё"));
    EXPECT_TRUE(asciiContains(QStringLiteral("\r\n>12\r\nok\r\n"), QStringLiteral("OK")));
    EXPECT_FALSE(asciiContains(QString::fromUtf8("ОК"), QStringLiteral("OK"))); // Cyrillic look-alikes
    EXPECT_EQ(asciiIndexOf(QStringLiteral("abcABC"), QStringLiteral("Bc"), 2), 4);
    EXPECT_TRUE(asciiSameText(QStringLiteral("FormCommon"), QStringLiteral("formcommon")));
    EXPECT_FALSE(asciiSameText(QString::fromUtf8("Шлейф"), QString::fromUtf8("шлейф")));
}

TEST(AsciiText, EmptyNeedleNeverMatches) {
    EXPECT_EQ(asciiIndexOf(QStringLiteral("abc"), QString()), -1);
    EXPECT_FALSE(asciiContains(QString(), QString()));
}

TEST(Convert, StrToIntForms) {
    EXPECT_EQ(StrToInt(QStringLiteral("42")), 42);
    EXPECT_EQ(StrToInt(QStringLiteral("  -7 ")), -7);
    EXPECT_EQ(StrToInt(QStringLiteral("$1F")), 31);
    EXPECT_EQ(StrToInt(QStringLiteral("0x1f")), 31);
    EXPECT_EQ(StrToInt(QStringLiteral("0XFF")), 255);
    EXPECT_EQ(StrToInt(QStringLiteral("$FFFFFFFF")), -1);
    EXPECT_EQ(StrToInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(StrToInt(QStringLiteral("-2147483648")), -2147483647 - 1);
    for (const char* bad : {"", " ", "1a", "$", "0x", "12 3", "2147483648", "$1FFFFFFFF", "+-1", "1.0"})
        EXPECT_THROW(StrToInt(QString::fromLatin1(bad)), EConvertError) << bad;
    EXPECT_EQ(StrToIntDef(QStringLiteral("zz"), -5), -5);
    EXPECT_FALSE(TryStrToInt(QString::fromUtf8("１２")).has_value()); // full-width digits are no digits
}

TEST(Convert, HexAndZeroPadding) {
    EXPECT_EQ(IntToHex(0x1a2b, 4), QStringLiteral("1A2B"));
    EXPECT_EQ(IntToHex(5, 2), QStringLiteral("05"));
    EXPECT_EQ(IntToHex(0x12345, 2), QStringLiteral("12345"));
    EXPECT_EQ(IntToHex(-1, 2), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(IntToHex(-16, 4), QStringLiteral("FFFFFFF0"));
    EXPECT_EQ(ZeroPad(7, 3), QStringLiteral("007"));
    EXPECT_EQ(ZeroPad(1234, 2), QStringLiteral("1234"));
    EXPECT_EQ(ZeroPad(-5, 2), QStringLiteral("-05"));
}

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

TEST(Exceptions, ModemFailureIsACommFailure) {
    try {
        throw TModemException(QString::fromUtf8("Занято"));
    } catch (const TCommException& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8("Занято"));
        EXPECT_STREQ(e.what(), "Занято");
    }
    const EDeviceError device(QStringLiteral("Device not opened."), 1);
    EXPECT_EQ(device.Code, 1);
}
