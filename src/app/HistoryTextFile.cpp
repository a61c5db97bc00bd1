#include "app/HistoryTextFile.h"

#include "base/Cp1251.h"
#include "base/Exceptions.h"
#include "platform/SafeFile.h"

namespace {

void WriteText(const QString& fileName, const QString& text) {
    QString reason;
    if (!WriteFileSafely(fileName, toCp1251(text), &reason))
        throw EBaseError(QStringLiteral("Не удалось сохранить файл \"%1\". %2").arg(fileName, reason));
}

} // namespace

THistoryTextFile::THistoryTextFile(const QString& fileName, const TWayChannelNames& wayNames)
    : fileName_(fileName), wayNames_(wayNames) {
    WriteText(fileName_, QString());
}

void THistoryTextFile::Add(int index, const QString& record) {
    AppendHistoryFileLines(text_, index, record, wayNames_);
}

void THistoryTextFile::Write() const {
    WriteText(fileName_, text_);
}
