#include "uikit/draw/KtGroupBar.h"

#include "uikit/draw/KtGradient.h"
#include "uikit/services/KtColorScheme.h"
#include "uikit/services/KtGlobals.h"
#include "uikit/services/KtThemes.h"

#include <utility>

void DrawGroupBarBackground(TCanvas& canvas, const TRect& r, TKtVisualStyle visualStyle,
                            TKtGradientColorStyle gradientColorStyle, bool reversed, TColor startColor,
                            TColor stopColor) {
    if (visualStyle == vsWinXP && ThemesActive()) {
        canvas.DrawThemeElement(teGroupBarBackground, r);
        return;
    }
    if (visualStyle == vsClassic || !TrueColorDisplay) return;
    TColor start = startColor, stop = stopColor;
    if (gradientColorStyle != gcsCustom) GetGradientBarColors(gradientColorStyle, start, stop);
    if (reversed) std::swap(start, stop);
    PaintGradient(canvas, r, gdHorizontalEnd, start, stop, 1);
}
