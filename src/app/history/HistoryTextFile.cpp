#include "app/history/HistoryTextFile.h"

#include "base/Cp1251.h"

#include <QFileInfo>

THistoryTextFile::THistoryTextFile(const QString& fileName, const TWayChannelNames& wayNames)
    : file_(fileName), wayNames_(wayNames) {}

bool THistoryTextFile::Open() {
    return file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool THistoryTextFile::Add(int index, const QString& record) {
    QString lines;
    AppendHistoryFileLines(lines, index, record, wayNames_);
    const QByteArray bytes = toCp1251(lines);
    return file_.write(bytes) == bytes.size() && file_.flush();
}

QString THistoryTextFile::Failure() const {
    return QStringLiteral("Не удалось сохранить файл \"%1\". %2")
        .arg(QFileInfo(file_.fileName()).absoluteFilePath(), file_.errorString());
}
