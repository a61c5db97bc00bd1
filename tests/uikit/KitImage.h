#pragma once

#include "base/Color.h"
#include "uikit/draw/KtRect.h"

#include <QImage>
#include <QWidget>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// A colour no kit routine ever draws: every pixel still holding it was left alone.
constexpr TColor kSentinel = RGB(1, 2, 3);

inline QImage SentinelImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(kSentinel));
    return image;
}

inline TColor PixelAt(const QImage& image, int x, int y) {
    return FromQColor(image.pixelColor(x, y));
}

// The widget drawn over the sentinel, at its own size.
inline QImage Rendered(QWidget& widget) {
    QImage image = SentinelImage(widget.width(), widget.height());
    widget.render(&image);
    return image;
}

// How many pixels hold the colour; a system colour is resolved first.
inline int Count(const QImage& image, TColor color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += PixelAt(image, x, y) == ColorToRGB(color);
    return n;
}

// The image as rows of letters: '.' for the sentinel, the legend's letter for its colours, '?'
// for anything else. Colours in the legend may be system colours.
inline std::vector<std::string> Picture(const QImage& image,
                                        std::initializer_list<std::pair<TColor, char>> legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = PixelAt(image, x, y);
            char letter = c == kSentinel ? '.' : '?';
            for (const auto& [color, l] : legend)
                if (ColorToRGB(color) == c) letter = l;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}
