#include "firmware/HexRows.h"

#include "base/Convert.h"
#include "base/Cp1251.h"

#include <optional>

namespace {

enum TRecordType {
    rtData = 0,
    rtEndOfFile = 1,
    rtSegmentAddress = 2,
    rtStartSegment = 3,
    rtLinearAddress = 4,
    rtStartLinear = 5
};

constexpr int kRowsPerSegment = 0x1000; // 64 KB of 16-byte rows
constexpr int kLastRow = 0xFFFF;        // the labels have four hex digits

struct TRecord {
    int Address = 0;
    int Type = 0;
    QStringList Bytes; // the data bytes' texts, two upper-case hex digits each
    QList<int> Values;
};

int HexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    return -1;
}

// One record, or the reason it is none.
std::optional<TRecord> ParseRecord(QString line, QString& reason) {
    // Editors leave blanks and tabs after a record; they are no part of it.
    while (line.endsWith(u' ') || line.endsWith(u'\t'))
        line.chop(1);
    bool hexOnly = line.size() >= 11 && line.startsWith(u':') && line.size() % 2 == 1;
    QList<int> bytes;
    for (qsizetype at = 1; hexOnly && at < line.size(); at += 2) {
        const int high = HexDigit(line.at(at));
        const int low = HexDigit(line.at(at + 1));
        hexOnly = high >= 0 && low >= 0;
        bytes.append(high * 16 + low);
    }
    if (!hexOnly || bytes.at(0) + 5 != bytes.size()) {
        reason = QStringLiteral("неверный формат записи");
        return std::nullopt;
    }
    int sum = 0;
    for (int value : bytes)
        sum += value;
    if (sum % 256 != 0) {
        reason = QStringLiteral("неверная контрольная сумма записи");
        return std::nullopt;
    }
    TRecord record;
    record.Address = bytes.at(1) * 256 + bytes.at(2);
    record.Type = bytes.at(3);
    for (int i = 0; i < bytes.at(0); ++i) {
        // A boot loader reads only upper-case digits for certain.
        record.Bytes.append(IntToHex(bytes.at(4 + i), 2));
        record.Values.append(bytes.at(4 + i));
    }
    if (record.Type > rtStartLinear) {
        reason = QStringLiteral("неизвестный тип записи");
        return std::nullopt;
    }
    return record;
}

} // namespace

THexRows ReadHexRows(const QStringList& lines) {
    THexRows result;
    result.Rows.append({QStringLiteral("0000")});
    int currentRow = 0;
    int segmentBase = 0; // in rows
    int nextByte = 0;    // row * 16 + offset of the byte after the last one read
    const auto stop = [&result](int line, const QString& reason) {
        result.StopLine = line;
        result.StopReason = reason;
        return result;
    };
    for (int index = 0; index < lines.size(); ++index) {
        QString reason;
        const std::optional<TRecord> record = ParseRecord(lines.at(index), reason);
        if (!record) return stop(index + 1, reason);
        switch (record->Type) {
        case rtEndOfFile:
            result.Complete = true;
            return result;
        case rtSegmentAddress: // a paragraph number: 16 bytes, one row, each
        case rtLinearAddress:  // the upper 16 bits of the address: 64 KB each
            if (record->Values.size() != 2) return stop(index + 1, QStringLiteral("неверный формат записи"));
            segmentBase = (record->Values.at(0) * 256 + record->Values.at(1)) *
                          (record->Type == rtLinearAddress ? kRowsPerSegment : 1);
            continue;
        case rtStartSegment:
        case rtStartLinear:
            continue; // where the program starts means nothing to the panel's boot loader
        default:
            break;
        }
        if (record->Bytes.isEmpty()) continue; // no byte, so its address places nothing
        int firstRow = segmentBase + record->Address / 16;
        // Past the segment's last row a file may carry on from address 0 without saying so.
        if (currentRow % kRowsPerSegment == kRowsPerSegment - 1 && firstRow < currentRow &&
            firstRow + kRowsPerSegment == currentRow + 1) {
            segmentBase += kRowsPerSegment;
            firstRow += kRowsPerSegment;
        }
        if (firstRow != currentRow && firstRow != currentRow + 1)
            return stop(index + 1, QStringLiteral("разрыв адресов"));
        // A byte given twice, or records going back, leave it open which bytes the file means.
        if (firstRow * 16 + record->Address % 16 < nextByte)
            return stop(index + 1, QStringLiteral("перекрытие адресов"));
        for (int i = 0; i < record->Bytes.size(); ++i) {
            const int offset = record->Address % 16 + i;
            const int row = firstRow + offset / 16;
            if (row > kLastRow) return stop(index + 1, QStringLiteral("адрес вне диапазона"));
            if (row != currentRow) {
                currentRow = row;
                result.Rows.append({IntToHex(row, 4)});
            }
            result.Rows.last().Cells[offset % 16] = record->Bytes.at(i);
        }
        nextByte = firstRow * 16 + record->Address % 16 + int(record->Bytes.size());
    }
    // Named by the last line read: the one that should have been followed by the end record.
    return stop(int(lines.size()), QStringLiteral("нет записи конца файла"));
}

QStringList HexFileLines(const QByteArray& bytes) {
    static const QByteArray kUtf8Bom("\xEF\xBB\xBF");
    QString text = fromCp1251(bytes.startsWith(kUtf8Bom) ? bytes.mid(kUtf8Bom.size()) : bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n')) text.chop(1); // the last line's break
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

bool THexRows::HoldsData() const {
    for (const THexRow& row : Rows)
        for (const QString& cell : row.Cells)
            if (!cell.isEmpty()) return true;
    return false;
}
