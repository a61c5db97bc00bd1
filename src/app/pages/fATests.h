#pragma once

#include "app/pages/fIn.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;
class QScrollArea;
class TMaskEdit;

// The page "Системные события": which events the panel generates on restart and on power
// changes, the mains power delay, and the times of up to three daily automatic tests plus the
// period of an additional one. The item index of every hour and minute list equals the number
// it shows, and the transfers rely on it.
class TformATests : public TformIncl {
    Q_OBJECT
public:
    explicit TformATests(QWidget* owner = nullptr);

    // The delay in seconds, as zadav keeps it: blanks read as "0", a text that is no number as 0,
    // limited to 15..255 and written with three digits ("015", "120", "255").
    static QString NormalDelay(const QString& text);

    static constexpr int MaxTests = 3;

    QScrollArea* ScrollBox1;
    QGroupBox* GroupBox1;

    QGroupBox* GroupBox2; // "Генерация событий"
    QCheckBox* reload;
    QCheckBox* vosst;
    QCheckBox* av12;

    QGroupBox* GroupBox3; // "Задержки"
    TMaskEdit* zadav;

    QGroupBox* GroupBox4; // "Автотесты"
    QComboBox* ComboBox1;
    QComboBox* cbH1;
    QComboBox* cbH2;
    QComboBox* cbH3;
    QComboBox* cbM1;
    QComboBox* cbM2;
    QComboBox* cbM3;

    QGroupBox* GroupBox5; // "Дополнительный автотест"
    QComboBox* cbH4;

private:
    QComboBox* AddNumberList(QWidget* parent, const QString& name, int last, int x, int y);
    void NormaliseDelay();
};
