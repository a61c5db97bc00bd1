#include "platform/VisualThemes.h"

namespace {

// The Linux desktop: no themed drawing and no colour scheme, so the kit draws its classic look.
class NoVisualThemes : public VisualThemes {
public:
    bool ThemeColor(const QString&, int, int, int, TColor&) const override { return false; }
    QString ColorSchemeName() const override { return {}; }
};

std::unique_ptr<VisualThemes>& slot() {
    static std::unique_ptr<VisualThemes> themes = std::make_unique<NoVisualThemes>();
    return themes;
}

} // namespace

const VisualThemes& VisualThemes::Instance() {
    return *slot();
}

std::unique_ptr<VisualThemes> VisualThemes::Install(std::unique_ptr<VisualThemes> themes) {
    std::unique_ptr<VisualThemes> previous = std::move(slot());
    slot() = themes ? std::move(themes) : std::make_unique<NoVisualThemes>();
    return previous;
}
