#pragma once

class QObject;
class QString;
class QVariant;

// Older designs of the kit's controls carry properties the kit no longer has. Loading such a
// design reads them without an error and either drops the value or hands it to the property that
// took its place. Windows here are built in code, so there is no stored design to read: a window
// whose design still carries such a property passes it to ReadOldProp, which does the same.
class TKtOldPropReader {
public:
    // Maps or drops the old property `name` (Latin letter case ignored) of the component's kind;
    // false when that kind has no old property of that name.
    static bool ReadOldProp(QObject* component, const QString& name, const QVariant& value);
};
