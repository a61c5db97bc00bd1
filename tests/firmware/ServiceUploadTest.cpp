#include "UpdateFixture.h"

#include "app/controllers/FormAppMainController.h"
#include "app/windows/TVLog.h"
#include "support/TestFiles.h"
#include "uikit/controls/KtProgressBar.h"

#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>

using ServiceUploadTest = UpdateFixture;

// A small file: only the rows read are sent, a short last record and the rows after it padded
// with "FF"; every frame is logged; the user interface is locked only while the upload runs.
TEST_F(ServiceUploadTest, SendsTheRowsReadFromTheMenu) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    QStringList lines;
    for (int r = 0; r < 5; ++r)
        lines.append(HexRecord(0, r * 16, ImageRow(r)));
    lines.append(HexRecord(0, 0x50, ImageRow(5).left(8)));
    lines.append(QStringLiteral(":00000001FF"));
    int rowCount = 0;
    UploadThroughMenu(WriteHexFile(folder.filePath(QStringLiteral("small.hex")), lines), &rowCount);

    EXPECT_TRUE(main->mnuUpdate->isVisible());
    EXPECT_EQ(dialogs->execedDialogs.last(), QStringLiteral("formUpdateInsertion"));
    EXPECT_EQ(rowCount, 9);
    EXPECT_EQ(PacketAddresses(), (QList<QByteArray>{"W0000", "W0004"}));
    EXPECT_EQ(loader.Image(), ImageRows(5) + ImageRow(5).left(8) + QByteArray(8 + 32, char(0xFF)));
    EXPECT_TRUE(loader.SumsMatched());
    EXPECT_EQ(loader.FramesStartingWith("EE").size(), 1);
    EXPECT_EQ(main->KtProgressBar1->PartsComplete(), main->KtProgressBar1->TotalParts());
    EXPECT_FALSE(AppController->Busy());
    int sent = 0;
    for (int i = 0; i < main->tvLog->topLevelItemCount(); ++i)
        sent += main->tvLog->topLevelItem(i)->text(0) == QStringLiteral("<<<<");
    EXPECT_GE(sent, 4) << "BL, two packets and EE are logged";
}

// A file read only up to a bad record: the viewer says so, and nothing is sent unless the user
// agrees. Without a connection the viewer's OK sends nothing either.
TEST_F(ServiceUploadTest, PartialFileNeedsConsent) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    QString bad = HexRecord(0, 0x10, ImageRow(1));
    bad.replace(bad.size() - 2, 2, QStringLiteral("00"));
    const QString path = WriteHexFile(folder.filePath(QStringLiteral("bad.hex")),
                                      {HexRecord(0, 0, ImageRow(0)), bad, QStringLiteral(":00000001FF")});
    dialogs->QueueMessageAnswer(mrOk);
    dialogs->QueueMessageAnswer(mrNo);
    UploadThroughMenu(path);
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("строка 2")));
    EXPECT_EQ(dialogs->messages[1].type, TMsgDlgType::mtConfirmation);
    EXPECT_TRUE(loader.FramesStartingWith("BL").isEmpty());
    EXPECT_FALSE(AppController->Busy());

    AppController->Disconnect();
    UploadThroughMenu(path);
    EXPECT_TRUE(loader.FramesStartingWith("BL").isEmpty());
    EXPECT_FALSE(AppController->Busy());
}

