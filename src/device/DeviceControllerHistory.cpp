// The event history: the newest records when the history page is read, paging back and
// forward, the whole history into "История.txt", and the erase.

#include "device/DeviceController.h"

#include "app/HistoryDecoding.h"
#include "app/HistoryTextFile.h"
#include "app/StringGrid.h"
#include "app/fHistory.h"
#include "base/Exceptions.h"
#include "base/LogWriter.h"

namespace {

constexpr int kRecordLength = 39;
constexpr int kRecordTries = 3;
constexpr int kPage = TFormHistory::EventRows;
// What the panel answers for a slot it has not written yet; such an answer is asked once more
// at once, as the panel may have been writing that very slot.
const QString kUnwrittenTail = QStringLiteral("FFFF FFFFFFFFFFFFFFFF");

} // namespace

void TDeviceController::ReadHistory(TFormHistory& page) {
    TPollPause pause(Host);
    InitProgress(kPage + 1);
    StepProgress();
    page.ClearCache();
    // Without a write pointer nothing of the last panel's history may stay on the page.
    page.ResetGrid();
    HistoryMode = 1;
    quint16 pointer = 0;
    if (!Device.GetHistoryPointer(pointer)) return;
    HistoryCursor = pointer;
    page.ShownStart = quint16(pointer - kPage);
    StepProgress();
    ReadHistoryRange(page, quint16(pointer - kPage), pointer);
}

void TDeviceController::HistoryBack(TFormHistory& page) {
    Paging(page, 0, quint16(page.ShownStart - kPage));
}

void TDeviceController::HistoryForward(TFormHistory& page) {
    // No stop at the write pointer: past it the panel answers its unwritten slots.
    Paging(page, 1, quint16(page.ShownStart + kPage));
}

// The progress window is freed however the paging ends, the user's cancel included: one left
// behind with its cancel flag set would stop the next file write at its first record.
void TDeviceController::Paging(TFormHistory& page, quint8 mode, quint16 first) {
    RunTransfer([&] {
        InitProgress(kPage);
        StepProgress();
        HistoryMode = mode;
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
    const qsizetype insertAt = page.HistoryIndexes.size();
    int row = kPage;
    for (quint16 index = first; index != last && row > 0; ++index, --row) {
        const QString key = QString::number(index);
        try {
            QString record;
            const qsizetype cached = page.HistoryIndexes.indexOf(key);
            if (cached >= 0) {
                record = page.HistoryRecords.at(cached);
            } else if (FetchHistoryRecord(index, record)) {
                // Both lists stay newest first: paging forward puts newer records in front,
                // paging back puts older ones behind those the cache held before.
                const qsizetype at = HistoryMode == 1 ? 0 : insertAt;
                page.HistoryIndexes.insert(at, key);
                page.HistoryRecords.insert(at, record);
            } else {
                grid.SetCell(hcAccount, row, QStringLiteral("Ошибка"));
                StepProgress(); // a record that failed is where a dead link shows: let cancel in
                continue;
            }
            ShowHistoryEvent(grid, row, key, DecodeHistoryRecord(record, page.WayNames));
            StepProgress();
        } catch (const TStopException&) {
            throw;
        } catch (const TCloseException&) {
            throw;
        } catch (const std::exception&) {
            grid.SetCell(hcIndex, row, key);
            grid.SetCell(hcAccount, row, QStringLiteral("Ошибка"));
        }
    }
    return true;
}

void TDeviceController::SaveHistoryToFile(TFormHistory& page) {
    THistoryTextFile file(QStringLiteral("История.txt"), page.WayNames); // in the current folder
    HistoryRun = true;
    TPollPause pause(Host);
    try {
        quint16 pointer = 0;
        if (Device.GetHistoryPointer(pointer)) {
            // Newest first, down to index 0. A record that fails is asked for again until it
            // comes or "Finish" clears HistoryRun; the step between keeps "Finish" live.
            int index = int(pointer) - 1;
            while (index >= 0 && HistoryRun) {
                QString record;
                const bool ok = Device.GetHistoryRecord(index, record);
                StepProgress();
                if (!ok) continue;
                file.Add(index, record);
                --index;
            }
        }
    } catch (...) {
        try {
            file.Write();
        } catch (const EBaseError&) {
            // The first failure is the one to report.
        }
        throw;
    }
    file.Write();
}

bool TDeviceController::ClearHistory() {
    TPollPause pause(Host);
    if (Logger) Logger->WriteMessage(QStringLiteral("Удаление истории!"));
    const bool erased = Device.ClearHistory();
    if (!erased && Logger) Logger->WriteError(QStringLiteral("Ошибка при удалении истории!"));
    return erased;
}
