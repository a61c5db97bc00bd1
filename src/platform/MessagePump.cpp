#include "platform/MessagePump.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QList>
#include <QPointer>
#include <QThread>

namespace {

qint64 g_lastFullPumpMs = 0; // touched only on the user-interface thread

bool OnGuiThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// While it lives, the repaint requests of the windows are held back; at its end they are posted
// again, so the windows repaint at the next full handling as if nothing had happened.
class TPaintHold : public QObject {
public:
    TPaintHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~TPaintHold() override {
        QCoreApplication::instance()->removeEventFilter(this);
        for (const QPointer<QObject>& receiver : std::as_const(held_))
            if (receiver)
                QCoreApplication::postEvent(receiver, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    }
    TPaintHold(const TPaintHold&) = delete;
    TPaintHold& operator=(const TPaintHold&) = delete;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::UpdateRequest) return false;
        // A dialog that something opens meanwhile runs its own loop: it must paint.
        if (QThread::currentThread()->loopLevel() != loopLevel_) return false;
        // A window asks once and then waits for its request to be handled: one post each.
        for (const QPointer<QObject>& held : std::as_const(held_))
            if (held == receiver) return true;
        held_.append(receiver);
        return true;
    }

private:
    const int loopLevel_ = QThread::currentThread()->loopLevel();
    QList<QPointer<QObject>> held_;
};

} // namespace

void PumpMessages() {
    if (!OnGuiThread()) return;
    QCoreApplication::processEvents();
    g_lastFullPumpMs = Clock::NowMs();
}

void PumpMessagesPaintingEvery(qint64 paintMs) {
    if (!OnGuiThread()) return;
    if (Clock::NowMs() - g_lastFullPumpMs >= paintMs) {
        PumpMessages();
        return;
    }
    const TPaintHold hold;
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
}
