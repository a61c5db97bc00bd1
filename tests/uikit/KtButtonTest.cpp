#include "uikit/buttons/KtBitBtn.h"
#include "uikit/controls/KtPanel.h"
#include "uikit/draw/ImageList.h"
#include "uikit/draw/KtColors.h"

#include "KitImage.h"
#include "KitMouse.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window that holds the keyboard focus, so that buttons in it can take it.
class ActiveWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 200);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
};

QImage Cells(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(KtBitBtn, KindGivesCaptionResultRoleAndGlyphUntilOneOfThemChanges) {
    TKtBitBtn button;
    button.SetKind(bkOK);
    EXPECT_EQ(button.Caption(), QStringLiteral("OK"));
    EXPECT_EQ(button.ModalResult(), 1);
    EXPECT_TRUE(button.Default());
    EXPECT_FALSE(button.Cancel());
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph().size(), QSize(32, 16));
    EXPECT_EQ(button.GetGlyphSize(), QSize(16, 16));
    EXPECT_EQ(button.Kind(), bkOK);
    button.SetModalResult(2);
    EXPECT_EQ(button.Kind(), bkCustom);
    button.SetModalResult(1);
    EXPECT_EQ(button.Kind(), bkCustom) << "the fall-back is kept";

    button.SetKind(bkNo);
    EXPECT_EQ(button.Caption(), QStringLiteral("&No"));
    EXPECT_TRUE(button.Cancel());
    EXPECT_FALSE(button.Default());
    EXPECT_EQ(button.ModalResult(), 7);
    button.SetGlyph(Cells(32, 16));
    EXPECT_EQ(button.Kind(), bkCustom) << "a glyph set by hand";
}

TEST(KtBitBtn, SquareCellsOfTheGlyphSetNumGlyphs) {
    TKtBitBtn button;
    button.SetNumGlyphs(3);
    button.SetGlyph(Cells(20, 16));
    EXPECT_EQ(button.NumGlyphs(), 3) << "not whole cells: kept";
    button.SetGlyph(Cells(64, 16));
    EXPECT_EQ(button.NumGlyphs(), 4);
    button.SetGlyph(Cells(80, 16));
    EXPECT_EQ(button.NumGlyphs(), 1) << "five cells are more than a glyph holds";
    button.SetNumGlyphs(9);
    EXPECT_EQ(button.NumGlyphs(), 4);
    button.SetMargin(-2);
    EXPECT_EQ(button.Margin(), 2);
}

TEST(KtBitBtn, GlyphAndCaptionRectanglesFollowMarginAndLayout) {
    TImageList images(16, 16);
    images.Add(Cells(16, 16));
    TKtBitBtn button;
    button.resize(100, 30);
    const TRect inner{5, 5, 95, 25};
    EXPECT_EQ(button.GetCaptionRect(), inner) << "nothing to show: the plain caption rectangle";
    button.SetImages(&images);
    button.SetImageIndex(0);
    button.SetLayout(blGlyphRight);
    EXPECT_EQ(button.GetCaptionRect(), (TRect{5, 5, 73, 25}));
    EXPECT_EQ(button.GetGlyphRect(), (TRect{77, 7, 93, 23}));

    button.SetLayout(blGlyphTop);
    button.SetMargin(0);
    EXPECT_EQ(button.GetCaptionRect(), (TRect{5, 25, 95, 25}));
    EXPECT_EQ(button.GetGlyphRect(), (TRect{42, 5, 58, 21}));

    // The list goes: the button forgets it.
    {
        TImageList gone(16, 16);
        button.SetImages(&gone);
    }
    EXPECT_EQ(button.Images(), nullptr);
    EXPECT_EQ(button.GetCaptionRect(), inner);
}

TEST(KtBitBtn, DisabledButtonDrawsItsDisabledImageOrTheImageGreyedAndGreyCaption) {
    TImageList images(16, 16);
    QImage red(16, 16, QImage::Format_ARGB32), blue(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    images.Add(red);
    images.Add(blue);
    TKtBitBtn button;
    button.resize(60, 26);
    button.SetCaption(QStringLiteral("Go"));
    button.SetImages(&images);
    button.SetImageIndex(0);
    button.SetDisabledIndex(1);
    EXPECT_GT(Count(Rendered(button), clRed), 0);
    button.setEnabled(false);
    const QImage disabled = Rendered(button);
    EXPECT_GT(Count(disabled, clBlue), 0);
    EXPECT_GT(Count(disabled, clGrayText), 0);
    EXPECT_EQ(Count(disabled, clBtnText), 0) << "the caption is drawn once, grey";
    button.SetDisabledIndex(-1);
    const QImage greyed = Rendered(button);
    EXPECT_EQ(Count(greyed, clRed), 0);
    EXPECT_EQ(Count(greyed, clBlue), 0);
}

TEST(KtButton, GroupedButtonsAreExclusiveAndOnlyAllowAllUpReleasesTheDownOne) {
    QWidget parent;
    auto* first = new TKtButton(&parent);
    auto* second = new TKtButton(&parent);
    auto* plain = new TKtButton(&parent);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());

    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    first->SetDown(true);
    second->SetDown(true);
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(second->Down());
    second->SetDown(false);
    EXPECT_TRUE(second->Down());

    first->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp()) << "the group shares AllowAllUp";
    second->SetDown(false);
    EXPECT_FALSE(second->Down());
}

