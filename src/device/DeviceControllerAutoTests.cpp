#include "device/DeviceController.h"

#include "app/controls/MaskEdit.h"
#include "app/pages/fATests.h"
#include "base/Convert.h"
#include "device/TransferGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <array>

namespace {

const QString kCountLabel = QStringLiteral("Кол-во автотестов");
const QString kHoursLabel = QStringLiteral("Часы автотестов");
const QString kMinutesLabel = QStringLiteral("Минуты автотестов");
const QString kTimesLabel = QStringLiteral("Автотесты");
const QString kExtraLabel = QStringLiteral("Период дополнительного автотеста");
const QString kRestartLabel = QStringLiteral("Событие рестарта панели");
const QString kPowerLabel = QStringLiteral("События по питанию");
const QString kDelayLabel = QStringLiteral("Период определения пропадания внешнего питания");

QString Flag(const QCheckBox* box) {
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

QComboBox* HourList(const TformATests& page, int test) {
    return page.FindControl<QComboBox>(QStringLiteral("cbH") + QString::number(test));
}

QComboBox* MinuteList(const TformATests& page, int test) {
    return page.FindControl<QComboBox>(QStringLiteral("cbM") + QString::number(test));
}

} // namespace

void TDeviceController::ReadAutoTests(TformATests& page) {
    TPollPause pause(Host);
    InitProgress(7);

    StepProgress();
    LogReading(kCountLabel);
    int count = 0;
    if (Device.GetTestCount(count))
        page.ComboBox1->setCurrentIndex(count); // a count the list does not hold chooses nothing
    else
        AddReadError(kCountLabel);

    StepProgress();
    GuardedStep(
        [&] {
            std::array<int, 3> hours{}, minutes{};
            LogReading(kHoursLabel);
            if (!Device.GetTestHours(hours)) {
                AddReadError(kHoursLabel);
                return;
            }
            LogReading(kMinutesLabel);
            if (!Device.GetTestMinutes(minutes)) {
                AddReadError(kMinutesLabel);
                return;
            }
            for (int test = 1; test <= TformATests::MaxTests; ++test) {
                HourList(page, test)->setCurrentIndex(hours[test - 1]);
                MinuteList(page, test)->setCurrentIndex(minutes[test - 1]);
            }
        },
        [&] { AddReadError(kTimesLabel); });

    LogReading(kExtraLabel);
    GuardedStep(
        [&] {
            QString period;
            if (Device.GetExtraTestPeriod(period))
                page.cbH4->setCurrentIndex(StrToInt(u'$' + period));
            else
                AddReadError(kExtraLabel);
        },
        [&] { AddReadError(kExtraLabel); });

    StepProgress();
    LogReading(kRestartLabel);
    bool restartEvent = false;
    if (Device.GetRestartEventFlag(restartEvent))
        page.reload->setChecked(restartEvent);
    else
        AddReadError(kRestartLabel);

    StepProgress();
    LogReading(kPowerLabel);
    GuardedStep(
        [&] {
            // Three flags; the middle one is not used.
            QString events;
            if (!Device.GetPowerEvents(events) || events.size() < 3) {
                AddReadError(kPowerLabel);
                return;
            }
            page.vosst->setChecked(events.at(0) == u'1');
            page.av12->setChecked(events.at(2) == u'1');
        },
        [&] { AddReadError(kPowerLabel); });

    StepProgress();
    LogReading(kDelayLabel);
    GuardedStep(
        [&] {
            QString delay;
            if (Device.GetPowerLossPeriod(delay))
                page.zadav->SetText(ZeroPad(StrToInt(u'$' + delay), 3));
            else
                AddReadError(kDelayLabel);
        },
        [&] { AddReadError(kDelayLabel); });

    StepProgress();
}

void TDeviceController::WriteAutoTests(TformATests& page) {
    TPollPause pause(Host);
    InitProgress(7);
    StepProgress();
    // With no count chosen (a count the list does not hold was read, or a settings file said
    // so) nothing is known to send: the count is reported and the tests' times are left alone.
    const int count = page.ComboBox1->currentIndex();
    const bool countChosen = count >= 0 && count <= TformATests::MaxTests;
    InitProgress(2 * (countChosen ? count : 0) + 4);
    StepProgress();

    if (countChosen) {
        // Tests beyond the count are switched off on the page before anything is sent.
        for (int test = count + 1; test <= TformATests::MaxTests; ++test) {
            HourList(page, test)->setCurrentIndex(0);
            MinuteList(page, test)->setCurrentIndex(0);
        }
    }

    LogWriting(kCountLabel);
    if (!countChosen || !Device.SetTestCount(count)) {
        AddWriteError(kCountLabel);
    } else {
        StepProgress();
        for (int test = 1; test <= count; ++test) {
            const int hour = StrToIntDef(HourList(page, test)->currentText(), 0);
            const int minute = StrToIntDef(MinuteList(page, test)->currentText(), 0);
            LogWriting(kHoursLabel);
            if (!Device.SetTestHour(test, hour)) AddWriteError(kHoursLabel);
            StepProgress();
            LogWriting(kMinutesLabel);
            if (!Device.SetTestMinute(test, minute)) AddWriteError(kMinutesLabel);
            StepProgress();
        }
    }

    // The panel takes the period in hexadecimal; with no period chosen there is none to send.
    LogWriting(kExtraLabel);
    const int period = page.cbH4->currentIndex();
    if (period < 0 || !Device.SetExtraTestPeriod(IntToHex(period, 2))) AddWriteError(kExtraLabel);
    StepProgress();

    LogWriting(kRestartLabel);
    if (!Device.SetRestartEventFlag(page.reload->isChecked())) AddWriteError(kRestartLabel);
    StepProgress();

    // The first flag covers both mains events, the restore and the loss, so it goes out twice.
    LogWriting(kPowerLabel);
    if (!Device.SetPowerEvents(Flag(page.vosst) + Flag(page.vosst) + Flag(page.av12)))
        AddWriteError(kPowerLabel);
    StepProgress();

    LogWriting(kDelayLabel);
    GuardedStep(
        [&] {
            if (!Device.SetPowerLossPeriod(IntToHex(StrToInt(page.zadav->Text()), 2)))
                AddWriteError(kDelayLabel);
        },
        [&] { AddWriteError(kDelayLabel); });
    StepProgress();
}
