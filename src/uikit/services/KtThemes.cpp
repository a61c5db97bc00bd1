#include "uikit/services/KtThemes.h"

namespace {

bool themesActive = false;

} // namespace

bool ThemesActive() {
    return themesActive;
}

void SetThemesActive(bool active) {
    themesActive = active;
}
