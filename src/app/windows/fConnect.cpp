#include "app/windows/fConnect.h"

#include "app/pages/ControlWalkers.h"
#include "base/AsciiText.h"
#include "link/SerialEnum.h"
#include "platform/DialogService.h"
#include "platform/IniFile.h"
#include "uikit/buttons/KtDialogButtons.h"
#include "uikit/controls/KtLabel.h"

#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QScreen>
#include <QStyle>

namespace {

const QString kCountKey = QStringLiteral("DialPhonesNum");
const QString kPhoneKey = QStringLiteral("DialPhone"); // followed by 1..DialPhonesNum
const QString kCurrentKey = QStringLiteral("CurDialPhone");

// The lists are sorted: an added item goes before the first item that sorts after it, letter
// case ignored. Inserting at a given place does not sort.
void AddSorted(QComboBox* combo, const QString& text) {
    int at = 0;
    while (at < combo->count() && QString::compare(combo->itemText(at), text, Qt::CaseInsensitive) <= 0)
        ++at;
    combo->insertItem(at, text);
}

// The number of a "DialPhone<n>" key (n in plain decimal), or 0 for any other key.
int PhoneKeyNumber(const QString& key) {
    if (key.size() <= kPhoneKey.size() || !asciiSameText(key.left(kPhoneKey.size()), kPhoneKey)) return 0;
    const QString digits = key.mid(kPhoneKey.size());
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok && number > 0 && digits == QString::number(number) ? number : 0;
}

} // namespace

TFormConnect::TFormConnect(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FormConnect")); // the settings section
    setFixedSize(236, 135);
    setWindowOpacity(245.0 / 255.0);
    auto& c = controls_;

    KtLabel1 = c.AddOther(new TKtLabel(this), QStringLiteral("KtLabel1"));
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(11);
    KtLabel1->setFont(titleFont);
    KtLabel1->SetCaption(QStringLiteral("Подключение к Zelvan9-TK4"));
    KtLabel1->move(44, 14);
    Image1 = c.AddOther(new QLabel(this), QStringLiteral("Image1"));
    Image1->setGeometry(8, 6, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));

    Label1 = c.AddLabel(this, QStringLiteral("Label1"), QStringLiteral("Com-порт"));
    Label1->move(8, 47);
    Label1->adjustSize();
    ComPorts = c.AddComboBox(this, QStringLiteral("ComPorts"), QStringLiteral("0"));
    ComPorts->setGeometry(72, 44, 156, 21);

    Label2 = c.AddLabel(this, QStringLiteral("Label2"), QStringLiteral("Телефон"));
    Label2->move(8, 75);
    Label2->adjustSize();
    cbPhones = c.AddComboBox(this, QStringLiteral("cbPhones"), QStringLiteral("0"));
    cbPhones->setEditable(true);
    // Enter confirms the dialog; only RememberDialPhone adds a typed number to the list.
    cbPhones->setInsertPolicy(QComboBox::NoInsert);
    cbPhones->setGeometry(72, 72, 156, 21);

    KtDialogButtons1 = c.AddOther(new TKtDialogButtons(this), QStringLiteral("KtDialogButtons1"));
    KtDialogButtons1->setGeometry(0, height() - KtDialogButtons1->height(), width(),
                                  KtDialogButtons1->height());
    KtDialogButtons1->SetCaptionOk(QStringLiteral("OK"));
    KtDialogButtons1->SetCaptionCancel(QStringLiteral("Cancel"));
    KtDialogButtons1->SetCaptionHelp(QStringLiteral("&Help"));
    KtDialogButtons1->SetHotTrack(true);
    KtDialogButtons1->SetModalResultOk(mrOk);
    KtDialogButtons1->SetModalResultCancel(mrCancel);
    KtDialogButtons1->SetModalResultHelp(mrNone);
}

void TFormConnect::FillPorts(const QString& sysfsRoot) {
    QStringList ports;
    EnumComPorts(ports, sysfsRoot);
    SetPorts(ports);
}

void TFormConnect::SetPorts(const QStringList& ports) {
    ComPorts->clear();
    for (const QString& port : ports)
        AddSorted(ComPorts, port);
}

void TFormConnect::LoadSettings(const TMemIniFile& ini) {
    // Qt rewrites an editable combo box's text when its index is set and when the first item
    // arrives in an empty list: keep the field's text to fall back on.
    const QString typed = cbPhones->currentText();
    LoadControlsFromIni(ini, controls_);
    LoadDialPhones(ini);
    SetNumberField(ini.ReadString(objectName(), kCurrentKey, typed));
}

void TFormConnect::LoadDialPhones(const TMemIniFile& ini) {
    const QString section = objectName();
    const int count = ini.ReadInteger(section, kCountKey, 0);
    // Only keys that are present can add a number, so they are looked up rather than counted
    // through: a damaged count of two thousand million must not stall the dialog.
    QMap<int, QString> numbered;
    for (const QString& key : ini.ReadSection(section)) {
        const int number = PhoneKeyNumber(key);
        if (number >= 1 && number <= count && !numbered.contains(number))
            numbered.insert(number, ini.ReadString(section, key, QString()));
    }
    for (const QString& text : std::as_const(numbered)) {
        const QString phone = text.trimmed();
        if (!phone.isEmpty()) AddSorted(cbPhones, phone);
    }
}

void TFormConnect::SaveSettings(TMemIniFile& ini) {
    SaveControlsToIni(ini, controls_);
    const QString section = objectName();
    ini.WriteInteger(section, kCountKey, cbPhones->count());
    ini.WriteString(section, kCurrentKey, cbPhones->currentText());
    for (int i = 0; i < cbPhones->count(); ++i)
        ini.WriteString(section, kPhoneKey + QString::number(i + 1), cbPhones->itemText(i));
}

bool TFormConnect::Execute() {
    return DialogService::Instance().ExecModal(*this) == mrOk;
}

void TFormConnect::RememberDialPhone() {
    const QString text = cbPhones->currentText();
    if (text.isEmpty()) return;
    for (int i = 0; i < cbPhones->count(); ++i)
        if (cbPhones->itemText(i) == text) return;
    if (cbPhones->count() >= MaxDialPhones) cbPhones->removeItem(cbPhones->count() - 1);
    cbPhones->insertItem(0, text);
    // Removing the item Qt had as current, or inserting into an empty list, rewrites the field.
    SetNumberField(text);
}

void TFormConnect::SetNumberField(const QString& text) {
    cbPhones->setCurrentIndex(-1);
    cbPhones->setEditText(text);
}

QString TFormConnect::PortName() const {
    return ComPorts->currentText();
}

QString TFormConnect::Phone() const {
    return cbPhones->currentText().trimmed();
}

void TFormConnect::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window that owns it.
    if (const QScreen* where = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}
