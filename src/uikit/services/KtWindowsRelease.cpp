#include "uikit/services/KtWindowsRelease.h"

#include <iterator>
#include <utility>

namespace {

constexpr int k9x = 1;
constexpr int kNT = 2;

struct Release {
    int platformId; // the family the release belongs to
    int major;
    int minor;
};

// Indexed by TKtWindowsRelease. The 9x releases report major 4 and tell themselves apart by
// the minor number.
constexpr Release kReleases[] = {
    {k9x, 4, 0}, {kNT, 4, 0}, {k9x, 4, 10}, {k9x, 4, 90}, {kNT, 5, 0}, {kNT, 5, 1}, {kNT, 5, 2}, {kNT, 6, 0},
};

const Release* releaseOf(int release) {
    if (release < 0 || release >= int(std::size(kReleases))) return nullptr;
    return &kReleases[release];
}

} // namespace

bool RunningUnder(int release, const TOSVersionInfo& system) {
    const Release* r = releaseOf(release);
    if (r == nullptr || system.PlatformId != r->platformId) return false;
    // Before 2000 the major number of a release is only known to be below 5.
    if (r->major < 5)
        return system.MajorVersion < 5 && (release == wrWinNT4 || system.MinorVersion == r->minor);
    return system.MajorVersion == r->major && system.MinorVersion == r->minor;
}

bool RunningAtLeast(int release, const TOSVersionInfo& system) {
    const Release* r = releaseOf(release);
    if (r == nullptr) return false;
    const bool family =
        system.PlatformId == r->platformId || (r->platformId == k9x && system.PlatformId == kNT);
    return family && std::pair(system.MajorVersion, system.MinorVersion) >= std::pair(r->major, r->minor);
}
