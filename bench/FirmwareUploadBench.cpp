// The automatic firmware update of a 64 KB image through the real upload thread, device
// controller and serial code to the fake boot loader over a pseudo-terminal. The fake paces the
// line like a 19200-baud wire (1920 bytes a second each way); the upload's own waits (40 ms after
// each packet try, the 15 s flash rewrite) run unscaled. Prints the wall time beside the time
// the wire and the waits alone need.
#include "device/ControllerHost.h"
#include "device/DeviceController.h"
#include "firmware/FirmwareImage.h"
#include "firmware/UpdateThread.h"
#include "firmware/UploadPackets.h"
#include "firmware/fUpdateIns.h"
#include "link/ComPortWorker.h"
#include "platform/Clock.h"
#include "support/FakeBootLoader.h"

#include <QApplication>
#include <QEventLoop>
#include <cstdio>

namespace {

constexpr int kBytesPerSecond = 1920;
constexpr int kImageBytes = 64 * 1024;

class TQuietHost : public TControllerHost {
public:
    void PausePollTimer() override {}
    void ResumePollTimer() override {}
    void ShowPanelVersion(const QString&) override {}
    void SetBusyCursor(bool) override {}
    QWidget* HostWindow() override { return nullptr; }
};

// The image's bytes.
QByteArray ImageBytes() {
    QByteArray image;
    for (int at = 0; at < kImageBytes; ++at)
        image.append(char(at * 13 & 0xFF));
    return image;
}

// The firmware text: the title, then 16-byte data records from address 0, then the end record.
QStringList FirmwareLines(const QByteArray& image) {
    QStringList lines{QStringLiteral("VER 01.004.014")};
    for (int address = 0; address < image.size(); address += 16) {
        QByteArray record;
        record.append(char(16));
        record.append(char(address >> 8));
        record.append(char(address & 0xFF));
        record.append(char(0));
        record.append(image.mid(address, 16));
        int sum = 0;
        for (char c : record)
            sum += quint8(c);
        record.append(char((256 - sum % 256) % 256));
        lines.append(u':' + QString::fromLatin1(record.toHex().toUpper()));
    }
    lines.append(QStringLiteral(":00000001FF"));
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakeBootLoader loader(kBytesPerSecond);
    // The echo and its "OK" on one line: the form that must not wait for the time-out.
    loader.SetEcho(FakeBootLoader::TEcho::SameLine);
    TComPortWorker worker(true, true);
    worker.Open(loader.PortPath(), br19200);
    TQuietHost host;
    TDeviceController device(&worker, nullptr, &host);
    device.NoGoodbye = true;

    TformUpdateIns window;
    const QByteArray image = ImageBytes();
    // Read as the update window reads the image the program carries.
    const TFirmwareImage firmware = ReadFirmwareImage(FirmwareLines(image));
    if (firmware.Rows.size() != kImageBytes / 16) {
        std::printf("the image does not read: %s\n", qPrintable(firmware.Fault));
        return 1;
    }
    const qint64 start = Clock::NowMs();
    TUpdateThread thread(&window, firmware.Rows, &device, start);
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread.start();
    loop.exec();
    const qint64 wallMs = Clock::NowMs() - start;

    const qint64 packets = (firmware.Rows.size() + 3) / 4;
    const qint64 wireBytes = loader.Received().size() + loader.AnswerBytes();
    const double wireMs = 1000.0 * double(wireBytes) / kBytesPerSecond;
    const double limitMs = wireMs + double(packets * kPacketPauseMs + kFlashRewriteMs);
    std::printf("64 KB image, %lld packets, %lld bytes on the wire at %d bytes/s\n", packets, wireBytes,
                kBytesPerSecond);
    const bool stored = loader.Image() == image;
    std::printf("result: %s, image stored %s, sums %s\n", window.UpdateState == 3 ? "done" : "FAILED",
                stored ? "identical to the file's bytes" : "DIFFERENT FROM THE FILE",
                loader.SumsMatched() ? "matched" : "WRONG");
    std::printf("wire-limited time %.1f s (wire %.1f s + pauses %.1f s), wall time %.1f s: %+.1f %%\n",
                limitMs / 1000, wireMs / 1000, (limitMs - wireMs) / 1000, double(wallMs) / 1000,
                100.0 * (double(wallMs) - limitMs) / limitMs);
    return window.UpdateState == 3 && stored && loader.SumsMatched() ? 0 : 1;
}
