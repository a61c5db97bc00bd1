#include "link/SerialEnum.h"

#include "link/SerialErr.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <dirent.h>

namespace {

// A port the kernel only reserved (no UART behind it) reports type 0.
bool isPlaceholder(const QString& entry) {
    QFile type(entry + QStringLiteral("/type"));
    if (!type.open(QIODevice::ReadOnly))
        return false; // USB and ACM ports have no type file: they are real
    return type.readAll().trimmed() == "0";
}

} // namespace

bool EnumSerialPorts(QStringList& ports, unsigned kinds, const QString& sysfsRoot) {
    const QString classDir = sysfsRoot + QStringLiteral("/class/tty");
    DIR* dir = ::opendir(QFile::encodeName(classDir).constData());
    if (!dir)
        RaiseDeviceSystemError(QString::fromLatin1(SerialErr::sMsgEnumPorts), SerialErr::ErrEnumPorts, "opendir",
                               errno);
    QStringList found;
    while (dirent* e = ::readdir(dir)) {
        const QString name = QFile::decodeName(e->d_name);
        if (name.startsWith(u'.'))
            continue;
        const QString entry = classDir + u'/' + name;
        // Consoles and pseudo-terminals have no hardware device behind them.
        if (!QFileInfo(entry + QStringLiteral("/device")).exists() || isPlaceholder(entry))
            continue;
        found << QStringLiteral("/dev/") + name;
    }
    ::closedir(dir);

    // As with the platform's own list, nothing found leaves the caller's list as it was.
    if (!(kinds & pkSerial) || found.isEmpty())
        return true;
    found.sort();
    ports = found;
    return true;
}

bool EnumComPorts(QStringList& ports, const QString& sysfsRoot) {
    return EnumSerialPorts(ports, pkSerial, sysfsRoot);
}
