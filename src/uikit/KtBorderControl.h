#pragma once

#include "uikit/KtControlFrame.h"
#include "uikit/KtFrameController.h"

#include <QPointer>
#include <QWidget>

// A framed empty rectangle: the kit frame (outer and inner style, band, sides, colours) and
// nothing inside it. Its client rectangle is what the frame leaves, which is where a descendant
// such as the LED display draws. The control is transparent outside its frame lines unless a
// descendant makes it opaque.
//
// Setters store a value only when it differs; the frame's shape and 3-D colours repaint at once,
// the flat colour later. A frame controller is held, not owned, and forgotten when it goes.
class TKtBorder : public QWidget, public IFrameControllerClient {
    Q_OBJECT
    Q_PROPERTY(uint FrameControllerNotifications READ FrameControllerNotifications WRITE
                   SetFrameControllerNotifications)

public:
    explicit TKtBorder(QWidget* parent = nullptr);
    ~TKtBorder() override;

    int BevelWidth() const { return frame_.BevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return frame_.BorderWidth; }
    void SetBorderWidth(int value);
    TColor BorderColor() const { return frame_.BorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return frame_.BorderHighlight; }
    void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return frame_.BorderShadow; }
    void SetBorderShadow(TColor value);
    TFrameStyleEx BorderInner() const { return frame_.BorderInner; }
    void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return frame_.BorderOuter; }
    void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return frame_.BorderSides; }
    void SetBorderSides(TSides value);
    TColor FlatColor() const { return frame_.FlatColor; }
    void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return frame_.FlatColorAdjustment; }
    void SetFlatColorAdjustment(int value);

    // The control's own colour, or its parent's while ParentColor is on (setting a colour turns
    // it off). Only a frame controller sets them; the frame is drawn in the colours above.
    TColor Color() const;
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    TKtFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TKtFrameController* value);
    uint FrameControllerNotifications() const { return frameControllerNotifications_; }
    void SetFrameControllerNotifications(uint value) { frameControllerNotifications_ = value & 0xFFFF; }
    void ApplyFrameController() override;

    // The rectangle without the band and the frames; empty (all zero) when nothing is left.
    virtual TRect AdjustClientRect(TRect r) const;
    // The whole control through AdjustClientRect.
    TRect ClientRect() const;

protected:
    // The control colour the frame routine paints a rounded frame's corners with.
    virtual TColor GetControlColor() const;
    // After a change of the frame's shape, once the control has repainted.
    virtual void FrameShapeChanged() {}
    virtual void Paint(TCanvas& canvas);
    void SetOpaque(bool value) { opaque_ = value; }

    void paintEvent(QPaintEvent* event) override;

private:
    template <typename T> void StoreShape(T& field, T value);
    template <typename T> void StoreColor(T& field, T value);

    TKtControlFrame frame_;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    bool opaque_ = false;
    QPointer<TKtFrameController> frameController_;
    uint frameControllerNotifications_ = AllFrameControllerNotifications;
};
