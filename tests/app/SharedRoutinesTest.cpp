#include "app/routines/DelayWithProgress.h"
#include "app/routines/DurationText.h"
#include "app/routines/HexWordToBits.h"
#include "platform/Clock.h"
#include "uikit/controls/KtProgressBar.h"

#include <gtest/gtest.h>

TEST(SharedRoutines, HexWordToBits) {
    const struct {
        const char16_t* input;
        bool result;
        const char16_t* text; // S afterwards
    } cases[] = {
        {u"00A1", true, u"0000000010100001"},
        {u"  ffff \t", true, u"1111111111111111"},
        {u"8001", true, u"1000000000000001"},
        {u"1234", true, u"0001001000110100"},
        {u"\r\nc3a5 junk", true, u"1100001110100101"}, // the rest is dropped
        {u"12g4", false, u"12G4"},
        {u" 12 ", false, u"12"},
        {u"", false, u""},
        {u"12 4", false, u"12 4"},
        {u"ыыыы", false, u"ыыыы"}, // only a-z change case
        {u"-001", false, u"-001"},
    };
    for (const auto& c : cases) {
        QString s = QString::fromUtf16(c.input);
        SCOPED_TRACE(s.toStdString());
        EXPECT_EQ(HexWordToBits(s), c.result);
        EXPECT_EQ(s, QString::fromUtf16(c.text));
    }
}

TEST(SharedRoutines, DurationText) {
    const std::pair<quint32, const char16_t*> cases[] = {
        {0, u"0 сек "},
        {59, u"59 сек "},
        {60, u"1 мин 0 сек "},
        {3599, u"59 мин 59 сек "},
        {3600, u"1 ч 0 мин 0 сек "},
        {3725, u"1 ч 2 мин 5 сек "},
        {86399, u"23 ч 59 мин 59 сек "},
        {86400, u"1 сут 0 ч 0 мин 0 сек "},
        {90061, u"1 сут 1 ч 1 мин 1 сек "},
        {4294967295u, u"49710 сут 6 ч 28 мин 15 сек "},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(DurationText(seconds), QString::fromUtf16(text)) << seconds;
}

TEST(SharedRoutines, DelayWithProgressMovesTheBarOnePartPerStep) {
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
