#include "uikit/splitter/KtSplitterPane.h"

#include "uikit/splitter/KtSplitter.h"

TKtSplitterPane::TKtSplitterPane(TKtSplitter* splitter) : TKtCustomPanel(splitter), Splitter(splitter) {
    SetBorderOuter(fsNone);
    setFocusPolicy(Qt::NoFocus);
    // The pane never shows the splitter's sizing cursor, which only belongs over the bar.
    setCursor(Qt::ArrowCursor);
}

void TKtSplitterPane::setVisible(bool visible) {
    TKtCustomPanel::setVisible(visible);
    Splitter->AlignPanes();
}

void TKtSplitterPane::focusInEvent(QFocusEvent* event) {
    TKtCustomPanel::focusInEvent(event);
    update();
}

void TKtSplitterPane::focusOutEvent(QFocusEvent* event) {
    TKtCustomPanel::focusOutEvent(event);
    update();
}

void TKtSplitterPane::enterEvent(QEnterEvent* event) {
    TKtCustomPanel::enterEvent(event);
    // Going from the bar into a pane leaves the splitter's own area without leaving the splitter.
    Splitter->TrackHotSpot(Splitter->GetClientCursorPos(), true);
}
