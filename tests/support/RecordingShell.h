#pragma once

#include "platform/DesktopShell.h"

#include <QStringList>

// A desktop shell that opens nothing: it records each target and answers as the test says.
// Every test executable runs with one installed, so no test ever starts a browser.
class RecordingShell : public DesktopShell {
public:
    QStringList opened;
    bool succeeds = true;

    bool Open(const QString& target) override {
        opened.append(target);
        return succeeds;
    }

    static RecordingShell& Installed() { return static_cast<RecordingShell&>(DesktopShell::Instance()); }
};
