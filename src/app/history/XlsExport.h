#pragma once

#include <QByteArray>
#include <QString>

class TStringGrid;

// A grid as a spreadsheet file of the oldest BIFF form, which every spreadsheet program still
// opens: a BOF record (worksheet), one LABEL record per cell column by column (the title row and
// empty cells included) and an EOF record. Numbers are 16-bit little-endian; texts are
// Windows-1251 without a terminator.

// Row numbers are 16-bit: a file holds at most this many rows, the title row included.
constexpr int XlsMaxRows = 65536;

// Appends one LABEL record (cell format 0) to stream.
void WriteXlsLabel(QByteArray& stream, int column, int row, const QString& text);

// The whole file's bytes.
QByteArray GridToXls(const TStringGrid& grid);

// Writes the file (an existing one is replaced whole, or not at all). Throws EBaseError with
// the system's reason when the file cannot be written.
void ExportGridToXls(const TStringGrid& grid, const QString& fileName);
