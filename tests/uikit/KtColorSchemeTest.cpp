#include "uikit/services/KtColorScheme.h"
#include "support/ScriptedThemes.h"
#include "uikit/draw/KtColors.h"
#include "uikit/services/KtGlobals.h"
#include "uikit/services/KtThemes.h"

#include <gtest/gtest.h>
#include <vector>

TEST(KtColorScheme, SchemeNamesIgnoreLatinCase) {
    EXPECT_EQ(XPColorSchemeFromName(QStringLiteral("metallic")), 2);
    EXPECT_EQ(XPColorSchemeFromName(QStringLiteral("MetAllIc")), 2);
    EXPECT_EQ(XPColorSchemeFromName(QStringLiteral("HOMESTEAD")), 1);
    EXPECT_EQ(XPColorSchemeFromName(QStringLiteral("HomeStead")), 1);
    EXPECT_EQ(XPColorSchemeFromName(QStringLiteral("NormalColor")), 0);
    EXPECT_EQ(XPColorSchemeFromName(QStringLiteral(" Metallic")), 0);
    EXPECT_EQ(XPColorSchemeFromName(QString()), 0);
}

TEST(KtColorScheme, StartUpReadsTheDesktopsSchemeAndDepth) {
    {
        ScopedThemes themes;
        themes->schemeName = QStringLiteral("Metallic");
        StartKtCommon();
        EXPECT_EQ(XPColorScheme, 2);
        EXPECT_TRUE(TrueColorDisplay); // the offscreen screen has 32-bit colour
    }
    StartKtCommon(); // this desktop names no scheme: blue
    EXPECT_EQ(XPColorScheme, 0);
}

namespace {

// A desktop with theme colours whose themed drawing a test turns on or off; the scheme and the
// themes setting are set back afterwards.
class ThemedDesktop : public ::testing::Test {
protected:
    ~ThemedDesktop() override {
        XPColorScheme = 0;
        SetThemesActive(false);
    }
    ScopedThemes themes;
};

// Every gradient colour one style gives, in a fixed order.
std::vector<TColor> GradientColors(TKtGradientColorStyle style) {
    TColor panel[2], group[3], bar[2];
    GetGradientPanelColors(style, panel[0], panel[1]);
    GetGradientGroupColors(style, group[0], group[1], group[2]);
    GetGradientBarColors(style, bar[0], bar[1]);
    return {panel[0], panel[1], GetGradientFrameColor(style), group[0], group[1], group[2], bar[0], bar[1]};
}

} // namespace

// Without themes the scheme and the style make no difference; with themes only the Office style
// follows the scheme.
TEST_F(ThemedDesktop, PlainColoursUnlessTheOfficeStyleIsThemed) {
    const std::vector<TColor> plain = GradientColors(gcsSystem);
    EXPECT_EQ(plain[0], clWindow) << "panels start from the desktop's window colour";
    EXPECT_EQ(plain[4], clWindow) << "so do group boxes in their middle";
    // and shade into darker tones of the button face downwards.
    const auto luminance = [](TColor c) {
        std::uint8_t h, s, l;
        ColorToHLS(c, h, s, l);
        return l;
    };
    EXPECT_LT(luminance(plain[1]), luminance(clBtnFace));
    EXPECT_LT(luminance(plain[5]), luminance(plain[3])) << "group box";
    EXPECT_LT(luminance(plain[7]), luminance(plain[6])) << "group bar";
    EXPECT_GT(luminance(plain[2]), luminance(clBtnShadow)) << "the frame is a lightened shadow";
    for (bool themed : {false, true}) {
        SetThemesActive(themed);
        for (std::uint8_t scheme : {0, 1, 2}) {
            XPColorScheme = scheme;
            for (TKtGradientColorStyle style : {gcsSystem, gcsMSOffice, gcsCustom}) {
                if (themed && style == gcsMSOffice)
                    EXPECT_NE(GradientColors(style), plain) << int(scheme);
                else
                    EXPECT_EQ(GradientColors(style), plain) << themed << int(scheme) << int(style);
            }
        }
    }
}

TEST_F(ThemedDesktop, OfficeStyleFollowsTheSchemeOnlyWithThemes) {
    SetThemesActive(true);
    XPColorScheme = 2;
    TColor a, b, c;
    GetGradientBarColors(gcsMSOffice, a, b);
    EXPECT_EQ(a, 0x00D4C8C4);
    EXPECT_EQ(b, 0x00C8B3B1);
    GetGradientGroupColors(gcsMSOffice, a, b, c);
    EXPECT_EQ(a, 0x00D0BCBD);
    EXPECT_EQ(b, 0x00FFF9F9);
    EXPECT_EQ(c, 0x00D0BCBD);
    XPColorScheme = 1;
    EXPECT_EQ(GetGradientFrameColor(gcsMSOffice), 0x0077A17F);
}

TEST_F(ThemedDesktop, ThemeColoursFallBackToTheButtonFace) {
    themes->colors[ScriptedThemes::Key(QStringLiteral("button"), 4, 1, 3803)] = 0x00123456;
    EXPECT_EQ(GetXPThemeColor(6), clBtnFace); // themes off
    SetThemesActive(true);
    EXPECT_EQ(GetXPThemeColor(6), 0x00123456);
    EXPECT_EQ(GetXPThemeColor(0), clBtnFace); // the theme has no edit border colour
    EXPECT_EQ(GetXPThemeColor(7), clWhite);
    EXPECT_EQ(GetXPThemeColor(-1), clWhite);
}
