#include "uikit/buttons/KtButton.h"

#include "uikit/draw/KtColors.h"
#include "uikit/draw/KtFrames.h"
#include "uikit/draw/KtGradient.h"
#include "uikit/draw/KtParentColor.h"
#include "uikit/draw/KtParentImage.h"
#include "uikit/services/KtGlobals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

TKtButton::TKtButton(QWidget* parent) : TKtCustomButton(parent) {
    resize(75, 25);
    active_ = default_;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window() == window()) FocusedControlChanged(now);
    });
    WatchWindow();
}

void TKtButton::SetAlignment(Qt::Alignment value) {
    value &= Qt::AlignHorizontal_Mask;
    if (value == alignment_) return;
    alignment_ = value;
    update();
}

void TKtButton::SetDefault(bool value) {
    default_ = value;
    // Which button Enter presses is worked out again for every button of the window.
    QWidget* form = window();
    QWidget* focused = form->focusWidget();
    for (TKtButton* button : form->findChildren<TKtButton*>())
        button->FocusedControlChanged(focused);
    if (form == this) FocusedControlChanged(focused);
}

void TKtButton::SetAllowAllUp(bool value) {
    allowAllUp_ = value;
    BroadcastGroup();
}

void TKtButton::SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = value;
    update();
    if (down_) BroadcastGroup();
}

void TKtButton::SetGroupIndex(int value) {
    groupIndex_ = value;
    BroadcastGroup();
}

void TKtButton::SetShowDownPattern(bool value) {
    if (value == showDownPattern_) return;
    showDownPattern_ = value;
    update();
}

void TKtButton::SetShowFocusRect(bool value) {
    if (value == showFocusRect_) return;
    showFocusRect_ = value;
    update();
}

void TKtButton::SetFrameColor(TColor value) {
    if (value == frameColor_) return;
    frameColor_ = value;
    update();
}

void TKtButton::SetHotTrack(bool value) {
    TKtCustomButton::SetHotTrack(value);
    SetTransparentBackground(value);
    update();
}

// The members of a group learn of each other's state through their common parent.
void TKtButton::BroadcastGroup() {
    if (groupIndex_ == 0 || parentWidget() == nullptr) return;
    for (QObject* child : parentWidget()->children())
        if (auto* button = qobject_cast<TKtButton*>(child)) button->GroupButtonDown(groupIndex_, this);
}

void TKtButton::GroupButtonDown(int groupIndex, const TKtButton* sender) {
    if (groupIndex != groupIndex_ || sender == this) return;
    if (sender->down_ && down_) {
        down_ = false;
        update();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TKtButton::FocusedControlChanged(QWidget* focused) {
    const bool isButton = qobject_cast<TKtButton*>(focused) || qobject_cast<QAbstractButton*>(focused);
    const bool active = isButton ? focused == this : default_;
    if (active == active_) return;
    active_ = active;
    repaint();
}

void TKtButton::HandleClick() {
    if (groupIndex_ != 0)
        SetDown(!down_);
    else
        UpdateButtonState();
    clicking_ = true;
    Click();
    clicking_ = false;
}

void TKtButton::Click() {
    QPointer<QDialog> dialog = qobject_cast<QDialog*>(window());
    if (dialog) dialog->setResult(modalResult_);
    TKtCustomButton::Click();
    // As on the desktop, the dialog closes after the handlers ran, with the result they left.
    if (dialog && dialog->result() != 0) dialog->done(dialog->result());
}

void TKtButton::UpdateButtonState() {
    update();
}

// Enter and Esc reach the window when the focused control leaves them alone.
void TKtButton::WatchWindow() {
    QWidget* form = window();
    if (form == watchedWindow_) return;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = form;
    form->installEventFilter(this);
}

bool TKtButton::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) WatchWindow();
    return TKtCustomButton::event(event);
}

bool TKtButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool escape = key->key() == Qt::Key_Escape;
        const bool shifts =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (((enter && active_) || (escape && cancel_)) && !shifts && CanFocus()) {
            Click();
            return true;
        }
    }
    return TKtCustomButton::eventFilter(watched, event);
}

void TKtButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !(event->modifiers() & Qt::AltModifier)) {
        SetPressed(true);
        spacePressed_ = true;
        UpdateButtonState();
        return;
    }
    TKtCustomButton::keyPressEvent(event);
}

void TKtButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        TKtCustomButton::keyReleaseEvent(event);
        return;
    }
    SetPressed(false);
    // Only a space that went down on this button clicks it.
    if (spacePressed_) {
        spacePressed_ = false;
        HandleClick();
    }
    UpdateButtonState();
}

void TKtButton::focusOutEvent(QFocusEvent* event) {
    TKtCustomButton::focusOutEvent(event);
    SetPressed(false);
    spacePressed_ = false;
    UpdateButtonState();
}

TRect TKtButton::GetCaptionRect() const {
    TRect r = InsetSides(TRect::FromQRect(rect()), 5, AllSides);
    // Only the classic look shows the caption pushed in with the face.
    if (!HotTrack() && !Themed() && (Pressed() || (groupIndex_ != 0 && down_))) r = r.Offset(1, 1);
    return r;
}

void TKtButton::DrawButtonCaption(TCanvas& canvas) {
    Qt::Alignment alignment = alignment_;
    if (layoutDirection() == Qt::RightToLeft && alignment != Qt::AlignHCenter)
        alignment = alignment == Qt::AlignLeft ? Qt::AlignRight : Qt::AlignLeft;
    const unsigned flag = alignment == Qt::AlignRight  ? dtRight
                          : alignment == Qt::AlignLeft ? dtLeft
                                                       : dtCenter;
    DrawButtonText(canvas, GetCaptionRect(), flag | dtWordBreak | dtExpandTabs);
}

QImage TKtButton::CreateDownPattern() const {
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(ToQColor(Color()));
    const QColor dot = ToQColor(ColorToRGB(Color()) == clSilver ? clGray : clSilver);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x % 2 == y % 2) pattern.setPixelColor(x, y, dot);
    return pattern;
}

void TKtButton::EraseTransparentBackground(TCanvas& canvas) {
    if (!TransparentBackground()) return;
    // Everything but the small corners outside the rounded frame is painted by the face.
    const TRect a = InsetSides(TRect::FromQRect(rect()), isEnabled() ? 1 : 2, AllSides);
    const TRect b{a.Left - 1, a.Top + 1, a.Right + 1, a.Bottom - 1};
    const TRect c{b.Left + 2, b.Top - 2, b.Right - 2, b.Bottom + 2};
    canvas.ExcludeClipRect(a);
    canvas.ExcludeClipRect(b);
    canvas.ExcludeClipRect(c);
    DrawParentImage(this, canvas);
    canvas.RemoveClip();
}

void TKtButton::Paint(TCanvas& canvas) {
    const TRect client = TRect::FromQRect(rect());
    TRect focusRect = InsetSides(client, HotTrack() || Themed() ? 3 : 4, AllSides);
    if (groupIndex_ != 0 && ShowsDown()) focusRect = focusRect.Offset(1, 1);
    TRect r = client;
    if (Themed())
        PaintThemed(canvas, r);
    else if (HotTrack())
        PaintFlat(canvas, r);
    else
        PaintClassic(canvas, r);

    if (groupIndex_ != 0 && down_ && showDownPattern_) {
        const QImage tile = CreateDownPattern();
        QImage fill(std::max(r.Width(), 0), std::max(r.Height(), 0), QImage::Format_RGB32);
        // The tile lies on the button's own grid, as a brush pattern does.
        for (int y = 0; y < fill.height(); ++y)
            for (int x = 0; x < fill.width(); ++x)
                fill.setPixel(x, y, tile.pixel((r.Left + x) & 7, (r.Top + y) & 7));
        canvas.Draw(r.Left, r.Top, fill);
    }

    canvas.Font = font();
    canvas.Brush.Color = Color();
    DrawButtonCaption(canvas);
    if (hasFocus() && showFocusRect_) DrawFocusBorder(canvas, focusRect);
}

