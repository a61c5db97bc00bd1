#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's contents through a temporary file in the same folder and a rename, so the
// old file stays whole unless every byte of the new one reached the disk. On failure returns
// false and gives the system's reason.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* reason);
