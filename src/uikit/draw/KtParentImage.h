#pragma once

#include "uikit/draw/KtCanvas.h"

class QWidget;

// Paints, on the canvas of a control that has no background of its own, what its parent paints
// of itself behind the control, so the control looks transparent. Nothing for a control
// without a parent.
void DrawParentImage(QWidget* control, TCanvas& canvas);
