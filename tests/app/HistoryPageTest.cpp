#include "MainWindowFixture.h"

#include "app/controls/StringGrid.h"
#include "app/history/XlsExport.h"
#include "app/pages/fHistory.h"
#include "app/windows/TVLog.h"
#include "app/windows/fWaiting.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "support/HistoryRecords.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenuBar>
#include <QProcess>
#include <QToolBar>

namespace {

// The cells of an .xls file of BOF, LABEL and EOF records, by row and column; the walk fails
// the test on any other record, on a record running past the end, or on bytes after the EOF.
struct TXlsCells {
    QMap<QPair<int, int>, QString> cells;
    QList<QPair<int, int>> order; // row, column of each LABEL in file order
};

quint16 At16(const QByteArray& bytes, qsizetype at) {
    return quint16(uchar(bytes.at(at)) | uchar(bytes.at(at + 1)) << 8);
}

TXlsCells ReadXls(const QByteArray& bytes) {
    TXlsCells xls;
    EXPECT_EQ(bytes.left(12).toHex().toStdString(), "090808000000100000000000") << "BOF";
    qsizetype at = 12;
    while (at + 4 <= bytes.size()) {
        const quint16 type = At16(bytes, at);
        const quint16 length = At16(bytes, at + 2);
        if (type == 0x000A) {
            EXPECT_EQ(length, 0);
            EXPECT_EQ(at + 4, bytes.size()) << "the file ends with the EOF record";
            return xls;
        }
        EXPECT_EQ(type, 0x0204) << "at " << at;
        if (type != 0x0204 || at + 4 + length > bytes.size()) return xls;
        const int row = At16(bytes, at + 4);
        const int column = At16(bytes, at + 6);
        EXPECT_EQ(At16(bytes, at + 10), length - 8);
        xls.cells[{row, column}] = fromCp1251(bytes.mid(at + 12, length - 8));
        xls.order.append({row, column});
        at += 4 + length;
    }
    ADD_FAILURE() << "no EOF record";
    return xls;
}

// A Python with xlrd, the independent reader of the file: Debian's first.
QString PythonWithXlrd() {
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess probe;
        probe.start(python, {QStringLiteral("-c"), QStringLiteral("import xlrd")});
        if (probe.waitForFinished(20000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0)
            return python;
    }
    return QString();
}

} // namespace

