#include "uikit/splitter/KtSplitter.h"

#include "KitImage.h"
#include "KitMouse.h"
#include "uikit/splitter/KtSizingLine.h"
#include "uikit/splitter/KtSplitterBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <climits>
#include <gtest/gtest.h>

namespace {

QRect Geometry(const TKtPaneData* data) {
    return data->Pane()->geometry();
}

void Escape(QWidget* widget) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(widget, &key);
}

// The main window's outer splitter as designed: panes stacked, a 5-pixel groove bar with a hot
// spot that closes the lower pane.
void DesignLikeTheMainWindow(TKtSplitter& splitter) {
    splitter.BeginLoading();
    splitter.resize(919, 714);
    splitter.SetOrientation(orVertical);
    splitter.SetHotSpotVisible(true);
    splitter.SetHotSpotDirection(hsdMax);
    splitter.SetSplitterStyle(ssGroove);
    splitter.SetSplitterWidth(5);
    splitter.SetPosition(620);
    splitter.SetPercent(87);
    splitter.Loaded();
    splitter.show();
}

} // namespace

TEST(KtSplitter, DefaultsAndPanes) {
    TKtSplitter splitter;
    EXPECT_EQ(splitter.Orientation(), orHorizontal);
    EXPECT_EQ(splitter.Position(), 100);
    EXPECT_EQ(splitter.Percent(), 50);
    EXPECT_EQ(splitter.SplitterWidth(), 4);
    EXPECT_EQ(splitter.BorderOuter(), fsNone);
    EXPECT_FALSE(splitter.UsePercent());
    EXPECT_EQ(splitter.size(), QSize(200, 100));
    ASSERT_NE(splitter.UpperLeft()->Pane(), splitter.LowerRight()->Pane());
    EXPECT_EQ(splitter.UpperLeft()->Pane()->Splitter, &splitter);
    EXPECT_EQ(splitter.LowerRight()->Pane()->BorderOuter(), fsNone);

    // A hot spot needs a bar of 7, a drawn style one of 6.
    splitter.SetSplitterStyle(ssGroove);
    EXPECT_EQ(splitter.SplitterWidth(), 6);
    splitter.SetHotSpotVisible(true);
    EXPECT_EQ(splitter.SplitterWidth(), 7);
}

TEST(KtSplitter, MainWindowGeometryAndTheLoadBracket) {
    TKtSplitter splitter;
    DesignLikeTheMainWindow(splitter);
    EXPECT_EQ(splitter.Position(), 620);
    EXPECT_EQ(splitter.Percent(), 87); // 620 of 714 - 5 div 2
    EXPECT_FALSE(splitter.UsePercent()) << "a designed percentage is only stored";
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(0, 0, 919, 620));
    EXPECT_EQ(splitter.BarSize(), (TRect{0, 620, 919, 625}));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(0, 625, 919, 89));
    EXPECT_EQ(splitter.HotSpotRect(), (TRect{275, 620, 643, 625}));

    // The upper pane keeps its extent; one that had to shrink comes back.
    splitter.resize(919, 300);
    EXPECT_EQ(splitter.Position(), 295);
    splitter.resize(919, 900);
    EXPECT_EQ(splitter.Position(), 620);
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(0, 625, 919, 275));

    // A percentage set at run time holds from then on.
    splitter.SetPercent(50);
    EXPECT_TRUE(splitter.UsePercent());
    EXPECT_EQ(splitter.Position(), 449); // Round(0.5 * 898)
    splitter.resize(919, 602);
    EXPECT_EQ(splitter.Position(), 300);
}

TEST(KtSplitter, PositionStaysBetweenTheMarginAndTheLimitInsideTheFrame) {
    // The page splitter: a 3-pixel band and a groove along the top only.
    TKtSplitter splitter;
    splitter.resize(800, 400);
    splitter.SetBorderWidth(3);
    splitter.SetBorderInner(fsGroove);
    splitter.SetBorderSides({sdTop});
    splitter.SetSplitterWidth(6);
    splitter.SetMarginMin(20);
    splitter.SetMarginMax(30);
    splitter.show();

    splitter.SetPosition(164);
    EXPECT_EQ(splitter.GetClientRect(), (TRect{3, 5, 797, 397}));
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(3, 5, 164, 392));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(173, 5, 624, 392));
    splitter.SetPosition(5);
    EXPECT_EQ(splitter.Position(), 20);
    splitter.SetPosition(5000);
    EXPECT_EQ(splitter.Position(), 800 - 30 - 6 - 10) << "the frame allowance is 5 on each side";

    // The limit wins over the margin when the splitter is too small for both.
    splitter.resize(40, 400);
    EXPECT_EQ(splitter.Position(), 40 - 30 - 6 - 10);
}

