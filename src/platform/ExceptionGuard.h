#pragma once

#include <functional>
#include <utility>

// No exception may cross the Qt event loop. Every handler that can throw runs through here:
// an escaping exception is shown in an error message box with its message, as a desktop
// toolkit's default handler would, and the program goes on.
void GuardedCall(const std::function<void()>& action);

// Wraps a handler for connect(): connect(button, &QPushButton::clicked, Guarded([this] { ... })).
template <class F>
auto Guarded(F action) {
    return [action = std::move(action)](auto&&...) { GuardedCall(action); };
}
