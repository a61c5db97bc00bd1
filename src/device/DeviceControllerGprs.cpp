#include "device/DeviceController.h"

#include "app/pages/fGPRS.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString kLanUseLabel = QStringLiteral("Использование LAN");
const QString kLanOnlineLabel = QStringLiteral("LAN-online");
const QString kRetryLabel = QStringLiteral("Время между попытками установление GPRS-соединения");
const QString kChannelsLabel = QStringLiteral("Конфигурация активных каналов GPRS");
const QString kCompressionLabel = QStringLiteral("Режим сжатия данных по GPRS");

// The pause list starts at 5 minutes.
constexpr int kFirstRetryMinutes = 5;

// One text parameter of a numbered server or SIM card: its label, its panel operations and the
// suffix of its edit's name.
struct TTextParameter {
    const char* label;
    bool (TDevZelvan9TK4::*get)(int, QString&);
    bool (TDevZelvan9TK4::*set)(int, const QString&);
    const char* edit;
};

const TTextParameter kServer[] = {
    {"Адрес сервера", &TDevZelvan9TK4::GetServerAddress, &TDevZelvan9TK4::SetServerAddress, "IP"},
    {"Порт сервера", &TDevZelvan9TK4::GetServerPort, &TDevZelvan9TK4::SetServerPort, "Port"},
    {"Пароль для подключения к серверу", &TDevZelvan9TK4::GetServerPassword,
     &TDevZelvan9TK4::SetServerPassword, "SPSWD"},
};

const TTextParameter kSim[] = {
    {"Номер для выхода в GPRS", &TDevZelvan9TK4::GetGprsDialNumber, &TDevZelvan9TK4::SetGprsDialNumber,
     "Phone"},
    {"Адрес APN", &TDevZelvan9TK4::GetApnAddress, &TDevZelvan9TK4::SetApnAddress, "Addr"},
    {"Логин для APN", &TDevZelvan9TK4::GetApnLogin, &TDevZelvan9TK4::SetApnLogin, "Login"},
    {"Пароль для APN", &TDevZelvan9TK4::GetApnPassword, &TDevZelvan9TK4::SetApnPassword, "Pswd"},
};

