#include "uikit/controls/KtProgressBar.h"
#include "uikit/services/KtThemes.h"

#include "KitImage.h"

#include <gtest/gtest.h>

namespace {

struct PartsCase {
    quint32 total;
    quint32 parts;
    quint32 partsKept;
    quint16 percent;
};

class KtProgressBarParts : public testing::TestWithParam<PartsCase> {};

} // namespace

TEST_P(KtProgressBarParts, PercentFromPartsRoundedHalfToEven) {
    const PartsCase& c = GetParam();
    TKtProgressBar bar;
    bar.SetTotalParts(c.total);
    bar.SetPartsComplete(c.parts);
    EXPECT_EQ(bar.PartsComplete(), c.partsKept);
    EXPECT_EQ(bar.Percent(), c.percent);
}

INSTANTIATE_TEST_SUITE_P(Table, KtProgressBarParts,
                         testing::Values(PartsCase{7, 1, 1, 14}, PartsCase{7, 7, 7, 100},
                                         PartsCase{7, 9, 7, 100}, PartsCase{8, 1, 1, 12},
                                         PartsCase{8, 3, 3, 38}, PartsCase{31, 5, 5, 16},
                                         PartsCase{0, 5, 0, 0}));

TEST(KtProgressBar, OnChangeOncePerRealChange) {
    TKtProgressBar bar;
    std::vector<int> changes;
    QObject::connect(&bar, &TKtCustomProgressBar::OnChange, [&](TKtCustomProgressBar* sender, int percent) {
        EXPECT_EQ(sender, &bar);
        changes.push_back(percent);
    });
    bar.SetPercent(40);
    bar.SetPercent(40);
    bar.SetPartsComplete(3); // no total: nothing moves
    EXPECT_EQ(bar.Percent(), 40);
    bar.SetTotalParts(7);
    bar.SetPartsComplete(5);
    bar.SetTotalParts(31);
    EXPECT_EQ(bar.PartsComplete(), 0u);
    bar.SetTotalParts(8); // already 0 %
    EXPECT_EQ(changes, (std::vector<int>{40, 0, 71, 0}));
}

TEST(KtProgressBar, LoadingTakesTheStoredValuesAsTheyAre) {
    TKtProgressBar bar;
    bar.BeginLoading();
    bar.SetPercent(30);
    bar.SetPartsComplete(4); // clamped against the total of that moment
    bar.SetTotalParts(10);
    bar.Loaded();
    EXPECT_EQ(bar.PartsComplete(), 0u);
    EXPECT_EQ(bar.Percent(), 30);
}

TEST(KtProgressBar, BarStyleSetsTextAndRing) {
    TKtProgressBar bar;
    EXPECT_TRUE(bar.ShowPercent());
    EXPECT_EQ(bar.InteriorOffset(), 0);
    bar.SetBarStyle(bsLED);
    EXPECT_FALSE(bar.ShowPercent());
    EXPECT_EQ(bar.InteriorOffset(), 1);
    bar.SetShowPercent(true);
    bar.SetInteriorOffset(4);
    bar.SetBarStyle(bsTraditional);
    EXPECT_TRUE(bar.ShowPercent());
    EXPECT_EQ(bar.InteriorOffset(), 0);
    bar.SetShowPercent(false);
    bar.SetBarStyle(bsGradient);
    EXPECT_TRUE(bar.ShowPercent());

    // The LED painter divides by the count: it stays within 1..100.
    bar.SetNumSegments(0);
    EXPECT_EQ(bar.NumSegments(), 1);
    bar.SetNumSegments(250);
    EXPECT_EQ(bar.NumSegments(), 100);
}

TEST(KtProgressBar, HalfFullBarPixels) {
    TKtProgressBar bar; // 200 x 24, lowered frame, white back, highlight bar
    bar.SetPercent(50);
    const QImage image = bar.grab().toImage();
    // The lowered frame: shadow then dark shadow on the top left, light on the bottom right.
    EXPECT_EQ(PixelAt(image, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(image, 199, 23), ColorToRGB(clBtnHighlight));
    // Interior 196 wide from x 2: the first 98 columns filled.
    EXPECT_EQ(PixelAt(image, 2, 2), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(image, 99, 2), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(image, 100, 2), clWhite);
    EXPECT_EQ(PixelAt(image, 197, 21), clWhite);
    // The text "50%" crosses the edge: back colour on the bar, bar colour on the back.
    int textOnBar = 0, textOnBack = 0;
    for (int y = 2; y < 22; ++y) {
        for (int x = 2; x < 100; ++x)
            textOnBar += PixelAt(image, x, y) != ColorToRGB(clHighlight);
        for (int x = 100; x < 198; ++x)
            textOnBack += PixelAt(image, x, y) != clWhite;
    }
    EXPECT_GT(textOnBar, 0);
    EXPECT_GT(textOnBack, 0);
}

TEST(KtProgressBar, AboveHundredIsKeptAndDrawnFull) {
    TKtProgressBar bar;
    bar.SetShowPercent(false);
    bar.SetPercent(150);
    EXPECT_EQ(bar.Percent(), 150);
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(PixelAt(image, 197, 21), ColorToRGB(clHighlight));
}

TEST(KtProgressBar, TurnedUprightFillsFromTheBottom) {
    TKtProgressBar bar;
    EXPECT_EQ(bar.Orientation(), orHorizontal);
    bar.SetShowPercent(false);
    bar.SetPercent(50);
    bar.show(); // a hidden widget hears of its size only when shown
    bar.resize(24, 200);
    EXPECT_EQ(bar.Orientation(), orVertical);
    const QImage image = bar.grab().toImage();
    // Interior rows 2..197: the lower 98 filled.
    EXPECT_EQ(PixelAt(image, 10, 197), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(image, 10, 100), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(image, 10, 99), clWhite);
    EXPECT_EQ(PixelAt(image, 10, 2), clWhite);
    bar.resize(200, 24);
    EXPECT_EQ(bar.Orientation(), orHorizontal);
}

// With the desktop's themes the bar sits in the style's own frame: the kit frame is not drawn.
TEST(KtProgressBar, ThemedBarIgnoresTheKitFrame) {
    TKtProgressBar plain, framed;
    framed.SetBorderOuter(fsFlatBold);
    framed.SetBorderInner(fsRaised);
    framed.SetBorderColor(clRed);
    framed.SetBevelWidth(3);
    SetThemesActive(true);
    const QImage a = plain.grab().toImage();
    const QImage b = framed.grab().toImage();
    SetThemesActive(false);
    EXPECT_EQ(a, b);
    EXPECT_NE(framed.grab().toImage(), b);
}
