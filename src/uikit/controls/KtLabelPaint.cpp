// How a kit label measures and draws its text.

#include "uikit/controls/KtLabel.h"

#include "base/Rounding.h"
#include "uikit/draw/KtParentColor.h"
#include "uikit/draw/KtText.h"

#include <QImage>
#include <cmath>
#include <numbers>

namespace {

int Nearest(double x) {
    return RoundHalfEven(x);
}

TRect Moved(TRect r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

} // namespace

TRect TKtLabel::ShrinkToInterior(TRect r, bool withBorderWidth) const {
    return Frame().Shrink(r, withBorderWidth);
}

void TKtLabel::ExtendTextRect(TRect& r) const {
    Frame().Extend(r);
    if (rotation_ == roNone && textStyle_ == tsShadow) {
        r.Right += shadowDepth_;
        r.Bottom += shadowDepth_;
    }
    if (rotation_ == roFlat && angle_ != 0 && angle_ != 180) {
        if (textStyle_ == tsShadow) {
            r.Right += shadowDepth_ / 2;
            r.Bottom += shadowDepth_ / 2;
        }
        // The box around the turned rectangle, in every quadrant.
        const double phi = angle_ * std::numbers::pi / 180;
        const double c = std::abs(std::cos(phi)), s = std::abs(std::sin(phi));
        const int w = r.Width(), h = r.Height();
        r.Right = r.Left + Nearest(c * w + s * h);
        r.Bottom = r.Top + Nearest(s * w + c * h);
    }
}

Qt::Alignment TKtLabel::DrawnAlignment() const {
    if (layoutDirection() != Qt::RightToLeft) return alignment_;
    if (alignment_ == Qt::AlignLeft) return Qt::AlignRight;
    if (alignment_ == Qt::AlignRight) return Qt::AlignLeft;
    return alignment_;
}

unsigned TKtLabel::TextFlags() const {
    const Qt::Alignment align = DrawnAlignment();
    unsigned flags = align == Qt::AlignRight ? dtRight : align == Qt::AlignHCenter ? dtCenter : dtLeft;
    flags |= dtExpandTabs;
    if (wordWrap_) flags |= dtWordBreak;
    if (!showAccelChar_) flags |= dtNoPrefix;
    return flags;
}

unsigned TKtLabel::CondenseFlag() const {
    return condenseCaption_ == ccAtEnd        ? dtEndEllipsis
           : condenseCaption_ == ccWithinPath ? dtPathEllipsis
                                              : 0u;
}

void TKtLabel::AdjustBounds() {
    if (!autoSize_) return;
    TRect r = ShrinkToInterior({0, 0, width(), height()}, true);
    r = {0, 0, r.Width(), r.Height()};
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(scratch);
    canvas.Font = font();
    // An empty caption, or a lone accelerator mark, still takes one line.
    QString text = caption_;
    if (text.isEmpty() || (showAccelChar_ && text == QLatin1String("&"))) text += QLatin1Char(' ');
    canvas.DrawText(r, text,
                    (TextFlags() & (dtWordBreak | dtNoPrefix)) | dtExpandTabs | dtCalcRect | CondenseFlag());
    ExtendTextRect(r);
    int x = this->x();
    if (DrawnAlignment() == Qt::AlignRight) x += width() - r.Right;
    setGeometry(x, y(), r.Right, r.Bottom);
}

void TKtLabel::Paint(TCanvas& canvas) {
    const TRect r =
        Frame().Draw(canvas, {0, 0, width(), height()}, Color(), ParentBackground(this), transparent_);
    canvas.Brush.Color = Color();
    if (!transparent_) canvas.FillRect(r);
    canvas.Brush.Style = bsClear;
    if (rotation_ == roCurve)
        DrawCurvedText(canvas);
    else
        DrawLabelText(canvas);
}

void TKtLabel::ApplyLayout(TCanvas& canvas, TRect& r, unsigned flags) const {
    if (layout_ != tlTop) {
        TRect measured = r;
        const int textHeight = canvas.DrawText(measured, caption_, flags | dtCalcRect);
        const int down = layout_ == tlCenter ? (r.Height() - textHeight) / 2 : r.Height() - textHeight;
        r = Moved(r, 0, down);
    }
    if (textStyle_ == tsShadow) {
        if (DrawnAlignment() == Qt::AlignRight) r = Moved(r, -shadowDepth_, 0);
        if (layout_ == tlBottom) r = Moved(r, 0, -shadowDepth_);
    }
}

QPoint TKtLabel::ReferencePoint() const {
    const int w = width(), h = height(), b = Frame().BorderWidth;
    if (rotation_ == roFlat) return {w / 2, h / 2};
    switch (centerPoint_) {
    case cpUpperLeft:
        return {b, b};
    case cpUpperCenter:
        return {w / 2, b};
    case cpUpperRight:
        return {w, b};
    case cpLeftCenter:
        return {b, h / 2};
    case cpCenter:
        return {w / 2, h / 2};
    case cpRightCenter:
        return {w - b, h / 2};
    case cpLowerLeft:
        return {b, h - b};
    case cpLowerCenter:
        return {w / 2, h - b};
    case cpLowerRight:
        return {w - b, h - b};
    }
    return {w / 2, h / 2};
}

void TKtLabel::DrawLabelText(TCanvas& canvas) {
    const int s = shadowDepth_ / 2;
    TRect t = ShrinkToInterior({0, 0, width(), height()}, true);
    t = {t.Left + textMargin_, t.Top + textMargin_, t.Right - textMargin_, t.Bottom - textMargin_};
    const unsigned flags = TextFlags();
    const Qt::Alignment align = DrawnAlignment();
    canvas.Font = font();
    QPoint p = ReferencePoint();

    if (rotation_ == roFlat) {
        const int q = canvas.TextHeight(QStringLiteral("Pp")) / 4;
        const int e = textStyle_ == tsShadow ? s : 0;
        const int w = canvas.TextWidth(caption_) + e;
        const int h = canvas.TextHeight(QStringLiteral("Pp")) + e;
        const double theta = angle_ * std::numbers::pi / 180 + std::numbers::pi / 2;
        canvas.TextVAlign = tvBaseline;
        switch (angle_) {
        case 0:
            canvas.TextVAlign = tvTop;
            if (align == Qt::AlignHCenter)
                canvas.TextAlign = taCenter;
            else if (align == Qt::AlignRight)
                p.setX(t.Right - w - e);
            else
                p.setX(t.Left + e);
            p.ry() -= h / 2;
            break;
        case 90:
            p.rx() -= Nearest(std::cos(theta) * q);
            p.setY(align == Qt::AlignHCenter ? t.Bottom - (t.Bottom - w) / 2
                   : align == Qt::AlignRight ? t.Top + w + e
                                             : t.Bottom - e);
            break;
        case 180:
            p.setX(align == Qt::AlignHCenter ? t.Right - (t.Right - w) / 2
                   : align == Qt::AlignRight ? t.Left + w
                                             : t.Right - e);
            p.ry() -= h / 4;
            break;
        case 270:
            p.rx() -= Nearest(std::cos(theta) * q);
            p.setY(align == Qt::AlignHCenter ? (t.Bottom - w) / 2
                   : align == Qt::AlignRight ? t.Bottom - w - e
                                             : t.Top + e);
            break;
        default:
            p.rx() -= Nearest(std::cos(theta) * q);
            p.ry() += Nearest(std::sin(theta) * q);
            canvas.TextAlign = taCenter;
            break;
        }
        const TRotatedFont rotated = CreateRotatedFont(font(), angle_);
        canvas.Font = rotated.Font;
        canvas.FontEscapement = rotated.Escapement;
    }

    auto copyAt = [&](int dx, int dy, TColor color, bool clipMoves) {
        canvas.FontColor = color;
        if (rotation_ == roNone) {
            TRect r = t;
            ApplyLayout(canvas, r, flags | CondenseFlag());
            r = Moved(r, dx, dy);
            canvas.DrawText(r, caption_, flags | CondenseFlag());
        } else {
            canvas.TextRect(clipMoves ? Moved(t, dx, dy) : t, p.x() + dx, p.y() + dy, caption_);
        }
    };

    if (testAttribute(Qt::WA_Disabled)) {
        copyAt(0, 0, clGrayText, false);
        return;
    }
    DrawTextRelief(textStyle_, lightTextStyle_, highlightColor_, shadowColor_,
                   [&](int dx, int dy, TColor color) { copyAt(dx, dy, color, true); });
    if (textStyle_ == tsShadow) {
        const int depth = rotation_ == roNone ? shadowDepth_ : s;
        copyAt(depth, depth, shadowColor_, false);
    }
    const int back = rotation_ == roFlat && textStyle_ == tsShadow ? -s : 0;
    copyAt(back, back, currentTextColor_, false);
}

void TKtLabel::DrawCurvedText(TCanvas& canvas) {
    const QPoint p = ReferencePoint();
    const int w = width(), h = height(), b = Frame().BorderWidth;
    const bool halfWidth =
        centerPoint_ == cpUpperCenter || centerPoint_ == cpCenter || centerPoint_ == cpLowerCenter;
    const bool halfHeight =
        centerPoint_ == cpLeftCenter || centerPoint_ == cpCenter || centerPoint_ == cpRightCenter;
    const int rx = (halfWidth ? w / 2 : w) - 2 * b;
    const int ry = (halfHeight ? h / 2 : h) - 2 * b;
    // A label too narrow for its border has no arc to lay the text on.
    if (rx <= 0) return;

    canvas.Font = font();
    canvas.FontEscapement = 0;
    canvas.TextAlign = taCenter;
    canvas.TextVAlign = tvBaseline;
    const int lineHeight = canvas.TextHeight(QStringLiteral("Yy"));
    const double step = (canvas.TextWidth(QStringLiteral("w")) + 2) / double(rx);
    const TRect whole{0, 0, w, h};
    const bool enabled = !testAttribute(Qt::WA_Disabled);
    double theta = angle_ * std::numbers::pi / 180;
    for (QChar c : caption_) {
        const QString ch(c);
        const int x = p.x() - Nearest((rx - lineHeight) * std::sin(theta));
        const int y = p.y() - Nearest((ry - lineHeight) * std::cos(theta));
        canvas.FontEscapement = Nearest(theta * 1800 / std::numbers::pi);
        auto at = [&](int dx, int dy, TColor color) {
            canvas.FontColor = color;
            canvas.TextRect(whole, x + dx, y + dy, ch);
        };
        TColor color = currentTextColor_;
        if (enabled) {
            DrawTextRelief(textStyle_, lightTextStyle_, highlightColor_, shadowColor_, at);
            if (textStyle_ == tsShadow) at(shadowDepth_, shadowDepth_, shadowColor_);
        } else {
            at(1, 1, clBtnHighlight);
            color = clBtnShadow;
        }
        at(0, 0, color);
        theta -= step;
    }
}
