#pragma once

#include "platform/SystemVersion.h"

// The Windows releases the kit tells apart.
enum TKtWindowsRelease { wrWin95, wrWinNT4, wrWin98, wrWinME, wrWin2000, wrWinXP, wrWin2003, wrWinVista };

// True when the system is exactly that release; false for a value outside the list.
bool RunningUnder(int release, const TOSVersionInfo& system = RunningSystemVersion());
// True when the system is of the release's family (the NT family counts for the 9x releases too)
// and its version is at least the release's.
bool RunningAtLeast(int release, const TOSVersionInfo& system = RunningSystemVersion());
