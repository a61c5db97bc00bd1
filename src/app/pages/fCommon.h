#pragma once

#include "app/pages/fIn.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class TKtProgressBar;

// The page "Общие настройки": the object number, the panel's clock, the GSM signal level, the
// voice Contact ID mode and the service command buttons. The five service buttons start
// disabled; the controller chain wires their clicks to its service commands and enables them
// only while a panel is connected. The clock and signal boxes are filled by a read and, being
// edits, are stored with the page's other values.
class TFormCommon : public TformIncl {
    Q_OBJECT
public:
    explicit TFormCommon(QWidget* owner = nullptr);

    static constexpr int SignalParts = 31;
    static constexpr int ErrorParts = 7;

    QScrollArea* ScrollBox1;
    QGroupBox* GroupBox1;

    QGroupBox* GroupBox2; // "Дата и Время"
    QLabel* lbetTime;
    QLineEdit* etTime;
    QPushButton* btnSync;

    QGroupBox* GroupBox3; // "Объект"
    QLabel* lbO;
    QLineEdit* etO;

    QGroupBox* GroupBox4; // "Сигнал GSM"
    QLabel* lSignal;
    TKtProgressBar* PSignal;
    QLineEdit* etSignal;
    QLabel* lEr;
    TKtProgressBar* PEr;
    QLineEdit* etError;

    QPushButton* Button1; // restart
    QPushButton* Button2; // start
    QPushButton* Button3; // stop

    QGroupBox* GroupBox5; // "Параметры голосового Contact ID"
    QRadioButton* rbSlowCID1;
    QRadioButton* rbSlowCID2;

    QGroupBox* GroupBox6; // "Проверка работы открытых коллекторов"
    QPushButton* btnOnOuts;
};
