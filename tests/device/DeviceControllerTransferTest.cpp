#include "DeviceControllerFixture.h"

#include "app/pages/fIn.h"
#include "app/windows/fProgress.h"
#include "base/Exceptions.h"

#include <QEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

const QString kObject = QStringLiteral("№ объекта");
const QString kTime = QStringLiteral("Время");

// A page routine of two parameters, built from the controller's helpers as the real ones are;
// between the two the test may act as the user would.
class TwoParameterController : public TDeviceController {
public:
    using TDeviceController::TDeviceController;

    void ReadTwo(const std::function<void()>& betweenParameters) {
        RunTransfer([&] {
            InitProgress(2);
            StepProgress();
            LogReading(kObject);
            int number = 0;
            if (!Device.GetObjectNumber(number)) AddReadError(kObject);
            betweenParameters();
            StepProgress();
            LogReading(kTime);
            QString time;
            if (!Device.GetClock(time)) AddReadError(kTime);
            StepProgress();
        });
    }
};

} // namespace

class Transfer : public ControllerFixture {
protected:
    void SetUp() override {
        link.Open(panel.PortPath(), br19200);
        twoParameters = new TwoParameterController(&link, &log, &host);
        controller.reset(twoParameters);
    }
    TFormProgress* ProgressWindow() const { return host.window.findChild<TFormProgress*>(); }

    TwoParameterController* twoParameters = nullptr;
};

TEST_F(Transfer, StepsTheBarAndLogsEachParameterAndCleansUpAfterALinkFailure) {
    int valueBetween = -1; // the bar's value between the two parameters, if it is shown
    twoParameters->ReadTwo([&] {
        if (ProgressWindow() && ProgressWindow()->isVisible()) valueBetween = ProgressWindow()->pb->value();
    });
    EXPECT_EQ(valueBetween, 1);
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"o", "AC"}));
    EXPECT_TRUE(panel.FramesWhileTimerRan().isEmpty());
    EXPECT_TRUE(controller->GetErrors().isEmpty());
    EXPECT_EQ(log.Texts().filter(QStringLiteral("Читаю")),
              (QStringList{"Читаю \"№ объекта\"", "Читаю \"Время\""}));

    EXPECT_THROW(twoParameters->ReadTwo([&] { link.Close(); }), EDeviceError);
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_TRUE(host.TimerRunning());
    controller->NoGoodbye = true;
}

TEST_F(Transfer, CancelBetweenTwoParametersEndsOnlyThatTransfer) {
    panel.SetFault("o", Silent()); // the first parameter fails and leaves its error line
    try {
        twoParameters->ReadTwo([&] {
            // The user's click arrives through the event queue, as it would during the transfer.
            QPushButton* cancel = ProgressWindow()->Button1;
            QMetaObject::invokeMethod(
                cancel, [cancel] { cancel->click(); }, Qt::QueuedConnection);
        });
        ADD_FAILURE() << "the transfer went on after the cancel";
    } catch (const TStopException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Отмена"));
    }
    EXPECT_FALSE(panel.WaitForFrames(4, 400)); // no frame for the second parameter
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"o", "o", "o"}));
    EXPECT_EQ(controller->GetErrors(), QStringList{ReadError(QStringLiteral("№ объекта"))});
    EXPECT_FALSE(log.Texts().contains(QStringLiteral("Читаю \"Время\"")));
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_TRUE(host.TimerRunning());

    panel.SetFault("o", FakeFault());
    EXPECT_NO_THROW(twoParameters->ReadTwo([] {}));
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"o", "o", "o", "o", "AC"}));
}

// "Отмена" pressed while the panel has not answered yet is heard during the wait: the window
// goes at once, the answer still comes in, and the transfer stops before the next parameter.
// Afterwards the transport waits without handling messages again.
TEST_F(Transfer, CancelWhileAnAnswerIsOnTheWayIsHeardAtOnce) {
    FakeFault slow;
    slow.delayMs = 250;
    panel.SetFault("o", slow);
    const qint64 start = Clock::NowMs();
    qint64 heardAfterMs = -1;
    bool hidden = false;
    QTimer::singleShot(50, &host.window, [&] {
        if (TFormProgress* window = ProgressWindow()) {
            window->Button1->click();
            heardAfterMs = Clock::NowMs() - start;
            hidden = !window->isVisible();
        }
    });
    EXPECT_THROW(twoParameters->ReadTwo([] {}), TStopException);
    EXPECT_GE(heardAfterMs, 0);
    EXPECT_LT(heardAfterMs, 200); // well before the answer
    EXPECT_TRUE(hidden);
    EXPECT_EQ(panel.Frames(), QList<QByteArray>{"o"});
    EXPECT_TRUE(controller->GetErrors().isEmpty());
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_FALSE(link.PumpWhileWaiting);
}

