#pragma once

#include "base/Color.h"

class QWidget;

// The colour of a control's surroundings: its parent's background, clBtnFace without a parent.
TColor ParentBackground(const QWidget* control);
// The same, except that a kit panel parent answers with its Color, which is what it fills itself
// with even where its background role says otherwise.
TColor ParentPanelColor(const QWidget* control);
