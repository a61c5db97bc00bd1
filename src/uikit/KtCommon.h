#pragma once

// The kit's shared types and its drawing layer that is not about bitmaps and gradients: the
// rectangle and canvas, colour arithmetic, frames, the combined border, the group bar
// background, the progress painters and the text helpers.

#include "base/Color.h"
#include "uikit/KtBorder.h"
#include "uikit/KtCanvas.h"
#include "uikit/KtColors.h"
#include "uikit/KtFrames.h"
#include "uikit/KtGroupBar.h"
#include "uikit/KtProgressPainters.h"
#include "uikit/KtRect.h"
#include "uikit/KtText.h"
#include "uikit/KtThemes.h"
#include "uikit/KtTypes.h"
