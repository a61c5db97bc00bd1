#pragma once

class QObject;
class QWidget;

// Repaints every direct child of the control whose published "Transparent" property is true:
// such children show the control's background, so they must follow a change of it. Children
// without the property, or with it false, are left alone.
void InvalidateTransparentChildren(QWidget* control);

// Tells a form designer that a component's design changed. The program has no form designer:
// its windows are built in code, so no component is ever in design mode and there is nobody to
// tell.
inline void NotifyDesignerModified(QObject*) {}
