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
    EXPECT_EQ(record.Account() + u'|' + record.EventCode() + u'|' + record.Group() + u'|' + record.Zone(),
              QStringLiteral("1234|131|00|100"));
    const TContactID shortRecord = Record("12345678");
    EXPECT_EQ(shortRecord.EventCode(), QStringLiteral("8"));
    EXPECT_EQ(shortRecord.Zone(), QString());
}

TEST(ContactID, CheckDigit) {
    // clang-format off
    const std::pair<const char*, bool> cases[] = {
        // 1+2+3+4+1+8+1+1+3+1+10+10+1+10+10 = 66; 66 mod 15 = 6; 15 - 6 = 9. Characters after 16
        // are not looked at.
        {"1234181131001009", true}, {"1234181131001007", false}, {"12341811310010090", true},
        // 225 mod 15 = 0: the check value is fifteen, "F" or "f".
        {"FFFFFFFFFFFFFFFF", true}, {"111111111111111f", true}, {"1111111111111110", false},
        // 14 + 6 = 20, 20 mod 15 = 5: the check value is ten, written "A", "a" or "0".
        {"111111111111116A", true}, {"111111111111116a", true}, {"1111111111111160", true},
        {"111111111111116B", false},
        // Eleven, in either case; "0" stands for ten only.
        {"111111111111115B", true}, {"111111111111115b", true}, {"1111111111111150", false},
        // Too short: false, without reading past the end or judging any character. The check
        // digit itself is only compared.
        {"", false}, {"123418113100100", false}, {"12:", false}, {"123418113100100:", false},
    };
    // clang-format on
    for (const auto& [text, ok] : cases)
        EXPECT_EQ(Record(text).CheckSumOK(), ok) << text;
    EXPECT_THROW(Record("12341811310010:9").CheckSumOK(), EConvertError);
    EXPECT_THROW(Record("+234181131001009").CheckSumOK(), EConvertError);
}

TEST(ContactID, IsValidText) {
    EXPECT_TRUE(TContactID::IsValidText(QString()));
    EXPECT_TRUE(TContactID::IsValidText(QStringLiteral("+12:3>")));
    EXPECT_TRUE(TContactID::IsValidText(QStringLiteral(",/0123456789ABCDEF")));
    for (const char* bad : {"12ab", "1-2", "1.2", "1 2", "G", "f"})
        EXPECT_FALSE(TContactID::IsValidText(QString::fromLatin1(bad))) << bad;
    EXPECT_FALSE(TContactID::IsValidText(QString::fromUtf8("А1"))); // Cyrillic А
}
