#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <gtest/gtest.h>

// One main for every test executable: a headless application, and a dialog service that fails
// the test on any dialog it was not told to expect instead of waiting for a person.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvan9TK4"));
    ::testing::InitGoogleTest(&argc, argv);
    DialogService::Install(std::make_unique<ScriptedDialogs>());
    return RUN_ALL_TESTS();
}
