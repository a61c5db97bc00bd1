#include "app/windows/fMain.h"

#include "app/controllers/ZV9TKFormsController.h"
#include "app/windows/StatusBar.h"
#include "app/windows/TVLog.h"
#include "firmware/fUpdateIns.h"
#include "platform/AppFolder.h"
#include "platform/ExceptionGuard.h"
#include "platform/IniFile.h"
#include "platform/ProgramVersion.h"
#include "uikit/controls/KtProgressBar.h"
#include "uikit/splitter/KtSplitter.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

TFormMain* FormMain = nullptr;

namespace {

// The word in "current.ini" that shows the service firmware upload.
const char* const kServiceWord = "wobrix";

} // namespace

TFormMain::TFormMain(QWidget* parent)
    : TFormAppMain(parent), Timer1(new QTimer(this)), KtProgressBar1(new TKtProgressBar(StatusBar1)) {
    setObjectName(QStringLiteral("FormMain"));

    N4->addSeparator();
    mnuStart = AddMenuItem(N4, QStringLiteral("mnuStart"), QStringLiteral("Запустить"), -1, {},
                           [this] { mnuStartClick(); });
    mnuStop = AddMenuItem(N4, QStringLiteral("mnuStop"), QStringLiteral("Остановить"), -1, {},
                          [this] { mnuStopClick(); });
    mnuReload = AddMenuItem(N4, QStringLiteral("mnuReload"), QStringLiteral("Перезагрузить"), -1, {},
                            [this] { mnuReloadClick(); });
    N4->addSeparator();
    mnuUpdate = AddMenuItem(N4, QStringLiteral("mnuUpdate"), QStringLiteral("Обновить версию прошивки"), -1,
                            {}, [this] { mnuUpdateClick(); });
    for (QAction* item : {mnuStart, mnuStop, mnuReload})
        item->setEnabled(false);
    mnuUpdate->setVisible(false);

    tbRead->setToolTip(QStringLiteral("Прочитать настройки с данной страницы"));
    tbReadAll->setToolTip(QStringLiteral("Прочитать все настройки"));
    tbWrite->setToolTip(QStringLiteral("Записать настройки с данной страницы"));
    tbWriteAll->setToolTip(QStringLiteral("Записать все настройки"));
    tbDefault->setToolTip(QStringLiteral("Настройки по умолчанию на данной странице"));
    tbDefaultAll->setToolTip(QStringLiteral("Все настройки по умолчанию"));

    StatusBar1->SetPanelWidths({60, 100, 100, 200});
    ShowDisconnectedStatus();
    KtProgressBar1->setObjectName(QStringLiteral("KtProgressBar1"));
    KtProgressBar1->hide();

    SetClientSize(982, 734);
    // This window's design over the base window's: sizes, positions and percentages.
    KtSplitter1->BeginLoading();
    ktCntSpl->BeginLoading();
    KtSplitter1->resize(982, 693);
    KtSplitter1->SetPosition(597);
    KtSplitter1->SetPercent(86);
    ktCntSpl->resize(982, 597);
    ktCntSpl->SetPercent(17);
    KtSplitter1->Loaded();
    ktCntSpl->Loaded();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10000);
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
    Timer1->start();

    // FormCreate.
    setWindowTitle(QStringLiteral("Программа настройки ЗЕЛВАН GSM-9-TK4 v.") +
                   ProgramVersion(QCoreApplication::applicationFilePath()));
    PlaceProgressBar();
    const TMemIniFile ini(CurrentIniName());
    if (ini.ReadString(QStringLiteral("Update"), QStringLiteral("UpdatePanelVersion"), QString()) ==
        QLatin1String(kServiceWord)) {
        mnuUpdate->setVisible(true);
        KtProgressBar1->show();
    }
}

TFormMain::~TFormMain() {
    SetController(nullptr);
}

void TFormMain::PlaceProgressBar() {
    // Over the last status panel, just inside its frame.
    int left = 0;
    for (int i = 0; i + 1 < StatusBar1->PanelCount(); ++i)
        left += StatusBar1->PanelWidth(i) + 1;
    KtProgressBar1->setGeometry(left, 1, StatusBar1->PanelWidth(StatusBar1->PanelCount() - 1) - 4,
                                StatusBar1->height() - 1);
    KtProgressBar1->raise();
}

void TFormMain::Timer1Timer() {
    const bool wasEnabled = MainEnabled();
    PausePollTimer();
    SetMainEnabled(false);
    GuardedCall([] {
        if (AppController) AppController->CheckModemLink();
    });
    SetMainEnabled(wasEnabled);
    ResumePollTimer();
}

void TFormMain::mnuStartClick() {
    if (AppController) AppController->StartPanel();
}

void TFormMain::mnuStopClick() {
    if (AppController) AppController->StopPanel();
}

void TFormMain::mnuReloadClick() {
    if (AppController) AppController->RestartPanel();
}

void TFormMain::mnuUpdateClick() {
    if (AppController) AppController->UploadHexFile();
}

bool TFormMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return TFormAppMain::event(event);
}

void TFormMain::FormActivate() {
    if (formUpdateIns && formUpdateIns->isVisible()) SetMainEnabled(false);
}

void TFormMain::SetLinkCheckOn(bool on) {
    linkCheckOn_ = on;
    if (on && timerPauses_ == 0)
        Timer1->start();
    else if (!on)
        Timer1->stop();
}

void TFormMain::PausePollTimer() {
    ++timerPauses_;
    Timer1->stop();
}

void TFormMain::ResumePollTimer() {
    if (timerPauses_ > 0 && --timerPauses_ == 0 && linkCheckOn_) Timer1->start();
}

void TFormMain::ShowPanelVersion(const QString& text) {
    StatusBar1->SetPanelText(1, text);
}

void TFormMain::SetBusyCursor(bool busy) {
    if (busy == busyCursor_) return;
    busyCursor_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void LockMainUI() {
    if (AppController) AppController->LockUI();
}

void UnlockMainUI() {
    if (AppController) AppController->UnlockUI();
}

TDeviceController* CurrentDeviceController() {
    return AppController ? AppController->GetDeviceController() : nullptr;
}

void LinkLostInUpdate(const QString& failureLine, const QString& reason, bool portGone) {
    if (!AppController) return;
    if (TTVLog* log = AppController->LogPane()) log->WriteError(failureLine);
    // A dropped call is closed quietly, as the exception policy closes it.
    if (portGone)
        AppController->DisconnectBrokenPort(reason);
    else
        AppController->Disconnect();
}
