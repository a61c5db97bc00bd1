#pragma once

#include <QTableView>
#include <functional>

class TStringGridModel;

// A grid of text cells addressed by column and row, as the designer's string grid is: row 0 is
// the fixed title row, shown as the column header so that it stays in view while the other rows
// scroll. Reading a cell outside the grid gives an empty text; writing one is ignored.
//
// The cells live in a plain model of strings, so filling a grid of thousands of rows that is
// never shown (the history export) costs no more than the strings themselves.
class TStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    int ColCount() const;
    // The grid's cells are emptied.
    void SetColCount(int count);
    int RowCount() const;
    // The rows that remain keep their cells; new rows are empty.
    void SetRowCount(int count);

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    // Every cell of every row, the title row included, emptied.
    void ClearCells();

    int ColWidth(int column) const;
    void SetColWidth(int column, int width);

    // Called after a cell of rows 1 and on has been drawn, with the painter clipped to the
    // cell; it may draw over it. Drawing only reads the grid.
    std::function<void(QPainter& painter, int column, int row, const QRect& rect)> OnDrawCell;

private:
    TStringGridModel* const model_;
};
