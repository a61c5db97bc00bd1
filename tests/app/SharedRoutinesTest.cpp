#include "app/DelayWithProgress.h"
#include "app/DurationText.h"
#include "app/HexWordToBits.h"
#include "platform/Clock.h"
#include "uikit/KtProgressBar.h"

#include <gtest/gtest.h>

namespace {

struct HexWordCase {
    const char16_t* input;
    bool result;
    const char16_t* text; // S afterwards
};

class HexWordToBitsTest : public ::testing::TestWithParam<HexWordCase> {};

struct DurationCase {
    quint32 seconds;
    const char16_t* text;
};

class DurationTextTest : public ::testing::TestWithParam<DurationCase> {};

} // namespace

TEST_P(HexWordToBitsTest, Table) {
    const HexWordCase& c = GetParam();
    QString s = QString::fromUtf16(c.input);
    EXPECT_EQ(HexWordToBits(s), c.result);
    EXPECT_EQ(s, QString::fromUtf16(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HexWordToBitsTest,
    ::testing::Values(HexWordCase{u"00A1", true, u"0000000010100001"},
                      HexWordCase{u"  ffff \t", true, u"1111111111111111"},
                      HexWordCase{u"8001", true, u"1000000000000001"},
                      HexWordCase{u"1234", true, u"0001001000110100"},
                      HexWordCase{u"\r\nc3a5 junk", true, u"1100001110100101"}, // the rest is dropped
                      HexWordCase{u"12g4", false, u"12G4"},
                      HexWordCase{u" 12 ", false, u"12"},
                      HexWordCase{u"", false, u""},
                      HexWordCase{u"12 4", false, u"12 4"},
                      HexWordCase{u"ыыыы", false, u"ыыыы"}, // only a-z change case
                      HexWordCase{u"-001", false, u"-001"}));

TEST_P(DurationTextTest, Table) {
    EXPECT_EQ(DurationText(GetParam().seconds), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, DurationTextTest,
                         ::testing::Values(DurationCase{0, u"0 сек "}, DurationCase{59, u"59 сек "},
                                           DurationCase{60, u"1 мин 0 сек "},
                                           DurationCase{3599, u"59 мин 59 сек "},
                                           DurationCase{3600, u"1 ч 0 мин 0 сек "},
                                           DurationCase{3725, u"1 ч 2 мин 5 сек "},
                                           DurationCase{86399, u"23 ч 59 мин 59 сек "},
                                           DurationCase{86400, u"1 сут 0 ч 0 мин 0 сек "},
                                           DurationCase{90061, u"1 сут 1 ч 1 мин 1 сек "},
                                           DurationCase{4294967295u, u"49710 сут 6 ч 28 мин 15 сек "}));

TEST(DelayWithProgressTest, MovesTheBarOnePartPerStep) {
    TKtProgressBar bar;
    bar.SetTotalParts(100);
    bar.SetPartsComplete(3);
    const qint64 start = Clock::NowMs();
    DelayWithProgress(300, bar, 30);
    const qint64 elapsed = Clock::NowMs() - start;
    // About ten steps: never more than the time allows, and a busy machine loses only a few.
    EXPECT_GT(elapsed, 300);
    EXPECT_GE(bar.PartsComplete(), 3u + 5u);
    EXPECT_LE(bar.PartsComplete(), 3u + quint32(elapsed / 30));
    EXPECT_EQ(bar.Percent(), bar.PartsComplete());
}
