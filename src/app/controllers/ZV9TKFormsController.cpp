#include "app/controllers/ZV9TKFormsController.h"

#include "app/pages/fATests.h"
#include "app/pages/fCommon.h"
#include "app/pages/fEnNumber.h"
#include "app/pages/fGPRS.h"
#include "app/pages/fHistory.h"
#include "app/pages/fIn.h"
#include "app/pages/fKBDs.h"
#include "app/pages/fLoops.h"
#include "app/pages/fWays.h"
#include "app/windows/fMain.h"
#include "device/DeviceController.h"
#include "device/MsgFile.h"
#include "link/ComPortWorker.h"
#include "platform/AppFolder.h"

TZV9TKFormsController* AppController = nullptr;

TZV9TKFormsController::TZV9TKFormsController(TFormMain* mainForm, QWidget* pane, QTreeWidget* tree)
    : TZV9TKFormsController(mainForm, pane, tree, TDeferBuild{}) {
    Build();
}

TZV9TKFormsController::TZV9TKFormsController(TFormMain* mainForm, QWidget* pane, QTreeWidget* tree,
                                             TDeferBuild)
    : TFormAppMainController(mainForm, pane, tree), Main(mainForm) {}

TZV9TKFormsController::~TZV9TKFormsController() {
    // The goodbye still needs the transport, which would otherwise go first.
    ActiveDevice.reset();
    CloseLink();
    MsgFile.reset();
    if (AppController == this) AppController = nullptr;
}

void TZV9TKFormsController::CreatePages(QWidget*) {
    MsgFile = std::make_unique<TMsgFile>();
    MsgFile->LoadFromFile(AppFolder() + QStringLiteral("Messages.txt"));
    // The pages, one line each, in the order of the tree and of every loop over all pages:
    // their position among the pane's children is their index.
    new TFormCommon(Pane);
    new TformATests(Pane);
    auto* gprs = new TformGPRS(Pane);
    new TFormLoops(Pane);
    new TFormEnNumber(Pane);
    auto* ways = new TformWays(Pane);
    gprs->WaysPage = ways;
    new TFormKBDs(Pane);
    auto* history = new TFormHistory(Pane);
    history->WayNames = [ways](int way) { return ways->WayChannelName(way); };
    const QList<TformIncl*> pages = Pages();
    CurrentPage = pages.isEmpty() ? nullptr : pages.first();
    ShowCurrent();
}
