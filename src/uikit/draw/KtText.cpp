#include "uikit/draw/KtText.h"

#include <QFontDatabase>
#include <QFontInfo>

TRotatedFont CreateRotatedFont(const QFont& font, int angle) {
    const QFontInfo info(font);
    // The desktop's face-name field holds 31 characters and a terminating zero.
    QFont rotated(font.family().left(31));
    rotated.setPixelSize(info.pixelSize());
    rotated.setWeight(font.bold() ? QFont::Bold : QFont::Normal);
    rotated.setItalic(font.italic());
    rotated.setUnderline(font.underline());
    rotated.setStrikeOut(font.strikeOut());
    rotated.setFixedPitch(font.fixedPitch());
    return {rotated, angle * 10};
}

bool IsTrueTypeFont(const QFont& font) {
    const QFontInfo info(font);
    return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}

QString StripAccelChars(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // An ampersand marks the character after it; a doubled one stands for itself.
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        result += text[i];
    }
    return result;
}

void DrawTextRelief(TTextStyle style, bool light, TColor highlight, TColor shadow,
                    const std::function<void(int dx, int dy, TColor color)>& drawAt) {
    if (style != tsRaised && style != tsRecessed) return;
    const bool raised = style == tsRaised;
    const TColor upper = raised ? highlight : shadow;
    const TColor lower = raised ? shadow : highlight;
    if (!raised || !light) drawAt(1, 1, lower);
    if (raised || !light) drawAt(-1, -1, upper);
}
