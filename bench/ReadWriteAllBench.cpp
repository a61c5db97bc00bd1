// Read all and write all of every page through the main window (offscreen), the real controller
// chain with its progress window and log pane, over a pseudo-terminal to the fake panel paced as
// a 19200-baud wire both ways (1920 bytes a second), with 40 records in the panel's history.
// For each run it prints the exchanges, the time taken, the time the wire alone needs and their
// ratio, and the program's own time between the last byte of an answer and the next request:
// its median, its longest, and its longest where a new page starts. First it times the same
// gap for the bare transport without windows: what the pseudo-terminal itself costs on this
// machine. Runs: the first argument, 3 by default.
#include "app/controllers/ZV9TKFormsController.h"
#include "app/controllers/Startup.h"
#include "app/windows/fConnect.h"
#include "app/windows/fErrors.h"
#include "app/windows/fMain.h"
#include "link/ComPortWorker.h"
#include "platform/AppFolder.h"
#include "support/HistoryRecords.h"
#include "support/ScriptedDialogs.h"
#include "uikit/services/KtGlobals.h"
#include "uikit/splitter/KtSplitter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr int kBytesPerSecond = 1920;
constexpr int kHistoryRecords = 40;

// The program's controller; it only notes which frame starts each page.
class TTimedController : public TZV9TKFormsController {
public:
    TTimedController(TFormMain* main, const FakePanel& panel)
        : TZV9TKFormsController(main, main->ktCntSpl->LowerRight()->Pane(), main->tv1), panel_(panel) {}

    void ReadCurrent() override {
        pageStarts.append(panel_.Frames().size());
        TZV9TKFormsController::ReadCurrent();
    }
    void WriteCurrent() override {
        pageStarts.append(panel_.Frames().size());
        TZV9TKFormsController::WriteCurrent();
    }

    QList<qsizetype> pageStarts;

private:
    const FakePanel& panel_;
};

using TClock = FakePanel::TClock;

