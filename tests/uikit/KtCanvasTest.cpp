#include "uikit/draw/KtCanvas.h"

#include "KitImage.h"

#include <QPolygon>
#include <gtest/gtest.h>

using Rows = std::vector<std::string>;

TEST(KtCanvas, LinesLeaveOutTheirEndPointInEveryDirection) {
    QImage image = SentinelImage(6, 6);
    {
        TCanvas canvas(image);
        canvas.Pen.Color = clRed;
        canvas.Line(1, 0, 4, 0); // rightwards
        canvas.Line(4, 1, 1, 1); // leftwards
        canvas.Line(0, 1, 0, 4); // downwards
        canvas.Line(5, 5, 5, 2); // upwards
        canvas.Line(1, 2, 3, 4); // diagonal
    }
    EXPECT_EQ(Picture(image, {{clRed, 'r'}}), (Rows{
                                                  ".rrr..",
                                                  "r.rrr.",
                                                  "rr....",
                                                  "r.r..r",
                                                  ".....r",
                                                  ".....r",
                                              }));
}

TEST(KtCanvas, RectanglesFollowThePenAndBrushRules) {
    QImage image = SentinelImage(5, 9);
    {
        TCanvas canvas(image);
        canvas.Pen.Color = clBlack;
        canvas.Brush.Color = clWhite;
        canvas.Rectangle({0, 0, 4, 4}); // outlined on columns 0..3, rows 0..3
        canvas.Pen.Style = psClear;
        canvas.Rectangle({0, 5, 4, 8}); // no pen: leaves out the right column and bottom row
        canvas.Pen.Style = psSolid;
        canvas.Brush.Style = bsClear;
        canvas.FillRect({4, 0, 5, 9}); // a clear brush fills nothing
    }
    EXPECT_EQ(Picture(image, {{clBlack, 'k'}, {clWhite, 'w'}}), (Rows{
                                                                    "kkkk.",
                                                                    "kwwk.",
                                                                    "kwwk.",
                                                                    "kkkk.",
                                                                    ".....",
                                                                    "www..",
                                                                    "www..",
                                                                    ".....",
                                                                    ".....",
                                                                }));
}

TEST(KtCanvas, PolygonOutlinesReachEveryCorner) {
    QImage image = SentinelImage(3, 5);
    {
        TCanvas canvas(image);
        canvas.Pen.Color = clRed;
        canvas.Brush.Color = clRed;
        canvas.Polygon(QPolygon({QPoint(2, 0), QPoint(0, 2), QPoint(2, 4)})); // an arrow to the left
    }
    EXPECT_EQ(Picture(image, {{clRed, 'r'}}), (Rows{"..r", ".rr", "rrr", ".rr", "..r"}));
}

TEST(KtCanvas, ExcludedRectangleStaysUntilTheClipIsRemoved) {
    QImage image = SentinelImage(4, 1);
    TCanvas canvas(image);
    canvas.Brush.Color = clBtnFace;
    canvas.ExcludeClipRect({1, 0, 3, 1});
    canvas.FillRect({0, 0, 4, 1});
    EXPECT_EQ(Picture(image, {{clBtnFace, 'f'}}), Rows{"f..f"});
    canvas.RemoveClip();
    canvas.FillRect({0, 0, 4, 1});
    EXPECT_EQ(Picture(image, {{clBtnFace, 'f'}}), Rows{"ffff"});
    // A second exclusion after the removal must clip again (a button erases its corners this
    // way before its gradient ring excludes the face).
    canvas.ExcludeClipRect({1, 0, 3, 1});
    canvas.Brush.Color = clWindow;
    canvas.FillRect({0, 0, 4, 1});
    EXPECT_EQ(Picture(image, {{clBtnFace, 'f'}, {clWindow, 'w'}}), Rows{"wffw"});
}
