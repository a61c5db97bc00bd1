#pragma once

#include <QWidget>

class QLabel;

// The kit's dot-matrix text display as the program uses it: a text (Caption) that may scroll
// across it. This stand-in shows the caption in the display's lit colour on its black
// background in the platform's font, without dots and without moving; Scrolling is kept for the
// kit's display, which replaces this one without changing the properties.
class TKtLEDDisplay : public QWidget {
    Q_OBJECT

public:
    explicit TKtLEDDisplay(QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value);

    bool Scrolling() const { return scrolling_; }
    void SetScrolling(bool value);

private:
    QLabel* text_;
    QString caption_;
    bool scrolling_ = false;
};
