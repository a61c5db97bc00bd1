#include "uikit/buttons/KtCommonBitmaps.h"

#include "base/AsciiText.h"
#include "uikit/draw/ImageList.h"
#include "uikit/draw/KtCanvas.h"

#include <QPainter>
#include <QPolygon>
#include <initializer_list>

namespace {

constexpr int kCell = 16;
// The colour the glyphs stand on; buttons leave it out.
constexpr TColor kBackground = clOlive;

using GlyphPainter = void (*)(TCanvas& canvas);

// Lines through the points in the pen, the last point included.
void Polyline(TCanvas& canvas, std::initializer_list<QPoint> points) {
    const QPoint* previous = nullptr;
    for (const QPoint& point : points) {
        if (previous != nullptr) canvas.Line(previous->x(), previous->y(), point.x(), point.y());
        previous = &point;
    }
    canvas.SetPixel(previous->x(), previous->y(), canvas.Pen.Color);
}

void Octagon(TCanvas& canvas, TColor outline, TColor fill) {
    canvas.Pen.Color = outline;
    canvas.Brush.Color = fill;
    canvas.Polygon(QPolygon({{5, 1}, {10, 1}, {14, 5}, {14, 10}, {10, 14}, {5, 14}, {1, 10}, {1, 5}}));
}

void Check(TCanvas& canvas, TColor color, int dx) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = 2;
    Polyline(canvas, {{2 + dx, 8}, {5 + dx, 11}, {12 + dx, 4}});
    canvas.Pen.Width = 1;
}

void PaintOk(TCanvas& canvas) {
    Check(canvas, clGreen, 1);
}

void PaintCancel(TCanvas& canvas) {
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
    Polyline(canvas, {{4, 4}, {11, 11}});
    Polyline(canvas, {{11, 4}, {4, 11}});
}

void PaintHelp(TCanvas& canvas) {
    canvas.Pen.Color = clNavy;
    canvas.Pen.Width = 2;
    Polyline(canvas, {{5, 5}, {6, 3}, {10, 3}, {11, 5}, {11, 6}, {8, 8}, {8, 10}});
    canvas.Pen.Width = 1;
    canvas.Brush.Color = clNavy;
    canvas.FillRect({7, 12, 10, 15});
}

void PaintYes(TCanvas& canvas) {
    Check(canvas, RGB(0, 160, 0), 1);
}

void PaintNo(TCanvas& canvas) {
    Octagon(canvas, clRed, kBackground);
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 2;
    Polyline(canvas, {{4, 4}, {11, 11}});
}

void PaintClose(TCanvas& canvas) {
    // An open door in its frame.
    canvas.Pen.Color = clMaroon;
    canvas.Brush.Color = clBlack;
    canvas.Rectangle({3, 1, 13, 15});
    canvas.Brush.Color = RGB(192, 128, 64);
    canvas.Polygon(QPolygon({{3, 1}, {8, 3}, {8, 15}, {3, 14}}));
    canvas.SetPixel(7, 8, clYellow);
}

void PaintAbort(TCanvas& canvas) {
    Octagon(canvas, clMaroon, clRed);
    canvas.Brush.Color = clWhite;
    canvas.FillRect({4, 7, 12, 9});
}

void PaintRetry(TCanvas& canvas) {
    // A circle arrow, its head at the top right.
    canvas.Pen.Color = clGreen;
    canvas.Pen.Width = 2;
    Polyline(canvas, {{11, 3}, {6, 3}, {3, 6}, {3, 10}, {6, 13}, {10, 13}, {13, 10}, {13, 8}});
    canvas.Pen.Width = 1;
    canvas.Brush.Color = clGreen;
    canvas.Polygon(QPolygon({{10, 0}, {14, 3}, {10, 6}}));
}

void PaintIgnore(TCanvas& canvas) {
    // An arrow jumping over a block.
    canvas.Brush.Color = clGray;
    canvas.FillRect({6, 10, 10, 14});
    canvas.Pen.Color = clNavy;
    canvas.Pen.Width = 2;
    Polyline(canvas, {{1, 12}, {4, 5}, {8, 3}, {12, 6}, {13, 10}});
    canvas.Pen.Width = 1;
    canvas.Brush.Color = clNavy;
    canvas.Polygon(QPolygon({{10, 9}, {15, 9}, {13, 13}}));
}

void PaintAll(TCanvas& canvas) {
    Check(canvas, clGreen, -1);
    Check(canvas, clGreen, 3);
}

struct Resource {
    const char* name;
    GlyphPainter paint;
};

const Resource kResources[] = {
    {"KTCOMMON_OK", PaintOk},       {"KTCOMMON_CANCEL", PaintCancel}, {"KTCOMMON_HELP", PaintHelp},
    {"KTCOMMON_YES", PaintYes},     {"KTCOMMON_NO", PaintNo},         {"KTCOMMON_CLOSE", PaintClose},
    {"KTCOMMON_ABORT", PaintAbort}, {"KTCOMMON_RETRY", PaintRetry},   {"KTCOMMON_IGNORE", PaintIgnore},
    {"KTCOMMON_ALL", PaintAll},
};

} // namespace

QImage LoadKtCommonBitmap(const QString& name) {
    for (const Resource& resource : kResources) {
        if (!asciiSameText(name, QLatin1String(resource.name))) continue;
        // Drawn on the background colour, which then becomes transparent for the disabled look.
        QImage up(kCell, kCell, QImage::Format_RGB32);
        up.fill(ToQColor(kBackground));
        {
            TCanvas canvas(up);
            resource.paint(canvas);
        }
        QImage shape = up.convertToFormat(QImage::Format_ARGB32);
        const QRgb background = ToQColor(kBackground).rgb();
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
                if (shape.pixel(x, y) == background) shape.setPixel(x, y, 0);

        QImage bitmap(2 * kCell, kCell, QImage::Format_RGB32);
        bitmap.fill(ToQColor(kBackground));
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, up);
        painter.drawImage(kCell, 0, DisabledImage(shape));
        return bitmap;
    }
    return {};
}
