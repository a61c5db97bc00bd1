#pragma once

#include "base/Color.h"
#include "uikit/draw/KtRect.h"

#include <QFont>
#include <QString>
#include <memory>

class QImage;
class QPainter;
class QPolygon;
class QWidget;

enum TPenStyle { psSolid, psClear };
enum TBrushStyle { bsSolid, bsClear };
// Where the x of a text output lies: at the text's left edge or its middle.
enum TTextAlign { taLeft, taCenter };
// Where the y of a text output lies: at the text's top or on its base line.
enum TTextVAlign { tvTop, tvBaseline };

// Elements of the desktop style that kit controls draw when themes are on.
enum TThemeElement {
    teGroupBarBackground,
    teProgressChunk,
    teProgressChunkVertical,
    teProgressBar,
    teProgressBarVertical,
    teGroupBox,
    teGroupBoxDisabled
};

// The states of the desktop style's push button.
enum TThemeButtonState { tbsNormal, tbsHot, tbsPressed, tbsDisabled, tbsDefaulted };

// How DrawText lays a text out, as the desktop's text drawing takes it: one horizontal
// alignment, then any of the others.
enum TDrawTextFlag : unsigned {
    dtLeft = 0x0,
    dtCenter = 0x1,
    dtRight = 0x2,
    dtVCenter = 0x4,
    dtWordBreak = 0x10,
    dtSingleLine = 0x20,
    dtExpandTabs = 0x40,
    dtCalcRect = 0x400,
    dtNoPrefix = 0x800,
    dtPathEllipsis = 0x4000,
    dtEndEllipsis = 0x8000
};

// The surface every kit routine draws on, with a pen, a brush and a font like the classic
// desktop's canvas, and its pixel rules: nothing is antialiased, a line leaves out its end point,
// a rectangle drawn with a pen is outlined on its columns Left..Right-1 and rows Top..Bottom-1,
// and one drawn without a pen fills everything but its right column and bottom row. Colours are
// kept as the caller gave them (system colours included) and resolved only when a pixel is set.
//
// Every QPainter call of the kit sits in this class, so the pixel rules live in one place. A
// canvas either works on a painter opened by someone else (a widget's paint event) or opens its
// own on an off-screen bitmap.
class TCanvas {
public:
    explicit TCanvas(QPainter& painter);
    explicit TCanvas(QImage& image);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    struct TPen {
        TColor Color = clBlack;
        int Width = 1;
        TPenStyle Style = psSolid;
    } Pen;
    struct TBrush {
        TColor Color = clWhite;
        TBrushStyle Style = bsSolid;
    } Brush;
    QFont Font;
    TColor FontColor = clBlack;
    // Angle of the text's base line in tenths of a degree, counter-clockwise.
    int FontEscapement = 0;
    TTextAlign TextAlign = taLeft;
    TTextVAlign TextVAlign = tvTop;

    // A line in the pen from (x0, y0) towards (x1, y1), without the end point.
    void Line(int x0, int y0, int x1, int y1);
    void SetPixel(int x, int y, TColor color);
    // Outline in the pen and inside in the brush, by the pixel rules above.
    void Rectangle(const TRect& r);
    // The whole rectangle in the brush (nothing with a clear brush).
    void FillRect(const TRect& r);
    // The polygon's inside in the brush, its outline in the pen.
    void Polygon(const QPolygon& points);

    void Draw(int x, int y, const QImage& image);

    // A text at (x, y) by TextAlign and TextVAlign and turned by FontEscapement around that
    // point, clipped to Clip; with a solid brush Clip is filled first.
    void TextRect(const TRect& clip, int x, int y, const QString& text);
    // The text in Font and FontColor inside the rectangle and clipped to it, nothing filled behind
    // it; "&" underlines the character after it and "&&" stands for one ampersand, unless
    // dtNoPrefix shows them as they are. Lines break at word ends with dtWordBreak; the text
    // starts at the rectangle's top unless it is a single line centred by dtVCenter. A line too
    // wide for the rectangle ends in "..." with dtEndEllipsis, or loses its middle to "..." with
    // dtPathEllipsis. With dtCalcRect nothing is drawn and the rectangle is fitted to the text
    // instead: its bottom edge moves to the last line and its right edge to the widest. Returns
    // the text's height.
    int DrawText(TRect& r, const QString& text, unsigned flags);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // Inverts every other pixel of the rectangle in a checkerboard (the pattern XORed onto the
    // surface, as the desktop draws a sizing line); the same call again restores the pixels.
    void InvertChecker(const TRect& r);

    // Takes the rectangle out of what may be drawn on, until RemoveClip makes the whole surface
    // drawable again.
    void ExcludeClipRect(const TRect& r);
    void RemoveClip();

    // The desktop style's picture of an element over the rectangle.
    void DrawThemeElement(TThemeElement element, const TRect& r);
    // The desktop style's push button in the state over the rectangle.
    void DrawThemeButton(const TRect& r, TThemeButtonState state);

    // Paints what a widget paints of itself, without its children, with the widget's top-left
    // corner at (x, y) of this surface and clipped to the widget's size.
    void DrawWidgetBackground(QWidget* widget, int x, int y);

private:
    void PutBlock(int x, int y, int width, int height, TColor color);
    // The text with each of its lines cut to the width by the ellipsis flag.
    QString Elided(const QString& text, int width, unsigned flags, int qtFlags) const;

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_;
};
