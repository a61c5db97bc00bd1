#pragma once

#include "base/Color.h"
#include "uikit/draw/KtTypes.h"

// The colours of the kit's gradient panels, banner group boxes and group bars. With the
// gcsMSOffice style and the desktop's themes on they follow the desktop's colour scheme
// (XPColorScheme); otherwise they are worked out from the classic system colours.

void GetGradientPanelColors(TKtGradientColorStyle gradientColorStyle, TColor& startColor, TColor& stopColor);
TColor GetGradientFrameColor(TKtGradientColorStyle gradientColorStyle);
void GetGradientGroupColors(TKtGradientColorStyle gradientColorStyle, TColor& first, TColor& second,
                            TColor& third);
void GetGradientBarColors(TKtGradientColorStyle gradientColorStyle, TColor& startColor, TColor& stopColor);

// A colour of the desktop's theme, by index: 0 the edit border, 1 and 2 the explorer bar's
// header texts, 3 its header fill, 4 its background gradient, 5 its item fill, 6 the group-box
// text. clBtnFace without themes or when the theme lacks the colour; white for any other index.
TColor GetXPThemeColor(int index);
