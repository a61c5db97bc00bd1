#pragma once

#include "uikit/controls/KtControlFrame.h"
#include "uikit/services/KtFrameController.h"

#include <QPointer>
#include <QWidget>

// What the framed kit controls with a colour of their own (border, label) share: the kit frame's
// settings, the control's colour with its parent-colour flag, and the link to a frame controller.
// The controls differ in what a change of the frame means to them, so the frame setters store a
// differing value and then leave the rest to FrameChanged (shape) or FrameColorChanged (the 3-D
// colours); a change of the flat colours or of the control's colour repaints later.
//
// A frame controller is held, not owned, and forgotten when it goes; the control unlinks itself
// before it goes.
class TKtFramedControl : public QWidget, public IFrameControllerClient {
    Q_OBJECT
    Q_PROPERTY(uint FrameControllerNotifications READ FrameControllerNotifications WRITE
                   SetFrameControllerNotifications)

public:
    ~TKtFramedControl() override;

    int BevelWidth() const { return frame_.BevelWidth; }
    virtual void SetBevelWidth(int value);
    int BorderWidth() const { return frame_.BorderWidth; }
    void SetBorderWidth(int value);
    TFrameStyleEx BorderInner() const { return frame_.BorderInner; }
    void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return frame_.BorderOuter; }
    void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return frame_.BorderSides; }
    void SetBorderSides(TSides value);
    TColor BorderColor() const { return frame_.BorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return frame_.BorderHighlight; }
    void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return frame_.BorderShadow; }
    void SetBorderShadow(TColor value);
    TColor FlatColor() const { return frame_.FlatColor; }
    void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return frame_.FlatColorAdjustment; }
    void SetFlatColorAdjustment(int value);

    // The control's own colour, or its parent's while ParentColor is on (setting a colour turns
    // it off).
    TColor Color() const;
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    TKtFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TKtFrameController* value);
    uint FrameControllerNotifications() const { return frameControllerNotifications_; }
    void SetFrameControllerNotifications(uint value) { frameControllerNotifications_ = value & 0xFFFF; }
    void ApplyFrameController() override;

protected:
    TKtFramedControl(QWidget* parent, TFrameStyleEx borderOuter);

    const TKtControlFrame& Frame() const { return frame_; }
    // After a change of the frame's shape (bevel, band, styles, sides).
    virtual void FrameChanged() = 0;
    // After a change of the border colour, highlight or shadow.
    virtual void FrameColorChanged() = 0;

private:
    template <typename T> static bool Store(T& field, T value);

    TKtControlFrame frame_;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    QPointer<TKtFrameController> frameController_;
    uint frameControllerNotifications_ = AllFrameControllerNotifications;
};
