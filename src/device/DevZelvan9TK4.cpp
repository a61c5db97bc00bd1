#include "device/DevZelvan9TK4.h"

#include "base/Convert.h"
#include "platform/Clock.h"

#include <QLocale>

namespace {

constexpr int kCheckOutputsTimeoutMs = 2500;
constexpr int kSignalQualityTimeoutMs = 5000;
constexpr int kHistoryRecordTimeoutMs = 5500;
constexpr int kBootTimeoutMs = 2500;
constexpr int kEraseTimeoutMs = 15000;
constexpr int kWriteTimeoutMs = 15000;

// Numbered parameters are addressed from 0 on the wire, as one or two upper-case hex digits.
QString HexIndex(int number) {
    return IntToHex(number - 1, 1);
}
QString Hex2Index(int number) {
    return IntToHex(number - 1, 2);
}
QString Decimal(int number) {
    return QString::number(number);
}

bool Bit(int value, int bit) {
    return (value >> bit) & 1;
}

bool IsDialString(const QString& number) {
    for (const QChar c : number) {
        if (!(c == u'+' || (c >= u'0' && c <= u'9') || c == u'W' || c == u'w')) return false;
    }
    return true;
}

} // namespace

TDevZelvan9TK4::TDevZelvan9TK4(TCommunication* comm, TLogWriter* logger)
    : TDevice(comm, QStringLiteral("VER 01"), QStringLiteral("+"), QStringLiteral("\r"), QStringLiteral("OK"),
              logger) {}

bool TDevZelvan9TK4::Write(const QString& mnemonic, const QString& value) {
    return Command(mnemonic + u'=' + value);
}

// "HH:MM:SS" style values: the numbers stand at characters 1-2, 4-5 and 7-8; the separators are
// not looked at. A pair that is no number (also one cut short) throws to the caller.
bool TDevZelvan9TK4::ReadThreeNumbers(const QString& mnemonic, std::array<int, 3>& numbers) {
    QString value;
    if (!Query(mnemonic, value)) return false;
    const std::array<int, 3> read = {StrToInt(value.mid(0, 2)), StrToInt(value.mid(3, 2)),
                                     StrToInt(value.mid(6, 2))};
    numbers = read;
    return true;
}

bool TDevZelvan9TK4::ReadBits(const QString& mnemonic, int& bits) {
    return ReadInt(mnemonic, bits, true);
}

// ---- Service commands

bool TDevZelvan9TK4::GetVersion(QString& version) {
    return Query(QStringLiteral("v"), version);
}

bool TDevZelvan9TK4::StopPanel() {
    return Command(QStringLiteral("sp"));
}

bool TDevZelvan9TK4::StartPanel() {
    return Command(QStringLiteral("st"));
}

bool TDevZelvan9TK4::StartPanelAtExit() {
    return Command(QStringLiteral("st"));
}

bool TDevZelvan9TK4::RestartPanel() {
    return Command(QStringLiteral("rb"));
}

bool TDevZelvan9TK4::CheckOutputs() {
    QString answer;
    return Request(QStringLiteral("dc"), answer, kCheckOutputsTimeoutMs, true);
}

bool TDevZelvan9TK4::GetSignalQuality(QString& value) {
    return Request(QStringLiteral("AQ"), value, kSignalQualityTimeoutMs, true);
}

bool TDevZelvan9TK4::GetClock(QString& value) {
    return Query(QStringLiteral("AC"), value);
}

// Always the panel's fixed 24-hour form "HH:MM:SS DD/MM/YY", whatever the PC's time format.
bool TDevZelvan9TK4::SetClock(const QDateTime& moment) {
    return Write(QStringLiteral("AS"), QLocale::c().toString(moment, QStringLiteral("HH:mm:ss dd/MM/yy")));
}

// ---- Common settings and automatic tests

bool TDevZelvan9TK4::GetObjectNumber(int& number) {
    return ReadInt(QStringLiteral("o"), number, false);
}

bool TDevZelvan9TK4::SetObjectNumber(int number) {
    return Write(QStringLiteral("o"), ZeroPad(number, 4));
}

bool TDevZelvan9TK4::GetVoiceCidMode(QString& value) {
    return Query(QStringLiteral("dt"), value);
}

bool TDevZelvan9TK4::SetVoiceCidMode(const QString& value) {
    return Write(QStringLiteral("dt"), value);
}

