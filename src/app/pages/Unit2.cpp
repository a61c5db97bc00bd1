#include "app/pages/Unit2.h"

#include "app/controls/DesignedMaxLength.h"
#include "app/controls/EditKeyFilter.h"
#include "app/pages/fKBDs.h"
#include "base/Convert.h"
#include "platform/DialogService.h"
#include "platform/ExceptionGuard.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

TForm2* Form2 = nullptr;

namespace {

const QString kChange = QStringLiteral("Изменить");
const QString kAdd = QStringLiteral("Добавить");

// Network numbers are hexadecimal; an empty text is 0.
std::optional<int> NetworkNumber(const QString& text) {
    return TryStrToInt(QStringLiteral("$0") + text);
}

// The edit takes hexadecimal digits and shows typed letters in upper case.
void UpperHexKeys(QObject* sender, char& key) {
    TInputController::HexKeys(sender, key);
    if (key >= 'a' && key <= 'z') key = char(key - 'a' + 'A');
}

} // namespace

TForm2::TForm2(QWidget* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      Label1(new QLabel(QStringLiteral("№ в сети"), this)), Edit1(new QLineEdit(this)),
      Button1(new QPushButton(kChange, this)), Button2(new QPushButton(QStringLiteral("Удалить"), this)),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Настройка объекта"));
    setFixedSize(209, 89);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 12);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(72, 8, 129, 21);
    SetDesignedMaxLength(Edit1, 4);
    SetKeyPressFilter(Edit1, &UpperHexKeys);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 52, 89, 25);
    Button1->setAutoDefault(false);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(112, 52, 89, 25);
    Button2->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
}

void TForm2::OpenForChange(TFormKBDs& page, int row) {
    Button2->show();
    Button1->setText(kChange);
    setWindowTitle(QStringLiteral("Изменение объекта с №") + QString::number(row));
    Edit1->setText(page.Number(row));
    SelectedCol = TFormKBDs::NumberColumn;
    SelectedRow = row;
    Open(page);
}

void TForm2::OpenForAdd(TFormKBDs& page) {
    const int row = page.Count() + 1;
    Button2->hide();
    Button1->setText(kAdd);
    setWindowTitle(QStringLiteral("Добавление объекта с №") + QString::number(row));
    Edit1->setText(ZeroPad(row, 4));
    Open(page);
}

void TForm2::Open(TFormKBDs& page) {
    page_ = &page;
    if (mainWindow_) {
        mainWindow_->setEnabled(false);
        move(mainWindow_->frameGeometry().center() - QPoint(width() / 2, height() / 2));
        // Kept above the main window by the window manager, as a dialog of it.
        winId();
        if (QWindow* main = mainWindow_->windowHandle()) windowHandle()->setTransientParent(main);
    }
    show();
}

void TForm2::Button1Click() {
    if (!page_) return;
    if (Button1->text() == kChange) {
        const std::optional<int> value = NetworkNumber(Edit1->text());
        if (value && Clash(*value, SelectedRow)) return;
        if (value) page_->SetNumber(SelectedRow, IntToHex(*value, 4));
    } else {
        // A number that does not convert (pasted) stops here, before the count changes.
        const int value = StrToInt(QStringLiteral("$0") + Edit1->text());
        if (Clash(value, 0)) return;
        const int count = page_->Count();
        if (count >= TFormKBDs::MaxObjects) return;
        page_->etKBSNum->setText(QString::number(count + 1));
        page_->SetNumber(count + 1, IntToHex(value, 4));
    }
    Finish();
}

void TForm2::Button2Click() {
    if (!page_) return;
    const int count = page_->Count();
    for (int row = SelectedRow + 1; row <= count; ++row)
        page_->SetNumber(row - 1, page_->Number(row));
    page_->etKBSNum->setText(QString::number(count - 1));
    page_->SetNumber(count, TFormKBDs::NoNumber);
    Finish();
}

bool TForm2::Clash(int value, int except) {
    const int count = page_->Count();
    for (int row = 1; row <= count; ++row) {
        if (row == except) continue;
        const std::optional<int> used = NetworkNumber(page_->Number(row));
        if (used && *used == value) {
            MessageDlg(QStringLiteral("Объект с таким № сети уже используется!"), TMsgDlgType::mtInformation,
                       mbOK);
            Edit1->setText(TFormKBDs::NoNumber);
            return true;
        }
    }
    return false;
}

void TForm2::Finish() {
    if (mainWindow_) mainWindow_->setEnabled(true);
    hide();
}

void TForm2::closeEvent(QCloseEvent* event) {
    Finish();
    event->accept();
}

// Escape leaves the dialog like its window frame does.
void TForm2::reject() {
    Finish();
}
