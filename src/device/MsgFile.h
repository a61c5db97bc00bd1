#pragma once

#include "base/Color.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// The table of event texts and colours for Contact ID events, read from "Messages.txt": one row
// per line, cells separated by "|": key (event code + qualifier digit, e.g. "1301"), event text,
// background colour, text colour. Numbers are decimal, or hexadecimal after "$".
class TMsgFile {
public:
    // Replaces the table with the rows of a Windows-1251 file. A missing or unreadable file
    // leaves the table empty; nothing is reported.
    void LoadFromFile(const QString& fileName);

    int RowCount() const { return int(rows_.size()); }
    // The text of a cell; empty when the cell does not exist.
    QString Cell(int row, int col) const;

    // Cell 1 of the first row with this key and a non-empty cell 1; " " when there is none.
    QString TextOf(const QString& key) const;
    // Cell 2 likewise, as a number; white when there is none or it is no number.
    TColor ColourOf(const QString& key) const;
    // Cell 3 likewise; 0 when there is none or it is no number.
    int NumberOf(const QString& key) const;

private:
    // The first row whose cell 0 equals key exactly and whose cell `col` is not empty.
    const QStringList* FindRow(const QString& key, int col) const;

    QList<QStringList> rows_;
};

// The program's one message table. The forms controller creates and loads it before it creates
// the pages, and frees it when it is destroyed.
extern std::unique_ptr<TMsgFile> MsgFile;
