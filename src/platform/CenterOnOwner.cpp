#include "platform/CenterOnOwner.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CenterOnOwner(QWidget& window) {
    QRect area;
    if (const QWidget* owner = window.parentWidget())
        area = owner->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}
