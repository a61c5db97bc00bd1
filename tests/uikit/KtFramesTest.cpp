#include "uikit/draw/KtFrames.h"
#include "uikit/draw/KtBorder.h"
#include "uikit/draw/KtColors.h"

#include "KitImage.h"

#include <gtest/gtest.h>

using Rows = std::vector<std::string>;

namespace {

// Only the ring between the rectangle's outline and the interior may change.
void ExpectDrawnOnlyBetween(const QImage& image, const TRect& outer, const TRect& interior) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inOuter = x >= outer.Left && x < outer.Right && y >= outer.Top && y < outer.Bottom;
            const bool inInterior =
                x >= interior.Left && x < interior.Right && y >= interior.Top && y < interior.Bottom;
            if (!inOuter || inInterior)
                EXPECT_EQ(PixelAt(image, x, y), kSentinel) << x << "," << y;
            else
                EXPECT_NE(PixelAt(image, x, y), kSentinel) << x << "," << y;
        }
}

} // namespace

TEST(KtFrames, EveryStyleShrinksByItsWidthAndStaysInside) {
    const struct {
        TFrameStyle style;
        int width;
    } cases[] = {{fsNone, 0},    {fsFlat, 1},       {fsGroove, 2},  {fsBump, 2},
                 {fsLowered, 2}, {fsButtonDown, 2}, {fsRaised, 2},  {fsButtonUp, 2},
                 {fsStatus, 1},  {fsPopup, 1},      {fsFlatBold, 2}};
    const TRect r{1, 1, 11, 9};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        QImage plain = SentinelImage(12, 10), tinted = SentinelImage(12, 10);
        TCanvas canvas(plain), tintedCanvas(tinted);
        const TRect expected{r.Left + c.width, r.Top + c.width, r.Right - c.width, r.Bottom - c.width};
        EXPECT_EQ(DrawBorderAll(canvas, r, c.style), expected);
        EXPECT_EQ(DrawColorBorderAll(tintedCanvas, r, clTeal, c.style), expected);
        ExpectDrawnOnlyBetween(plain, r, expected);
        ExpectDrawnOnlyBetween(tinted, r, expected);
    }
}

TEST(KtFrames, SidesOwnCornersAndSkipWhatIsLeftOut) {
    QImage image = SentinelImage(4, 3);
    TCanvas canvas(image);
    EXPECT_EQ(DrawSides(canvas, {0, 0, 4, 3}, clRed, clBlue, AllSides), (TRect{1, 1, 3, 2}));
    EXPECT_EQ(Picture(image, {{clRed, 'r'}, {clBlue, 'b'}}), (Rows{"rrrb", "r..b", "bbbb"}));

    QImage empty = SentinelImage(4, 3);
    TCanvas emptyCanvas(empty);
    EXPECT_EQ(DrawSides(emptyCanvas, {0, 0, 4, 3}, clRed, clBlue, {}), (TRect{0, 0, 4, 3}));
    EXPECT_EQ(DrawSides(emptyCanvas, {0, 0, 4, 3}, clNone, clNone, {sdLeft, sdTop}), (TRect{1, 1, 4, 3}));
    EXPECT_EQ(Picture(empty, {}), (Rows{"....", "....", "...."}));
}

TEST(KtFrames, EtchedRoundedAndFocusPictures) {
    QImage groove = SentinelImage(5, 4);
    TCanvas grooveCanvas(groove);
    DrawBorderAll(grooveCanvas, {0, 0, 5, 4}, fsGroove);
    EXPECT_EQ(Picture(groove, {{clBtnShadow, 's'}, {clBtnHighlight, 'h'}}),
              (Rows{"ssssh", "shhsh", "ssssh", "hhhhh"}));

    QImage rounded = SentinelImage(6, 5);
    TCanvas roundedCanvas(rounded);
    EXPECT_EQ(DrawRoundedFlatBorder(roundedCanvas, {0, 0, 6, 5}, clNavy, {sdLeft, sdTop, sdRight}),
              (TRect{2, 2, 4, 5}));
    EXPECT_EQ(Picture(rounded, {{clNavy, 'n'}}), (Rows{"..nn..", ".n..n.", "n....n", "n....n", "n....n"}));

    QImage focus = SentinelImage(6, 5);
    TCanvas focusCanvas(focus);
    EXPECT_EQ(DrawFocusBorder(focusCanvas, {0, 0, 6, 5}), (TRect{1, 1, 5, 4}));
    EXPECT_EQ(Picture(focus, {{clBlack, 'k'}}), (Rows{".k.k..", "k....k", "......", "k....k", ".k.k.."}));
}

TEST(KtBorder, BandAndFramesShrinkOnTheGivenSides) {
    QImage image = SentinelImage(12, 12);
    TCanvas canvas(image);
    const TSides sides{sdLeft, sdTop};
    EXPECT_EQ(DrawBorder(canvas, {0, 0, 12, 12}, fsLowered, fsNone, 2, sides, 1, clYellow, clWhite, clGray,
                         clBlack, 0, clBtnFace, clBtnFace, false, false),
              (TRect{4, 4, 12, 12}));
    EXPECT_EQ(PixelAt(image, 2, 5), clYellow);
    EXPECT_EQ(PixelAt(image, 11, 11), kSentinel);
}

TEST(KtBorder, OpenInnerCornersFrameAllFourSidesWithoutCorners) {
    QImage image = SentinelImage(6, 5);
    TCanvas canvas(image);
    EXPECT_EQ(DrawBorder(canvas, {0, 0, 6, 5}, fsNone, fsFlat, 0, {sdLeft}, 1, clNone, clWhite, clGray,
                         clGreen, 0, clBtnFace, clBtnFace, false, true),
              (TRect{1, 1, 5, 4}));
    EXPECT_EQ(Picture(image, {{clGreen, 'g'}}), (Rows{".gggg.", "g....g", "g....g", "g....g", ".gggg."}));
}

TEST(KtBorder, FlatColourIsAdjustedAndRoundedCornersTakeTheParentColour) {
    QImage image = SentinelImage(6, 6);
    TCanvas canvas(image);
    EXPECT_EQ(DrawBorder(canvas, {0, 0, 6, 6}, fsFlatRounded, fsNone, 0, AllSides, 1, clYellow, clWhite,
                         clGray, clGray, -40, clAqua, clFuchsia, false, false),
              (TRect{2, 2, 4, 4}));
    const TColor line = DarkerColor(clGray, 40);
    EXPECT_EQ(Picture(image, {{line, 'd'}, {clFuchsia, 'p'}, {clAqua, 'a'}}),
              (Rows{"ppddpp", "pdaadp", "da..ad", "da..ad", "pdaadp", "ppddpp"}));
}