// The server edits are SIM 1's ("etSIM1IP"): one set of edits serves both servers. Names are
// matched without regard to case, which finds SIM 1's "etSIM1ADDR" as "etSIM1Addr".
QLineEdit* Edit(const TformGPRS& page, int sim, const char* suffix) {
    return page.FindControl<QLineEdit>(QStringLiteral("etSIM") + QString::number(sim) +
                                       QString::fromLatin1(suffix));
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void TDeviceController::ReadGprs(TformGPRS& page) {
    TPollPause pause(Host);
    InitProgress(15);
    StepProgress();

    QString lan;
    if (FirmwareAtLeast(4, 13)) {
        LogReading(kLanUseLabel);
        page.GroupBox4->setFocus();
        if (Device.GetLanUse(lan)) {
            if (lan == QStringLiteral("0"))
                page.rbLAN1->setChecked(true);
            else if (lan == QStringLiteral("1"))
                page.rbLAN2->setChecked(true);
            else if (lan == QStringLiteral("2"))
                page.rbLAN3->setChecked(true);
            else
                AddReadError(kLanUseLabel);
            page.ApplyLanMode();
        } else {
            AddReadError(kLanUseLabel);
        }
    } else {
        LogReading(kLanOnlineLabel);
        if (Device.GetLanOnline(lan))
            page.lan->setChecked(lan == QStringLiteral("1"));
        else
            AddReadError(kLanOnlineLabel);
        StepProgress();
    }

    LogReading(kRetryLabel);
    // A pause the list lacks is a failed read: the list keeps what it showed, so the next write
    // sends what the user sees and not a pause nobody chose.
    int minutes = 0, unused = 0;
    const int index = Device.GetGprsRetryTime(minutes, unused) ? minutes - kFirstRetryMinutes : -1;
    if (index >= 0 && index < page.cbZTime->count())
        page.cbZTime->setCurrentIndex(index);
    else
        AddReadError(kRetryLabel);
    StepProgress();

    LogReading(kChannelsLabel);
    bool sim1 = false, sim2 = false;
    if (Device.GetGprsChannels(sim1, sim2)) {
        page.cb11->setChecked(sim1);
        page.cb12->setChecked(sim2);
    } else {
        AddReadError(kChannelsLabel);
    }
    StepProgress();

    const auto readText = [&](const TTextParameter& parameter, int number, int sim) {
        const QString label = QString::fromUtf8(parameter.label);
        LogReading(label);
        QString value;
        if ((Device.*parameter.get)(number, value))
            Edit(page, sim, parameter.edit)->setText(value);
        else
            AddReadError(label);
        StepProgress();
    };
    for (const TTextParameter& parameter : kServer)
        readText(parameter, 1, 1);
    for (int sim = 1; sim <= 2; ++sim)
        for (const TTextParameter& parameter : kSim)
            readText(parameter, sim, sim);

    LogReading(kCompressionLabel);
    QString compression;
    if (Device.GetGprsCompression(compression))
        page.cbP->setChecked(compression == QStringLiteral("1"));
    else
        AddReadError(kCompressionLabel);
    StepProgress();
}

void TDeviceController::WriteGprs(TformGPRS& page) {
    TPollPause pause(Host);
    InitProgress(19);
    StepProgress();

    // The panel is sent the pause twice in a row; the second number is not used and goes as 0.
    const int index = page.cbZTime->currentIndex();
    const int minutes = index < 0 ? kFirstRetryMinutes : index + kFirstRetryMinutes;
    for (int time = 0; time < 2; ++time) {
        LogWriting(kRetryLabel);
        if (!Device.SetGprsRetryTime(minutes, 0)) AddWriteError(kRetryLabel);
        StepProgress();
    }

    LogWriting(kChannelsLabel);
    if (!Device.SetGprsChannels(page.cb11->isChecked(), page.cb12->isChecked()))
        AddWriteError(kChannelsLabel);
    StepProgress();

    const auto writeText = [&](const TTextParameter& parameter, int number, int sim) {
        const QString label = QString::fromUtf8(parameter.label);
        LogWriting(label);
        if (!(Device.*parameter.set)(number, Edit(page, sim, parameter.edit)->text())) AddWriteError(label);
        StepProgress();
    };
    // Both servers get the one address, port and password of the page.
    for (int server = 1; server <= 2; ++server)
        for (const TTextParameter& parameter : kServer)
            writeText(parameter, server, 1);
    for (int sim = 1; sim <= 2; ++sim)
        for (const TTextParameter& parameter : kSim)
            writeText(parameter, sim, sim);

    if (FirmwareAtLeast(4, 13)) {
        LogWriting(kLanUseLabel);
        const QString use = page.rbLAN1->isChecked()   ? QStringLiteral("0")
                            : page.rbLAN2->isChecked() ? QStringLiteral("1")
                                                       : QStringLiteral("2");
        if (!Device.SetLanUse(use)) AddWriteError(kLanUseLabel);
    } else {
        // The switch is sent only when the panel holds another value.
        LogWriting(kLanOnlineLabel);
        const QString wanted = Flag(page.lan->isChecked());
        QString current;
        if (!Device.GetLanOnline(current))
            AddWriteError(kLanOnlineLabel);
        else if (current.trimmed() != wanted && !Device.SetLanOnline(wanted))
            AddWriteError(kLanOnlineLabel);
    }
    StepProgress();

    LogWriting(kCompressionLabel);
    if (!Device.SetGprsCompression(Flag(page.cbP->isChecked()))) AddWriteError(kCompressionLabel);
    StepProgress();
}
