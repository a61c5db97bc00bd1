#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TKtLabel;
class TKtURLLabel;

// The about box: the program's picture, the maker's web address as a link, the maker's name,
// city and telephones, and an "OK" button that closes it.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* owner = nullptr);

    QLabel* const Image1;
    TKtURLLabel* const KtURLLabel1;
    TKtLabel* const KtLabel1;
    QPushButton* const Button1;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TFormAbout* FormAbout;
