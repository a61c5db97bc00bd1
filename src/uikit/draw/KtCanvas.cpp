#include "uikit/draw/KtCanvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace {

void SetPixelRules(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

} // namespace

TCanvas::TCanvas(QPainter& painter) : painter_(&painter) {
    SetPixelRules(*painter_);
}

TCanvas::TCanvas(QImage& image)
    : ownPainter_(std::make_unique<QPainter>(&image)), painter_(ownPainter_.get()) {
    SetPixelRules(*painter_);
}

TCanvas::~TCanvas() = default;

void TCanvas::PutBlock(int x, int y, int width, int height, TColor color) {
    if (width <= 0 || height <= 0) return;
    const QColor c = ToQColor(color);
    if (c.isValid()) painter_->fillRect(QRect(x, y, width, height), c);
}

void TCanvas::Line(int x0, int y0, int x1, int y1) {
    if (Pen.Style == psClear) return;
    // A wide pen widens the line around its centre, as the desktop's pens do.
    const int w = std::max(Pen.Width, 1);
    const int lead = (w - 1) / 2;
    if (y0 == y1) {
        const int from = x1 > x0 ? x0 : x1 + 1;
        PutBlock(from - lead, y0 - lead, std::abs(x1 - x0) + w - 1, w, Pen.Color);
        return;
    }
    if (x0 == x1) {
        const int from = y1 > y0 ? y0 : y1 + 1;
        PutBlock(x0 - lead, from - lead, w, std::abs(y1 - y0) + w - 1, Pen.Color);
        return;
    }
    // Bresenham's walk, stopping one step short of the end.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    while (x != x1 || y != y1) {
        PutBlock(x - lead, y - lead, w, w, Pen.Color);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    PutBlock(x, y, 1, 1, color);
}

void TCanvas::Rectangle(const TRect& r) {
    if (Pen.Style == psClear) {
        if (Brush.Style == bsSolid) PutBlock(r.Left, r.Top, r.Width() - 1, r.Height() - 1, Brush.Color);
        return;
    }
    if (Brush.Style == bsSolid) PutBlock(r.Left + 1, r.Top + 1, r.Width() - 2, r.Height() - 2, Brush.Color);
    if (r.Width() <= 0 || r.Height() <= 0) return;
    PutBlock(r.Left, r.Top, r.Width(), 1, Pen.Color);
    PutBlock(r.Left, r.Bottom - 1, r.Width(), 1, Pen.Color);
    PutBlock(r.Left, r.Top, 1, r.Height(), Pen.Color);
    PutBlock(r.Right - 1, r.Top, 1, r.Height(), Pen.Color);
}

void TCanvas::FillRect(const TRect& r) {
    if (Brush.Style == bsSolid) PutBlock(r.Left, r.Top, r.Width(), r.Height(), Brush.Color);
}

void TCanvas::Polygon(const QPolygon& points) {
    const QColor fill = Brush.Style == bsSolid ? ToQColor(Brush.Color) : QColor();
    const QColor line = Pen.Style == psSolid ? ToQColor(Pen.Color) : QColor();
    painter_->save();
    painter_->setPen(line.isValid() ? QPen(line, 0) : QPen(Qt::NoPen));
    painter_->setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    painter_->drawPolygon(points);
    // The platform's closed outline starts an edge at every corner, so every corner is drawn;
    // Qt's cosmetic outline can leave one out (the tip of a small arrow).
    if (line.isValid()) painter_->drawPoints(points);
    painter_->restore();
}

void TCanvas::InvertChecker(const TRect& r) {
    // White pixels of the pattern invert what lies under them, black ones leave it.
    static const QImage pattern = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                image.setPixel(x, y, (x + y) % 2 != 0 ? 0xFFFFFFFFu : 0xFF000000u);
        return image;
    }();
    painter_->save();
    painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter_->setBrushOrigin(0, 0);
    painter_->fillRect(r.ToQRect(), QBrush(pattern));
    painter_->restore();
}

void TCanvas::Draw(int x, int y, const QImage& image) {
    painter_->drawImage(QPoint(x, y), image);
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
    painter_->save();
    painter_->setClipRect(clip.ToQRect(), Qt::IntersectClip);
    FillRect(clip);
    if (!text.isEmpty()) {
        painter_->setFont(Font);
        painter_->setPen(ToQColor(FontColor));
        const QFontMetrics metrics(Font);
        painter_->translate(x, y);
        painter_->rotate(-FontEscapement / 10.0);
        const int left = TextAlign == taCenter ? -metrics.horizontalAdvance(text) / 2 : 0;
        painter_->drawText(QPoint(left, TextVAlign == tvTop ? metrics.ascent() : 0), text);
    }
    painter_->restore();
}

