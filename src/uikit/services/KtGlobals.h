#pragma once

#include <QString>
#include <cstdint>

// Settings every kit control reads: set once by StartKtCommon before any window is created;
// afterwards only a panel's handling of a desktop theme change reads the colour scheme again.

// More than 256 colours on the screen: gradients are worth painting.
extern bool TrueColorDisplay;
// The desktop's colour scheme for the themed gradient colours: 0 blue, 1 homestead, 2 metallic.
extern std::uint8_t XPColorScheme;

bool IsTrueColorDisplay();
// The scheme of a colour-scheme name: "HOMESTEAD" 1 and "METALLIC" 2 in any mix of Latin letter
// case, anything else (the default blue scheme's name, an empty name) 0.
std::uint8_t XPColorSchemeFromName(const QString& name);
// The scheme of the desktop's colour-scheme name. Only reads: a missing name is the blue scheme.
std::uint8_t ReadXPColorScheme();

// The kit's start-up: reads the screen's colour depth and the colour scheme. Runs once, after the
// application object exists and before the first window.
void StartKtCommon();
