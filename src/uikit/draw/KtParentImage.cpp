#include "uikit/draw/KtParentImage.h"

#include <QWidget>

void DrawParentImage(QWidget* control, TCanvas& canvas) {
    QWidget* parent = control->parentWidget();
    if (parent == nullptr) return;
    canvas.DrawWidgetBackground(parent, -control->x(), -control->y());
}
