#include "app/controllers/FormsController.h"

#include "app/pages/fIn.h"
#include "base/Exceptions.h"
#include "base/LogWriter.h"
#include "platform/AppFolder.h"
#include "platform/DialogService.h"
#include "platform/IniFile.h"

#include <QGridLayout>
#include <QScopeGuard>
#include <QTreeWidget>

namespace {

// A tree node keeps the position of its page among the pane's children.
constexpr int kPageIndexRole = Qt::UserRole;

// A widget shown by the program (not merely one that would appear with its parent).
bool ExplicitlyShown(const QWidget* widget) {
    return widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && !widget->isHidden();
}

} // namespace

TFormsController::TFormsController(QWidget* mainForm, QWidget* pane, QTreeWidget* tree)
    : Pane(pane), MainForm(mainForm), Tree(tree) {}

TFormsController::~TFormsController() {
    // The last values of every page are remembered for the next start. A folder the user may
    // not write to must not keep the program from closing: say so and go on.
    try {
        SaveAll(CurrentIniName());
    } catch (const EBaseError& e) {
        try {
            ShowError(e.message());
        } catch (...) {
        }
    }
    FreePages();
}

void TFormsController::Build() {
    Log.reset();
    CreateLog(Log);
    CreatePages(MainForm);
    DockAll();
    BuildTree(Tree);
    Tree->expandAll();
    LoadAll(CurrentIniName());
}

QList<TformIncl*> TFormsController::Pages() const {
    QList<TformIncl*> pages;
    for (QObject* child : Pane->children())
        if (auto* page = qobject_cast<TformIncl*>(child)) pages.append(page);
    return pages;
}

int TFormsController::PageIndex(const TformIncl* page) const {
    return int(Pane->children().indexOf(const_cast<TformIncl*>(page)));
}

