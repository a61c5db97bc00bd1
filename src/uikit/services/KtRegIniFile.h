#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

enum TKtPathType { ptIniFile, ptRegistry };
enum TKtRegKey {
    hkeyClassesRoot,
    hkeyCurrentUser,
    hkeyLocalMachine,
    hkeyUsers,
    hkeyPerformanceData,
    hkeyCurrentConfig,
    hkeyDynData
};
enum TKtRegAccessKey {
    keyQueryValue,
    keySetValue,
    keyCreateSubKey,
    keyEnumerateSubKeys,
    keyNotify,
    keyCreateLink,
    keyRead,
    keyWrite,
    keyExecute,
    keyAllAccess
};
// A set of TKtRegAccessKey: bit i is element i.
using TKtRegAccess = std::uint16_t;
constexpr TKtRegAccess RegAccessOf(TKtRegAccessKey key) {
    return TKtRegAccess(1u << unsigned(key));
}
enum TKtSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };

// Where a set of settings would be kept: an INI file at Path (under a special folder, when one is
// named) or a registry key. It only describes the place and notes when the description changes;
// nothing in the program reads or writes settings through it.
class TKtRegIniFile : public QObject {
    Q_OBJECT

public:
    explicit TKtRegIniFile(QObject* owner = nullptr);

    QString Path() const { return path_; }
    void SetPath(const QString& value);
    TKtPathType PathType() const { return pathType_; }
    void SetPathType(TKtPathType value);
    TKtRegKey RegKey() const { return regKey_; }
    void SetRegKey(TKtRegKey value);
    TKtRegAccess RegAccess() const { return regAccess_; }
    void SetRegAccess(TKtRegAccess value);
    TKtSpecialFolder SpecialFolder() const { return specialFolder_; }
    void SetSpecialFolder(TKtSpecialFolder value);

    // True from creation on and after every change of the place: whoever opens the storage must
    // open it anew.
    bool Changed() const { return changed_; }

private:
    template <typename T> void Store(T& field, const T& value);

    QString path_;
    TKtPathType pathType_ = ptIniFile;
    TKtRegKey regKey_ = hkeyCurrentUser;
    TKtRegAccess regAccess_ = RegAccessOf(keyAllAccess);
    TKtSpecialFolder specialFolder_ = sfNone;
    bool changed_ = true;
};
