#pragma once
// The pieces of a message loop, shared by the application's loop and the
// modal loops of dialogs.

#include <windows.h>

namespace msgpump {

// Offers a message taken from the queue to PreTranslateMessage of the
// object of its target window and then of each parent (for a pop-up window:
// its owner), up to and including the application's main window; stops at
// the first that returns TRUE. Windows without an object are passed over.
BOOL PreTranslate(MSG& msg);

// Waits for the next message (sent messages, from this thread or another,
// are handled while it waits), then pre-translates and dispatches it.
// Returns false for WM_QUIT and leaves its code in `quitCode`.
bool PumpMessage(int& quitCode);

// Whether a message is waiting; sent messages are handled while it looks.
bool MessageWaiting();

// Housekeeping for when the queue is empty: frees temporary objects that are
// no longer needed.
void Idle();

}  // namespace msgpump
