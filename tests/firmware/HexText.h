#pragma once

#include <QByteArray>
#include <QString>

// A 16-byte row of the test image, different in every row.
inline QByteArray ImageRow(int row) {
    QByteArray bytes;
    for (int i = 0; i < 16; ++i)
        bytes.append(char((row * 16 + i) * 7 & 0xFF));
    return bytes;
}

// The first `rows` rows of the test image.
inline QByteArray ImageRows(int rows) {
    QByteArray image;
    for (int r = 0; r < rows; ++r)
        image += ImageRow(r);
    return image;
}

// An Intel HEX record with its checksum.
inline QString HexRecord(int type, int address, const QByteArray& data) {
    QByteArray record;
    record.append(char(data.size()));
    record.append(char(address >> 8));
    record.append(char(address & 0xFF));
    record.append(char(type));
    record.append(data);
    int sum = 0;
    for (char c : record)
        sum += quint8(c);
    record.append(char((256 - sum % 256) % 256));
    return u':' + QString::fromLatin1(record.toHex().toUpper());
}
