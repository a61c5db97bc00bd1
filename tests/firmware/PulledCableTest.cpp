#include "UpdateFixture.h"

#include "app/pages/fHistory.h"
#include "link/SerialComm.h"
#include "support/HistoryRecords.h"

#include <QDir>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

// The USB adapter pulled out in the middle of a transfer: the fake panel's pseudo-terminal
// closes as a chosen frame arrives. Whatever ran, the program disconnects at once without the
// goodbye, says "Разрыв соединения с com-портом!", shows itself disconnected with the interface
// free, keeps the system's words in the log, and lets go of the port, so that a connect to the
// adapter plugged in again (a new pseudo-terminal) works.
namespace {

struct TPull {
    const char* name;
    QByteArray prefix; // the frame the panel vanishes at: the nth starting with this
    int nth;
    enum {
        ReadAll,
        WriteAll,
        HistoryPage,
        HistoryDownload,
        ServiceCommand,
        ServiceUpload,
        UpdateWindow
    } operation;
    QString failureLine; // the log's line for a firmware upload cut off
};

std::ostream& operator<<(std::ostream& out, const TPull& pull) {
    return out << pull.name;
}

const TPull kPulls[] = {
    {"ReadAll", "", 40, TPull::ReadAll, {}},
    {"WriteAll", "", 40, TPull::WriteAll, {}},
    {"HistoryPage", "fer", 5, TPull::HistoryPage, {}},
    {"HistoryDownload", "fer", 5, TPull::HistoryDownload, {}},
    {"ServiceCommand", "dc", 1, TPull::ServiceCommand, {}},
    {"ServiceUploadPackets", "W", 2, TPull::ServiceUpload,
     QStringLiteral("ОШИБКА! Прошивка не обновлена! Не удалось записать строку из файла прошивки.")},
    {"ServiceUploadErase", "EE", 1, TPull::ServiceUpload,
     QStringLiteral("ОШИБКА! Прошивка не обновлена! Не удалось стереть содержимое флэш.")},
    {"UpdateWindowPackets", "W", 2, TPull::UpdateWindow,
     QStringLiteral("ОШИБКА! Прошивка не обновлена! Не удалось записать строку из файла прошивки.")},
    {"UpdateWindowErase", "EE", 1, TPull::UpdateWindow,
     QStringLiteral("ОШИБКА! Прошивка не обновлена! Не удалось стереть содержимое флэш.")},
};

constexpr int kImageRows = 12;

// Descriptors of this process still open on the device at path (a vanished one reads
// "/dev/pts/N (deleted)").
int DescriptorsOn(const QString& path) {
    int open = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        open += target == path || target == path + QStringLiteral(" (deleted)");
    }
    return open;
}

} // namespace

class PulledCableTest : public UpdateFixture, public ::testing::WithParamInterface<TPull> {
protected:
    QStringList LogLines() const {
        QStringList lines;
        for (int i = 0; i < main->tvLog->topLevelItemCount(); ++i)
            lines.append(main->tvLog->topLevelItem(i)->text(0));
        return lines;
    }

    void Run(const TPull& pull) {
        switch (pull.operation) {
        case TPull::ReadAll:
            AppController->ReadAll();
            break;
        case TPull::WriteAll:
            AppController->WriteAll();
            break;
        case TPull::HistoryPage:
            AppController->SelectPage(
                int(AppController->PagePane()->children().indexOf(AppController->HistoryPage())));
            AppController->ReadPage();
            break;
        case TPull::HistoryDownload: {
            // "История.txt" goes into the current folder.
            const QString current = QDir::currentPath();
            QDir::setCurrent(folder.path());
            AppController->StartHistoryToFile();
            QDir::setCurrent(current);
            break;
        }
        case TPull::ServiceCommand:
            AppController->CheckOutputs();
            break;
        case TPull::ServiceUpload: {
            QStringList lines;
            for (int r = 0; r < kImageRows; ++r)
                lines.append(HexRecord(0, r * 16, ImageRow(r)));
            lines.append(QStringLiteral(":00000001FF"));
            UploadThroughMenu(WriteHexFile(folder.filePath(QStringLiteral("image.hex")), lines));
            break;
        }
        case TPull::UpdateWindow:
            // The thread runs on; the answer comes on this thread once it has ended.
            formUpdateIns->btnUpdateVer->click();
            WaitUntil([] { return !AppController->IsConnected(); }, 5000);
            break;
        }
    }
};

