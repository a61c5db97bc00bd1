#include "uikit/controls/KtPanel.h"
#include "uikit/draw/KtColors.h"
#include "uikit/draw/KtGrid.h"
#include "uikit/controls/KtPanelDockManager.h"

#include "KitImage.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

using Rows = std::vector<std::string>;

namespace {

struct FrameCase {
    TFrameStyleEx outer;
    TFrameStyleEx inner;
    TSides sides;
    int bevelWidth;
    int borderWidth;
    TRect client; // of a 100 x 50 panel
};

class KtPanelClient : public testing::TestWithParam<FrameCase> {};

} // namespace

TEST_P(KtPanelClient, AlignedChildSitsInsideTheFrames) {
    const FrameCase& c = GetParam();
    TKtPanel panel;
    panel.resize(100, 50);
    QWidget child(&panel);
    SetAlign(&child, alClient);
    panel.SetBevelWidth(c.bevelWidth);
    panel.SetBorderWidth(c.borderWidth);
    panel.SetBorderOuter(c.outer);
    panel.SetBorderInner(c.inner);
    panel.SetBorderSides(c.sides);
    EXPECT_EQ(TRect::FromQRect(child.geometry()), c.client);
}

INSTANTIATE_TEST_SUITE_P(
    FrameStyles, KtPanelClient,
    testing::Values(FrameCase{fsRaised, fsNone, AllSides, 1, 0, {2, 2, 98, 48}},
                    FrameCase{fsRaised, fsNone, {sdTop}, 1, 0, {0, 2, 100, 50}},
                    FrameCase{fsRaised, fsNone, {sdLeft, sdBottom}, 1, 0, {2, 0, 100, 48}},
                    FrameCase{fsNone, fsNone, AllSides, 1, 0, {0, 0, 100, 50}},
                    FrameCase{fsFlat, fsNone, AllSides, 1, 0, {1, 1, 99, 49}},
                    FrameCase{fsStatus, fsNone, AllSides, 3, 0, {3, 3, 97, 47}},
                    FrameCase{fsPopup, fsFlat, {sdRight}, 2, 0, {0, 0, 97, 50}},
                    FrameCase{fsFlatBold, fsGroove, AllSides, 1, 0, {4, 4, 96, 46}},
                    FrameCase{fsFlatRounded, fsNone, {sdLeft, sdTop}, 1, 0, {2, 2, 100, 50}},
                    FrameCase{fsLowered, fsNone, AllSides, 1, 2, {4, 4, 96, 46}},
                    FrameCase{fsButtonUp, fsButtonDown, {sdBottom}, 1, 1, {1, 1, 99, 45}}));

TEST(KtPanel, AlignedChildrenShareTheClientAreaInOrder) {
    TKtPanel panel;
    panel.resize(100, 60);
    panel.SetBorderOuter(fsFlat);
    QWidget client(&panel), top(&panel), left(&panel), bottom(&panel);
    top.resize(10, 5);
    left.resize(7, 10);
    bottom.resize(10, 8);
    SetAlign(&client, alClient);
    SetAlign(&top, alTop);
    SetAlign(&left, alLeft);
    SetAlign(&bottom, alBottom);
    panel.show(); // a hidden widget hears of its size only when shown
    EXPECT_EQ(top.geometry(), QRect(1, 1, 98, 5));
    EXPECT_EQ(bottom.geometry(), QRect(1, 51, 98, 8));
    EXPECT_EQ(left.geometry(), QRect(1, 6, 7, 45));
    EXPECT_EQ(client.geometry(), QRect(8, 6, 91, 45));
    panel.resize(120, 60);
    EXPECT_EQ(client.geometry(), QRect(8, 6, 111, 45));
}

// A square bullet as the ways page has them: a two-pixel flat frame in the lightened flat colour
// round the panel's colour.
TEST(KtPanel, FlatBoldSquarePixels) {
    TKtPanel square;
    square.resize(8, 9);
    square.SetBorderOuter(fsFlatBold);
    square.SetBorderShadow(clGrayText);
    square.SetGradientDirection(gdHorizontalBox);
    const QImage image = square.grab().toImage();
    const TColor frame = AdjustColor(clBtnShadow, 30);
    EXPECT_EQ(Picture(image, {{frame, 'F'}, {clBtnFace, 'b'}}), (Rows{
                                                                    "FFFFFFFF",
                                                                    "FFFFFFFF",
                                                                    "FFbbbbFF",
                                                                    "FFbbbbFF",
                                                                    "FFbbbbFF",
                                                                    "FFbbbbFF",
                                                                    "FFbbbbFF",
                                                                    "FFFFFFFF",
                                                                    "FFFFFFFF",
                                                                }));
}