void TFormsController::DockPage(TformIncl* page) {
    // A new page would appear with the pane; only the page the controller shows is visible.
    const bool shown = ExplicitlyShown(page);
    if (page->parentWidget() != Pane) page->setParent(Pane);
    page->setGeometry(Pane->rect());
    // The page fills the pane and follows it when the window or the splitter changes size; the
    // pages share one cell, and only the shown one takes it.
    auto* layout = qobject_cast<QGridLayout*>(Pane->layout());
    if (!layout) {
        layout = new QGridLayout(Pane);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (layout->indexOf(page) < 0) layout->addWidget(page, 0, 0);
    page->setVisible(shown);
}

void TFormsController::DockAll() {
    for (TformIncl* page : Pages())
        DockPage(page);
}

void TFormsController::FreePages() {
    const QList<TformIncl*> pages = Pages();
    CurrentPage = nullptr;
    qDeleteAll(pages);
}

void TFormsController::AddPageNode(QTreeWidget* tree, TformIncl* page, int index) {
    auto* node = new QTreeWidgetItem(tree, QStringList{page->windowTitle()});
    node->setData(0, kPageIndexRole, index);
}

void TFormsController::BuildTree(QTreeWidget* tree) {
    tree->clear();
    const QObjectList children = Pane->children();
    for (int i = 0; i < children.size(); ++i)
        if (auto* page = qobject_cast<TformIncl*>(children.at(i))) AddPageNode(tree, page, i);
}

int TFormsController::NodePageIndex(const QTreeWidgetItem* node) {
    return node->data(0, kPageIndexRole).toInt();
}

void TFormsController::ShowCurrent() {
    if (!CurrentPage) return;
    CurrentPage->setGeometry(Pane->rect());
    CurrentPage->show();
}

void TFormsController::SelectPage(int index) {
    const QObjectList children = Pane->children();
    if (index < 0 || index >= children.size()) return;
    auto* page = qobject_cast<TformIncl*>(children.at(index));
    if (!page) return;
    if (CurrentPage) CurrentPage->hide();
    CurrentPage = page;
    ShowCurrent();
}

void TFormsController::ReadPage() {
    if (Busy() || !IsConnected() || !CurrentPage) return;
    CurrentPage->Clear();
    ClearErrors();
    RunLocked(TOperationKind::Page, [this] { ReadCurrent(); });
}

void TFormsController::WritePage() {
    if (Busy() || !IsConnected() || !CurrentPage) return;
    CurrentPage->ResetMarks();
    ClearErrors();
    RunLocked(TOperationKind::Page, [this] { WriteCurrent(); });
}

void TFormsController::ReadAll() {
    if (Busy() || !IsConnected()) return;
    ClearErrors();
    RunLocked(TOperationKind::Page,
              [this] { TransferAll([](TformIncl& page) { page.Clear(); }, &TFormsController::ReadCurrent); });
}

void TFormsController::WriteAll() {
    if (Busy() || !IsConnected()) return;
    ClearErrors();
    RunLocked(TOperationKind::Page, [this] {
        TransferAll([](TformIncl& page) { page.ResetMarks(); }, &TFormsController::WriteCurrent);
    });
}

void TFormsController::TransferAll(const std::function<void(TformIncl&)>& prepare,
                                   void (TFormsController::*transfer)()) {
    // The first failure ends the loop with the failed page on screen; the tree then still
    // shows the node the user chose.
    RunPageTransfers([&] {
        for (TformIncl* page : Pages()) {
            SelectPage(PageIndex(page));
            prepare(*CurrentPage);
            (this->*transfer)();
        }
    });
    if (!CurrentPage) return;
    const int index = PageIndex(CurrentPage);
    for (int i = 0; i < Tree->topLevelItemCount(); ++i)
        if (NodePageIndex(Tree->topLevelItem(i)) == index) Tree->setCurrentItem(Tree->topLevelItem(i));
}

void TFormsController::RunLocked(TOperationKind kind, const std::function<void()>& steps,
                                 const std::function<void()>& unlocked) {
    LockUI();
    std::exception_ptr failure;
    try {
        steps();
    } catch (...) {
        failure = std::current_exception();
    }
    UnlockUI();
    if (!failure && unlocked) {
        try {
            unlocked();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    ApplyPolicy(kind, failure);
}

void TFormsController::ApplyPolicy(TOperationKind kind, std::exception_ptr failure) {
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const TCommException&) {
            // The link is gone: close it without a word; the restart has closed it already.
            if (kind != TOperationKind::Restart) Disconnect();
            return;
        } catch (const TCloseException& e) {
            DisconnectBrokenPort(e.message());
            return;
        } catch (const TStopException&) {
            // The user's own cancel: the failures gathered so far are shown below.
        } catch (const EBaseError& e) {
            // An error of a port that is still there, or a bad value: without a line of its own
            // the transfer would look successful.
            if (kind == TOperationKind::Page) AddFailure(e.message());
        } catch (const std::exception& e) {
            if (kind == TOperationKind::Page) AddFailure(QString::fromLocal8Bit(e.what()));
        }
    }
    if (kind == TOperationKind::Page) ShowErrors();
}

bool TFormsController::Connect() {
    const bool ok = OpenConnection();
    SetConnected(ok);
    return ok;
}

void TFormsController::Disconnect() {
    {
        // The goodbye over a modem pumps window messages: a second disconnect or the close box
        // handled there would free the link under it.
        LockUI();
        const auto unlock = qScopeGuard([this] { UnlockUI(); });
        CloseConnection();
    }
    SetConnected(false);
}

void TFormsController::DisconnectBrokenPort(const QString& reason) {
    if (Log) Log->WriteError(reason);
    {
        BrokenLinkFlag = true;
        const auto clear = qScopeGuard([this] { BrokenLinkFlag = false; });
        Disconnect();
    }
    MessageDlg(QStringLiteral("Разрыв соединения с com-портом!"), TMsgDlgType::mtError, mbOK);
}

void TFormsController::LoadAll(const QString& fileName) {
    const TMemIniFile ini(fileName);
    for (TformIncl* page : Pages())
        page->LoadFromIni(ini);
}

void TFormsController::SaveAll(const QString& fileName) {
    TMemIniFile ini(fileName);
    for (TformIncl* page : Pages())
        page->SaveToIni(ini);
    ini.UpdateFile();
}

void TFormsController::DefaultsAll() {
    if (Busy()) return;
    for (TformIncl* page : Pages())
        page->SetDefaults();
}

void TFormsController::DefaultsCurrent() {
    if (Busy() || !CurrentPage) return;
    CurrentPage->SetDefaults();
}
