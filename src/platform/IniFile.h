#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A settings file in INI form, kept whole in memory: sections and keys are found ignoring
// ASCII letter case but keep the spelling they were first written with; the order of keys and
// any sections the program does not know survive a rewrite. Files are Windows-1251 with CR LF
// and a blank line after each section. A missing file reads as empty.
class TMemIniFile {
public:
    explicit TMemIniFile(const QString& fileName);
    virtual ~TMemIniFile() = default;

    const QString& FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
    // Decimal, or hexadecimal after "$", "0x" or "0X"; bad text gives the fallback.
    int ReadInteger(const QString& section, const QString& key, int fallback) const;
    // An integer other than 0 is true; text that is no integer gives the fallback.
    bool ReadBool(const QString& section, const QString& key, bool fallback) const;

    virtual void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    bool ValueExists(const QString& section, const QString& key) const;
    bool SectionExists(const QString& section) const;
    QStringList ReadSection(const QString& section) const;
    QStringList ReadSections() const;
    virtual void EraseSection(const QString& section);
    virtual void DeleteKey(const QString& section, const QString& key);

    // The whole file as it would be written.
    QByteArray ToBytes() const;
    // Writes the file through a temporary file and a rename, so a failure never leaves it
    // truncated. Throws EIniFileError naming the file and the system's reason.
    void UpdateFile() const;

private:
    struct Entry {
        QString key;   // empty for a line without "=" kept as it stood
        QString value; // the whole line when key is empty
    };
    struct Section {
        QString name;
        QList<Entry> entries;
        // False only for the lines before the first header: they belong to no section, so no
        // name finds them and they are written back without a header. A header "[]" is a
        // section named "" like any other.
        bool headed = true;
    };

    void Load();
    const Section* FindSection(const QString& name) const;
    Section* FindSection(const QString& name);
    static const Entry* FindEntry(const Section& section, const QString& key);

    QString fileName_;
    QList<Section> sections_;
};

// The file-backed variant: every change is written to the file at once.
class TIniFile : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;
    void WriteString(const QString& section, const QString& key, const QString& value) override;
    void EraseSection(const QString& section) override;
    void DeleteKey(const QString& section, const QString& key) override;
};
