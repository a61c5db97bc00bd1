#pragma once

#include <QString>
#include <memory>

class QDialog;
class QWidget;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button sets are or-ed flags.
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
};
using TMsgDlgButtons = unsigned;

// What a modal window ends with.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

struct MessageRequest {
    QString caption; // empty: the program's title
    QString text;
    TMsgDlgType type = TMsgDlgType::mtInformation;
    TMsgDlgButtons buttons = mbOK;
};

struct FileDialogRequest {
    bool save = false;
    QString title;
    QString filter;      // "Описание|*.txt|Все файлы|*.*": pairs of description and masks
    QString defaultExt;  // without the dot; added when the name typed has no extension
    QString initialDir;
    QString fileName;
    bool overwritePrompt = false;
};

// Every message box, open/save dialog and modal window of the program goes through the
// installed service, so that tests can answer them without a person at the screen.
class DialogService {
public:
    virtual ~DialogService() = default;

    virtual int MessageBox(const MessageRequest& request) = 0;
    // The chosen file's path, or an empty text when the user cancelled.
    virtual QString FileDialog(const FileDialogRequest& request) = 0;
    // Shows the dialog modally and returns its result (a TModalResult).
    virtual int ExecModal(QDialog& dialog) = 0;

    static DialogService& Instance();
    // Replaces the service (tests); returns the one that was installed.
    static std::unique_ptr<DialogService> Install(std::unique_ptr<DialogService> service);
};

// The service over Qt's own dialogs.
class QtDialogService : public DialogService {
public:
    int MessageBox(const MessageRequest& request) override;
    QString FileDialog(const FileDialogRequest& request) override;
    int ExecModal(QDialog& dialog) override;

    // "Описание|*.a;*.b|..." in the form Qt's file dialogs take.
    static QString QtFilter(const QString& filter);
};

// Short forms for the common cases.
int MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
void ShowError(const QString& text);
