#include "uikit/buttons/KtBitBtn.h"

#include "base/Rounding.h"
#include "uikit/draw/ImageList.h"
#include "uikit/draw/KtBitmaps.h"
#include "uikit/services/KtScaling.h"

#include <algorithm>

TKtBitBtn::TKtBitBtn(QWidget* parent) : TKtButton(parent) {}

void TKtBitBtn::SetGlyph(const QImage& value) {
    glyph_ = value;
    modifiedGlyph_ = true;
    GlyphChanged();
}

// A glyph of square cells tells how many cells it holds.
void TKtBitBtn::GlyphChanged() {
    if (glyph_.height() != 0 && glyph_.width() % glyph_.height() == 0) {
        const int cells = glyph_.width() / glyph_.height();
        numGlyphs_ = cells >= 1 && cells <= 4 ? cells : 1;
    }
    update();
}

TBitBtnKind TKtBitBtn::Kind() const {
    if (kind_ != bkCustom) {
        const bool isDefault = kind_ == bkOK || kind_ == bkYes;
        const bool isCancel = kind_ == bkCancel || kind_ == bkNo;
        if (Default() != isDefault || Cancel() != isCancel || ModalResult() != ButtonKindModalResult(kind_) ||
            modifiedGlyph_)
            kind_ = bkCustom;
    }
    return kind_;
}

void TKtBitBtn::SetKind(TBitBtnKind value) {
    if (value == kind_) return;
    if (value != bkCustom) {
        SetDefault(value == bkOK || value == bkYes);
        SetCancel(value == bkCancel || value == bkNo);
        const QString caption = ButtonKindCaptions(value);
        if (!caption.isEmpty()) SetCaption(caption);
        SetModalResult(ButtonKindModalResult(value));
        SetGlyph(KindGlyph(value));
        SetNumGlyphs(2);
        modifiedGlyph_ = false;
    }
    kind_ = value;
    update();
}

void TKtBitBtn::SetLayout(TButtonLayout value) {
    if (value == layout_) return;
    layout_ = value;
    update();
}

void TKtBitBtn::SetMargin(int value) {
    if (value == margin_ || value < -1) return;
    margin_ = value;
    update();
}

void TKtBitBtn::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_) return;
    numGlyphs_ = value;
    update();
}

void TKtBitBtn::SetSpacing(int value) {
    if (value == spacing_) return;
    spacing_ = value;
    update();
}

void TKtBitBtn::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    update();
}

void TKtBitBtn::SetDisabledIndex(int value) {
    if (value == disabledIndex_) return;
    disabledIndex_ = value;
    update();
}

void TKtBitBtn::SetImages(TImageList* value) {
    if (images_) disconnect(images_, nullptr, this, nullptr);
    images_ = value;
    if (images_) {
        connect(images_, &TImageList::OnChange, this, [this] { update(); });
        connect(images_, &QObject::destroyed, this, [this] { update(); });
    }
    update();
}

void TKtBitBtn::ChangeScale(int numerator, int denominator) {
    ScaleBounds(this, numerator, denominator);
    margin_ = MulDiv(margin_, numerator, denominator);
    spacing_ = MulDiv(spacing_, numerator, denominator);
    update();
}

bool TKtBitBtn::HasImage() const {
    return images_ && imageIndex_ != -1;
}

QSize TKtBitBtn::GetGlyphSize() const {
    if (HasImage()) return {images_->Width(), images_->Height()};
    if (glyph_.isNull()) return {0, 0};
    return {glyph_.width() / numGlyphs_, glyph_.height()};
}

int TKtBitBtn::CaptionHeight(const TRect& r) const {
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(scratch);
    canvas.Font = font();
    TRect measured = r;
    return canvas.DrawText(measured, Caption(), dtCenter | dtWordBreak | dtCalcRect);
}