TEST_P(PulledCableTest, DisconnectsAtOnceSaysSoAndConnectsAgain) {
    const TPull& pull = GetParam();
    loader.SetValue("FP", "F0010");
    StoreHistoryRecords(loader, -16, 16);
    if (pull.operation == TPull::UpdateWindow)
        ASSERT_NO_FATAL_FAILURE(ConnectWithOffer(kImageRows));
    else
        ASSERT_NO_FATAL_FAILURE(Connect());
    const QString oldPort = loader.PortPath();
    const qsizetype framesBefore = loader.Frames().size();
    const qsizetype loggedBefore = LogLines().count(QStringLiteral("<<<<"));
    const qsizetype messagesBefore = dialogs->messages.size();
    const qsizetype dialogsBefore = dialogs->execedDialogs.size();
    loader.VanishAt(pull.prefix, pull.nth);

    Run(pull);

    ASSERT_FALSE(AppController->IsConnected());
    ASSERT_NE(loader.VanishedAtMs(), 0);
    EXPECT_LT(Clock::NowMs() - loader.VanishedAtMs(), 1000);
    ASSERT_EQ(dialogs->messages.size(), messagesBefore + 1);
    EXPECT_EQ(dialogs->messages.last().text, QStringLiteral("Разрыв соединения с com-портом!"));
    EXPECT_EQ(dialogs->messages.last().type, TMsgDlgType::mtError);
    for (const QString& shown : dialogs->execedDialogs.mid(dialogsBefore))
        EXPECT_EQ(shown, QStringLiteral("formUpdateInsertion")) << "no errors window";

    // The panel got the frame it vanished at last; every frame logged since reached it, so
    // nothing was sent after the loss (the goodbye included). The upload thread logs nothing.
    const QList<QByteArray> frames = loader.Frames().mid(framesBefore);
    ASSERT_FALSE(frames.isEmpty());
    EXPECT_TRUE(frames.last().startsWith(pull.prefix));
    if (!pull.prefix.isEmpty()) {
        EXPECT_EQ(frames.count(frames.last()), 1) << "not asked again";
    }
    const qsizetype logged = LogLines().count(QStringLiteral("<<<<")) - loggedBefore;
    EXPECT_EQ(logged, pull.operation == TPull::UpdateWindow ? 0 : frames.size());

    // The user's words in the message box, the system's in the log, and what was cut.
    const QStringList log = LogLines();
    static const QRegularExpression systemWords(
        QStringLiteral(R"(^Unable to (read from|write to) port\. \(.+ error (5|6): .+\)$)"));
    EXPECT_EQ(log.filter(systemWords).size(), 1) << log.join(u'\n').toStdString();
    if (pull.failureLine.isEmpty()) {
        EXPECT_TRUE(log.filter(QStringLiteral("ОШИБКА! Прошивка не обновлена!")).isEmpty());
    } else {
        EXPECT_EQ(log.count(pull.failureLine), 1) << log.join(u'\n').toStdString();
    }

    // Disconnected at once, on screen too, and free to use.
    EXPECT_FALSE(AppController->Busy());
    EXPECT_TRUE(main->MainEnabled());
    EXPECT_FALSE(formUpdateIns->isVisible());
    EXPECT_TRUE(main->tbConnect->isEnabled());
    EXPECT_TRUE(main->mnuConnect->isEnabled());
    EXPECT_FALSE(main->tbDisconnect->isEnabled());
    EXPECT_FALSE(main->tbReadAll->isEnabled());
    EXPECT_TRUE(main->ToolBar1->isEnabled());
    EXPECT_TRUE(main->tv1->isEnabled());
    EXPECT_EQ(main->StatusBar1->PanelText(0), QStringLiteral("Com"));
    EXPECT_EQ(main->StatusBar1->PanelText(1), QStringLiteral("Версия"));
    EXPECT_FALSE(main->Timer1->isActive());
    EXPECT_EQ(DescriptorsOn(oldPort), 0) << "the vanished port is closed";

    // The adapter plugged in again: the first connect works.
    FakeStoringPanel again;
    again.SetValue("v", "VER 01.004.014"); // the carried image's version: nothing to offer
    dialogs->QueueExec([&again](QDialog& dialog) {
        auto& connect = dynamic_cast<TFormConnect&>(dialog);
        connect.SetPorts({again.PortPath()});
        connect.ComPorts->setCurrentIndex(0);
        return int(mrOk);
    });
    main->ConnectAndOfferUpdate();
    EXPECT_TRUE(AppController->IsConnected());
    EXPECT_TRUE(main->tbDisconnect->isEnabled());
    EXPECT_EQ(main->StatusBar1->PanelText(0), ShortPortName(again.PortPath()));
    EXPECT_EQ(dialogs->messages.size(), messagesBefore + 1) << "no error on the new connect";
    AppController->Disconnect();
    EXPECT_EQ(again.Frames().mid(again.Frames().size() - 2), (QList<QByteArray>{"rb", "st"}))
        << "a connection that works says goodbye again";
}

INSTANTIATE_TEST_SUITE_P(EveryTransfer, PulledCableTest, ::testing::ValuesIn(kPulls),
                         [](const ::testing::TestParamInfo<TPull>& info) {
                             return std::string(info.param.name);
                         });
