#pragma once

#include "uikit/KtCommon.h"

#include <QWidget>

class QSplitter;
class TKtSplitter;

// One pane of a splitter: the controls a window puts into a pane (or the pages it docks there)
// are children of this widget.
class TKtSplitterPane : public QWidget {
    Q_OBJECT
public:
    explicit TKtSplitterPane(TKtSplitter* splitter);

    // A pane clips what does not fit; it never holds the bar away from where it was put.
    QSize minimumSizeHint() const override { return {0, 0}; }

    TKtSplitter* const Splitter;
};

// The published face of one pane.
class TKtPaneData {
public:
    explicit TKtPaneData(TKtSplitterPane* pane) : pane_(pane) {}
    TKtPaneData(const TKtPaneData&) = delete;
    TKtPaneData& operator=(const TKtPaneData&) = delete;

    TKtSplitterPane* Pane() const { return pane_; }

private:
    TKtSplitterPane* const pane_;
};

// The kit's splitter as the windows use it: two panes and a bar between them that the user
// drags. Pane 1 (UpperLeft) keeps its extent when the splitter is resized, pane 2 (LowerRight)
// takes the rest. This stand-in uses the platform's own splitter; the kit's drawing replaces it
// without changing the properties.
class TKtSplitter : public QWidget {
    Q_OBJECT
public:
    explicit TKtSplitter(QWidget* parent = nullptr);

    // orHorizontal: panes side by side, the bar dragged along X; orVertical: panes stacked.
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation value);

    // Extent of pane 1 along the drag axis, in pixels from the origin to the bar. The value set
    // is kept as the wanted extent: a splitter too small for it shows less and gives it back
    // when it grows again.
    int Position() const;
    void SetPosition(int value);

    // Thickness of the bar.
    int SplitterWidth() const { return splitterWidth_; }
    void SetSplitterWidth(int value);

    TKtPaneData* UpperLeft() { return &upperLeft_; }
    TKtPaneData* LowerRight() { return &lowerRight_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int Extent() const;
    void AlignPanes();

    QSplitter* const split_;
    TKtSplitterPane* const pane1_;
    TKtSplitterPane* const pane2_;
    TKtPaneData upperLeft_{pane1_};
    TKtPaneData lowerRight_{pane2_};
    TOrientation orientation_ = orHorizontal;
    int position_ = 100;
    int splitterWidth_ = 4;
};
