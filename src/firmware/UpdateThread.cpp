#include "firmware/UpdateThread.h"

#include "app/routines/DurationText.h"
#include "base/Color.h"
#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "device/DeviceController.h"
#include "firmware/UploadPackets.h"
#include "firmware/fUpdateIns.h"
#include "platform/Clock.h"
#include "platform/Delay.h"

#include <QMetaObject>
#include <QSemaphore>
#include <atomic>
#include <memory>

TUpdateThread::TUpdateThread(TformUpdateIns* window, const QStringList& rows, TDeviceController* device,
                             qint64 startMs)
    : Window(window), Rows(rows), Device(device), StartMs(startMs) {}

void TUpdateThread::run() {
    Show([](TformUpdateIns& w) { w.MarkFailed(); });
    bool done = false;
    try {
        done = Device && Upload();
    } catch (const TCloseException& e) {
        emit LinkLost(stageFailure_, e.message(), true);
    } catch (const TCommException& e) {
        emit LinkLost(stageFailure_, e.message(), false);
    } catch (const std::exception&) {
        // A transport fault or a data digit that is no hex number: the update failed.
        done = false;
    }
    if (!done) Show([](TformUpdateIns& w) { w.ShowFailure(); });
}

bool TUpdateThread::Upload() {
    // Counted as the firmware text's lines: the title and one record a row.
    totalParts_ = UploadTotalParts(int(Rows.size()) + 1);
    Show([total = totalParts_](TformUpdateIns& w) {
        w.StopLinkCheck();
        w.SetTotalParts(total);
    });
    ShowTimes();
    Show([](TformUpdateIns& w) {
        w.ShowStatus(QStringLiteral("Идет переход в режим перепрошивки..."), clBlack);
    });
    QString answer;
    stageFailure_ = RowsNotWrittenText();
    // A boot loader that did not come up shows at the first packet.
    if (!Stopping()) Device->RequestBoot(QStringLiteral("BL"), answer, false);
    Step();
    Step();
    QString eraseCommand;
    if (!SendPackets(eraseCommand)) return false;
    if (!LockExit()) return false;
    stageFailure_ = FlashNotErasedText();
    if (!SendErase(eraseCommand)) return false;
    WaitForFlash();
    if (Stopping()) return false;
    Show([](TformUpdateIns& w) { w.CompleteBar(); });
    partsComplete_ = totalParts_;
    ShowTimes();
    Show([](TformUpdateIns& w) { w.ShowSuccess(); });
    return true;
}

bool TUpdateThread::SendPackets(QString& eraseCommand) {
    TUploadPackets packets;
    for (qsizetype i = 0; i < Rows.size(); i += 4) {
        Show([](TformUpdateIns& w) {
            w.ShowStatus(QStringLiteral("Идет загрузка новой версии прошивки..."), clBlack);
        });
        const QString packet = packets.Build(int(i), Rows.mid(i, 4));
        bool accepted = false;
        for (int attempt = 1; attempt <= 3 && !accepted; ++attempt) {
            if (!Stopping()) {
                QString answer;
                const bool answered = Device->RequestWrite(packet, answer, false);
                ShowElapsed();
                accepted = answered && EchoAccepted(packet, answer);
            }
            Delay(kPacketPauseMs);
        }
        if (!accepted) return false;
        Step();
    }
    eraseCommand = packets.EraseCommand();
    return true;
}

bool TUpdateThread::SendErase(const QString& eraseCommand) {
    // No pause between these tries: the request itself has tried three times.
    for (int attempt = 1; attempt <= 3; ++attempt) {
        Show([](TformUpdateIns& w) { w.ShowStatus(QStringLiteral("Идет перепрошивка..."), clBlack); });
        if (Stopping()) continue;
        QString answer;
        const bool accepted = Device->RequestErase(eraseCommand, answer, false);
        ShowElapsed();
        if (accepted) return true;
    }
    return false;
}

void TUpdateThread::WaitForFlash() {
    const qint64 start = Clock::NowMs();
    const qint64 waitMs = Clock::Scaled(kFlashRewriteMs);
    qint64 lastStep = start;
    while (Clock::NowMs() - start <= waitMs && !Stopping()) {
        const qint64 now = Clock::NowMs();
        if (now - lastStep >= kFlashStepMs) {
            lastStep = now;
            Step();
        }
        Clock::SleepMs(1);
    }
}

void TUpdateThread::Show(std::function<void(TformUpdateIns&)> change) {
    if (Stopping()) return;
    // Dropped by Qt when the window is gone; the window itself drops it once it has asked
    // this thread to stop.
    QMetaObject::invokeMethod(
        Window, [window = Window, change = std::move(change)] { window->FromUploadThread(change); },
        Qt::QueuedConnection);
}

bool TUpdateThread::LockExit() {
    if (Stopping()) return false;
    const auto locked = std::make_shared<std::atomic_bool>(false);
    const auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        Window,
        [window = Window, locked, done] {
            *locked = window->LockExitForFlash();
            done->release();
        },
        Qt::QueuedConnection);
    // Not a blocking queued call: the window waits for this thread to end once it has asked it
    // to stop (and Qt drops the call when the window is gone), so the wait gives way to a stop.
    while (!done->tryAcquire(1, 5))
        if (Stopping()) return false;
    return *locked;
}

void TUpdateThread::Step() {
    if (partsComplete_ < totalParts_) ++partsComplete_;
    Show([](TformUpdateIns& w) { w.StepBar(); });
    ShowTimes();
}

void TUpdateThread::ShowElapsed() {
    const qint64 elapsed = (Clock::NowMs() - StartMs) / 1000;
    Show([text = DurationText(quint32(elapsed))](TformUpdateIns& w) { w.ShowElapsed(text); });
}

void TUpdateThread::ShowTimes() {
    const qint64 elapsed = (Clock::NowMs() - StartMs) / 1000;
    // Before the first part is done the remaining time is shown as the elapsed one.
    const qint64 remaining =
        partsComplete_ == 0
            ? elapsed
            : RoundHalfEven(double(elapsed) / partsComplete_ * (totalParts_ - partsComplete_));
    ShowElapsed();
    Show([text = DurationText(quint32(remaining))](TformUpdateIns& w) { w.ShowRemaining(text); });
}
