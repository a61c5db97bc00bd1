#pragma once

#include <QList>
#include <QString>
#include <exception>
#include <functional>
#include <memory>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TLogWriter;
class TformIncl;

// What any page-based configurator needs, between its main window and everything else: the
// settings pages docked in a pane, one tree node per page, loading and saving all pages through
// an INI file, and the fixed sequences of a page read or write with their exception policy.
// The panel, the connection and the window it binds to are the derived classes' business.
//
// Every operation runs on the user-interface thread.
class TFormsController {
public:
    virtual ~TFormsController();

    TFormsController(const TFormsController&) = delete;
    TFormsController& operator=(const TFormsController&) = delete;

    // The pages, in the order of the pane's children (the order they were created in).
    virtual void DockPage(TformIncl* page);
    virtual void DockAll();
    virtual void CreatePages(QWidget* owner) = 0;
    virtual void FreePages();
    virtual void AddPageNode(QTreeWidget* tree, TformIncl* page, int index);
    virtual void BuildTree(QTreeWidget* tree);
    virtual void ShowCurrent();

    virtual void SetConnected(bool connected) = 0;
    virtual bool OpenConnection() = 0;
    virtual void CloseConnection() = 0;
    virtual void CreateLog(std::unique_ptr<TLogWriter>& log) = 0;
    virtual void ReadCurrent() = 0;
    virtual void WriteCurrent() = 0;
    virtual void ClearErrors() = 0;
    virtual void ShowErrors() = 0;
    virtual void LockUI() = 0;
    virtual void UnlockUI() = 0;

    // Page transfers. They do nothing while disconnected or while another transfer runs (its
    // message handling keeps a few buttons live).
    virtual void ReadPage();
    virtual void WritePage();
    virtual void ReadAll();
    virtual void WriteAll();

    virtual bool Connect();
    virtual void Disconnect();
    // The port itself went away under the connection: the reason (the system's own words) goes
    // to the log, the link is closed without the goodbye commands, which could reach nobody,
    // and the user is told in his words.
    void DisconnectBrokenPort(const QString& reason);

    // A panel is connected.
    virtual bool IsConnected() const = 0;
    // The user interface is locked: a transfer (or the firmware update) runs.
    virtual bool Busy() const = 0;

    // Shows the page at this position among the pane's children; anything else is ignored.
    void SelectPage(int index);
    void LoadAll(const QString& fileName);
    // Keeps the file's sections and keys that the pages do not write. Throws EIniFileError when
    // the file cannot be written; the old file then stays whole.
    void SaveAll(const QString& fileName);
    void DefaultsAll();
    void DefaultsCurrent();

    QList<TformIncl*> Pages() const;
    // The position among the pane's children of the page a tree node stands for.
    static int NodePageIndex(const QTreeWidgetItem* node);
    TformIncl* Current() const { return CurrentPage; }
    QWidget* PagePane() const { return Pane; }

protected:
    TFormsController(QWidget* mainForm, QWidget* pane, QTreeWidget* tree);

    // The creation sequence: the log, the pages docked and listed in the tree, their values
    // from "current.ini". Virtual operations do not reach a derived class from a constructor,
    // so the most derived class runs it at the end of its own.
    void Build();

    // How an operation's exception is handled once the user interface is unlocked again.
    enum class TOperationKind {
        Page,    // page transfers: the errors window afterwards
        Service, // service commands
        Restart, // the restart, which has disconnected already
    };
    // Locks the user interface, runs the steps, unlocks it whatever happened, then applies the
    // exception policy of this kind of operation. When the steps succeeded, `unlocked` runs
    // after the unlock under the same policy (the restart's new connect, which shows dialogs).
    void RunLocked(TOperationKind kind, const std::function<void()>& steps,
                   const std::function<void()>& unlocked = {});
    // A failure the errors window has to show beside the failed parameters.
    virtual void AddFailure(const QString& text) = 0;
    // Runs the page transfers of one read all or write all; a controller may bracket them (one
    // progress window for all pages).
    virtual void RunPageTransfers(const std::function<void()>& transfers) { transfers(); }

    QWidget* const Pane;
    TformIncl* CurrentPage = nullptr;
    std::unique_ptr<TLogWriter> Log;
    QWidget* const MainForm;
    bool BrokenLinkFlag = false; // only while disconnecting after the port went away
    QTreeWidget* const Tree;

private:
    void ApplyPolicy(TOperationKind kind, std::exception_ptr failure);
    void TransferAll(const std::function<void(TformIncl&)>& prepare, void (TFormsController::*transfer)());
    int PageIndex(const TformIncl* page) const;
};