TEST(HistoryExport, LabelsGoColumnByColumnInCp1251) {
    TStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCell(0, 0, QStringLiteral("№"));
    grid.SetCell(0, 1, QStringLiteral("Да"));
    grid.SetCell(1, 0, QStringLiteral("Код"));
    EXPECT_EQ(GridToXls(grid).toHex(' ').toStdString(), "09 08 08 00 00 00 10 00 00 00 00 00 "
                                                        "04 02 09 00 00 00 00 00 00 00 01 00 b9 "
                                                        "04 02 0a 00 01 00 00 00 00 00 02 00 c4 e0 "
                                                        "04 02 0b 00 00 00 01 00 00 00 03 00 ca ee e4 "
                                                        "04 02 08 00 01 00 01 00 00 00 00 00 "
                                                        "0a 00 00 00");

    // The page's grid: 12 columns of the title row and 32 event rows.
    TFormHistory page;
    const TXlsCells xls = ReadXls(GridToXls(*page.StringGrid1));
    ASSERT_EQ(xls.order.size(), 396);
    EXPECT_EQ(xls.order.at(0), qMakePair(0, 0));
    EXPECT_EQ(xls.order.at(1), qMakePair(1, 0));
    EXPECT_EQ(xls.order.at(33), qMakePair(0, 1));
    EXPECT_EQ(xls.order.last(), qMakePair(32, 11));
    EXPECT_EQ(xls.cells.value({0, 4}), QStringLiteral("Т\\В"));

    // A folder that is not there: the error names the file, and nothing is written.
    const QString missing = QStringLiteral("/nonexistent-folder/история.xls");
    EXPECT_THROW(ExportGridToXls(grid, missing), EBaseError);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(HistoryExport, AnIndependentReaderSeesTheSameCells) {
    const QString python = PythonWithXlrd();
    if (python.isEmpty()) GTEST_SKIP() << "python3 with xlrd (python3-xlrd) is not installed";
    QTemporaryDir folder;
    TFormHistory page;
    page.HistoryIndexes = {QStringLiteral("65535"), QStringLiteral("9")};
    page.HistoryRecords = {QString::fromLatin1(HistoryRecord(65535)),
                           QStringLiteral("00000009 08:30:15 7BFD 12341811310010a9")};
    page.FillConnectionGrid();
    const QString path = folder.filePath(QStringLiteral("история.xls"));
    ExportGridToXls(*page.StringGrid2, path);

    QProcess reader;
    reader.start(python, {QStringLiteral("-c"),
                          QStringLiteral("import sys, json, xlrd\n"
                                         "s = xlrd.open_workbook(sys.argv[1], "
                                         "encoding_override='cp1251').sheet_by_index(0)\n"
                                         "print(json.dumps([[s.cell_value(r, c) for c in "
                                         "range(s.ncols)] for r in range(s.nrows)]))"),
                          path});
    ASSERT_TRUE(reader.waitForFinished(30000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    QJsonArray expected;
    for (int row = 0; row < 3; ++row) {
        QJsonArray cells;
        for (int column = 0; column < 12; ++column)
            cells.append(page.StringGrid2->Cell(column, row));
        expected.append(cells);
    }
    EXPECT_EQ(QJsonDocument::fromJson(reader.readAllStandardOutput()).array(), expected);
    EXPECT_EQ(expected.at(2).toArray().at(2).toString(), QStringLiteral("Ошибка")) << "Cyrillic read back";
}

TEST(HistoryExport, TheConnectionExportKeepsTheNewestRecordsTheRowNumbersHold) {
    // The whole ring, newest first: one record more than a file holds below its title row.
    TFormHistory page;
    for (int index = 65535; index >= 0; --index) {
        page.HistoryIndexes << QString::number(index);
        page.HistoryRecords << QString::fromLatin1(HistoryRecord(index));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("история.xls"));
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    dialogs.QueueFile(path);
    page.Button3->click();
    const TXlsCells xls = ReadXls(FileBytes(path));
    EXPECT_EQ(xls.order.size(), 12 * 65536);
    EXPECT_EQ(xls.cells.value({0, 0}), QStringLiteral("№")) << "the titles are not overwritten";
    EXPECT_EQ(xls.cells.value({1, 0}), QStringLiteral("65535"));
    EXPECT_EQ(xls.cells.value({65535, 0}), QStringLiteral("1")) << "the oldest record is left out";
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.at(0).type, TMsgDlgType::mtWarning);
    EXPECT_EQ(dialogs.messages.at(0).text,
              QStringLiteral("В файл записаны 65535 последних событий. Более ранние события (1) не "
                             "поместились в таблицу и в файл не записаны."));

    // As many as fit: all of them, and nothing to say.
    page.HistoryIndexes.removeLast();
    page.HistoryRecords.removeLast();
    EXPECT_EQ(page.FillConnectionGrid(), 0);
    EXPECT_EQ(page.StringGrid2->RowCount(), 65536);
    EXPECT_EQ(page.StringGrid2->Cell(0, 65535), QStringLiteral("1"));
}

TEST(HistoryPageSettings, WidthsAndTheFileButtonsComeFromTheirOwnKeys) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("current.ini"));
    TFormHistory page;
    EXPECT_TRUE(page.btnStart->isHidden());
    page.StringGrid1->SetColWidth(3, 77);
    page.StringGrid1->SetColWidth(11, 133);
    TMemIniFile ini(path);
    page.SaveToIni(ini);
    EXPECT_EQ(ini.ReadSection(QStringLiteral("FormHistory")).join(u' ').toStdString(),
              "HistoryInFile width0 width1 width2 width3 width4 width5 width6 width7 width8 width9 width10 "
              "width11");

    ini.WriteString(QStringLiteral("FormHistory"), QStringLiteral("width5"), QStringLiteral("широко"));
    ini.WriteString(QStringLiteral("FormHistory"), QStringLiteral("HistoryInFile"), QStringLiteral("1"));
    TFormHistory loaded;
    loaded.LoadFromIni(ini);
    EXPECT_EQ(loaded.StringGrid1->ColWidth(3), 77);
    EXPECT_EQ(loaded.StringGrid1->ColWidth(11), 133);
    EXPECT_EQ(loaded.StringGrid1->ColWidth(5), 140) << "a bad width gives the default";
    EXPECT_FALSE(loaded.btnStart->isHidden() || loaded.btnFinish->isHidden());

    ini.WriteString(QStringLiteral("FormHistory"), QStringLiteral("HistoryInFile"), QStringLiteral("true"));
    loaded.LoadFromIni(ini);
    EXPECT_TRUE(loaded.btnStart->isHidden()) << "only exactly 1 shows them";
    loaded.SetDefaults();
    EXPECT_EQ(loaded.StringGrid1->ColWidth(3), 25);
}

// The history page among the test controller's pages, over the fake panel.
class HistoryPageTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        WriteText(folder.filePath(QStringLiteral("Messages.txt")),
                  QStringLiteral("1311|Проникновение|$0000FF|0\r\n"));
        Start();
        history = new TFormHistory(controller->PagePane());
        controller->DockPage(history);
        controller->SelectPage(int(controller->PagePane()->children().indexOf(history)));
        ASSERT_TRUE(controller->Connect());
        panel.SetValue("FP", "F0002");
        StoreHistoryRecords(panel, -30, 2);
        controller->ReadPage();
    }

    // Answers the three questions with answers and presses "Очистить"; true when "FH" was sent.
    bool Erase(const QList<int>& answers) {
        dialogs->messages.clear();
        for (int answer : answers)
            dialogs->QueueMessageAnswer(answer);
        const qsizetype mark = panel.Frames().size();
        history->btnClear->click();
        EXPECT_EQ(dialogs->messages.size(), answers.size());
        return FramesSince(mark).contains("FH");
    }

    bool MainUsable() const {
        bool menus = true;
        for (const QAction* menu : main->MainMenu1->actions())
            menus = menus && (menu->isEnabled() || !menu->isVisible());
        return menus && main->tv1->isEnabled() && main->ToolBar1->isEnabled();
    }

    TFormHistory* history = nullptr;
};

