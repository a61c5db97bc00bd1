#pragma once

#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"

// The frame of a framed kit control: an outer frame, a plain band of borderWidth pixels in
// borderColor, and an inner frame, each on the sides in borderSides. The flat styles draw in
// flatColor adjusted by flatColorAdjustment; the popup and status styles are bevels of
// bevelWidth in borderHighlight and borderShadow. The rounded style paints its cut corners in
// parentColor and color (or leaves them when transparent). With openInnerCorners an inner flat
// frame is drawn on all four sides without its corner pixels. Returns the interior.
TRect DrawBorder(TCanvas& canvas, const TRect& r, TFrameStyleEx borderOuter, TFrameStyleEx borderInner,
                 int borderWidth, TSides borderSides, int bevelWidth, TColor borderColor,
                 TColor borderHighlight, TColor borderShadow, TColor flatColor, int flatColorAdjustment,
                 TColor color, TColor parentColor, bool transparent, bool openInnerCorners);
