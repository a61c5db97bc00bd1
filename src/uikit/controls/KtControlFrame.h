#pragma once

#include "base/Color.h"
#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"
#include "uikit/services/KtFrameController.h"

// The frame settings a framed kit control (border, LED display, label, panel) keeps: an outer and
// an inner frame style with a plain band of BorderWidth between them, all on BorderSides. The
// controls differ in when they repaint and what they do with the space inside, so they keep one
// of these and decide that themselves.
struct TKtControlFrame {
    int BevelWidth = 1; // of the status and popup styles
    int BorderWidth = 0;
    TColor BorderColor = clBtnFace;
    TColor BorderHighlight = clBtnHighlight;
    TColor BorderShadow = clBtnShadow;
    TFrameStyleEx BorderInner = fsNone;
    TFrameStyleEx BorderOuter = fsNone;
    TSides BorderSides = AllSides;
    TColor FlatColor = clBtnShadow;
    int FlatColorAdjustment = 30;

    // How many pixels a frame of the style takes off each side it is drawn on.
    int StyleWidth(TFrameStyleEx style) const;
    // The rectangle without the band (on all four sides, when withBorderWidth) and without the
    // outer and inner frames on BorderSides.
    TRect Shrink(TRect r, bool withBorderWidth) const;
    // Grows the right and bottom edges by exactly what Shrink with the band takes off.
    void Extend(TRect& r) const;
    // Draws the frames on r and returns what is inside them.
    TRect Draw(TCanvas& canvas, const TRect& r, TColor color, TColor parentColor, bool transparent) const;
    // Takes the controller's frame style, sides and frame colour and the 3-D colours made from its
    // colour, as far as `accepted` lets it. False, with nothing taken, while the controller's frame
    // is not visible.
    bool Take(const TKtFrameController& controller, TKtFrameControllerNotifications accepted);
};
