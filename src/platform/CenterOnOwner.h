#pragma once

class QWidget;

// Places a top-level window in the middle of its owner's window, or of the screen when it has
// no owner.
void CenterOnOwner(QWidget& window);
