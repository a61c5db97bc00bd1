#pragma once

#include <QSpinBox>

// Number edit with up/down buttons. Its text is what the settings files store. Without a range
// set by the page it takes any int, like a designed spin edit whose limits are both 0.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    QString Text() const { return QString::number(value()); }
    // A text that is no number keeps the value: the box can only ever show a number.
    void SetText(const QString& text);
};
