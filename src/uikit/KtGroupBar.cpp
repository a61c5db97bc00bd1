#include "uikit/KtGroupBar.h"

#include "uikit/KtColorScheme.h"
#include "uikit/KtGlobals.h"
#include "uikit/KtGradient.h"
#include "uikit/KtThemes.h"

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
