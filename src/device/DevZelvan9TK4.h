#pragma once

#include "device/Device.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <span>

// The GSM-9-TK4 panel: one operation per panel parameter, each carrying its command mnemonic.
// Mnemonics are case-sensitive ("h" reads a telephone number, "H" writes one). Text values go
// to the panel exactly as given; the page transfers choose their content. Every operation
// returns false when the exchange failed after its tries or, where said, when the value does
// not parse; exceptions of the transport pass through.
class TDevZelvan9TK4 : public TDevice {
public:
    TDevZelvan9TK4(TCommunication* comm, TLogWriter* logger);

    // Service commands.
    bool GetVersion(QString& version);
    bool StopPanel();
    bool StartPanel();
    bool StartPanelAtExit();
    bool RestartPanel();
    bool CheckOutputs();
    bool GetSignalQuality(QString& value);
    bool GetClock(QString& value);
    bool SetClock(const QDateTime& moment);

    // Common settings and automatic tests.
    bool GetObjectNumber(int& number);
    bool SetObjectNumber(int number);
    bool GetVoiceCidMode(QString& value);
    bool SetVoiceCidMode(const QString& value);
    bool GetTestCount(int& count);
    bool SetTestCount(int count);
    // Throw EConvertError when a pair of the value is no number.
    bool GetTestHours(std::array<int, 3>& hours);
    bool SetTestHour(int test, int hour);
    bool GetTestMinutes(std::array<int, 3>& minutes);
    bool SetTestMinute(int test, int minute);
    bool GetExtraTestPeriod(QString& value);
    bool SetExtraTestPeriod(const QString& value);
    bool GetPowerLossPeriod(QString& value);
    bool SetPowerLossPeriod(const QString& value);
    bool GetRestartEventFlag(bool& flag);
    bool SetRestartEventFlag(bool flag);
    bool GetPowerEvents(QString& value);
    bool SetPowerEvents(const QString& value);

    // GPRS and LAN.
    bool GetGprsChannels(bool& sim1, bool& sim2);
    bool SetGprsChannels(bool sim1, bool sim2);
    bool GetApnAddress(int sim, QString& value);
    bool SetApnAddress(int sim, const QString& value);
    bool GetApnLogin(int sim, QString& value);
    bool SetApnLogin(int sim, const QString& value);
    bool GetGprsDialNumber(int sim, QString& value);
    bool SetGprsDialNumber(int sim, const QString& value);
    bool GetApnPassword(int sim, QString& value);
    bool SetApnPassword(int sim, const QString& value);
    bool GetServerAddress(int server, QString& value);
    bool SetServerAddress(int server, const QString& value);
    bool GetServerPort(int server, QString& value);
    bool SetServerPort(int server, const QString& value);
    bool GetServerPassword(int server, QString& value);
    bool SetServerPassword(int server, const QString& value);
    bool GetGprsRetryTime(int& first, int& second);
    bool SetGprsRetryTime(int first, int second);
    bool GetGprsCompression(QString& value);
    bool SetGprsCompression(const QString& value);
    bool GetLanUse(QString& value);
    bool SetLanUse(const QString& value);
    bool GetLanOnline(QString& value);
    bool SetLanOnline(const QString& value);

    // Ways and telephone numbers.
    bool GetWaySwitchFlag(QString& value);
    bool SetWaySwitchFlag(const QString& value);
    // The descriptors of all ways in one answer, separated by blanks; stored in order, at most
    // as many as descriptors holds.
    bool GetWayDescriptors(std::span<QString> descriptors);
    bool SetWayDescriptor(int way, const QString& value);
    bool GetPhoneNumber(int way, QString& number);
    bool SetPhoneNumber(int way, const QString& number);
    bool GetAndGroup(int group, QString& value);
    bool SetAndGroup(int group, const QString& value);

    // Loops, keypads and engineering numbers.
    bool GetLoopStates(bool& loop1Open, bool& loop2Open);
    bool GetLoopUse(bool& f1, bool& f2, bool& f3, bool& f4);
    bool SetLoopUse(bool f1, bool f2, bool f3, bool f4);
    bool GetLoopCidString(int entry, QString& value);
    bool SetLoopCidString(int entry, const QString& value);
    bool GetKeypadCount(int& count);
    bool SetKeypadCount(int count);
    bool GetKeypadAddress(int keypad, QString& value);
    bool SetKeypadAddress(int keypad, int address);
    bool GetLinkLossCode(QString& value);
    bool SetLinkLossCode(const QString& value);
    bool GetEngineerNumbersFlag(QString& value);
    bool SetEngineerNumbersFlag(const QString& value);
    bool GetEngineerNumber(int n, QString& value);
    bool SetEngineerNumber(int n, const QString& value);

    // Event history.
    bool GetHistoryPointer(quint16& index);
    bool GetHistoryRecord(int index, QString& record);
    bool ClearHistory();

    // Raw boot-loader requests: answer not cut; frame and answer logged only when log is set.
    bool RequestBoot(const QString& command, QString& answer, bool log);
    bool RequestErase(const QString& command, QString& answer, bool log);
    bool RequestWrite(const QString& command, QString& answer, bool log);

private:
    bool Write(const QString& mnemonic, const QString& value);
    bool ReadThreeNumbers(const QString& mnemonic, std::array<int, 3>& numbers);
    bool ReadBits(const QString& mnemonic, int& bits);
};
