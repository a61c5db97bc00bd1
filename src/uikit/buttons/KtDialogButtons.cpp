#include "uikit/buttons/KtDialogButtons.h"

#include "base/Rounding.h"
#include "uikit/buttons/KtBitBtn.h"
#include "uikit/buttons/KtButtonKinds.h"
#include "uikit/draw/KtFrames.h"
#include "uikit/services/KtScaling.h"

#include <QAction>
#include <algorithm>

namespace {

constexpr TKtDialogButtons::TButtonIndex kAll[] = {TKtDialogButtons::biOk, TKtDialogButtons::biCancel,
                                                   TKtDialogButtons::biHelp};
// The kind of each button, in the order of kAll.
constexpr TBitBtnKind kKinds[] = {bkOK, bkCancel, bkHelp};

} // namespace

TKtDialogButtons::TKtDialogButtons(QWidget* parent) : TKtCustomPanel(parent) {
    resize(width(), 36);
    ::SetAlign(this, alBottom);
    SetBorderOuter(fsNone);
    CreateButtons();
}

void TKtDialogButtons::CreateButtons() {
    for (TButtonIndex index : kAll) {
        widths_[index - 1] = defaultButtonWidth_;
        auto* button = new TKtBitBtn(this);
        buttons_[index - 1] = button;
        button->resize(widths_[index - 1], buttonHeight_);
        button->SetCaption(ButtonKindCaptions(kKinds[index - 1]));
        connect(button, &TKtCustomButton::OnClick, this, [this, index] { ButtonClicked(index); });
    }
    Button(biOk)->SetModalResult(1);
    Button(biOk)->SetDefault(true);
    Button(biCancel)->SetModalResult(2);
    Button(biCancel)->SetCancel(true);
    Button(biHelp)->hide();
    ArrangeButtons();
}

// Runs after the button handed its result to the dialog.
void TKtDialogButtons::ButtonClicked(TButtonIndex index) {
    if (QAction* action = Button(index)->Action()) action->trigger();
    switch (index) {
    case biOk:
        emit OnClickOk();
        break;
    case biCancel:
        emit OnClickCancel();
        break;
    case biHelp:
        emit OnClickHelp();
        break;
    }
}

QString TKtDialogButtons::ButtonCaption(TButtonIndex index) const {
    return Button(index)->Caption();
}

void TKtDialogButtons::SetButtonCaption(TButtonIndex index, const QString& value) {
    Button(index)->SetCaption(value);
}

int TKtDialogButtons::ModalResult(TButtonIndex index) const {
    return Button(index)->ModalResult();
}

void TKtDialogButtons::SetModalResult(TButtonIndex index, int value) {
    Button(index)->SetModalResult(value);
}

QAction* TKtDialogButtons::Action(TButtonIndex index) const {
    return Button(index)->Action();
}

void TKtDialogButtons::SetAction(TButtonIndex index, QAction* value) {
    Button(index)->SetAction(value);
}

bool TKtDialogButtons::Enable(TButtonIndex index) const {
    return !Button(index)->testAttribute(Qt::WA_Disabled);
}

void TKtDialogButtons::SetEnable(TButtonIndex index, bool value) {
    Button(index)->setEnabled(value);
}

bool TKtDialogButtons::ShowButton(TButtonIndex index) const {
    return !Button(index)->isHidden();
}

void TKtDialogButtons::SetShowButton(TButtonIndex index, bool value) {
    Button(index)->setVisible(value);
    if (index == biCancel) Button(biOk)->SetCancel(!value);
    AdjustBarSize();
    ArrangeButtons();
}

void TKtDialogButtons::SetButtonWidth(TButtonIndex index, int value) {
    widths_[index - 1] = value;
    AdjustBarSize();
    ArrangeButtons();
    update();
}

void TKtDialogButtons::SetAlign(TAlign value) {
    if (value == Align()) return;
    ::SetAlign(this, value);
    AdjustBarSize();
    ArrangeButtons();
    update();
}

template <typename Setter, typename T>
void TKtDialogButtons::SetOnEveryButton(Setter setter, const T& value) {
    for (TKtBitBtn* button : buttons_)
        (button->*setter)(value);
}

TColor TKtDialogButtons::ButtonColor() const {
    return Button(biOk)->Color();
}

void TKtDialogButtons::SetButtonColor(TColor value) {
    SetOnEveryButton(&TKtBitBtn::SetColor, value);
}

TColor TKtDialogButtons::ButtonFrameColor() const {
    return Button(biOk)->FrameColor();
}

void TKtDialogButtons::SetButtonFrameColor(TColor value) {
    SetOnEveryButton(&TKtBitBtn::SetFrameColor, value);
}

bool TKtDialogButtons::HotTrack() const {
    return Button(biOk)->HotTrack();
}

void TKtDialogButtons::SetHotTrack(bool value) {
    SetOnEveryButton(&TKtBitBtn::SetHotTrack, value);
}

