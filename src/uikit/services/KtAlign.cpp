#include "uikit/services/KtAlign.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace {

constexpr const char* kAlignProperty = "KtAlign";

} // namespace

TAlign AlignOf(const QWidget* control) {
    return TAlign(control->property(kAlignProperty).toInt());
}

void SetAlign(QWidget* control, TAlign align) {
    if (AlignOf(control) == align) return;
    control->setProperty(kAlignProperty, int(align));
    if (QWidget* parent = control->parentWidget()) {
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(parent, &request);
    }
}

void AlignChildren(QWidget* parent, const TRect& r) {
    TRect rest = r;
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (QObject* object : parent->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child == nullptr || child->isWindow() || child->isHidden() || AlignOf(child) != pass)
                continue;
            const int w = std::max(0, rest.Width());
            const int h = std::max(0, rest.Height());
            switch (pass) {
            case alTop:
                child->setGeometry(rest.Left, rest.Top, w, child->height());
                rest.Top += child->height();
                break;
            case alBottom:
                child->setGeometry(rest.Left, rest.Bottom - child->height(), w, child->height());
                rest.Bottom -= child->height();
                break;
            case alLeft:
                child->setGeometry(rest.Left, rest.Top, child->width(), h);
                rest.Left += child->width();
                break;
            case alRight:
                child->setGeometry(rest.Right - child->width(), rest.Top, child->width(), h);
                rest.Right -= child->width();
                break;
            default:
                child->setGeometry(rest.Left, rest.Top, w, h);
                break;
            }
        }
    }
}
