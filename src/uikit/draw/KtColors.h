#pragma once

#include "base/Color.h"

#include <cstdint>

// Colour arithmetic on the desktop's hue, saturation and luminance scale, where each of the three
// is a byte from 0 to 240 (hue wraps at 240). Every routine resolves system colours first.

void ColorToHLS(TColor color, std::uint8_t& h, std::uint8_t& s, std::uint8_t& l);
std::uint8_t ColorHue(TColor color);
// Luminance up to 255 reads as brighter than white and is clipped per channel.
TColor HLSToColor(std::uint8_t h, std::uint8_t s, std::uint8_t l);

// The colour with its luminance lowered or raised by Amount (taken as 0..255).
TColor DarkerColor(TColor color, int amount);
TColor LighterColor(TColor color, int amount);
// Darker for a negative amount, lighter for a positive one; 0 returns the colour as it was given,
// so a system colour stays symbolic.
TColor AdjustColor(TColor color, int amount);

// Per channel Fore * w + Back * (1 - w) with w = Weight / 255.
TColor BlendColors(TColor foreColor, TColor backColor, std::uint8_t weight);
// Hues less than 20 apart and luminances less than 60 apart; saturation does not matter.
bool ColorsSimilar(TColor color1, TColor color2);
// Fully saturated colour of the opposite hue at luminance L.
TColor ComplementaryColor(TColor color, std::uint8_t l);
