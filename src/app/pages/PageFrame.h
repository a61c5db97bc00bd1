#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>

class QGroupBox;
class QScrollArea;
class TformIncl;

// The frame a settings page is built in: a scroll box that fills the page, holding one group box
// with a bold title (the page's caption) at its designed size; the page puts its controls into
// that box. Both are added to the page's designed controls under the given names.
struct TPageFrame {
    QScrollArea* ScrollBox;
    QGroupBox* GroupBox;
};

TPageFrame CreatePageFrame(TformIncl& page, const QString& scrollName, const QString& boxName,
                           const QString& title, const QSize& boxSize);

// Qt hands a widget's font on to its children: a control placed straight into the bold box gets
// a plain font of its own (and hands that on to its own children).
template <class W> W* PlainFont(W* widget) {
    QFont plain = widget->font();
    plain.setBold(false);
    widget->setFont(plain);
    return widget;
}
