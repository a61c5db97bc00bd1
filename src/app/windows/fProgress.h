#pragma once

#include <QWidget>

class QProgressBar;
class QPushButton;

// The small borderless window shown during a page transfer: a bar that the transfer steps once
// per parameter and an "Отмена" button. The transfer runs in its caller's stack while the window
// is up, so the window is never modal; the button only sets CancelPressed, which the transfer
// looks at before its next parameter.
class TFormProgress : public QWidget {
    Q_OBJECT
public:
    // Owner is the main window; the window is centred on it when shown.
    explicit TFormProgress(QWidget* owner);

    // Advances the bar by Step, stopping at its maximum; the bar shows it when window messages
    // are next handled.
    void StepIt();
    // "Отмена": remembers the cancel and hides the window at once.
    void Button1Click();

    QProgressBar* const pb;
    QPushButton* const Button1;
    bool CancelPressed = false;
    int Step = 1;

protected:
    void showEvent(QShowEvent* event) override;
};
