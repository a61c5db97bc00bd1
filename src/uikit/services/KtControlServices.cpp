#include "uikit/services/KtControlServices.h"

#include <QMetaProperty>
#include <QWidget>

void InvalidateTransparentChildren(QWidget* control) {
    for (QObject* child : control->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr) continue;
        const QMetaObject* meta = widget->metaObject();
        const int index = meta->indexOfProperty("Transparent");
        if (index >= 0 && meta->property(index).read(widget).toBool()) widget->update();
    }
}
