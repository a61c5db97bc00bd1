#pragma once

#include "uikit/draw/KtRect.h"

#include <QObject>

class TKtCustomPanel;

// The dock manager of a kit panel that is a dock site: each docked client gets a grabber bar of
// GrabberSize pixels, along the left for a panel aligned to the top or bottom and along the top
// otherwise, and the panel repaints when it is clicked or gains the focus.
//
// Qt's widgets do not dock into one another (only a main window's dock widgets do), so nothing is
// ever docked into a panel here: the manager keeps the panel's grabber geometry and repainting,
// and has no docked client's caption bar to paint.
class TKtPanelDockManager : public QObject {
    Q_OBJECT

public:
    explicit TKtPanelDockManager(TKtCustomPanel* panel);
    ~TKtPanelDockManager() override;

    static constexpr int GrabberSize = 14;

    // A docked client's rectangle without its grabber.
    TRect AdjustDockRect(const TRect& r) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TKtCustomPanel* const panel_;
};
