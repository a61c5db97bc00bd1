#include "device/Device.h"

#include "base/Convert.h"
#include "base/LogWriter.h"
#include "link/Communication.h"
#include "platform/Clock.h"

namespace {

constexpr TColor kSentColor = 0xFF0000;     // blue
constexpr TColor kReceivedColor = 0xFF00FF; // magenta

bool IsLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Blanks and control characters, as the panel pads its values; a no-break space (0xA0 in the
// code page) is part of the value.
QString TrimControls(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

// The panel's value may itself contain the terminator's letters (an APN or a password with "OK"
// in it); the real terminator opens a line of its own. Only when no line starts with it does
// the first occurrence anywhere count.
qsizetype TerminatorPosition(const QString& text, const QString& terminator) {
    if (terminator.isEmpty()) return -1;
    for (qsizetype p = text.indexOf(terminator); p >= 0; p = text.indexOf(terminator, p + 1)) {
        if (p > 0 && IsLineBreak(text.at(p - 1))) return p;
    }
    return text.indexOf(terminator);
}

// Commands that keep the panel busy for a while (erasing the history, reading all way
// descriptors, restarting) get extra answer time; it is added again on every try, so each try
// waits longer than the one before. Only the exact command text counts: a way descriptor write
// also begins with "D" but is answered at once.
qint64 ExtraTimeMs(const QString& command) {
    if (command == QStringLiteral("FH")) return Clock::Scaled(7000);
    if (command == QStringLiteral("D")) return Clock::Scaled(1000);
    if (command == QStringLiteral("rb")) return Clock::Scaled(500);
    return 0;
}

// A line break inside a command would reach the panel as two commands.
bool HasLineBreak(const QString& command) {
    return command.contains(u'\r') || command.contains(u'\n');
}

} // namespace

TDevice::TDevice(TCommunication* comm, const QString& versionTag, const QString& prefix,
                 const QString& suffix, const QString& terminator, TLogWriter* logger)
    : Logger(logger), VersionTag(versionTag), Prefix(prefix), Suffix(suffix), Terminator(terminator),
      Comm(comm) {}

void TDevice::LogNote(const QString& text) {
    if (Logger) Logger->WriteInfo(text);
}

void TDevice::LogError(const QString& text) {
    if (Logger) Logger->WriteError(text);
}

void TDevice::LogList(const QString& text, const QStringList& lines, TColor color) {
    if (Logger) Logger->WriteLines(text, lines, color);
}

void TDevice::LogDetail(const QString& text, const QString& detail, TColor color) {
    if (Logger) Logger->WriteDetail(text, detail, color);
}

void TDevice::LogInfo(const QString& text) {
    if (Logger) Logger->WriteMessage(text);
}

QString TDevice::FormatCommand(const QString& command) {
    return GetPrefix() + command + GetSuffix();
}

QString TDevice::ExtractAnswer(const QString& raw) {
    const qsizetype mark = raw.indexOf(u'>');
    QString s = mark >= 0 ? raw.mid(mark + 1) : raw;
    const qsizetype end = TerminatorPosition(s, GetTerminator());
    s = end >= 0 ? s.left(end) : QString();
    s = TrimControls(s);
    s.remove(u'\r');
    return s;
}

bool TDevice::Query(const QString& command, QString& value) {
    return Request(command, value, Comm->GetTimeout(), true);
}

bool TDevice::ReadInt(const QString& command, int& n, bool hex) {
    QString value;
    if (!Query(command, value)) return false;
    const std::optional<int> number = TryStrToInt(hex ? u'$' + value : value);
    if (!number) return false;
    n = *number;
    return true;
}

bool TDevice::Request(const QString& command, QString& answer, int timeoutMs, bool parse) {
    return Exchange(command, answer, timeoutMs, parse, 3, true, true);
}

bool TDevice::Command(const QString& command) {
    QString value;
    return Query(command, value);
}

bool TDevice::RequestEx(const QString& command, QString& answer, int timeoutMs, bool parse, int tries,
                        bool log) {
    return Exchange(command, answer, timeoutMs, parse, tries, log, false);
}

bool TDevice::Exchange(const QString& command, QString& answer, int timeoutMs, bool parse, int tries,
                       bool log, bool panelAnswer) {
    answer.clear();
    if (HasLineBreak(command)) return false;
    const qint64 extra = panelAnswer ? ExtraTimeMs(command) : 0;
    qint64 timeout = timeoutMs;
    bool ok = false;
    for (int attempt = 1; !ok && attempt <= tries; ++attempt) {
        answer.clear();
        if (log) LogDetail(QStringLiteral("<<<<"), FormatCommand(command), kSentColor);
        ok = Comm->Send(FormatCommand(command));
        if (ok) {
            timeout += extra;
            ok = panelAnswer ? Comm->Receive(answer, GetTerminator(), int(timeout))
                             : Comm->ReceiveAny(answer, {GetTerminator()}, int(timeout));
            if (log) LogDetail(QStringLiteral(">>>>"), answer, kReceivedColor);
        }
        if (ok && parse) answer = ExtractAnswer(answer);
    }
    return ok;
}

bool TDevice::WriteHex(const QString& command, int value, int digits, const QString& separator) {
    return Command(command + separator + IntToHex(value, digits));
}

bool TDevice::WriteHex2(const QString& command, int value, const QString& separator) {
    return WriteHex(command, value, 2, separator);
}

QString TDevice::GetVersionTag() {
    return VersionTag;
}

QString TDevice::GetPrefix() {
    return Prefix;
}

void TDevice::SetPrefix(const QString& text) {
    Prefix = text;
}

QString TDevice::GetSuffix() {
    return Suffix;
}

QString TDevice::GetTerminator() {
    return Terminator;
}

bool TDevice::CheckVersion(const QString& answer) {
    const QString tag = GetVersionTag();
    return !tag.isEmpty() && answer.contains(tag);
}

void SplitString(const QString& text, const QString& separators, QStringList& pieces) {
    if (text.isEmpty()) return;
    pieces.clear();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || separators.contains(text.at(i))) {
            pieces.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
}
