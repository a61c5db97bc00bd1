#include "uikit/splitter/KtSplitter.h"

#include "base/Rounding.h"
#include "uikit/services/KtControlServices.h"
#include "uikit/splitter/KtSizingLine.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// Splitters between Loaded's start and end: the panels' own child alignment waits for them.
int SplitterLoadingCount = 0;

// A hot spot closed towards the end asks for the largest position; the far limit then applies.
constexpr int kFarEnd = INT_MAX;

// Rounds half to even; values beyond the integer range (a position kept while a pane is hidden
// may be anything) give the range's end instead of overflowing.
int RoundClamped(double value) {
    return RoundHalfEven(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

bool Inside(const TRect& r, QPoint p) {
    return p.x() >= r.Left && p.x() < r.Right && p.y() >= r.Top && p.y() < r.Bottom;
}

int FrameAllowanceOf(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case fsFlat:
        return 1;
    case fsStatus:
    case fsPopup:
        return bevelWidth;
    case fsGroove:
    case fsBump:
    case fsLowered:
    case fsButtonDown:
    case fsRaised:
    case fsButtonUp:
        return 2;
    default:
        return 0;
    }
}

} // namespace

TKtSplitter::TKtSplitter(QWidget* parent)
    : TKtCustomPanel(parent), pane1_(new TKtSplitterPane(this)), pane2_(new TKtSplitterPane(this)) {
    SetBorderOuter(fsNone);
    // Presses on the panes' empty areas come to the splitter; moves over the bar set the cursor.
    setMouseTracking(true);
    resize(200, 100);
    pane1_->show();
    pane2_->show();
}

TKtSplitter::~TKtSplitter() {
    ReleaseSizingLine();
}

void TKtSplitter::Loaded() {
    ++SplitterLoadingCount;
    loading_ = false;
    SetRestorePosition(position_);
    AlignPanes();
    --SplitterLoadingCount;
}

int TKtSplitter::Size() const {
    return orientation_ == orVertical ? height() : width();
}

int TKtSplitter::DragExtent() const {
    return Size() - splitterWidth_ / 2;
}

bool TKtSplitter::BothPanesVisible() const {
    return !pane1_->isHidden() && !pane2_->isHidden();
}

TRect TKtSplitter::GetClientRect() const {
    const TRect r{0, 0, width(), height()};
    return DockSite() ? r : AdjustRectForFrame(r, true);
}

int TKtSplitter::GetFrameAllowance() const {
    const int frames =
        FrameAllowanceOf(BorderOuter(), BevelWidth()) + FrameAllowanceOf(BorderInner(), BevelWidth());
    int allowance = BorderWidth();
    if (BorderSides().Contains(sdLeft)) allowance += frames;
    if (BorderSides().Contains(sdTop)) allowance += frames;
    return allowance;
}

void TKtSplitter::SetOrientation(TOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    if (usePercent_) {
        const int d = DragExtent();
        SetPosition(RoundClamped(percent_ / 100.0 * d));
        SetMarginMin(RoundClamped(percentMin_ / 100.0 * d));
        SetMarginMax(d - RoundClamped(percentMax_ / 100.0 * d));
    }
    // Also when the position stayed the same: the panes turn with the bar.
    AlignPanes();
    update();
}

void TKtSplitter::SetPosition(int value) {
    if (!resizing_ && value == position_) return;
    ConstrainPosition(value);
    if (OnChanging) {
        bool allow = true;
        OnChanging(this, value, allow);
        if (!allow) return;
    }
    const bool changed = value != position_;
    position_ = value;
    const int d = DragExtent();
    percent_ = d == 0 ? 0 : RoundClamped(double(value) / d * 100);
    AlignPanes();
    SaveFixedPaneSize();
    emit OnChange();
    if (changed && SplitterLoadingCount == 0) NotifyDesignerModified(this);
}

void TKtSplitter::SetPositionAndRestore(int value) {
    if (value == position_) return;
    SetPosition(value);
    SetRestorePosition(position_);
}

void TKtSplitter::ConstrainPosition(int& pos) const {
    if (!BothPanesVisible()) return;
    const bool ignoreMargins = hotSpotClosed_ && hotSpotIgnoreMargins_;
    const int min = ignoreMargins ? 0 : marginMin_;
    const int max = ignoreMargins ? 0 : marginMax_;
    if (min > pos) pos = min;
    // A splitter too small for its margins ends up below MarginMin: the far limit wins.
    const int limit = Size() - max - splitterWidth_ - 2 * GetFrameAllowance();
    if (limit < pos) pos = limit;
}

