#include "uikit/draw/KtFrames.h"

#include "uikit/draw/KtColors.h"

namespace {

struct TColorPair {
    TColor UL;
    TColor LR;
};

// Upper-left and lower-right colours of the styles drawn with one pair; the two-line styles take
// theirs from the tables below.
TColorPair StyleColors(TFrameStyle style) {
    switch (style) {
    case fsFlat:
        return {cl3DDkShadow, cl3DDkShadow};
    case fsGroove:
    case fsStatus:
        return {clBtnShadow, clBtnHighlight};
    case fsBump:
    case fsPopup:
        return {clBtnHighlight, clBtnShadow};
    case fsFlatBold:
        return {clBtnShadow, clBtnShadow};
    default:
        return {clNone, clNone};
    }
}

// Outer and inner line of the 3-D frame, raised and lowered.
constexpr TColorPair k3DOuter[2] = {{cl3DLight, cl3DDkShadow}, {clBtnShadow, clBtnHighlight}};
constexpr TColorPair k3DInner[2] = {{clBtnHighlight, clBtnShadow}, {cl3DDkShadow, cl3DLight}};
// Outer and inner line of the push-button frame, up and down.
constexpr TColorPair kButtonOuter[2] = {{clBtnHighlight, cl3DDkShadow}, {clBtnText, clBtnText}};
constexpr TColorPair kButtonInner[2] = {{cl3DLight, clBtnShadow}, {clBtnShadow, clBtnShadow}};

TRect DrawTwoLines(TCanvas& canvas, const TRect& r, TColorPair outer, TColorPair inner, TSides sides) {
    const TRect mid = DrawBevel(canvas, r, outer.UL, outer.LR, 1, sides);
    return DrawBevel(canvas, mid, inner.UL, inner.LR, 1, sides);
}

// The etched look of groove and bump: a line in one colour offset by a pixel from a line in the
// other. Where a side is missing, single pixels finish the ends of the neighbouring sides so the
// open frame still reads as etched.
TRect DrawEtched(TCanvas& canvas, const TRect& r, TColor ul, TColor lr, TSides sides) {
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
    const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
    if (right)
        canvas.SetPixel(r.Right - 1, r.Top, lr);
    else if (top)
        canvas.SetPixel(r.Right - 1, r.Top, ul);
    if (bottom)
        canvas.SetPixel(r.Left, r.Bottom - 1, lr);
    else if (left)
        canvas.SetPixel(r.Left, r.Bottom - 1, ul);
    if (top && !left) canvas.SetPixel(r.Left, r.Top + 1, lr);
    if (left && !top) canvas.SetPixel(r.Left + 1, r.Top, lr);
    if (bottom && !right) canvas.SetPixel(r.Right - 1, r.Bottom - 2, ul);
    if (right && !bottom) canvas.SetPixel(r.Right - 2, r.Bottom - 1, ul);
    TRect w{r.Left + 1, r.Top + 1, r.Right, r.Bottom};
    DrawSides(canvas, w, lr, lr, sides);
    w = {w.Left - 1, w.Top - 1, w.Right - 1, w.Bottom - 1};
    DrawSides(canvas, w, ul, ul, sides);
    return InsetSides(r, 2, sides);
}

} // namespace

TRect InsetSides(const TRect& r, int by, TSides sides) {
    TRect result = r;
    if (sides.Contains(sdLeft)) result.Left += by;
    if (sides.Contains(sdTop)) result.Top += by;
    if (sides.Contains(sdRight)) result.Right -= by;
    if (sides.Contains(sdBottom)) result.Bottom -= by;
    return result;
}

