#include "app/windows/fAppMain.h"
#include "firmware/fUpdateIns.h"

#include "app/controllers/FormAppMainController.h"
#include "app/windows/StatusBar.h"
#include "app/windows/TVLog.h"
#include "app/windows/TextFileDialog.h"
#include "app/windows/fAbout.h"
#include "base/Color.h"
#include "platform/DialogService.h"
#include "platform/ExceptionGuard.h"
#include "uikit/services/KtAlign.h"
#include "uikit/splitter/KtSplitter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

std::function<void(int)>& ExitHook() {
    static std::function<void(int)> hook = [](int code) { QCoreApplication::exit(code); };
    return hook;
}

QList<QIcon> StandardImages(const QStyle* style) {
    const QStyle::StandardPixmap kImages[] = {
        QStyle::SP_MessageBoxInformation,  // about
        QStyle::SP_DriveNetIcon,           // connect
        QStyle::SP_BrowserStop,            // disconnect
        QStyle::SP_ArrowDown,              // read
        QStyle::SP_FileDialogContentsView, // read all
        QStyle::SP_ArrowUp,                // write
        QStyle::SP_FileDialogDetailedView, // write all
        QStyle::SP_DialogOpenButton,       // load
        QStyle::SP_DialogSaveButton,       // save
        QStyle::SP_DialogResetButton,      // default
        QStyle::SP_BrowserReload,          // default all
    };
    QList<QIcon> images;
    for (QStyle::StandardPixmap image : kImages)
        images.append(style->standardIcon(image));
    return images;
}

// Widgets in which Ctrl+C and Ctrl+X mean copy and cut.
bool IsTextField(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
        qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(widget);
    return combo && combo->isEditable();
}

int DecimalOr(const QString& text, int unparsed) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : unparsed;
}

FileDialogRequest TextFileOpenDialog() {
    FileDialogRequest request;
    request.filter = QStringLiteral("Text Files|*.txt");
    request.defaultExt = QStringLiteral("txt");
    return request;
}

} // namespace

void ExitProgram(int code) {
    ExitHook()(code);
}

std::function<void(int)> SetExitProgram(std::function<void(int)> hook) {
    return std::exchange(ExitHook(), std::move(hook));
}

