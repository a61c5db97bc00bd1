#pragma once

#include <QList>

class QTranslator;
class QWidget;
class TFormErrors;

// The program block, in two halves around the message loop.

// The look the windows were designed for: the Fusion style with the classic desktop colours,
// whatever the Linux theme is.
void ApplyDesktopLook();

// Qt's own texts (file dialogs, standard buttons, edit menus) in Russian, like the rest of the
// program. Returns the translator it installed (owned by the application; deleting it takes
// it out again), or nullptr when Qt's Russian translation is not on the machine.
QTranslator* InstallQtTranslation();

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
