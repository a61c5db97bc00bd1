#pragma once

#include "uikit/controls/KtPanel.h"

class TKtSplitter;

// One pane of a splitter, created by the splitter itself. The controls a window puts into a pane
// (or the pages it docks there) are children of this panel. It paints as a plain panel without an
// outer frame and lets presses on its empty area through to the splitter. Showing or hiding it
// lays the splitter out again: a lone visible pane fills the splitter.
class TKtSplitterPane : public TKtCustomPanel {
    Q_OBJECT

public:
    explicit TKtSplitterPane(TKtSplitter* splitter);

    void setVisible(bool visible) override;

    TKtSplitter* const Splitter;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
};

// The published face of one pane: its frame, colours and visibility, read from and written to
// the pane itself. It cannot be copied; a splitter's pane data stays with its pane.
class TKtPaneData {
public:
    explicit TKtPaneData(TKtSplitterPane* pane) : pane_(pane) {}
    TKtPaneData(const TKtPaneData&) = delete;
    TKtPaneData& operator=(const TKtPaneData&) = delete;

    TKtSplitterPane* Pane() const { return pane_; }

    TColor BorderColor() const { return pane_->BorderColor(); }
    void SetBorderColor(TColor value) { pane_->SetBorderColor(value); }
    TFrameStyleEx BorderInner() const { return pane_->BorderInner(); }
    void SetBorderInner(TFrameStyleEx value) { pane_->SetBorderInner(value); }
    TFrameStyleEx BorderOuter() const { return pane_->BorderOuter(); }
    void SetBorderOuter(TFrameStyleEx value) { pane_->SetBorderOuter(value); }
    int BorderWidth() const { return pane_->BorderWidth(); }
    void SetBorderWidth(int value) { pane_->SetBorderWidth(value); }
    TColor Color() const { return pane_->Color(); }
    void SetColor(TColor value) { pane_->SetColor(value); }
    TColor FlatColor() const { return pane_->FlatColor(); }
    void SetFlatColor(TColor value) { pane_->SetFlatColor(value); }
    int FlatColorAdjustment() const { return pane_->FlatColorAdjustment(); }
    void SetFlatColorAdjustment(int value) { pane_->SetFlatColorAdjustment(value); }
    bool DockSite() const { return pane_->DockSite(); }
    void SetDockSite(bool value) { pane_->SetDockSite(value); }
    bool ShowDockClientCaptions() const { return pane_->ShowDockClientCaptions(); }
    void SetShowDockClientCaptions(bool value) { pane_->SetShowDockClientCaptions(value); }
    bool Visible() const { return !pane_->isHidden(); }
    void SetVisible(bool value) { pane_->setVisible(value); }

private:
    TKtSplitterPane* const pane_;
};