void TKtSplitter::SetRestorePosition(int pos) {
    restorePosition_ = fixedPane_ == fpUpperLeft ? pos : Size() - pos;
}

void TKtSplitter::SaveFixedPaneSize() {
    fixedPaneSize_ = fixedPane_ == fpUpperLeft ? position_ : Size() - position_;
}

void TKtSplitter::SetPercent(int value) {
    if (value == percent_) return;
    percent_ = value;
    if (loading_) return;
    usePercent_ = true;
    SetPosition(RoundClamped(percent_ / 100.0 * DragExtent()));
}

void TKtSplitter::SetPercentMin(int value) {
    percentMin_ = std::max(0, value);
    if (!loading_ && usePercent_) SetMarginMin(RoundClamped(percentMin_ / 100.0 * DragExtent()));
}

void TKtSplitter::SetPercentMax(int value) {
    percentMax_ = std::min(100, value);
    if (!loading_ && usePercent_) {
        const int d = DragExtent();
        SetMarginMax(d - RoundClamped(percentMax_ / 100.0 * d));
    }
}

void TKtSplitter::SetUsePercent(bool value) {
    if (value == usePercent_) return;
    usePercent_ = value;
    if (value) {
        fixedPane_ = fpUpperLeft;
        SetPercentMin(percentMin_);
        SetPercentMax(percentMax_);
    }
    SetPosition(position_);
}

void TKtSplitter::SetMarginMin(int value) {
    marginMin_ = std::max(0, value);
    if (Size() < marginMin_ + marginMax_) marginMin_ = Size() - marginMax_;
}

void TKtSplitter::SetMarginMax(int value) {
    marginMax_ = std::max(0, value);
    if (Size() < marginMin_ + marginMax_) marginMax_ = Size() - marginMin_;
}

void TKtSplitter::SetFixedPane(TFixedPane value) {
    if (value == fixedPane_) return;
    fixedPane_ = value;
    if (value == fpLowerRight) usePercent_ = false;
    SetRestorePosition(position_);
    SaveFixedPaneSize();
}

void TKtSplitter::SetSplitterStyle(TSplitterStyle value) {
    if (value == splitterStyle_) return;
    splitterStyle_ = value;
    if (value != ssStandard && splitterWidth_ < 6) SetSplitterWidth(6);
    update();
}

void TKtSplitter::SetSplitterWidth(int value) {
    value = std::clamp(value, 0, 0xFFFF);
    if (value == splitterWidth_) return;
    splitterWidth_ = value;
    if (orientation_ == orHorizontal)
        barSize_.Right = barSize_.Left + value;
    else
        barSize_.Bottom = barSize_.Top + value;
    AlignPanes();
    update();
}

TKtSplitterPane* TKtSplitter::GetSelectedPaneControl() const {
    return selectedPane_ == spUpperLeft ? pane1_ : pane2_;
}

void TKtSplitter::SetHotSpotVisible(bool value) {
    if (value == hotSpotVisible_) return;
    hotSpotVisible_ = value;
    if (value && splitterWidth_ < 7) SetSplitterWidth(7);
    update();
}

void TKtSplitter::SetHotSpotColor(TColor value) {
    if (value == hotSpot_.Color) return;
    hotSpot_.Color = value;
    update();
}

void TKtSplitter::SetHotSpotDotColor(TColor value) {
    if (value == hotSpot_.DotColor) return;
    hotSpot_.DotColor = value;
    update();
}

void TKtSplitter::SetHotSpotFrameColor(TColor value) {
    if (value == hotSpot_.FrameColor) return;
    hotSpot_.FrameColor = value;
    update();
}

void TKtSplitter::SetHotSpotHighlight(TColor value) {
    if (value == hotSpot_.Highlight) return;
    hotSpot_.Highlight = value;
    update();
}

void TKtSplitter::SetHotSpotDirection(THotSpotDirection value) {
    if (value == hotSpot_.Direction) return;
    hotSpot_.Direction = value;
    update();
}

void TKtSplitter::SetHotSpotSizePercent(int value) {
    if (value == hotSpotSizePercent_) return;
    hotSpotSizePercent_ = value;
    UpdateHotSpotRect();
    update();
}

void TKtSplitter::SetGradientColorAdjustment(int value) {
    if (value == gradientColorAdjustment_) return;
    gradientColorAdjustment_ = value;
    update();
}

