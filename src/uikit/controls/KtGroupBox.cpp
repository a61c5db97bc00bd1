#include "uikit/controls/KtGroupBox.h"

#include "uikit/draw/KtColors.h"
#include "uikit/draw/KtFrames.h"
#include "uikit/draw/KtGradient.h"
#include "uikit/draw/KtParentImage.h"
#include "uikit/draw/KtText.h"
#include "uikit/services/KtColorScheme.h"
#include "uikit/services/KtThemes.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcutEvent>

TKtCustomGroupBox::TKtCustomGroupBox(QWidget* parent) : TKtCustomPanel(parent) {
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(Qt::AlignLeft);
    SetAlignmentVertical(avTop);
    resize(width(), 105);
}

void TKtCustomGroupBox::SetGroupStyle(TKtGroupBoxStyle value) {
    if (value == groupStyle_) return;
    groupStyle_ = value;
    FrameChanged();
}

void TKtCustomGroupBox::SetCaption(const QString& value) {
    if (value == Caption()) return;
    TKtCustomPanel::SetCaption(value);
    GrabAccelerator();
}

void TKtCustomGroupBox::GrabAccelerator() {
    if (acceleratorId_ != 0) releaseShortcut(acceleratorId_);
    acceleratorId_ = 0;
    const QKeySequence key = QKeySequence::mnemonic(Caption());
    if (!key.isEmpty()) acceleratorId_ = grabShortcut(key);
}

bool TKtCustomGroupBox::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == acceleratorId_) {
        if (isEnabled() && isVisible()) {
            // The first control inside that takes the focus: a label does not.
            for (QWidget* w = nextInFocusChain(); w != this && isAncestorOf(w); w = w->nextInFocusChain()) {
                if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
                    w->setFocus(Qt::ShortcutFocusReason);
                    break;
                }
            }
        }
        return true;
    }
    return TKtCustomPanel::event(event);
}

void TKtCustomGroupBox::ApplyFrameController() {
    if (groupStyle_ == gsCustom) TKtCustomPanel::ApplyFrameController();
}

void TKtCustomGroupBox::AdjustClientRect(TRect& r) const {
    TKtCustomPanel::AdjustClientRect(r);
    const int h = QFontMetrics(font()).height();
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat:
        r.Top += h / 2 - 1 >= BorderWidth() ? h - BorderWidth() : h / 2 - 1;
        r = InsetSides(r, groupStyle_ == gsStandard ? 2 : 1, AllSides);
        break;
    case gsCustom:
        if (!Caption().isEmpty()) r.Top += h;
        r = InsetSides(r, 2, AllSides);
        break;
    case gsTopLine:
        r.Top += h;
        break;
    case gsBanner:
        r.Top += h + 8;
        break;
    case gsUnderline:
        r.Top += h + 4;
        break;
    }
}

namespace {

bool ThemedStyle(TKtVisualStyle visualStyle, TKtGroupBoxStyle groupStyle) {
    return visualStyle == vsWinXP && ThemesActive() && (groupStyle == gsStandard || groupStyle == gsFlat);
}

} // namespace

TRect TKtCustomGroupBox::CaptionRect(TCanvas& canvas) const {
    if (Caption().isEmpty() || groupStyle_ == gsCustom) return {};
    const QString s = StripAccelChars(Caption());
    const int sw = canvas.TextWidth(s);
    const int sh = canvas.TextHeight(s);
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    switch (groupStyle_) {
    case gsTopLine:
        return rightToLeft ? TRect{width() - sw - 4, 0, width(), sh} : TRect{0, 0, sw + 4, sh};
    case gsBanner:
        return {0, 0, width(), sh + 6};
    case gsUnderline:
        return {0, 0, width(), sh + 2};
    default:
        return rightToLeft ? TRect{width() - 8 - sw, 0, width() - 8, sh} : TRect{8, 0, 8 + sw, sh};
    }
}

