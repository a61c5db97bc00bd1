#pragma once

#include "platform/VisualThemes.h"

#include <QHash>
#include <QString>

// A desktop with the visual styles a test describes: a colour-scheme name and the theme colours
// it holds. Installed for the test's scope, the previous service restored after.
class ScriptedThemes : public VisualThemes {
public:
    QString schemeName;
    QHash<QString, TColor> colors; // key: Key(class, part, state, property)

    static QString Key(const QString& themeClass, int part, int state, int propId) {
        return QStringLiteral("%1/%2/%3/%4").arg(themeClass).arg(part).arg(state).arg(propId);
    }

    bool ThemeColor(const QString& themeClass, int part, int state, int propId,
                    TColor& color) const override {
        const auto it = colors.find(Key(themeClass, part, state, propId));
        if (it == colors.end()) return false;
        color = *it;
        return true;
    }
    QString ColorSchemeName() const override { return schemeName; }
};

// Installs a ScriptedThemes for as long as it lives.
class ScopedThemes {
public:
    ScopedThemes()
        : themes_(new ScriptedThemes),
          previous_(VisualThemes::Install(std::unique_ptr<VisualThemes>(themes_))) {}
    ~ScopedThemes() { VisualThemes::Install(std::move(previous_)); }
    ScriptedThemes* operator->() const { return themes_; }

private:
    ScriptedThemes* themes_;
    std::unique_ptr<VisualThemes> previous_;
};
