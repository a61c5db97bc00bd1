#pragma once

#include "base/Exceptions.h"

#include <exception>

// A guarded step of a page transfer: a value the panel sent that does not convert (or any other
// failure inside the step) becomes the step's error line through onFailure, and the transfer
// goes on. The user's cancel and the link's own failures (a dropped call, a closed port, an error
// of the serial port itself) are no failure of the step: they leave the transfer, so that the
// controller disconnects or reports the port's error instead of asking every remaining
// parameter over a link that does not work.
template <class Step, class Failure> void GuardedStep(Step step, Failure onFailure) {
    try {
        step();
    } catch (const TStopException&) {
        throw;
    } catch (const TCommException&) {
        throw;
    } catch (const TCloseException&) {
        throw;
    } catch (const EDeviceError&) {
        throw;
    } catch (const std::exception&) {
        onFailure();
    }
}
