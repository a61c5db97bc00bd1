#include "uikit/draw/KtGradient.h"

#include "uikit/services/KtGlobals.h"

#include <QImage>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// A colour running from one colour to another in a number of steps. Each channel is kept in
// 16.16 fixed point and advances by a step truncated toward zero, so after the last step it is
// at, or just short of, the target.
class TColorRun {
public:
    TColorRun(TColor from, TColor to, int steps) {
        for (int i = 0; i < 3; ++i) {
            value_[i] = Channel(from, i) * 65536;
            step_[i] = steps > 0 ? (Channel(to, i) * 65536 - value_[i]) / steps : 0;
        }
    }
    void Step() {
        for (int i = 0; i < 3; ++i)
            value_[i] += step_[i];
    }
    TColor Color() const { return RGB(value_[0] >> 16, value_[1] >> 16, value_[2] >> 16); }

private:
    static int Channel(TColor c, int i) { return (c >> (8 * i)) & 0xFF; }
    int value_[3], step_[3];
};

// Fewest steps a band holds before a colour change may start the next one.
int MinRun(std::uint8_t colorStep, bool box) {
    if (colorStep == 0) return 1;
    if (colorStep <= 8) return colorStep;
    return (box ? 256 : 255) / colorStep + 1;
}

// Walks `steps` steps of the run and hands each band to paint(firstStep, endStep, colour): a band
// ends at the first step whose colour differs once it holds minRun steps.
template <class Paint> void PaintBands(TColorRun& run, int steps, int minRun, Paint paint) {
    if (steps <= 0) return;
    int first = 0;
    TColor color = run.Color();
    for (int k = 1; k < steps; ++k) {
        run.Step();
        const TColor c = run.Color();
        if (c != color && k - first >= minRun) {
            paint(first, k, color);
            first = k;
            color = c;
        }
    }
    paint(first, steps, color);
}

// Copies the first `filled` columns (or rows) next to themselves, doubling each time, until the
// bitmap is covered: only a narrow strip of an End or Center gradient is painted band by band.
void ExtendByDoubling(QImage& image, int filled, bool columns) {
    const int size = columns ? image.width() : image.height();
    while (filled < size) {
        const int n = std::min(filled, size - filled);
        if (columns) {
            for (int y = 0; y < image.height(); ++y) {
                uchar* line = image.scanLine(y);
                std::memcpy(line + 4 * filled, line, 4 * std::size_t(n));
            }
        } else {
            for (int y = 0; y < n; ++y)
                std::memcpy(image.scanLine(filled + y), image.scanLine(y), image.bytesPerLine());
        }
        filled += n;
    }
}

void PaintEnd(TCanvas& canvas, int w, int h, bool rows, TColor colorA, TColor colorB, int minRun) {
    // Painted from the far edge, so the last row (column) is exactly colorB.
    const int n = rows ? h : w;
    TColorRun run(colorB, colorA, n);
    PaintBands(run, n, minRun, [&](int first, int end, TColor color) {
        canvas.Brush.Color = color;
        if (rows)
            canvas.FillRect({0, h - end, std::min(w, 8), h - first});
        else
            canvas.FillRect({w - end, 0, w - first, std::min(h, 8)});
    });
}

void PaintCenter(TCanvas& canvas, int w, int h, bool rows, TColor colorA, TColor colorB, int minRun) {
    const int n = rows ? h : w;
    const int mid = n / 2;
    const auto band = [&](int offset) {
        return [&canvas, offset, rows, w, h](int first, int end, TColor color) {
            canvas.Brush.Color = color;
            if (rows)
                canvas.FillRect({0, offset + first, std::min(w, 8), offset + end});
            else
                canvas.FillRect({offset + first, 0, offset + end, std::min(h, 8)});
        };
    };
    TColorRun toMiddle(colorA, colorB, mid + 1);
    PaintBands(toMiddle, mid + 1, minRun, band(0));
    // Below the middle there are n - mid - 1 steps: none at all for a size of 1 or 2.
    TColorRun back(colorB, colorA, n - mid - 1);
    PaintBands(back, n - mid - 1, minRun, band(mid + 1));
}

// Copies, nearest pixel, the source columns [0, srcWidth) into destWidth columns that run
// leftwards from destRight, for rows [0, rows) read from the top and written from destBottom
// upwards when flipRows. The box gradients mirror their painted quadrant this way, stretching a
// column or two where the source is narrower than the destination.
void StretchMirror(QImage& image, int srcWidth, int destWidth, int destRight, bool mirrorColumns, int rows,
                   int destBottom, bool flipRows) {
    for (int y = 0; y < rows; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb* dest = reinterpret_cast<QRgb*>(image.scanLine(flipRows ? destBottom - y : y));
        for (int dx = 0; dx < destWidth; ++dx)
            dest[mirrorColumns ? destRight - dx : dx] = src[dx * srcWidth / destWidth];
    }
}

