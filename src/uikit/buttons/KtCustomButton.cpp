#include "uikit/buttons/KtCustomButton.h"

#include "uikit/draw/KtText.h"
#include "uikit/services/KtThemes.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The layout the caption is measured with, whatever the caller's flags.
constexpr unsigned kMeasureFlags = dtCenter | dtVCenter | dtWordBreak | dtExpandTabs | dtCalcRect;

} // namespace

TKtCustomButton::TKtCustomButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // The button paints all of itself, its background included.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    resize(115, 17);
}

void TKtCustomButton::SetCaption(const QString& value) {
    if (value == caption_) return;
    caption_ = value;
    // The accelerator presses the button with Alt, as the desktop's buttons do.
    if (shortcutId_ != 0) releaseShortcut(shortcutId_);
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption_);
    shortcutId_ = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    repaint();
}

void TKtCustomButton::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    update();
}

void TKtCustomButton::SetAlignmentVertical(TAlignmentVertical value) {
    if (value == alignmentVertical_) return;
    alignmentVertical_ = value;
    update();
}

void TKtCustomButton::SetHotTrack(bool value) {
    if (value == hotTrack_) return;
    hotTrack_ = value;
    update();
}

void TKtCustomButton::SetHighlightColor(TColor value) {
    if (value == highlightColor_) return;
    highlightColor_ = value;
    update();
}

void TKtCustomButton::SetLightTextStyle(bool value) {
    if (value == lightTextStyle_) return;
    lightTextStyle_ = value;
    update();
}

void TKtCustomButton::SetTextStyle(TTextStyle value) {
    if (value == textStyle_) return;
    textStyle_ = value;
    update();
}

void TKtCustomButton::SetTextHighlightColor(TColor value) {
    if (value == textHighlightColor_) return;
    textHighlightColor_ = value;
    update();
}

void TKtCustomButton::SetTextShadowColor(TColor value) {
    if (value == textShadowColor_) return;
    textShadowColor_ = value;
    update();
}

void TKtCustomButton::SetTextShadowDepth(int value) {
    if (value == textShadowDepth_) return;
    textShadowDepth_ = value;
    update();
}

void TKtCustomButton::SetThemeAware(bool value) {
    if (value == themeAware_) return;
    themeAware_ = value;
    update();
}

void TKtCustomButton::SetTransparentBackground(bool value) {
    if (value == transparentBackground_) return;
    transparentBackground_ = value;
    // A transparent button leaves the pixels beside its rounded corners to the parent.
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    update();
}

bool TKtCustomButton::Themed() const {
    return themeAware_ && ThemesActive();
}

bool TKtCustomButton::CanFocus() const {
    return isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus;
}

void TKtCustomButton::Click() {
    if (action_ && !isSignalConnected(QMetaMethod::fromSignal(&TKtCustomButton::OnClick)))
        action_->trigger();
    else
        emit OnClick();
}

void TKtCustomButton::EraseTransparentBackground(TCanvas&) {}

void TKtCustomButton::UpdateButtonState() {}

void TKtCustomButton::FocusChanged() {
    repaint();
}

TRect TKtCustomButton::GetHotTrackRect() const {
    return TRect::FromQRect(rect());
}

void TKtCustomButton::DrawButtonText(TCanvas& canvas, TRect rect, unsigned flags) {
    canvas.Brush.Style = bsClear;
    canvas.Font = font();
    TRect measured = rect;
    const int h = canvas.DrawText(measured, caption_, kMeasureFlags);
    switch (alignmentVertical_) {
    case avTop:
        rect.Bottom = rect.Top + h;
        break;
    case avCenter:
        rect.Top = (rect.Top + rect.Bottom - h) / 2;
        rect.Bottom = rect.Top + h;
        break;
    case avBottom:
        rect.Top = rect.Bottom - h - 1;
        break;
    }
    const auto drawAt = [&](int dx, int dy, TColor color) {
        TRect moved = rect.Offset(dx, dy);
        canvas.FontColor = color;
        canvas.DrawText(moved, caption_, flags);
    };
    if (isEnabled()) {
        DrawTextRelief(textStyle_, lightTextStyle_, textHighlightColor_, textShadowColor_, drawAt);
        if (textStyle_ == tsShadow) {
            drawAt((flags & dtRight) ? 0 : textShadowDepth_, textShadowDepth_, textShadowColor_);
        }
        // A right-aligned caption keeps clear of the edge by the shadow's depth in every style.
        drawAt((flags & dtRight) ? -textShadowDepth_ : 0, 0,
               FromQColor(palette().color(QPalette::ButtonText)));
    } else {
        drawAt(0, 0, clGrayText);
    }
    canvas.Brush.Style = bsSolid;
}

bool TKtCustomButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // The accelerator presses a button that could take the focus, as the keyboard does.
        if (CanFocus()) Click();
        return true;
    }
    return QWidget::event(event);
}

void TKtCustomButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(painter);
    if (transparentBackground_) {
        EraseTransparentBackground(canvas);
    } else {
        canvas.Brush.Color = color_;
        canvas.FillRect(TRect::FromQRect(rect()));
    }
    Paint(canvas);
}

void TKtCustomButton::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    setFocus(Qt::MouseFocusReason);
    if (!hasFocus()) return;
    pressed_ = true;
    UpdateButtonState();
    tracking_ = true;
}

void TKtCustomButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!tracking_) return;
    const QPoint p = event->position().toPoint();
    const bool inside = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() < height();
    if (inside == pressed_) return;
    pressed_ = inside;
    UpdateButtonState();
}

void TKtCustomButton::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (!tracking_) return;
    tracking_ = false;
    pressed_ = false;
    const QPoint p = event->position().toPoint();
    if (p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() < height()) HandleClick();
    UpdateButtonState();
}

void TKtCustomButton::HotTrackInvalidate() {
    if (hotTrack_ || Themed()) update(GetHotTrackRect().ToQRect());
}

void TKtCustomButton::enterEvent(QEnterEvent* event) {
    mouseOver_ = true;
    QWidget::enterEvent(event);
    HotTrackInvalidate();
}

void TKtCustomButton::leaveEvent(QEvent* event) {
    mouseOver_ = false;
    QWidget::leaveEvent(event);
    HotTrackInvalidate();
}

void TKtCustomButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    FocusChanged();
}

void TKtCustomButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    FocusChanged();
}

void TKtCustomButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) return;
    // A disabled button must not keep the keyboard focus.
    if (!isEnabled() && hasFocus()) clearFocus();
    update();
}
