#include "uikit/controls/KtLabel.h"

#include "uikit/draw/KtText.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

TKtLabel::TKtLabel(QWidget* parent) : TKtFramedControl(parent, fsNone) {
    if (BlinkingControlsList == nullptr) BlinkingControlsList = new TKtBlinkingControlsList;
    BlinkingControlsList->Add(this);
    AdjustBounds();
}

TKtLabel::~TKtLabel() {
    BlinkingControlsList->Remove(this);
    FreeBlinkingControlsListIfEmpty();
}

template <typename T> void TKtLabel::StoreAndUpdate(T& field, T value) {
    if (field == value) return;
    field = value;
    update();
}

void TKtLabel::SetCaption(const QString& value) {
    if (value == caption_) return;
    caption_ = value;
    AdjustBounds();
    repaint();
}

void TKtLabel::SetAlignment(Qt::Alignment value) {
    StoreAndUpdate(alignment_, value & Qt::AlignHorizontal_Mask);
}

void TKtLabel::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustBounds();
}

void TKtLabel::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    AdjustBounds();
    update();
}

void TKtLabel::SetLayout(TTextLayout value) {
    StoreAndUpdate(layout_, value);
}

void TKtLabel::SetShowAccelChar(bool value) {
    if (value == showAccelChar_) return;
    showAccelChar_ = value;
    AdjustBounds();
    update();
}

void TKtLabel::SetTransparent(bool value) {
    StoreAndUpdate(transparent_, value);
}

void TKtLabel::SetFontColor(TColor value) {
    if (value == fontColor_) return;
    fontColor_ = value;
    FontChanged();
}

void TKtLabel::UseOutlineFont() {
    // Bitmap fonts cannot be turned; Verdana can.
    if (IsTrueTypeFont(font())) return;
    QFont outline = font();
    outline.setFamily(QStringLiteral("Verdana"));
    setFont(outline);
}

void TKtLabel::SetAngle(int value) {
    // Into 0..359 whatever the sign and size of the turn.
    value = (value % 360 + 360) % 360;
    if (value == angle_) return;
    angle_ = value;
    if (value != 0) UseOutlineFont();
    if (value != 0 && rotation_ == roNone) rotation_ = roFlat;
    AdjustBounds();
    repaint();
}

void TKtLabel::SetRotation(TRotation value) {
    if (value == rotation_) return;
    if (value != roNone) UseOutlineFont();
    rotation_ = value;
    if (value != roCurve) angle_ = 0;
    if (value == roFlat) centerPoint_ = cpCenter;
    update();
}

void TKtLabel::SetCenterPoint(TCenterPoint value) {
    StoreAndUpdate(centerPoint_, value);
}

void TKtLabel::SetTextStyle(TTextStyle value) {
    StoreAndUpdate(textStyle_, value);
}

void TKtLabel::SetLightTextStyle(bool value) {
    StoreAndUpdate(lightTextStyle_, value);
}

void TKtLabel::SetHighlightColor(TColor value) {
    StoreAndUpdate(highlightColor_, value);
}

void TKtLabel::SetShadowColor(TColor value) {
    StoreAndUpdate(shadowColor_, value);
}

void TKtLabel::SetShadowDepth(int value) {
    StoreAndUpdate(shadowDepth_, value);
}

void TKtLabel::SetTextMargin(int value) {
    StoreAndUpdate(textMargin_, value);
}

void TKtLabel::SetCondenseCaption(TKtCondenseCaption value) {
    if (value == condenseCaption_) return;
    condenseCaption_ = value;
    if (value != ccNone) SetAutoSize(false);
    update();
}

void TKtLabel::SetBlinking(bool value) {
    if (value == blinking_) return;
    blinking_ = value;
    if (!value) {
        currentTextColor_ = normalTextColor_;
        repaint();
    }
}

void TKtLabel::SetBlinkColor(TColor value) {
    StoreAndUpdate(blinkColor_, value);
}

std::uint16_t TKtLabel::BlinkIntervalOff() const {
    return BlinkingControlsList->BlinkIntervalOff();
}

void TKtLabel::SetBlinkIntervalOff(std::uint16_t value) {
    BlinkingControlsList->SetBlinkIntervalOff(value);
}

std::uint16_t TKtLabel::BlinkIntervalOn() const {
    return BlinkingControlsList->BlinkIntervalOn();
}

void TKtLabel::SetBlinkIntervalOn(std::uint16_t value) {
    BlinkingControlsList->SetBlinkIntervalOn(value);
}

void TKtLabel::CMBlinkState(bool on) {
    if (blinking_) SetBlinkState(on);
}

void TKtLabel::SetBlinkState(bool on) {
    currentTextColor_ = on ? blinkColor_ : normalTextColor_;
    repaint();
}

void TKtLabel::SetFlyByEnabled(bool value) {
    if (value == flyByEnabled_) return;
    flyByEnabled_ = value;
    // Only a colour the mouse's arrival replaced is given back.
    if (!value && flyByApplied_) {
        flyByApplied_ = false;
        SetFontColor(savedFontColor_);
    }
}

void TKtLabel::SetFlyByColor(TColor value) {
    StoreAndUpdate(flyByColor_, value);
}

void TKtLabel::enterEvent(QEnterEvent* event) {
    if (flyByEnabled_ && !flyByApplied_) {
        savedFontColor_ = fontColor_;
        flyByApplied_ = true;
        SetFontColor(flyByColor_);
    }
    QWidget::enterEvent(event);
}

void TKtLabel::leaveEvent(QEvent* event) {
    if (flyByEnabled_ && flyByApplied_) {
        flyByApplied_ = false;
        SetFontColor(savedFontColor_);
    }
    QWidget::leaveEvent(event);
}

void TKtLabel::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
}

void TKtLabel::FrameChanged() {
    AdjustBounds();
    // Without auto-size nothing else would show the new frame.
    update();
}

void TKtLabel::FontChanged() {
    AdjustBounds();
    update();
    if (!blinking_) normalTextColor_ = currentTextColor_ = fontColor_;
    if (angle_ != 0 && !IsTrueTypeFont(font())) angle_ = 0;
}

void TKtLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) FontChanged();
    // The parent's colour shows through ParentColor.
    if (event->type() == QEvent::PaletteChange && ParentColor()) update();
}

void TKtLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(painter);
    Paint(canvas);
}
