#include "uikit/controls/KtLEDDisplay.h"
#include "KitImage.h"
#include "uikit/controls/KtLEDFont.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// The dialling dialog's display.
struct DialDisplay : TKtLEDDisplay {
    DialDisplay() {
        setGeometry(30, 43, 243, 30);
        show();
    }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(&ScrollTimer(), "timeout");
    }
};

// Lit ('X') and unlit ('.') dots of the cell at column `cell`, read at the middle of each dot.
std::vector<std::string> Dots(const QImage& image, int cell, TColor on, TColor off) {
    std::vector<std::string> rows;
    for (int row = 0; row < 7; ++row) {
        std::string line;
        for (int column = 0; column < 6; ++column) {
            // Client area at (1, 1), cells 3 pixels below its top, dots every 3 pixels.
            const TColor c = PixelAt(image, 1 + cell * 18 + column * 3 + 1, 1 + 3 + row * 3 + 1);
            line += c == on ? 'X' : c == off ? '.' : '?';
        }
        rows.push_back(line);
    }
    return rows;
}

} // namespace

TEST(KtLEDDisplay, DefaultsAndDotMetricsFollowTheClientHeight) {
    TKtLEDDisplay display;
    EXPECT_EQ(display.size(), QSize(100, 30));
    EXPECT_EQ(display.BorderOuter(), fsStatus);
    EXPECT_EQ(display.ScrollType(), stRightToLeft);
    EXPECT_EQ(display.ScrollDelay(), 100);
    EXPECT_EQ(display.SegOffColor(), RGB(0, 0x33, 0));
    EXPECT_FALSE(display.ScrollTimer().isActive());

    display.show();
    EXPECT_EQ(display.ClientRect(), (TRect{1, 1, 99, 29}));
    EXPECT_EQ(display.DotSize(), 3);
    EXPECT_EQ(display.DotSpacing(), 0);
    display.resize(100, 82);
    EXPECT_EQ(display.DotSize(), 10);
    EXPECT_EQ(display.DotSpacing(), 1);
    display.resize(100, 17); // client 15
    EXPECT_EQ(display.DotSize(), 1);
    display.SetBorderWidth(2); // the frame setters work the metrics out again: client 11
    EXPECT_EQ(display.DotSize(), 1);
    display.SetBorderWidth(0);
    display.resize(100, 40);
    EXPECT_EQ(display.DotSize(), 5);
    display.SetBevelWidth(3);
    EXPECT_EQ(display.DotSize(), 4);
}

TEST(KtLEDDisplay, DrawsTheSlashedZeroAndBlocksForControlCharacters) {
    DialDisplay display;
    display.SetCaption(QStringLiteral("0\x01"));
    QImage image = SentinelImage(243, 30);
    display.render(&image);
    const TColor on = clLime, off = RGB(0, 0x33, 0);
    EXPECT_EQ(Dots(image, 0, on, off), (std::vector<std::string>{".XXX..", "X...X.", "X..XX.", "X.X.X.",
                                                                 "XX..X.", "X...X.", ".XXX.."}));
    EXPECT_EQ(Dots(image, 1, on, off), (std::vector<std::string>{"......", ".XXX..", ".XXX..", ".XXX..",
                                                                 ".XXX..", ".XXX..", "......"}));
    EXPECT_EQ(Dots(image, 2, on, off)[3], "......"); // background cells are unlit
    // Dot outlines and the band above the cells are the back colour, the frame is the status bevel.
    EXPECT_EQ(PixelAt(image, 1, 4), clBlack);
    EXPECT_EQ(PixelAt(image, 5, 2), clBlack);
    EXPECT_EQ(PixelAt(image, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 242, 29), ColorToRGB(clBtnHighlight));

    display.SetAlignment(Qt::AlignRight); // the last character ends at the right edge
    display.render(&image);
    EXPECT_EQ(PixelAt(image, 1 + 241 - 18 + 1 * 3 + 1, 1 + 3 + 1 * 3 + 1), on);
    EXPECT_EQ(PixelAt(image, 1 + 241 - 36 + 1 * 3 + 1, 1 + 3 + 0 * 3 + 1), on);
}

