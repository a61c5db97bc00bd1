#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// The main window's status bar: a row of text panels of designed widths, side by side from the
// left edge with one pixel between them. Other controls (the progress bar) may be placed on it.
class TStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit TStatusBar(QWidget* parent = nullptr);

    // Replaces the panels by empty ones of these widths.
    void SetPanelWidths(const QList<int>& widths);

    int PanelCount() const { return int(panels_.size()); }
    int PanelWidth(int index) const;
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);

private:
    QList<QLabel*> panels_;
};
