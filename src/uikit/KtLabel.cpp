#include "uikit/KtLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <climits>

TKtLabel::TKtLabel(QWidget* parent) : QWidget(parent), text_(new QLabel(this)) {
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(alignment_ | Qt::AlignTop);
    AdjustBounds();
}

void TKtLabel::SetCaption(const QString& value) {
    if (value == caption_) return;
    caption_ = value;
    text_->setText(value);
    AdjustBounds();
}

void TKtLabel::SetAlignment(Qt::Alignment value) {
    value &= Qt::AlignHorizontal_Mask;
    if (value == alignment_) return;
    alignment_ = value;
    text_->setAlignment(alignment_ | Qt::AlignTop);
}

void TKtLabel::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    text_->setWordWrap(value);
    AdjustBounds();
}

void TKtLabel::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    AdjustBounds();
}

void TKtLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) AdjustBounds();
}

void TKtLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    text_->setGeometry(rect());
}

void TKtLabel::AdjustBounds() {
    if (!autoSize_) return;
    // An empty caption still takes the height of one line, so the label does not vanish.
    const QString text = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
    const QFontMetrics metrics(font());
    if (wordWrap_) {
        const QRect fitted = metrics.boundingRect(QRect(0, 0, width(), INT_MAX), Qt::TextWordWrap, text);
        resize(width(), fitted.height());
    } else {
        resize(metrics.size(0, text));
    }
}
