#pragma once

#include "app/FormAppMainController.h"

class TFormMain;

// The controller of this panel model: its settings pages and the event message table, the
// connection to the panel and the link check of the main window's timer.
class TZV9TKFormsController : public TFormAppMainController {
public:
    // Creates the log, the pages (docked into pane and listed in tree) and loads their values
    // from "current.ini".
    TZV9TKFormsController(TFormMain* mainForm, QWidget* pane, QTreeWidget* tree);
    // Frees the message table; the pages are saved to "current.ini" on the way out.
    ~TZV9TKFormsController() override;

    void CreatePages(QWidget* owner) override;
    bool OpenConnection() override;

    // Every tick of the main window's timer.
    void CheckModemLink();

protected:
    // For a derived controller with pages of its own: it runs Build() itself at the end of its
    // constructor, so that its CreatePages is the one called.
    struct TDeferBuild {};
    TZV9TKFormsController(TFormMain* mainForm, QWidget* pane, QTreeWidget* tree, TDeferBuild);

    TFormMain* const Main;
};

// The one application controller, set by the program block; cleared when it is freed.
extern TZV9TKFormsController* AppController;