void PaintBox(TCanvas& canvas, int w, int h, TGradientDirection direction, TColor colorA, TColor colorB,
              std::uint8_t colorStep) {
    canvas.Brush.Color = colorA;
    if (colorA == colorB || w < 5 || h < 5) {
        canvas.FillRect({0, 0, w, h});
        return;
    }
    if (direction == gdHorizontalBox || direction == gdSquareBox) canvas.FillRect({0, 0, w, h});
    const int hw = (w - 1) / 2, hh = (h - 1) / 2;
    const int insetX = direction == gdHorizontalBox || direction == gdBigSquareBox ? w / 4 : 0;
    const int insetY = direction == gdVerticalBox || direction == gdBigSquareBox ? h / 4 : 0;
    const int ex = hw - insetX, ey = hh - insetY;
    const int n = std::max(ex, ey) + 1;
    const int dx = ex * 65536 / n, dy = ey * 65536 / n;
    // The corner of step k moves from (ex, ey) to (0, 0); after step n it has left the bitmap.
    const auto cornerX = [&](int k) { return (ex * 65536 - k * dx) >> 16; };
    const auto cornerY = [&](int k) { return (ey * 65536 - k * dy) >> 16; };
    TColorRun run(colorB, colorA, n);
    PaintBands(run, n + 1, MinRun(colorStep, true), [&](int first, int end, TColor color) {
        const int x = cornerX(end - 1), y = cornerY(end - 1);
        const int prevX = first == 0 ? hw + 1 : cornerX(first - 1);
        const int prevY = first == 0 ? hh + 1 : cornerY(first - 1);
        canvas.Brush.Color = color;
        canvas.FillRect({x, y, hw + 1, prevY});
        canvas.FillRect({x, prevY, prevX, hh + 1});
    });
}

void MirrorBox(QImage& image, int w, int h) {
    const int a = w / 2, c = h / 2;
    const int k = a % 2;
    StretchMirror(image, a, a + 1, 0, false, c, h - 1, true);
    StretchMirror(image, a - k, a + k, w - 1, true, h, 0, false);
}

// The diagonal sweeps: a point leaves the starting bottom corner and moves towards the far side
// and upwards; each band is the strip between two sweep lines parallel to the diagonal that does
// not touch the starting corner. The first sweep covers the triangle at the starting corner, the
// second, restarting from the corner with the colour carrying on, the triangle opposite.
void PaintDiagonal(TCanvas& canvas, int w, int h, bool up, TColor colorA, TColor colorB, int minRun) {
    const TColor start = up ? colorA : colorB;
    canvas.Brush.Color = start;
    canvas.FillRect({0, 0, w, h});
    if (colorA == colorB) return;
    canvas.Pen.Style = psClear;
    const int n = int(std::sqrt(double(w) * w + double(h) * h)) + 1;
    const int half = n / 2;
    const int dx = w * 65536 / half, dy = h * 65536 / half;
    // Coordinates of the sweep as if it started bottom-left; Down mirrors them.
    const auto pt = [&](int x, int y) { return up ? QPoint(x, y) : QPoint(w - x, y); };
    const auto sweepX = [&](int k) { return (k * dx) >> 16; };
    const auto sweepY = [&](int k) { return (h * 65536 - k * dy) >> 16; };
    int steps = 0;
    while (h * 65536 - steps * dy >= 0)
        ++steps;

    TColorRun run(start, up ? colorB : colorA, n);
    PaintBands(run, steps, minRun, [&](int first, int end, TColor color) {
        canvas.Brush.Color = color;
        const int x0 = sweepX(first), y0 = sweepY(first);
        if (end < steps)
            canvas.Polygon(QPolygon({pt(0, y0), pt(0, sweepY(end)), pt(sweepX(end), h), pt(x0, h)}));
        else
            canvas.Polygon(QPolygon({pt(0, y0), pt(0, 0), pt(w, h), pt(x0, h)}));
    });
    run.Step();
    PaintBands(run, steps, minRun, [&](int first, int end, TColor color) {
        canvas.Brush.Color = color;
        const int x0 = sweepX(first), y0 = sweepY(first);
        if (end < steps)
            canvas.Polygon(QPolygon({pt(x0, 0), pt(sweepX(end), 0), pt(w, sweepY(end)), pt(w, y0)}));
        else
            canvas.Polygon(QPolygon({pt(x0, 0), pt(w, 0), pt(w, y0)}));
    });
}

} // namespace

void PaintGradient(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor colorA,
                   TColor colorB, std::uint8_t colorStep) {
    const int w = std::abs(r.Width()), h = std::abs(r.Height());
    if (w == 0 || h == 0) return;
    const TColor a = ColorToRGB(colorA), b = ColorToRGB(colorB);
    const int minRun = MinRun(colorStep, false);
    QImage image(w, h, QImage::Format_RGB32);
    {
        TCanvas bitmap(image);
        switch (direction) {
        case gdHorizontalEnd:
        case gdVerticalEnd:
            PaintEnd(bitmap, w, h, direction == gdHorizontalEnd, a, b, minRun);
            break;
        case gdHorizontalCenter:
        case gdVerticalCenter:
            PaintCenter(bitmap, w, h, direction == gdHorizontalCenter, a, b, minRun);
            break;
        case gdDiagonalUp:
        case gdDiagonalDown:
            PaintDiagonal(bitmap, w, h, direction == gdDiagonalUp, a, b, minRun);
            break;
        default:
            PaintBox(bitmap, w, h, direction, a, b, colorStep);
            break;
        }
    }
    if (direction == gdHorizontalEnd || direction == gdHorizontalCenter)
        ExtendByDoubling(image, std::min(w, 8), true);
    else if (direction == gdVerticalEnd || direction == gdVerticalCenter)
        ExtendByDoubling(image, std::min(h, 8), false);
    else if (direction != gdDiagonalUp && direction != gdDiagonalDown && a != b && w >= 5 && h >= 5)
        MirrorBox(image, w, h);
    canvas.Draw(r.Left, r.Top, image);
}

void PaintGradientFrame(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor colorA,
                        TColor colorB) {
    if (!TrueColorDisplay) return;
    canvas.ExcludeClipRect({r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2});
    PaintGradient(canvas, r, direction, colorA, colorB, 1);
    canvas.RemoveClip();
}
