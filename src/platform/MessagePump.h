#pragma once

#include <QtGlobal>

// Handling the window messages of the user-interface thread in the middle of work that runs in
// its stack (a page transfer, a wait). On any other thread these do nothing: a worker that
// pumped its own queue would run its queued calls in the middle of an exchange with the panel.

// Handles every pending window message.
void PumpMessages();

// Handles the pending window messages (a click, a key, a queued call), but leaves repainting
// and timers for the next full handling, unless the last one is paintMs or more ago. A step
// between two exchanges uses it: the waits for the answers repaint the windows while the
// bytes are on the wire, and repainting in the step would only hold up the next request.
void PumpMessagesPaintingEvery(qint64 paintMs);
