#pragma once

#include "uikit/buttons/KtCustomButton.h"

#include <QImage>
#include <QPointer>

// The kit's push button, drawn in one of three looks: classic 3-D, flat with rounded corners
// and a gradient glow when HotTrack is on, or the desktop's themed button when ThemeAware and
// the desktop's themes are on.
//
// In a dialog, Enter presses the active button (the Default one, unless another button holds
// the focus) and Esc presses a Cancel button; a click hands ModalResult to the dialog, which
// closes with it once the click's handlers ran (a handler may set the dialog's result back to 0
// to keep it open). Buttons with the same GroupIndex under one parent are toggle buttons of
// which at most one is Down; with AllowAllUp the down one may also be released.
class TKtButton : public TKtCustomButton {
    Q_OBJECT

public:
    explicit TKtButton(QWidget* parent = nullptr);

    // Horizontal placement of the caption: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    virtual void SetAlignment(Qt::Alignment value);
    bool Default() const { return default_; }
    virtual void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // A TModalResult; 0 leaves the dialog open.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }
    bool AllowAllUp() const { return allowAllUp_; }
    virtual void SetAllowAllUp(bool value);
    bool Down() const { return down_; }
    virtual void SetDown(bool value);
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int value);
    bool ShowDownPattern() const { return showDownPattern_; }
    virtual void SetShowDownPattern(bool value);
    bool ShowFocusRect() const { return showFocusRect_; }
    virtual void SetShowFocusRect(bool value);
    bool DropDownOnEnter() const { return dropDownOnEnter_; }
    void SetDropDownOnEnter(bool value) { dropDownOnEnter_ = value; }
    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor value);
    // Also makes the button transparent round its rounded corners.
    void SetHotTrack(bool value) override;

    // The button Enter presses now.
    bool Active() const { return active_; }

    void Click() override;

protected:
    virtual TRect GetCaptionRect() const;
    virtual void DrawButtonCaption(TCanvas& canvas);
    // The 8 x 8 checkered tile a down grouped button is filled with.
    virtual QImage CreateDownPattern() const;

    // Down, or pressed by the mouse or the space bar: the face shows pushed in.
    bool ShowsDown() const { return down_ || Pressed(); }

    void Paint(TCanvas& canvas) override;
    void HandleClick() override;
    void EraseTransparentBackground(TCanvas& canvas) override;
    void UpdateButtonState() override;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void WatchWindow();
    void FocusedControlChanged(QWidget* focused);
    void BroadcastGroup();
    void GroupButtonDown(int groupIndex, const TKtButton* sender);
    void PaintThemed(TCanvas& canvas, const TRect& r);
    void PaintFlat(TCanvas& canvas, TRect& r);
    void PaintClassic(TCanvas& canvas, TRect& r);
    void PaintFace(TCanvas& canvas, const TRect& r);

    Qt::Alignment alignment_ = Qt::AlignHCenter;
    bool clicking_ = false;
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    int modalResult_ = 0;
    bool spacePressed_ = false;
    bool allowAllUp_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    bool showDownPattern_ = true;
    bool showFocusRect_ = true;
    bool dropDownOnEnter_ = true;
    TColor frameColor_ = cl3DDkShadow;
    QPointer<QWidget> watchedWindow_;
};
