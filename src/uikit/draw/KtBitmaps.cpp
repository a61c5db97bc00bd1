#include "uikit/draw/KtBitmaps.h"

#include <QImage>

void DrawTransparentBitmapRect(TCanvas& canvas, const QImage& sourceBitmap, const TRect& destRect,
                               const TRect& sourceRect, TColor transparentColor) {
    if (destRect.Width() <= 0 || destRect.Height() <= 0) return;
    QImage working =
        sourceBitmap.copy(sourceRect.ToQRect())
            .scaled(destRect.Width(), destRect.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = ToQColor(transparentColor).rgb();
    for (int y = 0; y < working.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(working.scanLine(y));
        for (int x = 0; x < working.width(); ++x)
            if ((line[x] | 0xFF000000u) == transparent) line[x] = 0;
    }
    canvas.Draw(destRect.Left, destRect.Top, working);
}

void FlipBitmapVertically(QImage& bitmap) {
    bitmap = bitmap.mirrored(false, true);
}
