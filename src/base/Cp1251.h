#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251 is the only byte encoding of the panel's wire protocol and of every file the
// program reads or writes. All 256 bytes round-trip; a character the code page cannot hold
// becomes "?".
QString fromCp1251(const QByteArray& bytes);
QByteArray toCp1251(const QString& text);

// The code-page byte of one character, or -1 when Windows-1251 has no such character.
int cp1251Byte(QChar c);
