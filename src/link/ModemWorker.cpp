#include "link/ModemWorker.h"

#include "base/AsciiText.h"
#include "base/Exceptions.h"
#include "platform/Clock.h"
#include "platform/Delay.h"

namespace {

constexpr int kModemTimeoutMs = 5000;
constexpr int kPollMs = 20;
constexpr int kErrorsInARow = 4;

struct FailureAnswer {
    const char* word; // as the modem sends it, compared without regard to Latin case
    const char* message;
};

// Tested in this order; the first one found wins.
constexpr FailureAnswer kFailureAnswers[] = {
    {"busy", "ОШИБКА! Линия занята(BUSY)!"},
    {"no carrier", "ОШИБКА! Не могу установить соединение или оно разорвано(NO CARRIER)!"},
    {"no dialtone", "ОШИБКА! Нет сигнала в линии(NO DIALTONE)!"},
    {"disconnect", "ОШИБКА! Обрыв Соединения(DISCONNECT)!"},
    {"no answer", "ОШИБКА! Нет ответа(NO ANSWER)!"},
};

const char* const kTooManyErrors = "ОШИБКА! Слишком много ошибока от модема!";
const QLatin1String kError("error");

QString WithCrLf(const QString& command) {
    return command + QStringLiteral("\r\n");
}

// A modem sends each result code as a line of its own ("\r\nNO CARRIER\r\n"), while the panel
// puts ">" before every value: so a failure word counts only as a whole line, and a panel value
// such as an access point "error.apn" or a password "busy1" is never taken for one.
bool HasResultLine(const QString& text, QLatin1String word) {
    for (qsizetype from = 0; (from = asciiIndexOf(text, word, from)) >= 0; ++from) {
        const qsizetype end = from + word.size();
        const bool lineStart = from == 0 || text[from - 1] == u'\r' || text[from - 1] == u'\n';
        const bool lineEnd = end == text.size() || text[end] == u'\r' || text[end] == u'\n';
        if (lineStart && lineEnd) return true;
    }
    return false;
}

// The answer to "AT+CREG?" is "+CREG: <n>,<stat>", with the cell's location fields after it when
// the modem's stored profile has its registration reports switched on. n is only that report
// setting (0, 1 or 2) and says nothing about the network; stat 1 is the home network, 5 roaming,
// every other state (searching, refused, unknown) is not registered. An unsolicited report has
// stat alone ("+CREG: 5") or stat followed by the quoted location, so its second field is never a
// lone digit and it is not taken for the answer asked for; nor is a malformed one ("+CREG: 0,15",
// no comma, letters), which leaves the caller polling. text: blanks removed, lower-cased.
bool RegisteredAnswer(const QString& text) {
    const QLatin1String tag("+creg:");
    for (qsizetype from = 0; (from = text.indexOf(tag, from)) >= 0; ++from) {
        const QStringView fields = QStringView(text).sliced(from + tag.size());
        if (fields.size() < 3) continue;
        const bool reportSetting = fields[0] >= u'0' && fields[0] <= u'2';
        const bool registered = fields[2] == u'1' || fields[2] == u'5';
        const bool statEnds =
            fields.size() == 3 || fields[3] == u',' || fields[3] == u'\n' || fields[3] == u'\r';
        if (reportSetting && fields[1] == u',' && registered && statEnds) return true;
    }
    return false;
}

bool ContainsAny(const QString& text, const QStringList& list) {
    for (const QString& item : list)
        if (asciiContains(text, item)) return true;
    return false;
}

} // namespace

TModemWorker::TModemWorker() : TComPortWorker(false, true) {}

int TModemWorker::DefaultTimeoutValue() {
    return kModemTimeoutMs;
}

void TModemWorker::StripCR(QString& text) {
    text.remove(u'\r');
}

void TModemWorker::CheckResultCodes(const QString& text) {
    for (const FailureAnswer& failure : kFailureAnswers) {
        if (HasResultLine(text, QLatin1String(failure.word))) {
            Connected = false;
            throw TModemException(QString::fromUtf8(failure.message));
        }
    }
}

bool TModemWorker::CheckErrorAnswer(const QString& text) {
    if (!HasResultLine(text, kError)) {
        ErrorCount = 0;
        return false;
    }
    if (++ErrorCount >= kErrorsInARow) {
        Connected = false;
        throw TModemException(QString::fromUtf8(kTooManyErrors));
    }
    return true;
}

bool TModemWorker::ErrorAnswer(const QString& answer, bool ended) {
    // The row counts answers. A poll that has caught nothing yet, or only the first bytes of
    // an answer, is none: letting it break the row would keep a modem that answers every
    // command with "ERROR" from ever reaching the fourth.
    return (ended || HasResultLine(answer, kError)) && CheckErrorAnswer(answer);
}

void TModemWorker::Purge() {
    QString pending;
    ReadAll(pending);
    CheckResultCodes(pending);
}

bool TModemWorker::ReadPending(QString& answer, int) {
    ReadAll(answer);
    StripCR(answer);
    return true;
}

