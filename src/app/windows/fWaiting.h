#pragma once

#include <QWidget>

class QLabel;

// The please-wait window shown while the panel erases its history; it appears as soon as it is
// created and goes when it is freed.
class TFormWaiting : public QWidget {
    Q_OBJECT
public:
    explicit TFormWaiting(QWidget* owner);

    QLabel* const Label1;
};
