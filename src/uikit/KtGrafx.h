#pragma once

// The kit's bitmap side of drawing: gradients, transparent bitmap copies and a parent's
// background behind a transparent control.

#include "uikit/KtBitmaps.h"
#include "uikit/KtGradient.h"
#include "uikit/KtParentImage.h"
