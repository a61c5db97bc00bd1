#include "device/DeviceController.h"

#include "app/pages/fKBDs.h"
#include "base/Convert.h"
#include "device/EventCombo.h"
#include "device/TransferGuard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

namespace {

const QString kCountLabel = QStringLiteral("Кол-во клавиатур");
const QString kAddressLabel = QStringLiteral("Номер клавиатуры в локальной сети");
const QString kBadAddressLabel = QStringLiteral("Адрес клавиатуры в сетие");
const QString kLinkLossLabel = QStringLiteral("Код ACID события пропадания связи с панелью");

constexpr int kAddressTries = 3;
constexpr int kAddressLength = 4; // a network number is four hexadecimal digits

// The panel knows the link-loss event code from firmware 4.12 on.
constexpr int kLinkLossMajor = 4;
constexpr int kLinkLossMinor = 12;

// The grid has a row for at most this many keypads; a count beyond it is no count to use.
bool CountFits(int count) {
    return count >= 0 && count <= TFormKBDs::MaxObjects;
}

// A network number is four hexadecimal digits; more digits (a hand-edited settings file) or a
// negative value spelt through its 32-bit pattern would go out as a frame the panel cannot take.
bool AddressFits(int address) {
    return address >= 0 && address <= 0xFFFF;
}

} // namespace

void TDeviceController::ReadKeypads(TFormKBDs& page) {
    TPollPause pause(Host);
    page.SG->setFocus();
    LogReading(kCountLabel);
    int count = 0;
    if (!Device.GetKeypadCount(count) || !CountFits(count)) {
        AddReadError(kCountLabel);
    } else {
        page.etKBSNum->setText(QString::number(count));
        InitProgress(count);
        StepProgress();
        for (int keypad = 1; keypad <= count; ++keypad) {
            LogReading(kAddressLabel);
            // The panel now and then answers a keypad's number short: ask again.
            QString address;
            for (int attempt = 0; attempt < kAddressTries && address.size() != kAddressLength; ++attempt) {
                address.clear();
                GuardedStep([&] { Device.GetKeypadAddress(keypad, address); }, [&] { address.clear(); });
            }
            if (address.size() == kAddressLength)
                page.SetNumber(keypad, address);
            else
                AddReadError(kAddressLabel);
            StepProgress();
        }
    }

    if (FirmwareAtLeast(kLinkLossMajor, kLinkLossMinor)) {
        StepProgress();
        LogReading(kLinkLossLabel);
        GuardedStep(
            [&] {
                QString event;
                if (Device.GetLinkLossCode(event))
                    page.cbACIDcode->setCurrentIndex(EventItemIndex(*page.cbACIDcode, event));
                else
                    AddReadError(kLinkLossLabel);
            },
            [&] { AddReadError(kLinkLossLabel); });
    }
}

void TDeviceController::WriteKeypads(TFormKBDs& page) {
    TPollPause pause(Host);
    const int count = StrToIntDef(page.etKBSNum->text(), 0);
    InitProgress(CountFits(count) ? count : 0);
    StepProgress();

    LogWriting(kCountLabel);
    if (!CountFits(count) || !Device.SetKeypadCount(count)) {
        AddWriteError(kCountLabel);
    } else {
        StepProgress();
        for (int keypad = 1; keypad <= count; ++keypad) {
            const QString cell = page.Number(keypad);
            const auto badAddress = [&] {
                AddWriteErrorDetail(kBadAddressLabel, QStringLiteral("Не верный Адрес для клавитуры ") +
                                                          QString::number(keypad) + QStringLiteral(": ") +
                                                          cell);
            };
            GuardedStep(
                [&] {
                    const int address = StrToInt(u'$' + cell);
                    if (!AddressFits(address)) {
                        badAddress();
                        return;
                    }
                    LogWriting(kAddressLabel);
                    if (!Device.SetKeypadAddress(keypad, address))
                        AddWriteErrorDetail(kAddressLabel,
                                            QStringLiteral("Клавиатура №") + QString::number(keypad));
                    StepProgress();
                },
                badAddress);
        }
    }

    if (FirmwareAtLeast(kLinkLossMajor, kLinkLossMinor)) {
        StepProgress();
        LogWriting(kLinkLossLabel);
        // With no event chosen (a short message table) there is nothing to send.
        const QString event = ChosenEvent(*page.cbACIDcode);
        if (event.isEmpty() || !Device.SetLinkLossCode(event)) AddWriteError(kLinkLossLabel);
    }
}