void TKtButton::PaintThemed(TCanvas& canvas, const TRect& r) {
    TThemeButtonState state = tbsNormal;
    if (!isEnabled())
        state = tbsDisabled;
    else if (ShowsDown())
        state = tbsPressed;
    else if (MouseOver())
        state = tbsHot;
    else if (groupIndex_ == 0 && (active_ || hasFocus()))
        state = tbsDefaulted;
    DrawParentImage(this, canvas);
    canvas.DrawThemeButton(r, state);
}

void TKtButton::PaintFlat(TCanvas& canvas, TRect& r) {
    const TColor color = Color();
    if (!isEnabled()) {
        const TColor frame = color != clBtnFace ? DarkerColor(color, 80) : LighterColor(clBtnShadow, 30);
        r = InsetSides(r, 1, AllSides);
        DrawRoundedFlatBorder(canvas, r, frame, AllSides);
        r = InsetSides(r, 1, AllSides);
        canvas.Brush.Color = color;
        canvas.FillRect(r);
        return;
    }
    // The outer ring blends the corners into the parent.
    const TColor parent = ParentPanelColor(this);
    const TColor dark = DarkerColor(parent, 20);
    DrawSides(canvas, r, dark, LighterColor(parent, 20), AllSides);
    canvas.SetPixel(r.Right - 1, r.Top, dark);
    canvas.SetPixel(r.Left, r.Bottom - 1, dark);
    r = InsetSides(r, 1, AllSides);
    DrawRoundedFlatBorder(canvas, r, frameColor_, AllSides);
    r = InsetSides(r, 1, AllSides);

    if (ShowsDown()) {
        canvas.Brush.Color = DarkerColor(color, 10);
        canvas.FillRect(r);
    } else if (MouseOver()) {
        PaintFace(canvas, r);
        TColor a, b;
        if (HotTrackColorType() == htctComplement) {
            a = ComplementaryColor(HotTrackColor(), 180);
            b = DarkerColor(a, 30);
        } else {
            b = HotTrackColor();
            a = BlendColors(clWhite, b, 190);
        }
        PaintGradientFrame(canvas, r, gdHorizontalEnd, a, b);
    } else if (groupIndex_ == 0 && (active_ || hasFocus())) {
        PaintFace(canvas, r);
        const TColor f = ColorsSimilar(frameColor_, clBtnFace) ? DarkerColor(frameColor_, 30) : frameColor_;
        const TColor l = LighterColor(color, 30);
        PaintGradientFrame(canvas, r, gdHorizontalEnd, BlendColors(f, l, 60), BlendColors(f, l, 160));
    } else {
        PaintFace(canvas, r);
    }
}

void TKtButton::PaintFace(TCanvas& canvas, const TRect& r) {
    const TColor color = Color();
    canvas.Pen.Color = DarkerColor(color, 20);
    canvas.Line(r.Left, r.Bottom - 2, r.Right, r.Bottom - 2);
    canvas.Pen.Color = DarkerColor(color, 30);
    canvas.Line(r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    const TRect face{r.Left, r.Top, r.Right, r.Bottom - 2};
    if (TrueColorDisplay) {
        PaintGradient(canvas, face, gdHorizontalEnd, LighterColor(color, 30), DarkerColor(color, 10), 1);
    } else {
        canvas.Brush.Color = color;
        canvas.FillRect(face);
    }
}

void TKtButton::PaintClassic(TCanvas& canvas, TRect& r) {
    const bool grouped = groupIndex_ != 0;
    if (!grouped && (((active_ || hasFocus()) && !Pressed()) || clicking_))
        r = DrawBox(canvas, r, clWindowFrame);
    const TColor color = Color();
    if (color == clBtnFace) {
        if (!grouped)
            r = DrawButtonBorder(canvas, r, Pressed());
        else
            r = DrawBorderAll(canvas, r, ShowsDown() ? fsLowered : fsButtonUp);
    } else {
        if (!grouped)
            r = DrawColorButtonBorder(canvas, r, color, Pressed());
        else if (ShowsDown())
            r = DrawColorBorderAll(canvas, r, color, fsLowered);
        else
            r = DrawColorButtonBorder(canvas, r, color, false);
    }
    canvas.Brush.Color = color;
    canvas.FillRect(r);
}
