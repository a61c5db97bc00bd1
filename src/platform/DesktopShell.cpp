#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class QtDesktopShell : public DesktopShell {
public:
    bool Open(const QString& target) override {
        // "www.example.com" becomes an http address, a path a file address.
        const QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};

std::unique_ptr<DesktopShell>& slot() {
    static std::unique_ptr<DesktopShell> shell = std::make_unique<QtDesktopShell>();
    return shell;
}

} // namespace

DesktopShell& DesktopShell::Instance() {
    return *slot();
}

std::unique_ptr<DesktopShell> DesktopShell::Install(std::unique_ptr<DesktopShell> shell) {
    std::unique_ptr<DesktopShell> previous = std::move(slot());
    slot() = shell ? std::move(shell) : std::make_unique<QtDesktopShell>();
    return previous;
}
