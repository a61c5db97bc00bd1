#include "app/pages/fCommon.h"

#include "app/controllers/ZV9TKFormsController.h"
#include "app/controls/DesignedMaxLength.h"
#include "app/controls/EditKeyFilter.h"
#include "app/controls/InputController.h"
#include "app/pages/PageFrame.h"
#include "base/Color.h"
#include "platform/ExceptionGuard.h"
#include "uikit/controls/KtProgressBar.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace {

// A box that only a read fills: read-only, on silver.
void MakeReadOnlyBox(QLineEdit* edit, TColor color) {
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    edit->setPalette(palette);
}

} // namespace

TFormCommon::TFormCommon(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("FormCommon")); // the settings section
    const TPageFrame frame = CreatePageFrame(*this, QStringLiteral("ScrollBox1"), QStringLiteral("GroupBox1"),
                                             QStringLiteral("Общие настройки"), QSize(545, 402));
    ScrollBox1 = frame.ScrollBox;
    GroupBox1 = frame.GroupBox;
    auto& c = Controls();

    GroupBox2 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Дата и Время"), GroupBox1)),
                           QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(16, 24, 280, 80);
    lbetTime = c.AddLabel(GroupBox2, QStringLiteral("lbetTime"), QStringLiteral("Время на устройстве"));
    lbetTime->move(8, 20);
    etTime = c.AddEdit(GroupBox2, QStringLiteral("etTime"));
    etTime->setGeometry(8, 40, 140, 21);
    etTime->setReadOnly(true);
    btnSync =
        c.AddOther(new QPushButton(QStringLiteral("Синхронизировать"), GroupBox2), QStringLiteral("btnSync"));
    btnSync->setGeometry(154, 38, 118, 25);
    btnSync->setEnabled(false);

    GroupBox3 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Объект"), GroupBox1)),
                           QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(304, 24, 225, 80);
    lbO = c.AddLabel(GroupBox3, QStringLiteral("lbO"), QStringLiteral("Номер объекта"));
    lbO->move(8, 20);
    etO = c.AddEdit(GroupBox3, QStringLiteral("etO"), QStringLiteral("0050"));
    etO->setGeometry(8, 40, 80, 21);
    SetDesignedMaxLength(etO, 4);
    etO->setText(c.HintOf(etO));
    // The filter is put on when a key goes down, as every edit of the pages gets its own.
    SetKeyDownHandler(etO, [this] { SetKeyPressFilter(etO, &TInputController::HexKeys); });

    GroupBox4 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Сигнал GSM"), GroupBox1)),
                           QStringLiteral("GroupBox4"));
    GroupBox4->setGeometry(16, 112, 513, 100);
    lSignal = c.AddLabel(GroupBox4, QStringLiteral("lSignal"), QStringLiteral("Уровень сигнала GSM"));
    lSignal->move(8, 26);
    PSignal = c.AddOther(new TKtProgressBar(GroupBox4), QStringLiteral("PSignal"));
    PSignal->setGeometry(150, 22, 296, 22);
    PSignal->SetTotalParts(SignalParts);
    lEr = c.AddLabel(GroupBox4, QStringLiteral("lEr"), QStringLiteral("Уровень ошибок GSM"));
    lEr->move(8, 62);
    PEr = c.AddOther(new TKtProgressBar(GroupBox4), QStringLiteral("PEr"));
    PEr->setGeometry(150, 58, 296, 22);
    PEr->SetTotalParts(ErrorParts);
    etSignal = c.AddEdit(GroupBox4, QStringLiteral("etSignal"));
    etSignal->setGeometry(454, 22, 49, 21);
    MakeReadOnlyBox(etSignal, clSilver);
    etError = c.AddEdit(GroupBox4, QStringLiteral("etError"));
    etError->setGeometry(454, 58, 49, 21);
    MakeReadOnlyBox(etError, clSilver);

    Button1 = c.AddOther(PlainFont(new QPushButton(QStringLiteral("Перезагрузить панель"), GroupBox1)),
                         QStringLiteral("Button1"));
    Button1->setGeometry(16, 220, 165, 25);
    Button1->setEnabled(false);
    Button2 = c.AddOther(PlainFont(new QPushButton(QStringLiteral("Запустить панель"), GroupBox1)),
                         QStringLiteral("Button2"));
    Button2->setGeometry(190, 220, 165, 25);
    Button2->setEnabled(false);
    Button3 = c.AddOther(PlainFont(new QPushButton(QStringLiteral("Остановить панель"), GroupBox1)),
                         QStringLiteral("Button3"));
    Button3->setGeometry(364, 220, 165, 25);
    Button3->setEnabled(false);

    GroupBox5 =
        c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Параметры голосового Contact ID"), GroupBox1)),
                   QStringLiteral("GroupBox5"));
    GroupBox5->setGeometry(16, 256, 513, 70);
    rbSlowCID1 = c.AddRadioButton(
        GroupBox5, QStringLiteral("rbSlowCID1"),
        QStringLiteral("стандартная передача в голосовом канале посылки Contact ID"), QStringLiteral("true"));
    rbSlowCID1->setGeometry(8, 20, 497, 17);
    rbSlowCID1->setChecked(true);
    rbSlowCID2 =
        c.AddRadioButton(GroupBox5, QStringLiteral("rbSlowCID2"),
                         QStringLiteral("замедленная передача в голосовом канале посылки Contact ID"));
    rbSlowCID2->setGeometry(8, 44, 497, 17);

    GroupBox6 = c.AddOther(
        PlainFont(new QGroupBox(QStringLiteral("Проверка работы открытых коллекторов"), GroupBox1)),
        QStringLiteral("GroupBox6"));
    GroupBox6->setGeometry(16, 334, 513, 56);
    btnOnOuts =
        c.AddOther(new QPushButton(QStringLiteral("Проверить"), GroupBox6), QStringLiteral("btnOnOuts"));
    btnOnOuts->setGeometry(8, 22, 100, 25);
    btnOnOuts->setEnabled(false);

    for (QLabel* label : {lbetTime, lbO, lSignal, lEr})
        label->adjustSize();

    // The service commands; the controller enables the buttons only while a panel is connected.
    const auto service = [](void (TZV9TKFormsController::*command)()) {
        return Guarded([command] {
            if (AppController) (AppController->*command)();
        });
    };
    connect(btnSync, &QPushButton::clicked, this, service(&TZV9TKFormsController::SyncPanelClock));
    connect(Button1, &QPushButton::clicked, this, service(&TZV9TKFormsController::RestartPanel));
    connect(Button2, &QPushButton::clicked, this, service(&TZV9TKFormsController::StartPanel));
    connect(Button3, &QPushButton::clicked, this, service(&TZV9TKFormsController::StopPanel));
    connect(btnOnOuts, &QPushButton::clicked, this, service(&TZV9TKFormsController::CheckOutputs));
}