// The frames take their room from the panes the moment they change on a shown splitter, not at
// the next resize.
TEST(KtSplitter, FrameSettersLayThePanesOutAtOnce) {
    TKtSplitter splitter;
    splitter.resize(300, 200);
    splitter.show();
    splitter.SetPosition(100);
    ASSERT_EQ(Geometry(splitter.LowerRight()), QRect(104, 0, 196, 200));

    splitter.SetBorderWidth(3);
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(3, 3, 100, 194));
    EXPECT_EQ(splitter.BarSize(), (TRect{103, 3, 107, 197}));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(107, 3, 190, 194));
    splitter.SetBorderOuter(fsFlat);
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(4, 4, 100, 192));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(108, 4, 188, 192));
    splitter.SetBorderInner(fsGroove);
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(6, 6, 100, 188));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(110, 6, 184, 188));
    splitter.SetBorderSides({sdTop});
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(3, 6, 100, 191));
    EXPECT_EQ(splitter.BarSize(), (TRect{103, 6, 107, 197}));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(107, 6, 190, 191));

    // Through the panel's own interface too, as a frame setting reached from the base type.
    TKtCustomPanel& panel = splitter;
    panel.SetBorderWidth(0);
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(0, 3, 100, 197));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(104, 3, 196, 197));
}

TEST(KtSplitter, AnyPositionPassesWithAHiddenPaneAndThePanesStayInside) {
    TKtSplitter splitter;
    splitter.resize(300, 200);
    splitter.show();
    splitter.LowerRight()->SetVisible(false);
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(0, 0, 300, 200));
    EXPECT_EQ(splitter.BarSize().Width(), 0);

    splitter.SetPosition(INT_MAX);
    EXPECT_EQ(splitter.Position(), INT_MAX);
    EXPECT_EQ(splitter.Percent(), 720632096);
    splitter.resize(3, 200);
    EXPECT_EQ(splitter.Percent(), INT_MAX) << "a hundred times the position does not fit";
    splitter.resize(300, 200);
    splitter.SetPosition(-50);
    EXPECT_EQ(splitter.Position(), -50);
    EXPECT_EQ(splitter.Percent(), -17);

    splitter.SetPosition(INT_MAX);
    splitter.LowerRight()->SetVisible(true);
    EXPECT_EQ(splitter.Position(), INT_MAX) << "the stored value is kept";
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(0, 0, 296, 200));
    EXPECT_EQ(splitter.BarSize(), (TRect{296, 0, 300, 200}));
    EXPECT_EQ(Geometry(splitter.LowerRight()), QRect(300, 0, 0, 200));
    splitter.resize(320, 200);
    EXPECT_EQ(splitter.Position(), 316);
}

TEST(KtSplitter, HotSpotClosesAPaneAndRestoresItAcrossAResize) {
    TKtSplitter splitter;
    DesignLikeTheMainWindow(splitter);
    int clicks = 0;
    QObject::connect(&splitter, &TKtSplitter::OnHotSpotClick, [&clicks] { ++clicks; });
    const QPoint hotSpot(400, 622);

    Press(&splitter, hotSpot);
    Release(&splitter, hotSpot);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(splitter.HotSpotClosed());
    EXPECT_TRUE(splitter.HotSpotClosedToMax());
    EXPECT_EQ(splitter.Position(), 714 - 5);

    splitter.resize(919, 500);
    EXPECT_EQ(splitter.Position(), 500 - 5) << "still closed";
    splitter.resize(919, 714);
    EXPECT_EQ(splitter.Position(), 714 - 5);

    const QPoint bar(400, 711);
    Press(&splitter, bar);
    Release(&splitter, bar);
    EXPECT_FALSE(splitter.HotSpotClosed());
    EXPECT_EQ(splitter.Position(), 620);
    EXPECT_EQ(clicks, 2);

    // A press on the hot spot that moves the bar is a drag and leaves the hot spot open.
    Press(&splitter, hotSpot);
    Drag(&splitter, hotSpot - QPoint(0, 20));
    Release(&splitter, hotSpot - QPoint(0, 20));
    EXPECT_EQ(splitter.Position(), 600);
    EXPECT_FALSE(splitter.HotSpotClosed());
    EXPECT_EQ(clicks, 2);
}

