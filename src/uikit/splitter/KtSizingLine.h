#pragma once

#include "uikit/draw/KtRect.h"

#include <QWidget>

// The line a splitter shows where its bar would go while the user drags it (unless the panes
// follow the drag live). It lies over the splitter and its panes and inverts what is under it in
// a checker pattern, so it shows on any background; the mouse passes through it.
//
// Drawing the line where it already is takes it away again, as inverting twice restores the
// picture; drawing it elsewhere moves it.
class TKtSizingLine : public QWidget {
    Q_OBJECT

public:
    explicit TKtSizingLine(QWidget* splitter);

    // Shows the line over r of the splitter, or removes it when it is shown exactly there.
    void Toggle(const TRect& r);

protected:
    void paintEvent(QPaintEvent* event) override;
};
