#include "uikit/draw/KtGradient.h"
#include "uikit/services/KtGlobals.h"

#include "KitImage.h"

#include <gtest/gtest.h>

namespace {

constexpr TGradientDirection kAllDirections[] = {
    gdDiagonalUp,  gdDiagonalDown,   gdHorizontalEnd, gdHorizontalCenter, gdHorizontalBox,
    gdVerticalEnd, gdVerticalCenter, gdVerticalBox,   gdSquareBox,        gdBigSquareBox};

QImage Gradient(int w, int h, TGradientDirection direction, TColor a, TColor b) {
    QImage image = SentinelImage(w + 2, h + 2);
    TCanvas canvas(image);
    PaintGradient(canvas, {1, 1, 1 + w, 1 + h}, direction, a, b, 1);
    return image;
}

// Every pixel of the rectangle painted, nothing around it.
void ExpectFilledExactly(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x > 0 && y > 0 && x < image.width() - 1 && y < image.height() - 1;
            EXPECT_EQ(PixelAt(image, x, y) == kSentinel, !inside) << x << "," << y;
        }
}

// Each channel of c lies between those of a and b.
bool Between(TColor c, TColor a, TColor b) {
    for (int shift : {0, 8, 16}) {
        const int v = (c >> shift) & 0xFF, lo = std::min((a >> shift) & 0xFF, (b >> shift) & 0xFF),
                  hi = std::max((a >> shift) & 0xFF, (b >> shift) & 0xFF);
        if (v < lo || v > hi) return false;
    }
    return true;
}

} // namespace

TEST(KtGradient, EqualColoursFillPlainlyAndEveryDirectionStaysInside) {
    const TColor a = RGB(0, 100, 200), b = RGB(255, 0, 50);
    for (TGradientDirection d : kAllDirections) {
        SCOPED_TRACE(d);
        const QImage plain = Gradient(11, 7, d, clBtnFace, clBtnFace);
        ExpectFilledExactly(plain);
        for (int y = 1; y <= 7; ++y)
            for (int x = 1; x <= 11; ++x)
                ASSERT_EQ(PixelAt(plain, x, y), ColorToRGB(clBtnFace));
        // No colour outside the two ends.
        const QImage mixed = Gradient(20, 12, d, a, b);
        ExpectFilledExactly(mixed);
        for (int y = 1; y <= 12; ++y)
            for (int x = 1; x <= 20; ++x)
                ASSERT_TRUE(Between(PixelAt(mixed, x, y), a, b)) << x << "," << y;
    }
}

TEST(KtGradient, EndDirectionsEndOnTheirColoursInMonotoneSteps) {
    const TColor a = RGB(10, 200, 0), b = RGB(250, 20, 90);
    const QImage rows = Gradient(21, 30, gdHorizontalEnd, a, b);
    EXPECT_EQ(PixelAt(rows, 1, 30), b);
    EXPECT_LE(std::abs(GetRValue(PixelAt(rows, 1, 1)) - GetRValue(a)), 8); // one step is 240 / 30
    for (int y = 1; y <= 30; ++y) {
        for (int x = 2; x <= 21; ++x) // the strip is copied across the whole width
            ASSERT_EQ(PixelAt(rows, x, y), PixelAt(rows, 1, y));
        if (y > 1) {
            EXPECT_GE(GetRValue(PixelAt(rows, 1, y)), GetRValue(PixelAt(rows, 1, y - 1)));
        }
    }
    const QImage columns = Gradient(30, 19, gdVerticalEnd, a, b);
    EXPECT_EQ(PixelAt(columns, 30, 1), b);
    for (int x = 2; x <= 30; ++x)
        EXPECT_LE(GetGValue(PixelAt(columns, x, 19)), GetGValue(PixelAt(columns, x - 1, 19)));
}

