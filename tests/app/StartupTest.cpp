#include "DesignedPages.h"

#include "app/controllers/Startup.h"
#include "app/controllers/ZV9TKFormsController.h"
#include "app/pages/fHistory.h"
#include "app/pages/fIn.h"
#include "app/pages/fWays.h"
#include "app/windows/fAbout.h"
#include "app/windows/fAppMain.h"
#include "app/windows/fErrors.h"
#include "app/windows/fLoad.h"
#include "app/windows/fMain.h"
#include "device/MsgFile.h"
#include "platform/AppFolder.h"
#include "platform/ProgramVersion.h"
#include "support/ScriptedDialogs.h"
#include "uikit/splitter/KtSplitter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QStringList Names(const QList<QWidget*>& windows) {
    QStringList names;
    for (const QWidget* window : windows)
        names << window->objectName();
    return names;
}

int SplashWindows() {
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<const TFormLoad*>(window) != nullptr;
    return count;
}

} // namespace

TEST(Startup, CreatesTheWindowsInOrderWithTheControllerAndFreesTheSplash) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SetAppFolderForTests(folder.path());
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(ZV9_RESOURCES_DIR "/Messages.txt"), folder.filePath("Messages.txt")));
    ScriptedDialogs::Reset();
    const auto oldExit = SetExitProgram([](int) {});

    StartProgram();

    EXPECT_EQ(SplashWindows(), 0);
    EXPECT_EQ(Names(StartupWindows()).join(u' ').toStdString(),
              "FormMain FormErrors Form2 FormAbout formUpdateInsertion formUpdateIns");
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Zelvan9TK4"));
    ASSERT_NE(FormMain, nullptr);
    EXPECT_EQ(FormMain->windowTitle(),
              QStringLiteral("Программа настройки ЗЕЛВАН GSM-9-TK4 v.") + BuiltFileVersion());
    ASSERT_NE(AppController, nullptr);
    EXPECT_EQ(FormMain->Controller(), AppController);
    EXPECT_EQ(AppController->PagePane(), FormMain->ktCntSpl->LowerRight()->Pane());
    // One node per page that exists, in the order of the tree.
    QStringList pages;
    for (const TformIncl* page : AppController->Pages())
        pages << page->objectName();
    EXPECT_EQ(pages, kDesignedPages);
    // The history names the delivery ways by the ways page's channels.
    auto* ways = qobject_cast<TformWays*>(AppController->Pages().value(5));
    auto* history = qobject_cast<TFormHistory*>(AppController->Pages().value(7));
    ASSERT_TRUE(ways && history && history->WayNames);
    ways->cb(2)->setCurrentIndex(8);
    EXPECT_EQ(history->WayNames(2), QStringLiteral("GPRS-SIM2"));
    ASSERT_EQ(FormMain->tv1->topLevelItemCount(), pages.size());
    EXPECT_EQ(FormMain->tv1->topLevelItem(1)->text(0), QStringLiteral("Системные события"));
    EXPECT_EQ(AppController->Current(), AppController->Pages().value(0)) << "the first page is shown";
    ASSERT_NE(MsgFile, nullptr);
    EXPECT_GT(MsgFile->RowCount(), 0) << "the message table is loaded from the program folder";
    EXPECT_EQ(CurrentDeviceController(), nullptr);

    EndProgram();
    EXPECT_EQ(AppController, nullptr);
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_EQ(MsgFile, nullptr);
    EXPECT_TRUE(StartupWindows().isEmpty());
    EXPECT_TRUE(QFile::exists(folder.filePath("current.ini"))) << "the controller saved the pages";

    SetExitProgram(oldExit);
    SetAppFolderForTests(QString());
}

TEST(Startup, TheUpdateIsOfferedOnlyToAPanelThatCanTakeANewerImage) {
    const TFirmwareVersion image410{4, 10};
    const TFirmwareVersion image411{4, 11};
    const struct {
        const char* status;
        TFirmwareVersion image;
        bool offered;
    } cases[] = {
        {"VER 01.004.009", image411, false}, // the panel is too old for an update
        {"VER 01.004.010", image410, false}, // the same version
        {"VER 01.004.010", image411, true},  {"VER 01.004.011", image410, false}, // the panel is newer
        {"VER 01.005.000", {5, 1}, true},    {"VER 01.004.010", {5, 0}, true},
        {"VER 01.0x4.010", image411, false}, // the major part is no number: 0
        {"garbage", image411, false},        {"", image411, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirmwareUpdateOffered(PanelVersionFromStatus(QString::fromLatin1(c.status)), c.image),
                  c.offered)
            << c.status;
}

// Qt's own buttons speak Russian once the program has started, and English again without it.
TEST(Startup, QtsOwnTextsAreRussian) {
    const auto texts = [] {
        QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                             QDialogButtonBox::No);
        QStringList shown;
        for (auto which :
             {QDialogButtonBox::Save, QDialogButtonBox::Cancel, QDialogButtonBox::Yes, QDialogButtonBox::No})
            shown << box.button(which)->text().remove(u'&');
        return shown.join(u' ');
    };
    std::unique_ptr<QTranslator> translator(InstallQtTranslation());
    ASSERT_TRUE(translator) << "Qt's Russian translation is installed with the program's packages";
    EXPECT_EQ(texts(), QStringLiteral("Сохранить Отмена Да Нет"));
    translator.reset();
    EXPECT_EQ(texts(), QStringLiteral("Save Cancel Yes No"));
}
