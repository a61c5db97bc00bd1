#pragma once

#include "base/Exceptions.h"

#include <exception>

// A guarded step of a page transfer: a value the panel sent that does not convert (or any other
// failure inside the step) becomes the step's error line through onFailure, and the transfer
// goes on. The user's cancel is no failure of the step: it leaves the transfer.
template <class Step, class Failure> void GuardedStep(Step step, Failure onFailure) {
    try {
        step();
    } catch (const TStopException&) {
        throw;
    } catch (const std::exception&) {
        onFailure();
    }
}