TEST(KtPanel, GradientFillAndCaptionInTheClientArea) {
    TKtPanel panel;
    panel.resize(60, 30);
    panel.SetBorderOuter(fsNone);
    panel.SetVisualStyle(vsGradient);
    panel.SetGradientColorStyle(gcsCustom);
    panel.SetGradientColorStart(clRed);
    panel.SetGradientColorStop(clBlue);
    QImage image = panel.grab().toImage();
    // Horizontal bands from the start colour at the top to the stop colour at the bottom.
    EXPECT_EQ(PixelAt(image, 30, 29), clBlue);
    EXPECT_NE(PixelAt(image, 30, 0), clBlue);
    EXPECT_EQ(PixelAt(image, 0, 0), PixelAt(image, 59, 0));

    panel.SetVisualStyle(vsClassic);
    panel.SetColor(clWhite);
    panel.SetCaption(QStringLiteral("Ab"));
    image = panel.grab().toImage();
    int dark = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            dark += PixelAt(image, x, y) != clWhite;
    EXPECT_GT(dark, 0);
    EXPECT_EQ(PixelAt(image, 1, 1), clWhite);
}

TEST(KtPanel, GridMarksEveryStepFromTheFirstCellsEnd) {
    QImage image = SentinelImage(40, 17);
    {
        TCanvas canvas(image);
        PaintGrid(canvas, {0, 0, 40, 17}, gsDots, 8, 8, clRed);
    }
    std::vector<std::pair<int, int>> dots;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 40; ++x)
            if (PixelAt(image, x, y) == clRed) dots.emplace_back(x, y);
    const std::vector<std::pair<int, int>> expected{{7, 7},  {15, 7},  {23, 7},  {31, 7},  {39, 7},
                                                    {7, 15}, {15, 15}, {23, 15}, {31, 15}, {39, 15}};
    EXPECT_EQ(dots, expected);

    image = SentinelImage(12, 6);
    {
        TCanvas canvas(image);
        PaintGrid(canvas, {0, 0, 12, 6}, gsDottedLines, 0, 3, clRed);
    }
    // No columns at size 0; rows 2 and 5 dotted from their second pixel.
    EXPECT_EQ(Picture(image, {{clRed, 'r'}}), (Rows{
                                                  "............",
                                                  "............",
                                                  ".r.r.r.r.r.r",
                                                  "............",
                                                  "............",
                                                  ".r.r.r.r.r.r",
                                              }));
}

// Children come back from a disabled panel as the program last set them.
TEST(KtPanel, EnablingLeavesEveryChildsOwnFlag) {
    TKtPanel panel;
    QWidget first(&panel), second(&panel), third(&panel);
    second.setEnabled(false);
    panel.setEnabled(false);
    EXPECT_FALSE(first.isEnabled());
    third.setEnabled(false); // by the program while the panel is off
    QWidget added(&panel);
    panel.setEnabled(true);
    EXPECT_TRUE(first.isEnabled());
    EXPECT_FALSE(second.isEnabled());
    EXPECT_FALSE(third.isEnabled());
    EXPECT_TRUE(added.isEnabled());
}

namespace {

class PaintRecorder : public TKtPanel {
public:
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        TKtPanel::paintEvent(event);
    }
};

} // namespace

