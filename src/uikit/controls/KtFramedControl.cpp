#include "uikit/controls/KtFramedControl.h"

#include "uikit/draw/KtParentColor.h"

TKtFramedControl::TKtFramedControl(QWidget* parent, TFrameStyleEx borderOuter) : QWidget(parent) {
    frame_.BorderOuter = borderOuter;
}

TKtFramedControl::~TKtFramedControl() {
    SetFrameController(nullptr);
}

template <typename T> bool TKtFramedControl::Store(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

void TKtFramedControl::SetBevelWidth(int value) {
    if (Store(frame_.BevelWidth, value)) FrameChanged();
}

void TKtFramedControl::SetBorderWidth(int value) {
    if (Store(frame_.BorderWidth, value)) FrameChanged();
}

void TKtFramedControl::SetBorderInner(TFrameStyleEx value) {
    if (Store(frame_.BorderInner, value)) FrameChanged();
}

void TKtFramedControl::SetBorderOuter(TFrameStyleEx value) {
    if (Store(frame_.BorderOuter, value)) FrameChanged();
}

void TKtFramedControl::SetBorderSides(TSides value) {
    if (Store(frame_.BorderSides, value)) FrameChanged();
}

void TKtFramedControl::SetBorderColor(TColor value) {
    if (Store(frame_.BorderColor, value)) FrameColorChanged();
}

void TKtFramedControl::SetBorderHighlight(TColor value) {
    if (Store(frame_.BorderHighlight, value)) FrameColorChanged();
}

void TKtFramedControl::SetBorderShadow(TColor value) {
    if (Store(frame_.BorderShadow, value)) FrameColorChanged();
}

void TKtFramedControl::SetFlatColor(TColor value) {
    if (Store(frame_.FlatColor, value)) update();
}

void TKtFramedControl::SetFlatColorAdjustment(int value) {
    if (Store(frame_.FlatColorAdjustment, value)) update();
}

TColor TKtFramedControl::Color() const {
    return parentColor_ ? ParentBackground(this) : color_;
}

void TKtFramedControl::SetColor(TColor value) {
    if (value == color_ && !parentColor_) return;
    color_ = value;
    parentColor_ = false;
    update();
}

void TKtFramedControl::SetParentColor(bool value) {
    if (Store(parentColor_, value)) update();
}

void TKtFramedControl::SetFrameController(TKtFrameController* value) {
    LinkFrameController(this, frameController_, value);
}

void TKtFramedControl::ApplyFrameController() {
    if (!frameController_ || !frame_.Take(*frameController_, frameControllerNotifications_)) return;
    const TKtFrameController& controller = *frameController_;
    if (AcceptsNotification(frameControllerNotifications_, fcpColor)) SetColor(controller.Color());
    if (AcceptsNotification(frameControllerNotifications_, fcpParentColor))
        SetParentColor(controller.ParentColor());
    update();
}
