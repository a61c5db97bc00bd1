#pragma once

#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"

#include <cstdint>

// Fills the rectangle with a gradient from colorA to colorB in one of ten directions:
//  - End: colorA at the top (left) and colorB at the bottom (right) edge;
//  - Center: colorA at both edges and colorB in the middle row (column);
//  - Box: colorB in the middle and colorA outside, spreading as wide bands (Horizontal), tall
//    bands (Vertical), square rings (Square) or rings from an inner box (BigSquare);
//  - Diagonal: colorA in the bottom-left (Up) or top-left (Down) corner, colorB opposite.
// The colour changes in bands of at least colorStep steps (1: at every colour change). Negative
// widths and heights count as their size; an empty rectangle draws nothing.
void PaintGradient(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor colorA,
                   TColor colorB, std::uint8_t colorStep);

// A two-pixel ring along the rectangle's edge in the gradient; skipped on displays of 256
// colours or fewer. Leaves the whole surface drawable.
void PaintGradientFrame(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor colorA,
                        TColor colorB);
