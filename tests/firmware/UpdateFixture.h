#pragma once

#include "HexText.h"
#include "app/controllers/ZV9TKFormsController.h"
#include "app/windows/StatusBar.h"
#include "app/windows/fConnect.h"
#include "app/windows/fMain.h"
#include "base/Cp1251.h"
#include "firmware/fUpdateIns.h"
#include "firmware/fUpdateInsertion.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "support/FakeBootLoader.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "uikit/splitter/KtSplitter.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The program's main window with the real application controller, its update window and HEX
// viewer, connected through the real connect path to the fake boot loader over a
// pseudo-terminal. Long waits (the flash rewrite, the boot loader's time-outs) run at 1 %.
class UpdateFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetAppFolderForTests(folder.path());
        dialogs = &ScriptedDialogs::Reset();
        oldExit = SetExitProgram([](int) {});
        Clock::SetScaleForTests(0.01);
        loader.SetValue("v", "VER 01.004.013");
        // The service word shows the service upload's menu item.
        ASSERT_TRUE(WriteFileBytes(folder.filePath(QStringLiteral("current.ini")),
                                   "[Update]\r\nUpdatePanelVersion=wobrix\r\n"));
        main = std::make_unique<TFormMain>();
        FormMain = main.get();
        AppController =
            new TZV9TKFormsController(main.get(), main->ktCntSpl->LowerRight()->Pane(), main->tv1);
        main->SetController(std::unique_ptr<TFormAppMainController>(AppController));
        formUpdateInsertion = new TformUpdateInsertion(main.get());
        formUpdateIns = new TformUpdateIns(main.get());
    }

    void TearDown() override {
        delete formUpdateIns;
        formUpdateIns = nullptr;
        delete formUpdateInsertion;
        formUpdateInsertion = nullptr;
        main.reset();
        FormMain = nullptr;
        Clock::SetScaleForTests(1.0);
        SetExitProgram(oldExit);
        SetAppFolderForTests(QString());
    }

    // The connect dialog's answer: the fake's port, or Cancel.
    void QueueConnect(int result = mrOk) {
        dialogs->QueueExec([this, result](QDialog& dialog) {
            auto& connect = dynamic_cast<TFormConnect&>(dialog);
            connect.SetPorts({loader.PortPath()});
            connect.ComPorts->setCurrentIndex(0);
            return result;
        });
    }

    // The firmware text of `rows` rows under the title "VER 01.004.014", as the program carries it.
    static QByteArray Firmware(int rows) {
        QStringList lines{QStringLiteral("VER 01.004.014")};
        for (int r = 0; r < rows; ++r)
            lines.append(HexRecord(0, r * 16, ImageRow(r)));
        lines.append(QStringLiteral(":00000001FF"));
        return toCp1251(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

    // Connects the way the program starts, offering the update when there is one.
    void Connect() {
        QueueConnect();
        main->ConnectAndOfferUpdate();
        ASSERT_TRUE(AppController->IsConnected());
    }

    // Connects with an image on board: the window offers the update.
    void ConnectWithOffer(int rows) {
        formUpdateIns->LoadFirmwareText(Firmware(rows));
        ASSERT_NO_FATAL_FAILURE(Connect());
        ASSERT_TRUE(formUpdateIns->isVisible());
    }

    static bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
        const qint64 start = Clock::NowMs();
        while (!done()) {
            if (Clock::NowMs() - start > timeoutMs) return false;
            QCoreApplication::processEvents();
            Clock::SleepMs(1);
        }
        QCoreApplication::processEvents();
        return true;
    }

    // Presses the update button and waits for the upload thread to end.
    void RunUpdate() {
        formUpdateIns->btnUpdateVer->click();
        ASSERT_TRUE(WaitUntil([] { return !formUpdateIns->UploadRunning(); }));
    }

    static QString WriteHexFile(const QString& path, const QStringList& lines) {
        return WriteFileBytes(path, toCp1251(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")))
                   ? path
                   : QString();
    }

    // The service upload from the hidden menu item: the viewer shows the file chosen, then OK.
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

    // The address part ("W0000") of every packet sent.
    QList<QByteArray> PacketAddresses() const {
        QList<QByteArray> addresses;
        for (const QByteArray& frame : loader.FramesStartingWith("W"))
            addresses.append(frame.left(5));
        return addresses;
    }

    QTemporaryDir folder;
    ScriptedDialogs* dialogs = nullptr;
    std::function<void(int)> oldExit;
    FakeBootLoader loader;
    std::unique_ptr<TFormMain> main;
};
