#pragma once

#include <QList>

class QWidget;
class TFormErrors;

// The program block, in two halves around the message loop.

// The look the windows were designed for: the Fusion style with the classic desktop colours,
// whatever the Linux theme is.
void ApplyDesktopLook();

// The splash with its fade-in, then the windows in their order and the application controller.
// The splash is gone when it returns, also when creating a window or the controller throws
// (the exception then passes on).
void StartProgram();

// The windows start-up created, in the order it created them.
QList<QWidget*> StartupWindows();

// After the message loop: frees the controller if the main window's closing has not (it writes
// "current.ini"), then the windows, the last created first.
void EndProgram();

extern TFormErrors* FormErrors;
