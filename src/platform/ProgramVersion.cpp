#include "platform/ProgramVersion.h"

#include "BuildVersion.h"

#include <QFile>

namespace {

// The version is stored in the binary behind a marker, the way a version resource sits in a
// Windows program file; ProgramVersion finds it by scanning the file.
// The marker is assembled at run time so that only the stamp itself holds it in one piece.
[[gnu::used]] const char kStampedVersion[] = "\x01ZV9-FILE" "VERSION:" ZV9_FILE_VERSION;

QByteArray marker() {
    QByteArray m("\x01ZV9-FILE");
    m += "VERSION:";
    return m;
}

} // namespace

QString BuiltFileVersion() {
    const QByteArray stamp(kStampedVersion);
    return QString::fromLatin1(stamp.mid(marker().size()));
}

QString ProgramVersion(const QString& fileName) {
    if (fileName.isEmpty())
        return {};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const QByteArray m = marker();
    const qsizetype at = bytes.indexOf(m);
    if (at < 0)
        return {};
    const qsizetype begin = at + m.size();
    const qsizetype end = bytes.indexOf('\0', begin);
    if (end < 0 || end - begin > 64)
        return {};
    return QString::fromLatin1(bytes.mid(begin, end - begin));
}
