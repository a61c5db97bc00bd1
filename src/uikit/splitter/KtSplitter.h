#pragma once

#include "uikit/controls/KtPanel.h"
#include "uikit/splitter/KtSplitterBar.h"
#include "uikit/splitter/KtSplitterCursors.h"
#include "uikit/splitter/KtSplitterPane.h"

#include <functional>

class TKtSizingLine;

enum TFixedPane { fpUpperLeft, fpLowerRight };
enum TSelectedPane { spUpperLeft, spLowerRight };

// The kit's splitter: two panes it creates itself (UpperLeft, LowerRight) and a bar between them
// that the user drags. Position is pane 1's extent along the drag axis, from the client origin
// to the bar; it is kept between MarginMin and the far limit (the size less MarginMax, the bar
// and the frame) while both panes show. When the splitter is resized the fixed pane keeps its
// extent, or with UsePercent the bar keeps its percentage; a position that had to shrink with the
// window comes back when it grows again.
//
// The bar may carry a hot spot: one click closes a pane, the next restores the position it had.
// Without RealTimeDrag a drag shows only an inverted line and moves the panes once, on release;
// Esc, or anything that takes the mouse away before the release, cancels it.
//
// Windows built in code set the designed properties between BeginLoading and Loaded: in between
// nothing is laid out and Percent is only stored, and Loaded takes the designed position as the
// one to come back to.
class TKtSplitter : public TKtCustomPanel {
    Q_OBJECT

public:
    explicit TKtSplitter(QWidget* parent = nullptr);
    ~TKtSplitter() override;

    void BeginLoading() { loading_ = true; }
    void Loaded();
    bool Loading() const { return loading_; }

    // orHorizontal: panes side by side, upright bar, dragged along X; orVertical: panes stacked.
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation value);
    int Position() const { return position_; }
    void SetPosition(int value);
    // SetPosition that also makes the new position the one to come back to.
    void SetPositionAndRestore(int value);
    int Percent() const { return percent_; }
    void SetPercent(int value);
    int PercentMin() const { return percentMin_; }
    void SetPercentMin(int value);
    int PercentMax() const { return percentMax_; }
    void SetPercentMax(int value);
    bool UsePercent() const { return usePercent_; }
    void SetUsePercent(bool value);
    int MarginMin() const { return marginMin_; }
    void SetMarginMin(int value);
    int MarginMax() const { return marginMax_; }
    void SetMarginMax(int value);
    TFixedPane FixedPane() const { return fixedPane_; }
    void SetFixedPane(TFixedPane value);
    TSplitterStyle SplitterStyle() const { return splitterStyle_; }
    void SetSplitterStyle(TSplitterStyle value);
    // The bar's thickness.
    int SplitterWidth() const { return splitterWidth_; }
    void SetSplitterWidth(int value);
    bool RealTimeDrag() const { return realTimeDrag_; }
    void SetRealTimeDrag(bool value) { realTimeDrag_ = value; }
    // The bar cannot be dragged; the hot spot still works.
    bool LockBar() const { return lockBar_; }
    void SetLockBar(bool value) { lockBar_ = value; }
    // Only a form designer uses the selected pane.
    TSelectedPane SelectedPane() const { return selectedPane_; }
    void SetSelectedPane(TSelectedPane value) { selectedPane_ = value; }
    TKtSplitterPane* GetSelectedPaneControl() const;

    bool HotSpotVisible() const { return hotSpotVisible_; }
    void SetHotSpotVisible(bool value);
    TColor HotSpotColor() const { return hotSpot_.Color; }
    void SetHotSpotColor(TColor value);
    TColor HotSpotDotColor() const { return hotSpot_.DotColor; }
    void SetHotSpotDotColor(TColor value);
    TColor HotSpotFrameColor() const { return hotSpot_.FrameColor; }
    void SetHotSpotFrameColor(TColor value);
    TColor HotSpotHighlight() const { return hotSpot_.Highlight; }
    void SetHotSpotHighlight(TColor value);
    // While the hot spot holds a pane closed, the margins do not apply.
    bool HotSpotIgnoreMargins() const { return hotSpotIgnoreMargins_; }
    void SetHotSpotIgnoreMargins(bool value) { hotSpotIgnoreMargins_ = value; }
    THotSpotDirection HotSpotDirection() const { return hotSpot_.Direction; }
    void SetHotSpotDirection(THotSpotDirection value);
    // The hot spot's length as a percentage of the bar's.
    int HotSpotSizePercent() const { return hotSpotSizePercent_; }
    void SetHotSpotSizePercent(int value);
    // Kept for the form's design; the bar's drawing does not use it.
    int GradientColorAdjustment() const { return gradientColorAdjustment_; }
    void SetGradientColorAdjustment(int value);
    TKtGroupBarGradientPath GradientPath() const { return gradientPath_; }
    void SetGradientPath(TKtGroupBarGradientPath value);

    // The panes take the splitter's setting too.
    void SetParentColor(bool value);
    void SetTransparent(bool value);

    // The frames take their room off the panes' area: the panes are laid out again at once.
    void SetBorderWidth(int value) override;
    void SetBorderInner(TFrameStyleEx value) override;
    void SetBorderOuter(TFrameStyleEx value) override;
    void SetBorderSides(TSides value) override;

    TKtPaneData* UpperLeft() { return &upperLeft_; }
    TKtPaneData* LowerRight() { return &lowerRight_; }

    // Places the panes and the bar for Position; nested splitters in the panes follow.
    void AlignPanes();
    // Forgets that the hot spot holds a pane closed.
    void ResetHotSpot();

    // The bar and the hot spot in client coordinates (exclusive right and bottom).
    TRect BarSize() const { return barSize_; }
    TRect HotSpotRect() const { return hotSpotRect_; }
    bool HotSpotClosed() const { return hotSpotClosed_; }
    bool HotSpotClosedToMin() const { return hotSpotClosedToMin_; }
    bool HotSpotClosedToMax() const { return hotSpotClosedToMax_; }
    bool Dragging() const { return dragging_; }
    // The position wanted from the fixed side, which a resize gives back when there is room.
    int RestorePosition() const { return restorePosition_; }
    // The area the panes and the bar share: inside the band and the frames.
    TRect GetClientRect() const;

    // Asked before every position change with the new position; clearing allowChange refuses it.
    std::function<void(TKtSplitter* sender, int newPos, bool& allowChange)> OnChanging;

