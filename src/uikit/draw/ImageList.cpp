#include "uikit/draw/ImageList.h"

#include "base/Color.h"
#include "uikit/draw/KtCanvas.h"

TImageList::TImageList(int width, int height, QObject* parent)
    : QObject(parent), width_(width), height_(height) {}

int TImageList::Add(const QImage& image) {
    QImage stored = image.convertToFormat(QImage::Format_ARGB32);
    if (stored.size() != QSize(width_, height_))
        stored = stored.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    images_.append(stored);
    emit OnChange();
    return Count() - 1;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    canvas.Draw(x, y, enabled ? images_.at(index) : DisabledImage(images_.at(index)));
}

QImage DisabledImage(const QImage& image) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    const QRgb highlight = ToQColor(clBtnHighlight).rgb();
    const QRgb shadow = ToQColor(clBtnShadow).rgb();
    const auto visible = [&source](int x, int y) { return qAlpha(source.pixel(x, y)) >= 128; };
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (visible(x, y) && x + 1 < source.width() && y + 1 < source.height())
                result.setPixel(x + 1, y + 1, highlight);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (visible(x, y)) result.setPixel(x, y, shadow);
    return result;
}
