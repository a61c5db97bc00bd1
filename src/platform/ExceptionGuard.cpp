#include "platform/ExceptionGuard.h"

#include "base/Exceptions.h"
#include "platform/DialogService.h"

void GuardedCall(const std::function<void()>& action) {
    try {
        action();
    } catch (const EBaseError& e) {
        ShowError(e.message());
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowError(QStringLiteral("Неизвестная ошибка"));
    }
}
