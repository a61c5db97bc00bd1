#pragma once

#include "app/pages/fIn.h"

class QComboBox;
class QGroupBox;
class TKtGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;

// The page "Настройка объектов": the objects (keypads) on the panel's RS-485 network, how many
// there are and the network number of each, and from firmware 4.12 on the alarm code the panel
// reports when it loses the link to one. The numbers live in the grid SG (rows 1 to the count,
// four hexadecimal digits in column 1); the walkers do not know grids, so the page keeps them in
// a settings section of its own, "KBDNUMS". The dialog Form2 adds, changes and deletes them.
class TFormKBDs : public TformIncl {
    Q_OBJECT
public:
    explicit TFormKBDs(QWidget* owner = nullptr);

    static constexpr int MaxObjects = 255;
    static constexpr int NumberColumn = 1;
    static inline const QString NoNumber = QStringLiteral("0000");

    void Clear() override;
    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) override;
    void SetDefaults() override;

    // The count of used rows as etKBSNum holds it, brought into 0..255: an empty or hand-edited
    // count must never take the grid's rows past its last.
    int Count() const;
    // Column 1 of a grid row (1..255).
    QString Number(int row) const;
    void SetNumber(int row, const QString& text);
    // Whether that cell of the grid is drawn blank: column 1 of a row after a count that reads
    // as a number.
    bool CellBlank(int col, int row) const;

    QScrollArea* ScrollBox1;
    QGroupBox* GroupBox1; // "Натройка объектов"
    QLabel* lbACIDcode;
    QComboBox* cbACIDcode;
    TKtGroupBox* KtGroupBox1;
    QLabel* lbKBDSNUM;
    QLineEdit* etKBSNum;
    QPushButton* Button1; // "Добавить объект"
    QTableWidget* SG;

private:
    void InitGrid();
    bool DialogMayOpen() const;
    void OpenForChange(int row, int col);
    void OpenForAdd();
};
