#pragma once

#include "app/pages/fIn.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;

// The page "Инженерные номера": the switch of the panel's engineering numbers and the five
// numbers. The numbers can be edited only while the switch is on; off, they keep their texts,
// which are still saved and written.
class TFormEnNumber : public TformIncl {
    Q_OBJECT
public:
    explicit TFormEnNumber(QWidget* owner = nullptr);

    static constexpr int NumberCount = 5;

    // The five numbers enabled on the window background while CheckBox1 is checked, else
    // disabled on the button face.
    void UpdateNumbersEnabled();

    QScrollArea* ScrollBox1;
    QGroupBox* GroupBox1; // "Инженерные номера"
    QCheckBox* CheckBox1;
    QGroupBox* GroupBox2; // "Номера"
    QLabel* lN1;
    QLineEdit* etN1;
    QLabel* lN2;
    QLineEdit* etN2;
    QLabel* lN3;
    QLineEdit* etN3;
    QLabel* lN4;
    QLineEdit* etN4;
    QLabel* lN5;
    QLineEdit* etN5;
};
