#include "uikit/buttons/KtButtonKinds.h"

#include "uikit/buttons/KtCommonBitmaps.h"

#include <array>
#include <optional>

namespace {

struct KindData {
    const char* caption;
    int modalResult;
    const char* glyphResource;
};

// Indexed by TBitBtnKind.
const KindData kKinds[] = {
    {"", 0, ""},
    {"OK", 1, "KTCOMMON_OK"},
    {"Cancel", 2, "KTCOMMON_CANCEL"},
    {"&Help", 0, "KTCOMMON_HELP"},
    {"&Yes", 6, "KTCOMMON_YES"},
    {"&No", 7, "KTCOMMON_NO"},
    {"&Close", 0, "KTCOMMON_CLOSE"},
    {"Abort", 3, "KTCOMMON_ABORT"},
    {"&Retry", 4, "KTCOMMON_RETRY"},
    {"&Ignore", 5, "KTCOMMON_IGNORE"},
    {"&All", 8, "KTCOMMON_ALL"},
};
static_assert(std::size(kKinds) == bkAll + 1);

} // namespace

QString ButtonKindCaptions(TBitBtnKind kind) {
    return QString::fromLatin1(kKinds[kind].caption);
}

int ButtonKindModalResult(TBitBtnKind kind) {
    return kKinds[kind].modalResult;
}

const QImage& KindGlyph(TBitBtnKind kind) {
    static std::array<std::optional<QImage>, bkAll + 1> cache;
    std::optional<QImage>& slot = cache[kind];
    if (!slot) slot = LoadKtCommonBitmap(QLatin1String(kKinds[kind].glyphResource));
    return *slot;
}
