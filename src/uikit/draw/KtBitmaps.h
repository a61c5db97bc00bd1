#pragma once

#include "base/Color.h"
#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"

class QImage;

// The part sourceRect of the bitmap, scaled pixel for pixel to destRect, with every pixel of
// transparentColor left out so that what lies below shows through.
void DrawTransparentBitmapRect(TCanvas& canvas, const QImage& sourceBitmap, const TRect& destRect,
                               const TRect& sourceRect, TColor transparentColor);
// Turns the bitmap upside down in place.
void FlipBitmapVertically(QImage& bitmap);
