#include "uikit/controls/KtURLLabel.h"

#include "platform/DesktopShell.h"

TKtURLLabel::TKtURLLabel(QWidget* parent) : TKtLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    SetFontColor(clHighlight);
    QFont link = font();
    link.setBold(false);
    link.setItalic(false);
    link.setStrikeOut(false);
    link.setUnderline(true);
    setFont(link);
}

void TKtURLLabel::UpdateLinkColor() {
    SetFontColor(visited_ ? visitedColor_ : unvisitedColor_);
}

void TKtURLLabel::SetVisited(bool value) {
    if (value == visited_) return;
    visited_ = value;
    UpdateLinkColor();
    update();
}

void TKtURLLabel::SetUnvisitedColor(TColor value) {
    if (value == unvisitedColor_) return;
    unvisitedColor_ = value;
    UpdateLinkColor();
    update();
}

void TKtURLLabel::SetVisitedColor(TColor value) {
    if (value == visitedColor_) return;
    visitedColor_ = value;
    UpdateLinkColor();
    update();
}

void TKtURLLabel::Click() {
    TKtLabel::Click();
    const QString target = url_.trimmed().isEmpty() ? Caption() : url_;
    if (target.trimmed().isEmpty()) return;
    // A failure shows nothing: the link simply stays unvisited.
    if (DesktopShell::Instance().Open(target)) SetVisited(true);
}
