#include "uikit/controls/KtBorderControl.h"

#include "uikit/draw/KtParentColor.h"

#include <QPainter>
#include <algorithm>

TKtBorder::TKtBorder(QWidget* parent) : TKtFramedControl(parent, fsGroove) {
    resize(50, 50);
}

void TKtBorder::SetBevelWidth(int value) {
    TKtFramedControl::SetBevelWidth(std::max(value, 1));
}

void TKtBorder::FrameChanged() {
    repaint();
    FrameShapeChanged();
}

TRect TKtBorder::AdjustClientRect(TRect r) const {
    r = Frame().Shrink(r, true);
    if (r.Bottom < r.Top || r.Right < r.Left) return {};
    return r;
}

TRect TKtBorder::ClientRect() const {
    return AdjustClientRect({0, 0, width(), height()});
}

TColor TKtBorder::GetControlColor() const {
    return clYellow;
}

void TKtBorder::Paint(TCanvas& canvas) {
    Frame().Draw(canvas, {0, 0, width(), height()}, GetControlColor(), ParentBackground(this), !opaque_);
}

void TKtBorder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(painter);
    Paint(canvas);
}