// Rows that hold no byte of the file never reach the panel, not even as "BL": a file with only
// its end record, one whose code lies at 0x08000000 (an extended address record first), and one
// that cannot be opened. The user is told why.
TEST_F(ServiceUploadTest, RowsWithoutDataAreRefusedBeforeAnythingIsSent) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    const QString endOnly =
        WriteHexFile(folder.filePath(QStringLiteral("end.hex")), {QStringLiteral(":00000001FF")});
    const QString highCode = WriteHexFile(
        folder.filePath(QStringLiteral("high.hex")),
        {QStringLiteral(":020000040800F2"), HexRecord(0, 0, ImageRow(0)), QStringLiteral(":00000001FF")});
    const QString missing = folder.filePath(QStringLiteral("missing.hex"));
    for (const QString& path : {endOnly, highCode, missing}) {
        dialogs->messages.clear();
        UploadThroughMenu(path); // a question would find no scripted answer and fail the test
        ASSERT_FALSE(dialogs->messages.isEmpty()) << path.toStdString();
        EXPECT_EQ(dialogs->messages.last().type, TMsgDlgType::mtError) << path.toStdString();
        EXPECT_TRUE(dialogs->messages.last().text.contains(QStringLiteral("ни одного байта данных")));
    }
    EXPECT_TRUE(loader.FramesStartingWith("BL").isEmpty());
    EXPECT_TRUE(loader.FramesStartingWith("W").isEmpty());
    EXPECT_TRUE(loader.FramesStartingWith("EE").isEmpty());
    EXPECT_FALSE(AppController->Busy());
}

// A file read up to a bad record: the question says how many rows were read, and with Yes just
// those rows go out, padded with "FF", before "EE".
TEST_F(ServiceUploadTest, PartialFileQuestionCountsTheRowsRead) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    QString bad = HexRecord(0, 0x20, ImageRow(2));
    bad.replace(bad.size() - 2, 2, QStringLiteral("00"));
    const QString path = WriteHexFile(
        folder.filePath(QStringLiteral("two.hex")),
        {HexRecord(0, 0, ImageRow(0)), HexRecord(0, 0x10, ImageRow(1)), bad, QStringLiteral(":00000001FF")});
    dialogs->QueueMessageAnswer(mrOk);
    dialogs->QueueMessageAnswer(mrYes);
    UploadThroughMenu(path);
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("строка 3")));
    EXPECT_TRUE(dialogs->messages[1].text.contains(QStringLiteral("прочитано строк по 16 байт — 2")))
        << dialogs->messages[1].text.toStdString();
    EXPECT_EQ(PacketAddresses(), QList<QByteArray>{"W0000"});
    EXPECT_EQ(loader.Image(), ImageRows(2) + QByteArray(32, char(0xFF)));
    EXPECT_TRUE(loader.SumsMatched());
}

// CR, LF and CR LF line ends, a UTF-8 byte-order mark before the first record and blanks or tabs
// after a record all read; a file without its end record is said to stop at its last line.
TEST_F(ServiceUploadTest, AnyLineEndMarkAndTrailingBlanksRead) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    const QByteArray bom("\xEF\xBB\xBF");
    const struct {
        QByteArray start;
        QString blanks;
        QString lineEnd;
    } variants[] = {{{}, {}, QStringLiteral("\r")},
                    {{}, QStringLiteral(" \t "), QStringLiteral("\n")},
                    {bom, QStringLiteral("\t"), QStringLiteral("\r\n")},
                    {bom, QStringLiteral("  "), QStringLiteral("\r")}};
    int uploads = 0;
    for (const auto& v : variants) {
        const int first = 3 * uploads; // other bytes for every upload
        QString text;
        for (int r = 0; r < 3; ++r)
            text += HexRecord(0, r * 16, ImageRow(first + r)) + v.blanks + v.lineEnd;
        text += QStringLiteral(":00000001FF") + v.blanks + v.lineEnd;
        const QString path = folder.filePath(QStringLiteral("v%1.hex").arg(uploads));
        ASSERT_TRUE(WriteFileBytes(path, v.start + toCp1251(text)));
        dialogs->messages.clear();
        UploadThroughMenu(path);
        ++uploads;
        EXPECT_TRUE(dialogs->messages.isEmpty())
            << uploads << " " << dialogs->messages.value(0).text.toStdString();
        EXPECT_EQ(loader.FramesStartingWith("EE").size(), uploads);
        EXPECT_EQ(loader.Image(),
                  ImageRow(first) + ImageRow(first + 1) + ImageRow(first + 2) + QByteArray(16, char(0xFF)))
            << uploads;
    }

    const QString noEnd = WriteHexFile(folder.filePath(QStringLiteral("noend.hex")),
                                       {HexRecord(0, 0, ImageRow(0)), HexRecord(0, 0x10, ImageRow(1))});
    dialogs->messages.clear();
    dialogs->QueueMessageAnswer(mrOk);
    dialogs->QueueMessageAnswer(mrNo);
    UploadThroughMenu(noEnd);
    ASSERT_FALSE(dialogs->messages.isEmpty());
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("строка 2, нет записи конца файла")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(loader.FramesStartingWith("EE").size(), uploads) << "No to the question sends nothing";
}