TEST(KtSplitter, DragShowsALineAndMovesThePanesOnceOnRelease) {
    TKtSplitter splitter;
    DesignLikeTheMainWindow(splitter);
    int changes = 0;
    QObject::connect(&splitter, &TKtSplitter::OnChange, [&changes] { ++changes; });

    Press(&splitter, {100, 622});
    EXPECT_TRUE(splitter.Dragging());
    Drag(&splitter, {100, 672});
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(0, 0, 919, 620)) << "only the line moves";
    EXPECT_EQ(changes, 0);
    const auto* line = splitter.findChild<TKtSizingLine*>();
    ASSERT_NE(line, nullptr);
    EXPECT_FALSE(line->isHidden());
    EXPECT_EQ(line->geometry(), QRect(0, 670, 919, 5));
    Release(&splitter, {100, 672});
    EXPECT_EQ(splitter.findChild<TKtSizingLine*>(), nullptr);
    EXPECT_EQ(splitter.Position(), 670);
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(0, 0, 919, 670));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(splitter.RestorePosition(), 670);

    // Esc keeps the position from before the drag, and the later release changes nothing.
    Press(&splitter, {100, 672});
    Drag(&splitter, {100, 600});
    Escape(&splitter);
    EXPECT_FALSE(splitter.Dragging());
    Release(&splitter, {100, 600});
    EXPECT_EQ(splitter.Position(), 670);
    EXPECT_EQ(changes, 1);

    // A veto holds the bar where it is.
    splitter.OnChanging = [](TKtSplitter*, int newPos, bool& allow) { allow = newPos < 650; };
    Press(&splitter, {100, 672});
    Drag(&splitter, {100, 700});
    Release(&splitter, {100, 700});
    EXPECT_EQ(splitter.Position(), 670);
    EXPECT_EQ(changes, 1);
}

TEST(KtSplitter, LiveDragCursorAndALockedBar) {
    TKtSplitter splitter;
    DesignLikeTheMainWindow(splitter);
    splitter.SetRealTimeDrag(true);
    Press(&splitter, {100, 622});
    Drag(&splitter, {100, 652});
    EXPECT_EQ(Geometry(splitter.UpperLeft()), QRect(0, 0, 919, 650));
    EXPECT_EQ(splitter.findChild<TKtSizingLine*>(), nullptr);
    Escape(&splitter);
    EXPECT_EQ(splitter.Position(), 650) << "the panes stay where the drag left them";

    Hover(&splitter, {100, 652});
    const QImage barCursor = splitter.cursor().bitmap().toImage();
    EXPECT_FALSE(barCursor.isNull());
    Hover(&splitter, {400, 652});
    EXPECT_NE(splitter.cursor().bitmap().toImage(), barCursor) << "the hot spot's cursor has its mark";
    splitter.SetLockBar(true);
    Hover(&splitter, {100, 653});
    EXPECT_EQ(splitter.cursor().shape(), Qt::ArrowCursor);
    Press(&splitter, {100, 652});
    EXPECT_FALSE(splitter.Dragging());
    Press(&splitter, {400, 652});
    Release(&splitter, {400, 652});
    EXPECT_TRUE(splitter.HotSpotClosed()) << "the hot spot still works";
}

TEST(KtSplitter, ALostReleaseEndsTheDragAsEscDoes) {
    TKtSplitter splitter;
    DesignLikeTheMainWindow(splitter);
    // The button came up over a popup: the next move has no button.
    Press(&splitter, {100, 622});
    Drag(&splitter, {100, 650});
    Hover(&splitter, {100, 660});
    EXPECT_FALSE(splitter.Dragging());
    EXPECT_EQ(splitter.Position(), 620);

    // The window was hidden mid-drag.
    Press(&splitter, {100, 622});
    Drag(&splitter, {100, 650});
    splitter.hide();
    EXPECT_FALSE(splitter.Dragging());
    splitter.show();
    Release(&splitter, {100, 650});
    EXPECT_EQ(splitter.Position(), 620);

    // Another window took the focus.
    Press(&splitter, {100, 622});
    Drag(&splitter, {100, 650});
    QFocusEvent focusOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(&splitter, &focusOut);
    EXPECT_FALSE(splitter.Dragging());
    Release(&splitter, {100, 650});
    EXPECT_EQ(splitter.Position(), 620);
}

