#pragma once

#include <array>
#include <cstdint>

// The LED display's 5 by 7 dot font for the character codes 32..255 (a Latin-1 set: printable
// ASCII, a solid block at 127 and in the unassigned 129..160 apart from a few blanks, then the
// Latin-1 signs and accented letters; Windows-1251 letters show as the Latin-1 glyph of their
// code). Each entry is five dot columns, left to right; in a column bit 7 is the top row down to
// bit 1 for the bottom row, and bit 0 is never set. A sixth, blank column is added by the display.
using TLEDGlyph = std::array<std::uint8_t, 5>;
extern const std::array<TLEDGlyph, 224> LEDFontTable;

// The glyph of a character code; a code below 32 shows as the solid block.
const TLEDGlyph& LEDGlyph(std::uint8_t code);
