#pragma once

#include <QDialog>
#include <QPointer>

class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TFormKBDs;

// The dialog "Настройка объекта": changes, adds or deletes one network number of the objects
// page's grid. It runs without a modal loop: while it is shown the main window is disabled, so
// only the dialog takes input, and every way of leaving it enables the main window again.
// It is a window of its own rather than a child of the main window, which would disable it too.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    // mainWindow: the window it is centred on and that it disables while shown.
    explicit TForm2(QWidget* mainWindow = nullptr);

    // For a change of the number in row `row` of the page's grid (Button2 "Удалить" shown).
    void OpenForChange(TFormKBDs& page, int row);
    // For a new number after the page's last used row.
    void OpenForAdd(TFormKBDs& page);

    QLabel* const Label1;
    QLineEdit* const Edit1;
    QPushButton* const Button1; // "Изменить" or "Добавить": its caption selects the action
    QPushButton* const Button2; // "Удалить"

    // The grid cell being changed.
    int SelectedCol = 0;
    int SelectedRow = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Open(TFormKBDs& page);
    void Button1Click();
    void Button2Click();
    // Another used row (not `except`) already holds this number: says so and offers "0000".
    bool Clash(int value, int except);
    void Finish();

    QPointer<QWidget> mainWindow_;
    QPointer<TFormKBDs> page_;
};

extern TForm2* Form2;
