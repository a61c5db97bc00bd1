#include "support/ScriptedDialogs.h"

#include <QDialog>
#include <gtest/gtest.h>

int ScriptedDialogs::MessageBox(const MessageRequest& request) {
    messages.append(request);
    if (!messageAnswers.isEmpty())
        return messageAnswers.takeFirst();
    if (request.buttons == mbOK)
        return mrOk; // a plain notice needs no script
    ADD_FAILURE() << "unscripted message box: " << request.text.toStdString();
    return mrCancel;
}

QString ScriptedDialogs::FileDialog(const FileDialogRequest& request) {
    fileRequests.append(request);
    if (!fileAnswers.isEmpty())
        return fileAnswers.takeFirst();
    ADD_FAILURE() << "unscripted file dialog: " << request.title.toStdString();
    return {};
}

int ScriptedDialogs::ExecModal(QDialog& dialog) {
    execedDialogs.append(dialog.objectName());
    if (!execScripts.isEmpty())
        return execScripts.takeFirst()(dialog);
    ADD_FAILURE() << "unscripted modal dialog: " << dialog.objectName().toStdString();
    return mrCancel;
}

ScriptedDialogs& ScriptedDialogs::Current() {
    auto* scripted = dynamic_cast<ScriptedDialogs*>(&DialogService::Instance());
    if (!scripted)
        return Reset();
    return *scripted;
}

ScriptedDialogs& ScriptedDialogs::Reset() {
    auto fresh = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& ref = *fresh;
    DialogService::Install(std::move(fresh));
    return ref;
}
