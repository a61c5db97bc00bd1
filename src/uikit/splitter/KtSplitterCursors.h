#pragma once

#include "uikit/draw/KtTypes.h"

#include <QCursor>

// The splitter's four cursors: a resize shape across the bar for each orientation, plain over
// the bar and with a small square mark over its hot spot, so the user can tell that a click
// there closes or restores a pane. 32 x 32 monochrome, white-edged, the hot point in the middle.
class TKtSplitterCursors {
public:
    TKtSplitterCursors();
    const QCursor& Cursor(TOrientation orientation, bool onHotSpot) const;

private:
    QCursor horz_, horzHotSpot_, vert_, vertHotSpot_;
};