TEST_F(HistoryPageTest, TheOpenPageExportsEventTextsOfRowsNeverDrawn) {
    ASSERT_EQ(history->StringGrid1->Cell(0, 1), QStringLiteral("1"));
    EXPECT_TRUE(main->isHidden()) << "nothing has been drawn";
    const QString path = folder.filePath(QStringLiteral("страница.xls"));
    dialogs->QueueFile(path);
    history->Button1->click();
    ASSERT_EQ(dialogs->fileRequests.size(), 1);
    EXPECT_EQ(dialogs->fileRequests.at(0).filter, QStringLiteral("Microsoft Excel(*.xls)|*.xls"));
    EXPECT_EQ(dialogs->fileRequests.at(0).defaultExt, QStringLiteral("xls"));
    EXPECT_TRUE(dialogs->fileRequests.at(0).overwritePrompt);
    const TXlsCells xls = ReadXls(FileBytes(path));
    EXPECT_EQ(xls.cells.value({32, 5}), QStringLiteral("Проникновение"));
    EXPECT_EQ(xls.cells.value({32, 0}), QStringLiteral("65506"));

    // The connection's records, newest first; a disconnect forgets them.
    dialogs->QueueFile(path);
    history->Button3->click();
    EXPECT_EQ(ReadXls(FileBytes(path)).cells.value({1, 0}), QStringLiteral("1"));
    EXPECT_EQ(ReadXls(FileBytes(path)).order.size(), 12 * 33);
    controller->Disconnect();
    EXPECT_TRUE(history->HistoryIndexes.isEmpty());
    dialogs->QueueFile(path);
    history->Button3->click();
    EXPECT_EQ(ReadXls(FileBytes(path)).order.size(), 12) << "only the title row";
}

TEST_F(HistoryPageTest, OnlyYesOkYesErasesAndOnlyAnErasedHistoryLeavesThePage) {
    // The controller's tables reach the page's buttons: three need a panel, five are locked.
    const auto enabled = [this] {
        QString flags;
        for (const QPushButton* button :
             {history->btnBackward, history->Button1, history->btnClear, history->Button2, history->Button3})
            flags += button->isEnabled() ? u'1' : u'0';
        return flags.toStdString();
    };
    EXPECT_EQ(enabled(), "11111");
    controller->LockUI();
    EXPECT_EQ(enabled(), "00000");
    controller->UnlockUI();
    EXPECT_EQ(enabled(), "11111");

    for (const QList<int>& refused : QList<QList<int>>{
             {mrNo}, {mrCancel}, {mrYes, mrCancel}, {mrYes, mrOk, mrNo}, {mrYes, mrOk, mrCancel}})
        EXPECT_FALSE(Erase(refused));
    EXPECT_EQ(history->HistoryIndexes.size(), 32);
    EXPECT_EQ(history->StringGrid1->Cell(0, 1), QStringLiteral("1"));

    // The panel does not answer the erase.
    Clock::SetScaleForTests(0.01);
    panel.SetFault("FH", Silent());
    EXPECT_TRUE(Erase({mrYes, mrOk, mrYes}));
    EXPECT_EQ(dialogs->messages.at(0).text, QStringLiteral("Вы уверены, что хотите стереть историю?"));
    EXPECT_EQ(dialogs->messages.at(0).buttons, TMsgDlgButtons(mbYes | mbNo | mbCancel));
    EXPECT_EQ(dialogs->messages.at(1).text, QStringLiteral("Её невозможно будет восстановить!"));
    EXPECT_EQ(dialogs->messages.at(1).type, TMsgDlgType::mtWarning);
    EXPECT_EQ(dialogs->messages.at(1).buttons, TMsgDlgButtons(mbOK | mbCancel));
    EXPECT_EQ(dialogs->messages.at(2).text, QStringLiteral("Точно?"));
    EXPECT_EQ(history->HistoryIndexes.size(), 32);
    EXPECT_EQ(history->StringGrid1->Cell(0, 1), QStringLiteral("1"));
    EXPECT_TRUE(
        fromCp1251(controller->LogPane()->ToText()).contains(QStringLiteral("Ошибка при удалении истории!")));
    EXPECT_TRUE(MainUsable());

    panel.SetFault("FH", FakeFault());
    EXPECT_TRUE(Erase({mrYes, mrOk, mrYes}));
    EXPECT_TRUE(history->HistoryIndexes.isEmpty());
    EXPECT_EQ(history->StringGrid1->Cell(0, 1), QString());
    EXPECT_EQ(history->StringGrid1->Cell(0, 0), QStringLiteral("№"));
    EXPECT_TRUE(MainUsable());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(main->findChild<TFormWaiting*>(), nullptr);
    controller->Disconnect();
    EXPECT_EQ(enabled(), "01001");
}
