#include "DeviceControllerFixture.h"

#include "app/controls/StringGrid.h"
#include "app/pages/fHistory.h"
#include "app/windows/fProgress.h"
#include "base/Cp1251.h"
#include "base/Exceptions.h"
#include "support/HistoryRecords.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

class HistoryTransfer : public ControllerFixture {
protected:
    void SetUp() override {
        ControllerFixture::SetUp();
        page.WayNames = [](int way) {
            return way == 2 ? QStringLiteral("GSM-SIM1 цифр.") : QStringLiteral("?");
        };
    }

    QList<QByteArray> FramesSince(qsizetype mark) const { return panel.Frames().mid(mark); }
    // The record frames of indexes from .. to-1, in order.
    static QList<QByteArray> Fers(int from, int to) {
        QList<QByteArray> frames;
        for (int i = from; i < to; ++i)
            frames << HistoryRecordCommand(i);
        return frames;
    }
    QString Cell(int column, int row) const { return page.StringGrid1->Cell(column, row); }
    std::string Row(int row) const {
        QStringList cells;
        for (int column = 0; column < 12; ++column)
            cells << Cell(column, row);
        return cells.join(u'|').toStdString();
    }
    // Column 0 of rows 1 to 32, and the indexes from .. to-1 newest first, as those rows show them.
    QStringList Indexes() const {
        QStringList indexes;
        for (int row = 1; row <= 32; ++row)
            indexes << Cell(0, row);
        return indexes;
    }
    static QStringList Range(int from, int to) {
        QStringList indexes;
        for (int i = to - 1; i >= from; --i)
            indexes << QString::number(i & 0xFFFF);
        return indexes;
    }
    // Clicks "Отмена" of the transfer's progress window at the first message handling after
    // delayMs.
    void CancelAfter(int delayMs) {
        QTimer::singleShot(delayMs, &page, [this] {
            if (auto* progress = host.window.findChild<TFormProgress*>()) progress->Button1->click();
        });
    }

    TFormHistory page;
};

TEST_F(HistoryTransfer, ReadsThePageBeforeTheWritePointerAcrossTheRingAndPagesThroughTheCache) {
    panel.SetValue("FP", "F000A");
    StoreHistoryRecords(panel, -64, 10);
    controller->ReadPage(page);
    EXPECT_EQ(panel.Frames(), QList<QByteArray>{"FP"} + Fers(-22, 10)) << "FFEA .. 0009";
    EXPECT_EQ(Indexes(), Range(-22, 10));
    EXPECT_EQ(Row(1),
              "9|08:30:15 00000009|1234|131|Тревога| |0|100|1234181131001009|Да|Да|LAN; 2:GSM-SIM1 цифр.; ");
    EXPECT_EQ(page.HistoryIndexes, Range(-22, 10)) << "the cache is newest first";
    EXPECT_EQ(page.ShownStart, 65514);

    qsizetype mark = panel.Frames().size();
    controller->HistoryBack(page);
    EXPECT_EQ(FramesSince(mark), Fers(-54, -22));
    EXPECT_EQ(Indexes(), Range(-54, -22));
    EXPECT_EQ(page.HistoryIndexes, Range(-54, 10)) << "older records go behind the newer ones";
    EXPECT_EQ(page.ShownStart, 65482);

    mark = panel.Frames().size();
    controller->HistoryForward(page);
    controller->HistoryBack(page);
    controller->HistoryForward(page);
    EXPECT_TRUE(FramesSince(mark).isEmpty()) << "shown records come from the cache";
    EXPECT_EQ(Indexes(), Range(-22, 10));
    EXPECT_TRUE(panel.FramesWhileTimerRan().isEmpty());
    EXPECT_TRUE(host.TimerRunning());
}

TEST_F(HistoryTransfer, AnUnwrittenSlotIsAskedTwiceAndAShortRecordThreeTimesWithoutBeingCached) {
    panel.SetValue("FP", "F0002");
    StoreHistoryRecords(panel, -30, 0);
    panel.SetValue("fer0001", HistoryRecord(1).left(38));
    controller->ReadPage(page);
    EXPECT_EQ(panel.Frames().mid(31),
              (QList<QByteArray>{"fer0000", "fer0000", "fer0001", "fer0001", "fer0001"}));
    EXPECT_EQ(Row(2), "0|||||||||||");
    EXPECT_EQ(Row(1), "||Ошибка|||||||||");
    EXPECT_EQ(page.HistoryIndexes.first(), QStringLiteral("0"))
        << "the unwritten slot is cached, the short one not";

    controller->HistoryBack(page);
    const qsizetype mark = panel.Frames().size();
    controller->HistoryForward(page);
    EXPECT_EQ(FramesSince(mark), Fers(1, 2) + Fers(1, 2) + Fers(1, 2)) << "only the record that failed";
}

