#include "app/pages/fKBDs.h"
#include "app/controllers/ZV9TKFormsController.h"

#include "app/controls/DesignedMaxLength.h"
#include "app/pages/PageFrame.h"
#include "app/pages/Unit2.h"
#include "base/Color.h"
#include "base/Convert.h"
#include "device/MsgFile.h"
#include "platform/ExceptionGuard.h"
#include "platform/IniFile.h"
#include "uikit/controls/KtGroupBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

namespace {

const QString kNumbersSection = QStringLiteral("KBDNUMS");
constexpr int kRows = TFormKBDs::MaxObjects + 1; // the title row and one row per object
constexpr int kRowHeight = 18;

// Blanks the number cells after the count with the button face.
class TNumberCellDelegate : public QStyledItemDelegate {
public:
    explicit TNumberCellDelegate(TFormKBDs* page) : QStyledItemDelegate(page), page_(page) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (page_->CellBlank(index.column(), index.row()))
            painter->fillRect(option.rect, ToQColor(clBtnFace));
        else
            QStyledItemDelegate::paint(painter, option, index);
    }

private:
    TFormKBDs* const page_;
};

// A cell of the fixed row-number column: on the button face, never selected.
QTableWidgetItem* FixedCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(ToQColor(clBtnFace));
    return item;
}

} // namespace

TFormKBDs::TFormKBDs(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("FormKBDs")); // the settings section
    const TPageFrame frame = CreatePageFrame(*this, QStringLiteral("ScrollBox1"), QStringLiteral("GroupBox1"),
                                             QStringLiteral("Натройка объектов"), QSize(670, 596));
    setWindowTitle(QStringLiteral("Настройка объектов")); // the tree's text; the group keeps its own
    ScrollBox1 = frame.ScrollBox;
    GroupBox1 = frame.GroupBox;
    auto& c = Controls();

    // Shown by the controller for firmware that reports the link loss (4.12 and later).
    lbACIDcode = c.AddLabel(GroupBox1, QStringLiteral("lbACIDcode"),
                            QStringLiteral("Код тревоги при пропадании связи с панелью по 485 интерфейсу"));
    PlainFont(lbACIDcode)->move(16, 24);
    lbACIDcode->adjustSize();
    lbACIDcode->hide();
    cbACIDcode = c.AddComboBox(GroupBox1, QStringLiteral("cbACIDcode"), QStringLiteral("112"));
    PlainFont(cbACIDcode)->setGeometry(16, 42, 481, 21);
    cbACIDcode->hide();

    KtGroupBox1 = c.AddOther(PlainFont(new TKtGroupBox(GroupBox1)), QStringLiteral("KtGroupBox1"));
    KtGroupBox1->setGeometry(16, 72, 638, 516);
    QLabel* hint = c.AddLabel(
        KtGroupBox1, QStringLiteral("Label1"),
        QStringLiteral("Для изменения значения или удаления номера объекта необходимо выбрать мышью поле "
                       "\"№ в сети\" в таблице. Для добавления нового объекта необходимо нажать кнопку "
                       "\"Добавить объект\"."));
    hint->setWordWrap(true);
    hint->setGeometry(8, 12, 622, 30);
    QLabel* heading =
        c.AddLabel(KtGroupBox1, QStringLiteral("Label2"), QStringLiteral("Настройка номеров объектов"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->move(8, 50);
    heading->adjustSize();
    lbKBDSNUM = c.AddLabel(KtGroupBox1, QStringLiteral("lbKBDSNUM"),
                           QStringLiteral("Число подключенных объектов в сети"));
    lbKBDSNUM->move(8, 78);
    lbKBDSNUM->adjustSize();
    etKBSNum = c.AddEdit(KtGroupBox1, QStringLiteral("etKBSNum"), QStringLiteral("0"));
    etKBSNum->setGeometry(lbKBDSNUM->x() + lbKBDSNUM->width() + 8, 74, 41, 21);
    SetDesignedMaxLength(etKBSNum, 3);
    etKBSNum->setEnabled(false); // only the dialog and the panel change the count
    etKBSNum->setText(c.HintOf(etKBSNum));
    Button1 = c.AddOther(new QPushButton(QStringLiteral("Добавить объект"), KtGroupBox1),
                         QStringLiteral("Button1"));
    Button1->setGeometry(etKBSNum->x() + etKBSNum->width() + 16, 72, 121, 25);
    SG = c.AddOther(new QTableWidget(KtGroupBox1), QStringLiteral("SG"));
    SG->setGeometry(8, 106, 622, 402); // both columns and the scroll bar

    InitGrid();
    if (MsgFile)
        for (int row = 0; row < MsgFile->RowCount(); ++row)
            cbACIDcode->addItem(MsgFile->Cell(row, 0) + QStringLiteral(": ") + MsgFile->Cell(row, 1));
    cbACIDcode->setCurrentIndex(0);

    connect(etKBSNum, &QLineEdit::textChanged, this, [this] { SG->viewport()->update(); });
    connect(SG, &QTableWidget::cellPressed, this,
            [this](int row, int col) { GuardedCall([=, this] { OpenForChange(row, col); }); });
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { OpenForAdd(); }));
}