// A centred caption moves when the panel grows, so the whole panel is painted again.
TEST(KtPanel, ResizeRepaintsTheWholeCaptionedPanel) {
    QWidget window;
    window.resize(300, 100);
    auto* panel = new PaintRecorder;
    panel->setParent(&window);
    panel->setGeometry(0, 0, 100, 40);
    panel->SetFullRepaint(false);
    panel->SetCaption(QStringLiteral("Caption"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    panel->painted = QRegion();
    panel->resize(160, 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->painted, QRegion(0, 0, 160, 40));
}

TEST(KtPanel, BoundsKeepTheAlignedEdge) {
    TKtPanel panel;
    panel.setGeometry(10, 50, 100, 30);
    SetAlign(&panel, alBottom);
    panel.SetBounds(10, 50, 100, 40);
    EXPECT_EQ(panel.geometry(), QRect(10, 40, 100, 40));
    SetAlign(&panel, alRight);
    panel.SetBounds(10, 40, 90, 40);
    EXPECT_EQ(panel.geometry(), QRect(20, 40, 90, 40));
    SetAlign(&panel, alNone);
    panel.SetBounds(10, 40, 50, 20);
    EXPECT_EQ(panel.geometry(), QRect(10, 40, 50, 20));
}

TEST(KtPanel, TransparentPanelIsNotOpaque) {
    TKtPanel panel;
    EXPECT_TRUE(panel.testAttribute(Qt::WA_OpaquePaintEvent));
    panel.SetTransparent(true);
    EXPECT_FALSE(panel.testAttribute(Qt::WA_OpaquePaintEvent));
    panel.SetTransparent(false);
    EXPECT_TRUE(panel.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(KtPanel, TakesAVisibleFrameControllersSettingsAndForgetsIt) {
    auto* controller = new TKtFrameController;
    TKtPanel panel;
    panel.SetFrameController(controller);
    EXPECT_EQ(panel.BorderOuter(), fsRaised); // an invisible frame is not taken
    controller->SetFrameStyle(fsFlatBold);
    controller->SetFrameSides({sdTop});
    controller->SetFrameColor(clRed);
    controller->SetColor(clYellow);
    panel.SetFrameControllerNotifications(AllFrameControllerNotifications &
                                          ~FrameControllerNotification(fcpFrameSides));
    controller->SetFrameVisible(true);
    EXPECT_EQ(panel.BorderOuter(), fsFlatBold);
    EXPECT_EQ(panel.BorderSides(), AllSides);
    EXPECT_EQ(panel.FlatColor(), clRed);
    EXPECT_EQ(panel.FlatColorAdjustment(), 0);
    EXPECT_EQ(panel.Color(), clYellow);
    EXPECT_EQ(panel.BorderHighlight(), LighterColor(clYellow, 100));
    delete controller;
    EXPECT_EQ(panel.FrameController(), nullptr);
}

namespace {

struct TInk {
    int first = -1;
    int last = -1;
};

// The first and last rows that hold anything but the panel's colour.
TInk InkRows(const QImage& image, TColor back) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) != back) {
                if (first < 0) first = y;
                last = y;
            }
    return {first, last};
}

} // namespace

TEST(KtPanel, CaptionPlacedByItsVerticalAlignmentAndMargins) {
    TKtPanel panel;
    panel.resize(120, 80);
    panel.SetBorderOuter(fsNone);
    panel.SetColor(clWhite);
    panel.SetCaption(QStringLiteral("Xy"));
    panel.SetAlignmentVertical(avTop);
    const auto top = InkRows(panel.grab().toImage(), clWhite);
    panel.SetTextMarginVertical(10);
    const auto topWithMargin = InkRows(panel.grab().toImage(), clWhite);
    panel.SetTextMarginVertical(0);
    panel.SetAlignmentVertical(avCenter);
    const auto centre = InkRows(panel.grab().toImage(), clWhite);
    panel.SetAlignmentVertical(avBottom);
    const auto bottom = InkRows(panel.grab().toImage(), clWhite);
    ASSERT_GE(top.first, 0);
    EXPECT_LT(top.last, 20);
    EXPECT_EQ(topWithMargin.first, top.first + 10);
    EXPECT_NEAR((centre.first + centre.last) / 2, 40, 4);
    EXPECT_GT(bottom.first, 60);
    EXPECT_LT(bottom.last, 80);
}

TEST(KtPanel, DockManagerOnlyForADockSiteThatUsesOne) {
    TKtPanel panel;
    EXPECT_EQ(panel.DockManager(), nullptr);
    panel.SetUseDockManager(false);
    panel.SetDockSite(true);
    EXPECT_EQ(panel.DockManager(), nullptr);
    panel.SetUseDockManager(true);
    ASSERT_NE(panel.DockManager(), nullptr);
    // The grabber takes the top, or the left for a panel along the top or bottom edge.
    EXPECT_EQ(panel.DockManager()->AdjustDockRect({0, 0, 100, 50}), (TRect{0, 14, 100, 50}));
    SetAlign(&panel, alBottom);
    EXPECT_EQ(panel.DockManager()->AdjustDockRect({0, 0, 100, 50}), (TRect{14, 0, 100, 50}));
    panel.SetDockSite(false);
    EXPECT_EQ(panel.DockManager(), nullptr);
}
