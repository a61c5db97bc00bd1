#pragma once

// The kit's shared types and its drawing layer that is not about bitmaps and gradients: the
// rectangle and canvas, colour arithmetic, frames, the combined border, the group bar
// background, the progress painters and the text helpers.

#include "base/Color.h"
#include "uikit/draw/KtBorder.h"
#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtColors.h"
#include "uikit/draw/KtFrames.h"
#include "uikit/draw/KtGroupBar.h"
#include "uikit/draw/KtProgressPainters.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtText.h"
#include "uikit/draw/KtTypes.h"
#include "uikit/services/KtThemes.h"