// The panel reports the count in hex but takes it in decimal (the same for 0 to 9).
bool TDevZelvan9TK4::GetTestCount(int& count) {
    return ReadInt(QStringLiteral("AN"), count, true);
}

bool TDevZelvan9TK4::SetTestCount(int count) {
    return Write(QStringLiteral("AN"), Decimal(count));
}

bool TDevZelvan9TK4::GetTestHours(std::array<int, 3>& hours) {
    return ReadThreeNumbers(QStringLiteral("AH"), hours);
}

bool TDevZelvan9TK4::SetTestHour(int test, int hour) {
    return Write(QStringLiteral("AH") + Decimal(test - 1), ZeroPad(hour, 2));
}

bool TDevZelvan9TK4::GetTestMinutes(std::array<int, 3>& minutes) {
    return ReadThreeNumbers(QStringLiteral("AM"), minutes);
}

bool TDevZelvan9TK4::SetTestMinute(int test, int minute) {
    return Write(QStringLiteral("AM") + Decimal(test - 1), ZeroPad(minute, 2));
}

bool TDevZelvan9TK4::GetExtraTestPeriod(QString& value) {
    return Query(QStringLiteral("AA"), value);
}

bool TDevZelvan9TK4::SetExtraTestPeriod(const QString& value) {
    return Write(QStringLiteral("AA"), value);
}

bool TDevZelvan9TK4::GetPowerLossPeriod(QString& value) {
    return Query(QStringLiteral("xx"), value);
}

bool TDevZelvan9TK4::SetPowerLossPeriod(const QString& value) {
    return Write(QStringLiteral("xx"), value);
}

bool TDevZelvan9TK4::GetRestartEventFlag(bool& flag) {
    int value = 0;
    if (!ReadInt(QStringLiteral("Y"), value, false)) return false;
    flag = value == 1;
    return true;
}

