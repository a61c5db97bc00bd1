#pragma once

#include "base/Color.h"
#include "uikit/draw/KtTypes.h"

#include <QFont>
#include <QString>
#include <functional>

// A font as the desktop creates it from a logical description: the face (at most 31 characters
// of its name), pixel height, weight and style of the given font, with its base line turned by
// Escapement tenths of a degree counter-clockwise. A canvas draws rotated text after taking
// both into its Font and FontEscapement.
struct TRotatedFont {
    QFont Font;
    int Escapement = 0;
};

TRotatedFont CreateRotatedFont(const QFont& font, int angle);
// Whether the font is an outline font that scales and rotates cleanly (not a bitmap font).
bool IsTrueTypeFont(const QFont& font);
// The text as shown without its accelerator marks: "&&" gives "&", "&c" gives "c", and a lone
// "&" at the end stays.
QString StripAccelChars(const QString& text);
// Draws the two offset copies that make raised or recessed text look so, through
// drawAt(dx, dy, colour): first the copy down and right, then the copy up and left. Raised text
// has the highlight above and the shadow below, recessed text the other way round; with light,
// only the highlight copy is drawn. Other styles draw nothing here.
void DrawTextRelief(TTextStyle style, bool light, TColor highlight, TColor shadow,
                    const std::function<void(int dx, int dy, TColor color)>& drawAt);
