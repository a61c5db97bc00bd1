#include "uikit/KtLEDDisplay.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(KtLEDDisplay, DefaultsAndTheCaptionShown) {
    TKtLEDDisplay display;
    EXPECT_EQ(display.Caption(), QString());
    EXPECT_FALSE(display.Scrolling());
    EXPECT_EQ(display.size(), QSize(100, 30));

    auto* shown = display.findChild<QLabel*>();
    ASSERT_NE(shown, nullptr);
    display.SetCaption(QStringLiteral("<b>89161234567</b>"));
    EXPECT_EQ(display.Caption(), QStringLiteral("<b>89161234567</b>"));
    EXPECT_EQ(shown->text(), QStringLiteral("<b>89161234567</b>"));
    EXPECT_EQ(shown->textFormat(), Qt::PlainText); // a number is never markup
    display.SetCaption(QString());
    EXPECT_EQ(shown->text(), QString());

    display.SetScrolling(true);
    EXPECT_TRUE(display.Scrolling());
}
