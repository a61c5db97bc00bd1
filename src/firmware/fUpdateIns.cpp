#include "firmware/fUpdateIns.h"

#include "app/pages/DesignedControls.h"
#include "app/windows/StatusBar.h"
#include "app/windows/fMain.h"
#include "base/LogWriter.h"
#include "firmware/EmbeddedFirmware.h"
#include "firmware/HexRows.h"
#include "firmware/UpdateThread.h"
#include "platform/CenterOnOwner.h"
#include "platform/Clock.h"
#include "uikit/controls/KtPanel.h"
#include "uikit/controls/KtProgressBar.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TformUpdateIns* formUpdateIns = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int x, int y, bool bold) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->move(x, y);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->adjustSize();
    return label;
}

void SetTextColor(QLabel* label, TColor color) {
    label->setStyleSheet(QStringLiteral("color: %1").arg(ToQColor(color).name()));
}

} // namespace

TformUpdateIns::TformUpdateIns(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("formUpdateIns"));
    setWindowTitle(QStringLiteral("Перепрошивка панели"));
    setFixedSize(459, 194);

    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Текущая версия прошивки панели:"), 8,
                       10, false);
    Label1 = MakeLabel(this, QStringLiteral("Label1"),
                       QStringLiteral("Доступна следующая версия для перепрошивки:"), 8, 32, false);
    // The versions stand in one column after the longer heading, whatever width the font gives it,
    // and reach to the window's edge.
    const int versionsX = qMax(Label2->x() + Label2->width(), Label1->x() + Label1->width()) + 8;
    lbOldName = MakeLabel(this, QStringLiteral("lbOldName"), QString(), versionsX, 10, true);
    lbOldName->resize(width() - 8 - versionsX, 15);
    lbNewName = MakeLabel(this, QStringLiteral("lbNewName"), QString(), versionsX, 32, true);
    lbNewName->resize(width() - 8 - versionsX, 15);
    lbError = MakeLabel(this, QStringLiteral("lbError"), QString(), 8, 56, true);
    lbError->resize(443, 15);
    lbTimeAfterHead =
        MakeLabel(this, QStringLiteral("lbTimeAfterHead"), QStringLiteral("Времени прошло:"), 8, 80, false);
    // The values follow their headings, whatever width the font gives these.
    lbTimeAfter = MakeLabel(this, QStringLiteral("lbTimeAfter"), QString(),
                            lbTimeAfterHead->x() + lbTimeAfterHead->width() + 6, 80, false);
    lbTimeAfter->resize(110, 15);
    lbTimeLostHead = MakeLabel(this, QStringLiteral("lbTimeLostHead"), QStringLiteral("Времени осталось:"),
                               232, 80, false);
    lbTimeLost = MakeLabel(this, QStringLiteral("lbTimeLost"), QString(),
                           lbTimeLostHead->x() + lbTimeLostHead->width() + 6, 80, false);
    lbTimeLost->resize(100, 15);

    KtProgressBar1 = new TKtProgressBar(this);
    KtProgressBar1->setObjectName(QStringLiteral("KtProgressBar1"));
    KtProgressBar1->setGeometry(8, 104, 443, 20);

    memRes = new QPlainTextEdit(this);
    memRes->setObjectName(QStringLiteral("memRes"));
    memRes->hide();

    KtPanel1 = new TKtPanel(this);
    KtPanel1->setObjectName(QStringLiteral("KtPanel1"));
    KtPanel1->SetBorderOuter(fsNone);
    SetAlign(KtPanel1, alBottom);
    KtPanel1->setGeometry(0, 153, 459, 41);
    btnUpdateVer = new QPushButton(QStringLiteral("Перепрошить панель"), KtPanel1);
    btnUpdateVer->setObjectName(QStringLiteral("btnUpdateVer"));
    btnUpdateVer->setGeometry(112, 8, 155, 25);
    btnExit = new QPushButton(QStringLiteral("Выйти без перепрошивки"), KtPanel1);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setGeometry(275, 8, 176, 25);
    connect(btnUpdateVer, &QPushButton::clicked, this, [this] { btnUpdateVerClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });

    // FormCreate: an image the program does not carry, or cannot read, offers nothing.
    LoadFirmwareText(EmbeddedFirmwareBytes());
}

TformUpdateIns::~TformUpdateIns() {
    if (TUpdateThread* thread = thread_) {
        thread->requestInterruption();
        thread->wait();
        delete thread;
    }
}

void TformUpdateIns::LoadFirmwareText(const QByteArray& bytes) {
    const QStringList lines = HexFileLines(bytes);
    memRes->setPlainText(lines.join(u'\n'));
    image_ = ReadFirmwareImage(lines);
    imageFaultReported_ = false;
    const TFirmwareVersion version = HasImage() ? VersionFromText(lines.at(0), -1) : TFirmwareVersion{-1, -1};
    FileMajor = version.Major;
    FileMinor = version.Minor;
    if (FileMajor != -1 && FileMinor != -1 && FormMain)
        FormMain->setWindowTitle(FormMain->windowTitle() + QStringLiteral(" (") + lines.at(0) + u')');
}

void TformUpdateIns::ReportImageFault(TLogWriter* log) {
    if (image_.Fault.isEmpty() || imageFaultReported_ || !log) return;
    imageFaultReported_ = true;
    log->WriteError(QStringLiteral("Встроенная прошивка не будет предложена: ") + image_.Fault);
}

