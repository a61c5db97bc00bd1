#pragma once

#include "platform/DialogService.h"

// The main window's save dialog for text files (the saved log, exported settings): default
// extension "txt", one filter "Text Files", overwrite prompt.
FileDialogRequest TextFileSaveDialog();
