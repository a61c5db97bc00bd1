#pragma once

// Whether kit controls draw their themed elements with the desktop style instead of their own
// classic pictures. Off unless the program turns it on, so the designed look is the default.
bool ThemesActive();
void SetThemesActive(bool active);
