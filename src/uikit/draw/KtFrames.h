#pragma once

#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"

// One-pixel side lines, bevels and the frame styles. Every routine draws on the canvas and
// returns what remains inside what it drew, so frames chain by feeding one result to the next.
// A side colour of clNone leaves that side undrawn but still takes it off the interior.

// The rectangle with `by` taken off each side in `sides`.
TRect InsetSides(const TRect& r, int by, TSides sides);

// Left and top in ulColor, right and bottom in lrColor; the top-right and bottom-left corner
// pixels end in lrColor.
TRect DrawSides(TCanvas& canvas, const TRect& r, TColor ulColor, TColor lrColor, TSides sides);
// `width` nested side lines; leaves the pen one pixel wide.
TRect DrawBevel(TCanvas& canvas, const TRect& r, TColor ulColor, TColor lrColor, int width, TSides sides);
TRect Draw3DBorderSides(TCanvas& canvas, const TRect& r, bool lowered, TSides sides);
TRect DrawButtonBorderSides(TCanvas& canvas, const TRect& r, bool down, TSides sides);
TRect DrawButtonBorder(TCanvas& canvas, const TRect& r, bool down);
TRect DrawColorButtonBorderSides(TCanvas& canvas, const TRect& r, TColor color, bool down, TSides sides);
TRect DrawColorButtonBorder(TCanvas& canvas, const TRect& r, TColor color, bool down);
// A frame style in the desktop's system colours.
TRect DrawBorderSides(TCanvas& canvas, const TRect& r, TFrameStyle style, TSides sides);
TRect DrawBorderAll(TCanvas& canvas, const TRect& r, TFrameStyle style);
// A frame style in shades of one colour.
TRect DrawColorBorderSides(TCanvas& canvas, const TRect& r, TColor color, TFrameStyle style, TSides sides);
TRect DrawColorBorderAll(TCanvas& canvas, const TRect& r, TColor color, TFrameStyle style);
TRect DrawBox(TCanvas& canvas, const TRect& r, TColor color);
// One-colour frame whose corners are cut by one pixel.
TRect DrawRoundedFlatBorder(TCanvas& canvas, const TRect& r, TColor color, TSides sides);
// Dotted black frame; pen and brush are left alone.
TRect DrawFocusBorder(TCanvas& canvas, const TRect& r);
