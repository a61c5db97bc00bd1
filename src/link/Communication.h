#pragma once

#include <QString>
#include <QStringList>

// The text pipe to the panel: send a text, then collect what comes back until a terminator (or
// any one of several texts) has arrived or a time-out has passed. Every operation blocks its
// caller while it waits. The derived operations call the others virtually, so a transport that
// overrides Receive, ReceiveAny or its purge changes them too.
class TCommunication {
public:
    virtual ~TCommunication() = default;

    virtual int GetTimeout() = 0;
    virtual bool Send(const QString& text) = 0;
    virtual bool Receive(QString& answer, const QString& terminator, int timeoutMs) = 0;
    virtual bool ReadPending(QString& answer, int timeoutMs) = 0;
    virtual bool ReceiveAny(QString& answer, const QStringList& list, int timeoutMs) = 0;
    virtual bool ReceiveDefault(QString& answer, const QString& terminator) = 0;
    virtual bool ReceiveAnyDefault(QString& answer, const QStringList& list) = 0;
    virtual bool WaitFor(const QString& terminator, int timeoutMs) = 0;
    virtual bool WaitPending() = 0;
    virtual bool WaitForAny(const QStringList& list, int timeoutMs) = 0;
    virtual bool WaitForDefault(const QString& terminator) = 0;
    virtual bool WaitForAnyDefault(const QStringList& list) = 0;
};
