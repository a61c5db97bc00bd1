#include "uikit/services/KtBlinkingControlsList.h"

#include <QTimer>

TKtBlinkingControlsList* BlinkingControlsList = nullptr;

TKtBlinkingControlsList::TKtBlinkingControlsList() : timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Tick(); });
    SetTimerInterval(intervalOff_);
}

TKtBlinkingControlsList::~TKtBlinkingControlsList() = default;

void TKtBlinkingControlsList::Add(IKtBlinkingControl* control) {
    controls_.append(control);
}

void TKtBlinkingControlsList::Remove(IKtBlinkingControl* control) {
    controls_.removeOne(control);
}

void TKtBlinkingControlsList::Tick() {
    blinkState_ = !blinkState_;
    SetTimerInterval(blinkState_ ? intervalOn_ : intervalOff_);
    // A control may leave the list while it is told its phase; the others still get theirs.
    const QList<IKtBlinkingControl*> controls = controls_;
    for (IKtBlinkingControl* control : controls) {
        if (!controls_.contains(control)) continue;
        if (control->CMBlinkQuery()) control->CMBlinkState(blinkState_);
    }
}

void TKtBlinkingControlsList::SetTimerInterval(std::uint16_t interval) {
    // Qt's timer fires continuously at 0; the kit's timer stands still.
    if (interval == 0)
        timer_->stop();
    else
        timer_->start(interval);
}

void FreeBlinkingControlsListIfEmpty() {
    if (BlinkingControlsList != nullptr && BlinkingControlsList->Count() == 0) {
        delete BlinkingControlsList;
        BlinkingControlsList = nullptr;
    }
}
