#include "device/DeviceController.h"

#include "app/controls/SpinEdit.h"
#include "app/pages/fLoops.h"
#include "base/Convert.h"
#include "device/EventCombo.h"
#include "device/TransferGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <array>

namespace {

const QString kStatesLabel = QStringLiteral("Запрос состояний шлейфов");
const QString kUseLabel = QStringLiteral("Использование шлейфов");

// One Contact ID string of the panel: what a loop sends when it closes or opens.
struct TLoopEntry {
    QComboBox* Code;
    TSpinEdit* Partition;
    TSpinEdit* Zone;
};

std::array<TLoopEntry, 4> Entries(TFormLoops& page) {
    return {{{page.cbRes1, page.etPartRes1, page.etLoopRes1},
             {page.cbRec1, page.etPartRec1, page.etLoopRec1},
             {page.cbRes2, page.etPartRes2, page.etLoopRes2},
             {page.cbRec2, page.etPartRec2, page.etLoopRec2}}};
}

QString EntryLabel(int entry) {
    return QStringLiteral("Строка Ademco ContactID шлейфа ") + QString::number(entry);
}

QString LoopState(bool open) {
    return open ? QStringLiteral("Разомкнут") : QStringLiteral("Замкнут");
}

// The entry's string: the event (qualifier, code), the partition in two digits and the zone in
// three. The spin edits hold numbers only.
QString EntryValue(const QString& event, const TLoopEntry& entry) {
    return event + ZeroPad(entry.Partition->value(), 2) + ZeroPad(entry.Zone->value(), 3);
}

} // namespace

void TDeviceController::ReadLoops(TFormLoops& page) {
    TPollPause pause(Host);
    InitProgress(6);
    StepProgress();

    LogReading(kStatesLabel);
    bool loop1Open = false, loop2Open = false;
    if (Device.GetLoopStates(loop1Open, loop2Open)) {
        page.pStLoop1->setText(LoopState(loop1Open));
        page.pStLoop2->setText(LoopState(loop2Open));
    } else {
        AddReadError(kStatesLabel);
    }
    StepProgress();

    LogReading(kUseLabel);
    bool bit0 = false, bit1 = false, bit2 = false, bit3 = false;
    if (Device.GetLoopUse(bit0, bit1, bit2, bit3)) {
        page.cbResponce1->setChecked(bit0);
        page.cbRecovery1->setChecked(bit1);
        page.cbRecovery2->setChecked(bit2);
        page.cbResponce2->setChecked(bit3);
    } else {
        AddReadError(kUseLabel);
    }
    StepProgress();

    const std::array<TLoopEntry, 4> entries = Entries(page);
    for (int entry = 0; entry < int(entries.size()); ++entry) {
        const QString label = EntryLabel(entry);
        LogReading(label);
        GuardedStep(
            [&] {
                // Qualifier, event code, partition (two digits), zone (three digits).
                QString value;
                if (!Device.GetLoopCidString(entry, value)) {
                    AddReadError(label);
                    return;
                }
                const TLoopEntry& controls = entries[entry];
                controls.Code->setCurrentIndex(EventItemIndex(*controls.Code, value));
                controls.Partition->SetText(QString::number(StrToInt(value.mid(4, 2))));
                controls.Zone->SetText(QString::number(StrToInt(value.mid(6, 3))));
            },
            [&] { AddReadError(label); });
        StepProgress();
    }
}

void TDeviceController::WriteLoops(TFormLoops& page) {
    TPollPause pause(Host);
    InitProgress(5);
    StepProgress();

    // The panel keeps loop 2's two flags the other way round: opening in bit 2, closing in bit 3.
    LogWriting(kUseLabel);
    if (!Device.SetLoopUse(page.cbResponce1->isChecked(), page.cbRecovery1->isChecked(),
                           page.cbRecovery2->isChecked(), page.cbResponce2->isChecked()))
        AddWriteError(kUseLabel);
    StepProgress();

    const std::array<TLoopEntry, 4> entries = Entries(page);
    for (int entry = 0; entry < int(entries.size()); ++entry) {
        const QString label = EntryLabel(entry);
        GuardedStep(
            [&] {
                // With no event chosen (a short message table) there is nothing to send.
                const QString event = ChosenEvent(*entries[entry].Code);
                if (event.isEmpty()) {
                    AddWriteError(label);
                    return;
                }
                LogWriting(label);
                if (!Device.SetLoopCidString(entry, EntryValue(event, entries[entry]))) AddWriteError(label);
            },
            [&] { AddWriteError(label); });
        StepProgress();
    }
}