void TKtSplitter::SetGradientPath(TKtGroupBarGradientPath value) {
    if (value == gradientPath_) return;
    gradientPath_ = value;
    update();
}

void TKtSplitter::SetParentColor(bool value) {
    TKtCustomPanel::SetParentColor(value);
    pane1_->SetParentColor(value);
    pane2_->SetParentColor(value);
}

void TKtSplitter::SetTransparent(bool value) {
    TKtCustomPanel::SetTransparent(value);
    pane1_->SetTransparent(value);
    pane2_->SetTransparent(value);
}

void TKtSplitter::SetBorderWidth(int value) {
    if (value == BorderWidth()) return;
    TKtCustomPanel::SetBorderWidth(value);
    AlignPanes();
}

void TKtSplitter::SetBorderInner(TFrameStyleEx value) {
    if (value == BorderInner()) return;
    TKtCustomPanel::SetBorderInner(value);
    AlignPanes();
}

void TKtSplitter::SetBorderOuter(TFrameStyleEx value) {
    if (value == BorderOuter()) return;
    TKtCustomPanel::SetBorderOuter(value);
    AlignPanes();
}

void TKtSplitter::SetBorderSides(TSides value) {
    if (value == BorderSides()) return;
    TKtCustomPanel::SetBorderSides(value);
    AlignPanes();
}

void TKtSplitter::ResetHotSpot() {
    hotSpotClosed_ = hotSpotClosedToMin_ = hotSpotClosedToMax_ = false;
}

void TKtSplitter::AlignPanes() {
    if (loading_) return;
    const TRect c = GetClientRect();
    const int w = std::max(0, c.Width());
    const int h = std::max(0, c.Height());
    const bool visible1 = !pane1_->isHidden();
    const bool visible2 = !pane2_->isHidden();
    const int s = splitterWidth_;
    // A position kept while a pane was hidden may lie far outside the splitter; the panes never
    // do. Worked out wide so that no sum overflows.
    const int extent = orientation_ == orHorizontal ? w : h;
    const int p =
        int(std::clamp<std::int64_t>(position_, 0, std::max<std::int64_t>(0, std::int64_t(extent) - s)));
    const int rest = std::max(0, extent - p - s);

    if (orientation_ == orHorizontal) {
        if (visible1 && visible2) {
            pane1_->setGeometry(c.Left, c.Top, p, h);
            barSize_ = {c.Left + p, c.Top, c.Left + p + s, c.Top + h};
            pane2_->setGeometry(c.Left + p + s, c.Top, rest, h);
        } else {
            pane1_->setGeometry(c.Left, c.Top, visible1 ? w : 0, h);
            barSize_ = {c.Left, c.Top, c.Left, c.Top + h};
            pane2_->setGeometry(c.Left, c.Top, visible2 ? w : 0, h);
        }
    } else {
        if (visible1 && visible2) {
            pane1_->setGeometry(c.Left, c.Top, w, p);
            barSize_ = {c.Left, c.Top + p, c.Left + w, c.Top + p + s};
            pane2_->setGeometry(c.Left, c.Top + p + s, w, rest);
        } else {
            pane1_->setGeometry(c.Left, c.Top, w, visible1 ? h : 0);
            barSize_ = {c.Left, c.Top, c.Left + w, c.Top};
            pane2_->setGeometry(c.Left, c.Top, w, visible2 ? h : 0);
        }
    }
    UpdateHotSpotRect();
    for (TKtSplitterPane* pane : {pane1_, pane2_})
        for (QObject* child : pane->children())
            if (auto* nested = qobject_cast<TKtSplitter*>(child)) nested->AlignPanes();
    if (realTimeDrag_) {
        pane1_->repaint();
        pane2_->repaint();
    }
    update();
}

void TKtSplitter::UpdateHotSpotRect() {
    const TRect& b = barSize_;
    if (orientation_ == orHorizontal) {
        const int length = b.Bottom - b.Top;
        const int mid = b.Top + length / 2;
        const int half = RoundClamped(hotSpotSizePercent_ / 100.0 * length) / 2;
        hotSpotRect_ = {b.Left, mid - half, b.Right, mid + half};
    } else {
        const int length = b.Right - b.Left;
        const int mid = b.Left + length / 2;
        const int half = RoundClamped(hotSpotSizePercent_ / 100.0 * length) / 2;
        hotSpotRect_ = {mid - half, b.Top, mid + half, b.Bottom};
    }
}

void TKtSplitter::AlignControls() {
    if (SplitterLoadingCount != 0 || loading_) return;
    TKtCustomPanel::AlignControls();
}