TFormAppMain::TFormAppMain(QWidget* parent)
    : QWidget(parent), MainMenu1(new QMenuBar), body_(new QWidget(this)) {
    setObjectName(QStringLiteral("FormAppMain"));
    setWindowTitle(QStringLiteral("Программа настройки"));
    ImageList1 = StandardImages(style());

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(body_);
    auto* layout = new QVBoxLayout(body_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The menu bar stays inside the window, so the client size never depends on a desktop
    // that moves menus elsewhere.
    MainMenu1->setNativeMenuBar(false);
    layout->setMenuBar(MainMenu1);

    BuildMenus();
    BuildToolBar();
    BuildPanes();
    layout->addWidget(ToolBar1);
    layout->addWidget(KtSplitter1, 1);
    StatusBar1 = new TStatusBar(body_);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->SetPanelWidths({60, 100, 50});
    ShowDisconnectedStatus();
    layout->addWidget(StatusBar1);

    SetClientSize(919, 755);
    DesignSplitters();

    qApp->installEventFilter(this);
}

TFormAppMain::~TFormAppMain() {
    // Freed while the pages and the log tree still exist: it saves the pages on the way out.
    controller_.reset();
}

QAction* TFormAppMain::AddMenuItem(QMenu* menu, const QString& name, const QString& caption, int image,
                                   const QKeySequence& shortcut, std::function<void()> handler) {
    auto* item = menu->addAction(caption);
    item->setObjectName(name);
    if (image >= 0) item->setIcon(ImageList1.at(image));
    item->setShortcut(shortcut);
    // Qt fires a shortcut of an item whose menu is disabled; the lock relies on it not firing.
    connect(item, &QAction::triggered, this, Guarded([menu, handler = std::move(handler)] {
                if (menu->menuAction()->isEnabled() && handler) handler();
            }));
    return item;
}

QAction* TFormAppMain::AddToolButton(const QString& name, const QString& caption, const QString& hint,
                                     int image, std::function<void()> handler) {
    auto* button = ToolBar1->addAction(ImageList1.at(image), caption);
    button->setObjectName(name);
    button->setToolTip(hint);
    connect(button, &QAction::triggered, this, Guarded(std::move(handler)));
    return button;
}

void TFormAppMain::BuildMenus() {
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto topMenu = [this](const QString& name, const QString& caption) {
        QMenu* menu = MainMenu1->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    const auto ctrlShift = [](int key) { return QKeySequence(Qt::CTRL | Qt::SHIFT | key); };

    N1 = topMenu(QStringLiteral("N1"), QStringLiteral("Файл"));
    N2 = AddMenuItem(N1, QStringLiteral("N2"), QStringLiteral("Выход"), -1, ctrl(Qt::Key_X),
                     [this] { N2Click(); });

    N3 = topMenu(QStringLiteral("N3"), QStringLiteral("Соединение"));
    mnuConnect = AddMenuItem(N3, QStringLiteral("mnuConnect"), QStringLiteral("Подключиться"), 1,
                             ctrl(Qt::Key_C), [this] { tbConnectClick(); });
    mnuDisconnect = AddMenuItem(N3, QStringLiteral("mnuDisconnect"), QStringLiteral("Отключиться"), 2,
                                ctrl(Qt::Key_D), [this] { tbDisconnectClick(); });

    N4 = topMenu(QStringLiteral("N4"), QStringLiteral("Панель"));
    mnuRead =
        AddMenuItem(N4, QStringLiteral("mnuRead"), QStringLiteral("Прочитать настройки с данной страницы"), 3,
                    ctrl(Qt::Key_R), [this] { tbReadClick(); });
    mnuWrite =
        AddMenuItem(N4, QStringLiteral("mnuWrite"), QStringLiteral("Записать настройки с данной страницы"), 5,
                    ctrl(Qt::Key_W), [this] { tbWriteClick(); });
    N4->addSeparator();
    mnuReadAll = AddMenuItem(N4, QStringLiteral("mnuReadAll"), QStringLiteral("Прочитать все настройки"), 4,
                             ctrlShift(Qt::Key_R), [this] { tbReadAllClick(); });
    mnuWriteAll = AddMenuItem(N4, QStringLiteral("mnuWriteAll"), QStringLiteral("Записать все настройки"), 6,
                              ctrlShift(Qt::Key_W), [this] { tbWriteAllClick(); });

    N5 = topMenu(QStringLiteral("N5"), QStringLiteral("Настройки"));
    mnuSave = AddMenuItem(N5, QStringLiteral("mnuSave"), QStringLiteral("Сохранить"), 8, ctrl(Qt::Key_S),
                          [this] { mnuSaveClick(); });
    mnuLoad = AddMenuItem(N5, QStringLiteral("mnuLoad"), QStringLiteral("Загрузить"), 7, ctrl(Qt::Key_L),
                          [this] { mnuLoadClick(); });
    N5->addSeparator();
    N21 = AddMenuItem(N5, QStringLiteral("N21"), QStringLiteral("Настройки по умолчанию на данной странице"),
                      9, {}, [this] { N21Click(); });
    N22 = AddMenuItem(N5, QStringLiteral("N22"), QStringLiteral("Все настройки по умолчанию"), 10, {},
                      [this] { N22Click(); });

    // Debugging switches: only their check marks, and the menu is never shown.
    N6 = topMenu(QStringLiteral("N6"), QStringLiteral("Отладка"));
    N16 =
        AddMenuItem(N6, QStringLiteral("N16"), QStringLiteral("Выводить информацию в окно"), -1, {}, nullptr);
    N17 =
        AddMenuItem(N6, QStringLiteral("N17"), QStringLiteral("Выводить информацию в лог"), -1, {}, nullptr);
    N16->setCheckable(true);
    N16->setChecked(true);
    N17->setCheckable(true);
    N6->menuAction()->setVisible(false);

    N7 = topMenu(QStringLiteral("N7"), QStringLiteral("Помощь"));
    N8 = AddMenuItem(N7, QStringLiteral("N8"), QStringLiteral("О программе"), 0, QKeySequence(Qt::Key_F1),
                     [this] { N8Click(); });

    for (QAction* item : {mnuDisconnect, mnuRead, mnuWrite, mnuReadAll, mnuWriteAll, N21, N22})
        item->setEnabled(false);
}

void TFormAppMain::BuildToolBar() {
    ToolBar1 = new QToolBar(body_);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbConnect = AddToolButton(QStringLiteral("tbConnect"), QStringLiteral("Подключиться"),
                              QStringLiteral("Подключиться"), 1, [this] { tbConnectClick(); });
    tbDisconnect = AddToolButton(QStringLiteral("tbDisconnect"), QStringLiteral("Отключиться"),
                                 QStringLiteral("Отключиться"), 2, [this] { tbDisconnectClick(); });
    ToolBar1->addSeparator();
    tbRead = AddToolButton(QStringLiteral("tbRead"), QStringLiteral("Прочитать"), QStringLiteral("Прочитать"),
                           3, [this] { tbReadClick(); });
    tbReadAll = AddToolButton(QStringLiteral("tbReadAll"), QStringLiteral("Прочитать все"),
                              QStringLiteral("Прочитать все"), 4, [this] { tbReadAllClick(); });
    ToolBar1->addSeparator();
    tbWrite = AddToolButton(QStringLiteral("tbWrite"), QStringLiteral("Записать"), QStringLiteral("Записать"),
                            5, [this] { tbWriteClick(); });
    tbWriteAll = AddToolButton(QStringLiteral("tbWriteAll"), QStringLiteral("Записать все"),
                               QStringLiteral("Записать все"), 6, [this] { tbWriteAllClick(); });
    ToolBar1->addSeparator();
    tbDefault = AddToolButton(QStringLiteral("tbDefault"), QStringLiteral("По умолчанию"),
                              QStringLiteral("По умолчанию"), 9, [this] { N21Click(); });
    tbDefaultAll = AddToolButton(QStringLiteral("tbDefaultAll"), QStringLiteral("По умолчанию"),
                                 QStringLiteral("По умолчанию все"), 10, [this] { N22Click(); });
    ToolBar1->addSeparator();
    for (QAction* button : {tbDisconnect, tbRead, tbReadAll, tbWrite, tbWriteAll, tbDefault, tbDefaultAll})
        button->setEnabled(false);
}

void TFormAppMain::BuildPanes() {
    KtSplitter1 = new TKtSplitter(body_);
    KtSplitter1->setObjectName(QStringLiteral("KtSplitter1"));
    ktCntSpl = new TKtSplitter(KtSplitter1->UpperLeft()->Pane());
    ktCntSpl->setObjectName(QStringLiteral("ktCntSpl"));
    SetAlign(ktCntSpl, alClient);

    tv1 = new QTreeWidget(ktCntSpl->UpperLeft()->Pane());
    tv1->setObjectName(QStringLiteral("tv1"));
    tv1->setHeaderHidden(true);
    tv1->setRootIsDecorated(false);
    tv1->setFrameShape(QFrame::NoFrame);
    tv1->setSelectionBehavior(QAbstractItemView::SelectRows);
    tv1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The chosen page stays marked when the focus moves into the page.
    QPalette treePalette = tv1->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        treePalette.setColor(QPalette::Inactive, role, treePalette.color(QPalette::Active, role));
    tv1->setPalette(treePalette);
    SetAlign(tv1, alClient);
    connect(tv1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { GuardedCall([this, node] { tv1Change(node); }); });

    QWidget* lower = KtSplitter1->LowerRight()->Pane();
    tvLog = new QTreeWidget(lower);
    tvLog->setObjectName(QStringLiteral("tvLog"));
    tvLog->setHeaderHidden(true);
    tvLog->setRootIsDecorated(false);
    tvLog->setIndentation(19);
    tvLog->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette logPalette = tvLog->palette();
    logPalette.setColor(QPalette::Base, ToQColor(clInfoBk));
    tvLog->setPalette(logPalette);

    Panel1 = new QWidget(lower);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    BitBtn1 = new QPushButton(QStringLiteral("Очистить"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    Button1 = new QPushButton(QStringLiteral("Сохранить"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    cbScrolling = new QCheckBox(QStringLiteral("Прокрутка?"), Panel1);
    cbScrolling->setObjectName(QStringLiteral("cbScrolling"));
    cbScrolling->setChecked(true);
    auto* buttons = new QVBoxLayout(Panel1);
    buttons->setContentsMargins(4, 4, 4, 4);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(Button1);
    buttons->addWidget(cbScrolling);
    buttons->addStretch(1);
    auto* logRow = new QHBoxLayout(lower);
    logRow->setContentsMargins(0, 0, 0, 0);
    logRow->setSizeConstraint(QLayout::SetNoConstraint);
    logRow->setSpacing(0);
    logRow->addWidget(tvLog, 1);
    logRow->addWidget(Panel1);
    connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
}

void TFormAppMain::DesignSplitters() {
    // The designed sizes come first, as in a stored design: the positions are kept within them.
    // The window's layout gives the splitters their real sizes when it is shown.
    KtSplitter1->BeginLoading();
    ktCntSpl->BeginLoading();
    KtSplitter1->resize(919, 714);
    KtSplitter1->SetOrientation(orVertical);
    KtSplitter1->SetHotSpotVisible(true);
    KtSplitter1->SetHotSpotDirection(hsdMax);
    KtSplitter1->SetSplitterStyle(ssGroove);
    KtSplitter1->SetSplitterWidth(5);
    KtSplitter1->SetPosition(620);
    KtSplitter1->SetPercent(87);
    ktCntSpl->resize(919, 620);
    ktCntSpl->SetBorderWidth(3);
    ktCntSpl->SetBorderInner(fsGroove);
    ktCntSpl->SetBorderSides({sdTop});
    ktCntSpl->SetHotSpotVisible(true);
    ktCntSpl->SetSplitterStyle(ssGroove);
    ktCntSpl->SetSplitterWidth(6);
    ktCntSpl->SetPosition(164);
    ktCntSpl->SetPercent(18);
    KtSplitter1->Loaded();
    ktCntSpl->Loaded();
}

QSize TFormAppMain::ClientSize() const {
    return {width(), height() - MainMenu1->sizeHint().height()};
}

void TFormAppMain::SetClientSize(int width, int height) {
    resize(width, height + MainMenu1->sizeHint().height());
}

bool TFormAppMain::MainEnabled() const {
    return !body_->testAttribute(Qt::WA_ForceDisabled);
}

void TFormAppMain::SetMainEnabled(bool enabled) {
    // Disabling the window itself would disable every window it owns as well.
    body_->setEnabled(enabled);
}

void TFormAppMain::SetController(std::unique_ptr<TFormAppMainController> controller) {
    controller_ = std::move(controller);
}

void TFormAppMain::ConnectAndOfferUpdate() {
    if (!controller_ || controller_->Busy()) return;
    StatusBar1->SetPanelText(1, QString());
    const bool ok = controller_->Connect();
    if (!formUpdateIns) return;
    formUpdateIns->UpdateState = 0;
    if (ok) formUpdateIns->ReportImageFault(controller_->LogPane());
    if (ok && formUpdateIns->HasImage() &&
        FirmwareUpdateOffered(PanelVersionFromStatus(StatusBar1->PanelText(1)),
                              formUpdateIns->ImageVersion()))
        formUpdateIns->show();
}

void TFormAppMain::ShowDisconnectedStatus() {
    StatusBar1->SetPanelText(0, QStringLiteral("Com"));
    StatusBar1->SetPanelText(1, QStringLiteral("Версия"));
}

void TFormAppMain::DisconnectPanel() {
    if (controller_) controller_->Disconnect();
}

void TFormAppMain::tbConnectClick() {
    ConnectAndOfferUpdate();
}

void TFormAppMain::tbDisconnectClick() {
    if (controller_ && !controller_->Busy()) controller_->Disconnect();
}

void TFormAppMain::tbReadClick() {
    if (controller_) controller_->ReadPage();
}

void TFormAppMain::tbReadAllClick() {
    if (controller_) controller_->ReadAll();
}

void TFormAppMain::tbWriteClick() {
    if (controller_) controller_->WritePage();
}

void TFormAppMain::tbWriteAllClick() {
    if (controller_) controller_->WriteAll();
}

void TFormAppMain::N21Click() {
    if (controller_) controller_->DefaultsCurrent();
}

void TFormAppMain::N22Click() {
    if (controller_) controller_->DefaultsAll();
}

void TFormAppMain::mnuSaveClick() {
    if (!controller_ || controller_->Busy()) return;
    const QString fileName = DialogService::Instance().FileDialog(TextFileSaveDialog());
    if (!fileName.isEmpty()) controller_->SaveAll(fileName);
}

void TFormAppMain::mnuLoadClick() {
    if (!controller_ || controller_->Busy()) return;
    const QString fileName = DialogService::Instance().FileDialog(TextFileOpenDialog());
    if (!fileName.isEmpty()) controller_->LoadAll(fileName);
}

void TFormAppMain::tv1Change(QTreeWidgetItem* node) {
    if (controller_ && node) controller_->SelectPage(TFormsController::NodePageIndex(node));
}

void TFormAppMain::N2Click() {
    close();
}

void TFormAppMain::N8Click() {
    if (FormAbout) DialogService::Instance().ExecModal(*FormAbout);
}

void TFormAppMain::BitBtn1Click() {
    if (TTVLog* log = controller_ ? controller_->LogPane() : nullptr) log->Clear();
}

void TFormAppMain::Button1Click() {
    if (TTVLog* log = controller_ ? controller_->LogPane() : nullptr) log->Save();
}

void TFormAppMain::closeEvent(QCloseEvent* event) {
    // The close box works even while a transfer runs or the link check waits for the panel;
    // freeing the controller under them would pull the connection away mid-exchange.
    if (controller_ && (controller_->Busy() || !MainEnabled())) {
        event->ignore();
        return;
    }
    event->accept();
    if (controller_) FormClose();
}

void TFormAppMain::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

void TFormAppMain::FormClose() {
    GuardedCall([this] { controller_->Disconnect(); });
    // Writes "current.ini" on its way out.
    controller_.reset();
    ExitProgram(0);
}

bool TFormAppMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && IsTextField(widget) &&
            (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut))) {
            // Accepting the override hands the key to the field instead of the menu.
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

TFirmwareVersion VersionFromText(const QString& text, int unparsed) {
    // "VER 01.004.013": past the tag's word and its first point come the major number, a point
    // and the minor number. A missing point leaves the text as it is at that step.
    QString rest = text.mid(4);
    rest.remove(0, rest.indexOf(u'.') + 1);
    TFirmwareVersion version;
    const qsizetype point = rest.indexOf(u'.');
    version.Major = DecimalOr(rest.left(point < 0 ? 0 : point), unparsed);
    rest.remove(0, point + 1);
    version.Minor = DecimalOr(rest, unparsed);
    return version;
}

TFirmwareVersion PanelVersionFromStatus(const QString& text) {
    return VersionFromText(text, 0);
}

bool FirmwareUpdateOffered(const TFirmwareVersion& panel, const TFirmwareVersion& image) {
    const bool imageNewer =
        image.Major > panel.Major || (image.Major == panel.Major && image.Minor > panel.Minor);
    const bool panelTakesUpdates = panel.Major > 4 || (panel.Major == 4 && panel.Minor >= 10);
    return imageNewer && panelTakesUpdates;
}
