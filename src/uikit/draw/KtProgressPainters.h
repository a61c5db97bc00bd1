#pragma once

#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"

#include <cstdint>

// The three ways a progress bar draws its value (Percent; 100 and above is a full bar). A
// horizontal bar fills from the left, a vertical one from the bottom. With ShowPercent the value
// is written in the middle, in the back colour over the filled part and in the bar colour over
// the rest. Transparent leaves the unfilled part as it was. Each leaves the brush solid.

// A plain fill.
void DrawPercentBar(TCanvas& canvas, const TRect& r, TOrientation orientation, TColor barColor,
                    TColor backColor, std::uint16_t percent, bool showPercent, bool transparent);
// Segments framed in the back colour; with themes active and ThemeAware, the desktop style's
// progress chunk instead. No segments draws nothing.
void DrawLEDBar(TCanvas& canvas, const TRect& r, TOrientation orientation, TColor barColor, TColor backColor,
                int numSegments, std::uint16_t percent, bool themeAware, bool transparent);
// Gradients for the filled and the unfilled part.
void DrawGradientBar(TCanvas& canvas, const TRect& r, TOrientation orientation, TColor barColor,
                     TColor barColorStop, TColor backColor, TColor backColorStop,
                     TGradientDirection gradientDirection, std::uint16_t percent, bool showPercent,
                     bool transparent);
