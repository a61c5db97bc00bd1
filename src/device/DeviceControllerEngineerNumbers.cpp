#include "device/DeviceController.h"

#include "app/pages/fEnNumber.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

const QString kFlagLabel = QStringLiteral("Флаг включения инженерных номеров");

QString NumberLabel(int n) {
    return QStringLiteral("Инженерный номер ") + QString::number(n);
}

QLineEdit* NumberEdit(const TFormEnNumber& page, int n) {
    return page.FindControl<QLineEdit>(QStringLiteral("etN") + QString::number(n));
}

} // namespace

void TDeviceController::ReadEngineerNumbers(TFormEnNumber& page) {
    TPollPause pause(Host);
    InitProgress(6);
    StepProgress();

    LogReading(kFlagLabel);
    QString flag;
    if (Device.GetEngineerNumbersFlag(flag))
        page.CheckBox1->setChecked(flag == QStringLiteral("1"));
    else
        AddReadError(kFlagLabel);
    StepProgress();

    for (int n = 1; n <= TFormEnNumber::NumberCount; ++n) {
        LogReading(NumberLabel(n));
        QString number;
        if (Device.GetEngineerNumber(n, number))
            NumberEdit(page, n)->setText(number);
        else
            AddReadError(NumberLabel(n));
        StepProgress();
    }
}

void TDeviceController::WriteEngineerNumbers(TFormEnNumber& page) {
    TPollPause pause(Host);
    InitProgress(6);
    StepProgress();

    // Switched on without a single number the panel would have nothing to call.
    bool anyNumber = false;
    for (int n = 1; n <= TFormEnNumber::NumberCount; ++n)
        anyNumber = anyNumber || !NumberEdit(page, n)->text().isEmpty();
    if (!anyNumber) page.CheckBox1->setChecked(false);

    LogWriting(kFlagLabel);
    if (!Device.SetEngineerNumbersFlag(page.CheckBox1->isChecked() ? QStringLiteral("1")
                                                                   : QStringLiteral("0")))
        AddWriteError(kFlagLabel);
    StepProgress();

    for (int n = 1; n <= TFormEnNumber::NumberCount; ++n) {
        LogWriting(NumberLabel(n));
        if (!Device.SetEngineerNumber(n, NumberEdit(page, n)->text())) AddWriteError(NumberLabel(n));
        StepProgress();
    }
}
