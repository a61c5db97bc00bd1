#include "device/DeviceController.h"

#include "app/pages/fWays.h"
#include "base/Convert.h"
#include "device/TransferGuard.h"
#include "device/WayDescriptor.h"
#include "platform/DialogService.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <array>

// The panel keeps the ways as phone numbers "h"/"H", descriptors "D" (all in one answer) /
// "Dn=", the AND groups "ANDg" and the direction change flag "DO". It takes the used ways as
// 1..m without gaps, which the page's packing before every write keeps. An AND group holds the
// way digits (way - 1) of one direction; the directions among themselves all apply.

namespace {

constexpr int kWays = TformWays::WayCount;
constexpr int kGroups = 8;

const QString kPhoneLabel = QStringLiteral("Телефонный номер");
const QString kWayLabel = QStringLiteral("Параметры направления");
const QString kSwitchLabel = QStringLiteral("Флаг перехода по направлениям");

// A list with no item chosen (a settings file can say -1) is a way not in use.
int Channel(const TformWays& page, int way) {
    return std::max(page.cb(way)->currentIndex(), int(TformWays::NotUsed));
}

void SetUnusedWays(TformWays& page, int firstWay) {
    for (int way = firstWay; way <= kWays; ++way)
        page.cb(way)->setCurrentIndex(TformWays::NotUsed);
}

// The way digit of a group: the way's number - 1.
QString WayDigit(int way) {
    return IntToHex(way - 1, 1);
}

} // namespace

// Unlike the other pages, no "Читаю " lines for the numbers, channels and groups.
void TDeviceController::ReadWays(TformWays& page) {
    TPollPause pause(Host);
    InitProgress(17);
    StepProgress();

    for (int way = 1; way <= kWays; ++way) {
        QString number;
        if (Device.GetPhoneNumber(way, number))
            page.etP(way)->setText(number);
        else
            AddReadError(kPhoneLabel);
        StepProgress();
    }

    std::array<QString, 16> descriptors;
    if (Device.GetWayDescriptors(descriptors)) {
        for (int way = 1; way <= kWays; ++way)
            page.cb(way)->setCurrentIndex(WayChannelIndex(descriptors.at(size_t(way - 1))));
    } else {
        AddReadError(kWayLabel);
    }
    StepProgress();

    ReadWayGroups(page);

    // In LAN-only use the page's way controls are locked and the flag is left alone.
    if (!ControlEnabled(page.rdo1)) return;
    LogReading(kSwitchLabel);
    GuardedStep(
        [&] {
            QString flag;
            if (!Device.GetWaySwitchFlag(flag)) {
                AddReadError(kSwitchLabel);
                return;
            }
            page.GroupBox7->setFocus();
            (flag == QStringLiteral("1") ? page.rdo1 : page.rdo2)->setChecked(true);
        },
        [&] { AddReadError(kSwitchLabel); });
    StepProgress();
}

// The groups give the used ways and their directions: the way digits must run 0, 1, 2, ...
// across the groups; from the first digit out of place on, the ways are not used. A group that
// cannot be read leaves nothing known of the directions: every way is then not used.
void TDeviceController::ReadWayGroups(TformWays& page) {
    QStringList groups;
    qsizetype collected = 0;
    for (int group = 1; group <= kGroups && collected < kWays; ++group) {
        QString value;
        if (!Device.GetAndGroup(group, value)) {
            SetUnusedWays(page, 1);
            AddReadError(kWayLabel);
            return;
        }
        StepProgress();
        if (value.isEmpty()) break;
        groups.append(value.left(kWays - collected));
        collected += groups.last().size();
    }

    int way = 1;
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (g > 0) page.rb(2 * way - 3)->setChecked(true); // "И" before the group's first way
        for (const QChar digit : std::as_const(groups.at(g))) {
            if (digit != WayDigit(way).at(0)) {
                SetUnusedWays(page, way);
                return;
            }
            if (way < kWays) page.rb(2 * way)->setChecked(true); // "Или" after it
            ++way;
        }
    }
    SetUnusedWays(page, way);
}

void TDeviceController::WriteWays(TformWays& page) {
    TPollPause pause(Host);
    for (int way = 1; way <= kWays; ++way) {
        if (Channel(page, way) != TformWays::NotUsed && page.etP(way)->text().isEmpty()) {
            MessageDlg(QStringLiteral("Не введен один из номеров телефона!"), TMsgDlgType::mtWarning, mbOK);
            return;
        }
    }
    InitProgress(24);
    StepProgress();
    WritePhones(page);
    WriteWayChannels(page);
    WriteWayGroups(page);

    LogWriting(kSwitchLabel);
    if (!Device.SetWaySwitchFlag(page.rdo1->isChecked() ? QStringLiteral("1") : QStringLiteral("0")))
        AddWriteError(kSwitchLabel);
    StepProgress();
}

// Every number goes, an empty one too: it clears the way's number in the panel.
void TDeviceController::WritePhones(TformWays& page) {
    for (int way = 1; way <= kWays; ++way) {
        if (!Device.SetPhoneNumber(way, page.etP(way)->text())) AddWriteError(kPhoneLabel);
        StepProgress();
    }
}

void TDeviceController::WriteWayChannels(TformWays& page) {
    for (int way = 1; way <= kWays; ++way) {
        if (!Device.SetWayDescriptor(way, WayDescriptor(Channel(page, way), way))) AddWriteError(kWayLabel);
        StepProgress();
    }
}

// One group per direction of the used ways, then empty groups up to the eighth. The first group
// the panel refuses ends the writing: the groups after it would describe directions it does
// not hold.
void TDeviceController::WriteWayGroups(TformWays& page) {
    int sent = 0;
    const auto send = [&](const QString& group) {
        if (!Device.SetAndGroup(sent + 1, group)) {
            AddWriteError(kWayLabel);
            return false;
        }
        StepProgress();
        ++sent;
        return true;
    };
    if (Channel(page, 1) != TformWays::NotUsed) {
        QString open = WayDigit(1);
        for (int way = 1; way < kWays && Channel(page, way + 1) != TformWays::NotUsed; ++way) {
            if (page.rb(2 * way)->isChecked()) {
                open += WayDigit(way + 1);
                continue;
            }
            if (!send(open)) return;
            open = WayDigit(way + 1);
        }
        if (!send(open)) return;
    }
    while (sent < kGroups)
        if (!send(QString())) return;
}
