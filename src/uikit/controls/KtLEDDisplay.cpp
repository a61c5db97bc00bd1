#include "uikit/controls/KtLEDDisplay.h"

#include "base/Cp1251.h"
#include "uikit/controls/KtLEDFont.h"

#include <QImage>

TKtLEDDisplay::TKtLEDDisplay(QWidget* parent) : TKtBorder(parent) {
    SetOpaque(true);
    SetBorderOuter(fsStatus);
    scrollTimer_.setInterval(scrollDelay_);
    connect(&scrollTimer_, &QTimer::timeout, this, &TKtLEDDisplay::ScrollTimerTick);
    resize(100, 30);
    UpdateMetrics();
}

void TKtLEDDisplay::SetCaption(const QString& value) {
    if (value == caption_) return;
    caption_ = value;
    UpdateScrollWidth();
    repaint();
}

void TKtLEDDisplay::SetAlignment(Qt::Alignment value) {
    value &= Qt::AlignHorizontal_Mask;
    if (value == alignment_) return;
    alignment_ = value;
    repaint();
}

void TKtLEDDisplay::SetBackColor(TColor value) {
    if (value == backColor_) return;
    backColor_ = value;
    repaint();
}

void TKtLEDDisplay::SetSegOnColor(TColor value) {
    if (value == segOnColor_) return;
    segOnColor_ = value;
    repaint();
}

void TKtLEDDisplay::SetSegOffColor(TColor value) {
    if (value == segOffColor_) return;
    segOffColor_ = value;
    repaint();
}

void TKtLEDDisplay::SetScrollType(TKtScrollType value) {
    if (value == scrollType_) return;
    scrollType_ = value;
    UpdateTimer();
    update();
}

void TKtLEDDisplay::SetScrolling(bool value) {
    if (value == scrolling_) return;
    scrolling_ = value;
    UpdateTimer();
    if (!value) scrollPos_ = 0;
    update();
}

void TKtLEDDisplay::SetScrollDelay(std::uint16_t value) {
    if (value == scrollDelay_) return;
    scrollDelay_ = value;
    scrollTimer_.setInterval(value);
    UpdateTimer();
}

void TKtLEDDisplay::UpdateTimer() {
    // Qt's timer would spin at an interval of 0, and a timer for a text that does not move only
    // repaints for nothing.
    const bool run = scrolling_ && scrollType_ != stNone && scrollDelay_ > 0;
    if (run && !scrollTimer_.isActive())
        scrollTimer_.start();
    else if (!run)
        scrollTimer_.stop();
}

void TKtLEDDisplay::UpdateMetrics() {
    const int h = ClientRect().Height();
    dotSize_ = std::max(int(h / 7.6), 1);
    dotSpacing_ = int(dotSize_ * 0.1);
    UpdateScrollWidth();
}

void TKtLEDDisplay::UpdateScrollWidth() {
    scrollWidth_ = int(caption_.size()) * CellWidth() + width();
    update();
}

void TKtLEDDisplay::resizeEvent(QResizeEvent* event) {
    TKtBorder::resizeEvent(event);
    UpdateMetrics();
}

void TKtLEDDisplay::ScrollTimerTick() {
    if (!scrollTimer_.isActive()) return;
    scrollPos_ += Pitch();
    repaint();
    if (scrollPos_ >= scrollWidth_) {
        scrollPos_ = 0;
        ScrollComplete();
    }
}

void TKtLEDDisplay::DrawCell(TCanvas& canvas, const TRect& cellRect, std::uint8_t code) {
    const TLEDGlyph& glyph = LEDGlyph(code);
    canvas.Pen.Color = backColor_;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 6; ++column) {
            const int x = cellRect.Left + column * Pitch();
            const int y = cellRect.Top + row * Pitch();
            const bool lit = column < 5 && (glyph[column] & (0x80 >> row)) != 0;
            canvas.Brush.Color = lit ? segOnColor_ : segOffColor_;
            // The outline in the background colour keeps neighbouring dots apart.
            canvas.Rectangle({x, y, x + dotSize_ + 1, y + dotSize_ + 1});
        }
    }
}

void TKtLEDDisplay::Paint(TCanvas& canvas) {
    TKtBorder::Paint(canvas);
    const TRect client = ClientRect();
    const int iw = client.Width();
    const int ih = client.Height();
    if (ih <= 7 || iw <= 0) return;

    QImage bitmap(iw, ih, QImage::Format_RGB32);
    {
        TCanvas cells(bitmap);
        cells.Brush.Color = backColor_;
        cells.FillRect({0, 0, iw, ih});

        const int cellWidth = CellWidth();
        const int cellTop = (ih - CellHeight()) / 2;
        auto cell = [&](int x, std::uint8_t code) {
            DrawCell(cells, {x, cellTop, x + cellWidth, cellTop + CellHeight()}, code);
        };
        const int len = int(caption_.size());
        const bool right = alignment_ == Qt::AlignRight && !scrolling_;
        const bool centred = alignment_ == Qt::AlignHCenter && !scrolling_;

        if (right) {
            for (int x = iw - cellWidth; x > -cellWidth; x -= cellWidth)
                cell(x, ' ');
        } else if (centred) {
            for (int x = ((iw - len * cellWidth) / 2) % cellWidth - cellWidth; x < iw; x += cellWidth)
                cell(x, ' ');
        } else {
            for (int x = 0; x < iw; x += cellWidth)
                cell(x, ' ');
        }

        int offset = 0;
        if (scrolling_ && scrollType_ == stRightToLeft) offset = (iw / Pitch()) * Pitch() - scrollPos_;
        if (scrolling_ && scrollType_ == stLeftToRight) offset = scrollPos_ - len * cellWidth;

        int x = right ? iw - len * cellWidth : centred ? (iw - len * cellWidth) / 2 : offset;
        for (QChar c : caption_) {
            const int code = cp1251Byte(c);
            cell(x, code < 0 ? std::uint8_t('?') : std::uint8_t(code));
            x += cellWidth;
        }
    }
    canvas.Draw(client.Left, client.Top, bitmap);
}
