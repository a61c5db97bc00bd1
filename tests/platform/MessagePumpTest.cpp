#include "platform/MessagePump.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Counts the paint events of a widget and the custom events sent to it.
class Watched : public QWidget {
public:
    int paints = 0;
    int calls = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        if (e->type() == QEvent::User) {
            ++calls;
            return true;
        }
        return QWidget::event(e);
    }
};

} // namespace

// A step between two exchanges hears everything pending (a click comes as such an event) but
// leaves repainting and timers to the next full handling; a repaint held back is not lost, and
// a step after a long stretch without a full handling repaints itself.
TEST(MessagePump, AStepHandlesEventsButLeavesRepaintingToTheNextFullHandling) {
    Watched window;
    window.resize(100, 60);
    window.show();
    PumpMessages();
    int fired = 0;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });

    window.paints = 0;
    window.update();
    timer.start();
    QCoreApplication::postEvent(&window, new QEvent(QEvent::User));
    PumpMessagesPaintingEvery(60000);
    EXPECT_EQ(window.calls, 1);
    EXPECT_EQ(window.paints, 0);
    EXPECT_EQ(fired, 0);
    PumpMessagesPaintingEvery(60000); // held again, still not lost
    EXPECT_EQ(window.paints, 0);

    PumpMessages();
    EXPECT_EQ(window.paints, 1);
    EXPECT_EQ(fired, 1);

    window.update();
    PumpMessagesPaintingEvery(0); // the last full handling is at least 0 ms ago
    EXPECT_EQ(window.paints, 2);

    // A modal loop that an event handled in a step starts (an error box) paints as always.
    PumpMessages();
    int paintsInLoop = -1;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            window.update();
            QEventLoop loop;
            QTimer::singleShot(50, &loop, &QEventLoop::quit);
            loop.exec();
            paintsInLoop = window.paints;
        },
        Qt::QueuedConnection);
    PumpMessagesPaintingEvery(60000);
    EXPECT_EQ(paintsInLoop, 3);
}
