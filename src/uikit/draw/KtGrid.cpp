#include "uikit/draw/KtGrid.h"

void PaintGrid(TCanvas& canvas, const TRect& r, TKtGridStyle style, int xSize, int ySize, TColor color) {
    const int columns = xSize > 0 ? r.Width() / xSize : 0;
    const int rows = ySize > 0 ? r.Height() / ySize : 0;
    canvas.Pen.Color = color;
    canvas.Pen.Style = psSolid;
    if (style == gsDots) {
        for (int c = 1; c <= columns; ++c)
            for (int row = 1; row <= rows; ++row)
                canvas.SetPixel(r.Left - 1 + xSize * c, r.Top - 1 + ySize * row, color);
        return;
    }
    for (int c = 1; c <= columns; ++c) {
        const int x = r.Left - 1 + xSize * c;
        if (style == gsSolidLines)
            canvas.Line(x, r.Top, x, r.Bottom);
        else
            for (int y = r.Top + 1; y < r.Bottom; y += 2)
                canvas.SetPixel(x, y, color);
    }
    for (int row = 1; row <= rows; ++row) {
        const int y = r.Top - 1 + ySize * row;
        if (style == gsSolidLines)
            canvas.Line(r.Left, y, r.Right, y);
        else
            for (int x = r.Left + 1; x < r.Right; x += 2)
                canvas.SetPixel(x, y, color);
    }
}
