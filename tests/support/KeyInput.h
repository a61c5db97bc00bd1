#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

// One key going down and up with the text it produces.
inline void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Each character as one key with no key code of its own, as a keyboard of any layout sends it.
inline void TypeText(QWidget* target, const QString& text) {
    for (const QChar ch : text)
        SendKey(target, 0, QString(ch));
}
