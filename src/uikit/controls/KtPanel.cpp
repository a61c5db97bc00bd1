#include "uikit/controls/KtPanel.h"

#include "uikit/controls/KtPanelDockManager.h"
#include "uikit/draw/KtBorder.h"
#include "uikit/draw/KtFrames.h"
#include "uikit/draw/KtGradient.h"
#include "uikit/draw/KtParentColor.h"
#include "uikit/services/KtColorScheme.h"
#include "uikit/services/KtControlServices.h"
#include "uikit/services/KtGlobals.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <algorithm>

TKtCustomPanel::TKtCustomPanel(QWidget* parent) : QWidget(parent) {
    // The panel paints every pixel itself unless it is transparent.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    resize(185, 41);
}

TKtCustomPanel::~TKtCustomPanel() {
    if (frameController_) frameController_->RemoveControl(this);
}

template <typename T> bool TKtCustomPanel::Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    update();
    return true;
}

template <typename T> void TKtCustomPanel::StoreFrame(T& field, const T& value) {
    if (field == value) return;
    field = value;
    FrameChanged();
}

void TKtCustomPanel::FrameChanged() {
    update();
    AlignControls();
}

void TKtCustomPanel::SetCaption(const QString& value) {
    Store(caption_, value);
}

void TKtCustomPanel::SetAlignment(Qt::Alignment value) {
    Store(alignment_, value & Qt::AlignHorizontal_Mask);
}

void TKtCustomPanel::SetAlignmentVertical(TAlignmentVertical value) {
    Store(alignmentVertical_, value);
}

void TKtCustomPanel::SetBevelWidth(int value) {
    StoreFrame(frame_.BevelWidth, std::max(1, value));
}

void TKtCustomPanel::SetBorderWidth(int value) {
    StoreFrame(frame_.BorderWidth, value);
}

void TKtCustomPanel::SetFullRepaint(bool value) {
    fullRepaint_ = value;
}

TColor TKtCustomPanel::Color() const {
    return parentColor_ ? ParentPanelColor(this) : color_;
}

void TKtCustomPanel::SetColor(TColor value) {
    if (value == color_ && !parentColor_) return;
    color_ = value;
    parentColor_ = false;
    update();
}

void TKtCustomPanel::SetParentColor(bool value) {
    Store(parentColor_, value);
}

unsigned TKtCustomPanel::AlignmentTextFlag() const {
    if (alignment_ & Qt::AlignRight) return dtRight;
    if (alignment_ & Qt::AlignHCenter) return dtCenter;
    return dtLeft;
}

TColor TKtCustomPanel::FontColor() const {
    return FromQColor(palette().color(QPalette::WindowText));
}

void TKtCustomPanel::SetBorderInner(TFrameStyleEx value) {
    StoreFrame(frame_.BorderInner, value);
}

void TKtCustomPanel::SetBorderOuter(TFrameStyleEx value) {
    StoreFrame(frame_.BorderOuter, value);
}

void TKtCustomPanel::SetBorderSides(TSides value) {
    StoreFrame(frame_.BorderSides, value);
}

void TKtCustomPanel::SetBorderColor(TColor value) {
    Store(frame_.BorderColor, value);
}

void TKtCustomPanel::SetBorderHighlight(TColor value) {
    Store(frame_.BorderHighlight, value);
}

void TKtCustomPanel::SetBorderShadow(TColor value) {
    Store(frame_.BorderShadow, value);
}

void TKtCustomPanel::SetFlatColor(TColor value) {
    Store(frame_.FlatColor, value);
}

void TKtCustomPanel::SetFlatColorAdjustment(int value) {
    Store(frame_.FlatColorAdjustment, value);
}

void TKtCustomPanel::SetPaintClientArea(bool value) {
    Store(paintClientArea_, value);
}

void TKtCustomPanel::SetVisualStyle(TKtVisualStyle value) {
    Store(visualStyle_, value);
}

void TKtCustomPanel::SetGradientColorStyle(TKtGradientColorStyle value) {
    Store(gradientColorStyle_, value);
}

