#pragma once

#include "base/Color.h"
#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtRect.h"
#include "uikit/draw/KtTypes.h"

#include <QPointer>
#include <QWidget>

class QAction;

// The base of the kit's push buttons. It tracks a left-button press (Pressed while the pointer
// stays inside, a click when the button is released inside), follows the mouse for hot tracking,
// repaints on focus and enable changes, and draws the caption with its text effects. What the
// face looks like, what a click does and what shows behind a transparent button are the
// descendants' (Paint, HandleClick, EraseTransparentBackground). It publishes nothing itself.
class TKtCustomButton : public QWidget {
    Q_OBJECT

public:
    explicit TKtCustomButton(QWidget* parent = nullptr);

    // The caption; "&" marks the accelerator, "&&" stands for one ampersand.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    // Repaint when the mouse enters or leaves.
    bool HotTrack() const { return hotTrack_; }
    virtual void SetHotTrack(bool value);
    // Plain fields the descendants' painting reads; no repaint when set.
    TColor HotTrackColor() const { return hotTrackColor_; }
    void SetHotTrackColorField(TColor value) { hotTrackColor_ = value; }
    TKtHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    void SetHotTrackColorTypeField(TKtHotTrackColorType value) { hotTrackColorType_ = value; }
    TColor HighlightColor() const { return highlightColor_; }
    virtual void SetHighlightColor(TColor value);
    // Raised or recessed captions draw only their highlight copy.
    bool LightTextStyle() const { return lightTextStyle_; }
    virtual void SetLightTextStyle(bool value);
    TTextStyle TextStyle() const { return textStyle_; }
    virtual void SetTextStyle(TTextStyle value);
    TColor TextHighlightColor() const { return textHighlightColor_; }
    virtual void SetTextHighlightColor(TColor value);
    TColor TextShadowColor() const { return textShadowColor_; }
    virtual void SetTextShadowColor(TColor value);
    int TextShadowDepth() const { return textShadowDepth_; }
    virtual void SetTextShadowDepth(int value);
    // With the desktop's themes on, repaint on mouse enter and leave as with HotTrack.
    bool ThemeAware() const { return themeAware_; }
    virtual void SetThemeAware(bool value);
    // Paint the background through EraseTransparentBackground instead of filling it with Color.
    bool TransparentBackground() const { return transparentBackground_; }
    virtual void SetTransparentBackground(bool value);

    bool Tracking() const { return tracking_; }
    bool MouseOver() const { return mouseOver_; }
    bool Pressed() const { return pressed_; }

    // What a click does when nothing is connected to OnClick.
    QAction* Action() const { return action_; }
    void SetAction(QAction* value) { action_ = value; }

    // Runs the click: OnClick, or the action when nothing is connected to OnClick.
    virtual void Click();

signals:
    void OnClick();

protected:
    void SetPressed(bool value) { pressed_ = value; }
    // The themed look is in use: ThemeAware and the desktop's themes on.
    bool Themed() const;
    // The button may take the keyboard focus now.
    bool CanFocus() const;

    virtual void EraseTransparentBackground(TCanvas& canvas);
    // Called whenever Pressed may have changed.
    virtual void UpdateButtonState();
    virtual void FocusChanged();
    virtual TRect GetHotTrackRect() const;
    // The caption in rect with the text effects, placed vertically by AlignmentVertical; flags
    // are the horizontal layout (TDrawTextFlag).
    virtual void DrawButtonText(TCanvas& canvas, TRect rect, unsigned flags);
    // A tracked press ended inside the button.
    virtual void HandleClick() = 0;
    virtual void Paint(TCanvas& canvas) = 0;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void HotTrackInvalidate();

    QString caption_;
    QPointer<QAction> action_;
    int shortcutId_ = 0;
    TColor color_ = clBtnFace;
    TAlignmentVertical alignmentVertical_ = avCenter;
    bool hotTrack_ = false;
    TColor hotTrackColor_ = 0x149BF0;
    TKtHotTrackColorType hotTrackColorType_ = htctActual;
    TColor highlightColor_ = clHighlight;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = tsNormal;
    TColor textHighlightColor_ = clBtnHighlight;
    TColor textShadowColor_ = clBtnShadow;
    int textShadowDepth_ = 2;
    bool themeAware_ = true;
    bool transparentBackground_ = false;
    bool tracking_ = false;
    bool mouseOver_ = false;
    bool pressed_ = false;
};
