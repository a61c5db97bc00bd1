#pragma once

#include "base/LogWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

// A log sink for tests: keeps every line with the colours the log pane would give it
// (detail lines one level down), so a test can check what was logged and how it looks.
class RecordingLog : public TLogWriter {
public:
    struct Line {
        QString text;
        TColor color;
        TColor background;
        int level; // 0 for a line, 1 for its detail lines
    };

    void WriteInfo(const QString& Text) override;
    void WriteError(const QString& Text) override;
    void WriteMessage(const QString& Text) override;
    void WriteDetail(const QString& Text, const QString& Detail, TColor Color) override;
    void WriteLines(const QString& Text, const QStringList& Lines, TColor Color) override;

    // The texts of the lines, detail lines after one tab, as the saved log shows them.
    QStringList Texts() const;
    void Clear() { lines.clear(); }

    QList<Line> lines;
};