// Transparent children show the gradient, so they follow it.
void TKtCustomPanel::SetGradientColorStart(TColor value) {
    if (Store(gradientColorStart_, value)) InvalidateTransparentChildren(this);
}

void TKtCustomPanel::SetGradientColorStop(TColor value) {
    if (Store(gradientColorStop_, value)) InvalidateTransparentChildren(this);
}

void TKtCustomPanel::SetGradientDirection(TGradientDirection value) {
    if (Store(gradientDirection_, value)) InvalidateTransparentChildren(this);
}

void TKtCustomPanel::SetGridColor(TColor value) {
    Store(gridColor_, value);
}

void TKtCustomPanel::SetGridStyle(TKtGridStyle value) {
    Store(gridStyle_, value);
}

void TKtCustomPanel::SetGridXSize(int value) {
    Store(gridXSize_, std::clamp(value, 0, 0xFFFF));
}

void TKtCustomPanel::SetGridYSize(int value) {
    Store(gridYSize_, std::clamp(value, 0, 0xFFFF));
}

void TKtCustomPanel::SetShowGrid(bool value) {
    Store(showGrid_, value);
}

void TKtCustomPanel::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    update();
    for (QObject* child : children())
        if (auto* widget = qobject_cast<QWidget*>(child)) widget->update();
}

void TKtCustomPanel::SetTextMargin(int value) {
    Store(textMargin_, value);
}

void TKtCustomPanel::SetTextMarginVertical(int value) {
    Store(textMarginVertical_, value);
}

void TKtCustomPanel::SetWordWrap(bool value) {
    Store(wordWrap_, value);
}

void TKtCustomPanel::SetDockSite(bool value) {
    if (value == dockSite_) return;
    dockSite_ = value;
    UpdateDockManager();
    FrameChanged();
}

void TKtCustomPanel::SetUseDockManager(bool value) {
    if (value == useDockManager_) return;
    useDockManager_ = value;
    UpdateDockManager();
}

void TKtCustomPanel::SetShowDockClientCaptions(bool value) {
    Store(showDockClientCaptions_, value);
}

// A manager once made stays while the panel is a dock site that uses one.
void TKtCustomPanel::UpdateDockManager() {
    if (dockSite_ && useDockManager_) {
        if (!dockManager_) dockManager_ = std::make_unique<TKtPanelDockManager>(this);
    } else {
        dockManager_.reset();
    }
}

void TKtCustomPanel::SetFrameController(TKtFrameController* value) {
    if (value == frameController_) return;
    LinkFrameController(this, frameController_, value);
}

void TKtCustomPanel::ApplyFrameController() {
    if (!frameController_ || !frame_.Take(*frameController_, frameControllerNotifications_)) return;
    const TKtFrameController& fc = *frameController_;
    // The colours are taken over as they are; the next paint and layout show them.
    if (AcceptsNotification(frameControllerNotifications_, fcpColor)) color_ = fc.Color();
    if (AcceptsNotification(frameControllerNotifications_, fcpParentColor)) parentColor_ = fc.ParentColor();
    update();
}

TRect TKtCustomPanel::AdjustRectForFrame(TRect r, bool shrinkByBorder) const {
    return frame_.Shrink(r, shrinkByBorder);
}

void TKtCustomPanel::AdjustClientRect(TRect& r) const {
    r = InsetSides(r, frame_.BorderWidth, AllSides);
    if (dockSite_) r = AdjustRectForFrame(r, false);
}

TRect TKtCustomPanel::ClientArea() const {
    TRect r = AdjustRectForFrame({0, 0, width(), height()}, false);
    AdjustClientRect(r);
    return r;
}

void TKtCustomPanel::AlignControls() {
    AlignChildren(this, ClientArea());
}

void TKtCustomPanel::SetBounds(int left, int top, int width, int height) {
    const TAlign align = AlignOf(this);
    if (align == alBottom && height != this->height()) top = y() - (height - this->height());
    if (align == alRight && width != this->width()) left = x() - (width - this->width());
    setGeometry(left, top, width, height);
}

