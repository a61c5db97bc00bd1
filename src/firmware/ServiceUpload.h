#pragma once

class TFormAppMainController;
class TFormMain;

// The service firmware upload behind the hidden menu item: the HEX viewer is shown; once it
// closes with OK, the rows it read go to the connected panel's boot loader with every frame and
// answer logged, the main window's status-bar bar showing progress, the user interface locked
// and the link check paused. A failure ends in an error line of the log; an exception (the port
// gone, a digit that is no hex number) goes on to the caller once the interface is unlocked.
// Rows that hold no byte of the file are refused with a message before anything is sent; a file
// read only in part is sent only after the user has agreed to it.
void ServiceUpload(TFormAppMainController& controller, TFormMain& main);
