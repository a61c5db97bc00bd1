#pragma once

#include "app/history/HistoryDecoding.h"

#include <QFile>
#include <QString>

// The text file of the whole history ("История.txt"): two lines per record, the decoded line
// and the raw record, in Windows-1251 with CR LF. Each record's lines are handed to the system
// as the record comes: a download of hours that ends in a crash, a killed program or a pulled
// cable keeps every record it got, and a full disk shows at the first record that does not fit.
class THistoryTextFile {
public:
    THistoryTextFile(const QString& fileName, const TWayChannelNames& wayNames);

    // Creates the file, or empties an existing one; false when it cannot be written.
    bool Open();
    // Appends the record's two lines and flushes them; false when they could not be written.
    bool Add(int index, const QString& record);
    // Why the last Open or Add failed, naming the file: "Не удалось сохранить файл "…". reason".
    QString Failure() const;

private:
    QFile file_;
    TWayChannelNames wayNames_;
};
