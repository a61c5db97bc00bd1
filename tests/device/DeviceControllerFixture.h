#pragma once

#include "PanelFixture.h"
#include "device/ControllerHost.h"
#include "device/DeviceController.h"

#include <QWidget>
#include <atomic>
#include <memory>

// The main window as the device controller sees it: counts the timer's open pauses (it runs
// while none is open) and records the cursor and the status-bar text.
class FakeHost : public TControllerHost {
public:
    void PausePollTimer() override { ++depth; }
    void ResumePollTimer() override { --depth; }
    void ShowPanelVersion(const QString& text) override { versionText = text; }
    void SetBusyCursor(bool busy) override { cursorCalls.append(busy); }
    QWidget* HostWindow() override {
        ++windowRequests;
        return &window;
    }

    bool TimerRunning() const { return depth == 0; }

    std::atomic<int> depth{0}; // read by the fake panel's thread
    QString versionText;
    QList<bool> cursorCalls;
    int windowRequests = 0;
    QWidget window;
};

// The fake panel, noting for every frame whether the host's timer was paused when it came.
class WatchingPanel : public FakeStoringPanel {
public:
    explicit WatchingPanel(const FakeHost& host) : host_(host) {}
    ~WatchingPanel() override { Stop(); } // before the list that Respond fills goes

    // The frames that arrived while the timer was running.
    QList<QByteArray> FramesWhileTimerRan() const {
        std::lock_guard lock(mutex_);
        return unpaused_;
    }

protected:
    std::optional<QByteArray> Respond(const QByteArray& command) override {
        if (host_.depth.load() <= 0) unpaused_.append(command);
        return FakeStoringPanel::Respond(command);
    }

private:
    const FakeHost& host_;
    QList<QByteArray> unpaused_;
};

// The direct-cable transport, noting how many frames the panel had seen at each purge.
class CountingLink : public TComPortWorker {
public:
    explicit CountingLink(const FakePanel& panel) : TComPortWorker(true, true), panel_(panel) {}
    void Purge() override {
        purgesAtFrame.append(panel_.Frames().size());
        TComPortWorker::Purge();
    }
    QList<qsizetype> purgesAtFrame;

private:
    const FakePanel& panel_;
};

// The error lines a failed parameter adds to the controller's list.
inline QString ReadError(const QString& label) {
    return QStringLiteral("Ошибка при чтении параметра \"") + label + u'"';
}
inline QString WriteError(const QString& label) {
    return QStringLiteral("Ошибка при записи параметра \"") + label + u'"';
}

// A device controller over the real serial code, talking through a pseudo-terminal to the fake
// panel, with a recording log and a fake main window.
class ControllerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        link.Open(panel.PortPath(), br19200);
        controller = std::make_unique<TDeviceController>(&link, &log, &host);
    }
    void TearDown() override {
        controller.reset();
        Clock::SetScaleForTests(1.0);
    }

    // The frames one page transfer sends; the error list starts empty.
    QList<QByteArray> Transfer(TformIncl& page, bool write) {
        controller->ClearErrors();
        const qsizetype from = panel.Frames().size();
        write ? controller->WritePage(page) : controller->ReadPage(page);
        return panel.Frames().mid(from);
    }
    QStringList Errors() const { return controller->GetErrors(); }
    // The panel's firmware as the connect found it.
    void Firmware(int major, int minor) {
        controller->FirmwareMajor = major;
        controller->FirmwareMinor = minor;
    }

    FakeHost host;
    WatchingPanel panel{host};
    CountingLink link{panel};
    RecordingLog log;
    std::unique_ptr<TDeviceController> controller;
};
