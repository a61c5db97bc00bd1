#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

// One main for every test executable: a headless application, a dialog service that fails the
// test on any dialog it was not told to expect instead of waiting for a person, and a desktop
// shell that opens nothing.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvan9TK4"));
    ::testing::InitGoogleTest(&argc, argv);
    DialogService::Install(std::make_unique<ScriptedDialogs>());
    DesktopShell::Install(std::make_unique<RecordingShell>());
    return RUN_ALL_TESTS();
}
