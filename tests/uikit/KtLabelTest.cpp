#include "uikit/controls/KtLabel.h"
#include "KitImage.h"
#include "support/RecordingShell.h"
#include "uikit/controls/KtURLLabel.h"

#include <QEnterEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QFont PixelFont(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

// Counts its paints.
struct PaintCounter : TKtLabel {
    int paints = 0;
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TKtLabel::paintEvent(event);
    }
};

void Tick() {
    QMetaObject::invokeMethod(&BlinkingControlsList->Timer(), "timeout");
}

} // namespace

TEST(KtLabel, AutoSizeFitsTextShadowAndFrames) {
    TKtLabel label;
    label.setFont(PixelFont(12));
    label.SetCaption(QStringLiteral("Подключение"));
    const QSize text = label.size();
    EXPECT_GT(text.width(), 40);

    label.SetTextStyle(tsShadow);
    label.SetCaption(QStringLiteral("Подключение "));
    label.SetCaption(QStringLiteral("Подключение"));
    EXPECT_EQ(label.size(), text + QSize(2, 2));

    label.SetTextStyle(tsNormal);
    label.SetBorderOuter(fsLowered);
    label.SetBorderSides({sdLeft, sdTop, sdRight});
    label.SetBorderWidth(1);
    EXPECT_EQ(label.size(), text + QSize(2 + 2 + 2, 2 + 2));

    // A right-justified label grows and shrinks to the left.
    label.SetAlignment(Qt::AlignRight);
    label.move(200, 10);
    const int right = label.x() + label.width();
    label.SetCaption(QStringLiteral("Подключение к панели"));
    EXPECT_EQ(label.x() + label.width(), right);
    EXPECT_GT(label.width(), text.width() + 6);

    // A turned label takes the box of its turned text.
    label.SetAlignment(Qt::AlignLeft);
    const QSize straight = label.size();
    label.SetAngle(90);
    EXPECT_EQ(label.Rotation(), roFlat);
    EXPECT_EQ(label.size(), straight.transposed());

    // Cutting the caption short leaves the size to the window.
    label.SetCondenseCaption(ccAtEnd);
    EXPECT_FALSE(label.AutoSize());
    label.SetCaption(QStringLiteral("x"));
    EXPECT_EQ(label.size(), straight.transposed());
}

TEST(KtLabel, FrameShowsAtOnceWithoutAutoSize) {
    PaintCounter label;
    label.SetAutoSize(false);
    label.setGeometry(0, 0, 60, 20);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    QCoreApplication::processEvents();
    const int before = label.paints;
    label.SetBorderOuter(fsFlat);
    QCoreApplication::processEvents();
    EXPECT_GT(label.paints, before);
    EXPECT_EQ(label.size(), QSize(60, 20));
}

TEST(KtLabel, AngleAndRotationCouplings) {
    TKtLabel label;
    label.SetAngle(-30);
    EXPECT_EQ(label.Angle(), 330);
    EXPECT_EQ(label.Rotation(), roFlat); // a turned straight label becomes flat-turned
    label.SetAngle(400);
    EXPECT_EQ(label.Angle(), 40);
    label.SetAngle(-400);
    EXPECT_EQ(label.Angle(), 320);
    label.SetAngle(-720);
    EXPECT_EQ(label.Angle(), 0);

    label.SetCenterPoint(cpLowerLeft);
    label.SetRotation(roCurve);
    label.SetAngle(45);
    label.SetRotation(roFlat); // flat turning starts straight, around the middle
    EXPECT_EQ(label.Angle(), 0);
    EXPECT_EQ(label.CenterPoint(), cpCenter);
    label.SetRotation(roCurve);
    label.SetAngle(60);
    label.SetRotation(roNone);
    EXPECT_EQ(label.Angle(), 0);
}

