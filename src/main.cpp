#include "app/controllers/Startup.h"
#include "app/windows/fMain.h"
#include "base/Exceptions.h"
#include "platform/DialogService.h"
#include "uikit/services/KtGlobals.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyDesktopLook();
    InstallQtTranslation();
    StartKtCommon();
    try {
        StartProgram();
    } catch (const EBaseError& e) {
        ShowError(e.message());
        EndProgram();
        return 1;
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
        EndProgram();
        return 1;
    }
    FormMain->show();
    const int code = QApplication::exec();
    EndProgram();
    return code;
}
