#pragma once

#include <QWidget>

class QLabel;

// The kit's text label as the program's windows use it: a caption in the label's font, aligned
// and optionally word-wrapped, sized to its text while AutoSize is on. This stand-in shows the
// text with the platform's own label; the kit's drawing (frames, text effects, blinking) replaces
// it without changing these properties.
class TKtLabel : public QWidget {
    Q_OBJECT

public:
    explicit TKtLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);

    // Horizontal alignment of the text: Qt::AlignLeft (the default), Qt::AlignRight or
    // Qt::AlignHCenter. The text always starts at the top.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment value);

    // Breaks the caption into lines at word boundaries to fit the label's width.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // While on, every change of caption, font or wrapping fits the label to its text: the whole
    // size for one line, the height only when the text wraps (the width is the wrapping width).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AdjustBounds();

    QLabel* text_;
    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool wordWrap_ = false;
    bool autoSize_ = true;
};
