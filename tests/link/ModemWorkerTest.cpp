#include "base/Exceptions.h"
#include "link/ModemTestSupport.h"
#include "PrintQt.h"
#include "platform/Clock.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The message of the TModemException that action raises, or "" when it raises none.
template <class F> QString ModemFailure(F action) {
    try {
        action();
    } catch (const TModemException& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST_F(ModemFixture, RegisteredOnlyInTheHomeNetworkOrRoaming) {
    modem.SetRegistration({"0,1", "0,5", "0,2", "1,1", "0,0"}); // 0,2 searching; 1,1 another reporting mode
    for (bool registered : {true, true, false, true, false})
        EXPECT_EQ(worker.IsRegistered(), registered);
    EXPECT_EQ(modem.CountOf("AT+CREG?"), 5);
}

namespace {

struct RegistrationAnswer {
    QByteArray reply; // the modem's whole answer to "AT+CREG?"
    bool registered;
};

void PrintTo(const RegistrationAnswer& answer, std::ostream* os) {
    ::PrintTo(answer.reply, os);
}

class ModemRegistration : public ModemFixture, public ::testing::WithParamInterface<RegistrationAnswer> {};

// Information lines as a modem frames them, then "OK".
RegistrationAnswer Lines(const QByteArray& lines, bool registered) {
    return {"\r\n" + lines + "\r\n\r\nOK\r\n", registered};
}

} // namespace

// The second number decides, whatever report setting the modem was left in; only the answer asked
// for counts, not an unsolicited report or a garbled line.
TEST_P(ModemRegistration, SecondNumberOneOrFiveIsRegistered) {
    modem.SetReply("AT+CREG?", GetParam().reply);
    EXPECT_EQ(worker.IsRegistered(), GetParam().registered);
    EXPECT_EQ(modem.CountOf("AT+CREG?"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ModemRegistration,
    ::testing::Values(
        Lines("+CREG: 0,1", true), Lines("+CREG: 0,5", true), Lines("+CREG: 1,1", true),
        Lines("+CREG: 1,5", true), Lines("+CREG: 2,1,\"1A2B\",\"3C4D\"", true),
        Lines("+CREG: 2,5,\"1A2B\",\"3C4D\",0", true),
        Lines("+creg:2 , 5", true),                      // letter case, blanks
        Lines("+CREG: 2\r\n\r\n+CREG: 1,1", true),       // an unsolicited report before it
        RegistrationAnswer{"AT+CREG?\r" + Lines("+CREG: 1,5", true).reply, true}, // echo on
        Lines("+CREG: 0,0", false), Lines("+CREG: 1,2", false), Lines("+CREG: 0,3", false),
        Lines("+CREG: 2,4", false), Lines("+CREG: 2,2,\"1A2B\",\"3C4D\"", false),
        // Garbled or not the answer asked for: not registered, so polling goes on.
        Lines("+CREG: 0,15", false), Lines("+CREG: 01", false), Lines("+CREG: 5", false),
        Lines("+CREG: 1", false), Lines("+CREG: 1,\"1A2B\",\"3C4D\"", false),
        Lines("+CREG: 1\r\n\r\n+CREG: 2,2", false), Lines("+CREG: x,1", false), Lines("+CREG: 0,x", false),
        Lines("+CREG: 10,1", false), Lines("+CREG: 3,1", false), Lines("+CREG: ,1", false),
        Lines("+CREG 0,1", false), Lines("+CGREG: 0,1", false), Lines("+CREG:", false),
        RegistrationAnswer{"\r\nOK\r\n", false}));

TEST_F(ModemFixture, UnansweredCommandsAreTriedAndTimedOutAsGiven) {
    Clock::SetScaleForTests(0.005);
    const FakeFault silent = Silent();
    modem.SetFault("ATZ", silent);
    modem.SetFault("AT", silent);
    modem.SetDialResult({});

    EXPECT_FALSE(worker.ResetModem());
    EXPECT_FALSE(worker.CheckAT());
    EXPECT_EQ(modem.CountOf("ATZ"), 3);
    EXPECT_EQ(modem.CountOf("AT"), 2);

    // One try of 81 s (scaled to 405 ms).
    const qint64 start = Clock::NowMs();
    EXPECT_FALSE(worker.Dial(QStringLiteral("5551234")));
    const qint64 elapsed = Clock::NowMs() - start;
    EXPECT_GT(elapsed, 405);
    EXPECT_LT(elapsed, 2000);
    EXPECT_EQ(modem.CountOf("ATD 5551234"), 1);
}

TEST_F(ModemFixture, EachFailureAnswerRaisesItsMessageAndDropsTheCall) {
    const QList<std::pair<QByteArray, QString>> cases = {
        {"BUSY", QStringLiteral("ОШИБКА! Линия занята(BUSY)!")},
        {"NO CARRIER",
         QStringLiteral("ОШИБКА! Не могу установить соединение или оно разорвано(NO CARRIER)!")},
        {"NO DIALTONE", QStringLiteral("ОШИБКА! Нет сигнала в линии(NO DIALTONE)!")},
        {"DISCONNECT", QStringLiteral("ОШИБКА! Обрыв Соединения(DISCONNECT)!")},
        {"no answer", QStringLiteral("ОШИБКА! Нет ответа(NO ANSWER)!")},
    };
    for (const auto& [word, message] : cases) {
        modem.SetDialResult(word);
        worker.Connected = true;
        EXPECT_EQ(ModemFailure([&] { worker.Dial(QStringLiteral("5551234")); }), message) << word.constData();
        EXPECT_FALSE(worker.Connected);
    }
}

// Over a call, panel values that hold the modem's words are data; only the modem's own result
// lines count: "ERROR" fails the exchange (the fourth in a row raises), a failure word ends the link.
TEST_F(ModemFixture, FailureWordsCountOnlyAsTheModemsOwnLines) {
    Call();
    modem.Panel().SetAnswer("v", "VER 01 4.13");
    modem.Panel().SetAnswer("a", "error.apn");
    modem.Panel().SetAnswer("p", "busy1");
    modem.Panel().SetAnswer("n", "No Carrier");
    QString answer;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Exchange(QStringLiteral("a"), answer));
        ASSERT_TRUE(Exchange(QStringLiteral("p"), answer));
        ASSERT_TRUE(Exchange(QStringLiteral("n"), answer));
    }
    EXPECT_EQ(answer, QStringLiteral(">No Carrier\nOK\n"));
    EXPECT_EQ(worker.ErrorCount, 0);
    EXPECT_TRUE(worker.Connected);

    modem.Panel().SetReply("e", "\r\nERROR\r\n");
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Exchange(QStringLiteral("e"), answer));
    EXPECT_EQ(worker.ErrorCount, 3);
    ASSERT_TRUE(Exchange(QStringLiteral("v"), answer)); // a clean answer breaks the row
    EXPECT_EQ(worker.ErrorCount, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Exchange(QStringLiteral("e"), answer));
    EXPECT_EQ(ModemFailure([&] { Exchange(QStringLiteral("e"), answer); }),
              QStringLiteral("ОШИБКА! Слишком много ошибока от модема!"));
    EXPECT_FALSE(worker.Connected);

    worker.Connected = true;
    modem.Panel().SetReply("b", ">1\r\nBUSY\r\n");
    EXPECT_EQ(ModemFailure([&] { Exchange(QStringLiteral("b"), answer); }),
              QStringLiteral("ОШИБКА! Линия занята(BUSY)!"));
    EXPECT_FALSE(worker.Connected);
}

TEST_F(ModemFixture, ModemAnsweringErrorRaisesOnTheFourthCommand) {
    modem.SetReply("AT", "\r\nERROR\r\n");
    EXPECT_FALSE(worker.CheckAT()); // two tries, two errors
    EXPECT_FALSE(worker.SendAT(QStringLiteral("AT"), QStringLiteral("OK"), 1, 21000));
    EXPECT_EQ(ModemFailure([&] { worker.CheckAT(); }),
              QStringLiteral("ОШИБКА! Слишком много ошибока от модема!"));
    EXPECT_EQ(modem.CountOf("AT"), 4);
}

TEST_F(ModemFixture, PendingTextIsCheckedBeforeEverySend) {
    Call();
    modem.DropCall();
    Clock::SleepMs(50);
    EXPECT_EQ(ModemFailure([&] { worker.Send(QStringLiteral("+v\r")); }),
              QStringLiteral("ОШИБКА! Не могу установить соединение или оно разорвано(NO CARRIER)!"));
    EXPECT_TRUE(modem.Panel().Frames().isEmpty());

    // What is pending can also be read as it is, without CR.
    modem.Write("\r\nRING\r\n");
    Clock::SleepMs(50);
    QString pending;
    EXPECT_TRUE(worker.ReadPending(pending, 0));
    EXPECT_EQ(pending, QStringLiteral("\nRING\n"));
}

TEST_F(ModemFixture, StopFlagEndsEveryWaitAtOnce) {
    worker.StopFlag = true;
    const qint64 start = Clock::NowMs();
    QString answer;
    EXPECT_FALSE(worker.Receive(answer, QStringLiteral("OK"), 5000));
    EXPECT_FALSE(worker.ReceiveAny(answer, {QStringLiteral("OK")}, 5000));
    EXPECT_FALSE(worker.SetBearerService()); // 21000 tries, none made
    EXPECT_FALSE(worker.IsRegistered());
    EXPECT_LT(Clock::NowMs() - start, 500);
    EXPECT_TRUE(modem.Commands().isEmpty());
}

TEST_F(ModemFixture, ReceiveAnyFindsAnItemAndWatchesForFailureAnswers) {
    worker.Send(QStringLiteral("AT+CREG?\r\n"));
    QString answer;
    EXPECT_TRUE(worker.ReceiveAny(answer, {QStringLiteral("+creg: 0,1"), QStringLiteral("zz")}, 1000));
    EXPECT_FALSE(answer.contains(u'\r'));
    modem.SetReply("ATX", "\r\nNO ANSWER\r\n");
    worker.Send(QStringLiteral("ATX\r\n"));
    EXPECT_EQ(ModemFailure([&] { worker.ReceiveAny(answer, {QStringLiteral("OK")}, 1000); }),
              QStringLiteral("ОШИБКА! Нет ответа(NO ANSWER)!"));
}

// The pause between two looks handles window messages; one of them may hold the thread past the
// time-out (a dialog opened meanwhile). The answer that came in by then still counts.
TEST_F(ModemFixture, AnAnswerThatCameWhileThePauseWasHeldStillCounts) {
    modem.SetReply("ATX", "\r\nOK\r\n");
    QTimer::singleShot(0, [] { Clock::SleepMs(400); });
    worker.Send(QStringLiteral("ATX\r\n"));
    QString answer;
    EXPECT_TRUE(worker.Receive(answer, QStringLiteral("OK"), 100));
    EXPECT_EQ(answer, QStringLiteral("\nOK\n"));
}

TEST_F(ModemFixture, EndCallEscapesAndHangsUpAndSwallowsALateResultCode) {
    Call();
    QStringList logged;
    auto log = [&](const QString& line) { logged.append(line); };
    worker.EndCall(log);
    EXPECT_EQ(logged, (QStringList{QStringLiteral("+++"), QStringLiteral("ATH")}));
    ASSERT_TRUE(modem.WaitForCommands(3, 1000));
    EXPECT_FALSE(modem.InCall());
    EXPECT_TRUE(modem.Received().endsWith("+++ATH\r\n"));

    // The call ended at the far end just as we escape: the result code must not escape.
    Call();
    modem.SetReply("+++", "\r\nNO CARRIER\r\n");
    logged.clear();
    EXPECT_NO_THROW(worker.EndCall(log));
    EXPECT_EQ(logged, (QStringList{QStringLiteral("+++"), QStringLiteral("ATH")}));
    ASSERT_TRUE(modem.WaitForCommands(6, 1000)) << "the hang-up still reaches the modem";
    EXPECT_EQ(modem.CountOf("ATH"), 2);
    EXPECT_TRUE(modem.Received().endsWith("+++ATH\r\n"));
    EXPECT_FALSE(worker.Connected);
    EXPECT_TRUE(worker.IsOpen());
}

TEST_F(ModemFixture, LinkCheckNeedsTheCallAndAnAnswerFromThePanel) {
    Call();
    modem.Panel().SetAnswer("v", "VER 01 4.13");
    int reads = 0;
    auto readVersion = [&] {
        ++reads;
        QString answer;
        return Exchange(QStringLiteral("v"), answer);
    };
    EXPECT_TRUE(worker.LinkAlive(readVersion));

    modem.DropCall();
    Clock::SleepMs(50);
    EXPECT_FALSE(worker.LinkAlive(readVersion)); // the failure answer does not escape
    EXPECT_FALSE(worker.Connected);
    EXPECT_EQ(reads, 2);
    EXPECT_FALSE(worker.LinkAlive(readVersion)); // no call: no exchange at all
    EXPECT_EQ(reads, 2);
}
