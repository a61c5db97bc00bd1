#include "app/pages/fHistory.h"

#include "app/controllers/ZV9TKFormsController.h"
#include "app/controls/StringGrid.h"
#include "app/history/XlsExport.h"
#include "app/windows/fAppMain.h"
#include "app/windows/fWaiting.h"
#include "base/Color.h"
#include "device/MsgFile.h"
#include "platform/DialogService.h"
#include "platform/ExceptionGuard.h"
#include "platform/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>

namespace {

struct TColumn {
    const char16_t* title;
    int width;
};
constexpr std::array<TColumn, HistoryColumnCount> kColumns{{
    {u"№", 50},
    {u"Время", 105},
    {u"Объект", 40},
    {u"Код", 25},
    {u"Т\\В", 95},
    {u"Событие", 140},
    {u"Раздел", 40},
    {u"Шлейф", 40},
    {u"Посылка", 210},
    {u"КС CID", 30},
    {u"Передано", 100},
    {u"Направления", 100},
}};

constexpr int kDefaultColWidth = 70;
constexpr int kRowHeight = 15;

QString WidthKey(int column) {
    return QStringLiteral("width") + QString::number(column);
}

// While the panel erases its history, nothing else of the main window may be used.
void SetMainMenuEnabled(QWidget* window, bool enabled) {
    auto* main = qobject_cast<TFormAppMain*>(window);
    if (!main) return;
    main->tv1->setEnabled(enabled);
    main->ToolBar1->setEnabled(enabled);
    for (QAction* menu : main->MainMenu1->actions())
        menu->setEnabled(enabled);
}

int Ask(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return DialogService::Instance().MessageBox({QString(), text, type, buttons});
}

} // namespace

TFormHistory::TFormHistory(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("FormHistory")); // the settings section
    setWindowTitle(QStringLiteral("История"));
    auto& c = Controls();

    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    GroupBox1 = c.AddOther(new QGroupBox(QStringLiteral("История"), this), QStringLiteral("GroupBox1"));
    pageLayout->addWidget(GroupBox1);
    auto* boxLayout = new QVBoxLayout(GroupBox1);

    Panel1 = c.AddOther(new QWidget(GroupBox1), QStringLiteral("Panel1"));
    Panel1->setFixedHeight(66);
    boxLayout->addWidget(Panel1);
    const auto addButton = [&](const QString& name, const QString& caption, const QRect& geometry) {
        auto* button = c.AddOther(new QPushButton(caption, Panel1), name);
        button->setGeometry(geometry);
        return button;
    };
    btnBackward = addButton(QStringLiteral("btnBackward"), QStringLiteral("Назад"), {4, 4, 80, 25});
    Button1 = addButton(QStringLiteral("Button1"),
                        QStringLiteral("Экспорт в Excel открытой страницы истории "), {184, 4, 300, 25});
    btnClear = addButton(QStringLiteral("btnClear"), QStringLiteral("Очистить"), {492, 4, 90, 25});
    Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("Вперед"), {92, 4, 80, 25});
    Button3 = addButton(QStringLiteral("Button3"),
                        QStringLiteral("Экспорт в Excel истории, прочитанной за данный сеанс связи"),
                        {184, 36, 398, 25});
    btnStart = addButton(QStringLiteral("btnStart"), QStringLiteral("Start"), {4, 36, 80, 25});
    btnFinish = addButton(QStringLiteral("btnFinish"), QStringLiteral("Finish"), {92, 36, 80, 25});
    for (QPushButton* button : {btnBackward, btnClear, Button2})
        button->setEnabled(false); // the controller enables them while a panel is connected
    btnStart->hide();
    btnFinish->hide();

    StringGrid1 = c.AddOther(new TStringGrid(GroupBox1), QStringLiteral("StringGrid1"));
    boxLayout->addWidget(StringGrid1);
    StringGrid1->SetColCount(HistoryColumnCount);
    StringGrid1->SetRowCount(EventRows + 1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->OnDrawCell = [this](QPainter& painter, int column, int row, const QRect& rect) {
        StringGrid1DrawCell(painter, column, row, rect);
    };
    SetDefaultWidths();

    StringGrid2 = c.AddOther(new TStringGrid(GroupBox1), QStringLiteral("StringGrid2"));
    StringGrid2->hide();

    ResetGrid();

    const auto command = [](void (TZV9TKFormsController::*operation)()) {
        return Guarded([operation] {
            if (AppController) (AppController->*operation)();
        });
    };
    connect(btnBackward, &QPushButton::clicked, this, command(&TZV9TKFormsController::HistoryPageBack));
    connect(Button2, &QPushButton::clicked, this, command(&TZV9TKFormsController::HistoryPageForward));
    connect(btnStart, &QPushButton::clicked, this, command(&TZV9TKFormsController::StartHistoryToFile));
    connect(btnFinish, &QPushButton::clicked, this, command(&TZV9TKFormsController::StopHistoryToFile));
    connect(btnClear, &QPushButton::clicked, this, Guarded([this] { btnClearClick(); }));
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button3, &QPushButton::clicked, this, Guarded([this] { Button3Click(); }));
}

void TFormHistory::SetTitles(TStringGrid& grid) {
    for (int column = 0; column < HistoryColumnCount; ++column)
        grid.SetCell(column, 0, QString::fromUtf16(kColumns[column].title));
}

void TFormHistory::ResetGrid() {
    StringGrid1->ClearCells();
    SetTitles(*StringGrid1);
}

void TFormHistory::ClearCache() {
    HistoryIndexes.clear();
    HistoryRecords.clear();
}

