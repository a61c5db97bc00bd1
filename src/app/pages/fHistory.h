#pragma once

#include "app/history/HistoryDecoding.h"
#include "app/pages/fIn.h"

#include <QStringList>
#include <QtGlobal>

class QGroupBox;
class QPainter;
class QPushButton;
class TStringGrid;

// The page "История": the panel's event history, 32 events at a time, in a grid coloured from
// the message table. The device controller's history operations fill the grid and the page's
// record cache; the page pages back and forward through the controller, erases the history in
// the panel after three confirmations, and exports the page on screen or every event downloaded
// during the connection as a spreadsheet file. Two buttons hidden unless "HistoryInFile" is "1"
// in the settings file start and stop the download of the whole history into "История.txt".
// The page has no value controls: its settings are its own keys (the column widths).
class TFormHistory : public TformIncl {
    Q_OBJECT
public:
    explicit TFormHistory(QWidget* owner = nullptr);

    static constexpr int EventRows = 32;

    void LoadFromIni(const TMemIniFile& ini) override;
    void SaveToIni(TMemIniFile& ini) override;
    void SetDefaults() override;

    // Every row of StringGrid1 emptied, then the column titles written into row 0.
    void ResetGrid();
    // The record cache of the connection emptied.
    void ClearCache();
    // "Start" and "Finish" are shown.
    bool HistoryInFile() const;

    // The short names of the ways page's channels for the ways column; without them the ways
    // are shown by number alone.
    TWayChannelNames WayNames;

    // The record cache of the connection, newest first, kept in step: the indexes in decimal
    // and the raw 39-character records.
    QStringList HistoryIndexes;
    QStringList HistoryRecords;
    // The index of the oldest of the 32 records shown.
    quint16 ShownStart = 0;

    // StringGrid2 filled with the cached records (newest first) under the titles, as many as a
    // spreadsheet file's rows hold; nothing is asked of the panel. Returns how many of the
    // oldest records did not fit.
    qsizetype FillConnectionGrid();

    void StringGrid1DrawCell(QPainter& painter, int column, int row, const QRect& rect);
    void btnClearClick();
    void Button1Click();
    void Button3Click();

    QGroupBox* GroupBox1;
    QWidget* Panel1;
    QPushButton* btnBackward;
    QPushButton* Button1; // export of the page on screen
    QPushButton* btnClear;
    QPushButton* Button2; // forward
    QPushButton* Button3; // export of the connection's records
    QPushButton* btnStart;
    QPushButton* btnFinish;
    TStringGrid* StringGrid1;
    TStringGrid* StringGrid2; // never shown: the connection export's grid

private:
    void SetTitles(TStringGrid& grid);
    void SetDefaultWidths();
    // The save dialog of both exports; empty when cancelled.
    static QString AskXlsFileName();
};