void TKtSplitter::resizeEvent(QResizeEvent* event) {
    TKtCustomPanel::resizeEvent(event);
    Resize();
}

void TKtSplitter::Resize() {
    if (loading_) return;
    resizing_ = true;
    const int size = Size();
    if (fixedPane_ == fpLowerRight) {
        if (!usePercent_) {
            SetPosition(size - fixedPaneSize_);
            // restorePosition_ holds the extent pane 2 should have; give it back when pane 2 had
            // to shrink and there is room again.
            if (hotSpotClosed_)
                hotSpotPosition_ = size - restorePosition_;
            else if (restorePosition_ > size - position_)
                SetPosition(size - restorePosition_);
        }
    } else if (usePercent_) {
        const int d = DragExtent();
        SetMarginMin(RoundClamped(percentMin_ / 100.0 * d));
        SetMarginMax(d - RoundClamped(percentMax_ / 100.0 * d));
        const int pos = !hotSpotClosed_ ? RoundClamped(percent_ / 100.0 * d) : hotSpotClosedToMin_ ? 0 : d;
        SetPosition(pos);
    } else {
        const int pos = !hotSpotClosed_ ? position_ : hotSpotClosedToMin_ ? 0 : kFarEnd;
        SetPosition(pos);
        if (restorePosition_ > position_ && !hotSpotClosed_) SetPosition(restorePosition_);
    }
    resizing_ = false;
}

void TKtSplitter::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !Inside(barSize_, at)) {
        TKtCustomPanel::mousePressEvent(event);
        return;
    }
    const bool onHotSpot = hotSpotVisible_ && Inside(hotSpotRect_, at);
    if (lockBar_ && !onHotSpot) return;
    // Esc must reach the splitter while the line is shown.
    if (!realTimeDrag_) setFocus(Qt::MouseFocusReason);
    dragging_ = true;
    hotSpotPressed_ = onHotSpot;
    dragAnchor_ = orientation_ == orHorizontal ? at.x() - width() / 2 : at.y() - height() / 2;
    AllocateSizingLine();
    dragStartPosition_ = position_;
    DrawSizingLine(position_);
    lastDragPosition_ = position_;
}

void TKtSplitter::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!dragging_) {
        UpdateCursor(at);
        TrackHotSpot(at, false);
        TKtCustomPanel::mouseMoveEvent(event);
        return;
    }
    // The release went elsewhere (a popup or a dialog took the mouse): the drag is over.
    if (!(event->buttons() & Qt::LeftButton)) {
        CancelDrag();
        return;
    }
    if (hotSpotPressed_ && lockBar_) return;
    int pos = orientation_ == orHorizontal ? at.x() + dragStartPosition_ - width() / 2 - dragAnchor_
                                           : at.y() + dragStartPosition_ - height() / 2 - dragAnchor_;
    ConstrainPosition(pos);
    if (OnChanging) {
        bool allow = true;
        OnChanging(this, pos, allow);
        if (!allow) return;
    }
    if (pos != lastDragPosition_) {
        hotSpotClosed_ = hotSpotClosedToMin_ = hotSpotClosedToMax_ = false;
        hotSpotPressed_ = false;
        DrawSizingLine(lastDragPosition_);
        DrawSizingLine(pos);
        if (realTimeDrag_) {
            SetPosition(pos);
            SetRestorePosition(pos);
        }
    }
    lastDragPosition_ = pos;
}

