#pragma once

#include "uikit/buttons/KtButton.h"
#include "uikit/buttons/KtButtonKinds.h"
#include "uikit/draw/ImageList.h"

#include <QImage>
#include <QPointer>
#include <QSize>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The kit's push button with a glyph beside its caption: from Glyph, a bitmap of up to four
// cells side by side (up, disabled, down, exclusive) whose bottom-left pixel's colour is left
// out, or from an image list. A standard Kind gives the button its caption, glyph, modal result
// and Default or Cancel role; changing any of those by hand makes the kind bkCustom again.
class TKtBitBtn : public TKtButton {
    Q_OBJECT

public:
    explicit TKtBitBtn(QWidget* parent = nullptr);

    const QImage& Glyph() const { return glyph_; }
    virtual void SetGlyph(const QImage& value);
    TBitBtnKind Kind() const;
    virtual void SetKind(TBitBtnKind value);
    TButtonLayout Layout() const { return layout_; }
    virtual void SetLayout(TButtonLayout value);
    // Distance of the glyph from the edge; -1 centres glyph and caption together.
    int Margin() const { return margin_; }
    virtual void SetMargin(int value);
    int NumGlyphs() const { return numGlyphs_; }
    virtual void SetNumGlyphs(int value);
    // Gap between glyph and caption.
    int Spacing() const { return spacing_; }
    virtual void SetSpacing(int value);
    int ImageIndex() const { return imageIndex_; }
    virtual void SetImageIndex(int value);
    // The image shown while the button is disabled; -1 shows ImageIndex greyed.
    int DisabledIndex() const { return disabledIndex_; }
    virtual void SetDisabledIndex(int value);
    // Held, not owned; forgotten when the list goes.
    TImageList* Images() const { return images_; }
    virtual void SetImages(TImageList* value);

    // Scales the button with its window, Margin and Spacing included.
    void ChangeScale(int numerator, int denominator);

    virtual QSize GetGlyphSize() const;
    TRect GetCaptionRect() const override;
    virtual TRect GetGlyphRect() const;

protected:
    void DrawButtonCaption(TCanvas& canvas) override;
    virtual void DrawImage(TCanvas& canvas, const TRect& r);
    virtual void DrawGlyph(TCanvas& canvas, const TRect& r);

private:
    bool HasImage() const;
    bool HasGlyph() const { return HasImage() || !glyph_.isNull(); }
    // Height of the caption broken into lines of the caption rectangle's width.
    int CaptionHeight(const TRect& r) const;
    void GlyphChanged();

    QImage glyph_;
    mutable TBitBtnKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = 2;
    int numGlyphs_ = 1;
    int spacing_ = 4;
    bool modifiedGlyph_ = false;
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    QPointer<TImageList> images_;
};
