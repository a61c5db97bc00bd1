// The event history: the newest records when the history page is read, paging back and
// forward, the whole history into "История.txt", and the erase.

#include "device/DeviceController.h"

#include "app/controls/StringGrid.h"
#include "app/history/HistoryDecoding.h"
#include "app/history/HistoryTextFile.h"
#include "app/pages/fHistory.h"
#include "base/Exceptions.h"
#include "base/LogWriter.h"
#include "device/TransferGuard.h"
#include "platform/DialogService.h"

#include <algorithm>

namespace {

constexpr int kRecordLength = 39;
constexpr int kRecordTries = 3;
constexpr int kPage = TFormHistory::EventRows;
// What the panel answers for a slot it has not written yet; such an answer is asked once more
// at once, as the panel may have been writing that very slot.
const QString kUnwrittenTail = QStringLiteral("FFFF FFFFFFFFFFFFFFFF");

// How far a record lies behind the newest one of the ring, the one before the write pointer:
// 0 for the newest, 65535 for the write pointer's own slot, which is the oldest (or unwritten).
quint16 RingAge(quint16 pointer, quint16 index) {
    return quint16(pointer - 1 - index);
}

// Where a record goes in the page's cache so that it stays newest first in the ring's order,
// also for a record fetched again after it failed, and across the end of the ring (0005 ahead
// of FFFA).
qsizetype CachePosition(const QStringList& indexes, quint16 pointer, quint16 index) {
    const quint16 age = RingAge(pointer, index);
    const auto at =
        std::upper_bound(indexes.cbegin(), indexes.cend(), age, [pointer](quint16 a, const QString& key) {
            return a < RingAge(pointer, key.toUShort());
        });
    return at - indexes.cbegin();
}

} // namespace

void TDeviceController::ReadHistory(TFormHistory& page) {
    TPollPause pause(Host);
    InitProgress(kPage + 1);
    StepProgress();
    page.ClearCache();
    // Without a write pointer nothing of the last panel's history may stay on the page.
    page.ResetGrid();
    quint16 pointer = 0;
    if (!Device.GetHistoryPointer(pointer)) return;
    HistoryCursor = pointer;
    page.ShownStart = quint16(pointer - kPage);
    StepProgress();
    ReadHistoryRange(page, quint16(pointer - kPage), pointer);
}

void TDeviceController::HistoryBack(TFormHistory& page) {
    Paging(page, quint16(page.ShownStart - kPage));
}

void TDeviceController::HistoryForward(TFormHistory& page) {
    // No stop at the write pointer: past it the panel answers its unwritten slots.
    Paging(page, quint16(page.ShownStart + kPage));
}

// The progress window is freed however the paging ends, the user's cancel included: one left
// behind with its cancel flag set would stop the next file write at its first record.
void TDeviceController::Paging(TFormHistory& page, quint16 first) {
    RunTransfer([&] {
        InitProgress(kPage);
        StepProgress();
        if (HistoryCursor == -1) return;
        ReadHistoryRange(page, first, quint16(first + kPage));
        page.ShownStart = first;
    });
}

bool TDeviceController::FetchHistoryRecord(quint16 index, QString& record) {
    for (int attempt = 0; attempt < kRecordTries; ++attempt) {
        // Each try may wait the record's full time-out three times over: a dead link must not
        // keep "Отмена" waiting for all of them.
        if (attempt > 0) CheckCancel();
        record.clear();
        Device.GetHistoryRecord(index, record);
        if (record.endsWith(kUnwrittenTail)) Device.GetHistoryRecord(index, record);
        if (record.size() == kRecordLength) return true;
    }
    return false;
}

bool TDeviceController::ReadHistoryRange(TFormHistory& page, quint16 first, quint16 last) {
    TPollPause pause(Host);
    TStringGrid& grid = *page.StringGrid1;
    page.ResetGrid();
    int row = kPage;
    for (quint16 index = first; index != last && row > 0; ++index, --row) {
        const QString key = QString::number(index);
        GuardedStep(
            [&] {
                QString record;
                const qsizetype cached = page.HistoryIndexes.indexOf(key);
                if (cached >= 0) {
                    record = page.HistoryRecords.at(cached);
                } else if (FetchHistoryRecord(index, record)) {
                    const qsizetype at = CachePosition(page.HistoryIndexes, quint16(HistoryCursor), index);
                    page.HistoryIndexes.insert(at, key);
                    page.HistoryRecords.insert(at, record);
                } else {
                    grid.SetCell(hcAccount, row, QStringLiteral("Ошибка"));
                    StepProgress(); // a record that failed is where a dead link shows: let cancel in
                    return;
                }
                ShowHistoryEvent(grid, row, key, DecodeHistoryRecord(record, page.WayNames));
                StepProgress();
            },
            [&] {
                grid.SetCell(hcIndex, row, key);
                grid.SetCell(hcAccount, row, QStringLiteral("Ошибка"));
            });
    }
    return true;
}

void TDeviceController::SaveHistoryToFile(TFormHistory& page) {
    THistoryTextFile file(QStringLiteral("История.txt"), page.WayNames); // in the current folder
    if (!file.Open()) {
        MessageDlg(file.Failure(), TMsgDlgType::mtError, mbOK);
        return;
    }
    HistoryRun = true;
    TPollPause pause(Host);
    quint16 pointer = 0;
    if (!Device.GetHistoryPointer(pointer)) return;
    // Newest first, down to index 0. A record that fails is asked for again until it comes or
    // "Finish" clears HistoryRun; the step between keeps "Finish" live.
    int index = int(pointer) - 1;
    while (index >= 0 && HistoryRun) {
        QString record;
        const bool ok = Device.GetHistoryRecord(index, record);
        StepProgress();
        if (!ok) continue;
        // Going on would only ask the panel for records that have nowhere to go.
        if (!file.Add(index, record)) {
            MessageDlg(file.Failure(), TMsgDlgType::mtError, mbOK);
            return;
        }
        --index;
    }
}

bool TDeviceController::ClearHistory() {
    TPollPause pause(Host);
    if (Logger) Logger->WriteMessage(QStringLiteral("Удаление истории!"));
    const bool erased = Device.ClearHistory();
    if (!erased && Logger) Logger->WriteError(QStringLiteral("Ошибка при удалении истории!"));
    return erased;
}
