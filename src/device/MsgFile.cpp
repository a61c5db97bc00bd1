#include "device/MsgFile.h"

#include "base/Convert.h"
#include "base/Cp1251.h"

#include <QFile>

std::unique_ptr<TMsgFile> MsgFile;

void TMsgFile::LoadFromFile(const QString& fileName) {
    rows_.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return;
    for (QString line : fromCp1251(bytes).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        // A line without any "|" (an empty one too) is no row; cells are kept untrimmed.
        if (line.contains(u'|')) rows_.append(line.split(u'|'));
    }
}

QString TMsgFile::Cell(int row, int col) const {
    if (row < 0 || row >= rows_.size() || col < 0 || col >= rows_.at(row).size()) return QString();
    return rows_.at(row).at(col);
}

const QStringList* TMsgFile::FindRow(const QString& key, int col) const {
    for (const QStringList& row : rows_)
        if (col < row.size() && row.at(0) == key && !row.at(col).isEmpty()) return &row;
    return nullptr;
}

QString TMsgFile::TextOf(const QString& key) const {
    const QStringList* row = FindRow(key, 1);
    return row ? row->at(1) : QStringLiteral(" ");
}

TColor TMsgFile::ColourOf(const QString& key) const {
    const QStringList* row = FindRow(key, 2);
    return row ? TryStrToInt(row->at(2)).value_or(clWhite) : clWhite;
}

int TMsgFile::NumberOf(const QString& key) const {
    const QStringList* row = FindRow(key, 3);
    return row ? TryStrToInt(row->at(3)).value_or(0) : 0;
}
