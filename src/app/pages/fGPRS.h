#pragma once

#include "app/pages/fIn.h"

#include <QList>
#include <QPointer>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class TformWays;

// The page "Настройка GPRS и LAN": the monitoring server (address, port, identification
// password), the pause between GPRS connection attempts, data compression, GPRS per SIM card
// (switch, dial number, access point, user name, password) and the use of a wired LAN.
//
// Firmware before 4.13 knows LAN only as the on/off switch `lan`; later firmware has the three
// modes of GroupBox4. The controller shows one or the other once it knows the panel's version
// (GroupBox4 starts hidden) and then calls ApplyLanMode. With "Используется только LAN" chosen
// in a shown GroupBox4 nothing of GPRS is in use: the SIM and server settings are locked and the
// SIM switches cleared, and the ways page is reset to its defaults and locked as well (its write
// then goes with this page's). The controls stay what they are to the settings files and the transfers:
// a disabled or hidden control is still saved and written.
class TformGPRS : public TformIncl {
    Q_OBJECT
public:
    explicit TformGPRS(QWidget* owner = nullptr);

    // Each runs the base operation, then ApplyLanMode.
    void Clear() override;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SetDefaults() override;

    // Brings the enabled state of the page's controls in line with the LAN mode and the two SIM
    // switches.
    void ApplyLanMode();
    // "Используется только LAN" is chosen and the LAN group is shown (its own flag: the page is
    // usually not the one on screen).
    bool LanOnly() const;

    // The ways page that LAN-only use resets and locks; set by the controller that creates both.
    QPointer<TformWays> WaysPage;

    QScrollArea* ScrollBox1;
    QGroupBox* GroupBox1; // "Настройки GPRS"

    QGroupBox* GroupBox2; // the server
    QLabel* lbGPRSTimeOut;
    QComboBox* cbZTime;
    QLabel* lbM1;
    QLabel* lbetSIM1IP;
    QLineEdit* etSIM1IP;
    QLabel* lbetSIM1Port;
    QLineEdit* etSIM1Port;
    QLabel* lbetSIM1SPSWD;
    QLineEdit* etSIM1SPSWD;
    QCheckBox* lan;
    QLabel* llan;
    QCheckBox* cbP;
    QLabel* Label1;

    QGroupBox* GroupBox3; // "SIM 1"
    QCheckBox* cb11;
    QLabel* lbcb11;
    QLabel* lbetSIM1Phone;
    QLineEdit* etSIM1Phone;
    QLabel* lbetSIM1ADDR;
    QLineEdit* etSIM1ADDR;
    QLabel* lbetSIM1LOGIN;
    QLineEdit* etSIM1LOGIN;
    QLabel* lbetSIM1PSWD;
    QLineEdit* etSIM1PSWD;

    QGroupBox* GroupBox5; // "SIM 2"
    QCheckBox* cb12;
    QLabel* lbcb12;
    QLabel* lbetSIM2Phone;
    QLineEdit* etSIM2Phone;
    QLabel* lbetSIM2Addr;
    QLineEdit* etSIM2Addr;
    QLabel* lbetSIM2Login;
    QLineEdit* etSIM2Login;
    QLabel* lbetSIM2Pswd;
    QLineEdit* etSIM2Pswd;

    QGroupBox* GroupBox4; // "Использование LAN"
    QRadioButton* rbLAN1;
    QRadioButton* rbLAN2;
    QRadioButton* rbLAN3;

private:
    QLineEdit* AddEditRow(QWidget* parent, QLabel*& label, const QString& labelName, const QString& caption,
                          const QString& editName, const QString& hint, int y, int maxLength);
    // Where one SIM group's controls are kept.
    struct SimControls {
        QCheckBox*& check;
        QLabel*& checkLabel;
        QLabel*& phoneLabel;
        QLineEdit*& phone;
        QLabel*& addrLabel;
        QLineEdit*& addr;
        QLabel*& loginLabel;
        QLineEdit*& login;
        QLabel*& pswdLabel;
        QLineEdit*& pswd;
    };
    QGroupBox* AddSimGroup(const QString& name, int sim, int top, const std::array<QString, 4>& editNames,
                           SimControls controls);
    QList<QWidget*> Sim1Edits() const;
    QList<QWidget*> Sim2Edits() const;
    QList<QWidget*> Sim1Labels() const;
    QList<QWidget*> Sim2Labels() const;
    QList<QWidget*> ServerSet() const;
};
