#pragma once

#include "base/Color.h"

#include <QString>
#include <QStringList>

// The log sink that every producer of log lines writes through (frames, answers, transfer
// progress, errors); the log pane implements it. Called only on the user-interface thread.
class TLogWriter {
public:
    virtual ~TLogWriter() = default;

    virtual void WriteInfo(const QString& Text) = 0;
    virtual void WriteError(const QString& Text) = 0;
    virtual void WriteMessage(const QString& Text) = 0;
    // A line with one detail line, both in Color.
    virtual void WriteDetail(const QString& Text, const QString& Detail, TColor Color) = 0;
    // A line with its detail lines (possibly none), all in Color.
    virtual void WriteLines(const QString& Text, const QStringList& Lines, TColor Color) = 0;
};