void TformUpdateIns::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TformUpdateIns::FormShow() {
    CenterOnOwner(*this);
    UpdateState = 0;
    LockMainUI();
    if (FormMain) FormMain->SetMainEnabled(false);
    btnUpdateVer->setEnabled(true);
    btnUpdateVer->setFocus();
    btnExit->setEnabled(true);
    btnExit->setText(QStringLiteral("Выйти без перепрошивки"));
    SetTimesVisible(false);
    KtProgressBar1->SetTotalParts(0);
    Label1->show();
    lbNewName->show();
    lbError->clear();
    SetTextColor(lbError, clBlack);
    if (FormMain) lbOldName->setText(FormMain->StatusBar1->PanelText(1));
    if (HasImage()) lbNewName->setText(memRes->toPlainText().section(u'\n', 0, 0));
}

void TformUpdateIns::SetTimesVisible(bool visible) {
    for (QLabel* label : {lbTimeAfterHead, lbTimeAfter, lbTimeLostHead, lbTimeLost})
        label->setVisible(visible);
}

void TformUpdateIns::btnUpdateVerClick() {
    if (thread_) return;
    UpdateState = 1;
    btnUpdateVer->setEnabled(false);
    btnExit->setEnabled(true);
    btnExit->setText(QStringLiteral("Выйти без перепрошивки"));
    lbError->clear();
    SetTextColor(lbError, clBlack);
    SetTimesVisible(true);
    stopAsked_ = false;
    exitWhenEnded_ = false;
    linkLost_ = false;
    auto* thread = new TUpdateThread(this, image_.Rows, CurrentDeviceController(), Clock::NowMs());
    thread_ = thread;
    connect(thread, &TUpdateThread::LinkLost, this,
            [this](const QString& stageLine, const QString& reason, bool portGone) {
                linkLost_ = true;
                lostPort_ = portGone;
                lostStageLine_ = stageLine;
                lostReason_ = reason;
            });
    // The thread frees itself once it has ended; the window forgets it at the same moment.
    connect(thread, &QThread::finished, this, [this] { UploadEnded(); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void TformUpdateIns::UploadEnded() {
    thread_ = nullptr;
    if (linkLost_) {
        // Nothing is left to reconnect to: the window goes, and the controller closes the link
        // without a goodbye; the log says the panel was not flashed.
        linkLost_ = false;
        exitWhenEnded_ = false;
        UpdateState = 2;
        CloseWindow();
        LinkLostInUpdate(lostStageLine_, lostReason_, lostPort_);
        return;
    }
    if (exitWhenEnded_) {
        exitWhenEnded_ = false;
        Leave(2);
    }
}

void TformUpdateIns::btnExitClick() {
    if (thread_) {
        // The thread stops sending at once, but a request under way runs to its end first: the
        // device controller must not go before it has.
        stopAsked_ = true;
        exitWhenEnded_ = true;
        UpdateState = 2;
        btnExit->setEnabled(false);
        thread_->requestInterruption();
        return;
    }
    Leave(UpdateState);
}

void TformUpdateIns::Leave(int state) {
    if (state == 1 || state == 2) btnExit->setEnabled(false);
    CloseWindow();
    if (state == 0 || !FormMain) return;
    // The panel restarts in its new (or old) firmware: a new connection, without the connect
    // dialog after a successful update.
    FormMain->DisconnectPanel();
    FormMain->ConnectAndOfferUpdate();
}

void TformUpdateIns::CloseWindow() {
    UnlockMainUI();
    if (FormMain) FormMain->SetMainEnabled(true);
    hide();
}

void TformUpdateIns::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (ControlEnabled(btnExit)) btnExitClick();
}

void TformUpdateIns::reject() {
    if (ControlEnabled(btnExit)) btnExitClick();
}

void TformUpdateIns::FromUploadThread(const std::function<void(TformUpdateIns&)>& change) {
    if (!stopAsked_) change(*this);
}

void TformUpdateIns::StopLinkCheck() {
    if (FormMain) FormMain->SetLinkCheckOn(false);
}

void TformUpdateIns::MarkFailed() {
    UpdateState = 2;
}

void TformUpdateIns::SetTotalParts(int total) {
    KtProgressBar1->SetTotalParts(quint32(total));
}

void TformUpdateIns::StepBar() {
    KtProgressBar1->SetPartsComplete(KtProgressBar1->PartsComplete() + 1);
}

void TformUpdateIns::CompleteBar() {
    KtProgressBar1->SetPartsComplete(KtProgressBar1->TotalParts());
}

void TformUpdateIns::ShowElapsed(const QString& text) {
    lbTimeAfter->setText(text);
}

void TformUpdateIns::ShowRemaining(const QString& text) {
    lbTimeLost->setText(text);
}

void TformUpdateIns::ShowStatus(const QString& text, TColor color) {
    lbError->setText(text);
    SetTextColor(lbError, color);
}

bool TformUpdateIns::LockExitForFlash() {
    if (stopAsked_) return false;
    btnExit->setEnabled(false);
    return true;
}

void TformUpdateIns::ShowSuccess() {
    UpdateState = 3;
    btnUpdateVer->setEnabled(false);
    if (FormMain) FormMain->StatusBar1->SetPanelText(1, lbNewName->text());
    lbOldName->setText(lbNewName->text());
    Label1->hide();
    lbNewName->hide();
    btnExit->setText(QStringLiteral("Завершить перепрошивку"));
    btnExit->setEnabled(true);
    ShowStatus(QStringLiteral("Перепрошивка успешно завершена!"), clGreen);
}

void TformUpdateIns::ShowFailure() {
    ShowStatus(QStringLiteral("В процессе перепрошивки возникли ошибки!"), clRed);
    btnUpdateVer->setEnabled(false);
    // The way out: after a failed "EE" the button had been disabled for the flash rewrite.
    btnExit->setEnabled(true);
}
