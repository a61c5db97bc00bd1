#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;

// The list of failed parameters shown after a transfer: their count and one row per line.
class TFormErrors : public QDialog {
    Q_OBJECT
public:
    explicit TFormErrors(QWidget* owner = nullptr);

    // The count in decimal and one row per line, in list order.
    void SetErrors(const QStringList& lines);

    QLabel* const Label1;
    QLabel* const pErrCount;
    QTableWidget* const lErrors;

protected:
    void showEvent(QShowEvent* event) override;
};