TEST(KtGradient, CenterDirectionsPeakInTheMiddleAndSurviveOneAndTwoPixels) {
    const QImage rows = Gradient(5, 9, gdHorizontalCenter, clBlack, clWhite);
    // Rows 0..4 climb in 5 steps, rows 5..8 come back in 4, starting from white.
    const int expected[] = {0, 51, 102, 153, 204, 255, 191, 127, 63};
    for (int y = 0; y < 9; ++y)
        EXPECT_EQ(PixelAt(rows, 1, 1 + y), RGB(expected[y], expected[y], expected[y])) << y;
    for (int size : {1, 2}) {
        SCOPED_TRACE(size);
        const QImage thinRows = Gradient(12, size, gdHorizontalCenter, clRed, clBlue);
        ExpectFilledExactly(thinRows);
        EXPECT_EQ(PixelAt(thinRows, 1, 1), clRed);
        const QImage thinColumns = Gradient(size, 12, gdVerticalCenter, clRed, clBlue);
        ExpectFilledExactly(thinColumns);
        EXPECT_EQ(PixelAt(thinColumns, 1, 1), clRed);
    }
}

TEST(KtGradient, BoxesAreMirroredAroundTheirMiddle) {
    for (TGradientDirection d : {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox}) {
        SCOPED_TRACE(d);
        // Halves 4 wide mirror without stretching.
        const QImage box = Gradient(9, 9, d, clBlack, clWhite);
        for (int y = 1; y <= 9; ++y) {
            EXPECT_EQ(PixelAt(box, 1, y), PixelAt(box, 1, 10 - y)) << y;
            for (int x = 1; x <= 9; ++x)
                ASSERT_EQ(PixelAt(box, x, y), PixelAt(box, 10 - x, y)) << x << "," << y;
        }
        EXPECT_EQ(PixelAt(box, 5, 5), clWhite);
        for (int i = 1; i < 5; ++i)
            EXPECT_LE(GetRValue(PixelAt(box, i, i)), GetRValue(PixelAt(box, i + 1, i + 1)));
        EXPECT_LT(GetRValue(PixelAt(box, 1, 1)), 255 / 2);
    }
    // Too small to step: plain colorA.
    const QImage tiny = Gradient(4, 9, gdSquareBox, clBlack, clWhite);
    EXPECT_EQ(PixelAt(tiny, 2, 5), clBlack);
}

TEST(KtGradient, DiagonalsRunFromCornerToCorner) {
    const QImage up = Gradient(20, 12, gdDiagonalUp, clBlack, clWhite);
    EXPECT_LE(GetRValue(PixelAt(up, 1, 12)), 16);
    EXPECT_GE(GetRValue(PixelAt(up, 20, 1)), 239);
    EXPECT_LT(GetRValue(PixelAt(up, 5, 8)), GetRValue(PixelAt(up, 15, 4)));
    const QImage down = Gradient(20, 12, gdDiagonalDown, clBlack, clWhite);
    EXPECT_LE(GetRValue(PixelAt(down, 1, 1)), 16);
    EXPECT_GE(GetRValue(PixelAt(down, 20, 12)), 239);
}

TEST(KtGradient, FrameIsATwoPixelRingOnTrueColourDisplays) {
    QImage image = SentinelImage(8, 8);
    TCanvas canvas(image);
    PaintGradientFrame(canvas, {0, 0, 8, 8}, gdHorizontalEnd, clNavy, clNavy);
    EXPECT_EQ(PixelAt(image, 1, 1), clNavy);
    EXPECT_EQ(PixelAt(image, 2, 2), kSentinel);
    EXPECT_EQ(PixelAt(image, 5, 5), kSentinel);
    canvas.Brush.Color = clRed; // the clip is gone afterwards
    canvas.FillRect({3, 3, 4, 4});
    EXPECT_EQ(PixelAt(image, 3, 3), clRed);

    TrueColorDisplay = false;
    QImage few = SentinelImage(8, 8);
    TCanvas fewCanvas(few);
    PaintGradientFrame(fewCanvas, {0, 0, 8, 8}, gdHorizontalEnd, clNavy, clNavy);
    TrueColorDisplay = true;
    EXPECT_EQ(PixelAt(few, 0, 0), kSentinel);
}
