#pragma once

#include <QRect>

// A rectangle as the kit's drawing routines take it: Left and Top are the first column and row
// inside it, Right and Bottom the first ones outside it, so Right - Left is the width. QRect's
// right() and bottom() are inclusive and are never used for kit geometry.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool operator==(const TRect&) const = default;
    // The same rectangle moved by (dx, dy).
    constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }

    static TRect FromQRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
};
