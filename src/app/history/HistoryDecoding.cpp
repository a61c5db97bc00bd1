#include "app/history/HistoryDecoding.h"

#include "app/controls/StringGrid.h"
#include "app/routines/HexWordToBits.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "device/ContactID.h"
#include "device/Device.h"
#include "device/MsgFile.h"

namespace {

constexpr qsizetype kContactIdLength = 16;
const QString kError = QStringLiteral("Ошибка");
const QString kYes = QStringLiteral("Да");
const QString kNo = QStringLiteral("Нет");

bool AllF(const QString& text) {
    for (const QChar c : text)
        if (c != u'F') return false;
    return true;
}

// The delivery flags, most significant bit first; a flag is on when its bit is 0.
bool FlagOn(const QString& bits, int bit) {
    return bits.at(15 - bit) == u'0';
}

QString WaysText(const QString& bits, const TWayChannelNames& wayNames) {
    QString ways;
    for (int way = 1; way <= 8; ++way)
        if (FlagOn(bits, way - 1))
            ways +=
                QString::number(way) + u':' + (wayNames ? wayNames(way) : QString()) + QStringLiteral("; ");
    if (FlagOn(bits, 8)) ways.prepend(QStringLiteral("GPRS online SIM1; "));
    if (FlagOn(bits, 9)) ways.prepend(QStringLiteral("GPRS online SIM2; "));
    if (FlagOn(bits, 10)) ways.prepend(QStringLiteral("LAN; "));
    return ways;
}

} // namespace

QString HistoryEventKey(const QString& eventCode, const QString& qualifier) {
    return eventCode + (qualifier == QStringLiteral("Восстановление") ? u'3' : u'1');
}

THistoryEvent DecodeHistoryRecord(const QString& record, const TWayChannelNames& wayNames) {
    THistoryEvent event;
    QStringList fields;
    SplitString(record, QStringLiteral(" "), fields);
    // A record with blanks out of place may have no fourth field, or a short one: no message
    // to read fields or a check digit from.
    const QString cid = fields.size() > 3 ? fields.at(3) : QString();
    if (cid.size() < kContactIdLength || !TContactID::IsValidText(cid)) return event;
    if (AllF(cid)) {
        event.Kind = THistoryEvent::TKind::Empty;
        return event;
    }
    event.Kind = THistoryEvent::TKind::Event;
    TContactID message;
    message.SetText(cid);
    event.Time = record.mid(9, 8) + u' ' + record.mid(0, 8);
    event.ContactId = cid;
    event.Account = message.Account();
    event.EventCode = message.EventCode();
    const QChar qualifier = cid.at(6);
    if (qualifier == u'1')
        event.Qualifier = QStringLiteral("Тревога");
    else if (qualifier == u'3')
        event.Qualifier = QStringLiteral("Восстановление");
    if (!event.EventCode.isEmpty() && !event.Qualifier.isEmpty()) {
        const QString key = HistoryEventKey(event.EventCode, event.Qualifier);
        event.EventText = MsgFile ? MsgFile->TextOf(key) : QStringLiteral(" ");
    }
    if (const std::optional<int> group = TryStrToInt(u'$' + message.Group()))
        event.Group = QString::number(*group);
    event.Zone = message.Zone();
    try {
        event.CheckSum = message.CheckSumOK() ? kYes : kNo;
    } catch (const EConvertError&) {
        event.Broken = true;
        return event;
    }
    QString bits = record.mid(18, 4);
    if (HexWordToBits(bits)) {
        event.FlagsRead = true;
        event.Delivered = FlagOn(bits, 15) ? kYes : kNo;
        event.Ways = WaysText(bits, wayNames);
    }
    return event;
}

void ShowHistoryEvent(TStringGrid& grid, int row, const QString& index, const THistoryEvent& event) {
    grid.SetCell(hcIndex, row, index);
    switch (event.Kind) {
    case THistoryEvent::TKind::Error:
        grid.SetCell(hcAccount, row, kError);
        return;
    case THistoryEvent::TKind::Empty:
        return;
    case THistoryEvent::TKind::Event:
        break;
    }
    grid.SetCell(hcTime, row, event.Time);
    grid.SetCell(hcContactId, row, event.ContactId);
    grid.SetCell(hcAccount, row, event.Broken ? kError : event.Account);
    grid.SetCell(hcCode, row, event.EventCode);
    grid.SetCell(hcQualifier, row, event.Qualifier);
    grid.SetCell(hcEvent, row, event.EventText);
    grid.SetCell(hcGroup, row, event.Group);
    grid.SetCell(hcZone, row, event.Zone);
    grid.SetCell(hcCheckSum, row, event.CheckSum);
    grid.SetCell(hcDelivered, row, event.Delivered);
    grid.SetCell(hcWays, row, event.Ways);
}

void AppendHistoryFileLines(QString& text, int index, const QString& record,
                            const TWayChannelNames& wayNames) {
    const THistoryEvent event = DecodeHistoryRecord(record, wayNames);
    text += QString::number(index) + u' ';
    if (event.Kind == THistoryEvent::TKind::Error) text += u' ' + kError;
    if (event.Kind == THistoryEvent::TKind::Event) {
        for (const QString* field : {&event.Time, &event.ContactId, &event.Account, &event.EventCode})
            text += u' ' + *field;
        // The qualifier and the group leave no blank behind when they are empty.
        if (!event.Qualifier.isEmpty()) text += u' ' + event.Qualifier;
        if (!event.Group.isEmpty()) text += u' ' + event.Group;
        text += u' ' + event.Zone;
        if (!event.Broken) {
            text += u' ' + event.CheckSum;
            if (event.FlagsRead) text += u' ' + event.Delivered + u' ' + event.Ways;
        }
    }
    text += QStringLiteral("\r\n") + record + QStringLiteral("\r\n");
}
