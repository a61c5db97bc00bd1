#pragma once

#include "uikit/controls/KtFramedControl.h"

// A framed empty rectangle: the kit frame (outer and inner style, band, sides, colours) and
// nothing inside it. Its client rectangle is what the frame leaves, which is where a descendant
// such as the LED display draws. The control is transparent outside its frame lines unless a
// descendant makes it opaque.
//
// A change of the frame's shape or 3-D colours repaints at once, of the flat colour later. Color
// and ParentColor are set only by a frame controller; the frame is drawn in its own colours.
class TKtBorder : public TKtFramedControl {
    Q_OBJECT

public:
    explicit TKtBorder(QWidget* parent = nullptr);

    // Kept at 1 and up.
    void SetBevelWidth(int value) override;

    // The rectangle without the band and the frames; empty (all zero) when nothing is left.
    virtual TRect AdjustClientRect(TRect r) const;
    // The whole control through AdjustClientRect.
    TRect ClientRect() const;

protected:
    // The control colour the frame routine paints a rounded frame's corners with.
    virtual TColor GetControlColor() const;
    // After a change of the frame's shape, once the control has repainted.
    virtual void FrameShapeChanged() {}
    void FrameChanged() override;
    void FrameColorChanged() override { repaint(); }
    virtual void Paint(TCanvas& canvas);
    void SetOpaque(bool value) { opaque_ = value; }

    void paintEvent(QPaintEvent* event) override;

private:
    bool opaque_ = false;
};
