#include "app/history/XlsExport.h"

#include "app/controls/StringGrid.h"
#include "base/Cp1251.h"
#include "base/Exceptions.h"
#include "platform/SafeFile.h"

namespace {

constexpr quint16 kBof = 0x0809;
constexpr quint16 kWorksheet = 0x0010;
constexpr quint16 kLabel = 0x0204;
constexpr quint16 kEof = 0x000A;
constexpr int kLabelHeader = 12;

void Put16(QByteArray& stream, quint16 value) {
    stream.append(char(value & 0xFF));
    stream.append(char(value >> 8));
}

} // namespace

void WriteXlsLabel(QByteArray& stream, int column, int row, const QString& text) {
    const QByteArray bytes = toCp1251(text);
    Put16(stream, kLabel);
    Put16(stream, quint16(bytes.size() + 8)); // what follows the record's length
    Put16(stream, quint16(row));
    Put16(stream, quint16(column));
    Put16(stream, 0); // cell format
    Put16(stream, quint16(bytes.size()));
    stream.append(bytes);
}

QByteArray GridToXls(const TStringGrid& grid) {
    QByteArray stream;
    stream.reserve(16 + qsizetype(grid.ColCount()) * grid.RowCount() * (kLabelHeader + 16));
    Put16(stream, kBof);
    Put16(stream, 8);
    Put16(stream, 0);
    Put16(stream, kWorksheet);
    Put16(stream, 0);
    Put16(stream, 0);
    for (int column = 0; column < grid.ColCount(); ++column)
        for (int row = 0; row < grid.RowCount(); ++row)
            WriteXlsLabel(stream, column, row, grid.Cell(column, row));
    Put16(stream, kEof);
    Put16(stream, 0);
    return stream;
}

void ExportGridToXls(const TStringGrid& grid, const QString& fileName) {
    QString reason;
    if (!WriteFileSafely(fileName, GridToXls(grid), &reason))
        throw EBaseError(QStringLiteral("Не удалось сохранить файл \"%1\". %2").arg(fileName, reason));
}
