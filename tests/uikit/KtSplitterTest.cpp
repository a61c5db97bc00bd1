#include "uikit/KtSplitter.h"

#include <gtest/gtest.h>

TEST(KtSplitter, DefaultsAndPanes) {
    TKtSplitter splitter;
    EXPECT_EQ(splitter.Orientation(), orHorizontal);
    EXPECT_EQ(splitter.Position(), 100);
    EXPECT_EQ(splitter.SplitterWidth(), 4);
    EXPECT_EQ(splitter.size(), QSize(200, 100));
    ASSERT_NE(splitter.UpperLeft()->Pane(), splitter.LowerRight()->Pane());
    EXPECT_EQ(splitter.UpperLeft()->Pane()->Splitter, &splitter);
    EXPECT_EQ(splitter.LowerRight()->Pane()->Splitter, &splitter);
}

TEST(KtSplitter, TheUpperPaneKeepsItsExtentAndGetsItBackAfterShrinking) {
    TKtSplitter splitter;
    splitter.SetOrientation(orVertical);
    splitter.SetSplitterWidth(5);
    splitter.resize(919, 714);
    splitter.SetPosition(620);
    splitter.show();
    QWidget* upper = splitter.UpperLeft()->Pane();
    QWidget* lower = splitter.LowerRight()->Pane();
    EXPECT_EQ(upper->geometry(), QRect(0, 0, 919, 620));
    EXPECT_EQ(lower->geometry(), QRect(0, 625, 919, 89));

    splitter.resize(919, 900);
    EXPECT_EQ(splitter.Position(), 620);
    EXPECT_EQ(upper->height(), 620);
    EXPECT_EQ(lower->height(), 900 - 625);

    splitter.resize(919, 300);
    EXPECT_EQ(splitter.Position(), 295) << "no more than the splitter holds";
    splitter.resize(919, 714);
    EXPECT_EQ(splitter.Position(), 620);
    EXPECT_EQ(upper->height(), 620);

    splitter.SetPosition(-5);
    EXPECT_EQ(splitter.Position(), 0);
}

TEST(KtSplitter, HorizontalPanesSitSideBySide) {
    TKtSplitter splitter;
    splitter.SetSplitterWidth(6);
    splitter.resize(800, 400);
    splitter.SetPosition(164);
    splitter.show();
    EXPECT_EQ(splitter.UpperLeft()->Pane()->geometry(), QRect(0, 0, 164, 400));
    EXPECT_EQ(splitter.LowerRight()->Pane()->geometry(), QRect(170, 0, 630, 400));
}