TColor TKtDialogButtons::HighlightColor() const {
    return Button(biOk)->HighlightColor();
}

void TKtDialogButtons::SetHighlightColor(TColor value) {
    SetOnEveryButton(&TKtBitBtn::SetHighlightColor, value);
}

TColor TKtDialogButtons::HotTrackColor() const {
    return Button(biOk)->HotTrackColor();
}

void TKtDialogButtons::SetHotTrackColor(TColor value) {
    SetOnEveryButton(&TKtBitBtn::SetHotTrackColorField, value);
}

TKtHotTrackColorType TKtDialogButtons::HotTrackColorType() const {
    return Button(biOk)->HotTrackColorType();
}

void TKtDialogButtons::SetHotTrackColorType(TKtHotTrackColorType value) {
    SetOnEveryButton(&TKtBitBtn::SetHotTrackColorTypeField, value);
}

bool TKtDialogButtons::CancelCancel() const {
    return Button(biCancel)->Cancel();
}

void TKtDialogButtons::SetCancelCancel(bool value) {
    Button(biCancel)->SetCancel(value);
}

bool TKtDialogButtons::OKDefault() const {
    return Button(biOk)->Default();
}

void TKtDialogButtons::SetOKDefault(bool value) {
    Button(biOk)->SetDefault(value);
}

void TKtDialogButtons::SetShowDivider(bool value) {
    if (value == showDivider_) return;
    showDivider_ = value;
    update();
}

void TKtDialogButtons::SetShowGlyphs(bool value) {
    if (value == showGlyphs_) return;
    showGlyphs_ = value;
    for (TButtonIndex index : kAll)
        Button(index)->SetGlyph(value ? KindGlyph(kKinds[index - 1]) : QImage());
    update();
}

void TKtDialogButtons::ChangeScale(int numerator, int denominator) {
    ScaleBounds(this, numerator, denominator);
    for (TKtBitBtn* button : buttons_)
        button->ChangeScale(numerator, denominator);
    buttonHeight_ = MulDiv(buttonHeight_, numerator, denominator);
    defaultButtonWidth_ = MulDiv(defaultButtonWidth_, numerator, denominator);
    for (int& width : widths_)
        width = MulDiv(width, numerator, denominator);
    ArrangeButtons();
}

void TKtDialogButtons::ArrangeButtons() {
    const int h = buttonHeight_;
    const auto shown = [this](TButtonIndex index) { return ShowButton(index); };
    const auto place = [this, h](TButtonIndex index, int left, int top) {
        if (ShowButton(index))
            Button(index)->setGeometry(left, top, ButtonWidth(index), h);
        else
            Button(index)->setGeometry(0, 0, 0, 0);
    };
    const TAlign align = Align();
    if (align == alLeft || align == alRight || align == alCustom) {
        const int n = int(std::count_if(std::begin(kAll), std::end(kAll), shown));
        place(biOk, 6, 8);
        place(biCancel, 6, shown(biOk) ? 8 + h + 8 : 8);
        place(biHelp, 6, 8 + (n - 1) * (h + 8));
        return;
    }
    const auto room = [&](std::initializer_list<TButtonIndex> indexes) {
        int sum = 0;
        for (TButtonIndex index : indexes)
            if (shown(index)) sum += ButtonWidth(index) + 8;
        return sum;
    };
    const int r1 = room({biOk, biCancel, biHelp});
    const int r2 = room({biCancel, biHelp});
    if (layoutDirection() == Qt::RightToLeft) {
        place(biOk, r1 - ButtonWidth(biOk), 6);
        place(biCancel, r2 - ButtonWidth(biCancel), 6);
        place(biHelp, 8, 6);
    } else {
        place(biOk, width() - r1, 6);
        place(biCancel, width() - r2, 6);
        place(biHelp, width() - (ButtonWidth(biHelp) + 8), 6);
    }
}

void TKtDialogButtons::AdjustBarSize() {
    const TAlign align = Align();
    if (align == alTop || align == alBottom) {
        SetBounds(x(), y(), width(), buttonHeight_ + 11);
    } else if (align == alLeft || align == alRight) {
        int widest = 0;
        for (TButtonIndex index : kAll)
            if (ShowButton(index)) widest = std::max(widest, ButtonWidth(index));
        SetBounds(x(), y(), widest + 12, height());
    }
}

void TKtDialogButtons::Paint(TCanvas& canvas) {
    TKtCustomPanel::Paint(canvas);
    if (!showDivider_) return;
    TSide side = sdTop;
    switch (Align()) {
    case alTop:
        side = sdBottom;
        break;
    case alLeft:
        side = sdRight;
        break;
    case alRight:
        side = sdLeft;
        break;
    case alCustom:
        return;
    default:
        break;
    }
    DrawBorderSides(canvas, TRect::FromQRect(rect()), fsGroove, {side});
}

void TKtDialogButtons::resizeEvent(QResizeEvent* event) {
    TKtCustomPanel::resizeEvent(event);
    ArrangeButtons();
}