TEST_F(HistoryTransfer, ARecordFetchedAgainTakesItsPlaceInTheRingNewestFirst) {
    panel.SetValue("FP", "F000A");
    StoreHistoryRecords(panel, -64, 10);
    panel.SetValue("fer0005", HistoryRecord(5).left(38));
    controller->ReadPage(page);
    ASSERT_EQ(Cell(2, 5), QStringLiteral("Ошибка"));
    controller->HistoryBack(page);

    // Back on the page with the record the panel now gives whole.
    panel.SetValue("fer0005", HistoryRecord(5));
    const qsizetype mark = panel.Frames().size();
    controller->HistoryForward(page);
    EXPECT_EQ(FramesSince(mark), Fers(5, 6));
    EXPECT_EQ(Cell(0, 5), QStringLiteral("5"));
    EXPECT_EQ(page.HistoryIndexes, Range(-54, 10)) << "0005 behind 0006, ahead of FFFA";
    EXPECT_EQ(page.HistoryRecords.at(page.HistoryIndexes.indexOf(QStringLiteral("5"))), HistoryRecord(5));
}

TEST_F(HistoryTransfer, AFailedWritePointerLeavesNoHistoryOfTheLastPanelOnThePage) {
    panel.SetValue("FP", "F000A");
    StoreHistoryRecords(panel, -22, 10);
    controller->ReadPage(page);
    ASSERT_EQ(Cell(0, 1), QStringLiteral("9"));

    Clock::SetScaleForTests(0.01);
    panel.SetFault("FP", Silent());
    controller->ReadPage(page);
    EXPECT_EQ(Indexes(), QStringList(32, QString()));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("№")) << "the titles stay";
    EXPECT_TRUE(page.HistoryIndexes.isEmpty());
    EXPECT_TRUE(controller->GetErrors().isEmpty());
}

class HistoryFile : public HistoryTransfer {
protected:
    void SetUp() override {
        HistoryTransfer::SetUp();
        ASSERT_TRUE(folder.isValid());
        oldCurrent = QDir::currentPath();
        QDir::setCurrent(folder.path());
        dialogs = &ScriptedDialogs::Reset();
    }
    void TearDown() override {
        QDir::setCurrent(oldCurrent);
        HistoryTransfer::TearDown();
    }
    QString FilePath() const { return folder.filePath(QStringLiteral("История.txt")); }
    QByteArray Written() const { return FileBytes(FilePath()); }

    QTemporaryDir folder;
    QString oldCurrent;
    ScriptedDialogs* dialogs = nullptr;
};

TEST_F(HistoryFile, CancelEndsPagingOverADeadLinkAtTheNextTryAndLeavesNoWindowBehind) {
    panel.SetValue("FP", "F000A");
    StoreHistoryRecords(panel, -22, 10);
    controller->ReadPage(page);
    Clock::SetScaleForTests(0.01); // a record's try waits 3 x 55 ms
    for (int i = -54; i < -22; ++i)
        panel.SetFault(HistoryRecordCommand(i), Silent());

    const qsizetype mark = panel.Frames().size();
    CancelAfter(20);
    EXPECT_THROW(controller->HistoryBack(page), TStopException);
    EXPECT_EQ(FramesSince(mark), QList<QByteArray>(3, HistoryRecordCommand(0xFFCA)))
        << "one try of the first record";
    EXPECT_EQ(host.window.findChild<TFormProgress*>(), nullptr);
    EXPECT_EQ(page.ShownStart, 65514);

    // A record that stays bad is where a dead link shows: cancel is looked at after it too.
    panel.SetFault(HistoryRecordCommand(0xFFCA), FakeFault());
    panel.SetValue(HistoryRecordCommand(0xFFCA), HistoryRecord(0xFFCA).left(38));
    const qsizetype mark2 = panel.Frames().size();
    QObject::connect(page.StringGrid1->model(), &QAbstractItemModel::dataChanged, [this] {
        if (Cell(2, 32) == QStringLiteral("Ошибка"))
            if (auto* progress = host.window.findChild<TFormProgress*>()) progress->Button1->click();
    });
    EXPECT_THROW(controller->HistoryBack(page), TStopException);
    EXPECT_EQ(FramesSince(mark2), QList<QByteArray>(3, HistoryRecordCommand(0xFFCA)));
    EXPECT_EQ(Cell(2, 32), QStringLiteral("Ошибка"));

    // The next file write is not stopped by a cancel that belonged to the paging.
    panel.SetValue("FP", "F0002");
    controller->SaveHistoryToFile(page);
    EXPECT_EQ(Written().count('\n'), 4);
}

