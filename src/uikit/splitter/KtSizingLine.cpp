#include "uikit/splitter/KtSizingLine.h"

#include "uikit/draw/KtCanvas.h"

#include <QPainter>

TKtSizingLine::TKtSizingLine(QWidget* splitter) : QWidget(splitter) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TKtSizingLine::Toggle(const TRect& r) {
    if (!isHidden() && geometry() == r.ToQRect()) {
        hide();
        return;
    }
    setGeometry(r.ToQRect());
    raise();
    show();
}

void TKtSizingLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(painter);
    canvas.InvertChecker({0, 0, width(), height()});
}
