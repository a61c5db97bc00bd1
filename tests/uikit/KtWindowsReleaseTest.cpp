#include "uikit/services/KtWindowsRelease.h"

#include <gtest/gtest.h>

TEST(KtWindowsRelease, ExactAndMinimumReleases) {
    const TOSVersionInfo nt50{2, 5, 0}, xp{2, 5, 1}, nt52{2, 5, 2}, vista{2, 6, 0}, ten{2, 10, 0};
    const TOSVersionInfo me{1, 4, 90}, nt4{2, 4, 0};

    EXPECT_TRUE(RunningUnder(wrWinXP, xp));
    for (const TOSVersionInfo& other : {nt50, nt52, vista, TOSVersionInfo{1, 5, 1}})
        EXPECT_FALSE(RunningUnder(wrWinXP, other));
    EXPECT_TRUE(RunningUnder(wrWinME, me));
    EXPECT_FALSE(RunningUnder(wrWin95, nt4)); // same numbers, other family

    EXPECT_TRUE(RunningAtLeast(wrWinVista, vista));
    EXPECT_TRUE(RunningAtLeast(wrWinVista, ten));
    EXPECT_FALSE(RunningAtLeast(wrWinVista, nt52));
    EXPECT_TRUE(RunningAtLeast(wrWinXP, ten)); // an ordinary version order, not minor against minor
    EXPECT_TRUE(RunningAtLeast(wrWin98, xp));  // the NT family passes the 9x releases
    EXPECT_FALSE(RunningAtLeast(wrWinNT4, me));
    EXPECT_FALSE(RunningUnder(8, xp));
    EXPECT_FALSE(RunningAtLeast(-1, xp));

    // This desktop counts as a current system.
    EXPECT_TRUE(RunningAtLeast(wrWinVista));
    EXPECT_FALSE(RunningUnder(wrWinXP));
}
