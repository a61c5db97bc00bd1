#pragma once

#include "app/HistoryDecoding.h"

#include <QString>

// The text file of the whole history ("История.txt"): two lines per record, the decoded line
// and the raw record, in Windows-1251 with CR LF. The file is emptied when the object is made
// and gets the lines only at Write, in one piece: a download of thousands of records costs one
// write, and a download that ends early still leaves every record it got.
class THistoryTextFile {
public:
    // Throws EBaseError with the system's reason when the file cannot be written.
    THistoryTextFile(const QString& fileName, const TWayChannelNames& wayNames);

    void Add(int index, const QString& record);
    // Throws EBaseError with the system's reason when the file cannot be written.
    void Write() const;

private:
    QString fileName_;
    TWayChannelNames wayNames_;
    QString text_;
};
