#pragma once

#include "base/Color.h"
#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"

#include <QPoint>

// The face of a splitter's bar and of the hot spot on it. Stateless: the splitter gathers its
// settings and calls these from its paint, and tests run them on an image.

enum TSplitterStyle { ssStandard, ssGroove, ssBump, ssGroupBar };
// Which pane a click on the hot spot closes: pane 1, pane 2, or the one on the clicked half's side.
enum THotSpotDirection { hsdMin, hsdMax, hsdBoth };
enum TKtGroupBarGradientPath { gpTopToBottom, gpBottomToTop };

struct TSplitterBarLook {
    TSplitterStyle Style = ssStandard;
    TColor Color = clBtnFace;
    // The panel has already painted the whole control, the bar's area included.
    bool FullRepaint = true;
    TKtVisualStyle VisualStyle = vsWinXP;
    TKtGradientColorStyle GradientColorStyle = gcsSystem;
    TKtGroupBarGradientPath GradientPath = gpTopToBottom;
    TColor GradientColorStart = clWhite;
    TColor GradientColorStop = clBtnFace;
};

struct THotSpotLook {
    THotSpotDirection Direction = hsdMin;
    TColor Color = clBtnFace;
    TColor DotColor = clHighlight;
    TColor FrameColor = clBtnShadow;
    TColor Highlight = clWindow;
    // The hot spot holds a pane closed, and towards which end.
    bool Closed = false;
    bool ClosedToMin = false;
};

// The bar in `bar` of a splitter whose panes lie along `orientation` (orHorizontal: side by side,
// so the bar is upright). The groove and bump styles cut two 3-pixel strips across the bar at its
// middle; the first may reach one pixel over the bar's near edge, where pane 1 covers it.
void DrawSplitterBar(TCanvas& canvas, const TRect& bar, TOrientation orientation,
                     const TSplitterBarLook& look);

// The hot spot: a frame, the fill (with `highlight`, the half under `cursor`, or all of it while
// closed, for hsdBoth), two arrows pointing the way a click moves the bar, and a dotted middle line.
void DrawSplitterHotSpot(TCanvas& canvas, const TRect& hotSpot, TOrientation orientation,
                         const THotSpotLook& look, bool highlight, QPoint cursor);
