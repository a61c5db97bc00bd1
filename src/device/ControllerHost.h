#pragma once

#include <QString>

class QWidget;

// What the device controller needs of the main window, which implements it: the modem
// link-check timer, the status bar's version panel, the wait cursor and the owner of the
// progress window. None of the operations throws: the controller calls them from its destructor.
class TControllerHost {
public:
    virtual ~TControllerHost() = default;

    // Pauses of the link-check timer nest: it runs again only when the outermost pause ends,
    // so an exchange nested inside another (the goodbye inside a disconnect) cannot let a tick
    // in half-way.
    virtual void PausePollTimer() = 0;
    virtual void ResumePollTimer() = 0;

    // Status bar panel 1: the panel's version answer.
    virtual void ShowPanelVersion(const QString& text) = 0;

    // The hour-glass cursor around a service command.
    virtual void SetBusyCursor(bool busy) = 0;

    // The window that owns the progress window of a transfer.
    virtual QWidget* HostWindow() = 0;
};
