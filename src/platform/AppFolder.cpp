#include "platform/AppFolder.h"

#include <QCoreApplication>

namespace {
QString g_override;
}

QString AppFolder() {
    QString folder = g_override.isEmpty() ? QCoreApplication::applicationDirPath() : g_override;
    if (!folder.endsWith(u'/')) folder += u'/';
    return folder;
}

QString CurrentIniName() {
    return AppFolder() + QStringLiteral("current.ini");
}

void SetAppFolderForTests(const QString& folder) {
    g_override = folder;
}
