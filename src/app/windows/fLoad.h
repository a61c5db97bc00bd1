#pragma once

#include <QWidget>

class QLabel;

// The splash window of the start: borderless, white, partly transparent, one line with the
// program's title. It fades in while the program starts and is freed before the main window
// appears.
class TFormLoad : public QWidget {
    Q_OBJECT
public:
    explicit TFormLoad(QWidget* parent = nullptr);

    // Opacity from 0 (invisible) to 255 (opaque).
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value);

    // 41 rounds of: handle pending window messages, wait 5 ms, 5 more opacity up to 255.
    void FadeIn();

    QLabel* const Label1;

private:
    int alphaBlendValue_ = 255;
};
