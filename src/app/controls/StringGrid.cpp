#include "app/controls/StringGrid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

// Row 0 of the grid is the header; the model's rows are the grid's rows 1 and on.
class TStringGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_ - 1; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return Cell(index.column(), index.row() + 1);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        return Cell(section, 0);
    }

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }

    QString Cell(int column, int row) const {
        if (!Inside(column, row)) return {};
        return cells_.at(qsizetype(row) * cols_ + column);
    }

    void SetCell(int column, int row, const QString& text) {
        if (!Inside(column, row)) return;
        QString& cell = cells_[qsizetype(row) * cols_ + column];
        if (cell == text) return;
        cell = text;
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, column, column);
        } else {
            const QModelIndex changed = index(row - 1, column);
            emit dataChanged(changed, changed, {Qt::DisplayRole});
        }
    }

    // A new column count empties every cell. A new row count keeps the rows that remain; it
    // does not reset the model, so the columns keep the widths the user gave them.
    void Resize(int cols, int rows) {
        cols = qMax(cols, 0);
        rows = qMax(rows, 1); // the title row always exists
        if (cols != cols_) {
            beginResetModel();
            cols_ = cols;
            rows_ = rows;
            cells_ = QList<QString>(qsizetype(cols_) * rows_);
            endResetModel();
        } else if (rows > rows_) {
            beginInsertRows({}, rows_ - 1, rows - 2);
            rows_ = rows;
            cells_.resize(qsizetype(cols_) * rows_);
            endInsertRows();
        } else if (rows < rows_) {
            beginRemoveRows({}, rows - 1, rows_ - 2);
            rows_ = rows;
            cells_.resize(qsizetype(cols_) * rows_);
            endRemoveRows();
        }
    }

    void Clear() {
        cells_.fill(QString());
        if (cols_ == 0) return;
        emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
        if (rows_ > 1) emit dataChanged(index(0, 0), index(rows_ - 2, cols_ - 1), {Qt::DisplayRole});
    }

private:
    bool Inside(int column, int row) const {
        return column >= 0 && column < cols_ && row >= 0 && row < rows_;
    }

    int cols_ = 0;
    int rows_ = 1;
    QList<QString> cells_;
};

namespace {

// The cell's own drawing (selection included), then the grid's OnDrawCell over it.
class TDrawCellDelegate : public QStyledItemDelegate {
public:
    explicit TDrawCellDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!grid_->OnDrawCell) return;
        painter->save();
        painter->setClipRect(option.rect);
        grid_->OnDrawCell(*painter, index.column(), index.row() + 1, option.rect);
        painter->restore();
    }

private:
    TStringGrid* const grid_;
};

} // namespace

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent), model_(new TStringGridModel(this)) {
    setModel(model_);
    setItemDelegate(new TDrawCellDelegate(this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(1); // designed widths are kept, however narrow
    horizontalHeader()->setHighlightSections(false);
    // Titles start at the cell's left edge like every other cell: a title wider than its column
    // loses its end, not both ends.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int TStringGrid::ColCount() const {
    return model_->Cols();
}

void TStringGrid::SetColCount(int count) {
    model_->Resize(count, model_->Rows());
}

int TStringGrid::RowCount() const {
    return model_->Rows();
}

void TStringGrid::SetRowCount(int count) {
    model_->Resize(model_->Cols(), count);
}

QString TStringGrid::Cell(int column, int row) const {
    return model_->Cell(column, row);
}

void TStringGrid::SetCell(int column, int row, const QString& text) {
    model_->SetCell(column, row, text);
}

void TStringGrid::ClearCells() {
    model_->Clear();
}

int TStringGrid::ColWidth(int column) const {
    return horizontalHeader()->sectionSize(column);
}

void TStringGrid::SetColWidth(int column, int width) {
    horizontalHeader()->resizeSection(column, width);
}
