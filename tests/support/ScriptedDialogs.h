#pragma once

#include "platform/DialogService.h"

#include <QList>
#include <functional>

class QDialog;

// A dialog service for tests: answers from queues the test fills, records every request, and
// fails the running test on a dialog nobody scripted (answering Cancel / no file).
class ScriptedDialogs : public DialogService {
public:
    using DialogScript = std::function<int(QDialog&)>;

    int MessageBox(const MessageRequest& request) override;
    QString FileDialog(const FileDialogRequest& request) override;
    int ExecModal(QDialog& dialog) override;

    void QueueMessageAnswer(int result) { messageAnswers.append(result); }
    void QueueFile(const QString& path) { fileAnswers.append(path); }
    // The script runs instead of the dialog's event loop: it may fill in fields, press buttons
    // and returns the dialog's result.
    void QueueExec(DialogScript script) { execScripts.append(std::move(script)); }

    // Message boxes shown without an answer in the queue get mrOk when they offer only OK.
    QList<MessageRequest> messages;
    QList<FileDialogRequest> fileRequests;
    QList<QString> execedDialogs; // object names of the dialogs shown

    QList<int> messageAnswers;
    QList<QString> fileAnswers;
    QList<DialogScript> execScripts;

    // The service installed in the running test executable.
    static ScriptedDialogs& Current();
    // Installs a fresh scripted service for one test.
    static ScriptedDialogs& Reset();
};
