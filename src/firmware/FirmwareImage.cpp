#include "firmware/FirmwareImage.h"

#include "firmware/HexRows.h"

TFirmwareImage ReadFirmwareImage(const QStringList& lines) {
    TFirmwareImage image;
    if (lines.isEmpty()) return image;
    const THexRows hex = ReadHexRows(lines.mid(1));
    if (!hex.Complete) {
        // Counted in the firmware text, whose line 1 is the title.
        image.Fault = QStringLiteral("строка %1, %2").arg(hex.StopLine + 1).arg(hex.StopReason);
        return image;
    }
    if (!hex.HoldsData()) {
        image.Fault = QStringLiteral("нет данных");
        return image;
    }
    QStringList rows;
    for (int r = 0; r < hex.Rows.size(); ++r) {
        const QStringList& cells = hex.Rows.at(r).Cells;
        const qsizetype filled = cells.size() - cells.count(QString());
        const qsizetype firstEmpty = cells.indexOf(QString());
        // Every row is full but the last, and the last has no empty cell before a filled one.
        const bool whole = filled == 16 || (r == hex.Rows.size() - 1 && filled > 0 && firstEmpty == filled);
        if (!whole) {
            image.Fault =
                QStringLiteral("данные не идут подряд с адреса 0 (строка %1)").arg(hex.Rows.at(r).Label);
            return image;
        }
        rows.append(cells.join(QString()));
    }
    image.Rows = rows;
    return image;
}