bool TFormHistory::HistoryInFile() const {
    return ControlVisible(btnStart);
}

void TFormHistory::SetDefaultWidths() {
    for (int column = 0; column < HistoryColumnCount; ++column)
        StringGrid1->SetColWidth(column, kColumns[column].width);
}

void TFormHistory::LoadFromIni(const TMemIniFile& ini) {
    const QString section = objectName();
    // Only an edit of the file shows the two buttons: no control of the program changes it.
    const bool inFile = ini.ReadString(section, QStringLiteral("HistoryInFile"), QStringLiteral("0")) == u"1";
    btnStart->setVisible(inFile);
    btnFinish->setVisible(inFile);
    for (int column = 0; column < HistoryColumnCount; ++column)
        StringGrid1->SetColWidth(column, ini.ReadInteger(section, WidthKey(column), kColumns[column].width));
    TformIncl::LoadFromIni(ini);
}

void TFormHistory::SaveToIni(TMemIniFile& ini) {
    const QString section = objectName();
    ini.WriteString(section, QStringLiteral("HistoryInFile"),
                    HistoryInFile() ? QStringLiteral("1") : QStringLiteral("0"));
    for (int column = 0; column < HistoryColumnCount; ++column)
        ini.WriteInteger(section, WidthKey(column), StringGrid1->ColWidth(column));
    TformIncl::SaveToIni(ini);
}

void TFormHistory::SetDefaults() {
    SetDefaultWidths();
    TformIncl::SetDefaults();
}

// The event text of a row is filled when the row is decoded; drawing only reads the grid.
void TFormHistory::StringGrid1DrawCell(QPainter& painter, int column, int row, const QRect& rect) {
    if (row == 0) return;
    const QString code = StringGrid1->Cell(hcCode, row);
    const QString qualifier = StringGrid1->Cell(hcQualifier, row);
    if (code.isEmpty() || qualifier.isEmpty()) return;
    const QString key = HistoryEventKey(code, qualifier);
    painter.fillRect(rect, ToQColor(MsgFile ? MsgFile->ColourOf(key) : clWhite));
    painter.setPen(ToQColor(TColor(MsgFile ? MsgFile->NumberOf(key) : 0)));
    painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     StringGrid1->Cell(column, row));
}

void TFormHistory::btnClearClick() {
    if (Ask(QStringLiteral("Вы уверены, что хотите стереть историю?"), TMsgDlgType::mtConfirmation,
            mbYes | mbNo | mbCancel) != mrYes)
        return;
    if (Ask(QStringLiteral("Её невозможно будет восстановить!"), TMsgDlgType::mtWarning, mbOK | mbCancel) !=
        mrOk)
        return;
    if (Ask(QStringLiteral("Точно?"), TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel) != mrYes) return;

    QWidget* main = window();
    SetMainMenuEnabled(main, false);
    auto waiting = std::make_unique<TFormWaiting>(main);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents(); // so that the waiting window paints
    // The command runs under the controller's exception policy and lets nothing out. A history
    // the panel did not erase stays on the page.
    if (AppController && AppController->ClearPanelHistory()) {
        ClearCache();
        ResetGrid();
    }
    SetMainMenuEnabled(main, true);
    waiting.reset();
    QApplication::restoreOverrideCursor();
    QCoreApplication::processEvents();
}

QString TFormHistory::AskXlsFileName() {
    FileDialogRequest request;
    request.save = true;
    request.filter = QStringLiteral("Microsoft Excel(*.xls)|*.xls");
    request.defaultExt = QStringLiteral("xls");
    request.overwritePrompt = true;
    return DialogService::Instance().FileDialog(request);
}

void TFormHistory::Button1Click() {
    const QString fileName = AskXlsFileName();
    if (!fileName.isEmpty()) ExportGridToXls(*StringGrid1, fileName);
}

qsizetype TFormHistory::FillConnectionGrid() {
    // A record past the last row would wrap to row 0 over the titles, and spreadsheet readers
    // refuse such a file: the oldest records are the ones to leave out.
    const qsizetype records = std::min(HistoryIndexes.size(), qsizetype(XlsMaxRows - 1));
    StringGrid2->SetColCount(HistoryColumnCount);
    StringGrid2->SetRowCount(int(records) + 1);
    StringGrid2->ClearCells();
    SetTitles(*StringGrid2);
    for (qsizetype i = 0; i < records; ++i) {
        const int row = int(i) + 1;
        ShowHistoryEvent(*StringGrid2, row, HistoryIndexes.at(i),
                         DecodeHistoryRecord(HistoryRecords.at(i), WayNames));
        // Here every row carries its event text, looked up even for a row without a qualifier.
        if (StringGrid2->Cell(hcEvent, row).isEmpty()) {
            const QString key =
                HistoryEventKey(StringGrid2->Cell(hcCode, row), StringGrid2->Cell(hcQualifier, row));
            StringGrid2->SetCell(hcEvent, row, MsgFile ? MsgFile->TextOf(key) : QStringLiteral(" "));
        }
    }
    return HistoryIndexes.size() - records;
}

void TFormHistory::Button3Click() {
    const qsizetype leftOut = FillConnectionGrid();
    const QString fileName = AskXlsFileName();
    if (fileName.isEmpty()) return;
    ExportGridToXls(*StringGrid2, fileName);
    if (leftOut > 0)
        MessageDlg(QStringLiteral("В файл записаны %1 последних событий. Более ранние события (%2) "
                                  "не поместились в таблицу и в файл не записаны.")
                       .arg(StringGrid2->RowCount() - 1)
                       .arg(leftOut),
                   TMsgDlgType::mtWarning, mbOK);
}