signals:
    // After every accepted position change.
    void OnChange();
    // After a click on the hot spot has closed or restored a pane.
    void OnHotSpotClick();

protected:
    virtual void SaveFixedPaneSize();
    // The band and the frames on the left and top sides: where the client origin lies.
    virtual int GetFrameAllowance() const;
    virtual void DrawSizingLine(int pos);
    virtual void UpdateHotSpotRect();
    virtual void DrawHotSpot(TCanvas& canvas, bool highlight, QPoint cursor);
    virtual void DrawSplitterBar(TCanvas& canvas);
    virtual void ConstrainPosition(int& pos) const;
    virtual void SetRestorePosition(int pos);

    void AlignControls() override;
    void Paint(TCanvas& canvas) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class TKtSplitterPane;

    // Height for orVertical, else width: the outer size along the drag axis.
    int Size() const;
    // The drag extent the percentages refer to.
    int DragExtent() const;
    bool BothPanesVisible() const;
    void Resize();
    void HotSpotClick(QPoint at);
    void CancelDrag();
    void AllocateSizingLine();
    void ReleaseSizingLine();
    // Highlights the hot spot under the cursor and takes the highlight off when it leaves.
    void TrackHotSpot(QPoint cursor, bool mouseLeft);
    void UpdateCursor(QPoint at);

    TKtSplitterPane* const pane1_;
    TKtSplitterPane* const pane2_;
    TKtPaneData upperLeft_{pane1_};
    TKtPaneData lowerRight_{pane2_};

    bool loading_ = false;
    TOrientation orientation_ = orHorizontal;
    int position_ = 100;
    int percent_ = 50;
    int percentMin_ = 0;
    int percentMax_ = 100;
    bool usePercent_ = false;
    int marginMin_ = 0;
    int marginMax_ = 0;
    TFixedPane fixedPane_ = fpUpperLeft;
    TSplitterStyle splitterStyle_ = ssStandard;
    int splitterWidth_ = 4;
    bool realTimeDrag_ = false;
    bool lockBar_ = false;
    TSelectedPane selectedPane_ = spUpperLeft;
    bool hotSpotVisible_ = false;
    THotSpotLook hotSpot_;
    bool hotSpotIgnoreMargins_ = true;
    int hotSpotSizePercent_ = 40;
    int gradientColorAdjustment_ = 30;
    TKtGroupBarGradientPath gradientPath_ = gpTopToBottom;

    TRect barSize_;
    TRect hotSpotRect_;
    bool hotSpotClosed_ = false;
    bool hotSpotClosedToMin_ = false;
    bool hotSpotClosedToMax_ = false;
    int hotSpotPosition_ = 100;
    bool hotSpotPressed_ = false;
    bool hotSpotPlain_ = false;
    // What the hot-spot tracking last asked the paint to show.
    bool hotSpotLit_ = false;
    QPoint hotSpotCursor_;
    bool dragging_ = false;
    int dragStartPosition_ = 0;
    int dragAnchor_ = 0;
    int lastDragPosition_ = 0;
    int restorePosition_ = 0;
    int fixedPaneSize_ = 0;
    bool resizing_ = false;
    TKtSizingLine* sizingLine_ = nullptr;
    const TKtSplitterCursors cursors_;
};