TEST(KtLEDDisplay, ScrollPassesAndTheTimerOnlyWhileScrolling) {
    DialDisplay display;
    QSignalSpy completed(&display, &TKtLEDDisplay::OnScrollComplete);
    display.SetScrollType(stNone);
    display.SetScrolling(true);
    EXPECT_FALSE(display.ScrollTimer().isActive());
    display.SetScrollType(stLeftToRight);
    EXPECT_TRUE(display.ScrollTimer().isActive());
    display.SetScrollDelay(0);
    EXPECT_FALSE(display.ScrollTimer().isActive());
    display.SetScrollDelay(50);
    EXPECT_TRUE(display.ScrollTimer().isActive());
    EXPECT_EQ(display.ScrollTimer().interval(), 50);

    // An empty caption: a pass is the display's width in dot columns.
    display.Tick(80);
    EXPECT_EQ(completed.count(), 0);
    display.Tick();
    EXPECT_EQ(completed.count(), 1);

    // A new caption keeps the position; its length counts for the end of the pass.
    display.Tick(40);
    display.SetCaption(QStringLiteral("12")); // 2 cells of 18 pixels: 93 ticks a pass
    display.Tick(52);
    EXPECT_EQ(completed.count(), 1);
    display.Tick();
    EXPECT_EQ(completed.count(), 2);

    // Switching scrolling off and on starts the pass again.
    display.Tick(10);
    display.SetScrolling(false);
    EXPECT_FALSE(display.ScrollTimer().isActive());
    display.Tick(200);
    EXPECT_EQ(completed.count(), 2);
    display.SetScrolling(true);
    display.Tick(92);
    EXPECT_EQ(completed.count(), 2);
    display.Tick();
    EXPECT_EQ(completed.count(), 3);
}

TEST(KtLEDDisplay, RightToLeftTextEntersAtTheRightEdge) {
    DialDisplay display;
    display.SetCaption(QStringLiteral("1"));
    display.SetScrolling(true);
    display.Tick(1); // one dot column in: the first column of the "1" (blank) is in view
    QImage image = SentinelImage(243, 30);
    display.render(&image);
    // 241 pixels hold 80 whole columns; the text starts at column 80 - 1.
    const int left = 1 + 79 * 3;
    EXPECT_EQ(PixelAt(image, left + 1, 1 + 3 + 1), RGB(0, 0x33, 0));
    display.Tick(1); // column 1 of the "1" (rows 1 and 6 lit) moves to where column 0 was
    display.render(&image);
    EXPECT_EQ(PixelAt(image, left + 1, 1 + 3 + 1 * 3 + 1), clLime);
    EXPECT_EQ(PixelAt(image, left + 1, 1 + 3 + 2 * 3 + 1), RGB(0, 0x33, 0));
}

// The shapes themselves are drawn and checked above; here what holds for the whole table: the
// lowest dot row (bit 0) stays free, every printable code shows something, the space and the
// codes without a glyph of their own show nothing or the block a control character gets.
TEST(KtLEDDisplay, FontLeavesBitZeroFreeAndGivesEveryPrintableCodeAGlyph) {
    const TLEDGlyph blank{}, block = LEDGlyph(7);
    EXPECT_NE(block, blank);
    EXPECT_EQ(LEDGlyph(' '), blank);
    for (int code = 32; code <= 255; ++code) {
        const TLEDGlyph& glyph = LEDGlyph(std::uint8_t(code));
        for (std::uint8_t column : glyph)
            EXPECT_EQ(column & 1, 0) << code;
        if ((code > 32 && code <= 126) || code >= 161) {
            EXPECT_NE(glyph, blank) << code;
        } else if (code >= 127) {
            EXPECT_TRUE(glyph == blank || glyph == block) << code;
        }
    }
}
