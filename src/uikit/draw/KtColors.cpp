#include "uikit/draw/KtColors.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::uint8_t Amount(int amount) {
    return std::uint8_t(std::clamp(amount, 0, 255));
}

} // namespace

void ColorToHLS(TColor color, std::uint8_t& h, std::uint8_t& s, std::uint8_t& l) {
    const TColor rgb = ColorToRGB(color);
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double lum = (mx + mn) / 2;
    double hue = 0, sat = 0;
    if (mx != mn) {
        const double delta = mx - mn;
        sat = lum < 0.5 ? delta / (mx + mn) : delta / (2 - mx - mn);
        if (r == mx)
            hue = (g - b) / delta;
        else if (g == mx)
            hue = 2 + (b - r) / delta;
        else
            hue = 4 + (r - g) / delta;
        hue /= 6;
        if (hue < 0) hue += 1;
    }
    h = std::uint8_t(RoundHalfEven(240 * hue));
    s = std::uint8_t(RoundHalfEven(240 * sat));
    l = std::uint8_t(RoundHalfEven(240 * lum));
}

std::uint8_t ColorHue(TColor color) {
    std::uint8_t h, s, l;
    ColorToHLS(color, h, s, l);
    return h;
}

TColor HLSToColor(std::uint8_t h, std::uint8_t s, std::uint8_t l) {
    // Hue is spread over 239, not 240: the top hue lands on sextant 6, which reads as sextant 0.
    const double hue = h / 239.0, sat = s / 240.0, lum = l / 240.0;
    const double m2 = lum < 0.5 ? lum * (1 + sat) : lum + sat - lum * sat;
    if (m2 <= 0) return clBlack;
    const double m1 = 2 * lum - m2;
    const double sv = (m2 - m1) / m2;
    const double h6 = 6 * hue;
    const int sextant = int(h6);
    const double v = m2 * sv * (h6 - sextant);
    const double mid1 = m1 + v, mid2 = m2 - v;
    // Which of the four levels red, green and blue take in each sextant of the hue circle.
    enum { Low, High, Rising, Falling };
    static constexpr int levels[6][3] = {{High, Rising, Low},  {Falling, High, Low}, {Low, High, Rising},
                                         {Low, Falling, High}, {Rising, Low, High},  {High, Low, Falling}};
    const double level[] = {m1, m2, mid1, mid2};
    const int* sextantLevels = levels[sextant >= 1 && sextant <= 5 ? sextant : 0];
    const double r = level[sextantLevels[0]], g = level[sextantLevels[1]], b = level[sextantLevels[2]];
    const auto channel = [](double c) { return RoundHalfEven(255 * std::min(c, 1.0)); };
    return RGB(channel(r), channel(g), channel(b));
}

TColor DarkerColor(TColor color, int amount) {
    std::uint8_t h, s, l;
    ColorToHLS(color, h, s, l);
    return HLSToColor(h, s, std::uint8_t(std::max(l - Amount(amount), 0)));
}

TColor LighterColor(TColor color, int amount) {
    std::uint8_t h, s, l;
    ColorToHLS(color, h, s, l);
    return HLSToColor(h, s, std::uint8_t(std::min(l + Amount(amount), 255)));
}

TColor AdjustColor(TColor color, int amount) {
    if (amount < 0) return DarkerColor(color, -std::max(amount, -255));
    if (amount > 0) return LighterColor(color, amount);
    return color;
}

TColor BlendColors(TColor foreColor, TColor backColor, std::uint8_t weight) {
    const TColor fore = ColorToRGB(foreColor), back = ColorToRGB(backColor);
    const double w = weight / 255.0;
    const auto mix = [w](int f, int b) { return RoundHalfEven(f * w + b * (1 - w)); };
    return RGB(mix(GetRValue(fore), GetRValue(back)), mix(GetGValue(fore), GetGValue(back)),
               mix(GetBValue(fore), GetBValue(back)));
}

bool ColorsSimilar(TColor color1, TColor color2) {
    std::uint8_t h1, s1, l1, h2, s2, l2;
    ColorToHLS(color1, h1, s1, l1);
    ColorToHLS(color2, h2, s2, l2);
    return std::abs(h1 - h2) < 20 && std::abs(l1 - l2) < 60;
}

TColor ComplementaryColor(TColor color, std::uint8_t l) {
    const std::uint8_t h = ColorHue(color);
    return HLSToColor(std::uint8_t(h < 120 ? h + 120 : h - 120), 240, l);
}
