#include "uikit/services/KtColorScheme.h"

#include "platform/VisualThemes.h"
#include "uikit/draw/KtColors.h"
#include "uikit/services/KtGlobals.h"
#include "uikit/services/KtThemes.h"

namespace {

struct SchemeColors {
    TColor panelStart;
    TColor panelStop;
    TColor frame;
    TColor barStart;
    TColor barStop;
};

// Indexed by XPColorScheme: blue, homestead, metallic.
constexpr SchemeColors kSchemes[] = {
    {0x00FFEFE3, 0x00EABB99, 0x00BF7F57, 0x00E7A27B, 0x00D67563},
    {0x00EDFFFF, 0x0092C7B8, 0x0077A17F, 0x00ADD9CC, 0x0084BDA5},
    {0x00FFF9F9, 0x00D0BCBD, 0x00B19F9F, 0x00D4C8C4, 0x00C8B3B1},
};

// The scheme's row when the style follows the desktop's theme, else none.
const SchemeColors* themedColors(TKtGradientColorStyle style) {
    if (style != gcsMSOffice || !ThemesActive()) return nullptr;
    return &kSchemes[XPColorScheme < std::size(kSchemes) ? XPColorScheme : 0];
}

// Theme colour property ids.
constexpr int TMT_BORDERCOLOR = 3801;
constexpr int TMT_FILLCOLOR = 3802;
constexpr int TMT_TEXTCOLOR = 3803;
constexpr int TMT_GRADIENTCOLOR1 = 3810;

struct ThemeColorSource {
    const char* themeClass;
    int part;
    int state;
    int propId;
};

constexpr ThemeColorSource kThemeColors[] = {
    {"edit", 0, 2, TMT_BORDERCOLOR},           {"explorerbar", 5, 1, TMT_TEXTCOLOR},
    {"explorerbar", 9, 1, TMT_TEXTCOLOR},      {"explorerbar", 5, 1, TMT_FILLCOLOR},
    {"explorerbar", 0, 2, TMT_GRADIENTCOLOR1}, {"explorerbar", 12, 1, TMT_FILLCOLOR},
    {"button", 4, 1, TMT_TEXTCOLOR},
};

} // namespace

void GetGradientPanelColors(TKtGradientColorStyle gradientColorStyle, TColor& startColor, TColor& stopColor) {
    if (const SchemeColors* scheme = themedColors(gradientColorStyle)) {
        startColor = scheme->panelStart;
        stopColor = scheme->panelStop;
    } else {
        startColor = clWindow;
        stopColor = DarkerColor(clBtnFace, 10);
    }
}

TColor GetGradientFrameColor(TKtGradientColorStyle gradientColorStyle) {
    if (const SchemeColors* scheme = themedColors(gradientColorStyle)) return scheme->frame;
    return LighterColor(clBtnShadow, 30);
}

void GetGradientGroupColors(TKtGradientColorStyle gradientColorStyle, TColor& first, TColor& second,
                            TColor& third) {
    if (const SchemeColors* scheme = themedColors(gradientColorStyle)) {
        first = scheme->panelStop;
        second = scheme->panelStart;
        third = scheme->panelStop;
    } else {
        first = DarkerColor(clBtnFace, 20);
        second = clWindow;
        third = DarkerColor(clBtnFace, 40);
    }
}

void GetGradientBarColors(TKtGradientColorStyle gradientColorStyle, TColor& startColor, TColor& stopColor) {
    if (const SchemeColors* scheme = themedColors(gradientColorStyle)) {
        startColor = scheme->barStart;
        stopColor = scheme->barStop;
    } else {
        startColor = BlendColors(clBlack, clBtnFace, 40);
        stopColor = BlendColors(clBlack, clBtnFace, 80);
    }
}

TColor GetXPThemeColor(int index) {
    if (!ThemesActive()) return clBtnFace;
    if (index < 0 || index >= int(std::size(kThemeColors))) return clWhite;
    const ThemeColorSource& source = kThemeColors[index];
    TColor color = clNone;
    // A theme without the property would leave the colour unset; the button face is what the
    // callers draw with when there is no theme at all, so it serves here too.
    if (!VisualThemes::Instance().ThemeColor(QString::fromLatin1(source.themeClass), source.part,
                                             source.state, source.propId, color))
        return clBtnFace;
    return color;
}
