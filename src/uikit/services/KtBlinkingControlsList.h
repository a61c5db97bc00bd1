#pragma once

#include <QList>
#include <cstdint>
#include <memory>

class QTimer;

// A control that blinks with the kit's shared timer: on every tick it is asked whether it blinks
// now, and only when it says yes is it told the new phase.
class IKtBlinkingControl {
public:
    virtual bool CMBlinkQuery() = 0;
    virtual void CMBlinkState(bool on) = 0;

protected:
    ~IKtBlinkingControl() = default;
};

// The one timer all blinking labels share, so that they blink in step: it alternates an off phase
// and an on phase, each of its own length, and runs as long as the list exists, also while no
// control blinks. The list holds the controls but does not own them; each removes itself before
// it goes. An interval of 0 stops the timer when that phase begins.
class TKtBlinkingControlsList {
public:
    TKtBlinkingControlsList();
    ~TKtBlinkingControlsList();
    TKtBlinkingControlsList(const TKtBlinkingControlsList&) = delete;
    TKtBlinkingControlsList& operator=(const TKtBlinkingControlsList&) = delete;

    void Add(IKtBlinkingControl* control);
    // Nothing happens for a control that is not in the list.
    void Remove(IKtBlinkingControl* control);
    int Count() const { return int(controls_.size()); }

    // True in the on phase.
    bool BlinkState() const { return blinkState_; }
    // Phase lengths in milliseconds, common to every label; a change takes effect at the next
    // change of phase.
    std::uint16_t BlinkIntervalOff() const { return intervalOff_; }
    void SetBlinkIntervalOff(std::uint16_t value) { intervalOff_ = value; }
    std::uint16_t BlinkIntervalOn() const { return intervalOn_; }
    void SetBlinkIntervalOn(std::uint16_t value) { intervalOn_ = value; }

    // The phase timer; tests read its interval and fire it.
    QTimer& Timer() const { return *timer_; }

private:
    void Tick();
    void SetTimerInterval(std::uint16_t interval);

    bool blinkState_ = true;
    QList<IKtBlinkingControl*> controls_;
    std::unique_ptr<QTimer> timer_;
    std::uint16_t intervalOff_ = 500;
    std::uint16_t intervalOn_ = 500;
};

// The shared list: created by the first label that needs it, gone with the last.
extern TKtBlinkingControlsList* BlinkingControlsList;

void FreeBlinkingControlsListIfEmpty();