TEST_F(ActiveWindow, ATrackedPressClicksOnlyWhenReleasedInside) {
    auto* button = new TKtButton(&window);
    button->show();
    int clicks = 0;
    QObject::connect(button, &TKtCustomButton::OnClick, [&clicks] { ++clicks; });

    Press(button, {10, 10});
    EXPECT_TRUE(button->Pressed());
    Drag(button, {90, 10});
    EXPECT_FALSE(button->Pressed());
    Release(button, {90, 10});
    EXPECT_EQ(clicks, 0);

    Press(button, {10, 10});
    Drag(button, {90, 10});
    Drag(button, {74, 24});
    EXPECT_TRUE(button->Pressed());
    Release(button, {74, 24});
    EXPECT_EQ(clicks, 1);

    Press(button, {10, 10});
    Release(button, {75, 10});
    EXPECT_EQ(clicks, 1) << "the right edge is outside";

    button->setEnabled(false);
    Press(button, {10, 10});
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->Tracking());

    // Space down and up on the focused button clicks it too.
    button->setEnabled(true);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
}

TEST(KtButton, TheParentShowsBesideTheRoundedCornersOfTheFlatLook) {
    QWidget window;
    window.setPalette(QPalette(ToQColor(clMoneyGreen)));
    TKtButton button(&window);
    button.move(10, 10);
    button.SetHotTrack(true);
    window.show();
    QApplication::processEvents();
    const QImage image = window.grab().toImage();
    EXPECT_EQ(PixelAt(image, 10 + 1, 10 + 1), clMoneyGreen);
    EXPECT_EQ(PixelAt(image, 10 + 2, 10 + 1), clMoneyGreen);
}

TEST(KtButton, CaptionEffectsDrawTheirCopiesInTheirColours) {
    TKtButton button;
    button.resize(60, 26);
    button.SetCaption(QStringLiteral("WWW"));
    button.SetTextHighlightColor(clBlue);
    button.SetTextShadowColor(clRed);
    const auto colours = [&button](TTextStyle style, bool light) {
        button.SetTextStyle(style);
        button.SetLightTextStyle(light);
        const QImage image = Rendered(button);
        return std::pair{Count(image, clBlue) > 0, Count(image, clRed) > 0};
    };
    EXPECT_EQ(colours(tsNormal, false), std::pair(false, false));
    EXPECT_EQ(colours(tsRaised, false), std::pair(true, true));
    EXPECT_EQ(colours(tsRaised, true), std::pair(true, false));
    EXPECT_EQ(colours(tsRecessed, true), std::pair(true, false));
    EXPECT_EQ(colours(tsShadow, true), std::pair(false, true));
}

TEST(KtButton, FacesOfTheClassicAndFlatLooks) {
    TKtPanel parent;
    parent.SetColor(clMoneyGreen);
    auto* button = new TKtButton(&parent);
    EXPECT_NE(PixelAt(Rendered(*button), 0, 0), ColorToRGB(clWindowFrame));
    button->SetDefault(true);
    EXPECT_EQ(PixelAt(Rendered(*button), 0, 0), ColorToRGB(clWindowFrame)) << "the button Enter presses";

    button->SetHotTrack(true);
    button->SetFrameColor(clRed);
    const QImage flat = Rendered(*button);
    EXPECT_EQ(PixelAt(flat, 1, 12), clRed);
    EXPECT_EQ(PixelAt(flat, 0, 12), DarkerColor(clMoneyGreen, 20)) << "ring in the parent's shade";
    EXPECT_EQ(PixelAt(flat, 74, 24), LighterColor(clMoneyGreen, 20));

    // A down grouped button shows the checkered pattern on the button's own grid.
    button->SetHotTrack(false);
    button->SetGroupIndex(1);
    button->SetDown(true);
    const QImage down = Rendered(*button);
    EXPECT_EQ(PixelAt(down, 10, 10), clSilver);
    EXPECT_EQ(PixelAt(down, 11, 10), ColorToRGB(clBtnFace));
}