int TCanvas::DrawText(TRect& r, const QString& text, unsigned flags) {
    int qtFlags = (flags & dtNoPrefix) ? 0 : Qt::TextShowMnemonic;
    qtFlags |= (flags & dtCenter) ? Qt::AlignHCenter : (flags & dtRight) ? Qt::AlignRight : Qt::AlignLeft;
    qtFlags |= (flags & dtSingleLine) && (flags & dtVCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    if (flags & dtSingleLine)
        qtFlags |= Qt::TextSingleLine;
    else if (flags & dtWordBreak)
        qtFlags |= Qt::TextWordWrap;
    if (flags & dtExpandTabs) qtFlags |= Qt::TextExpandTabs;
    const QString shown =
        (flags & (dtEndEllipsis | dtPathEllipsis)) ? Elided(text, r.Width(), flags, qtFlags) : text;
    if (flags & dtCalcRect) {
        const QRect bounds = QFontMetrics(Font).boundingRect(r.ToQRect(), qtFlags, shown);
        r.Bottom = r.Top + bounds.height();
        r.Right = r.Left + bounds.width();
        return bounds.height();
    }
    painter_->save();
    painter_->setFont(Font);
    painter_->setPen(ToQColor(FontColor));
    QRect bounds;
    painter_->drawText(r.ToQRect(), qtFlags, shown, &bounds);
    painter_->restore();
    return bounds.height();
}

QString TCanvas::Elided(const QString& text, int width, unsigned flags, int qtFlags) const {
    const QFontMetrics metrics(Font);
    const Qt::TextElideMode mode = (flags & dtEndEllipsis) ? Qt::ElideRight : Qt::ElideMiddle;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = metrics.elidedText(line, mode, width, qtFlags);
    return lines.join(QLatin1Char('\n'));
}

int TCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(Font).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const {
    return QFontMetrics(Font).height();
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    const QRegion drawable = painter_->hasClipping() ? painter_->clipRegion() : QRegion(painter_->window());
    painter_->setClipRegion(drawable.subtracted(QRegion(r.ToQRect())));
}

void TCanvas::RemoveClip() {
    // Not setClipping(false): on a widget's painter that leaves the raster engine ignoring the
    // next clip region, so a later exclusion (the gradient ring) would paint the whole face.
    painter_->setClipRegion(QRegion(), Qt::NoClip);
}

void TCanvas::DrawThemeElement(TThemeElement element, const TRect& r) {
    QStyle* style = QApplication::style();
    if (element == teGroupBarBackground) {
        // The style's tool bar face is its nearest to a task pane's shaded background.
        QStyleOptionToolBar option;
        option.rect = r.ToQRect();
        option.palette = QApplication::palette();
        option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        style->drawControl(QStyle::CE_ToolBar, &option, painter_);
        return;
    }
    if (element == teGroupBox || element == teGroupBoxDisabled) {
        QStyleOptionFrame option;
        option.rect = r.ToQRect();
        option.palette = QApplication::palette();
        option.state = element == teGroupBox ? QStyle::State_Enabled : QStyle::State_None;
        style->drawPrimitive(QStyle::PE_FrameGroupBox, &option, painter_);
        return;
    }
    if (element == teProgressBar || element == teProgressBarVertical) {
        // The bar's empty groove: the frame the filled chunks sit in.
        QStyleOptionProgressBar option;
        option.rect = r.ToQRect();
        option.palette = QApplication::palette();
        option.state = QStyle::State_Enabled;
        if (element == teProgressBar) option.state |= QStyle::State_Horizontal;
        style->drawControl(QStyle::CE_ProgressBarGroove, &option, painter_);
        return;
    }
    // A chunk is the filled part of a progress bar: the style's bar contents at full value.
    QStyleOptionProgressBar option;
    option.rect = r.ToQRect();
    option.palette = QApplication::palette();
    option.minimum = 0;
    option.maximum = 100;
    option.progress = 100;
    option.state = QStyle::State_Enabled;
    if (element == teProgressChunk) option.state |= QStyle::State_Horizontal;
    style->drawControl(QStyle::CE_ProgressBarContents, &option, painter_);
}

void TCanvas::DrawThemeButton(const TRect& r, TThemeButtonState state) {
    QStyleOptionButton option;
    option.rect = r.ToQRect();
    option.palette = QApplication::palette();
    option.state = state == tbsDisabled ? QStyle::State_None : QStyle::State_Enabled;
    option.state |= state == tbsPressed ? QStyle::State_Sunken : QStyle::State_Raised;
    if (state == tbsHot) option.state |= QStyle::State_MouseOver;
    if (state == tbsDefaulted) option.features |= QStyleOptionButton::DefaultButton;
    QApplication::style()->drawControl(QStyle::CE_PushButtonBevel, &option, painter_);
}

void TCanvas::DrawWidgetBackground(QWidget* widget, int x, int y) {
    painter_->save();
    painter_->translate(x, y);
    painter_->setClipRect(QRect(0, 0, widget->width(), widget->height()), Qt::IntersectClip);
    widget->render(painter_, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    painter_->restore();
}