double Ms(TClock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

double Median(QList<double> values) {
    if (values.isEmpty()) return 0;
    std::sort(values.begin(), values.end());
    const qsizetype half = values.size() / 2;
    return values.size() % 2 ? values.at(half) : (values.at(half - 1) + values.at(half)) / 2;
}

struct TGaps {
    double median = 0;
    double longest = 0;
    QByteArray longestBefore; // the request after the longest
    double longestAtPage = 0; // where a page starts
    double sum = 0;
};

// The program's own time between each answer and the next request, over frames first..last.
TGaps Gaps(const FakePanel& panel, qsizetype first, qsizetype last, const QList<qsizetype>& pageStarts) {
    const QList<FakePanel::TExchangeTimes> times = panel.ExchangeTimes();
    const QList<QByteArray> frames = panel.Frames();
    TGaps gaps;
    QList<double> all;
    for (qsizetype i = first + 1; i <= last; ++i) {
        if (!times.at(i - 1).replied) continue;
        const double gap = Ms(times.at(i).request - *times.at(i - 1).replied);
        all.append(gap);
        gaps.sum += gap;
        if (gap > gaps.longest) {
            gaps.longest = gap;
            gaps.longestBefore = frames.at(i);
        }
        if (pageStarts.contains(i)) gaps.longestAtPage = std::max(gaps.longestAtPage, gap);
    }
    gaps.median = Median(all);
    return gaps;
}

// The same exchanges through the bare transport, without windows: what the pseudo-terminal and
// the request engine cost between two exchanges on this machine.
void LineAlone(FakePanel& panel) {
    TComPortWorker link(true, true);
    link.Open(panel.PortPath(), br19200);
    const qsizetype first = panel.Frames().size();
    QString answer;
    for (int i = 0; i < 40; ++i) {
        link.Send(QStringLiteral("+AN\r"));
        link.Receive(answer, QStringLiteral("OK"), 300);
    }
    const TGaps gaps = Gaps(panel, first, panel.Frames().size() - 1, {});
    std::printf("the transport alone, no windows: 40 exchanges, between answer and request median %.3f ms, "
                "longest %.3f ms\n",
                gaps.median, gaps.longest);
}

// One operation from its menu command to its return; false when it did not move every page or
// a parameter failed (the figures would not be those of a whole transfer).
bool Run(const char* name, QAction* command, FakeStoringPanel& panel, TTimedController& controller,
         qsizetype pages) {
    QStringList errors;
    ScriptedDialogs& dialogs = ScriptedDialogs::Current();
    dialogs.execScripts.clear();
    dialogs.QueueExec([&](QDialog& dialog) {
        const auto& window = dynamic_cast<TFormErrors&>(dialog);
        for (int row = 0; row < window.lErrors->rowCount(); ++row)
            errors.append(window.lErrors->item(row, 0)->text());
        return int(mrCancel);
    });
    const qsizetype first = panel.Frames().size();
    const qint64 firstBytes = panel.Received().size() + panel.ReplyBytes();
    controller.pageStarts.clear();
    const TClock::time_point started = TClock::now();
    command->trigger();
    const TClock::time_point ended = TClock::now();

    const QList<FakePanel::TExchangeTimes> times = panel.ExchangeTimes();
    const qsizetype last = times.size() - 1;
    if (last < first || !times.at(last).replied) {
        std::printf("%s: no exchange, or the last one unanswered\n", name);
        return false;
    }
    const double takenMs = Ms(ended - started);
    const qint64 wireBytes = panel.Received().size() + panel.ReplyBytes() - firstBytes;
    const double wireMs = 1000.0 * double(wireBytes) / kBytesPerSecond;
    const TGaps gaps = Gaps(panel, first, last, controller.pageStarts);
    const double beforeMs = Ms(times.at(first).request - started);
    const double afterMs = Ms(ended - *times.at(last).replied);
    std::printf("%-9s %3lld exchanges, %4lld bytes: taken %7.1f ms, wire %7.1f ms, ratio %.3f\n", name,
                static_cast<long long>(last + 1 - first), static_cast<long long>(wireBytes), takenMs, wireMs,
                takenMs / wireMs);
    std::printf("          between answer and request: median %.3f ms, longest %.3f ms (before \"%s\"), "
                "longest at a page change %.3f ms, all %.1f ms;\n"
                "          command to first request %.1f ms, last answer to return %.1f ms, "
                "the rest (the fake's own lateness) %.1f ms\n",
                gaps.median, gaps.longest, gaps.longestBefore.constData(), gaps.longestAtPage, gaps.sum, beforeMs,
                afterMs, takenMs - wireMs - gaps.sum - beforeMs - afterMs);
    for (const QString& error : errors)
        std::printf("    %s\n", qPrintable(error));
    return controller.pageStarts.size() == pages && errors.isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    ApplyDesktopLook();
    StartKtCommon();
    QTemporaryDir folder;
    SetAppFolderForTests(folder.path());
    QFile::copy(QStringLiteral(ZV9_RESOURCES_DIR "/Messages.txt"), folder.filePath(QStringLiteral("Messages.txt")));
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();

    FakeStoringPanel panel;
    StoreHistoryRecords(panel, 0, kHistoryRecords);
    // A panel set up for use: each loop reports a burglary in partition 1 for its own zone.
    for (int entry = 0; entry < 4; ++entry)
        panel.SetValue("i" + QByteArray::number(entry), "113001" + QByteArray::number(entry + 1).rightJustified(3, '0'));
    panel.SetValue("FP", "F" + QByteArray::number(kHistoryRecords, 16).toUpper().rightJustified(4, '0'));
    panel.SetLineSpeed(kBytesPerSecond);

    LineAlone(panel);

    auto main = std::make_unique<TFormMain>();
    FormMain = main.get();
    auto owned = std::make_unique<TTimedController>(main.get(), panel);
    TTimedController& controller = *owned;
    AppController = &controller;
    main->SetController(std::move(owned));
    main->show();

    dialogs.QueueExec([&](QDialog& dialog) {
        auto& connect = dynamic_cast<TFormConnect&>(dialog);
        connect.SetPorts({panel.PortPath()});
        connect.ComPorts->setCurrentIndex(0);
        connect.cbPhones->setEditText(QString());
        return int(mrOk);
    });
    main->tbConnect->trigger();
    if (!controller.IsConnected()) {
        std::printf("no connection to the fake panel\n");
        return 1;
    }

    const qsizetype pages = controller.Pages().size();
    bool whole = true;
    for (int i = 0; i < runs; ++i) {
        whole = Run("read all", main->mnuReadAll, panel, controller, pages) && whole;
        whole = Run("write all", main->mnuWriteAll, panel, controller, pages) && whole;
    }
    main->tbDisconnect->trigger();
    main.reset();
    FormMain = nullptr;
    SetAppFolderForTests(QString());
    return whole ? 0 : 1;
}
