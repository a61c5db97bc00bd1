#include "uikit/controls/KtPanelDockManager.h"

#include "uikit/controls/KtPanel.h"

#include <QEvent>

TKtPanelDockManager::TKtPanelDockManager(TKtCustomPanel* panel) : panel_(panel) {
    panel_->installEventFilter(this);
}

TKtPanelDockManager::~TKtPanelDockManager() {
    panel_->removeEventFilter(this);
}

TRect TKtPanelDockManager::AdjustDockRect(const TRect& r) const {
    TRect client = r;
    const TAlign align = AlignOf(panel_);
    if (align == alTop || align == alBottom)
        client.Left += GrabberSize;
    else
        client.Top += GrabberSize;
    return client;
}

bool TKtPanelDockManager::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn))
        panel_->update();
    return QObject::eventFilter(watched, event);
}
