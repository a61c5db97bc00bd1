#include "support/ScriptedThemes.h"
#include "uikit/KtGlobals.h"

#include <gtest/gtest.h>

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
