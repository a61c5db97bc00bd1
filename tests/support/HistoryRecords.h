#pragma once

#include "support/FakeStoringPanel.h"

#include <QByteArray>

// The command that reads the history record at an index of the panel's ring of 65536.
inline QByteArray HistoryRecordCommand(int index) {
    return "fer" + QByteArray::number(index & 0xFFFF, 16).toUpper().rightJustified(4, '0');
}

// A good record: the index in the first time-stamp field, delivered over LAN and way 2, a
// burglary alarm with a correct check digit.
inline QByteArray HistoryRecord(int index) {
    return QByteArray::number(index & 0xFFFF).rightJustified(8, '0') + " 08:30:15 7BFD 1234181131001009";
}

// The panel holds good records at the indexes from .. to-1 (negative ones wrap round the ring).
inline void StoreHistoryRecords(FakeStoringPanel& panel, int from, int to) {
    for (int i = from; i < to; ++i)
        panel.SetValue(HistoryRecordCommand(i), HistoryRecord(i));
}
