#pragma once

#include "uikit/controls/KtBorderControl.h"

#include <QTimer>
#include <cstdint>

enum TKtScrollType { stNone, stRightToLeft, stLeftToRight };

// A row of dot-matrix character cells inside the kit frame, showing Caption in the LED font
// (7 rows by 6 columns of square dots per character), optionally scrolling it across the display.
// The dot size follows the client height and is worked out on changes of size, frame or text, not
// on each paint; every frame is drawn off-screen and copied in one go, so scrolling does not
// flicker.
//
// Characters are shown by their Windows-1251 code, so Cyrillic letters show as the Latin-1 glyph
// of the same code, as the display always has. A scroll pass runs one dot column per tick, from
// just beyond one edge until the text has left the other, then starts again and reports
// OnScrollComplete. The scroll timer runs only while scrolling is on in a direction with a delay
// above zero.
class TKtLEDDisplay : public TKtBorder {
    Q_OBJECT

public:
    explicit TKtLEDDisplay(QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value);
    // Placement of a text that does not scroll: Qt::AlignLeft (the default), Qt::AlignRight or
    // Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment value);
    // Background and dot outlines, lit dots, unlit dots.
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    TColor SegOnColor() const { return segOnColor_; }
    void SetSegOnColor(TColor value);
    TColor SegOffColor() const { return segOffColor_; }
    void SetSegOffColor(TColor value);

    TKtScrollType ScrollType() const { return scrollType_; }
    void SetScrollType(TKtScrollType value);
    // Switching scrolling off returns the text to its start position.
    bool Scrolling() const { return scrolling_; }
    void SetScrolling(bool value);
    // Milliseconds per step of one dot column.
    std::uint16_t ScrollDelay() const { return scrollDelay_; }
    void SetScrollDelay(std::uint16_t value);

    // Side of a dot and gap between dots, in pixels, as the client height gives them.
    int DotSize() const { return dotSize_; }
    int DotSpacing() const { return dotSpacing_; }
    // The scroll timer; tests fire it.
    QTimer& ScrollTimer() { return scrollTimer_; }

signals:
    // Each time the text has scrolled fully through.
    void OnScrollComplete();

protected:
    TColor GetControlColor() const override { return backColor_; }
    void FrameShapeChanged() override { UpdateMetrics(); }
    void Paint(TCanvas& canvas) override;
    // One character cell with its top-left corner at the rectangle's.
    virtual void DrawCell(TCanvas& canvas, const TRect& cellRect, std::uint8_t code);
    void ScrollComplete() { emit OnScrollComplete(); }

    void resizeEvent(QResizeEvent* event) override;

private:
    int Pitch() const { return dotSize_ + dotSpacing_; }
    int CellWidth() const { return 6 * Pitch(); }
    int CellHeight() const { return 7 * dotSize_ + 6 * dotSpacing_; }
    void UpdateMetrics();
    void UpdateScrollWidth();
    void UpdateTimer();
    void ScrollTimerTick();

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TColor backColor_ = clBlack;
    TColor segOnColor_ = clLime;
    TColor segOffColor_ = RGB(0x00, 0x33, 0x00);
    TKtScrollType scrollType_ = stRightToLeft;
    bool scrolling_ = false;
    std::uint16_t scrollDelay_ = 100;
    int dotSize_ = 2;
    int dotSpacing_ = 0;
    int scrollWidth_ = 0;
    int scrollPos_ = 0;
    QTimer scrollTimer_;
};
