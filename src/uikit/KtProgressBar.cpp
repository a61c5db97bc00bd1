#include "uikit/KtProgressBar.h"

#include "base/Rounding.h"

#include <QProgressBar>
#include <QVBoxLayout>

TKtProgressBar::TKtProgressBar(QWidget* parent) : QWidget(parent), bar_(new QProgressBar(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setFormat(QStringLiteral("0%"));
    bar_->setAlignment(Qt::AlignCenter);
    resize(200, 24);
}

void TKtProgressBar::SetTotalParts(quint32 value) {
    if (value == totalParts_)
        return;
    totalParts_ = value;
    partsComplete_ = 0;
    SetPercent(0);
}

void TKtProgressBar::SetPartsComplete(quint32 value) {
    if (value == partsComplete_)
        return;
    partsComplete_ = qMin(value, totalParts_);
    if (totalParts_ != 0)
        SetPercent(quint16(RoundHalfEven(double(partsComplete_) / double(totalParts_) * 100.0)));
}

void TKtProgressBar::SetPercent(quint16 value) {
    if (value == percent_)
        return;
    percent_ = value;
    bar_->setValue(qMin<int>(value, 100));
    bar_->setFormat(QStringLiteral("%1%").arg(value));
}