// The interface thread held up in the middle of a wait (a dialog opened from the log pane runs
// its own loop there) past the time-out: the answer that came meanwhile is taken, the request
// is not sent again and the parameter does not fail.
TEST_F(Transfer, AnAnswerThatCameWhileTheInterfaceWasHeldStillCounts) {
    FakeFault slow;
    slow.delayMs = 100;
    panel.SetFault("o", slow);
    QTimer::singleShot(30, &host.window, [] { Clock::SleepMs(600); });
    twoParameters->ReadTwo([] {});
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"o", "AC"}));
    EXPECT_TRUE(controller->GetErrors().isEmpty());
}

// Read all and write all keep one progress window from the first page to the last; a cancel
// pressed after one page's last step stops the next page before its first frame.
TEST_F(Transfer, PagesOfOneOperationShareTheWindowAndACancelBetweenThemIsHeard) {
    QPointer<TFormProgress> firstPageWindow;
    try {
        controller->RunTransfers([&] {
            twoParameters->ReadTwo([&] { firstPageWindow = ProgressWindow(); });
            ASSERT_TRUE(firstPageWindow);
            EXPECT_EQ(ProgressWindow(), firstPageWindow.data()) << "the window stays up between pages";
            EXPECT_TRUE(firstPageWindow->isVisible());
            firstPageWindow->Button1->click();
            twoParameters->ReadTwo([] {});
        });
        ADD_FAILURE() << "the next page ran after the cancel";
    } catch (const TStopException&) {
    }
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"o", "AC"}));
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_FALSE(link.PumpWhileWaiting);

    // Without the bracket every page takes its window down again.
    twoParameters->ReadTwo([] {});
    EXPECT_EQ(ProgressWindow(), nullptr);
}

// The bar's step is drawn while the next answer is on its way, not only at the next step.
TEST_F(Transfer, TheBarIsRepaintedWhileTheNextAnswerIsOnItsWay) {
    FakeFault slow;
    slow.delayMs = 150;
    panel.SetFault("AC", slow);
    struct PaintTimes : QObject {
        QList<qint64> at;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) at.append(Clock::NowMs());
            return false;
        }
    } paints;
    qint64 stepAt = 0;
    twoParameters->ReadTwo([&] {
        ProgressWindow()->pb->installEventFilter(&paints);
        stepAt = Clock::NowMs();
    });
    const auto firstAfterStep = std::find_if(paints.at.cbegin(), paints.at.cend(),
                                             [&](qint64 at) { return at >= stepAt; });
    ASSERT_NE(firstAfterStep, paints.at.cend());
    EXPECT_LT(*firstAfterStep - stepAt, 100);
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"o", "AC"}));
}

TEST_F(Transfer, PageWithoutRoutinesMovesNothing) {
    TformIncl page;
    controller->ReadPage(page);
    controller->WritePage(page);
    EXPECT_EQ(host.windowRequests, 2); // a progress window for each, freed again
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_FALSE(panel.WaitForFrames(1, 300));
    EXPECT_TRUE(controller->GetErrors().isEmpty());
    EXPECT_TRUE(host.TimerRunning());
}

TEST_F(Transfer, ErrorAndProgressLines) {
    controller->AddReadError(kObject);
    controller->AddWriteError(kTime);
    controller->AddWriteErrorDetail(QStringLiteral("Телефон 1"), QStringLiteral("недопустимый символ"));
    EXPECT_EQ(controller->GetErrors(),
              (QStringList{
                  QStringLiteral("Ошибка при чтении параметра \"№ объекта\""),
                  QStringLiteral("Ошибка при записи параметра \"Время\""),
                  QStringLiteral("Ошибка при записи параметра \"Телефон 1\" :недопустимый символ"),
              }));
    controller->LogWriting(kTime);
    ASSERT_EQ(log.lines.size(), 1);
    EXPECT_EQ(log.lines[0].text, QStringLiteral("Пишу \"Время\""));
    EXPECT_EQ(std::pair(log.lines[0].color, log.lines[0].background), std::pair(clBlack, clWhite));

    // Without a log the lines are skipped; without a progress window a step only handles messages.
    TDeviceController quiet(&link, nullptr, &host);
    quiet.NoGoodbye = true;
    quiet.LogReading(kObject);
    quiet.InitProgress(3);
    EXPECT_NO_THROW(quiet.StepProgress());
}
