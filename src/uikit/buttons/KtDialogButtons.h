#pragma once

#include "uikit/controls/KtPanel.h"
#include "uikit/services/KtAlign.h"

class QAction;
class TKtBitBtn;

// The kit's bar of a dialog's OK, Cancel and Help buttons. It creates the three buttons (Help
// hidden), lays them out itself and publishes their captions, results, visibility, widths,
// colours, actions and clicks as its own properties. Docked along the top or bottom of a dialog
// (the designed alBottom) it is one row, right-aligned with 8-pixel gaps; along the left or
// right edge, or custom-aligned, a column. OK is the dialog's default button (Enter), Cancel
// answers Esc, or OK does when Cancel is hidden; a press sets the dialog's result to the
// button's modal result, which closes the dialog unless it is 0.
class TKtDialogButtons : public TKtCustomPanel {
    Q_OBJECT

public:
    // The buttons by index, as the indexed properties take them.
    enum TButtonIndex { biOk = 1, biCancel = 2, biHelp = 3 };

    explicit TKtDialogButtons(QWidget* parent = nullptr);

    TKtBitBtn* Button(TButtonIndex index) const { return buttons_[index - 1]; }

    QString ButtonCaption(TButtonIndex index) const;
    void SetButtonCaption(TButtonIndex index, const QString& value);
    QString CaptionOk() const { return ButtonCaption(biOk); }
    void SetCaptionOk(const QString& value) { SetButtonCaption(biOk, value); }
    QString CaptionCancel() const { return ButtonCaption(biCancel); }
    void SetCaptionCancel(const QString& value) { SetButtonCaption(biCancel, value); }
    QString CaptionHelp() const { return ButtonCaption(biHelp); }
    void SetCaptionHelp(const QString& value) { SetButtonCaption(biHelp, value); }

    // The dialog's result when the button is pressed (TModalResult; 0 leaves the dialog open).
    int ModalResult(TButtonIndex index) const;
    void SetModalResult(TButtonIndex index, int value);
    int ModalResultOk() const { return ModalResult(biOk); }
    void SetModalResultOk(int value) { SetModalResult(biOk, value); }
    int ModalResultCancel() const { return ModalResult(biCancel); }
    void SetModalResultCancel(int value) { SetModalResult(biCancel, value); }
    int ModalResultHelp() const { return ModalResult(biHelp); }
    void SetModalResultHelp(int value) { SetModalResult(biHelp, value); }

    QAction* Action(TButtonIndex index) const;
    void SetAction(TButtonIndex index, QAction* value);
    bool Enable(TButtonIndex index) const;
    void SetEnable(TButtonIndex index, bool value);
    bool ShowButton(TButtonIndex index) const;
    // Hiding Cancel makes OK answer Esc; showing it gives Esc back to Cancel.
    void SetShowButton(TButtonIndex index, bool value);
    int ButtonWidth(TButtonIndex index) const { return widths_[index - 1]; }
    void SetButtonWidth(TButtonIndex index, int value);

    TAlign Align() const { return AlignOf(this); }
    void SetAlign(TAlign value);
    TColor ButtonColor() const;
    void SetButtonColor(TColor value);
    TColor ButtonFrameColor() const;
    void SetButtonFrameColor(TColor value);
    bool HotTrack() const;
    void SetHotTrack(bool value);
    TColor HighlightColor() const;
    void SetHighlightColor(TColor value);
    TColor HotTrackColor() const;
    void SetHotTrackColor(TColor value);
    TKtHotTrackColorType HotTrackColorType() const;
    void SetHotTrackColorType(TKtHotTrackColorType value);
    // Cancel answers Esc.
    bool CancelCancel() const;
    void SetCancelCancel(bool value);
    // OK answers Enter.
    bool OKDefault() const;
    void SetOKDefault(bool value);
    // A groove on the side that faces the dialog.
    bool ShowDivider() const { return showDivider_; }
    void SetShowDivider(bool value);
    // The standard glyphs on the three buttons.
    bool ShowGlyphs() const { return showGlyphs_; }
    void SetShowGlyphs(bool value);

    int ButtonHeight() const { return buttonHeight_; }
    int DefaultButtonWidth() const { return defaultButtonWidth_; }

    // Scales the bar and its buttons with its window.
    void ChangeScale(int numerator, int denominator);

signals:
    void OnClickOk();
    void OnClickCancel();
    void OnClickHelp();

protected:
    virtual void CreateButtons();
    virtual void AdjustBarSize();
    virtual void ArrangeButtons();
    void Paint(TCanvas& canvas) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The bar's button settings stand for all three buttons; the OK button answers for them.
    template <typename Setter, typename T> void SetOnEveryButton(Setter setter, const T& value);
    void ButtonClicked(TButtonIndex index);

    TKtBitBtn* buttons_[3] = {};
    int widths_[3] = {};
    int buttonHeight_ = 25;
    int defaultButtonWidth_ = 75;
    bool showDivider_ = false;
    bool showGlyphs_ = false;
};
