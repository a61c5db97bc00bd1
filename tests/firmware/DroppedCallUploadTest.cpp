#include "UpdateFixture.h"

#include "firmware/UploadPackets.h"
#include "link/fDial.h"
#include "support/FakeModem.h"

#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

// The GSM call drops while a firmware upload talks to the boot loader: the modem's "NO CARRIER"
// comes where the boot loader's answer should. Both uploads (the service upload of the hidden
// menu item and the update window's thread) log that the panel was not flashed and end in the
// quiet disconnect of a dropped call: no error box, no goodbye into the dead call, the call
// hung up, the interface free, and a new call connects.
namespace {

class DroppedCallUploadTest : public UpdateFixture {
protected:
    void SetUp() override {
        UpdateFixture::SetUp();
        for (const char* command : {"sp", "rb", "st"})
            modem.Panel().SetAnswer(command, QByteArray());
        modem.Panel().SetAnswer("v", "VER 01.004.013");
        modem.Panel().SetReply("BL", "\r\nNO CARRIER\r\n");
    }

    // The connect dialog with the modem's port and a number, then "Позвонить".
    void ConnectByModem() {
        dialogs->QueueExec([this](QDialog& dialog) {
            auto& connect = dynamic_cast<TFormConnect&>(dialog);
            connect.SetPorts({modem.PortPath()});
            connect.ComPorts->setCurrentIndex(0);
            connect.cbPhones->setEditText(QStringLiteral("5551234"));
            return int(mrOk);
        });
        dialogs->QueueExec([](QDialog& dialog) {
            dialog.show();
            dynamic_cast<TFormDial&>(dialog).bReDial->click();
            return dialog.result() == QDialog::Accepted ? int(mrOk) : int(mrCancel);
        });
        main->ConnectAndOfferUpdate();
        ASSERT_TRUE(AppController->IsConnected());
    }

    QStringList LogLines() const {
        QStringList lines;
        for (int i = 0; i < main->tvLog->topLevelItemCount(); ++i)
            lines.append(main->tvLog->topLevelItem(i)->text(0));
        return lines;
    }

    void ExpectQuietDisconnectAfterTheDrop() {
        EXPECT_FALSE(AppController->IsConnected());
        EXPECT_TRUE(dialogs->messages.isEmpty()) << "no error box for a dropped call";
        EXPECT_EQ(modem.Panel().Frames().last(), QByteArray("BL")) << "no goodbye into the dead call";
        ASSERT_TRUE(modem.WaitForCountOf("ATH", 1, 2000));
        EXPECT_EQ(LogLines().count(RowsNotWrittenText()), 1) << LogLines().join(u'\n').toStdString();
        EXPECT_FALSE(AppController->Busy());
        EXPECT_TRUE(main->MainEnabled());
        EXPECT_TRUE(main->tbConnect->isEnabled());
        EXPECT_FALSE(main->tbDisconnect->isEnabled());
        EXPECT_TRUE(main->ToolBar1->isEnabled());
        EXPECT_FALSE(main->Timer1->isActive());
        EXPECT_FALSE(formUpdateIns->isVisible());

        // A new call reaches the panel.
        modem.Panel().SetAnswer("v", "VER 01.004.014");
        ConnectByModem();
    }

    FakeModem modem;
};

TEST_F(DroppedCallUploadTest, InTheServiceUpload) {
    ASSERT_NO_FATAL_FAILURE(ConnectByModem());
    QStringList lines;
    for (int r = 0; r < 8; ++r)
        lines.append(HexRecord(0, r * 16, ImageRow(r)));
    lines.append(QStringLiteral(":00000001FF"));
    UploadThroughMenu(WriteHexFile(folder.filePath(QStringLiteral("image.hex")), lines));
    ExpectQuietDisconnectAfterTheDrop();
}

TEST_F(DroppedCallUploadTest, InTheUpdateWindow) {
    formUpdateIns->LoadFirmwareText(Firmware(8));
    ASSERT_NO_FATAL_FAILURE(ConnectByModem());
    ASSERT_TRUE(formUpdateIns->isVisible());
    formUpdateIns->btnUpdateVer->click();
    ASSERT_TRUE(WaitUntil([] { return !formUpdateIns->UploadRunning() && !AppController->IsConnected(); }));
    ExpectQuietDisconnectAfterTheDrop();
}

} // namespace
