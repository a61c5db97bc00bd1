#include "uikit/services/KtRegIniFile.h"

TKtRegIniFile::TKtRegIniFile(QObject* owner) : QObject(owner) {}

template <typename T> void TKtRegIniFile::Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    changed_ = true;
}

void TKtRegIniFile::SetPath(const QString& value) {
    Store(path_, value);
}
void TKtRegIniFile::SetPathType(TKtPathType value) {
    Store(pathType_, value);
}
void TKtRegIniFile::SetRegKey(TKtRegKey value) {
    Store(regKey_, value);
}
void TKtRegIniFile::SetRegAccess(TKtRegAccess value) {
    Store(regAccess_, value);
}
void TKtRegIniFile::SetSpecialFolder(TKtSpecialFolder value) {
    Store(specialFolder_, value);
}