void TFormKBDs::InitGrid() {
    SG->setColumnCount(2);
    SG->setRowCount(kRows);
    SG->verticalHeader()->hide();
    SG->verticalHeader()->setDefaultSectionSize(kRowHeight);
    // The title row stays in view while the objects scroll: its titles are the column header,
    // and row 0 itself stays hidden so that grid row r remains object r.
    SG->setHorizontalHeaderLabels({QStringLiteral("№"), QStringLiteral("№ в сети")});
    QHeaderView* titles = SG->horizontalHeader();
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titles->setSectionResizeMode(QHeaderView::Fixed);
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setFixedHeight(kRowHeight);
    SG->setRowHidden(0, true);
    SG->setColumnWidth(0, 64);
    SG->setColumnWidth(NumberColumn, 532);
    SG->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG->setSelectionMode(QAbstractItemView::SingleSelection);
    SG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG->setItemDelegate(new TNumberCellDelegate(this));
    for (int row = 1; row < kRows; ++row) {
        SG->setItem(row, 0, FixedCell(QString::number(row)));
        SG->setItem(row, NumberColumn, new QTableWidgetItem());
    }
}

int TFormKBDs::Count() const {
    return std::clamp(StrToIntDef(etKBSNum->text(), 0), 0, MaxObjects);
}

QString TFormKBDs::Number(int row) const {
    const QTableWidgetItem* item = SG->item(row, NumberColumn);
    return item ? item->text() : QString();
}

void TFormKBDs::SetNumber(int row, const QString& text) {
    if (row >= 1 && row < kRows) SG->item(row, NumberColumn)->setText(text);
}

bool TFormKBDs::CellBlank(int col, int row) const {
    const std::optional<int> count = TryStrToInt(etKBSNum->text());
    return count && col == NumberColumn && row > *count;
}

void TFormKBDs::Clear() {
    TformIncl::Clear();
    cbACIDcode->setCurrentIndex(0);
}

void TFormKBDs::LoadFromIni(const TMemIniFile& ini) {
    TformIncl::LoadFromIni(ini);
    for (int row = 1; row < kRows; ++row)
        SetNumber(row, ini.ReadString(kNumbersSection, QString::number(row), NoNumber));
}

void TFormKBDs::SaveToIni(TMemIniFile& ini) {
    TformIncl::SaveToIni(ini);
    for (int row = 1; row < kRows; ++row)
        ini.WriteString(kNumbersSection, QString::number(row), Number(row));
}

void TFormKBDs::SetDefaults() {
    for (int row = 1; row < kRows; ++row)
        SetNumber(row, NoNumber);
    SetControlDefaults(Controls());
}

// The dialog disables the main window, and with it every window the main window owns: while a
// transfer runs that would take "Отмена" from the progress window, and the dialog would change
// the grid under the transfer. A press then opens nothing.
bool TFormKBDs::DialogMayOpen() const {
    return Form2 && !(AppController && AppController->Busy());
}

void TFormKBDs::OpenForChange(int row, int col) {
    if (col != NumberColumn || row < 1 || row > Count() || !DialogMayOpen()) return;
    SG->setFocus();
    Form2->OpenForChange(*this, row);
}

void TFormKBDs::OpenForAdd() {
    if (Count() >= MaxObjects || !DialogMayOpen()) return;
    SG->setFocus();
    Form2->OpenForAdd(*this);
}
