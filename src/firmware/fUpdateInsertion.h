#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;
class TImageList;
class TKtBitBtn;
class TKtDialogButtons;
class TKtGroupBox;

// The HEX viewer: the engineer chooses an Intel HEX file and sees its data as rows of 16 bytes;
// the service upload sends the rows it read. Created once at start-up; keeps the last file read
// until another is chosen.
//
// The grid is addressed as the design has it: row 0 is the header ("00" to "0F" over columns 1
// to 16), column 0 the row labels; data rows begin at row 1. It always shows at least 8 data
// rows; RowsRead tells how many of them the file filled.
class TformUpdateInsertion : public QDialog {
    Q_OBJECT
public:
    explicit TformUpdateInsertion(QWidget* owner = nullptr);

    // The browse button: the open dialog, then the chosen file read into the grid. When the
    // reading stops before the file's end record the user is told where and why.
    void KtBitBtn1Click();

    // OK: when the path field has been changed by hand to name another file than the one the
    // grid shows, that file is read first, so that what is sent is the file the window names.
    void ReadNamedFile();

    int RowCount() const;
    QString Cell(int column, int row) const;
    int RowsRead() const { return rowsRead_; }
    // The file was read up to its end record.
    bool ImageComplete() const { return complete_; }
    // Some row read holds a byte of the file.
    bool HoldsData() const { return holdsData_; }

    TKtGroupBox* KtGroupBox1;
    QLabel* Label1;
    QLineEdit* etPath;
    TKtBitBtn* KtBitBtn1;
    QTableWidget* sgHex;
    TKtDialogButtons* KtDialogButtons1;
    TImageList* T; // the browse button's images

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ClearRows();
    void ReadFile(const QString& path);

    // The file the grid shows (empty before the first).
    QString shownPath_;
    int rowsRead_ = 0;
    bool complete_ = false;
    bool holdsData_ = false;
};

extern TformUpdateInsertion* formUpdateInsertion;
