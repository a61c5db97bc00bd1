#pragma once

#include <QString>
#include <functional>

class TStringGrid;

// The short name of the channel chosen for a way (1 to 8) on the ways page.
using TWayChannelNames = std::function<QString(int way)>;

// One event of the panel's history, decoded from the record that "fer" answers: 39 characters,
// "tttttttt TTTTTTTT FFFF CCCCCCCCCCCCCCCC": two time-stamp fields, the delivery flag word in
// four hex digits and the 16-character Contact ID message. The grid rows of the history page,
// its spreadsheet export and the lines of "История.txt" all come from this one decoding.
struct THistoryEvent {
    enum class TKind {
        Error, // the Contact ID is missing, too short or holds characters it may not
        Empty, // an unwritten slot: the Contact ID is all "F"
        Event,
    };
    TKind Kind = TKind::Error;

    // Event only, in the order they are decoded.
    QString Time;      // second time-stamp field, a blank, first field
    QString ContactId; // the 16 characters as they stand
    QString Account;
    QString EventCode;
    QString Qualifier; // "Тревога", "Восстановление" or empty
    QString EventText; // from the message table; empty unless code and qualifier are both there
    QString Group;     // the partition in decimal; empty when it is no hex number
    QString Zone;
    // A Contact ID whose characters pass the check but are no hex digits (":", "+") has no
    // check digit: decoding stops after the zone, and the row shows "Ошибка".
    bool Broken = false;
    QString CheckSum;       // "Да" / "Нет"
    bool FlagsRead = false; // the flag word is four hex digits
    QString Delivered;      // "Да" / "Нет"
    QString Ways;           // "LAN; GPRS online SIM2; GPRS online SIM1; 1:name; 2:name; " as flagged
};

THistoryEvent DecodeHistoryRecord(const QString& record, const TWayChannelNames& wayNames);

// The message-table key of an event: its code, then "3" for a restore and "1" for anything else.
QString HistoryEventKey(const QString& eventCode, const QString& qualifier);

// The history grid's columns.
enum THistoryColumn {
    hcIndex,
    hcTime,
    hcAccount,
    hcCode,
    hcQualifier,
    hcEvent,
    hcGroup,
    hcZone,
    hcContactId,
    hcCheckSum,
    hcDelivered,
    hcWays,
    HistoryColumnCount
};

// Fills one row of a history grid: the index, then what the event shows; "Ошибка" in the
// object column for a record that does not decode.
void ShowHistoryEvent(TStringGrid& grid, int row, const QString& index, const THistoryEvent& event);

// The two lines of "История.txt" for one record, each ended by CR LF: the decoded line and the
// raw record.
void AppendHistoryFileLines(QString& text, int index, const QString& record,
                            const TWayChannelNames& wayNames);
