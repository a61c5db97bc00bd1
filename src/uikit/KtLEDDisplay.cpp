#include "uikit/KtLEDDisplay.h"

#include "base/Color.h"

#include <QHBoxLayout>
#include <QLabel>

TKtLEDDisplay::TKtLEDDisplay(QWidget* parent) : QWidget(parent), text_(new QLabel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(text_);
    text_->setTextFormat(Qt::PlainText);
    text_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text_->setAutoFillBackground(true);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Window, ToQColor(clBlack));
    palette.setColor(QPalette::WindowText, ToQColor(clLime));
    text_->setPalette(palette);
    resize(100, 30);
}

void TKtLEDDisplay::SetCaption(const QString& value) {
    if (value == caption_)
        return;
    caption_ = value;
    text_->setText(value);
}

void TKtLEDDisplay::SetScrolling(bool value) {
    scrolling_ = value;
}
