#include "support/RecordingLog.h"

void RecordingLog::WriteInfo(const QString& Text) {
    lines.append({Text, clBlack, clInfoBk, 0});
}

void RecordingLog::WriteError(const QString& Text) {
    lines.append({Text, clYellow, clRed, 0});
}

void RecordingLog::WriteMessage(const QString& Text) {
    lines.append({Text, clBlack, clWhite, 0});
}

void RecordingLog::WriteDetail(const QString& Text, const QString& Detail, TColor Color) {
    lines.append({Text, Color, clWhite, 0});
    lines.append({Detail, Color, clInfoBk, 1});
}

void RecordingLog::WriteLines(const QString& Text, const QStringList& Lines, TColor Color) {
    lines.append({Text, Color, clWhite, 0});
    for (const QString& line : Lines)
        lines.append({line, Color, clInfoBk, 1});
}

QStringList RecordingLog::Texts() const {
    QStringList texts;
    for (const Line& line : lines)
        texts.append(line.level ? u'\t' + line.text : line.text);
    return texts;
}
