#include "uikit/draw/KtGroupBar.h"
#include "uikit/draw/KtColors.h"
#include "uikit/services/KtGlobals.h"
#include "uikit/services/KtThemes.h"

#include "KitImage.h"

#include <gtest/gtest.h>

namespace {

QImage GroupBar(TKtVisualStyle style, TKtGradientColorStyle colors, bool reversed) {
    QImage image = SentinelImage(6, 10);
    TCanvas canvas(image);
    DrawGroupBarBackground(canvas, {0, 0, 6, 10}, style, colors, reversed, clRed, clBlue);
    return image;
}

} // namespace

TEST(KtGroupBar, GradientFromTheColourStyleTopToBottom) {
    const TColor start = BlendColors(clBlack, clBtnFace, 40), stop = BlendColors(clBlack, clBtnFace, 80);
    const QImage system = GroupBar(vsGradient, gcsSystem, false);
    EXPECT_EQ(PixelAt(system, 3, 9), stop);
    EXPECT_LE(std::abs(GetRValue(PixelAt(system, 3, 0)) - GetRValue(start)), 4);
    EXPECT_EQ(PixelAt(GroupBar(vsWinXP, gcsCustom, true), 0, 9), clRed); // no themes: gradient too
    EXPECT_EQ(PixelAt(GroupBar(vsClassic, gcsCustom, false), 0, 0), kSentinel);

    TrueColorDisplay = false;
    const QImage few = GroupBar(vsGradient, gcsCustom, false);
    TrueColorDisplay = true;
    EXPECT_EQ(PixelAt(few, 0, 0), kSentinel);
}

TEST(KtGroupBar, ThemedBarDrawsTheStylesFaceInsteadOfTheGradient) {
    SetThemesActive(true);
    const QImage themed = GroupBar(vsWinXP, gcsCustom, false);
    SetThemesActive(false);
    EXPECT_NE(PixelAt(themed, 3, 5), kSentinel);
    EXPECT_NE(PixelAt(themed, 0, 9), clBlue);
}
