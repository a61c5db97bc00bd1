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

// Holds back the repaint requests of the windows while it is installed; Release posts them
// again, so the windows repaint at the next full handling as if nothing had happened.
class TPaintHold : public QObject {
public:
    void Release() {
        for (const QPointer<QObject>& receiver : std::as_const(held_))
            if (receiver)
                QCoreApplication::postEvent(receiver, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
        held_.clear();
    }

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
    TPaintHold hold;
    QCoreApplication::instance()->installEventFilter(&hold);
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::instance()->removeEventFilter(&hold);
    hold.Release();
}