QPoint TKtCustomPanel::GetClientCursorPos() const {
    return mapFromGlobal(QCursor::pos());
}

TRect TKtCustomPanel::GetPaintRect() const {
    return {0, 0, width(), height()};
}

void TKtCustomPanel::GetGradientColors(TColor& start, TColor& stop) const {
    if (gradientColorStyle_ == gcsCustom) {
        start = gradientColorStart_;
        stop = gradientColorStop_;
        return;
    }
    GetGradientPanelColors(gradientColorStyle_, start, stop);
}

void TKtCustomPanel::GetFlatFrameColors(TColor& color, int& adjustment) const {
    if (visualStyle_ == vsGradient && gradientColorStyle_ != gcsCustom) {
        color = GetGradientFrameColor(gradientColorStyle_);
        adjustment = 0;
        return;
    }
    color = frame_.FlatColor;
    adjustment = frame_.FlatColorAdjustment;
}

void TKtCustomPanel::DrawCaption(TCanvas& canvas, TRect r) {
    if (caption_.isEmpty()) return;
    canvas.Font = font();
    r.Left += textMargin_;
    r.Right -= textMargin_;
    r.Top += textMarginVertical_;
    r.Bottom -= textMarginVertical_;
    const unsigned flags = (wordWrap_ ? dtWordBreak : 0u) | dtExpandTabs | dtVCenter | AlignmentTextFlag();
    TRect measured = r;
    const int h = canvas.DrawText(measured, caption_, flags | dtCalcRect);
    switch (alignmentVertical_) {
    case avTop:
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avBottom:
        r.Top = std::max(r.Top, r.Bottom - h - 1);
        break;
    }
    canvas.Brush.Style = bsClear;
    canvas.FontColor = isEnabled() ? FontColor() : clGrayText;
    canvas.DrawText(r, caption_, flags);
}

void TKtCustomPanel::DrawGrid(TCanvas& canvas, const TRect& r) {
    PaintGrid(canvas, r, gridStyle_, gridXSize_, gridYSize_, gridColor_);
}

void TKtCustomPanel::Paint(TCanvas& canvas) {
    TRect r = GetPaintRect();
    TColor flatColor = clNone;
    int flatAdjustment = 0;
    GetFlatFrameColors(flatColor, flatAdjustment);
    r = DrawBorder(canvas, r, frame_.BorderOuter, frame_.BorderInner, frame_.BorderWidth, frame_.BorderSides,
                   frame_.BevelWidth, frame_.BorderColor, frame_.BorderHighlight, frame_.BorderShadow,
                   flatColor, flatAdjustment, Color(), ParentPanelColor(this), transparent_, false);
    if (!transparent_ && paintClientArea_) {
        if (visualStyle_ == vsGradient) {
            TColor start = clNone, stop = clNone;
            GetGradientColors(start, stop);
            PaintGradient(canvas, r, gradientDirection_, start, stop, 1);
        } else {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = Color();
            canvas.FillRect(r);
        }
    }
    if (showGrid_) DrawGrid(canvas, r);
    canvas.Brush.Style = bsClear;
    DrawCaption(canvas, r);
    canvas.Brush.Style = bsSolid;
    emit OnPaint();
}

bool TKtCustomPanel::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) AlignControls();
    return QWidget::event(event);
}

void TKtCustomPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(painter);
    // What the desktop's background erase does before the paint: a panel that is not see-through
    // starts from its colour; a transparent one from the parent's picture under it, which the
    // window system has already drawn there.
    if (!(transparent_ && paintClientArea_)) {
        canvas.Brush.Color = Color();
        canvas.FillRect(GetPaintRect());
    }
    canvas.Font = font();
    canvas.FontColor = FontColor();
    Paint(canvas);
}

void TKtCustomPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AlignControls();
}

void TKtCustomPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ThemeChange) XPColorScheme = ReadXPColorScheme();
}

void TKtCustomPanel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit OnMouseEnter();
}

void TKtCustomPanel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit OnMouseLeave();
}
