#include "app/pages/fGPRS.h"

#include "app/controls/DesignedMaxLength.h"
#include "app/controls/EditKeyFilter.h"
#include "app/controls/InputController.h"
#include "app/pages/PageFrame.h"
#include "app/pages/fWays.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>

namespace {

constexpr int kLabelX = 8;
constexpr int kEditX = 300;
constexpr int kEditWidth = 200;
constexpr int kRowHeight = 26;

// The monitoring server and the operator's access point a new installation starts from.
const QString kServerAddress = QStringLiteral("192.168.1.100");
const QString kAccessPoint = QStringLiteral("internet.gprs.ru");

// The filter goes on when a key goes down, as on every edit of the pages.
void UseKeyFilter(QLineEdit* edit, TKeyPressFilter filter) {
    SetKeyDownHandler(edit, [edit, filter] { SetKeyPressFilter(edit, filter); });
}

void SetEnabled(const QList<QWidget*>& widgets, bool enabled) {
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

// A check box whose caption is a label of its own beside it.
QLabel* PlaceSwitch(QCheckBox* box, QLabel* label, int x, int y) {
    box->setGeometry(x, y, 17, 17);
    label->move(x + 20, y + 1);
    label->adjustSize();
    return label;
}

} // namespace

TformGPRS::TformGPRS(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("formGPRS")); // the settings section
    const TPageFrame frame = CreatePageFrame(*this, QStringLiteral("ScrollBox1"), QStringLiteral("GroupBox1"),
                                             QStringLiteral("Настройки GPRS"), QSize(545, 612));
    setWindowTitle(QStringLiteral("Настройка GPRS и LAN"));
    ScrollBox1 = frame.ScrollBox;
    GroupBox1 = frame.GroupBox;
    auto& c = Controls();

