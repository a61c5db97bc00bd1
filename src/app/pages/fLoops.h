#pragma once

#include "app/pages/fIn.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QScrollArea;
class TSpinEdit;

// The page "Шлейфы": for each of the panel's two alarm loops, what the panel reports when the
// loop closes and when it opens (on or off, Contact ID event code, partition, loop number), and
// the loop's present state as the loops read shows it in pStLoop1/pStLoop2.
//
// The four code lists hold one item per row of the message table, which therefore has to be
// loaded before the page is created; the item index is what is stored, so the defaults 24 and
// 25 are rows 25 and 26 of "Messages.txt" (and nothing at all with a shorter table). A section's
// check box enables its code list and spin edits; switched off they keep their values, which are
// still saved and written.
class TFormLoops : public TformIncl {
    Q_OBJECT
public:
    explicit TFormLoops(QWidget* owner = nullptr);

    // The base operation, then the two state captions emptied until a read fills them.
    void Clear() override;

    QScrollArea* ScrollBox1;
    QGroupBox* GroupBox2; // "Настройка шлейфов"

    QGroupBox* gb1; // "Шлейф 1"
    QLabel* pStLoop1;
    QCheckBox* cbResponce1;
    QComboBox* cbRes1;
    TSpinEdit* etPartRes1;
    TSpinEdit* etLoopRes1;
    QCheckBox* cbRecovery1;
    QComboBox* cbRec1;
    TSpinEdit* etPartRec1;
    TSpinEdit* etLoopRec1;

    QGroupBox* GroupBox1; // "Шлейф 2"
    QLabel* pStLoop2;
    QCheckBox* cbResponce2;
    QComboBox* cbRes2;
    TSpinEdit* etPartRes2;
    TSpinEdit* etLoopRes2;
    QCheckBox* cbRecovery2;
    QComboBox* cbRec2;
    TSpinEdit* etPartRec2;
    TSpinEdit* etLoopRec2;

private:
    struct TSection {
        QCheckBox* Switch;
        QComboBox* Code;
        TSpinEdit* Partition;
        TSpinEdit* Loop;
    };
    QGroupBox* AddLoopGroup(const QString& name, const QString& title, int y, const QString& stateName,
                            QLabel*& state);
    // One section at y: a bold heading, the check box "Включить", the code list and the two spin
    // edits, named prefix + loop number each ("cbResponce1", "cbRes1", "etPartRes1", "etLoopRes1").
    TSection AddSection(QGroupBox* group, const QString& heading, const QString& switchName,
                        const QString& kind, int loop, const QString& codeHint, int y);
};
