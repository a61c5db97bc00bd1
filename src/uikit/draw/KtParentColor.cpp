#include "uikit/draw/KtParentColor.h"

#include "uikit/controls/KtPanel.h"

#include <QWidget>

TColor ParentBackground(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (parent == nullptr) return clBtnFace;
    return FromQColor(parent->palette().color(parent->backgroundRole()));
}

TColor ParentPanelColor(const QWidget* control) {
    if (auto* panel = qobject_cast<const TKtCustomPanel*>(control->parentWidget())) return panel->Color();
    return ParentBackground(control);
}
