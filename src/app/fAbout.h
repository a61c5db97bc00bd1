#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program's picture, the maker and an "OK" button that closes it.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* owner = nullptr);

    QLabel* const Image1;
    QLabel* const Label1;
    QPushButton* const Button1;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TFormAbout* FormAbout;
