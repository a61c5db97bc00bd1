#pragma once

#include "uikit/draw/KtRect.h"

class QWidget;

// Where a control sits inside its parent's client area: along one edge at its own width or
// height, over what the edge-aligned controls leave (alClient), or where it was put (alNone, and
// alCustom, which the control itself arranges for).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// A control's alignment is kept with the control, so any widget can be aligned inside a kit
// container; a widget never aligned is alNone.
TAlign AlignOf(const QWidget* control);
// Stores the alignment and asks the parent to lay out its aligned children again.
void SetAlign(QWidget* control, TAlign align);

// Lays out the aligned children of the parent inside r: top-aligned ones first, in child order,
// each taking its height off the top of what is left, then bottom-, left- and right-aligned
// ones the same way, then the client-aligned ones over the rest. Hidden children take no room.
void AlignChildren(QWidget* parent, const TRect& r);
