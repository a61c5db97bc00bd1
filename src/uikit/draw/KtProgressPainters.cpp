#include "uikit/draw/KtProgressPainters.h"

#include "base/Rounding.h"
#include "uikit/draw/KtBitmaps.h"
#include "uikit/draw/KtGradient.h"
#include "uikit/services/KtThemes.h"

#include <QImage>
#include <algorithm>

namespace {

// The filled and the unfilled part of a bar, and where its text goes.
struct TBarParts {
    TRect Filled;
    TRect Empty;
    QString Text;
    int X;
    int Y;
};

TBarParts SplitBar(TCanvas& canvas, const TRect& r, TOrientation orientation, std::uint16_t percent,
                   bool showPercent) {
    TBarParts parts;
    parts.Text = showPercent ? QStringLiteral("%1%").arg(percent) : QString();
    parts.Filled = r;
    if (percent < 100) {
        if (orientation == orHorizontal)
            parts.Filled.Right = r.Left + RoundHalfEven(r.Width() * percent / 100.0);
        else
            parts.Filled.Top = r.Bottom - RoundHalfEven(r.Height() * percent / 100.0);
    }
    if (orientation == orHorizontal)
        parts.Empty = {parts.Filled.Right, r.Top, r.Right, r.Bottom};
    else
        parts.Empty = {r.Left, r.Top, r.Right, parts.Filled.Top};
    canvas.TextAlign = taCenter;
    parts.X = (r.Left + r.Right) / 2;
    parts.Y = r.Top + (r.Height() - canvas.TextHeight(QStringLiteral("X"))) / 2;
    return parts;
}

// Length of the segments and where the first begins, along the bar.
struct TSegments {
    int Count = 0;
    int Length = 0;
    int Margin = 0;
};

TSegments LayOutSegments(int length, int numSegments) {
    TSegments s;
    int segments = numSegments;
    s.Length = length / segments;
    // Short bars show at most ten segments so each stays wide enough to see.
    if (length <= 80 && numSegments >= 11) {
        segments = 10;
        s.Length = length / 10;
    }
    const int extra = s.Length > 0 ? (length - segments * s.Length) / s.Length : 0;
    s.Count = extra >= 1 ? segments + extra : segments;
    s.Margin = (length - s.Count * s.Length) / 2;
    return s;
}

void DrawThemedChunk(TCanvas& canvas, const TRect& r, TOrientation orientation, std::uint16_t percent) {
    TRect chunk{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    if (orientation == orHorizontal) {
        chunk.Right = chunk.Left + RoundHalfEven(chunk.Width() * percent / 100.0);
        if (chunk.Width() > 0) canvas.DrawThemeElement(teProgressChunk, chunk);
        return;
    }
    chunk.Top = chunk.Bottom - RoundHalfEven(chunk.Height() * percent / 100.0);
    if (chunk.Width() <= 0) return;
    // The style draws a vertical chunk from the top; turned over, its pattern starts at the bottom.
    QImage image(chunk.Width(), std::max(chunk.Height(), 1), QImage::Format_RGB32);
    {
        TCanvas bitmap(image);
        bitmap.DrawThemeElement(teProgressChunkVertical, {0, 0, image.width(), image.height()});
    }
    FlipBitmapVertically(image);
    canvas.Draw(chunk.Left, chunk.Top, image);
}

} // namespace

void DrawPercentBar(TCanvas& canvas, const TRect& r, TOrientation orientation, TColor barColor,
                    TColor backColor, std::uint16_t percent, bool showPercent, bool transparent) {
    const TBarParts parts = SplitBar(canvas, r, orientation, percent, showPercent);
    canvas.FontColor = backColor;
    canvas.Brush.Color = barColor;
    canvas.Brush.Style = bsSolid;
    canvas.TextRect(parts.Filled, parts.X, parts.Y, parts.Text);
    canvas.FontColor = barColor;
    canvas.Brush.Color = backColor;
    canvas.Brush.Style = transparent ? bsClear : bsSolid;
    canvas.TextRect(parts.Empty, parts.X, parts.Y, parts.Text);
    canvas.Brush.Style = bsSolid;
}

void DrawGradientBar(TCanvas& canvas, const TRect& r, TOrientation orientation, TColor barColor,
                     TColor barColorStop, TColor backColor, TColor backColorStop,
                     TGradientDirection gradientDirection, std::uint16_t percent, bool showPercent,
                     bool transparent) {
    const TBarParts parts = SplitBar(canvas, r, orientation, percent, showPercent);
    canvas.FontColor = backColor;
    PaintGradient(canvas, parts.Filled, gradientDirection, barColor, barColorStop, 1);
    canvas.Brush.Style = bsClear;
    canvas.TextRect(parts.Filled, parts.X, parts.Y, parts.Text);
    canvas.FontColor = barColor;
    if (!transparent) PaintGradient(canvas, parts.Empty, gradientDirection, backColor, backColorStop, 1);
    canvas.TextRect(parts.Empty, parts.X, parts.Y, parts.Text);
    canvas.Brush.Style = bsSolid;
}

void DrawLEDBar(TCanvas& canvas, const TRect& r, TOrientation orientation, TColor barColor, TColor backColor,
                int numSegments, std::uint16_t percent, bool themeAware, bool transparent) {
    // A progress bar may be set beyond 100 %; the bar never shows more than full.
    percent = std::min<std::uint16_t>(percent, 100);
    if (themeAware && ThemesActive()) {
        DrawThemedChunk(canvas, r, orientation, percent);
        return;
    }
    if (numSegments <= 0) return;
    const bool horizontal = orientation == orHorizontal;
    const TSegments s = LayOutSegments(horizontal ? r.Width() : r.Height(), numSegments);
    if (!transparent) {
        // Pen-less rectangles leave out their right column and bottom row, hence the extra pixel.
        canvas.Pen.Style = psClear;
        canvas.Brush.Color = backColor;
        if (horizontal) {
            canvas.Rectangle({r.Left, r.Top, r.Left + s.Margin + 1, r.Bottom + 1});
            canvas.Rectangle({r.Right - s.Margin - 1, r.Top, r.Right + 1, r.Bottom + 1});
        } else {
            canvas.Rectangle({r.Left, r.Top, r.Right + 1, r.Top + s.Margin + 1});
            canvas.Rectangle({r.Left, r.Bottom - s.Margin - 1, r.Right + 1, r.Bottom + 1});
        }
    }
    canvas.Pen.Color = backColor;
    canvas.Pen.Style = transparent ? psClear : psSolid;
    canvas.Brush.Color = barColor;
    const int lit = percent * s.Count / 100;
    const int grow = transparent ? 1 : 0;
    const auto segment = [&](int i) {
        if (horizontal) {
            const int left = r.Left + (i - 1) * s.Length + s.Margin;
            return TRect{left, r.Top, left + s.Length + grow, r.Bottom + grow};
        }
        const int top = r.Top + (s.Count - i) * s.Length + s.Margin;
        return TRect{r.Left, top, r.Right + grow, top + s.Length + grow};
    };
    for (int i = 1; i <= lit; ++i)
        canvas.Rectangle(segment(i));
    if (!transparent) {
        canvas.Brush.Color = backColor;
        for (int i = lit + 1; i <= s.Count; ++i)
            canvas.Rectangle(segment(i));
    }
    canvas.Pen.Style = psSolid;
}
