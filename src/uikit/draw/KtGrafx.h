#pragma once

// The kit's bitmap side of drawing: gradients, transparent bitmap copies and a parent's
// background behind a transparent control.

#include "uikit/draw/KtBitmaps.h"
#include "uikit/draw/KtGradient.h"
#include "uikit/draw/KtParentImage.h"
