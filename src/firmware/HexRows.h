#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An Intel HEX file as the HEX viewer shows it and the service upload sends it: rows of 16
// bytes, each labelled with its row number (the byte address divided by 16) in four hex digits,
// its bytes as two upper-case hex digits at their offset within the row, an empty text where
// the file gives no byte.
struct THexRow {
    QString Label;
    QStringList Cells = QStringList(16);
};

struct THexRows {
    // The first row is always there, labelled "0000", even when no record fills it.
    QList<THexRow> Rows;
    // The end-of-file record was reached; otherwise reading stopped at StopLine (1-based; for a
    // missing end record the last line, 0 when there is none), for the reason given, and the
    // rows hold only what came before.
    bool Complete = false;
    int StopLine = 0;
    QString StopReason;

    // Some row holds a byte of the file.
    bool HoldsData() const;
};

// The lines of a HEX file's bytes (Windows-1251 text): a UTF-8 byte-order mark before the first
// line is dropped; a line ends at CR LF, LF or CR; the break after the last line ends it and
// makes no empty line of its own.
QStringList HexFileLines(const QByteArray& bytes);

// Reads the file's lines (blanks and tabs after a record are ignored). Every record's checksum is
// checked. Data records fill consecutive rows: a record may continue the current row or begin
// the next one; any other address is a jump, and a record that starts before the previous one
// ended overlaps it; either ends the reading. A data record without bytes places nothing.
// Extended address records set the 64 KB segment (rows from "1000" on for the second); a file
// that simply carries on past row "0FFF" from address 0 continues in the next segment as well.
THexRows ReadHexRows(const QStringList& lines);
