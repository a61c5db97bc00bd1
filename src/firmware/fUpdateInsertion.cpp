#include "firmware/fUpdateInsertion.h"

#include "base/Convert.h"
#include "firmware/HexRows.h"
#include "platform/DialogService.h"
#include "uikit/buttons/KtBitBtn.h"
#include "uikit/buttons/KtDialogButtons.h"
#include "uikit/controls/KtGroupBox.h"
#include "uikit/draw/ImageList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>

TformUpdateInsertion* formUpdateInsertion = nullptr;

namespace {

constexpr int kDataRowsShown = 8;

FileDialogRequest OpenHexRequest() {
    FileDialogRequest request;
    request.title = QStringLiteral("Открыть");
    request.fileName = QStringLiteral("*.hex");
    request.filter = QStringLiteral("HEX FILES (*.hex)|*.hex");
    // The system drive's root, as on the desktop the viewer was designed for.
    request.initialDir = QDir::rootPath();
    return request;
}

} // namespace

TformUpdateInsertion::TformUpdateInsertion(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("formUpdateInsertion"));
    setWindowTitle(QStringLiteral("Обновление версии прошивки"));
    setFixedSize(643, 305);

    KtGroupBox1 = new TKtGroupBox(this);
    KtGroupBox1->SetCaption(QStringLiteral("Выберите файл с прошивкой"));
    KtGroupBox1->setObjectName(QStringLiteral("KtGroupBox1"));
    KtGroupBox1->setGeometry(8, 4, 627, 52);
    Label1 = new QLabel(QStringLiteral("Путь к файлу:"), KtGroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(10, 24);
    Label1->adjustSize();
    etPath = new QLineEdit(KtGroupBox1);
    etPath->setObjectName(QStringLiteral("etPath"));
    etPath->setGeometry(Label1->x() + Label1->width() + 6, 20, 585 - Label1->x() - Label1->width() - 6, 21);
    // The browse button's pictures: an open folder, and the same folder for a disabled button.
    T = new TImageList(16, 16, this);
    const QIcon folder = style()->standardIcon(QStyle::SP_DirOpenIcon);
    T->Add(folder.pixmap(16, 16).toImage());
    T->Add(folder.pixmap(16, 16, QIcon::Disabled).toImage());
    KtBitBtn1 = new TKtBitBtn(KtGroupBox1);
    KtBitBtn1->setObjectName(QStringLiteral("KtBitBtn1"));
    KtBitBtn1->setGeometry(591, 19, 28, 22);
    KtBitBtn1->SetImages(T);
    KtBitBtn1->SetImageIndex(0);
    KtBitBtn1->SetDisabledIndex(1);
    KtBitBtn1->SetLayout(blGlyphRight);
    KtBitBtn1->SetHotTrack(true);
    KtBitBtn1->SetFrameColor(0x743C00);
    KtBitBtn1->SetColor(0xF0F4F4);
    connect(KtBitBtn1, &TKtCustomButton::OnClick, this, [this] { KtBitBtn1Click(); });

    sgHex = new QTableWidget(kDataRowsShown, 16, this);
    sgHex->setObjectName(QStringLiteral("sgHex"));
    sgHex->setGeometry(8, 62, 627, 199);
    sgHex->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgHex->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgHex->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgHex->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgHex->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgHex->horizontalHeader()->setDefaultSectionSize(35);
    sgHex->horizontalHeader()->setFixedHeight(17);
    sgHex->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgHex->verticalHeader()->setDefaultSectionSize(17);
    sgHex->verticalHeader()->setFixedWidth(35);
    // FormCreate: the header over the 16 byte columns.
    QStringList header;
    for (int i = 0; i < 16; ++i)
        header.append(IntToHex(i, 2));
    sgHex->setHorizontalHeaderLabels(header);
    ClearRows();

    KtDialogButtons1 = new TKtDialogButtons(this);
    KtDialogButtons1->setObjectName(QStringLiteral("KtDialogButtons1"));
    KtDialogButtons1->setGeometry(0, height() - KtDialogButtons1->height(), width(),
                                  KtDialogButtons1->height());
    KtDialogButtons1->SetCaptionOk(QStringLiteral("OK"));
    KtDialogButtons1->SetCaptionCancel(QStringLiteral("Cancel"));
}

void TformUpdateInsertion::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

int TformUpdateInsertion::RowCount() const {
    return sgHex->rowCount() + 1;
}

QString TformUpdateInsertion::Cell(int column, int row) const {
    if (row == 0) return column == 0 ? QString() : sgHex->horizontalHeaderItem(column - 1)->text();
    if (column == 0) {
        const QTableWidgetItem* label = sgHex->verticalHeaderItem(row - 1);
        return label ? label->text() : QString();
    }
    const QTableWidgetItem* item = sgHex->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void TformUpdateInsertion::ClearRows() {
    sgHex->clearContents();
    sgHex->setRowCount(kDataRowsShown);
    // Rows without a label show none (not Qt's row numbers).
    for (int row = 0; row < kDataRowsShown; ++row)
        sgHex->setVerticalHeaderItem(row, new QTableWidgetItem(QString()));
    sgHex->setVerticalHeaderItem(0, new QTableWidgetItem(QStringLiteral("0000")));
    rowsRead_ = 0;
    complete_ = false;
    holdsData_ = false;
}

void TformUpdateInsertion::KtBitBtn1Click() {
    const QString path = DialogService::Instance().FileDialog(OpenHexRequest());
    if (path.isEmpty()) return;
    QCoreApplication::processEvents();
    etPath->setText(path);
    ClearRows();
    ReadFile(path);
}

void TformUpdateInsertion::ReadNamedFile() {
    const QString path = etPath->text();
    if (path.isEmpty() || QFileInfo(path) == QFileInfo(shownPath_)) return;
    ClearRows();
    ReadFile(path);
}

void TformUpdateInsertion::ReadFile(const QString& path) {
    shownPath_ = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageDlg(QStringLiteral("Не удалось открыть файл: ") + file.errorString(), TMsgDlgType::mtError,
                   mbOK);
        return;
    }
    const THexRows hex = ReadHexRows(HexFileLines(file.readAll()));
    sgHex->setRowCount(qMax(kDataRowsShown, int(hex.Rows.size())));
    for (int row = 0; row < hex.Rows.size(); ++row) {
        sgHex->setVerticalHeaderItem(row, new QTableWidgetItem(hex.Rows.at(row).Label));
        for (int column = 0; column < 16; ++column)
            if (!hex.Rows.at(row).Cells.at(column).isEmpty())
                sgHex->setItem(row, column, new QTableWidgetItem(hex.Rows.at(row).Cells.at(column)));
    }
    rowsRead_ = int(hex.Rows.size());
    complete_ = hex.Complete;
    holdsData_ = hex.HoldsData();
    if (!hex.Complete)
        MessageDlg(QStringLiteral(
                       "Файл прочитан не полностью: строка %1, %2. В таблице только данные до этой строки.")
                       .arg(hex.StopLine)
                       .arg(hex.StopReason),
                   TMsgDlgType::mtWarning, mbOK);
}
