#include "uikit/KtProgressBar.h"

#include <QProgressBar>
#include <gtest/gtest.h>

TEST(KtProgressBar, DefaultsAndPartsWithoutATotal) {
    TKtProgressBar bar;
    EXPECT_EQ(bar.TotalParts(), 0u);
    EXPECT_EQ(bar.PartsComplete(), 0u);
    EXPECT_EQ(bar.Percent(), 0);
    EXPECT_EQ(bar.size(), QSize(200, 24));
    bar.SetPercent(40);
    bar.SetPartsComplete(5);
    EXPECT_EQ(bar.PartsComplete(), 0u);
    EXPECT_EQ(bar.Percent(), 40);
}

TEST(KtProgressBar, PercentFromPartsRoundedAndClamped) {
    TKtProgressBar bar;
    bar.SetTotalParts(7);
    bar.SetPartsComplete(1);
    EXPECT_EQ(bar.Percent(), 14);
    bar.SetPartsComplete(7);
    EXPECT_EQ(bar.Percent(), 100);
    bar.SetPartsComplete(9);
    EXPECT_EQ(bar.PartsComplete(), 7u);
    EXPECT_EQ(bar.Percent(), 100);

    bar.SetTotalParts(31);
    EXPECT_EQ(bar.PartsComplete(), 0u);
    EXPECT_EQ(bar.Percent(), 0);
    bar.SetPartsComplete(5);
    EXPECT_EQ(bar.Percent(), 16); // 16.13

    bar.SetTotalParts(8);
    bar.SetPartsComplete(1);
    EXPECT_EQ(bar.Percent(), 12); // 12.5: halves go to the even neighbour
}

TEST(KtProgressBar, ShowsThePercent) {
    TKtProgressBar bar;
    auto* shown = bar.findChild<QProgressBar*>();
    ASSERT_NE(shown, nullptr);
    bar.SetPercent(37);
    EXPECT_EQ(shown->value(), 37);
    EXPECT_EQ(shown->text(), QStringLiteral("37%"));
    bar.SetPercent(150);
    EXPECT_EQ(shown->value(), 100);
    EXPECT_EQ(shown->text(), QStringLiteral("150%"));
}
