#pragma once

#include "app/controllers/ZV9TKFormsController.h"
#include "app/pages/fIn.h"
#include "app/windows/fErrors.h"
#include "app/windows/fMain.h"
#include "base/Cp1251.h"
#include "device/DeviceController.h"
#include "link/ComPortWorker.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "support/FakeStoringPanel.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"
#include "uikit/splitter/KtSplitter.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

inline std::string Join(const QStringList& lines) {
    return lines.join(u'\n').toStdString();
}

// A settings page with one edit (default "default"), one read-only edit and one button; named
// "FormCommon" it also has the common page's buttons that a lock disables.
class TSamplePage : public TformIncl {
public:
    TSamplePage(QWidget* owner, const QString& name, const QString& caption) : TformIncl(owner) {
        setObjectName(name);
        setWindowTitle(caption);
        auto& c = Controls();
        etValue = c.AddEdit(this, QStringLiteral("etValue"), QStringLiteral("default"));
        etShown = c.AddOther(new QLineEdit(this), QStringLiteral("etShown"));
        etShown->setReadOnly(true);
        etShown->setText(QStringLiteral("только чтение"));
        etShown->move(0, 30);
        btnSync =
            c.AddOther(new QPushButton(QStringLiteral("Синхронизировать"), this), QStringLiteral("btnSync"));
        btnSync->move(0, 60);
    }

    QLineEdit* etValue;
    QLineEdit* etShown;
    QPushButton* btnSync;
};

// The application controller with three sample pages and a connection to the fake panel over a
// pseudo-terminal through the real direct-cable transport. The page transfers run the real
// device controller's page transfer and then the test's script for the page, which may talk
// to the panel and may throw.
class TTestController : public TZV9TKFormsController {
public:
    using TScript = std::function<void(TformIncl& page, TDeviceController& device)>;

    TTestController(TFormMain* main, FakeStoringPanel& panel)
        : TZV9TKFormsController(main, main->ktCntSpl->LowerRight()->Pane(), main->tv1, TDeferBuild{}),
          panel_(panel) {
        Build();
    }
    // The device controller says goodbye over the transport, which goes first otherwise.
    ~TTestController() override { ActiveDevice.reset(); }

    void CreatePages(QWidget* owner) override {
        TZV9TKFormsController::CreatePages(owner);
        FreePages(); // the program's own pages are no part of these tests
        new TSamplePage(Pane, QStringLiteral("FormCommon"), QStringLiteral("Общие настройки"));
        new TSamplePage(Pane, QStringLiteral("formATests"), QStringLiteral("Системные события"));
        new TSamplePage(Pane, QStringLiteral("FormLoops"), QStringLiteral("Шлейфы"));
        CurrentPage = Pages().first();
        ShowCurrent();
    }

    bool OpenConnection() override {
        ++opens;
        link_ = std::make_unique<TComPortWorker>(true, true);
        link_->Open(panel_.PortPath(), br19200);
        ActiveDevice = std::make_unique<TDeviceController>(link_.get(), Log.get(), Main);
        return ActiveDevice->ReadVersion();
    }

    void CloseConnection() override {
        TZV9TKFormsController::CloseConnection();
        link_.reset();
    }

    void ReadCurrent() override {
        transferred.append(CurrentPage->objectName());
        TZV9TKFormsController::ReadCurrent();
        if (script) script(*CurrentPage, *ActiveDevice);
    }

    void WriteCurrent() override {
        transferred.append(CurrentPage->objectName());
        TZV9TKFormsController::WriteCurrent();
        if (script) script(*CurrentPage, *ActiveDevice);
    }

    // The exception policy of a service command around steps.
    void RunService(const std::function<void()>& steps) { RunLocked(TOperationKind::Service, steps); }

    TSamplePage* Page(int i) const { return static_cast<TSamplePage*>(Pages().at(i)); }

    TScript script;
    QStringList transferred;
    int opens = 0;

private:
    FakeStoringPanel& panel_;
    std::unique_ptr<TComPortWorker> link_;
};

// The main window over a temporary program folder, with the test controller, scripted dialogs
// and the program's exit replaced by a recorder.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetAppFolderForTests(folder.path());
        dialogs = &ScriptedDialogs::Reset();
        oldExit = SetExitProgram([this](int code) { exitCodes.append(code); });
    }

    void TearDown() override {
        main.reset();
        SetExitProgram(oldExit);
        SetAppFolderForTests(QString());
        Clock::SetScaleForTests(1.0); // a test that shortened the long waits leaves them whole
    }

    // The main window with its controller, as the program block builds them.
    void Start() {
        main = std::make_unique<TFormMain>();
        auto owned = std::make_unique<TTestController>(main.get(), panel);
        controller = owned.get();
        AppController = controller;
        main->SetController(std::move(owned));
    }

    QString IniPath() const { return folder.filePath(QStringLiteral("current.ini")); }

    // Written in the files' own encoding.
    void WriteIni(const QString& text) const { WriteText(IniPath(), text); }
    static void WriteText(const QString& path, const QString& text) {
        ASSERT_TRUE(WriteFileBytes(path, toCp1251(text)));
    }

    QByteArray ReadIni() const { return FileBytes(IniPath()); }

    // The frames the panel received from the mark on.
    QList<QByteArray> FramesSince(qsizetype mark) const { return panel.Frames().mid(mark); }

    // Texts of the errors window each time it was shown: the count, then the lines.
    void ExpectErrorsWindow(QStringList* shown) {
        dialogs->QueueExec([shown](QDialog& dialog) {
            auto& errors = dynamic_cast<TFormErrors&>(dialog);
            shown->append(errors.pErrCount->text());
            for (int row = 0; row < errors.lErrors->rowCount(); ++row)
                shown->append(errors.lErrors->item(row, 0)->text());
            return int(mrCancel);
        });
    }

    QTemporaryDir folder;
    ScriptedDialogs* dialogs = nullptr;
    std::function<void(int)> oldExit;
    QList<int> exitCodes;
    FakeStoringPanel panel;
    std::unique_ptr<TFormMain> main;
    TTestController* controller = nullptr;
};