TEST(KtSplitter, PressesInsideThePanesAreNotTheBars) {
    TKtSplitter outer;
    DesignLikeTheMainWindow(outer);
    auto* inner = new TKtSplitter(outer.UpperLeft()->Pane());
    inner->setGeometry(0, 0, 919, 620);
    inner->SetPosition(164);
    inner->show();
    auto* button = new QPushButton(QStringLiteral("x"), outer.LowerRight()->Pane());
    button->setGeometry(10, 10, 80, 30);
    button->show();

    Press(button, {5, 5});
    EXPECT_TRUE(button->isDown());
    EXPECT_FALSE(outer.Dragging());
    Release(button, {5, 5});

    // The empty area of a pane passes the press on, but only the bar starts a drag.
    Press(outer.LowerRight()->Pane(), {300, 50});
    EXPECT_FALSE(outer.Dragging());
    Press(inner, {166, 300});
    EXPECT_TRUE(inner->Dragging());
    EXPECT_FALSE(outer.Dragging());
    Release(inner, {166, 300});
}

TEST(KtSplitter, TheSizingLineInvertsEveryOtherPixelAndGoesAgain) {
    QImage image = SentinelImage(4, 2);
    TCanvas canvas(image);
    const TColor inverted = RGB(254, 253, 252);
    canvas.InvertChecker({1, 0, 3, 2});
    EXPECT_EQ(Picture(image, {{inverted, 'i'}}), (std::vector<std::string>{".i..", "..i."}));
    canvas.InvertChecker({1, 0, 3, 2});
    EXPECT_EQ(Picture(image, {}), (std::vector<std::string>{"....", "...."}));
}

TEST(KtSplitter, GrooveBarAndHotSpotPixels) {
    // An upright 7-pixel groove bar: two 3-pixel sunken strips at its middle.
    QImage image = SentinelImage(7, 4);
    {
        TCanvas canvas(image);
        TSplitterBarLook look;
        look.Style = ssGroove;
        DrawSplitterBar(canvas, {0, 0, 7, 4}, orHorizontal, look);
    }
    EXPECT_EQ(Picture(image, {{clBtnFace, 'f'}, {clBtnShadow, 's'}, {clBtnHighlight, 'h'}}),
              (std::vector<std::string>{"sshsshf", "sfhsfhf", "sfhsfhf", "hhhhhhf"}));

    // A hot spot 40 pixels long across a horizontal bar, closing pane 2: frame, fill, both arrows
    // pointing down, dots every third pixel from 15 in.
    const auto hotSpot = [](THotSpotDirection direction) {
        QImage picture = SentinelImage(40, 7);
        TCanvas canvas(picture);
        THotSpotLook look;
        look.Direction = direction;
        DrawSplitterHotSpot(canvas, {0, 0, 40, 7}, orVertical, look, false, {});
        return Picture(picture, {{clBtnFace, 'f'}, {clHighlight, 'd'}, {clBtnShadow, 's'}});
    };
    EXPECT_EQ(hotSpot(hsdMax), (std::vector<std::string>{
                                   "ssssssssssssssssssssssssssssssssssssssss",
                                   "sffffffffffffffffffffffffffffffffffffffs",
                                   "sfffffdddddfffffffffffffffffffdddddffffs",
                                   "sffffffdddfffffdffdffdfffffffffdddfffffs",
                                   "sfffffffdfffffffffffffffffffffffdffffffs",
                                   "sffffffffffffffffffffffffffffffffffffffs",
                                   "ssssssssssssssssssssssssssssssssssssssss",
                               }));
    // Both ways: a middle line, and no dots within 3 pixels of it.
    EXPECT_EQ(hotSpot(hsdBoth)[3], "sffffffdddfffffdffffsffffffffffdddfffffs");
}
