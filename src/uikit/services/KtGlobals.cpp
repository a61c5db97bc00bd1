#include "uikit/services/KtGlobals.h"

#include "base/AsciiText.h"
#include "platform/VisualThemes.h"

#include <QGuiApplication>
#include <QScreen>

bool TrueColorDisplay = true;
std::uint8_t XPColorScheme = 0;

bool IsTrueColorDisplay() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Without a screen nothing is shown; draw as on any current display.
    return screen == nullptr || screen->depth() > 8;
}

std::uint8_t XPColorSchemeFromName(const QString& name) {
    const QString upper = asciiUpper(name);
    if (upper == QLatin1String("HOMESTEAD")) return 1;
    if (upper == QLatin1String("METALLIC")) return 2;
    return 0;
}

std::uint8_t ReadXPColorScheme() {
    return XPColorSchemeFromName(VisualThemes::Instance().ColorSchemeName());
}

void StartKtCommon() {
    TrueColorDisplay = IsTrueColorDisplay();
    XPColorScheme = ReadXPColorScheme();
}
