#pragma once

#include <QImage>
#include <QList>
#include <QObject>

class TCanvas;

// A list of images of one size that controls draw by index, as the toolkit's image lists are:
// the list is shared, so a control holding one is told of every change (OnChange) and lets go of
// it when it is destroyed (QObject::destroyed). Images keep their alpha channel; what is
// transparent in them shows what lies below.
class TImageList : public QObject {
    Q_OBJECT

public:
    TImageList(int width, int height, QObject* parent = nullptr);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return int(images_.size()); }

    // Adds the image, scaled to the list's size when it differs; returns its index.
    int Add(const QImage& image);
    // Draws image `index` with its top-left corner at (x, y); a disabled image is drawn greyed.
    // An index outside the list draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const;

signals:
    void OnChange();

private:
    int width_;
    int height_;
    QList<QImage> images_;
};

// The classic look of something that cannot be used: every visible pixel of the image becomes
// the button shadow colour, with a copy in the button highlight colour one pixel down and right
// behind it. The result has the image's size and is transparent elsewhere.
QImage DisabledImage(const QImage& image);
