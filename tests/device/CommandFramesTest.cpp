#include "PanelFixture.h"

#include <QLocale>
#include <array>
#include <vector>

namespace {

QDateTime Moment(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

} // namespace

using CommandFrames = PanelFixture;

TEST_F(CommandFrames, EveryOperationSendsItsExactFrame) {
    TDevZelvan9TK4& d = device;
    QString s;
    int n = 0, n2 = 0;
    bool f1 = false, f2 = false, f3 = false, f4 = false;
    quint16 pointer = 0;
    std::array<int, 3> three{};
    std::array<QString, 16> ways;
    // One call of every mnemonic family, read and write forms, with the frame (between "+" and CR)
    // it must send.
    // clang-format off
#define OP(call) [&] { return d.call; }
    const std::vector<std::pair<QByteArray, std::function<bool()>>> cases = {
        {"v", OP(GetVersion(s))}, {"sp", OP(StopPanel())}, {"st", OP(StartPanel())},
        {"st", OP(StartPanelAtExit())}, {"rb", OP(RestartPanel())}, {"dc", OP(CheckOutputs())},
        {"AQ", OP(GetSignalQuality(s))}, {"AC", OP(GetClock(s))},
        {"AS=09:05:07 06/12/26", OP(SetClock(Moment(2026, 12, 6, 9, 5, 7)))},
        {"AS=21:30:00 02/01/31", OP(SetClock(Moment(2031, 1, 2, 21, 30, 0)))},
        {"o", OP(GetObjectNumber(n))}, {"o=0007", OP(SetObjectNumber(7))},
        {"dt", OP(GetVoiceCidMode(s))}, {"dt=1", OP(SetVoiceCidMode("1"))},
        {"AN", OP(GetTestCount(n))}, {"AN=12", OP(SetTestCount(12))},
        {"AH", OP(GetTestHours(three))}, {"AH0=08", OP(SetTestHour(1, 8))},
        {"AM", OP(GetTestMinutes(three))}, {"AM1=05", OP(SetTestMinute(2, 5))},
        {"AA", OP(GetExtraTestPeriod(s))}, {"AA=0C", OP(SetExtraTestPeriod("0C"))},
        {"xx", OP(GetPowerLossPeriod(s))}, {"xx=1E", OP(SetPowerLossPeriod("1E"))},
        {"Y", OP(GetRestartEventFlag(f1))}, {"Y=1", OP(SetRestartEventFlag(true))},
        {"PO", OP(GetPowerEvents(s))}, {"PO=101", OP(SetPowerEvents("101"))},
        {"GA", OP(GetGprsChannels(f1, f2))}, {"GA=2", OP(SetGprsChannels(false, true))},
        {"GN1", OP(GetApnAddress(1, s))}, {"GN2=apn", OP(SetApnAddress(2, "apn"))},
        {"GU2", OP(GetApnLogin(2, s))}, {"GU1=gd", OP(SetApnLogin(1, "gd"))},
        {"GC1", OP(GetGprsDialNumber(1, s))}, {"GC2=*99#", OP(SetGprsDialNumber(2, "*99#"))},
        {"GP2", OP(GetApnPassword(2, s))}, {"GP1=", OP(SetApnPassword(1, QString()))},
        {"GS1", OP(GetServerAddress(1, s))}, {"GS1=10.0.0.1", OP(SetServerAddress(1, "10.0.0.1"))},
        {"GG1", OP(GetServerPort(1, s))}, {"GG1=8080", OP(SetServerPort(1, "8080"))},
        {"GI1", OP(GetServerPassword(1, s))}, {"GI1=s3", OP(SetServerPassword(1, "s3"))},
        {"GT", OP(GetGprsRetryTime(n, n2))}, {"GT=0530", OP(SetGprsRetryTime(5, 30))},
        {"P", OP(GetGprsCompression(s))}, {"P=1", OP(SetGprsCompression("1"))},
        {"LA", OP(GetLanUse(s))}, {"LA=2", OP(SetLanUse("2"))},
        {"DO", OP(GetWaySwitchFlag(s))}, {"DO=1", OP(SetWaySwitchFlag("1"))},
        {"D", OP(GetWayDescriptors(ways))}, {"D7=71100", OP(SetWayDescriptor(8, "71100"))},
        {"h7", OP(GetPhoneNumber(8, s))}, {"H1=+7900", OP(SetPhoneNumber(2, "+7900"))},
        {"AND0", OP(GetAndGroup(1, s))}, {"AND7=67", OP(SetAndGroup(8, "67"))},
        {"p", OP(GetLoopStates(f1, f2))},
        {"u", OP(GetLoopUse(f1, f2, f3, f4))}, {"u=5", OP(SetLoopUse(true, false, true, false))},
        // "i": the entry in decimal on write, in hex on read.
        {"i11=3", OP(SetLoopCidString(11, "3"))}, {"iB", OP(GetLoopCidString(11, s))},
        {"k", OP(GetKeypadCount(n))}, {"k=0A", OP(SetKeypadCount(10))},
        {"K0F", OP(GetKeypadAddress(16, s))}, {"K0A=00AB", OP(SetKeypadAddress(11, 0xAB))},
        {"AF", OP(GetLinkLossCode(s))}, {"AF=1354", OP(SetLinkLossCode("1354"))},
        {"e", OP(GetEngineerNumbersFlag(s))}, {"e=1", OP(SetEngineerNumbersFlag("1"))},
        {"j5", OP(GetEngineerNumber(5, s))}, {"J1=+7900", OP(SetEngineerNumber(1, "+7900"))},
        {"FP", OP(GetHistoryPointer(pointer))}, {"fer00AF", OP(GetHistoryRecord(0xAF, s))},
        {"FH", OP(ClearHistory())}, {"BL", OP(RequestBoot("BL", s, true))},
        {"EE=1", OP(RequestErase("EE=1", s, true))}, {"W=:0100", OP(RequestWrite("W=:0100", s, false))},
    };
#undef OP
    // clang-format on
    // The PC's time format may be 12-hour; the panel's clock is always set in 24-hour form.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    panel.SetReply("BL", "BL\r\nOK\r\n"); // the boot loader's entry is no panel parameter
    for (const auto& [frame, call] : cases) {
        SCOPED_TRACE(frame.constData());
        bool ok = false;
        EXPECT_EQ(WireBytes(call, ok), "+" + frame + "\r");
        EXPECT_TRUE(ok);
    }
    QLocale::setDefault(previous);
}

TEST_F(CommandFrames, CommandWithALineBreakIsNotSent) {
    // A value with CR or LF would reach the panel as two commands; the write fails instead.
    EXPECT_FALSE(device.SetApnAddress(1, QStringLiteral("net\r+FH")));
    EXPECT_FALSE(device.SetEngineerNumber(1, QStringLiteral("1\n2")));
    QString answer = QStringLiteral("stale");
    EXPECT_FALSE(device.RequestWrite(QStringLiteral(":10\r:20"), answer, true));
    EXPECT_EQ(answer, QString());
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_TRUE(panel.Received().isEmpty());
    // The same value without the break goes out as usual.
    EXPECT_TRUE(device.SetApnAddress(1, QStringLiteral("net+FH")));
    EXPECT_EQ(panel.Frames(), QList<QByteArray>{"GN1=net+FH"});
}
