#include "uikit/controls/KtProgressBar.h"

#include "base/Rounding.h"
#include "uikit/draw/KtBorder.h"
#include "uikit/draw/KtFrames.h"
#include "uikit/draw/KtParentColor.h"
#include "uikit/draw/KtProgressPainters.h"
#include "uikit/services/KtThemes.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

TKtCustomProgressBar::TKtCustomProgressBar(QWidget* parent) : QWidget(parent) {
    // The bar covers its whole rectangle: nothing of the parent needs painting under it.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(barColor_));
    setPalette(p);
    resize(200, 24);
}

TKtCustomProgressBar::~TKtCustomProgressBar() {
    if (frameController_) frameController_->RemoveControl(this);
}

template <typename T> void TKtCustomProgressBar::StoreAndRepaint(T& field, const T& value) {
    if (field == value) return;
    field = value;
    repaint();
}

void TKtCustomProgressBar::SetBackColor(TColor value) {
    StoreAndRepaint(backColor_, value);
}

void TKtCustomProgressBar::SetBackColorStop(TColor value) {
    StoreAndRepaint(backColorStop_, value);
}

void TKtCustomProgressBar::SetBarColor(TColor value) {
    if (value == barColor_) return;
    barColor_ = value;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(value));
    setPalette(p);
    repaint();
}

void TKtCustomProgressBar::SetBarColorStop(TColor value) {
    StoreAndRepaint(barColorStop_, value);
}

void TKtCustomProgressBar::SetBarStyle(TBarStyle value) {
    if (value == barStyle_) return;
    barStyle_ = value;
    showPercent_ = value != bsLED;
    interiorOffset_ = value == bsLED ? 1 : 0;
    repaint();
}

void TKtCustomProgressBar::SetBevelWidth(int value) {
    StoreAndRepaint(bevelWidth_, std::max(1, value));
}

void TKtCustomProgressBar::SetBorderColor(TColor value) {
    StoreAndRepaint(borderColor_, value);
}

void TKtCustomProgressBar::SetBorderInner(TFrameStyleEx value) {
    StoreAndRepaint(borderInner_, value);
}

void TKtCustomProgressBar::SetBorderOuter(TFrameStyleEx value) {
    StoreAndRepaint(borderOuter_, value);
}

void TKtCustomProgressBar::SetBorderWidth(int value) {
    StoreAndRepaint(borderWidth_, value);
}

void TKtCustomProgressBar::SetFlatColor(TColor value) {
    if (value == flatColor_) return;
    flatColor_ = value;
    update();
}

void TKtCustomProgressBar::SetFlatColorAdjustment(int value) {
    if (value == flatColorAdjustment_) return;
    flatColorAdjustment_ = value;
    update();
}

void TKtCustomProgressBar::SetGradientDirection(TGradientDirection value) {
    StoreAndRepaint(gradientDirection_, value);
}

void TKtCustomProgressBar::SetInteriorOffset(std::uint8_t value) {
    StoreAndRepaint(interiorOffset_, value);
}

// The LED painter divides the bar by the segment count, so 0 must never reach it.
void TKtCustomProgressBar::SetNumSegments(int value) {
    StoreAndRepaint(numSegments_, std::clamp(value, 1, 100));
}

void TKtCustomProgressBar::SetOrientation(TOrientation value) {
    StoreAndRepaint(orientation_, value);
}

void TKtCustomProgressBar::SetPartsComplete(quint32 value) {
    if (value == partsComplete_) return;
    partsComplete_ = std::min(value, totalParts_);
    if (!loading_ && totalParts_ != 0)
        SetPercent(quint16(RoundHalfEven(double(partsComplete_) / double(totalParts_) * 100.0)));
}

void TKtCustomProgressBar::SetPercent(quint16 value) {
    if (value == percent_) return;
    percent_ = value;
    Change();
    repaint();
}

void TKtCustomProgressBar::SetShowPercent(bool value) {
    StoreAndRepaint(showPercent_, value);
}

void TKtCustomProgressBar::SetTotalParts(quint32 value) {
    if (value == totalParts_) return;
    totalParts_ = value;
    if (loading_) return;
    partsComplete_ = 0;
    SetPercent(0);
}

void TKtCustomProgressBar::SetThemeAware(bool value) {
    if (value == themeAware_) return;
    themeAware_ = value;
    update();
}

void TKtCustomProgressBar::SetFrameController(TKtFrameController* value) {
    if (value == frameController_) return;
    LinkFrameController(this, frameController_, value);
}

void TKtCustomProgressBar::ApplyFrameController() {
    if (!frameController_ || !frameController_->FrameVisible()) return;
    const TKtFrameController& fc = *frameController_;
    auto accepts = [this](TKtFrameControllerProperty p) {
        return AcceptsNotification(frameControllerNotifications_, p);
    };
    if (accepts(fcpFrameStyle)) borderOuter_ = fc.FrameStyle();
    if (accepts(fcpFrameColor)) {
        flatColor_ = fc.FrameColor();
        flatColorAdjustment_ = 0;
    }
    if (accepts(fcpColor)) SetBackColor(fc.Color());
    // The controller's parent-colour flag is not taken: the bar paints every pixel in its own
    // colours, so a colour following the parent's would show nowhere.
    update();
}

void TKtCustomProgressBar::Change() {
    emit OnChange(this, percent_);
}

void TKtCustomProgressBar::PaintTo(TCanvas& canvas) {
    canvas.Font = font();
    TRect r{0, 0, width(), height()};
    if (ThemesActive() && themeAware_) {
        canvas.DrawThemeElement(orientation_ == orHorizontal ? teProgressBar : teProgressBarVertical, r);
        r = InsetSides(r, interiorOffset_ + (barStyle_ == bsLED ? 1 : 3), AllSides);
    } else {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = borderColor_;
        canvas.FillRect(r);
        r = DrawBorder(canvas, r, borderOuter_, borderInner_, borderWidth_, AllSides, bevelWidth_,
                       borderColor_, clBtnHighlight, clBtnShadow, flatColor_, flatColorAdjustment_,
                       backColor_, ParentBackground(this), false, true);
        if (interiorOffset_ > 0) {
            // The ring lies inside the rectangle, one outline per pixel of its width.
            canvas.Brush.Style = bsClear;
            canvas.Pen.Color = backColor_;
            canvas.Pen.Style = psSolid;
            canvas.Pen.Width = 1;
            for (int i = 0; i < interiorOffset_; ++i)
                canvas.Rectangle(InsetSides(r, i, AllSides));
            canvas.Brush.Style = bsSolid;
        }
        r = InsetSides(r, interiorOffset_, AllSides);
    }
    switch (barStyle_) {
    case bsTraditional:
        DrawPercentBar(canvas, r, orientation_, barColor_, backColor_, percent_, showPercent_, false);
        break;
    case bsLED:
        DrawLEDBar(canvas, r, orientation_, barColor_, backColor_, numSegments_, percent_, themeAware_,
                   false);
        break;
    case bsGradient:
        DrawGradientBar(canvas, r, orientation_, barColor_, barColorStop_, backColor_, backColorStop_,
                        gradientDirection_, percent_, showPercent_, false);
        break;
    }
}

void TKtCustomProgressBar::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0) return;
    QImage picture(size(), QImage::Format_RGB32);
    // The desktop style's frame may leave its rounded corners to the background.
    picture.fill(ToQColor(ParentBackground(this)));
    {
        TCanvas canvas(picture);
        PaintTo(canvas);
    }
    QPainter(this).drawImage(0, 0, picture);
}

void TKtCustomProgressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SetOrientation(height() > width() ? orVertical : orHorizontal);
}