void TKtCustomGroupBox::Paint(TCanvas& canvas) {
    canvas.Font = font();
    const int th = canvas.TextHeight(QStringLiteral("Pp"));
    TRect t = CaptionRect(canvas);
    const TRect f{0, th / 2 - 1, width(), height()};
    if (ThemedStyle(VisualStyle(), groupStyle_)) {
        if (!Transparent()) DrawParentImage(this, canvas);
        canvas.ExcludeClipRect(t);
        canvas.DrawThemeElement(isEnabled() ? teGroupBox : teGroupBoxDisabled, f);
        canvas.RemoveClip();
        canvas.FontColor = isEnabled() ? GetXPThemeColor(6) : clGrayText;
        canvas.DrawText(t, Caption(), dtSingleLine | AlignmentTextFlag());
        return;
    }
    if (groupStyle_ == gsCustom) {
        TKtCustomPanel::Paint(canvas);
        return;
    }
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    if (Transparent()) {
        if (groupStyle_ != gsBanner) canvas.ExcludeClipRect(t);
    } else {
        canvas.FillRect({0, 0, width(), height()});
    }
    PaintFrame(canvas, f, t);
    if (!Caption().isEmpty()) PaintCaption(canvas, t);
    canvas.RemoveClip();
}

void TKtCustomGroupBox::PaintFrame(TCanvas& canvas, const TRect& f, const TRect& t) {
    const TColor flat = AdjustColor(FlatColor(), FlatColorAdjustment());
    canvas.Pen.Color = flat;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    switch (groupStyle_) {
    case gsStandard:
        if (BorderOuter() == fsNone)
            DrawBorderSides(canvas, f, fsGroove, AllSides);
        else if (BorderOuter() == fsFlat)
            DrawBox(canvas, f, flat);
        else if (BorderOuter() == fsFlatBold)
            DrawBevel(canvas, f, flat, flat, 2, AllSides);
        else
            DrawBorderSides(canvas, f, BorderOuter(), AllSides);
        break;
    case gsTopLine:
        if (BorderOuter() == fsFlat || BorderOuter() == fsFlatBold) {
            canvas.Line(f.Left + 2, f.Top, f.Right - 2, f.Top);
            if (BorderOuter() == fsFlatBold) canvas.Line(f.Left + 2, f.Top + 1, f.Right - 2, f.Top + 1);
        } else {
            DrawBorderSides(canvas, f, BorderOuter() == fsNone ? fsGroove : BorderOuter(), {sdTop});
        }
        break;
    case gsFlat:
        canvas.Line(f.Left, f.Top + 2, f.Left, f.Bottom - 2);
        canvas.Line(f.Left + 2, f.Top, f.Right - 2, f.Top);
        canvas.Line(f.Right - 1, f.Top + 2, f.Right - 1, f.Bottom - 2);
        canvas.Line(f.Left + 2, f.Bottom - 1, f.Right - 2, f.Bottom - 1);
        canvas.SetPixel(f.Left + 1, f.Top + 1, flat);
        canvas.SetPixel(f.Right - 2, f.Top + 1, flat);
        canvas.SetPixel(f.Right - 2, f.Bottom - 2, flat);
        canvas.SetPixel(f.Left + 1, f.Bottom - 2, flat);
        break;
    case gsBanner: {
        TColor frame = flat, start = GradientColorStart(), stop = GradientColorStop();
        if (GradientColorStyle() != gcsCustom)
            GetGradientGroupColors(GradientColorStyle(), frame, start, stop);
        DrawRoundedFlatBorder(canvas, t, frame, AllSides);
        PaintGradient(canvas, InsetSides(t, 1, AllSides), gdHorizontalEnd, start, stop, 1);
        break;
    }
    case gsUnderline:
        // Just under the caption's box: a line inside it would go with the caption's background.
        canvas.Line(0, t.Bottom, width(), t.Bottom);
        break;
    case gsCustom:
        break;
    }
}

void TKtCustomGroupBox::PaintCaption(TCanvas& canvas, TRect t) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    if (!Transparent() && groupStyle_ != gsBanner) canvas.FillRect(t);
    if (groupStyle_ == gsBanner) {
        t.Left += 4;
        t.Right -= 4;
        t.Top += 1;
        t.Bottom -= 1;
    }
    canvas.Brush.Style = bsClear;
    if (!isEnabled())
        canvas.FontColor = clGrayText;
    else if (VisualStyle() == vsWinXP && ThemesActive())
        canvas.FontColor = GetXPThemeColor(6);
    else
        canvas.FontColor = FontColor();
    canvas.RemoveClip();
    canvas.DrawText(t, Caption(), dtSingleLine | AlignmentTextFlag());
    canvas.Brush.Style = bsSolid;
}
