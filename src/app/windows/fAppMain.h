#pragma once

#include <QIcon>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class TFormAppMainController;
class TKtSplitter;
class TStatusBar;

// The generic configurator window: the page tree beside the page pane, the log pane below
// them, the tool bar, the menus and the status bar. Every command is handed to the application
// controller; the window itself only asks for file names.
//
// "The main window disabled" (while the link check runs, or while a window that keeps the main
// window waiting is open) disables its own controls only: the windows it owns (the update
// window, the keypad dialog, an open message box) stay usable.
class TFormAppMain : public QWidget {
    Q_OBJECT
public:
    explicit TFormAppMain(QWidget* parent = nullptr);
    ~TFormAppMain() override;

    // The size below the menu bar.
    QSize ClientSize() const;
    void SetClientSize(int width, int height);

    bool MainEnabled() const;
    void SetMainEnabled(bool enabled);

    // The window owns the controller from here on; closing the window frees it.
    void SetController(std::unique_ptr<TFormAppMainController> controller);
    TFormAppMainController* Controller() const { return controller_.get(); }

    // The connect command; also used by the update window after an update.
    void ConnectAndOfferUpdate();
    void DisconnectPanel();
    // The status bar's port and version panels as they stand without a connection.
    void ShowDisconnectedStatus();

    // Handlers of the designed controls.
    void tbConnectClick();
    void tbDisconnectClick();
    void tbReadClick();
    void tbReadAllClick();
    void tbWriteClick();
    void tbWriteAllClick();
    void N21Click();
    void N22Click();
    void mnuSaveClick();
    void mnuLoadClick();
    void tv1Change(QTreeWidgetItem* node);
    void N2Click();
    void N8Click();
    void BitBtn1Click();
    void Button1Click();

    QMenuBar* const MainMenu1;
    QMenu* N1; // "Файл"
    QAction* N2;
    QMenu* N3; // "Соединение"
    QAction* mnuConnect;
    QAction* mnuDisconnect;
    QMenu* N4; // "Панель"
    QAction* mnuRead;
    QAction* mnuWrite;
    QAction* mnuReadAll;
    QAction* mnuWriteAll;
    QMenu* N5; // "Настройки"
    QAction* mnuSave;
    QAction* mnuLoad;
    QAction* N21;
    QAction* N22;
    QMenu* N6; // "Отладка"
    QAction* N16;
    QAction* N17;
    QMenu* N7; // "Помощь"
    QAction* N8;

    QToolBar* ToolBar1;
    QAction* tbConnect;
    QAction* tbDisconnect;
    QAction* tbRead;
    QAction* tbReadAll;
    QAction* tbWrite;
    QAction* tbWriteAll;
    QAction* tbDefault;
    QAction* tbDefaultAll;

    TKtSplitter* KtSplitter1;
    TKtSplitter* ktCntSpl;
    QTreeWidget* tv1;
    QTreeWidget* tvLog;
    QWidget* Panel1;
    QPushButton* BitBtn1;
    QPushButton* Button1;
    QCheckBox* cbScrolling;
    TStatusBar* StatusBar1;

    // Button and menu images: about 0, connect 1, disconnect 2, read 3, read all 4, write 5,
    // write all 6, load 7, save 8, default 9, default all 10.
    QList<QIcon> ImageList1;

protected:
    // A menu item whose handler (its shortcut included) acts only while its top-level menu
    // is enabled: the lock of the user interface disables the top-level menus.
    QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption, int image,
                         const QKeySequence& shortcut, std::function<void()> handler);
    QAction* AddToolButton(const QString& name, const QString& caption, const QString& hint, int image,
                           std::function<void()> handler);

    void closeEvent(QCloseEvent* event) override;
    // The window opens in the middle of the desktop.
    void showEvent(QShowEvent* event) override;
    // Ctrl+C and Ctrl+X in a text field copy and cut there instead of connecting and closing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildPanes();
    void DesignSplitters();
    void FormClose();

    QWidget* const body_;
    std::unique_ptr<TFormAppMainController> controller_;
    bool placed_ = false;
};

// Ends the program with this code once the main window has closed. Tests put their own hook
// in place (and get the old one back), so that closing the window never ends the test run.
void ExitProgram(int code);
std::function<void(int)> SetExitProgram(std::function<void(int)> hook);

// The panel's firmware version as the status bar shows it after a connect ("VER 01.004.013"),
// and whether a firmware image of another version is worth offering to it.
struct TFirmwareVersion {
    int Major = 0;
    int Minor = 0;
};
// The two numbers of a version text in the panel's form (also the embedded image's title); a
// part that is no decimal number gives `unparsed`.
TFirmwareVersion VersionFromText(const QString& text, int unparsed);
// A part that is no decimal number counts as 0.
TFirmwareVersion PanelVersionFromStatus(const QString& text);
// The image is newer than the panel, and the panel (4.10 or later) can take an update.
bool FirmwareUpdateOffered(const TFirmwareVersion& panel, const TFirmwareVersion& image);