TEST(KtLabel, TextStylesAndTheDisabledLook) {
    TKtLabel label;
    label.setFont(PixelFont(16));
    label.SetFontColor(clBlue);
    label.SetCaption(QStringLiteral("Wm"));
    label.SetTextStyle(tsRaised);
    label.SetHighlightColor(clYellow);
    label.SetShadowColor(clRed);
    QImage image = Rendered(label);
    EXPECT_GT(Count(image, clBlue), 0);
    EXPECT_GT(Count(image, clYellow), 0);
    EXPECT_GT(Count(image, clRed), 0);

    label.SetLightTextStyle(true); // only the highlight copy
    image = Rendered(label);
    EXPECT_GT(Count(image, clYellow), 0);
    EXPECT_EQ(Count(image, clRed), 0);

    label.setEnabled(false);
    image = Rendered(label);
    EXPECT_GT(Count(image, clGrayText), 0);
    EXPECT_EQ(Count(image, clYellow) + Count(image, clBlue), 0);
}

TEST(KtLabel, CurvedTextNeedsARadius) {
    TKtLabel label;
    label.setFont(PixelFont(12));
    label.SetFontColor(clBlue);
    label.SetCaption(QStringLiteral("ABCDEF"));
    label.SetAutoSize(false);
    label.setGeometry(0, 0, 120, 120);
    label.SetRotation(roCurve);
    label.SetAngle(300);
    EXPECT_GT(Count(Rendered(label), clBlue), 0);

    // Half of 8 less twice a band of 2 leaves no radius: nothing is laid on the arc.
    label.setGeometry(0, 0, 8, 40);
    label.SetBorderWidth(2);
    label.SetAngle(0);
    EXPECT_EQ(Count(Rendered(label), clBlue), 0);
}

TEST(KtLabel, BlinkingFollowsTheSharedTimer) {
    TKtLabel label, other;
    label.setFont(PixelFont(16));
    label.SetFontColor(clBlue);
    label.SetBlinkColor(clRed);
    label.SetCaption(QStringLiteral("Alarm"));
    label.SetBlinking(true);
    EXPECT_TRUE(BlinkingControlsList->Count() >= 2);

    Tick(); // the off phase comes first
    EXPECT_EQ(Count(Rendered(label), clRed), 0);
    Tick();
    QImage image = Rendered(label);
    EXPECT_GT(Count(image, clRed), 0);
    EXPECT_EQ(Count(image, clBlue), 0);
    label.SetBlinking(false); // back to the font colour at once
    EXPECT_EQ(Count(Rendered(label), clRed), 0);

    other.SetBlinkIntervalOn(300); // one setting for every label
    EXPECT_EQ(label.BlinkIntervalOn(), 300);
    other.SetBlinkIntervalOn(500);
}

TEST(KtLabel, FlyByColourOnlyWhileTheMouseIsOver) {
    TKtLabel label;
    label.SetFontColor(clRed);
    label.SetFlyByEnabled(true);
    label.SetFlyByEnabled(false); // never applied: nothing to give back
    EXPECT_EQ(label.FontColor(), clRed);

    label.SetFlyByEnabled(true);
    label.SetFlyByColor(clLime);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.FontColor(), clLime);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.FontColor(), clRed);

    QCoreApplication::sendEvent(&label, &enter);
    label.SetFlyByEnabled(false); // switched off while over: the colour comes back
    EXPECT_EQ(label.FontColor(), clRed);
    QCoreApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.FontColor(), clRed);
}

TEST(KtURLLabel, ClickOpensTheAddressAndMarksItVisited) {
    RecordingShell& shell = RecordingShell::Installed();
    shell.opened.clear();
    TKtURLLabel link;
    EXPECT_EQ(link.FontColor(), clHighlight);
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    link.SetCaption(QStringLiteral("www.zelvan.example"));
    link.SetURL(QStringLiteral("   "));
    int clicks = 0;
    QObject::connect(&link, &TKtLabel::OnClick, [&clicks] { ++clicks; });

    shell.succeeds = false; // a failed open says nothing and leaves the link unvisited
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("www.zelvan.example")});
    EXPECT_FALSE(link.Visited());
    EXPECT_EQ(clicks, 1);

    shell.succeeds = true;
    link.SetURL(QStringLiteral(" http://zelvan.example/ "));
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(shell.opened.last(), QStringLiteral(" http://zelvan.example/ "));
    EXPECT_TRUE(link.Visited());
    EXPECT_EQ(link.FontColor(), clPurple);

    link.SetURL(QString());
    link.SetCaption(QStringLiteral("  "));
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(shell.opened.size(), 2); // nothing to open
}
