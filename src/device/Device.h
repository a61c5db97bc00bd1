#pragma once

#include "base/Color.h"

#include <QString>
#include <QStringList>

class TCommunication;
class TLogWriter;

// The panel as a command/answer device: frames a command, hands it to the transport, collects
// the answer up to the terminator, cuts the value out of it, tries up to three times and logs
// every frame sent and every raw answer. The operations reach each other virtually, so a
// subclass can change one piece (framing, terminator, logging) without touching the rest.
// Neither the transport nor the log sink is owned; the log sink may be absent.
class TDevice {
public:
    TDevice(TCommunication* comm, const QString& versionTag, const QString& prefix, const QString& suffix,
            const QString& terminator, TLogWriter* logger);
    virtual ~TDevice() = default;

    TDevice(const TDevice&) = delete;
    TDevice& operator=(const TDevice&) = delete;

    virtual void LogNote(const QString& text);
    virtual void LogError(const QString& text);
    virtual void LogList(const QString& text, const QStringList& lines, TColor color);
    virtual void LogDetail(const QString& text, const QString& detail, TColor color);
    virtual void LogInfo(const QString& text);

    virtual QString FormatCommand(const QString& command);
    virtual QString ExtractAnswer(const QString& raw);

    // Request with the transport's default time-out, value cut out of the answer.
    virtual bool Query(const QString& command, QString& value);
    // Query, then the value as a decimal or hexadecimal number; a value that is no number gives
    // false and leaves n as it was.
    virtual bool ReadInt(const QString& command, int& n, bool hex);
    // Up to three tries. On failure answer holds the raw text of the last try. A command with a
    // CR or LF in it is never sent (the panel would take it for two) and gives false.
    virtual bool Request(const QString& command, QString& answer, int timeoutMs, bool parse);
    // A write: succeeds when the terminator came back.
    virtual bool Command(const QString& command);
    // Request with the caller's number of tries, optional logging and no extra time. It serves
    // the boot loader, which puts its "OK" right after the echoed address on the same line
    // ("0004OK"): the answer ends at the terminator wherever it stands, so that a well-formed
    // echo is not held until the time-out.
    virtual bool RequestEx(const QString& command, QString& answer, int timeoutMs, bool parse, int tries,
                           bool log);
    virtual bool WriteHex(const QString& command, int value, int digits, const QString& separator);
    virtual bool WriteHex2(const QString& command, int value, const QString& separator);

    virtual QString GetVersionTag();
    virtual QString GetPrefix();
    virtual void SetPrefix(const QString& text);
    virtual QString GetSuffix();
    virtual QString GetTerminator();

    virtual bool CheckVersion(const QString& answer);

protected:
    TLogWriter* Logger;
    QString VersionTag;
    QString Prefix;
    QString Suffix;
    QString Terminator;
    TCommunication* Comm;

private:
    // panelAnswer: the panel's own answer form (extra time for slow commands, the terminator
    // only at a line start); otherwise the boot loader's (the terminator anywhere).
    bool Exchange(const QString& command, QString& answer, int timeoutMs, bool parse, int tries, bool log,
                  bool panelAnswer);
};

// Splits text at every character of separators; the end of the text counts as one more
// separator, so neighbouring separators give empty pieces. An empty text leaves pieces as they
// were.
void SplitString(const QString& text, const QString& separators, QStringList& pieces);