TRect TKtBitBtn::GetCaptionRect() const {
    TRect r = TKtButton::GetCaptionRect();
    if (!HasGlyph()) return r;
    const QSize g = GetGlyphSize();
    if (margin_ >= 0) {
        const int across = margin_ + g.width() + spacing_;
        const int down = margin_ + g.height() + spacing_;
        switch (layout_) {
        case blGlyphLeft:
            r.Left += across;
            break;
        case blGlyphRight:
            r.Right -= across;
            break;
        case blGlyphTop:
            r.Top += down;
            break;
        case blGlyphBottom:
            r.Bottom -= down;
            break;
        }
        return r;
    }
    const int th = CaptionHeight(r);
    const int t = (height() - (g.height() + th + spacing_)) / 2;
    switch (layout_) {
    case blGlyphLeft:
        r.Left += -1 + g.width() + spacing_;
        break;
    case blGlyphRight:
        r.Right -= -1 + g.width() + spacing_;
        break;
    case blGlyphTop:
        r.Top += t + g.height();
        r.Bottom = r.Top + th;
        break;
    case blGlyphBottom:
        r.Top += t;
        r.Bottom = r.Top + th;
        break;
    }
    return r;
}

TRect TKtBitBtn::GetGlyphRect() const {
    TRect r = TKtButton::GetCaptionRect();
    // The glyph follows its own pushed-in shift, whatever the caption does.
    if (ShowsDown()) r = Themed() ? r.Offset(-1, 0) : r.Offset(-1, -1);
    const QSize g = GetGlyphSize();
    if (margin_ >= 0) {
        switch (layout_) {
        case blGlyphLeft:
            r.Left += margin_;
            break;
        case blGlyphRight:
            r.Left = r.Right - margin_ - g.width();
            break;
        case blGlyphTop:
            r.Top += margin_;
            break;
        case blGlyphBottom:
            r.Top = r.Bottom - margin_ - g.height();
            break;
        }
    } else {
        const int th = CaptionHeight(TKtButton::GetCaptionRect());
        const int t = (height() - (g.height() + th + spacing_)) / 2;
        switch (layout_) {
        case blGlyphLeft:
            break;
        case blGlyphRight:
            r.Left = r.Right - g.width();
            break;
        case blGlyphTop:
            r.Top = t;
            break;
        case blGlyphBottom:
            r.Top += t + th;
            break;
        }
    }
    if (layout_ == blGlyphTop || layout_ == blGlyphBottom)
        r.Left += (r.Width() - g.width() + 1) / 2;
    else
        r.Top += (r.Height() - g.height() + 1) / 2;
    r.Right = r.Left + g.width();
    r.Bottom = r.Top + g.height();
    if (ShowsDown()) r = Themed() ? r.Offset(2, 0) : r.Offset(1, 1);
    return r;
}

void TKtBitBtn::DrawButtonCaption(TCanvas& canvas) {
    TKtButton::DrawButtonCaption(canvas);
    const TRect r = GetGlyphRect();
    if (Kind() == bkCustom && HasImage())
        DrawImage(canvas, r);
    else if (!glyph_.isNull())
        DrawGlyph(canvas, r);
}

void TKtBitBtn::DrawImage(TCanvas& canvas, const TRect& r) {
    if (disabledIndex_ == -1)
        images_->Draw(canvas, r.Left, r.Top, imageIndex_, isEnabled());
    else
        images_->Draw(canvas, r.Left, r.Top, isEnabled() ? imageIndex_ : disabledIndex_, true);
}

void TKtBitBtn::DrawGlyph(TCanvas& canvas, const TRect& r) {
    const int w = GetGlyphSize().width();
    int cell = 1;
    if (numGlyphs_ == 4 && Down())
        cell = 3;
    else if (numGlyphs_ >= 3 && ShowsDown())
        cell = 2;
    else if (numGlyphs_ == 1 || isEnabled())
        cell = 0;
    // As the desktop's bitmaps do, the bottom-left pixel names the colour left out.
    const TColor transparent = FromQColor(glyph_.pixelColor(0, glyph_.height() - 1));
    DrawTransparentBitmapRect(canvas, glyph_, r, {cell * w, 0, cell * w + w, glyph_.height()}, transparent);
}
