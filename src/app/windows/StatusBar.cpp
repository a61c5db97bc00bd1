#include "app/windows/StatusBar.h"

#include <QLabel>

namespace {
constexpr int kHeight = 20;
}

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHeight);
}

void TStatusBar::SetPanelWidths(const QList<int>& widths) {
    qDeleteAll(panels_);
    panels_.clear();
    int left = 0;
    for (int width : widths) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(left, 0, width, kHeight);
        panel->setContentsMargins(2, 0, 2, 0);
        panel->show();
        panels_.append(panel);
        left += width + 1;
    }
}

int TStatusBar::PanelWidth(int index) const {
    return panels_.at(index)->width();
}

QString TStatusBar::PanelText(int index) const {
    return panels_.at(index)->text();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
    panels_.at(index)->setText(text);
}
