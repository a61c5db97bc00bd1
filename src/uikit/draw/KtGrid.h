#pragma once

#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"

enum TKtGridStyle { gsDots, gsDottedLines, gsSolidLines };

// A grid over the rectangle, one mark every xSize columns and ySize rows, the first one
// xSize - 1 and ySize - 1 pixels in, so the last falls on the rectangle's last column or row
// when the size divides it: dots where the lines would cross, or vertical lines and then
// horizontal ones, solid in the pen or dotted (every second pixel from the second one). A size of
// 0 draws nothing in that direction. Leaves the pen in the grid's colour.
void PaintGrid(TCanvas& canvas, const TRect& r, TKtGridStyle style, int xSize, int ySize, TColor color);
