#include "uikit/splitter/KtSplitterCursors.h"

#include <QBitmap>
#include <array>

namespace {

constexpr int kSize = 32;
constexpr int kHot = 15;

using TShape = std::array<std::array<bool, kSize>, kSize>; // [y][x]

// Two lines along the bar with arrows pointing away from it, for a horizontal bar (dragged up
// and down); the vertical bar's shape is the same turned over its diagonal.
TShape ResizeShape(bool hotSpotMark) {
    TShape shape{};
    for (int x = 5; x <= 26; ++x)
        shape[14][x] = shape[17][x] = true;
    for (int y = 8; y <= 13; ++y)
        shape[y][15] = shape[y][16] = true;
    for (int y = 18; y <= 23; ++y)
        shape[y][15] = shape[y][16] = true;
    for (int r = 0; r <= 4; ++r)
        for (int x = 15 - r; x <= 16 + r; ++x)
            shape[4 + r][x] = shape[27 - r][x] = true;
    if (hotSpotMark)
        for (int y = 24; y <= 27; ++y)
            for (int x = 24; x <= 27; ++x)
                shape[y][x] = true;
    return shape;
}

TShape Transposed(const TShape& shape) {
    TShape turned{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            turned[x][y] = shape[y][x];
    return turned;
}

// Every pixel of the shape and its eight neighbours: the shape in black on a white edge.
TShape Outlined(const TShape& shape) {
    TShape mask{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (shape[y][x])
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (y + dy >= 0 && y + dy < kSize && x + dx >= 0 && x + dx < kSize)
                            mask[y + dy][x + dx] = true;
    return mask;
}

QBitmap ToBitmap(const TShape& shape) {
    std::array<uchar, kSize * kSize / 8> bits{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (shape[y][x]) bits[y * kSize / 8 + x / 8] |= uchar(1u << (x % 8));
    return QBitmap::fromData(QSize(kSize, kSize), bits.data(), QImage::Format_MonoLSB);
}

QCursor MakeCursor(TOrientation orientation, bool onHotSpot) {
    TShape shape = ResizeShape(onHotSpot);
    if (orientation == orHorizontal) shape = Transposed(shape);
    return QCursor(ToBitmap(shape), ToBitmap(Outlined(shape)), kHot, kHot);
}

} // namespace

TKtSplitterCursors::TKtSplitterCursors()
    : horz_(MakeCursor(orHorizontal, false)), horzHotSpot_(MakeCursor(orHorizontal, true)),
      vert_(MakeCursor(orVertical, false)), vertHotSpot_(MakeCursor(orVertical, true)) {}

const QCursor& TKtSplitterCursors::Cursor(TOrientation orientation, bool onHotSpot) const {
    if (orientation == orHorizontal) return onHotSpot ? horzHotSpot_ : horz_;
    return onHotSpot ? vertHotSpot_ : vert_;
}
