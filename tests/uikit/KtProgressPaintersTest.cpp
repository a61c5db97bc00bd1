#include "uikit/draw/KtProgressPainters.h"
#include "uikit/services/KtThemes.h"

#include "KitImage.h"

#include <gtest/gtest.h>

using Rows = std::vector<std::string>;

namespace {

// A bar drawn one pixel inside a sentinel image, so drawing outside it shows.
template <class Draw> QImage Bar(int w, int h, Draw draw) {
    QImage image = SentinelImage(w + 2, h + 2);
    TCanvas canvas(image);
    draw(canvas, TRect{1, 1, 1 + w, 1 + h});
    return image;
}

Rows Inner(const QImage& image, std::initializer_list<std::pair<TColor, char>> legend) {
    Rows rows = Picture(image, legend);
    for (int y = 0; y < int(rows.size()); ++y) {
        const std::string frame(rows[y].size(), '.');
        if (y == 0 || y == int(rows.size()) - 1) {
            EXPECT_EQ(rows[y], frame) << "drawn outside the bar";
        } else {
            EXPECT_EQ(rows[y].front(), '.') << "drawn outside the bar";
            EXPECT_EQ(rows[y].back(), '.') << "drawn outside the bar";
        }
    }
    rows.erase(rows.begin());
    rows.pop_back();
    for (auto& row : rows)
        row = row.substr(1, row.size() - 2);
    return rows;
}

} // namespace

TEST(KtPercentBar, FillsItsShareRoundedAndNeverMoreThanTheBar) {
    const auto percentBar = [](TOrientation o, std::uint16_t percent, bool transparent = false) {
        return [=](TCanvas& c, const TRect& r) {
            DrawPercentBar(c, r, o, clRed, clWhite, percent, false, transparent);
        };
    };
    EXPECT_EQ(Inner(Bar(10, 2, percentBar(orHorizontal, 25)), {{clRed, 'r'}, {clWhite, 'w'}}),
              (Rows{"rrwwwwwwww", "rrwwwwwwww"}));
    EXPECT_EQ(Inner(Bar(10, 2, percentBar(orHorizontal, 150)), {{clRed, 'r'}}),
              (Rows{"rrrrrrrrrr", "rrrrrrrrrr"}));
    EXPECT_EQ(Inner(Bar(10, 2, percentBar(orHorizontal, 0, true)), {}), (Rows{"..........", ".........."}));
    EXPECT_EQ(Inner(Bar(2, 5, percentBar(orVertical, 40)), {{clRed, 'r'}, {clWhite, 'w'}}),
              (Rows{"ww", "ww", "ww", "rr", "rr"}));
}

TEST(KtPercentBar, TextShowsInTheBackColourOverTheFill) {
    const QImage image = Bar(60, 20, [](TCanvas& c, const TRect& r) {
        DrawPercentBar(c, r, orHorizontal, clNavy, clYellow, 100, true, false);
    });
    EXPECT_GT(Count(image, clYellow), 5);
}

TEST(KtLEDBar, SegmentsArePixelExact) {
    const auto led = [](TOrientation o, std::uint16_t percent, bool transparent, int segments = 3) {
        return [=](TCanvas& c, const TRect& r) {
            DrawLEDBar(c, r, o, clRed, clWhite, segments, percent, false, transparent);
        };
    };
    const std::initializer_list<std::pair<TColor, char>> legend{{clRed, 'r'}, {clWhite, 'w'}};
    // 14 pixels in 3 segments of 4 with a margin of 1; 50 % lights one.
    EXPECT_EQ(Inner(Bar(14, 4, led(orHorizontal, 50, false)), legend),
              (Rows{"wwwwwwwwwwwwww", "wwrrwwwwwwwwww", "wwrrwwwwwwwwww", "wwwwwwwwwwwwww"}));
    EXPECT_EQ(Inner(Bar(14, 2, led(orHorizontal, 50, true)), legend),
              (Rows{".rrrr.........", ".rrrr........."}));
    // Over 100 % every segment is lit, and none past the last.
    EXPECT_EQ(Inner(Bar(14, 4, led(orHorizontal, 150, false)), legend),
              (Rows{"wwwwwwwwwwwwww", "wwrrwwrrwwrrww", "wwrrwwrrwwrrww", "wwwwwwwwwwwwww"}));
    EXPECT_EQ(Inner(Bar(3, 9, led(orVertical, 40, false)), legend),
              (Rows{"www", "www", "www", "www", "www", "www", "www", "wrw", "www"}));
    EXPECT_EQ(Inner(Bar(6, 3, led(orHorizontal, 50, false, 0)), legend),
              (Rows{"......", "......", "......"}));
    // A short bar shows at most ten segments: 60 pixels give ten of 6.
    const Rows row = Inner(Bar(60, 3, led(orHorizontal, 100, false, 20)), legend);
    EXPECT_EQ(row[1], "wrrrrw"
                      "wrrrrw"
                      "wrrrrw"
                      "wrrrrw"
                      "wrrrrw"
                      "wrrrrw"
                      "wrrrrw"
                      "wrrrrw"
                      "wrrrrw"
                      "wrrrrw");
}

TEST(KtGradientBar, FillsItsShareAndSurvivesAThinCentreGradient) {
    const QImage image = Bar(10, 2, [](TCanvas& c, const TRect& r) {
        DrawGradientBar(c, r, orHorizontal, clRed, clRed, clWhite, clWhite, gdHorizontalCenter, 25, false,
                        false);
    });
    EXPECT_EQ(Inner(image, {{clRed, 'r'}, {clWhite, 'w'}}), (Rows{"rrwwwwwwww", "rrwwwwwwww"}));
    const QImage thin = Bar(10, 1, [](TCanvas& c, const TRect& r) {
        DrawGradientBar(c, r, orHorizontal, clRed, clBlue, clWhite, clBlack, gdHorizontalCenter, 50, false,
                        true);
    });
    EXPECT_EQ(Inner(thin, {{clRed, 'r'}}), (Rows{"rrrrr....."}));
}

TEST(KtLEDBar, ThemedChunkFillsItsShareInsideTheFrame) {
    SetThemesActive(true);
    const auto themed = [](TOrientation o) {
        return [o](TCanvas& c, const TRect& r) { DrawLEDBar(c, r, o, clRed, clWhite, 5, 150, true, false); };
    };
    // 150 % shows as full: the chunk covers the bar inside its one-pixel frame, nothing more.
    const QImage horizontal = Bar(12, 6, themed(orHorizontal));
    for (int x = 1; x <= 12; ++x) {
        EXPECT_EQ(PixelAt(horizontal, x, 1), kSentinel) << x;
        EXPECT_EQ(PixelAt(horizontal, x, 3) != kSentinel, x > 1 && x < 12) << x;
    }
    const QImage half = Bar(6, 12, [](TCanvas& c, const TRect& r) {
        DrawLEDBar(c, r, orVertical, clRed, clWhite, 5, 50, true, false);
    });
    SetThemesActive(false);
    for (int y = 2; y <= 11; ++y)
        EXPECT_EQ(PixelAt(half, 3, y) != kSentinel, y > 6) << y; // from the bottom
}
