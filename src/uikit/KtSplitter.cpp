#include "uikit/KtSplitter.h"

#include <QResizeEvent>
#include <QSplitter>

TKtSplitterPane::TKtSplitterPane(TKtSplitter* splitter) : QWidget(nullptr), Splitter(splitter) {}

TKtSplitter::TKtSplitter(QWidget* parent)
    : QWidget(parent), split_(new QSplitter(Qt::Horizontal, this)), pane1_(new TKtSplitterPane(this)),
      pane2_(new TKtSplitterPane(this)) {
    split_->setChildrenCollapsible(false);
    split_->setHandleWidth(splitterWidth_);
    split_->addWidget(pane1_);
    split_->addWidget(pane2_);
    // Pane 1 keeps its extent when the window grows or shrinks.
    split_->setStretchFactor(0, 0);
    split_->setStretchFactor(1, 1);
    connect(split_, &QSplitter::splitterMoved, this, [this](int pos, int) { position_ = pos; });
    resize(200, 100);
}

void TKtSplitter::SetOrientation(TOrientation value) {
    if (value == orientation_) return;
    orientation_ = value;
    split_->setOrientation(value == orVertical ? Qt::Vertical : Qt::Horizontal);
    AlignPanes();
}

int TKtSplitter::Extent() const {
    return orientation_ == orVertical ? height() : width();
}

int TKtSplitter::Position() const {
    return qBound(0, position_, qMax(0, Extent() - splitterWidth_));
}

void TKtSplitter::SetPosition(int value) {
    value = qMax(0, value);
    if (value == position_) return;
    position_ = value;
    AlignPanes();
}

void TKtSplitter::SetSplitterWidth(int value) {
    if (value == splitterWidth_) return;
    splitterWidth_ = value;
    split_->setHandleWidth(value);
    AlignPanes();
}

void TKtSplitter::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    AlignPanes();
}

void TKtSplitter::AlignPanes() {
    split_->setGeometry(rect());
    const int first = Position();
    split_->setSizes({first, qMax(0, Extent() - splitterWidth_ - first)});
}
