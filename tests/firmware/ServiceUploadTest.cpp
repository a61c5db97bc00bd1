#include "UpdateFixture.h"

#include "app/FormAppMainController.h"
#include "app/TVLog.h"
#include "support/TestFiles.h"
#include "uikit/KtProgressBar.h"

#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

QString WriteHexFile(const QString& path, const QStringList& lines) {
    return WriteFileBytes(path, toCp1251(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")))
               ? path
               : QString();
}

} // namespace

class ServiceUploadTest : public UpdateFixture {
protected:
    // The viewer opened from the hidden menu item: the file chosen, then OK.
    void UploadThroughMenu(const QString& path, int* rowCount = nullptr) {
        dialogs->QueueExec([path, rowCount](QDialog& dialog) {
            auto& viewer = dynamic_cast<TformUpdateInsertion&>(dialog);
            ScriptedDialogs::Current().QueueFile(path);
            viewer.KtBitBtn1Click();
            if (rowCount) *rowCount = viewer.RowCount();
            return int(mrOk);
        });
        main->mnuUpdate->trigger();
    }
};

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
