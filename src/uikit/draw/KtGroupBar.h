#pragma once

#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"

// The background of a group bar: the desktop style's task-pane face for vsWinXP when themes are
// on; otherwise, for any style but vsClassic and on displays of more than 256 colours, a
// top-to-bottom gradient in the colour style's bar colours (startColor and stopColor for
// gcsCustom), turned over when reversed. Nothing else is drawn.
void DrawGroupBarBackground(TCanvas& canvas, const TRect& r, TKtVisualStyle visualStyle,
                            TKtGradientColorStyle gradientColorStyle, bool reversed, TColor startColor,
                            TColor stopColor);