    GroupBox2 = c.AddOther(PlainFont(new QGroupBox(GroupBox1)), QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(16, 24, 513, 160);
    lbGPRSTimeOut = c.AddLabel(GroupBox2, QStringLiteral("lbGPRSTimeOut"),
                               QStringLiteral("Пауза между попытками установить GPRS соединения"));
    lbGPRSTimeOut->move(kLabelX, 22);
    lbGPRSTimeOut->adjustSize();
    cbZTime = c.AddComboBox(GroupBox2, QStringLiteral("cbZTime"), QStringLiteral("0"));
    for (int minutes = 5; minutes <= 10; ++minutes)
        cbZTime->addItem(QString::number(minutes));
    cbZTime->setGeometry(kEditX + 70, 18, 50, 21);
    cbZTime->setCurrentIndex(0);
    lbM1 = c.AddLabel(GroupBox2, QStringLiteral("lbM1"), QStringLiteral("минут"));
    lbM1->move(kEditX + 126, 22);
    lbM1->adjustSize();
    etSIM1IP =
        AddEditRow(GroupBox2, lbetSIM1IP, QStringLiteral("lbetSIM1IP"), QStringLiteral("IP адрес сервера"),
                   QStringLiteral("etSIM1IP"), kServerAddress, 46, 16);
    UseKeyFilter(etSIM1IP, &TInputController::IpKeys);
    etSIM1Port =
        AddEditRow(GroupBox2, lbetSIM1Port, QStringLiteral("lbetSIM1Port"), QStringLiteral("Порт сервера"),
                   QStringLiteral("etSIM1Port"), QStringLiteral("3058"), 46 + kRowHeight, 5);
    UseKeyFilter(etSIM1Port, &TInputController::DigitsOnly);
    etSIM1SPSWD =
        AddEditRow(GroupBox2, lbetSIM1SPSWD, QStringLiteral("lbetSIM1SPSWD"),
                   QStringLiteral("Пароль для идентификации через GPRS"), QStringLiteral("etSIM1SPSWD"),
                   QStringLiteral("DunePike"), 46 + 2 * kRowHeight, 16);
    UseKeyFilter(etSIM1SPSWD, &TInputController::AlnumKeys);
    lan = c.AddCheckBox(GroupBox2, QStringLiteral("lan"), QString(), QStringLiteral("false"));
    llan = PlaceSwitch(lan, c.AddLabel(GroupBox2, QStringLiteral("llan"), QStringLiteral("LAN-online")),
                       kEditX, 132);
    cbP = c.AddCheckBox(GroupBox2, QStringLiteral("cbP"), QString(), QStringLiteral("false"));
    Label1 = PlaceSwitch(
        cbP, c.AddLabel(GroupBox2, QStringLiteral("Label1"), QStringLiteral("Режим сжатия данных по GPRS")),
        kLabelX, 132);

    GroupBox3 = AddSimGroup(QStringLiteral("GroupBox3"), 1, 192,
                            {QStringLiteral("etSIM1Phone"), QStringLiteral("etSIM1ADDR"),
                             QStringLiteral("etSIM1LOGIN"), QStringLiteral("etSIM1PSWD")},
                            {cb11, lbcb11, lbetSIM1Phone, etSIM1Phone, lbetSIM1ADDR, etSIM1ADDR,
                             lbetSIM1LOGIN, etSIM1LOGIN, lbetSIM1PSWD, etSIM1PSWD});
    GroupBox5 = AddSimGroup(QStringLiteral("GroupBox5"), 2, 356,
                            {QStringLiteral("etSIM2Phone"), QStringLiteral("etSIM2Addr"),
                             QStringLiteral("etSIM2Login"), QStringLiteral("etSIM2Pswd")},
                            {cb12, lbcb12, lbetSIM2Phone, etSIM2Phone, lbetSIM2Addr, etSIM2Addr,
                             lbetSIM2Login, etSIM2Login, lbetSIM2Pswd, etSIM2Pswd});
    for (QLineEdit* edit : {etSIM1ADDR, etSIM1LOGIN, etSIM1PSWD, etSIM2Addr, etSIM2Login, etSIM2Pswd})
        UseKeyFilter(edit, &TInputController::NoCyrillicKeys);
    // Designed off: no SIM card is switched on for GPRS.
    SetEnabled(Sim1Edits() + Sim2Edits(), false);

    GroupBox4 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Использование LAN"), GroupBox1)),
                           QStringLiteral("GroupBox4"));
    GroupBox4->setGeometry(16, 520, 513, 84);
    rbLAN1 = c.AddRadioButton(GroupBox4, QStringLiteral("rbLAN1"), QStringLiteral("Не используется"),
                              QStringLiteral("true"));
    rbLAN1->setGeometry(kLabelX, 18, 497, 17);
    rbLAN1->setChecked(true);
    rbLAN2 = c.AddRadioButton(GroupBox4, QStringLiteral("rbLAN2"), QStringLiteral("Используется"),
                              QStringLiteral("false"));
    rbLAN2->setGeometry(kLabelX, 40, 497, 17);
    rbLAN3 = c.AddRadioButton(GroupBox4, QStringLiteral("rbLAN3"), QStringLiteral("Используется только LAN"),
                              QStringLiteral("false"));
    rbLAN3->setGeometry(kLabelX, 62, 497, 17);
    // Shown by the controller for a panel that knows the three LAN modes.
    GroupBox4->hide();

    connect(cb11, &QCheckBox::toggled, this, [this](bool checked) { SetEnabled(Sim1Edits(), checked); });
    connect(cb12, &QCheckBox::toggled, this, [this](bool checked) { SetEnabled(Sim2Edits(), checked); });
    // The button that becomes checked applies the mode; the one unchecked with it has nothing to add.
    for (QRadioButton* mode : {rbLAN1, rbLAN2, rbLAN3})
        connect(mode, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) ApplyLanMode();
        });
}

QLineEdit* TformGPRS::AddEditRow(QWidget* parent, QLabel*& label, const QString& labelName,
                                 const QString& caption, const QString& editName, const QString& hint, int y,
                                 int maxLength) {
    auto& c = Controls();
    label = c.AddLabel(parent, labelName, caption);
    label->move(kLabelX, y + 3);
    label->adjustSize();
    QLineEdit* edit = c.AddEdit(parent, editName, hint);
    edit->setGeometry(kEditX, y, kEditWidth, 21);
    SetDesignedMaxLength(edit, maxLength);
    edit->setText(hint);
    edit->setToolTip(hint); // the page shows each edit's default as its hint
    return edit;
}

