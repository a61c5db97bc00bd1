#pragma once

#include <QString>
#include <QStringList>

// The firmware image the program carries, read for the automatic update through the same HEX
// reader as the viewer. The upload's packets address whole 16-byte rows from row 0 on, so the
// image is usable only when it reads up to its end record, holds data, and its bytes stand
// without a gap from address 0: every row full but the last, which is filled from its start.
struct TFirmwareImage {
    // The data digits of each row, two per byte, from row 0 on; empty when the image is unusable.
    QStringList Rows;
    // Why a text that holds records is unusable; empty for a usable image and for no text at all.
    QString Fault;
};

// lines: the firmware text, line 0 the version title, then the Intel HEX records.
TFirmwareImage ReadFirmwareImage(const QStringList& lines);
