#include "uikit/draw/KtColors.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

std::tuple<int, int, int> HLS(TColor c) {
    std::uint8_t h, s, l;
    ColorToHLS(c, h, s, l);
    return {h, s, l};
}

} // namespace

TEST(KtColors, HueSaturationLuminanceTable) {
    EXPECT_EQ(HLS(clRed), std::make_tuple(0, 240, 120));
    EXPECT_EQ(HLS(clLime), std::make_tuple(80, 240, 120));
    EXPECT_EQ(HLS(clBlue), std::make_tuple(160, 240, 120));
    EXPECT_EQ(HLS(clGray), std::make_tuple(0, 0, 120));
    EXPECT_EQ(HLS(clBtnFace), HLS(RGB(212, 208, 200))); // system colours resolve first
    // Hue is spread over 239 steps on the way back, so green and blue come back slightly off.
    EXPECT_EQ(HLSToColor(80, 240, 120), RGB(0, 255, 2));
    EXPECT_EQ(HLSToColor(160, 240, 120), RGB(4, 0, 255));
    EXPECT_EQ(HLSToColor(0, 240, 120), clRed);
    EXPECT_EQ(HLSToColor(239, 240, 120), clRed); // sextant 6 reads as sextant 0
    EXPECT_EQ(HLSToColor(0, 0, 0), clBlack);
}

TEST(KtColors, DarkerLighterAndAdjust) {
    EXPECT_EQ(DarkerColor(clWhite, 240), clBlack);
    EXPECT_EQ(LighterColor(clGray, 255), clWhite);
    EXPECT_EQ(AdjustColor(clBtnFace, 0), clBtnFace);
    EXPECT_FALSE(IsSystemColor(AdjustColor(clBtnFace, 10)));
    EXPECT_EQ(AdjustColor(clBtnFace, -10), DarkerColor(clBtnFace, 10));
    // Amounts beyond a byte are clamped, not cut to their low byte.
    EXPECT_EQ(DarkerColor(clWhite, 300), clBlack);
    EXPECT_EQ(LighterColor(clGray, 300), clWhite);
    EXPECT_EQ(AdjustColor(clGray, -256), DarkerColor(clGray, 255));
    EXPECT_EQ(AdjustColor(clGray, -256), clBlack);
}

TEST(KtColors, BlendSimilarAndComplementary) {
    EXPECT_EQ(BlendColors(clBlack, clBtnFace, 40), RGB(179, 175, 169));
    EXPECT_EQ(BlendColors(clRed, clBlue, 255), clRed);
    EXPECT_EQ(BlendColors(clRed, clBlue, 0), clBlue);

    EXPECT_TRUE(ColorsSimilar(clBlack, RGB(63, 63, 63)));  // luminance 59 apart
    EXPECT_FALSE(ColorsSimilar(clBlack, RGB(64, 64, 64))); // 60 apart
    EXPECT_TRUE(ColorsSimilar(clRed, RGB(255, 121, 0)));   // hue 19 apart
    EXPECT_FALSE(ColorsSimilar(clRed, RGB(255, 128, 0)));  // 20 apart
    EXPECT_TRUE(ColorsSimilar(clRed, RGB(191, 64, 64)));   // saturation differs only

    const struct {
        TColor color;
        int hue, opposite;
    } cases[] = {{clLime, 80, 200}, {RGB(0, 255, 249), 119, 239}, {clAqua, 120, 0}, {clBlue, 160, 40}};
    for (const auto& c : cases) {
        ASSERT_EQ(ColorHue(c.color), c.hue);
        EXPECT_EQ(ComplementaryColor(c.color, 90), HLSToColor(std::uint8_t(c.opposite), 240, 90)) << c.hue;
    }
}
