#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Root of the program's exceptions: every one carries a user-readable message.
class EBaseError : public std::exception {
public:
    explicit EBaseError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// Failure of the serial-port component; Code tells which operation failed.
class EDeviceError : public EBaseError {
public:
    EDeviceError(const QString& message, int code) : EBaseError(message), Code(code) {}
    int Code;
};

// A text that is not a number where a number is required.
class EConvertError : public EBaseError {
public:
    using EBaseError::EBaseError;
};

// The link to the panel failed; a page operation that meets it disconnects quietly.
class TCommException : public EBaseError {
public:
    using EBaseError::EBaseError;
};

// A modem failure answer ("BUSY", "NO CARRIER", ...).
class TModemException : public TCommException {
public:
    using TCommException::TCommException;
};

// The user cancelled a page transfer.
class TStopException : public EBaseError {
public:
    using EBaseError::EBaseError;
};

// The serial port itself went away: disconnect without the goodbye commands.
class TCloseException : public EBaseError {
public:
    using EBaseError::EBaseError;
};

// A settings file could not be written.
class EIniFileError : public EBaseError {
public:
    using EBaseError::EBaseError;
};
