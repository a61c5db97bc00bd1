#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The whole file, or "<missing>" when it cannot be read, so a missing file never passes for an
// empty one.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes the file anew with these bytes; false when it cannot.
[[nodiscard]] inline bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
