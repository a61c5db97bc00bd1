#pragma once

#include <QString>
#include <memory>

// The desktop's shell as the program uses it: opening a web address or a document with the
// program the desktop has for it. Tests install one that records what was asked and opens
// nothing.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Opens the target (an address, with or without its scheme, or a file path) with its default
    // handler; false when the desktop could not.
    virtual bool Open(const QString& target) = 0;

    static DesktopShell& Instance();
    // Replaces the shell; returns the one that was installed. None restores the desktop's.
    static std::unique_ptr<DesktopShell> Install(std::unique_ptr<DesktopShell> shell);
};
