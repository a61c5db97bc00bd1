#include "firmware/UploadPackets.h"

#include "base/Convert.h"

QString TUploadPackets::Build(int firstRow, const QStringList& rows) {
    const QString data = rows.join(QString());
    quint8 check = 0;
    for (qsizetype at = 0; at < data.size(); at += 2)
        check ^= quint8(StrToInt(u'$' + data.mid(at, 2)));
    // The counter runs 1..8 over and over: packets 2k-1 and 2k go into sum k.
    sums_[(built_ % 8) / 2] ^= check;
    ++built_;
    return u'W' + IntToHex(firstRow, 4) + u':' + data + u':' + IntToHex(check, 2);
}

QString TUploadPackets::EraseCommand() const {
    QString command = QStringLiteral("EE");
    for (quint8 sum : sums_)
        command += IntToHex(sum, 2);
    return command;
}

bool EchoAccepted(const QString& packet, const QString& answer) {
    return answer.trimmed().left(4) == packet.mid(1, 4);
}

QString RowsNotWrittenText() {
    return QStringLiteral("ОШИБКА! Прошивка не обновлена! Не удалось записать строку из файла прошивки.");
}

QString FlashNotErasedText() {
    return QStringLiteral("ОШИБКА! Прошивка не обновлена! Не удалось стереть содержимое флэш.");
}

int UploadTotalParts(int sourceLines) {
    return (sourceLines - 1) / 4 + 102;
}
