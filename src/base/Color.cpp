#include "base/Color.h"

namespace {

// The classic desktop scheme, indexed by system colour number.
constexpr TColor kSystemColors[] = {
    RGB(212, 208, 200), // 0 scroll bar
    RGB(58, 110, 165),  // 1 desktop
    RGB(10, 36, 106),   // 2 active caption
    RGB(128, 128, 128), // 3 inactive caption
    RGB(212, 208, 200), // 4 menu
    RGB(255, 255, 255), // 5 window
    RGB(0, 0, 0),       // 6 window frame
    RGB(0, 0, 0),       // 7 menu text
    RGB(0, 0, 0),       // 8 window text
    RGB(255, 255, 255), // 9 caption text
    RGB(212, 208, 200), // 10 active border
    RGB(212, 208, 200), // 11 inactive border
    RGB(128, 128, 128), // 12 application workspace
    RGB(10, 36, 106),   // 13 highlight
    RGB(255, 255, 255), // 14 highlight text
    RGB(212, 208, 200), // 15 button face
    RGB(128, 128, 128), // 16 button shadow
    RGB(128, 128, 128), // 17 grey text
    RGB(0, 0, 0),       // 18 button text
    RGB(212, 208, 200), // 19 inactive caption text
    RGB(255, 255, 255), // 20 button highlight
    RGB(64, 64, 64),    // 21 3D dark shadow
    RGB(212, 208, 200), // 22 3D light
    RGB(0, 0, 0),       // 23 tooltip text
    RGB(255, 255, 225), // 24 tooltip background
    RGB(181, 181, 181), // 25 (unused by the desktop)
    RGB(0, 0, 128),     // 26 hot-tracked item
    RGB(166, 202, 240), // 27 active caption gradient
    RGB(192, 192, 192), // 28 inactive caption gradient
    RGB(49, 106, 197),  // 29 menu highlight
    RGB(212, 208, 200), // 30 menu bar
};

} // namespace

TColor ColorToRGB(TColor c) {
    if (!IsSystemColor(c))
        return c;
    const unsigned index = std::uint32_t(c) & 0xFFu;
    return index < std::size(kSystemColors) ? kSystemColors[index] : clBlack;
}

QColor ToQColor(TColor c) {
    if (c == clNone || c == clDefault)
        return QColor();
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c) {
    return c.isValid() ? RGB(c.red(), c.green(), c.blue()) : clNone;
}
