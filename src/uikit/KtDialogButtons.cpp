#include "uikit/KtDialogButtons.h"

#include <QDialog>
#include <QPushButton>

TKtDialogButtons::TKtDialogButtons(QWidget* parent) : QWidget(parent) {
    ok_ = AddButton(QStringLiteral("OK"), &TKtDialogButtons::resultOk_);
    cancel_ = AddButton(QStringLiteral("Cancel"), &TKtDialogButtons::resultCancel_);
    help_ = AddButton(QStringLiteral("&Help"), &TKtDialogButtons::resultHelp_);
    ok_->setDefault(true);
    help_->hide();
    resize(parent ? parent->width() : 3 * (DefaultButtonWidth + 8), BarHeight);
    ArrangeButtons();
}

// The result is read when the button is pressed, so a result changed later still counts.
QPushButton* TKtDialogButtons::AddButton(const QString& caption, int TKtDialogButtons::*result) {
    auto* button = new QPushButton(caption, this);
    button->resize(DefaultButtonWidth, ButtonHeight);
    connect(button, &QPushButton::clicked, this, [this, result] {
        if (this->*result == 0) return;
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(this->*result);
    });
    return button;
}

QString TKtDialogButtons::CaptionOk() const {
    return ok_->text();
}

void TKtDialogButtons::SetCaptionOk(const QString& value) {
    ok_->setText(value);
}

QString TKtDialogButtons::CaptionCancel() const {
    return cancel_->text();
}

void TKtDialogButtons::SetCaptionCancel(const QString& value) {
    cancel_->setText(value);
}

QString TKtDialogButtons::CaptionHelp() const {
    return help_->text();
}

void TKtDialogButtons::SetCaptionHelp(const QString& value) {
    help_->setText(value);
}

void TKtDialogButtons::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeButtons();
}

// Right-aligned in the order OK, Cancel, Help, 8 pixels apart and 8 pixels from the right edge.
void TKtDialogButtons::ArrangeButtons() {
    int right = width();
    for (QPushButton* button : {help_, cancel_, ok_}) {
        if (button->isHidden()) continue;
        right -= button->width() + 8;
        button->move(right, 6);
    }
}