bool TDevZelvan9TK4::SetRestartEventFlag(bool flag) {
    return Write(QStringLiteral("Y"), flag ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TDevZelvan9TK4::GetPowerEvents(QString& value) {
    return Query(QStringLiteral("PO"), value);
}

bool TDevZelvan9TK4::SetPowerEvents(const QString& value) {
    return Write(QStringLiteral("PO"), value);
}

// ---- GPRS and LAN

bool TDevZelvan9TK4::GetGprsChannels(bool& sim1, bool& sim2) {
    int value = 0;
    if (!ReadInt(QStringLiteral("GA"), value, true) || value < 0 || value > 3) return false;
    sim1 = Bit(value, 0);
    sim2 = Bit(value, 1);
    return true;
}

bool TDevZelvan9TK4::SetGprsChannels(bool sim1, bool sim2) {
    return Write(QStringLiteral("GA"), Decimal((sim1 ? 1 : 0) + (sim2 ? 2 : 0)));
}

bool TDevZelvan9TK4::GetApnAddress(int sim, QString& value) {
    return Query(QStringLiteral("GN") + Decimal(sim), value);
}

bool TDevZelvan9TK4::SetApnAddress(int sim, const QString& value) {
    return Write(QStringLiteral("GN") + Decimal(sim), value);
}

bool TDevZelvan9TK4::GetApnLogin(int sim, QString& value) {
    return Query(QStringLiteral("GU") + Decimal(sim), value);
}

bool TDevZelvan9TK4::SetApnLogin(int sim, const QString& value) {
    return Write(QStringLiteral("GU") + Decimal(sim), value);
}

bool TDevZelvan9TK4::GetGprsDialNumber(int sim, QString& value) {
    return Query(QStringLiteral("GC") + Decimal(sim), value);
}

bool TDevZelvan9TK4::SetGprsDialNumber(int sim, const QString& value) {
    return Write(QStringLiteral("GC") + Decimal(sim), value);
}

bool TDevZelvan9TK4::GetApnPassword(int sim, QString& value) {
    return Query(QStringLiteral("GP") + Decimal(sim), value);
}

bool TDevZelvan9TK4::SetApnPassword(int sim, const QString& value) {
    return Write(QStringLiteral("GP") + Decimal(sim), value);
}

bool TDevZelvan9TK4::GetServerAddress(int server, QString& value) {
    return Query(QStringLiteral("GS") + Decimal(server), value);
}

bool TDevZelvan9TK4::SetServerAddress(int server, const QString& value) {
    return Write(QStringLiteral("GS") + Decimal(server), value);
}

bool TDevZelvan9TK4::GetServerPort(int server, QString& value) {
    return Query(QStringLiteral("GG") + Decimal(server), value);
}

bool TDevZelvan9TK4::SetServerPort(int server, const QString& value) {
    return Write(QStringLiteral("GG") + Decimal(server), value);
}

bool TDevZelvan9TK4::GetServerPassword(int server, QString& value) {
    return Query(QStringLiteral("GI") + Decimal(server), value);
}

bool TDevZelvan9TK4::SetServerPassword(int server, const QString& value) {
    return Write(QStringLiteral("GI") + Decimal(server), value);
}

// Two decimal numbers of two digits each, side by side.
bool TDevZelvan9TK4::GetGprsRetryTime(int& first, int& second) {
    QString value;
    if (!Query(QStringLiteral("GT"), value)) return false;
    const std::optional<int> a = TryStrToInt(value.mid(0, 2));
    const std::optional<int> b = TryStrToInt(value.mid(2, 2));
    if (!a || !b) return false;
    first = *a;
    second = *b;
    return true;
}

bool TDevZelvan9TK4::SetGprsRetryTime(int first, int second) {
    return Write(QStringLiteral("GT"), ZeroPad(first, 2) + ZeroPad(second, 2));
}

bool TDevZelvan9TK4::GetGprsCompression(QString& value) {
    return Query(QStringLiteral("P"), value);
}

bool TDevZelvan9TK4::SetGprsCompression(const QString& value) {
    return Write(QStringLiteral("P"), value);
}

// LAN use (three modes) and LAN on-line (on/off, older firmware) share one parameter.
bool TDevZelvan9TK4::GetLanUse(QString& value) {
    return Query(QStringLiteral("LA"), value);
}

bool TDevZelvan9TK4::SetLanUse(const QString& value) {
    return Write(QStringLiteral("LA"), value);
}

bool TDevZelvan9TK4::GetLanOnline(QString& value) {
    return Query(QStringLiteral("LA"), value);
}

bool TDevZelvan9TK4::SetLanOnline(const QString& value) {
    return Write(QStringLiteral("LA"), value);
}

// ---- Ways and telephone numbers

bool TDevZelvan9TK4::GetWaySwitchFlag(QString& value) {
    return Query(QStringLiteral("DO"), value);
}

bool TDevZelvan9TK4::SetWaySwitchFlag(const QString& value) {
    return Write(QStringLiteral("DO"), value);
}

bool TDevZelvan9TK4::GetWayDescriptors(std::span<QString> descriptors) {
    QString value;
    if (!Query(QStringLiteral("D"), value)) return false;
    QStringList pieces;
    SplitString(value, QStringLiteral(" "), pieces);
    for (qsizetype i = 0; i < pieces.size() && i < qsizetype(descriptors.size()); ++i)
        descriptors[size_t(i)] = pieces.at(i);
    return true;
}

bool TDevZelvan9TK4::SetWayDescriptor(int way, const QString& value) {
    return Write(QStringLiteral("D") + HexIndex(way), value);
}

// A telephone number holds only "+", digits and the dial pause "W"; an answer with anything
// else is taken as garbled and asked again, three reads in all. A read that got no answer gives
// an empty value, which is a number: a silent panel is not asked twice more.
bool TDevZelvan9TK4::GetPhoneNumber(int way, QString& number) {
    for (int read = 1; read <= 3; ++read) {
        const bool answered = Query(QStringLiteral("h") + HexIndex(way), number);
        if (IsDialString(number)) return answered;
    }
    return false;
}

bool TDevZelvan9TK4::SetPhoneNumber(int way, const QString& number) {
    return Write(QStringLiteral("H") + HexIndex(way), number);
}

bool TDevZelvan9TK4::GetAndGroup(int group, QString& value) {
    return Query(QStringLiteral("AND") + HexIndex(group), value);
}

bool TDevZelvan9TK4::SetAndGroup(int group, const QString& value) {
    return Write(QStringLiteral("AND") + HexIndex(group), value);
}

// ---- Loops, keypads and engineering numbers

bool TDevZelvan9TK4::GetLoopStates(bool& loop1Open, bool& loop2Open) {
    int bits = 0;
    if (!ReadBits(QStringLiteral("p"), bits)) return false;
    loop1Open = Bit(bits, 0);
    loop2Open = Bit(bits, 1);
    return true;
}

bool TDevZelvan9TK4::GetLoopUse(bool& f1, bool& f2, bool& f3, bool& f4) {
    int bits = 0;
    if (!ReadBits(QStringLiteral("u"), bits)) return false;
    f1 = Bit(bits, 0);
    f2 = Bit(bits, 1);
    f3 = Bit(bits, 2);
    f4 = Bit(bits, 3);
    return true;
}

bool TDevZelvan9TK4::SetLoopUse(bool f1, bool f2, bool f3, bool f4) {
    const int bits = (f1 ? 1 : 0) | (f2 ? 2 : 0) | (f3 ? 4 : 0) | (f4 ? 8 : 0);
    return Write(QStringLiteral("u"), IntToHex(bits, 1));
}

// The entry is read as a hex digit but written in decimal: the panel wants it so (the two agree
// for entries 0 to 9).
bool TDevZelvan9TK4::GetLoopCidString(int entry, QString& value) {
    return Query(QStringLiteral("i") + IntToHex(entry, 1), value);
}

bool TDevZelvan9TK4::SetLoopCidString(int entry, const QString& value) {
    return Write(QStringLiteral("i") + Decimal(entry), value);
}

bool TDevZelvan9TK4::GetKeypadCount(int& count) {
    return ReadInt(QStringLiteral("k"), count, true);
}

bool TDevZelvan9TK4::SetKeypadCount(int count) {
    return WriteHex2(QStringLiteral("k"), count, QStringLiteral("="));
}

bool TDevZelvan9TK4::GetKeypadAddress(int keypad, QString& value) {
    return Query(QStringLiteral("K") + Hex2Index(keypad), value);
}

bool TDevZelvan9TK4::SetKeypadAddress(int keypad, int address) {
    return WriteHex(QStringLiteral("K") + Hex2Index(keypad), address, 4, QStringLiteral("="));
}

bool TDevZelvan9TK4::GetLinkLossCode(QString& value) {
    return Query(QStringLiteral("AF"), value);
}

bool TDevZelvan9TK4::SetLinkLossCode(const QString& value) {
    return Write(QStringLiteral("AF"), value);
}

bool TDevZelvan9TK4::GetEngineerNumbersFlag(QString& value) {
    return Query(QStringLiteral("e"), value);
}

bool TDevZelvan9TK4::SetEngineerNumbersFlag(const QString& value) {
    return Write(QStringLiteral("e"), value);
}

bool TDevZelvan9TK4::GetEngineerNumber(int n, QString& value) {
    return Query(QStringLiteral("j") + Decimal(n), value);
}

bool TDevZelvan9TK4::SetEngineerNumber(int n, const QString& value) {
    return Write(QStringLiteral("J") + Decimal(n), value);
}

// ---- Event history

// The pointer stands in hex at characters 2-5 of the value, after a one-character tag.
bool TDevZelvan9TK4::GetHistoryPointer(quint16& index) {
    QString value;
    if (!Query(QStringLiteral("FP"), value)) return false;
    const std::optional<int> pointer = TryStrToInt(u'$' + value.mid(1, 4));
    if (!pointer) return false;
    index = quint16(*pointer);
    return true;
}

bool TDevZelvan9TK4::GetHistoryRecord(int index, QString& record) {
    // A history download waits this long for every record the panel does not answer.
    return Request(QStringLiteral("fer") + IntToHex(index, 4), record,
                   int(Clock::Scaled(kHistoryRecordTimeoutMs)), true);
}

bool TDevZelvan9TK4::ClearHistory() {
    return Command(QStringLiteral("FH"));
}

// ---- Raw boot-loader requests

bool TDevZelvan9TK4::RequestBoot(const QString& command, QString& answer, bool log) {
    return RequestEx(command, answer, int(Clock::Scaled(kBootTimeoutMs)), false, 1, log);
}

bool TDevZelvan9TK4::RequestErase(const QString& command, QString& answer, bool log) {
    return RequestEx(command, answer, int(Clock::Scaled(kEraseTimeoutMs)), false, 3, log);
}

bool TDevZelvan9TK4::RequestWrite(const QString& command, QString& answer, bool log) {
    return RequestEx(command, answer, int(Clock::Scaled(kWriteTimeoutMs)), false, 1, log);
}
