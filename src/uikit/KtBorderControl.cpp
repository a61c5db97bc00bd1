#include "uikit/KtBorderControl.h"

#include <QPainter>

TKtBorder::TKtBorder(QWidget* parent) : QWidget(parent) {
    frame_.BorderOuter = fsGroove;
    resize(50, 50);
}

TKtBorder::~TKtBorder() {
    SetFrameController(nullptr);
}

template <typename T> void TKtBorder::StoreShape(T& field, T value) {
    if (field == value) return;
    field = value;
    repaint();
    FrameShapeChanged();
}

template <typename T> void TKtBorder::StoreColor(T& field, T value) {
    if (field == value) return;
    field = value;
    repaint();
}

void TKtBorder::SetBevelWidth(int value) {
    StoreShape(frame_.BevelWidth, std::max(value, 1));
}

void TKtBorder::SetBorderWidth(int value) {
    StoreShape(frame_.BorderWidth, value);
}

void TKtBorder::SetBorderInner(TFrameStyleEx value) {
    StoreShape(frame_.BorderInner, value);
}

void TKtBorder::SetBorderOuter(TFrameStyleEx value) {
    StoreShape(frame_.BorderOuter, value);
}

void TKtBorder::SetBorderSides(TSides value) {
    StoreShape(frame_.BorderSides, value);
}

void TKtBorder::SetBorderColor(TColor value) {
    StoreColor(frame_.BorderColor, value);
}

void TKtBorder::SetBorderHighlight(TColor value) {
    StoreColor(frame_.BorderHighlight, value);
}

void TKtBorder::SetBorderShadow(TColor value) {
    StoreColor(frame_.BorderShadow, value);
}

void TKtBorder::SetFlatColor(TColor value) {
    if (value == frame_.FlatColor) return;
    frame_.FlatColor = value;
    update();
}

void TKtBorder::SetFlatColorAdjustment(int value) {
    if (value == frame_.FlatColorAdjustment) return;
    frame_.FlatColorAdjustment = value;
    update();
}

TColor TKtBorder::Color() const {
    return parentColor_ ? ParentBackground(this) : color_;
}

void TKtBorder::SetColor(TColor value) {
    if (value == color_ && !parentColor_) return;
    color_ = value;
    parentColor_ = false;
    update();
}

void TKtBorder::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    update();
}

void TKtBorder::SetFrameController(TKtFrameController* value) {
    if (frameController_) frameController_->RemoveControl(this);
    frameController_ = value;
    if (frameController_) frameController_->AddControl(this);
}

void TKtBorder::ApplyFrameController() {
    if (!frameController_ || !frame_.Take(*frameController_, frameControllerNotifications_)) return;
    const TKtFrameController& controller = *frameController_;
    if (frameControllerNotifications_ & FrameControllerNotification(fcpColor)) SetColor(controller.Color());
    if (frameControllerNotifications_ & FrameControllerNotification(fcpParentColor))
        SetParentColor(controller.ParentColor());
    update();
}

TRect TKtBorder::AdjustClientRect(TRect r) const {
    r = frame_.Shrink(r, true);
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
    frame_.Draw(canvas, {0, 0, width(), height()}, GetControlColor(), ParentBackground(this), !opaque_);
}

void TKtBorder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(painter);
    Paint(canvas);
}
