#include "device/ContactID.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TContactID Record(const char* text) {
    TContactID record;
    record.SetText(QString::fromLatin1(text));
    return record;
}

} // namespace

TEST(ContactID, FieldsAreCutFromTheirPositions) {
    const TContactID record = Record("1234181131001009");
    EXPECT_EQ(record.Account(), QStringLiteral("1234"));
    EXPECT_EQ(record.EventCode(), QStringLiteral("131"));
    EXPECT_EQ(record.Group(), QStringLiteral("00"));
    EXPECT_EQ(record.Zone(), QStringLiteral("100"));
    const TContactID copy = record;
    EXPECT_EQ(copy.GetText(), QStringLiteral("1234181131001009"));
    const TContactID shortRecord = Record("12345678");
    EXPECT_EQ(shortRecord.EventCode(), QStringLiteral("8"));
    EXPECT_EQ(shortRecord.Zone(), QString());
}

TEST(ContactID, CheckDigitOfTheRecordedExample) {
    // 1+2+3+4+1+8+1+1+3+1+10+10+1+10+10 = 66; 66 mod 15 = 6; 15 - 6 = 9.
    EXPECT_TRUE(Record("1234181131001009").CheckSumOK());
    EXPECT_FALSE(Record("1234181131001007").CheckSumOK());
    EXPECT_TRUE(Record("12341811310010090").CheckSumOK()); // characters after 16 are not looked at
}

TEST(ContactID, CheckValueFifteenAndTen) {
    EXPECT_TRUE(Record("FFFFFFFFFFFFFFFF").CheckSumOK()); // 225 mod 15 = 0: fifteen, "f"
    EXPECT_TRUE(Record("111111111111111f").CheckSumOK());
    EXPECT_FALSE(Record("1111111111111110").CheckSumOK());
    // 14 + 6 = 20, 20 mod 15 = 5: the check value is ten, written "A", "a" or "0".
    EXPECT_TRUE(Record("111111111111116A").CheckSumOK());
    EXPECT_TRUE(Record("111111111111116a").CheckSumOK());
    EXPECT_TRUE(Record("1111111111111160").CheckSumOK());
    EXPECT_FALSE(Record("111111111111116B").CheckSumOK());
    // 14 + 5 = 19, r = 4: eleven, in either case.
    EXPECT_TRUE(Record("111111111111115B").CheckSumOK());
    EXPECT_TRUE(Record("111111111111115b").CheckSumOK());
    EXPECT_FALSE(Record("1111111111111150").CheckSumOK());
}

TEST(ContactID, ShortTextFailsWithoutReadingPastItsEnd) {
    EXPECT_FALSE(Record("").CheckSumOK());
    EXPECT_FALSE(Record("123418113100100").CheckSumOK());
    EXPECT_FALSE(Record("12:").CheckSumOK()); // too short before any character is judged
}

TEST(ContactID, NonHexCharacterInTheBodyThrows) {
    EXPECT_THROW(Record("12341811310010:9").CheckSumOK(), EConvertError);
    EXPECT_THROW(Record("+234181131001009").CheckSumOK(), EConvertError);
    // The check digit itself is only compared.
    EXPECT_FALSE(Record("123418113100100:").CheckSumOK());
}

TEST(ContactID, IsValidText) {
    EXPECT_TRUE(TContactID::IsValidText(QString()));
    EXPECT_TRUE(TContactID::IsValidText(QStringLiteral("+12:3>")));
    EXPECT_TRUE(TContactID::IsValidText(QStringLiteral(",/0123456789ABCDEF")));
    for (const char* bad : {"12ab", "1-2", "1.2", "1 2", "G", "f"})
        EXPECT_FALSE(TContactID::IsValidText(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(TContactID::IsValidText(QString::fromUtf8("А1"))); // Cyrillic А
}