TEST_F(HistoryFile, HoldsTwoLinesPerRecordNewestFirstDownToIndexZero) {
    panel.SetValue("FP", "F0003");
    panel.SetValue("fer0002", HistoryRecord(2));
    panel.SetValue("fer0001", "00000001 08:30:15 7BFD 12341811310010a9"); // lower case: no Contact ID
    controller->SaveHistoryToFile(page);
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"FP", "fer0002", "fer0001", "fer0000"}));
    EXPECT_EQ(Written(), toCp1251(QStringLiteral(
                             "2  08:30:15 00000002 1234181131001009 1234 131 Тревога 0 100 Да Да LAN; "
                             "2:GSM-SIM1 цифр.; \r\n"
                             "00000002 08:30:15 7BFD 1234181131001009\r\n"
                             "1  Ошибка\r\n"
                             "00000001 08:30:15 7BFD 12341811310010a9\r\n"
                             "0 \r\n"
                             "FFFFFFFF FFFFFFFF FFFF FFFFFFFFFFFFFFFF\r\n")));

    panel.SetValue("FP", "F0000");
    controller->SaveHistoryToFile(page);
    EXPECT_EQ(Written(), QByteArray()) << "an existing file is emptied";
}

TEST_F(HistoryFile, FinishStopsTheWriterAlsoWhileARecordKeepsFailing) {
    panel.SetValue("FP", "F03E8"); // a thousand records, each answered at once
    QTimer finish;
    QObject::connect(&finish, &QTimer::timeout, [&] {
        if (panel.Frames().size() > 20) controller->HistoryRun = false;
    });
    finish.start(1);
    controller->SaveHistoryToFile(page);
    const qsizetype records = panel.Frames().size() - 1;
    EXPECT_LT(records, 1000);
    EXPECT_EQ(Written().count('\n'), 2 * records) << "every record asked for is written";

    // A dead link: the record is asked for again and again until "Finish".
    Clock::SetScaleForTests(0.01);
    panel.SetValue("FP", "F0005");
    panel.SetFault("fer0004", Silent());
    QTimer::singleShot(300, &page, [this] { controller->HistoryRun = false; });
    controller->SaveHistoryToFile(page);
    EXPECT_GE(panel.Frames().count("fer0004"), 2);
    EXPECT_EQ(Written(), QByteArray());
    EXPECT_TRUE(host.TimerRunning());
}

TEST_F(HistoryFile, EveryRecordIsOnDiskWhileTheDownloadStillRuns) {
    panel.SetValue("FP", "F03E8");
    StoreHistoryRecords(panel, 0, 1000);
    QByteArray onDisk;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (onDisk.isEmpty() && panel.Frames().size() > 4) onDisk = Written();
        if (panel.Frames().size() > 12) controller->HistoryRun = false;
    });
    look.start(1);
    controller->SaveHistoryToFile(page);
    EXPECT_TRUE(onDisk.startsWith("999 ")) << onDisk.toStdString();
    EXPECT_GE(onDisk.count('\n'), 4) << "at least the first two records";
    EXPECT_TRUE(onDisk.endsWith("\r\n")) << "whole lines only";
    const QByteArray whole = Written();
    EXPECT_TRUE(whole.startsWith(onDisk));
    EXPECT_GT(whole.size(), onDisk.size()) << "the download went on";
    EXPECT_EQ(whole.count('\n'), 2 * (panel.Frames().size() - 1));
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(HistoryFile, AFileThatCannotBeWrittenEndsTheDownloadWithAnErrorNamingIt) {
    panel.SetValue("FP", "F0005");
    StoreHistoryRecords(panel, 0, 5);
    const auto expectFailure = [this] {
        ASSERT_EQ(dialogs->messages.size(), 1);
        EXPECT_EQ(dialogs->messages.at(0).type, TMsgDlgType::mtError);
        EXPECT_TRUE(dialogs->messages.at(0).text.startsWith(QStringLiteral("Не удалось сохранить файл \"") +
                                                            FilePath() + QStringLiteral("\". ")))
            << dialogs->messages.at(0).text.toStdString();
        dialogs->messages.clear();
        EXPECT_TRUE(host.TimerRunning());
    };

    // A full disk: the first record does not fit, and no further record is asked for.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), FilePath()));
    controller->SaveHistoryToFile(page);
    EXPECT_EQ(panel.Frames(), (QList<QByteArray>{"FP", "fer0004"}));
    expectFailure();

    // No file can be made at all: nothing is asked of the panel.
    ASSERT_TRUE(QFile::remove(FilePath()));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("История.txt")));
    const qsizetype mark = panel.Frames().size();
    controller->SaveHistoryToFile(page);
    EXPECT_TRUE(FramesSince(mark).isEmpty());
    expectFailure();
}
