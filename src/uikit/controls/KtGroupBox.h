#pragma once

#include "uikit/controls/KtPanel.h"

enum TKtGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

// The kit's group box: a panel whose caption heads a frame in one of six styles: an etched or
// flat frame broken by the caption (gsStandard), a frame with cut corners (gsFlat), a line over
// the top (gsTopLine), a gradient banner (gsBanner), an underlined caption (gsUnderline), or the
// plain panel (gsCustom). The client area starts below the caption. The caption's accelerator
// gives the focus to the first control inside that takes it.
class TKtCustomGroupBox : public TKtCustomPanel {
    Q_OBJECT

public:
    explicit TKtCustomGroupBox(QWidget* parent = nullptr);

    TKtGroupBoxStyle GroupStyle() const { return groupStyle_; }
    void SetGroupStyle(TKtGroupBoxStyle value);

    void SetCaption(const QString& value) override;
    void ApplyFrameController() override;

protected:
    void AdjustClientRect(TRect& r) const override;
    void Paint(TCanvas& canvas) override;
    bool event(QEvent* event) override;

private:
    // Where the caption goes, by the style; empty without a caption and for gsCustom.
    TRect CaptionRect(TCanvas& canvas) const;
    void PaintFrame(TCanvas& canvas, const TRect& f, const TRect& caption);
    void PaintCaption(TCanvas& canvas, TRect t);
    void GrabAccelerator();

    TKtGroupBoxStyle groupStyle_ = gsFlat;
    int acceleratorId_ = 0;
};

// The group box as windows place it.
class TKtGroupBox : public TKtCustomGroupBox {
    Q_OBJECT

public:
    explicit TKtGroupBox(QWidget* parent = nullptr) : TKtCustomGroupBox(parent) {}
};
