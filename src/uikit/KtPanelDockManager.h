#pragma once

#include "uikit/KtCanvas.h"
#include "uikit/KtRect.h"

#include <QFont>
#include <QObject>

class TKtCustomPanel;
class QWidget;

// The dock manager of a kit panel that is a dock site: beside each docked client a grabber bar of
// GrabberSize pixels with the client's caption and a close glyph, along the left for a panel
// aligned to the top or bottom and along the top otherwise.
//
// Qt's widgets do not dock into one another (only main-window dock widgets do), so on this
// platform nothing is ever dragged into a panel: the manager gives a docked client's rectangle
// and paints a client's grabber when asked, and repaints the panel when it is clicked or gains
// focus, as the manager of a real dock tree must.
class TKtPanelDockManager : public QObject {
    Q_OBJECT

public:
    explicit TKtPanelDockManager(TKtCustomPanel* panel);
    ~TKtPanelDockManager() override;

    static constexpr int GrabberSize = 14;

    // The client's rectangle without its grabber.
    TRect AdjustDockRect(const TRect& r) const;
    // The grabber of a client docked over r: caption bar and close glyph in the caption
    // colours, active when the client has the focus. Nothing when the panel shows no captions.
    void PaintDockFrame(TCanvas& canvas, const QWidget* client, const TRect& r) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool GrabberOnLeft() const;

    TKtCustomPanel* const panel_;
    const QFont captionFont_;
    const QFont glyphFont_;
};
