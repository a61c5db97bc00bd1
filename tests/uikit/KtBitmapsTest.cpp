#include "uikit/draw/KtGrafx.h"

#include "KitImage.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

using Rows = std::vector<std::string>;

TEST(KtBitmaps, TransparentCopyLandsAtTheDestinationWithoutItsKeyColour) {
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(Qt::red);
    source.setPixelColor(1, 0, QColor(255, 0, 255));
    source.setPixelColor(2, 1, Qt::blue);
    QImage image = SentinelImage(6, 4);
    {
        TCanvas canvas(image);
        DrawTransparentBitmapRect(canvas, source, {2, 1, 5, 3}, {0, 0, 3, 2}, clFuchsia);
    }
    EXPECT_EQ(Picture(image, {{clRed, 'r'}, {clBlue, 'b'}}), (Rows{"......", "..r.r.", "..rrb.", "......"}));

    QImage column(1, 3, QImage::Format_RGB32);
    column.setPixelColor(0, 0, Qt::red);
    column.setPixelColor(0, 1, Qt::green);
    column.setPixelColor(0, 2, Qt::blue);
    FlipBitmapVertically(column);
    EXPECT_EQ(Picture(column, {{clRed, 'r'}, {clLime, 'g'}, {clBlue, 'b'}}), (Rows{"b", "g", "r"}));
}

namespace {

// A parent that paints its left half red and its right half blue.
class TwoColourParent : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, width() / 2, height(), Qt::red);
        p.fillRect(width() / 2, 0, width() - width() / 2, height(), Qt::blue);
    }
};

// A control that paints its parent's picture over a face of its own while being painted.
class SeeThroughChild : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::green);
        TCanvas canvas(p);
        DrawParentImage(this, canvas);
    }
};

} // namespace

TEST(KtParentImage, ChildShowsWhatItsParentPaintsBehindIt) {
    TwoColourParent parent;
    parent.resize(20, 10);
    QWidget child(&parent);
    child.setGeometry(8, 3, 4, 2);
    QImage image = SentinelImage(4, 2);
    {
        TCanvas canvas(image);
        DrawParentImage(&child, canvas);
    }
    EXPECT_EQ(Picture(image, {{clRed, 'r'}, {clBlue, 'b'}}), (Rows{"rrbb", "rrbb"}));

    SeeThroughChild painted(&parent);
    painted.setGeometry(8, 6, 4, 2);
    const QImage shown = parent.grab().toImage().copy(8, 6, 4, 2);
    EXPECT_EQ(Picture(shown, {{clRed, 'r'}, {clBlue, 'b'}}), (Rows{"rrbb", "rrbb"}));

    QWidget orphan;
    QImage untouched = SentinelImage(2, 1);
    TCanvas canvas(untouched);
    DrawParentImage(&orphan, canvas);
    EXPECT_EQ(Picture(untouched, {}), Rows{".."});
}
