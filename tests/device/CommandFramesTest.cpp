#include "PanelFixture.h"

#include <QLocale>
#include <array>
#include <vector>

namespace {

// Where the read operations of the table put their values.
struct Out {
    QString text;
    int number = 0;
    bool f1 = false, f2 = false, f3 = false, f4 = false;
    quint16 pointer = 0;
    std::array<int, 3> three{};
    std::array<QString, 16> ways;
};

struct FrameCase {
    QByteArray frame; // the command text between "+" and CR
    std::function<bool(TDevZelvan9TK4&, Out&)> call;
};

QDateTime Moment(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// One call of every mnemonic family, read and write forms, with the frame it must send.
const std::vector<FrameCase>& FrameCases() {
    using P = TDevZelvan9TK4;
    static const std::vector<FrameCase> cases = {
        {"v", [](P& p, Out& o) { return p.GetVersion(o.text); }},
        {"sp", [](P& p, Out&) { return p.StopPanel(); }},
        {"st", [](P& p, Out&) { return p.StartPanel(); }},
        {"st", [](P& p, Out&) { return p.StartPanelAtExit(); }},
        {"rb", [](P& p, Out&) { return p.RestartPanel(); }},
        {"dc", [](P& p, Out&) { return p.CheckOutputs(); }},
        {"AQ", [](P& p, Out& o) { return p.GetSignalQuality(o.text); }},
        {"AC", [](P& p, Out& o) { return p.GetClock(o.text); }},
        {"AS=09:05:07 06/12/26", [](P& p, Out&) { return p.SetClock(Moment(2026, 12, 6, 9, 5, 7)); }},
        {"AS=21:30:00 02/01/31", [](P& p, Out&) { return p.SetClock(Moment(2031, 1, 2, 21, 30, 0)); }},
        {"o", [](P& p, Out& o) { return p.GetObjectNumber(o.number); }},
        {"o=0007", [](P& p, Out&) { return p.SetObjectNumber(7); }},
        {"o=12345", [](P& p, Out&) { return p.SetObjectNumber(12345); }},
        {"dt", [](P& p, Out& o) { return p.GetVoiceCidMode(o.text); }},
        {"dt=1", [](P& p, Out&) { return p.SetVoiceCidMode(QStringLiteral("1")); }},
        {"AN", [](P& p, Out& o) { return p.GetTestCount(o.number); }},
        {"AN=12", [](P& p, Out&) { return p.SetTestCount(12); }},
        {"AH", [](P& p, Out& o) { return p.GetTestHours(o.three); }},
        {"AH0=08", [](P& p, Out&) { return p.SetTestHour(1, 8); }},
        {"AH2=23", [](P& p, Out&) { return p.SetTestHour(3, 23); }},
        {"AM", [](P& p, Out& o) { return p.GetTestMinutes(o.three); }},
        {"AM1=05", [](P& p, Out&) { return p.SetTestMinute(2, 5); }},
        {"AA", [](P& p, Out& o) { return p.GetExtraTestPeriod(o.text); }},
        {"AA=0C", [](P& p, Out&) { return p.SetExtraTestPeriod(QStringLiteral("0C")); }},
        {"xx", [](P& p, Out& o) { return p.GetPowerLossPeriod(o.text); }},
        {"xx=1E", [](P& p, Out&) { return p.SetPowerLossPeriod(QStringLiteral("1E")); }},
        {"Y", [](P& p, Out& o) { return p.GetRestartEventFlag(o.f1); }},
        {"Y=1", [](P& p, Out&) { return p.SetRestartEventFlag(true); }},
        {"Y=0", [](P& p, Out&) { return p.SetRestartEventFlag(false); }},
        {"PO", [](P& p, Out& o) { return p.GetPowerEvents(o.text); }},
        {"PO=101", [](P& p, Out&) { return p.SetPowerEvents(QStringLiteral("101")); }},
        {"GA", [](P& p, Out& o) { return p.GetGprsChannels(o.f1, o.f2); }},
        {"GA=2", [](P& p, Out&) { return p.SetGprsChannels(false, true); }},
        {"GA=3", [](P& p, Out&) { return p.SetGprsChannels(true, true); }},
        {"GA=0", [](P& p, Out&) { return p.SetGprsChannels(false, false); }},
        {"GN1", [](P& p, Out& o) { return p.GetApnAddress(1, o.text); }},
        {"GN2=internet", [](P& p, Out&) { return p.SetApnAddress(2, QStringLiteral("internet")); }},
        {"GU2", [](P& p, Out& o) { return p.GetApnLogin(2, o.text); }},
        {"GU1=gdata", [](P& p, Out&) { return p.SetApnLogin(1, QStringLiteral("gdata")); }},
        {"GC1", [](P& p, Out& o) { return p.GetGprsDialNumber(1, o.text); }},
        {"GC2=*99#", [](P& p, Out&) { return p.SetGprsDialNumber(2, QStringLiteral("*99#")); }},
        {"GP2", [](P& p, Out& o) { return p.GetApnPassword(2, o.text); }},
        {"GP1=", [](P& p, Out&) { return p.SetApnPassword(1, QString()); }},
        {"GS1", [](P& p, Out& o) { return p.GetServerAddress(1, o.text); }},
        {"GS1=10.0.0.1", [](P& p, Out&) { return p.SetServerAddress(1, QStringLiteral("10.0.0.1")); }},
        {"GG1", [](P& p, Out& o) { return p.GetServerPort(1, o.text); }},
        {"GG1=8080", [](P& p, Out&) { return p.SetServerPort(1, QStringLiteral("8080")); }},
        {"GI1", [](P& p, Out& o) { return p.GetServerPassword(1, o.text); }},
        {"GI1=s3", [](P& p, Out&) { return p.SetServerPassword(1, QStringLiteral("s3")); }},
        {"GT", [](P& p, Out& o) { return p.GetGprsRetryTime(o.number, o.three[0]); }},
        {"GT=0500", [](P& p, Out&) { return p.SetGprsRetryTime(5, 0); }},
        {"GT=1530", [](P& p, Out&) { return p.SetGprsRetryTime(15, 30); }},
        {"P", [](P& p, Out& o) { return p.GetGprsCompression(o.text); }},
        {"P=1", [](P& p, Out&) { return p.SetGprsCompression(QStringLiteral("1")); }},
        {"LA", [](P& p, Out& o) { return p.GetLanUse(o.text); }},
        {"LA=2", [](P& p, Out&) { return p.SetLanUse(QStringLiteral("2")); }},
        {"LA", [](P& p, Out& o) { return p.GetLanOnline(o.text); }},
        {"LA=1", [](P& p, Out&) { return p.SetLanOnline(QStringLiteral("1")); }},
        {"DO", [](P& p, Out& o) { return p.GetWaySwitchFlag(o.text); }},
        {"DO=1", [](P& p, Out&) { return p.SetWaySwitchFlag(QStringLiteral("1")); }},
        {"D", [](P& p, Out& o) { return p.GetWayDescriptors(o.ways); }},
        {"D2=00100", [](P& p, Out&) { return p.SetWayDescriptor(3, QStringLiteral("00100")); }},
        {"D7=71100", [](P& p, Out&) { return p.SetWayDescriptor(8, QStringLiteral("71100")); }},
        {"h0", [](P& p, Out& o) { return p.GetPhoneNumber(1, o.text); }},
        {"h7", [](P& p, Out& o) { return p.GetPhoneNumber(8, o.text); }},
        {"H1=+79001234567", [](P& p, Out&) { return p.SetPhoneNumber(2, QStringLiteral("+79001234567")); }},
        {"AND0", [](P& p, Out& o) { return p.GetAndGroup(1, o.text); }},
        {"AND7=67", [](P& p, Out&) { return p.SetAndGroup(8, QStringLiteral("67")); }},
        {"p", [](P& p, Out& o) { return p.GetLoopStates(o.f1, o.f2); }},
        {"u", [](P& p, Out& o) { return p.GetLoopUse(o.f1, o.f2, o.f3, o.f4); }},
        {"u=5", [](P& p, Out&) { return p.SetLoopUse(true, false, true, false); }},
        {"u=A", [](P& p, Out&) { return p.SetLoopUse(false, true, false, true); }},
        {"u=F", [](P& p, Out&) { return p.SetLoopUse(true, true, true, true); }},
        {"i3", [](P& p, Out& o) { return p.GetLoopCidString(3, o.text); }},
        {"i3=113101001", [](P& p, Out&) { return p.SetLoopCidString(3, QStringLiteral("113101001")); }},
        {"i11=3", [](P& p, Out&) { return p.SetLoopCidString(11, QStringLiteral("3")); }}, // write: decimal
        {"iB", [](P& p, Out& o) { return p.GetLoopCidString(11, o.text); }},               // read: hex
        {"k", [](P& p, Out& o) { return p.GetKeypadCount(o.number); }},
        {"k=0A", [](P& p, Out&) { return p.SetKeypadCount(10); }},
        {"K0F", [](P& p, Out& o) { return p.GetKeypadAddress(16, o.text); }},
        {"K00=00FF", [](P& p, Out&) { return p.SetKeypadAddress(1, 255); }},
        {"K0A=ABCD", [](P& p, Out&) { return p.SetKeypadAddress(11, 0xABCD); }},
        {"AF", [](P& p, Out& o) { return p.GetLinkLossCode(o.text); }},
        {"AF=1354", [](P& p, Out&) { return p.SetLinkLossCode(QStringLiteral("1354")); }},
        {"e", [](P& p, Out& o) { return p.GetEngineerNumbersFlag(o.text); }},
        {"e=1", [](P& p, Out&) { return p.SetEngineerNumbersFlag(QStringLiteral("1")); }},
        {"j5", [](P& p, Out& o) { return p.GetEngineerNumber(5, o.text); }},
        {"J1=+7900", [](P& p, Out&) { return p.SetEngineerNumber(1, QStringLiteral("+7900")); }},
        {"FP", [](P& p, Out& o) { return p.GetHistoryPointer(o.pointer); }},
        {"fer000A", [](P& p, Out& o) { return p.GetHistoryRecord(10, o.text); }},
        {"ferFFFF", [](P& p, Out& o) { return p.GetHistoryRecord(65535, o.text); }},
        {"FH", [](P& p, Out&) { return p.ClearHistory(); }},
        {"BL", [](P& p, Out& o) { return p.RequestBoot(QStringLiteral("BL"), o.text, true); }},
        {"EE=1", [](P& p, Out& o) { return p.RequestErase(QStringLiteral("EE=1"), o.text, true); }},
        {"W=:0100", [](P& p, Out& o) { return p.RequestWrite(QStringLiteral("W=:0100"), o.text, false); }},
    };
    return cases;
}

} // namespace

using CommandFrames = PanelFixture;

TEST_F(CommandFrames, EveryOperationSendsItsExactFrame) {
    // The PC's time format may be 12-hour; the panel's clock is always set in 24-hour form.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    panel.SetReply("BL", "BL\r\nOK\r\n"); // the boot loader's entry is no panel parameter
    for (const FrameCase& c : FrameCases()) {
        SCOPED_TRACE(c.frame.constData());
        Out out;
        bool ok = false;
        const QByteArray wire = WireBytes([&] { return c.call(device, out); }, ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(wire, "+" + c.frame + "\r");
    }
    QLocale::setDefault(previous);
}

TEST_F(CommandFrames, MnemonicsAreCaseSensitive) {
    // Reads and writes of one parameter differ in letter case; the fake panel keeps them apart
    // as the panel does, so a mixed-up case would not read back what was written.
    ASSERT_TRUE(device.SetPhoneNumber(1, QStringLiteral("+7W1")));
    ASSERT_TRUE(device.SetEngineerNumber(2, QStringLiteral("8800")));
    ASSERT_TRUE(device.SetKeypadCount(3));
    ASSERT_TRUE(device.SetKeypadAddress(3, 0x12));
    QString phone, engineer, address;
    int count = 0;
    EXPECT_TRUE(device.GetPhoneNumber(1, phone));
    EXPECT_TRUE(device.GetEngineerNumber(2, engineer));
    EXPECT_TRUE(device.GetKeypadCount(count));
    EXPECT_TRUE(device.GetKeypadAddress(3, address));
    EXPECT_EQ(phone, QStringLiteral("+7W1"));
    EXPECT_EQ(engineer, QStringLiteral("8800"));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(address, QStringLiteral("0012"));
    EXPECT_EQ(panel.Frames(),
              (QList<QByteArray>{"H0=+7W1", "J2=8800", "k=03", "K02=0012", "h0", "j2", "k", "K02"}));
}

TEST_F(CommandFrames, CommandWithALineBreakIsNotSent) {
    // A value with CR or LF would reach the panel as two commands; the write fails instead.
    bool ok = true;
    EXPECT_EQ(WireBytes([&] { return device.SetApnAddress(1, QStringLiteral("net\r+FH")); }, ok),
              QByteArray());
    EXPECT_FALSE(ok);
    EXPECT_EQ(WireBytes([&] { return device.SetEngineerNumber(1, QStringLiteral("1\n2")); }, ok),
              QByteArray());
    EXPECT_FALSE(ok);
    QString answer = QStringLiteral("stale");
    EXPECT_FALSE(device.RequestWrite(QStringLiteral(":10\r:20"), answer, true));
    EXPECT_EQ(answer, QString());
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_TRUE(panel.Frames().isEmpty());
    // The same value without the break goes out as usual.
    EXPECT_TRUE(device.SetApnAddress(1, QStringLiteral("net+FH")));
    EXPECT_EQ(panel.Frames(), QList<QByteArray>{"GN1=net+FH"});
}
