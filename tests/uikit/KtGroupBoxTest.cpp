#include "uikit/controls/KtGroupBox.h"
#include "uikit/draw/KtColors.h"

#include "KitImage.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct StyleCase {
    TKtGroupBoxStyle style;
    int below; // client top is the font height plus this
    int inset; // client left
};

class KtGroupBoxClient : public testing::TestWithParam<StyleCase> {};

} // namespace

TEST_P(KtGroupBoxClient, ChildrenStartBelowTheCaption) {
    TKtGroupBox box;
    QFont font = box.font();
    font.setPixelSize(13);
    box.setFont(font);
    box.SetCaption(QStringLiteral("Группа"));
    box.SetGroupStyle(GetParam().style);
    box.resize(200, 100);
    QWidget child(&box);
    SetAlign(&child, alClient);
    const int h = QFontMetrics(font).height();
    EXPECT_EQ(child.y(), h + GetParam().below);
    EXPECT_EQ(child.x(), GetParam().inset);
}

INSTANTIATE_TEST_SUITE_P(Styles, KtGroupBoxClient,
                         testing::Values(StyleCase{gsStandard, 2, 2}, StyleCase{gsFlat, 1, 1},
                                         StyleCase{gsCustom, 2, 2}, StyleCase{gsTopLine, 0, 0},
                                         StyleCase{gsBanner, 8, 0}, StyleCase{gsUnderline, 4, 0}));

TEST(KtGroupBox, Defaults) {
    TKtGroupBox box;
    EXPECT_EQ(box.GroupStyle(), gsFlat);
    EXPECT_EQ(box.BorderOuter(), fsNone);
    EXPECT_EQ(box.AlignmentVertical(), avTop);
    EXPECT_EQ(box.Alignment(), Qt::AlignLeft);
    EXPECT_EQ(box.height(), 105);
}

// The frame's top line runs through the middle of the caption's height; the caption breaks it
// except when there is none.
TEST(KtGroupBox, StandardFrameIsBrokenOnlyByTheCaption) {
    TKtGroupBox box;
    box.resize(120, 60);
    box.SetGroupStyle(gsStandard);
    const int line = QFontMetrics(box.font()).height() / 2 - 1;
    auto grooveColumns = [&] {
        const QImage image = box.grab().toImage();
        int count = 0;
        for (int x = 0; x < 120; ++x)
            count += PixelAt(image, x, line) == ColorToRGB(clBtnShadow);
        return count;
    };
    EXPECT_EQ(grooveColumns(), 119); // the etched line's last pixel is in the light colour
    box.SetCaption(QStringLiteral("Выберите"));
    EXPECT_LT(grooveColumns(), 119 - 20);
}

TEST(KtGroupBox, FlatFrameHasCutCorners) {
    TKtGroupBox box;
    box.resize(40, 30);
    const QImage image = box.grab().toImage();
    const TColor flat = AdjustColor(clBtnShadow, 30);
    const int top = QFontMetrics(box.font()).height() / 2 - 1;
    EXPECT_EQ(PixelAt(image, 0, top), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(image, 1, top + 1), flat);
    EXPECT_EQ(PixelAt(image, 2, top), flat);
    EXPECT_EQ(PixelAt(image, 0, top + 2), flat);
    EXPECT_EQ(PixelAt(image, 39, 29), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelAt(image, 38, 28), flat);
}

// The accelerator passes over a label to the first control that takes the focus.
TEST(KtGroupBox, AcceleratorFocusesTheFirstControlThatTakesFocus) {
    QWidget window;
    window.resize(300, 200);
    QLineEdit outside(&window);
    auto* box = new TKtGroupBox(&window);
    box->setGeometry(0, 40, 300, 150);
    box->SetCaption(QStringLiteral("&Group"));
    new QLabel(QStringLiteral("Путь:"), box);
    auto* edit = new QLineEdit(box);
    edit->move(60, 30);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    outside.setFocus();
    QTest::keyClick(&outside, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(edit->hasFocus());
}

// The underline runs across the whole width just below the caption's box, which the caption's
// background fills.
TEST(KtGroupBox, UnderlineStaysVisibleUnderTheCaption) {
    TKtGroupBox box;
    box.resize(100, 50);
    box.SetGroupStyle(gsUnderline);
    box.SetCaption(QStringLiteral("Итог"));
    const QImage image = box.grab().toImage();
    const int below = QFontMetrics(box.font()).height() + 2;
    const TColor flat = AdjustColor(clBtnShadow, 30);
    for (int x = 0; x < 100; ++x)
        ASSERT_EQ(PixelAt(image, x, below), flat) << x;
}
