#include "app/windows/TextFileDialog.h"

FileDialogRequest TextFileSaveDialog() {
    FileDialogRequest request;
    request.save = true;
    request.filter = QStringLiteral("Text Files|*.txt");
    request.defaultExt = QStringLiteral("txt");
    request.overwritePrompt = true;
    return request;
}
