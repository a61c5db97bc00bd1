#include "uikit/splitter/KtSplitterBar.h"

#include "uikit/draw/KtFrames.h"
#include "uikit/draw/KtGroupBar.h"

#include <QPolygon>
#include <cstdlib>

namespace {

enum TArrow { arLeft, arRight, arUp, arDown };

void DrawArrow(TCanvas& canvas, int x, int y, TArrow arrow) {
    switch (arrow) {
    case arLeft:
        canvas.Polygon(QPolygon({QPoint(x + 1, y - 2), QPoint(x - 1, y), QPoint(x + 1, y + 2)}));
        break;
    case arRight:
        canvas.Polygon(QPolygon({QPoint(x - 1, y - 2), QPoint(x + 1, y), QPoint(x - 1, y + 2)}));
        break;
    case arUp:
        canvas.Polygon(QPolygon({QPoint(x - 2, y + 1), QPoint(x, y - 1), QPoint(x + 2, y + 1)}));
        break;
    case arDown:
        canvas.Polygon(QPolygon({QPoint(x - 2, y - 1), QPoint(x, y + 1), QPoint(x + 2, y - 1)}));
        break;
    }
}

// Whether each of the two arrows points towards the start (left or up) of the drag axis.
void ArrowsTowardsStart(const THotSpotLook& look, bool& first, bool& second) {
    switch (look.Direction) {
    case hsdMin:
        first = second = !look.Closed;
        break;
    case hsdMax:
        first = second = look.Closed;
        break;
    case hsdBoth:
        if (!look.Closed) {
            first = true;
            second = false;
        } else {
            first = second = !look.ClosedToMin;
        }
        break;
    }
}

} // namespace

void DrawSplitterBar(TCanvas& canvas, const TRect& bar, TOrientation orientation,
                     const TSplitterBarLook& look) {
    switch (look.Style) {
    case ssGroove:
    case ssBump: {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = look.Color;
        canvas.FillRect(bar);
        const TFrameStyle strip = look.Style == ssGroove ? fsStatus : fsPopup;
        if (orientation == orHorizontal) {
            const int mid = bar.Left + bar.Width() / 2;
            DrawBorderAll(canvas, {mid - 3, bar.Top, mid, bar.Bottom}, strip);
            DrawBorderAll(canvas, {mid, bar.Top, mid + 3, bar.Bottom}, strip);
        } else {
            const int mid = bar.Top + bar.Height() / 2;
            DrawBorderAll(canvas, {bar.Left, mid - 3, bar.Right, mid}, strip);
            DrawBorderAll(canvas, {bar.Left, mid, bar.Right, mid + 3}, strip);
        }
        break;
    }
    case ssGroupBar:
        if (look.VisualStyle != vsClassic) {
            DrawGroupBarBackground(canvas, bar, look.VisualStyle, look.GradientColorStyle,
                                   look.GradientPath == gpBottomToTop, look.GradientColorStart,
                                   look.GradientColorStop);
            break;
        }
        [[fallthrough]];
    case ssStandard:
        if (!look.FullRepaint) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = look.Color;
            canvas.FillRect(bar);
        }
        break;
    }
}

void DrawSplitterHotSpot(TCanvas& canvas, const TRect& hotSpot, TOrientation orientation,
                         const THotSpotLook& look, bool highlight, QPoint cursor) {
    const int cx = hotSpot.Left + hotSpot.Width() / 2;
    const int cy = hotSpot.Top + hotSpot.Height() / 2;
    const TRect inside = DrawSides(canvas, hotSpot, look.FrameColor, look.FrameColor, AllSides);

    canvas.Brush.Style = bsSolid;
    if (look.Direction == hsdBoth) {
        canvas.Brush.Color = look.Color;
        canvas.FillRect(inside);
        if (highlight) {
            TRect lit = inside;
            if (!look.Closed) {
                if (orientation == orHorizontal) {
                    if (cursor.y() >= cy)
                        lit.Top = cy;
                    else
                        lit.Bottom = cy;
                } else {
                    if (cursor.x() >= cx)
                        lit.Left = cx;
                    else
                        lit.Right = cx;
                }
            }
            canvas.Brush.Color = look.Highlight;
            canvas.FillRect(lit);
        }
    } else {
        canvas.Brush.Color = highlight ? look.Highlight : look.Color;
        canvas.FillRect(inside);
    }

    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    if (look.Direction == hsdBoth && !look.Closed) {
        canvas.Pen.Color = look.FrameColor;
        if (orientation == orHorizontal)
            canvas.Line(hotSpot.Left, cy, hotSpot.Right, cy);
        else
            canvas.Line(cx, hotSpot.Top, cx, hotSpot.Bottom);
    }

    canvas.Pen.Color = look.DotColor;
    canvas.Brush.Color = look.DotColor;
    bool firstToStart = false, secondToStart = false;
    ArrowsTowardsStart(look, firstToStart, secondToStart);
    if (orientation == orHorizontal) {
        DrawArrow(canvas, cx, hotSpot.Top + 8, firstToStart ? arLeft : arRight);
        DrawArrow(canvas, cx, hotSpot.Bottom - 8, secondToStart ? arLeft : arRight);
    } else {
        DrawArrow(canvas, hotSpot.Left + 8, cy, firstToStart ? arUp : arDown);
        DrawArrow(canvas, hotSpot.Right - 8, cy, secondToStart ? arUp : arDown);
    }

    // Dots every third pixel from 15 pixels in; the division truncates towards zero, so a hot
    // spot one or two pixels shorter than 32 still gets its first dot.
    const int start = orientation == orHorizontal ? hotSpot.Top : hotSpot.Left;
    const int length = orientation == orHorizontal ? hotSpot.Height() : hotSpot.Width();
    const int middle = orientation == orHorizontal ? cy : cx;
    const int n = (length - 32) / 3;
    for (int i = 0; i <= n; ++i) {
        const int at = start + 15 + 3 * i;
        if (look.Direction == hsdBoth && !look.Closed && std::abs(at - middle) < 4) continue;
        if (orientation == orHorizontal)
            canvas.SetPixel(cx, at, look.DotColor);
        else
            canvas.SetPixel(at, cy, look.DotColor);
    }
}
