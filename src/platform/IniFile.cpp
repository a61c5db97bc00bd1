#include "platform/IniFile.h"

#include "base/AsciiText.h"
#include "base/Convert.h"
#include "base/Cp1251.h"
#include "base/Exceptions.h"
#include "platform/SafeFile.h"

#include <QFile>

TMemIniFile::TMemIniFile(const QString& fileName) : fileName_(fileName) {
    Load();
}

void TMemIniFile::Load() {
    QFile file(fileName_);
    if (fileName_.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    QString text = fromCp1251(file.readAll());
    // A line ends at CR LF, LF or a CR alone: a file from another editor, or one edited in
    // several, keeps its keys apart instead of running them into one value.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    Section* current = nullptr;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
            current = FindSection(name);
            if (!current) {
                sections_.append({name, {}});
                current = &sections_.last();
            }
            continue;
        }
        if (!current) {
            // Lines before the first section have no home; keep them as they stood.
            sections_.append({QString(), {}, false});
            current = &sections_.last();
        }
        const qsizetype eq = trimmed.indexOf(u'=');
        if (eq <= 0 || trimmed.startsWith(u';'))
            current->entries.append({QString(), trimmed});
        else
            current->entries.append({trimmed.left(eq).trimmed(), trimmed.mid(eq + 1).trimmed()});
    }
}

const TMemIniFile::Section* TMemIniFile::FindSection(const QString& name) const {
    for (const Section& s : sections_)
        if (s.headed && asciiSameText(s.name, name))
            return &s;
    return nullptr;
}

TMemIniFile::Section* TMemIniFile::FindSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const TMemIniFile::Entry* TMemIniFile::FindEntry(const Section& section, const QString& key) {
    for (const Entry& e : section.entries)
        if (!e.key.isEmpty() && asciiSameText(e.key, key))
            return &e;
    return nullptr;
}

QString TMemIniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
    const Section* s = FindSection(section);
    const Entry* e = s ? FindEntry(*s, key) : nullptr;
    return e ? e->value : fallback;
}

int TMemIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
    return StrToIntDef(ReadString(section, key, QString()), fallback);
}

bool TMemIniFile::ReadBool(const QString& section, const QString& key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    Section* s = FindSection(section);
    if (!s) {
        sections_.append({section, {}});
        s = &sections_.last();
    }
    if (Entry* e = const_cast<Entry*>(FindEntry(*s, key)))
        e->value = value;
    else
        s->entries.append({key, value});
}

void TMemIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TMemIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TMemIniFile::ValueExists(const QString& section, const QString& key) const {
    const Section* s = FindSection(section);
    return s && FindEntry(*s, key);
}

bool TMemIniFile::SectionExists(const QString& section) const {
    return FindSection(section) != nullptr;
}

QStringList TMemIniFile::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* s = FindSection(section))
        for (const Entry& e : s->entries)
            if (!e.key.isEmpty())
                keys << e.key;
    return keys;
}

QStringList TMemIniFile::ReadSections() const {
    QStringList names;
    for (const Section& s : sections_)
        if (s.headed)
            names << s.name;
    return names;
}

void TMemIniFile::EraseSection(const QString& section) {
    sections_.removeIf([&](const Section& s) { return s.headed && asciiSameText(s.name, section); });
}

void TMemIniFile::DeleteKey(const QString& section, const QString& key) {
    if (Section* s = FindSection(section))
        s->entries.removeIf([&](const Entry& e) { return !e.key.isEmpty() && asciiSameText(e.key, key); });
}

QByteArray TMemIniFile::ToBytes() const {
    QString text;
    for (const Section& s : sections_) {
        if (s.headed)
            text += u'[' + s.name + QStringLiteral("]\r\n");
        for (const Entry& e : s.entries)
            text += (e.key.isEmpty() ? e.value : e.key + u'=' + e.value) + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return toCp1251(text);
}

void TMemIniFile::UpdateFile() const {
    QString reason;
    if (!WriteFileSafely(fileName_, ToBytes(), &reason))
        throw EIniFileError(QStringLiteral("Не удалось записать файл %1: %2").arg(fileName_, reason));
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    TMemIniFile::WriteString(section, key, value);
    UpdateFile();
}

void TIniFile::EraseSection(const QString& section) {
    TMemIniFile::EraseSection(section);
    UpdateFile();
}

void TIniFile::DeleteKey(const QString& section, const QString& key) {
    TMemIniFile::DeleteKey(section, key);
    UpdateFile();
}
