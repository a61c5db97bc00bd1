#pragma once

#include <QString>

// The file version built into a program file ("1.0.0.0"), or an empty text when the file is
// missing or carries none. The running program carries the project's version.
QString ProgramVersion(const QString& fileName);

// The version this program was built with.
QString BuiltFileVersion();
