#pragma once

#include <QString>

// The folder of the running program, ending with "/": "current.ini" and "Messages.txt" live here.
QString AppFolder();

// "current.ini" in the program folder: the pages' last values and the connection settings.
QString CurrentIniName();

// Tests point the program folder at a temporary folder; an empty text restores the real one.
void SetAppFolderForTests(const QString& folder);
