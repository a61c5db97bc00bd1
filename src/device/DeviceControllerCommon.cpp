#include "device/DeviceController.h"

#include "app/pages/fCommon.h"
#include "base/Convert.h"
#include "device/TransferGuard.h"
#include "uikit/controls/KtProgressBar.h"

#include <QDateTime>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString kObjectLabel = QStringLiteral("№ объекта");
const QString kTimeLabel = QStringLiteral("Время");
const QString kVoiceCidReadLabel = QStringLiteral("Параметры голосового Contact ID");
const QString kVoiceCidWriteLabel = QStringLiteral("Параметры голосового ContactID");
const QString kSignalLabel = QStringLiteral("Качество сигнала GSM");
const QString kNotANumber = QStringLiteral("Номер объекта не число!");

// The modem's "not known" value of both signal figures.
const QString kUnknown = QStringLiteral("99");
const QString kWorstErrorRate = QStringLiteral("7");

// Two characters of the answer as a hexadecimal number; EConvertError when they are not one.
QString HexField(const QString& answer, qsizetype from) {
    return QString::number(StrToInt(u'$' + answer.mid(from, 2)));
}

} // namespace

void TDeviceController::ReadCommon(TFormCommon& page) {
    TPollPause pause(Host);
    InitProgress(5);
    StepProgress();

    StepProgress();
    LogReading(kObjectLabel);
    int number = 0;
    if (Device.GetObjectNumber(number))
        page.etO->setText(QString::number(number));
    else
        AddReadError(kObjectLabel);

    StepProgress();
    LogReading(kTimeLabel);
    QString time;
    if (Device.GetClock(time))
        page.etTime->setText(time);
    else
        AddReadError(kTimeLabel);
    page.etO->setFocus();

    StepProgress();
    LogReading(kVoiceCidReadLabel);
    QString mode;
    const bool modeRead = Device.GetVoiceCidMode(mode);
    if (modeRead && mode == QStringLiteral("0"))
        page.rbSlowCID1->setChecked(true);
    else if (modeRead && mode == QStringLiteral("1"))
        page.rbSlowCID2->setChecked(true);
    else
        AddReadError(kVoiceCidReadLabel);

    StepProgress();
    LogReading(kSignalLabel);
    GuardedStep(
        [&] {
            // "AQ" answers "ll,ee": signal level and bit error rate, each in hexadecimal.
            QString answer;
            if (!Device.GetSignalQuality(answer) || answer.isEmpty()) {
                AddReadError(kSignalLabel);
                return;
            }
            const QString level = HexField(answer, 0);
            page.etSignal->setText(level);
            page.PSignal->SetPartsComplete(level == kUnknown ? 0 : level.toUInt());
            QString errorRate = HexField(answer, 3);
            if (errorRate == kUnknown) errorRate = kWorstErrorRate;
            page.etError->setText(errorRate);
            page.PEr->SetPartsComplete(errorRate.toUInt());
        },
        [&] { AddReadError(kSignalLabel); });

    StepProgress();
}

void TDeviceController::WriteCommon(TFormCommon& page) {
    TPollPause pause(Host);
    InitProgress(4);

    StepProgress();
    LogWriting(kObjectLabel);
    // The panel takes the object number as four decimal digits; a negative one would go out
    // as "-0001", so it is refused like any other text that is no object number.
    const std::optional<int> number = TryStrToInt(page.etO->text());
    if (!number || *number < 0)
        AddWriteErrorDetail(kObjectLabel, kNotANumber);
    else if (!Device.SetObjectNumber(*number))
        AddWriteError(kObjectLabel);

    StepProgress();
    LogWriting(kTimeLabel);
    if (!Device.SetClock(QDateTime::currentDateTime())) AddWriteError(kTimeLabel);

    StepProgress();
    LogWriting(kVoiceCidWriteLabel);
    if (!Device.SetVoiceCidMode(page.rbSlowCID1->isChecked() ? QStringLiteral("0") : QStringLiteral("1")))
        AddWriteError(kVoiceCidWriteLabel);

    StepProgress();
}
