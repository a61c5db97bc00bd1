#include "uikit/draw/KtBorder.h"

#include "uikit/draw/KtColors.h"
#include "uikit/draw/KtFrames.h"

namespace {

bool IsFlatStyle(TFrameStyleEx style) {
    return style == fsFlat || style == fsFlatBold || style == fsFlatRounded;
}

// What the outer and inner frames draw alike.
struct TBorderFrame {
    TCanvas& canvas;
    TSides sides;
    int bevelWidth;
    TColor highlight;
    TColor shadow;
    TColor flatLine;

    TRect Bevel(const TRect& r, TFrameStyleEx style) const {
        if (style == fsPopup) return DrawBevel(canvas, r, highlight, shadow, bevelWidth, sides);
        return DrawBevel(canvas, r, shadow, highlight, bevelWidth, sides);
    }
    // One-pixel rings under a rounded frame fill its cut corners: in the parent's colour outside
    // and the band's or the control's colour inside.
    TRect Ring(const TRect& r, TColor color) const { return DrawBevel(canvas, r, color, color, 1, sides); }
};

} // namespace

TRect DrawBorder(TCanvas& canvas, const TRect& r, TFrameStyleEx borderOuter, TFrameStyleEx borderInner,
                 int borderWidth, TSides borderSides, int bevelWidth, TColor borderColor,
                 TColor borderHighlight, TColor borderShadow, TColor flatColor, int flatColorAdjustment,
                 TColor color, TColor parentColor, bool transparent, bool openInnerCorners) {
    const TColor flatLine = IsFlatStyle(borderOuter) || IsFlatStyle(borderInner)
                                ? AdjustColor(flatColor, flatColorAdjustment)
                                : flatColor;
    const TBorderFrame frame{canvas, borderSides, bevelWidth, borderHighlight, borderShadow, flatLine};
    const bool banded = borderWidth > 0 || borderInner != fsNone;

    TRect inner;
    switch (borderOuter) {
    case fsFlat:
        inner = DrawBevel(canvas, r, flatLine, flatLine, 1, borderSides);
        break;
    case fsFlatBold:
        inner = DrawBevel(canvas, r, flatLine, flatLine, 2, borderSides);
        break;
    case fsFlatRounded:
        if (!transparent)
            frame.Ring(frame.Ring(r, parentColor), banded ? borderColor : color);
        else if (banded)
            frame.Ring(InsetSides(r, 1, AllSides), borderColor);
        inner = DrawRoundedFlatBorder(canvas, r, flatLine, borderSides);
        break;
    case fsPopup:
    case fsStatus:
        inner = frame.Bevel(r, borderOuter);
        break;
    default:
        inner = DrawBorderSides(canvas, r, borderOuter, borderSides);
        break;
    }

    if (borderWidth > 0) inner = DrawBevel(canvas, inner, borderColor, borderColor, borderWidth, borderSides);

    switch (borderInner) {
    case fsFlat:
        if (!openInnerCorners) return DrawBevel(canvas, inner, flatLine, flatLine, 1, borderSides);
        canvas.Pen.Color = flatLine;
        canvas.Line(inner.Left, inner.Top + 1, inner.Left, inner.Bottom - 1);
        canvas.Line(inner.Left + 1, inner.Top, inner.Right - 1, inner.Top);
        canvas.Line(inner.Right - 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1);
        canvas.Line(inner.Left + 1, inner.Bottom - 1, inner.Right - 1, inner.Bottom - 1);
        return InsetSides(inner, 1, AllSides);
    case fsFlatBold:
        return DrawBevel(canvas, inner, flatLine, flatLine, 2, borderSides);
    case fsFlatRounded:
        if (!transparent)
            frame.Ring(frame.Ring(inner, borderColor), color);
        else
            frame.Ring(inner, borderColor);
        return DrawRoundedFlatBorder(canvas, inner, flatLine, borderSides);
    case fsPopup:
    case fsStatus:
        return frame.Bevel(inner, borderInner);
    default:
        return DrawBorderSides(canvas, inner, borderInner, borderSides);
    }
}