bool TModemWorker::Receive(QString& answer, const QString& terminator, int timeoutMs) {
    answer.clear();
    const qint64 start = Clock::NowMs();
    QString chunk;
    for (;;) {
        if (StopFlag) return false;
        // Past the time-out one more look: a wait that window messages held up (a dialog
        // opened meanwhile) may have run past it with the answer already in.
        const bool lastLook = Clock::NowMs() - start > timeoutMs;
        ReadAll(chunk);
        answer += chunk;
        CheckResultCodes(answer);
        const bool ended = TerminatorEndsAnswer(answer, terminator);
        if (ErrorAnswer(answer, ended)) return false;
        if (ended) {
            StripCR(answer);
            return true;
        }
        if (lastLook) break;
        Delay(kPollMs);
    }
    // As on the direct line: a terminator without a line break before it still counts, only
    // after the whole time-out.
    if (!asciiContains(answer, terminator)) return false;
    StripCR(answer);
    return true;
}

bool TModemWorker::ReceiveAny(QString& answer, const QStringList& list, int timeoutMs) {
    answer.clear();
    const qint64 start = Clock::NowMs();
    QString chunk;
    while (Clock::NowMs() - start <= timeoutMs) {
        if (StopFlag) return false;
        ReadAll(chunk);
        answer += chunk; // an item split over two polls is still found, as on the direct line
        CheckResultCodes(answer);
        const bool ended = ContainsAny(answer, list);
        if (ErrorAnswer(answer, ended)) return false;
        if (ended) {
            StripCR(answer);
            return true;
        }
        Delay(kPollMs);
    }
    StripCR(answer);
    CheckResultCodes(answer);
    return ContainsAny(answer, list);
}

bool TModemWorker::SendAT(const QString& command, const QString& expect, int tries, int timeoutMs) {
    const int scaledMs = int(Clock::Scaled(timeoutMs));
    for (int i = 0; i < tries; ++i) {
        if (StopFlag) return false;
        const bool sent = Send(WithCrLf(command));
        if (StopFlag) return false;
        if (sent && WaitFor(expect, scaledMs)) return true;
    }
    return false;
}

bool TModemWorker::SendAT5s(const QString& command, const QString& expect, int tries) {
    return SendAT(command, expect, tries, 5000);
}

void TModemWorker::SendATNoWait(const QString& command) {
    Send(WithCrLf(command));
}

bool TModemWorker::SendAndReceive(const QString& command, QString& answer, const QString& terminator,
                                  int tries) {
    answer.clear();
    for (int i = 0; i < tries; ++i) {
        if (StopFlag) return false;
        if (Send(command) && ReceiveDefault(answer, terminator)) return true;
    }
    return false;
}

bool TModemWorker::ResetModem() {
    return SendAT(QStringLiteral("ATZ"), QStringLiteral("OK"), 3, 21000);
}

bool TModemWorker::CheckAT() {
    return SendAT(QStringLiteral("AT"), QStringLiteral("OK"), 2, 21000);
}

bool TModemWorker::SetBearerService() {
    // A count of tries, not a time: in practice until the modem agrees or the user cancels.
    return SendAT5s(QStringLiteral("AT+CBST=7,0,1"), QStringLiteral("OK"), 21000);
}

bool TModemWorker::IsRegistered() {
    QString answer;
    if (!SendAndReceive(QStringLiteral("AT+CREG?\r\n"), answer, QStringLiteral("OK"), 5)) return false;
    answer.remove(u' ');
    return RegisteredAnswer(asciiLower(answer));
}

bool TModemWorker::Dial(const QString& number) {
    return SendAT(QStringLiteral("ATD ") + number, QStringLiteral("CONNECT"), 1, 81000);
}

void TModemWorker::ResetLine() {
    RtsOff();
    Clock::SleepMs(Clock::Scaled(1000));
    RtsOn();
    Clock::SleepMs(Clock::Scaled(1000));
}

void TModemWorker::EscapeToCommand() {
    Purge();
    SendRaw(QStringLiteral("+++"));
    // The modem needs a quiet line after the escape before it takes a command.
    Clock::SleepMs(50);
}

void TModemWorker::HangUp() {
    // The modem may still report the end of the call it had ("NO CARRIER" after "+++"). A send
    // reads what is pending first and raises on such a result code before it writes anything;
    // the code has been read by then, so the second send reaches the modem.
    try {
        SendATNoWait(QStringLiteral("ATH"));
    } catch (const TModemException&) {
        SendATNoWait(QStringLiteral("ATH"));
    }
}

void TModemWorker::EndCall(const std::function<void(const QString&)>& logLine) {
    logLine(QStringLiteral("+++"));
    try {
        EscapeToCommand();
    } catch (const std::exception&) {
        // A late result code or a dead port: still try the hang-up below.
    }
    logLine(QStringLiteral("ATH"));
    try {
        HangUp();
    } catch (const std::exception&) {
        // The call is gone already when the modem reports a failure here.
    }
}

bool TModemWorker::LinkAlive(const std::function<bool()>& readVersion) {
    try {
        return Connected && readVersion();
    } catch (const std::exception&) {
        return false;
    }
}
