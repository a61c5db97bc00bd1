#include "uikit/controls/KtControlFrame.h"

#include "uikit/draw/KtBorder.h"
#include "uikit/draw/KtColors.h"

int TKtControlFrame::StyleWidth(TFrameStyleEx style) const {
    switch (style) {
    case fsNone:
        return 0;
    case fsFlat:
        return 1;
    case fsStatus:
    case fsPopup:
        return BevelWidth;
    default:
        return 2;
    }
}

TRect TKtControlFrame::Shrink(TRect r, bool withBorderWidth) const {
    if (withBorderWidth)
        r = {r.Left + BorderWidth, r.Top + BorderWidth, r.Right - BorderWidth, r.Bottom - BorderWidth};
    for (TFrameStyleEx style : {BorderOuter, BorderInner}) {
        const int n = StyleWidth(style);
        if (BorderSides.Contains(sdLeft)) r.Left += n;
        if (BorderSides.Contains(sdTop)) r.Top += n;
        if (BorderSides.Contains(sdRight)) r.Right -= n;
        if (BorderSides.Contains(sdBottom)) r.Bottom -= n;
    }
    return r;
}

void TKtControlFrame::Extend(TRect& r) const {
    r.Right += 2 * BorderWidth;
    r.Bottom += 2 * BorderWidth;
    for (TFrameStyleEx style : {BorderOuter, BorderInner}) {
        const int n = StyleWidth(style);
        if (BorderSides.Contains(sdLeft)) r.Right += n;
        if (BorderSides.Contains(sdRight)) r.Right += n;
        if (BorderSides.Contains(sdTop)) r.Bottom += n;
        if (BorderSides.Contains(sdBottom)) r.Bottom += n;
    }
}

TRect TKtControlFrame::Draw(TCanvas& canvas, const TRect& r, TColor color, TColor parentColor,
                            bool transparent) const {
    return DrawBorder(canvas, r, BorderOuter, BorderInner, BorderWidth, BorderSides, BevelWidth, BorderColor,
                      BorderHighlight, BorderShadow, FlatColor, FlatColorAdjustment, color, parentColor,
                      transparent, false);
}

bool TKtControlFrame::Take(const TKtFrameController& controller, TKtFrameControllerNotifications accepted) {
    if (!controller.FrameVisible()) return false;
    auto accepts = [accepted](TKtFrameControllerProperty p) { return AcceptsNotification(accepted, p); };
    if (accepts(fcpFrameStyle)) BorderOuter = controller.FrameStyle();
    if (accepts(fcpFrameSides)) BorderSides = controller.FrameSides();
    if (accepts(fcpFrameColor)) {
        FlatColor = controller.FrameColor();
        FlatColorAdjustment = 0;
    }
    if (accepts(fcpColor)) {
        BorderHighlight = LighterColor(controller.Color(), 100);
        BorderShadow = DarkerColor(controller.Color(), 50);
    }
    return true;
}
