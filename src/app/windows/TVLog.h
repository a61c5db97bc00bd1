#pragma once

#include "base/LogWriter.h"

#include <QTimer>

class QCheckBox;
class QTreeWidget;
class QTreeWidgetItem;

// A log line's text as the pane draws it: each line break (CR LF, CR or LF) becomes one "↵".
QString OneRowText(QString text);

// The log pane: every log line is one node of the main window's log tree with its own text and
// background colour, drawn on one row; detail lines are children of their line. The pane's buttons and its
// "Прокрутка?" box are wired to Clear, Save and SetScrollBox.
class TTVLog : public TLogWriter {
public:
    // Tree is not owned: the main window owns it and outlives the log writer.
    explicit TTVLog(QTreeWidget* Tree);

    void WriteInfo(const QString& Text) override;
    void WriteError(const QString& Text) override;
    void WriteMessage(const QString& Text) override;
    void WriteDetail(const QString& Text, const QString& Detail, TColor Color) override;
    void WriteLines(const QString& Text, const QStringList& Lines, TColor Color) override;

    // While Box is ticked, each node added is selected and scrolled into view (a detail line
    // shows under its line); while it is clear the view stays where the user left it. Without a
    // box nothing scrolls. Selecting and scrolling wait for the next handling of window
    // messages, where only the last node added needs them: done per node, each would lay out
    // the whole log again in the middle of an exchange with the panel. A box cleared before
    // then leaves the view as it is.
    void SetScrollBox(const QCheckBox* Box);

    // Removes every line, without asking.
    void Clear();

    // Asks for a file name and saves the log as text there: one line per node in tree order,
    // each preceded by one tab per nesting level, Windows-1251, CR LF. A failed write leaves any
    // old file whole and shows an error.
    void Save();

    // The log as it is saved.
    QByteArray ToText() const;

    QTreeWidget* const Tree;

private:
    QTreeWidgetItem* Add(QTreeWidgetItem* parent, const QString& text, TColor textColor, TColor background);
    void ShowLastAdded();

    const QCheckBox* scrollBox_ = nullptr;
    QTreeWidgetItem* lastAdded_ = nullptr; // added with the box ticked and not yet shown
    QTimer showTimer_;                     // runs out at the next handling of window messages
};
