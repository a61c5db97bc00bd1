#include "uikit/controls/KtBorderControl.h"
#include "KitImage.h"
#include "uikit/draw/KtColors.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(KtBorderControl, ClientRectangleShrinksByBandAndFramesOnTheirSides) {
    TKtBorder border;
    EXPECT_EQ(border.size(), QSize(50, 50));
    EXPECT_EQ(border.BorderOuter(), fsGroove);
    EXPECT_EQ(border.ClientRect(), (TRect{2, 2, 48, 48}));

    border.SetBorderWidth(3);
    border.SetBorderInner(fsStatus);
    border.SetBevelWidth(4);
    EXPECT_EQ(border.ClientRect(), (TRect{9, 9, 41, 41}));

    // The band is taken off all four sides, the frames only off the chosen ones.
    border.SetBorderSides({sdLeft, sdBottom});
    EXPECT_EQ(border.ClientRect(), (TRect{9, 3, 47, 41}));
    border.SetBorderOuter(fsFlat);
    border.SetBorderInner(fsNone);
    EXPECT_EQ(border.ClientRect(), (TRect{4, 3, 47, 46}));

    // Frames wider than the control leave nothing.
    border.SetBorderWidth(30);
    EXPECT_EQ(border.ClientRect(), TRect{});
}

TEST(KtBorderControl, FrameControllerSettingsAreTakenWhileItsFrameIsVisible) {
    TKtFrameController controller;
    controller.SetFrameStyle(fsFlatBold);
    controller.SetFrameColor(clRed);
    controller.SetColor(clBlue);
    auto border = std::make_unique<TKtBorder>();
    border->SetFrameController(&controller);
    EXPECT_EQ(border->BorderOuter(), fsGroove); // an invisible controller frame changes nothing

    border->SetFrameControllerNotifications(AllFrameControllerNotifications &
                                            ~FrameControllerNotification(fcpFrameSides));
    controller.SetFrameSides({sdTop});
    controller.SetFrameVisible(true);
    EXPECT_EQ(border->BorderOuter(), fsFlatBold);
    EXPECT_EQ(border->BorderSides(), AllSides);
    EXPECT_EQ(border->FlatColor(), clRed);
    EXPECT_EQ(border->FlatColorAdjustment(), 0);
    EXPECT_EQ(border->Color(), clBlue);
    EXPECT_FALSE(border->ParentColor());
    EXPECT_EQ(border->BorderHighlight(), LighterColor(clBlue, 100));
    EXPECT_EQ(border->BorderShadow(), DarkerColor(clBlue, 50));

    border.reset(); // unlinks itself
    controller.SetFrameStyle(fsRaised);
}

TEST(KtBorderControl, PaintsOnlyTheFrame) {
    TKtBorder border;
    border.resize(6, 5);
    border.SetBorderOuter(fsFlat);
    border.SetFlatColorAdjustment(0);
    border.SetFlatColor(clRed);
    QImage image = SentinelImage(6, 5);
    border.render(&image, QPoint(), QRegion(), QWidget::DrawChildren); // no background of its own
    EXPECT_EQ(Picture(image, {{clRed, 'R'}}),
              (std::vector<std::string>{"RRRRRR", "R....R", "R....R", "R....R", "RRRRRR"}));
}
