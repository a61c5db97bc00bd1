#pragma once

#include "base/Color.h"

#include <QString>
#include <memory>

// The desktop's visual styles as the kit asks about them: the colours a theme class gives its
// parts and the name of the desktop's colour scheme. Whether the kit draws themed at all is the
// kit's own setting (uikit/services/KtThemes.h). A Linux desktop has none of the themed look the kit was
// designed for, so the installed service holds no theme colours and names no scheme; tests
// install one that answers otherwise. Everything here only reads: the program never writes
// desktop settings.
class VisualThemes {
public:
    virtual ~VisualThemes() = default;

    // The colour property propId of a theme class's part in a state; false when the theme has
    // no such class, part or property (color is then left as it was).
    virtual bool ThemeColor(const QString& themeClass, int part, int state, int propId,
                            TColor& color) const = 0;
    // The desktop's colour-scheme name ("NormalColor", "HomeStead", "Metallic"), empty when the
    // desktop keeps none.
    virtual QString ColorSchemeName() const = 0;

    static const VisualThemes& Instance();
    // Replaces the service (tests); returns the one that was installed.
    static std::unique_ptr<VisualThemes> Install(std::unique_ptr<VisualThemes> themes);
};