// One SIM card's group: its GPRS switch and its four dial-up settings. The two groups differ
// only in their texts and in the names the settings files know their edits by.
QGroupBox* TformGPRS::AddSimGroup(const QString& name, int sim, int top,
                                  const std::array<QString, 4>& editNames, SimControls controls) {
    auto& c = Controls();
    const QString card = QStringLiteral("SIM %1").arg(sim);
    QGroupBox* group = c.AddOther(PlainFont(new QGroupBox(card, GroupBox1)), name);
    group->setGeometry(16, top, 513, 156);
    const QString check = QStringLiteral("cb1%1").arg(sim);
    controls.check = c.AddCheckBox(group, check, QString(), QStringLiteral("false"));
    controls.checkLabel = PlaceSwitch(controls.check,
                                      c.AddLabel(group, QStringLiteral("lb") + check,
                                                 QStringLiteral("Включить GPRS (TCP/IP) через ") + card),
                                      kLabelX, 22);
    controls.phone =
        AddEditRow(group, controls.phoneLabel, QStringLiteral("lb") + editNames[0],
                   QStringLiteral("Номер телефона GPRS"), editNames[0], QStringLiteral("*99#"), 46, 8);
    controls.addr =
        AddEditRow(group, controls.addrLabel, QStringLiteral("lb") + editNames[1],
                   QStringLiteral("Точка доступа GPRS"), editNames[1], kAccessPoint, 46 + kRowHeight, 32);
    controls.login = AddEditRow(group, controls.loginLabel, QStringLiteral("lb") + editNames[2],
                                QStringLiteral("Имя пользователя GPRS"), editNames[2], QStringLiteral("qzv"),
                                46 + 2 * kRowHeight, 16);
    controls.pswd = AddEditRow(group, controls.pswdLabel, QStringLiteral("lb") + editNames[3],
                               QStringLiteral("Пароль пользователя GPRS"), editNames[3],
                               QStringLiteral("qzv"), 46 + 3 * kRowHeight, 16);
    return group;
}

QList<QWidget*> TformGPRS::Sim1Edits() const {
    return {etSIM1ADDR, etSIM1LOGIN, etSIM1PSWD, etSIM1Phone};
}

QList<QWidget*> TformGPRS::Sim2Edits() const {
    return {etSIM2Addr, etSIM2Login, etSIM2Pswd, etSIM2Phone};
}

QList<QWidget*> TformGPRS::Sim1Labels() const {
    return {lbetSIM1Phone, lbetSIM1ADDR, lbetSIM1LOGIN, lbetSIM1PSWD};
}

QList<QWidget*> TformGPRS::Sim2Labels() const {
    return {lbetSIM2Phone, lbetSIM2Addr, lbetSIM2Login, lbetSIM2Pswd};
}

QList<QWidget*> TformGPRS::ServerSet() const {
    return {lbGPRSTimeOut, cbZTime,       lbM1,        lbetSIM1IP, etSIM1IP, lbetSIM1Port,
            etSIM1Port,    lbetSIM1SPSWD, etSIM1SPSWD, Label1,     cbP};
}

bool TformGPRS::LanOnly() const {
    return rbLAN3->isChecked() && ControlVisible(GroupBox4);
}

void TformGPRS::Clear() {
    TformIncl::Clear();
    ApplyLanMode();
}

void TformGPRS::LoadFromIni(const TMemIniFile& ini) {
    TformIncl::LoadFromIni(ini);
    ApplyLanMode();
}

void TformGPRS::SetDefaults() {
    TformIncl::SetDefaults();
    ApplyLanMode();
}

void TformGPRS::ApplyLanMode() {
    const QList<QWidget*> switches{cb11, cb12, lbcb11, lbcb12};
    const QList<QWidget*> simGroups{GroupBox3, GroupBox5};
    if (LanOnly()) {
        SetEnabled(Sim1Labels() + Sim1Edits() + Sim2Labels() + Sim2Edits() + switches + simGroups, false);
        cb11->setChecked(false);
        cb12->setChecked(false);
        SetEnabled(ServerSet(), false);
        if (WaysPage) {
            WaysPage->SetDefaults();
            SetEnabled(WaysPage->WaysSet(), false);
        }
        return;
    }
    SetEnabled(switches + Sim1Labels(), true);
    SetEnabled(Sim1Edits(), cb11->isChecked());
    SetEnabled(Sim2Labels(), true);
    SetEnabled(Sim2Edits(), cb12->isChecked());
    SetEnabled(simGroups + ServerSet(), true);
    if (WaysPage) SetEnabled(WaysPage->WaysSet(), true);
}