void TKtSplitter::mouseReleaseEvent(QMouseEvent* event) {
    if (!((dragging_ && event->button() == Qt::LeftButton) || hotSpotPressed_)) {
        TKtCustomPanel::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    if (!realTimeDrag_) {
        DrawSizingLine(lastDragPosition_);
        SetPosition(lastDragPosition_);
        SetRestorePosition(lastDragPosition_);
    }
    if (hotSpotPressed_) HotSpotClick(event->position().toPoint());
    ReleaseSizingLine();
}

void TKtSplitter::HotSpotClick(QPoint at) {
    hotSpotPressed_ = false;
    if (!Inside(hotSpotRect_, at)) return;
    hotSpotClosed_ = !hotSpotClosed_;
    if (hotSpotClosed_) {
        hotSpotPosition_ = position_;
        bool toMin = hotSpot_.Direction == hsdMin;
        if (hotSpot_.Direction == hsdBoth) {
            const TRect& r = hotSpotRect_;
            toMin = orientation_ == orVertical ? r.Left + r.Width() / 2 > at.x()
                                               : r.Top + r.Height() / 2 > at.y();
        }
        if (toMin) {
            hotSpotClosedToMin_ = true;
            SetPosition(0);
        } else {
            hotSpotClosedToMax_ = true;
            SetPosition(kFarEnd);
        }
    } else {
        hotSpotClosedToMin_ = hotSpotClosedToMax_ = false;
        SetPosition(hotSpotPosition_);
        SetRestorePosition(position_);
    }
    // The arrows turn round.
    update();
    emit OnHotSpotClick();
}

void TKtSplitter::CancelDrag() {
    if (!dragging_) return;
    dragging_ = false;
    hotSpotPressed_ = false;
    if (!realTimeDrag_) {
        DrawSizingLine(lastDragPosition_);
        SetRestorePosition(position_);
    }
    ReleaseSizingLine();
}

void TKtSplitter::keyPressEvent(QKeyEvent* event) {
    if (dragging_ && event->key() == Qt::Key_Escape) {
        CancelDrag();
        return;
    }
    TKtCustomPanel::keyPressEvent(event);
}

void TKtSplitter::focusOutEvent(QFocusEvent* event) {
    CancelDrag();
    TKtCustomPanel::focusOutEvent(event);
}

void TKtSplitter::hideEvent(QHideEvent* event) {
    CancelDrag();
    TKtCustomPanel::hideEvent(event);
}

void TKtSplitter::AllocateSizingLine() {
    if (!realTimeDrag_ && sizingLine_ == nullptr) sizingLine_ = new TKtSizingLine(this);
}

void TKtSplitter::ReleaseSizingLine() {
    delete sizingLine_;
    sizingLine_ = nullptr;
}

void TKtSplitter::DrawSizingLine(int pos) {
    if (realTimeDrag_ || sizingLine_ == nullptr) return;
    const int a = GetFrameAllowance();
    const int x = orientation_ == orHorizontal ? a + pos : a;
    const int y = orientation_ == orHorizontal ? a : a + pos;
    sizingLine_->Toggle({x, y, x + barSize_.Width(), y + barSize_.Height()});
}

void TKtSplitter::UpdateCursor(QPoint at) {
    if (!Inside(barSize_, at) || lockBar_) {
        unsetCursor();
        return;
    }
    setCursor(cursors_.Cursor(orientation_, hotSpotVisible_ && Inside(hotSpotRect_, at)));
}

void TKtSplitter::TrackHotSpot(QPoint cursor, bool mouseLeft) {
    if (!hotSpotVisible_) return;
    if (Inside(hotSpotRect_, cursor)) {
        const bool redraw = mouseLeft ? hotSpotPlain_ : hotSpotPlain_ || hotSpot_.Direction == hsdBoth;
        if (redraw) {
            hotSpotLit_ = true;
            hotSpotCursor_ = cursor;
            update(hotSpotRect_.ToQRect());
        }
        hotSpotPlain_ = false;
    } else if (!hotSpotPlain_) {
        hotSpotLit_ = false;
        update(hotSpotRect_.ToQRect());
        hotSpotPlain_ = true;
    }
}

void TKtSplitter::leaveEvent(QEvent* event) {
    TKtCustomPanel::leaveEvent(event);
    TrackHotSpot(GetClientCursorPos(), true);
}

void TKtSplitter::Paint(TCanvas& canvas) {
    TKtCustomPanel::Paint(canvas);
    DrawSplitterBar(canvas);
}

void TKtSplitter::DrawSplitterBar(TCanvas& canvas) {
    TSplitterBarLook look;
    look.Style = splitterStyle_;
    look.Color = Color();
    look.FullRepaint = FullRepaint();
    look.VisualStyle = VisualStyle();
    look.GradientColorStyle = GradientColorStyle();
    look.GradientPath = gradientPath_;
    look.GradientColorStart = GradientColorStart();
    look.GradientColorStop = GradientColorStop();
    ::DrawSplitterBar(canvas, barSize_, orientation_, look);
    if (hotSpotVisible_) DrawHotSpot(canvas, hotSpotLit_, hotSpotCursor_);
}

void TKtSplitter::DrawHotSpot(TCanvas& canvas, bool highlight, QPoint cursor) {
    THotSpotLook look = hotSpot_;
    look.Closed = hotSpotClosed_;
    look.ClosedToMin = hotSpotClosedToMin_;
    DrawSplitterHotSpot(canvas, hotSpotRect_, orientation_, look, highlight, cursor);
}