TRect DrawSides(TCanvas& canvas, const TRect& r, TColor ulColor, TColor lrColor, TSides sides) {
    if (ulColor != clNone) {
        canvas.Pen.Color = ulColor;
        if (sides.Contains(sdLeft)) canvas.Line(r.Left, r.Top, r.Left, r.Bottom);
        if (sides.Contains(sdTop)) canvas.Line(r.Left, r.Top, r.Right, r.Top);
    }
    if (lrColor != clNone) {
        canvas.Pen.Color = lrColor;
        if (sides.Contains(sdRight)) canvas.Line(r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        if (sides.Contains(sdBottom)) canvas.Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    return InsetSides(r, 1, sides);
}

TRect DrawBevel(TCanvas& canvas, const TRect& r, TColor ulColor, TColor lrColor, int width, TSides sides) {
    canvas.Pen.Width = 1;
    TRect result = r;
    for (int i = 0; i < width; ++i)
        result = DrawSides(canvas, result, ulColor, lrColor, sides);
    return result;
}

TRect Draw3DBorderSides(TCanvas& canvas, const TRect& r, bool lowered, TSides sides) {
    return DrawTwoLines(canvas, r, k3DOuter[lowered], k3DInner[lowered], sides);
}

TRect DrawButtonBorderSides(TCanvas& canvas, const TRect& r, bool down, TSides sides) {
    return DrawTwoLines(canvas, r, kButtonOuter[down], kButtonInner[down], sides);
}

TRect DrawButtonBorder(TCanvas& canvas, const TRect& r, bool down) {
    return DrawButtonBorderSides(canvas, r, down, AllSides);
}

TRect DrawColorButtonBorderSides(TCanvas& canvas, const TRect& r, TColor color, bool down, TSides sides) {
    if (down) {
        const TColor d100 = DarkerColor(color, 100), d50 = DarkerColor(color, 50);
        return DrawTwoLines(canvas, r, {d100, d100}, {d50, d50}, sides);
    }
    return DrawTwoLines(canvas, r, {LighterColor(color, 100), DarkerColor(color, 100)},
                        {LighterColor(color, 40), DarkerColor(color, 50)}, sides);
}

TRect DrawColorButtonBorder(TCanvas& canvas, const TRect& r, TColor color, bool down) {
    return DrawColorButtonBorderSides(canvas, r, color, down, AllSides);
}

TRect DrawBorderSides(TCanvas& canvas, const TRect& r, TFrameStyle style, TSides sides) {
    const TColorPair c = StyleColors(style);
    switch (style) {
    case fsFlat:
    case fsStatus:
    case fsPopup:
        return DrawSides(canvas, r, c.UL, c.LR, sides);
    case fsFlatBold:
        return DrawBevel(canvas, r, c.UL, c.LR, 2, sides);
    case fsLowered:
    case fsRaised:
        return Draw3DBorderSides(canvas, r, style == fsLowered, sides);
    case fsButtonDown:
    case fsButtonUp:
        return DrawButtonBorderSides(canvas, r, style == fsButtonDown, sides);
    case fsGroove:
    case fsBump:
        return DrawEtched(canvas, r, c.UL, c.LR, sides);
    default:
        return r;
    }
}

TRect DrawBorderAll(TCanvas& canvas, const TRect& r, TFrameStyle style) {
    return DrawBorderSides(canvas, r, style, AllSides);
}

TRect DrawColorBorderSides(TCanvas& canvas, const TRect& r, TColor color, TFrameStyle style, TSides sides) {
    const auto d50 = [color] { return DarkerColor(color, 50); };
    const auto d100 = [color] { return DarkerColor(color, 100); };
    const auto l50 = [color] { return LighterColor(color, 50); };
    const auto l100 = [color] { return LighterColor(color, 100); };
    switch (style) {
    case fsFlat:
        return DrawSides(canvas, r, d50(), d50(), sides);
    case fsStatus:
        return DrawSides(canvas, r, d50(), l100(), sides);
    case fsPopup:
        return DrawSides(canvas, r, l100(), d50(), sides);
    case fsFlatBold:
        return DrawBevel(canvas, r, d50(), d50(), 2, sides);
    case fsLowered:
        return DrawTwoLines(canvas, r, {d50(), l100()}, {d100(), l50()}, sides);
    case fsRaised:
        return DrawTwoLines(canvas, r, {l50(), d100()}, {l100(), d50()}, sides);
    case fsButtonDown:
    case fsButtonUp:
        return DrawColorButtonBorderSides(canvas, r, color, style == fsButtonDown, sides);
    case fsGroove:
        return DrawEtched(canvas, r, d50(), l100(), sides);
    case fsBump:
        return DrawEtched(canvas, r, l100(), d50(), sides);
    default:
        return r;
    }
}

TRect DrawColorBorderAll(TCanvas& canvas, const TRect& r, TColor color, TFrameStyle style) {
    return DrawColorBorderSides(canvas, r, color, style, AllSides);
}

TRect DrawBox(TCanvas& canvas, const TRect& r, TColor color) {
    return DrawSides(canvas, r, color, color, AllSides);
}

TRect DrawRoundedFlatBorder(TCanvas& canvas, const TRect& r, TColor color, TSides sides) {
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
    const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
    const int l = left ? 2 : 0, t = top ? 2 : 0, rr = right ? 2 : 0, b = bottom ? 2 : 0;
    canvas.Pen.Color = color;
    if (left) canvas.Line(r.Left, r.Top + t, r.Left, r.Bottom - b);
    if (top) canvas.Line(r.Left + l, r.Top, r.Right - rr, r.Top);
    if (right) canvas.Line(r.Right - 1, r.Top + t, r.Right - 1, r.Bottom - b);
    if (bottom) canvas.Line(r.Left + l, r.Bottom - 1, r.Right - rr, r.Bottom - 1);
    if (left && top) canvas.SetPixel(r.Left + 1, r.Top + 1, color);
    if (right && top) canvas.SetPixel(r.Right - 2, r.Top + 1, color);
    if (right && bottom) canvas.SetPixel(r.Right - 2, r.Bottom - 2, color);
    if (left && bottom) canvas.SetPixel(r.Left + 1, r.Bottom - 2, color);
    return InsetSides(r, 2, sides);
}

TRect DrawFocusBorder(TCanvas& canvas, const TRect& r) {
    for (int y = r.Top + 1; y < r.Bottom - 1; y += 2) {
        canvas.SetPixel(r.Left, y, clBlack);
        canvas.SetPixel(r.Right - 1, y, clBlack);
    }
    for (int x = r.Left + 1; x < r.Right - 1; x += 2) {
        canvas.SetPixel(x, r.Top, clBlack);
        canvas.SetPixel(x, r.Bottom - 1, clBlack);
    }
    return InsetSides(r, 1, AllSides);
}
