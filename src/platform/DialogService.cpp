#include "platform/DialogService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

std::unique_ptr<DialogService>& slot() {
    static std::unique_ptr<DialogService> service = std::make_unique<QtDialogService>();
    return service;
}

struct ButtonInfo {
    TMsgDlgBtn flag;
    TModalResult result;
    const char* text;
    QMessageBox::ButtonRole role;
};

// Russian captions in the order the desktop lays the buttons out.
const ButtonInfo kButtons[] = {
    {mbYes, mrYes, "Да", QMessageBox::YesRole},
    {mbNo, mrNo, "Нет", QMessageBox::NoRole},
    {mbOK, mrOk, "OK", QMessageBox::AcceptRole},
    {mbCancel, mrCancel, "Отмена", QMessageBox::RejectRole},
    {mbAbort, mrAbort, "Прервать", QMessageBox::RejectRole},
    {mbRetry, mrRetry, "Повтор", QMessageBox::AcceptRole},
    {mbIgnore, mrIgnore, "Пропустить", QMessageBox::AcceptRole},
};

QMessageBox::Icon iconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    case TMsgDlgType::mtCustom: break;
    }
    return QMessageBox::NoIcon;
}

QString defaultCaption(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning: return QStringLiteral("Предупреждение");
    case TMsgDlgType::mtError: return QStringLiteral("Ошибка");
    case TMsgDlgType::mtInformation: return QStringLiteral("Информация");
    case TMsgDlgType::mtConfirmation: return QStringLiteral("Подтверждение");
    case TMsgDlgType::mtCustom: break;
    }
    return QApplication::applicationName();
}

} // namespace

DialogService& DialogService::Instance() {
    return *slot();
}

std::unique_ptr<DialogService> DialogService::Install(std::unique_ptr<DialogService> service) {
    std::unique_ptr<DialogService> old = std::move(slot());
    slot() = service ? std::move(service) : std::make_unique<QtDialogService>();
    return old;
}

int QtDialogService::MessageBox(const MessageRequest& request) {
    QMessageBox box(iconOf(request.type),
                    request.caption.isEmpty() ? defaultCaption(request.type) : request.caption, request.text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    QList<std::pair<QAbstractButton*, TModalResult>> added;
    for (const ButtonInfo& b : kButtons)
        if (request.buttons & b.flag)
            added.append({box.addButton(QString::fromUtf8(b.text), b.role), b.result});
    if (added.isEmpty())
        added.append({box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), mrOk});
    box.setDefaultButton(qobject_cast<QPushButton*>(added.first().first));
    box.exec();
    for (const auto& [button, result] : added)
        if (box.clickedButton() == button)
            return result;
    // Closed with Esc or the close box.
    return (request.buttons & mbCancel) ? mrCancel : (request.buttons & mbNo) ? mrNo : mrNone;
}

QString QtDialogService::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString masks = QString(parts.at(i + 1)).replace(u';', u' ');
        // Qt reads the masks from the last parentheses of each entry.
        out << (description.endsWith(u'(' + masks + u')') ? description
                                                           : description + QStringLiteral(" (") + masks + u')');
    }
    return out.join(QStringLiteral(";;"));
}

QString QtDialogService::FileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialDir, QtFilter(request.filter));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

int QtDialogService::ExecModal(QDialog& dialog) {
    // The close box and Esc reject the dialog; the program treats that as Cancel.
    const int result = dialog.exec();
    return result == QDialog::Rejected ? mrCancel : result;
}

int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return DialogService::Instance().MessageBox({QString(), text, type, buttons});
}

void ShowError(const QString& text) {
    MessageDlg(text, TMsgDlgType::mtError, mbOK);
}
