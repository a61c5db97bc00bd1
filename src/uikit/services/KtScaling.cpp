#include "uikit/services/KtScaling.h"

#include "base/Rounding.h"

#include <QWidget>

void ScaleBounds(QWidget* control, int numerator, int denominator) {
    const QRect g = control->geometry();
    control->setGeometry(MulDiv(g.x(), numerator, denominator), MulDiv(g.y(), numerator, denominator),
                         MulDiv(g.width(), numerator, denominator),
                         MulDiv(g.height(), numerator, denominator));
}