// The path typed by hand after a file was read: OK reads the file it names, and that file's
// bytes are what the panel receives.
TEST_F(ServiceUploadTest, OkSendsTheFileThePathNames) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    const QString first = WriteHexFile(folder.filePath(QStringLiteral("first.hex")),
                                       {HexRecord(0, 0, ImageRow(0)), QStringLiteral(":00000001FF")});
    const QString second = WriteHexFile(
        folder.filePath(QStringLiteral("second.hex")),
        {HexRecord(0, 0, ImageRow(7)), HexRecord(0, 0x10, ImageRow(8)), QStringLiteral(":00000001FF")});
    dialogs->QueueExec([first, second](QDialog& dialog) {
        auto& viewer = dynamic_cast<TformUpdateInsertion&>(dialog);
        ScriptedDialogs::Current().QueueFile(first);
        viewer.KtBitBtn1Click();
        viewer.etPath->setText(second);
        return int(mrOk);
    });
    main->mnuUpdate->trigger();
    EXPECT_EQ(loader.Image(), ImageRow(7) + ImageRow(8) + QByteArray(32, char(0xFF)));
    EXPECT_EQ(formUpdateInsertion->Cell(1, 2), QString::fromLatin1(ImageRow(8).left(1).toHex().toUpper()));
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

// A record that gives bytes of the row again (or goes back) leaves it open which bytes the file
// means: the reading stops there, so the panel never gets the later record's bytes in place of
// the earlier ones without the user having seen the file cut short.
TEST_F(ServiceUploadTest, OverlappingRecordsStopTheReading) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    const QString path = WriteHexFile(folder.filePath(QStringLiteral("overlap.hex")),
                                      {HexRecord(0, 0, ImageRow(0)), HexRecord(0, 0x08, ImageRow(9).left(8)),
                                       HexRecord(0, 0x10, ImageRow(1)), QStringLiteral(":00000001FF")});
    dialogs->QueueMessageAnswer(mrOk);
    dialogs->QueueMessageAnswer(mrYes);
    UploadThroughMenu(path);
    ASSERT_EQ(dialogs->messages.size(), 2);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QStringLiteral("строка 2, перекрытие адресов")))
        << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(loader.Image(), ImageRow(0) + QByteArray(48, char(0xFF)));
}

// Lower-case digits in the file go out as upper-case ones, the way the program's own hex is
// written, so a boot loader that reads only upper-case digits stores the file's bytes.
TEST_F(ServiceUploadTest, LowerCaseDigitsGoOutUpperCase) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    const QByteArray bytes = QByteArray::fromHex("abcdef0123456789fedcba9876543210");
    const QString path = WriteHexFile(folder.filePath(QStringLiteral("lower.hex")),
                                      {HexRecord(0, 0, bytes).toLower(), QStringLiteral(":00000001ff")});
    UploadThroughMenu(path);
    const QList<QByteArray> packets = loader.FramesStartingWith("W");
    ASSERT_EQ(packets.size(), 1);
    EXPECT_EQ(packets[0], "W0000:" + bytes.toHex().toUpper() + QByteArray(96, 'F') + ":00");
    EXPECT_EQ(loader.FramesStartingWith("EE").size(), 1);
}
