#pragma once

#include <QByteArray>
#include <QtGlobal>

// Outcome of one system call: which call failed and its errno, so that the error shown to the
// user keeps the system's own words.
struct SysStatus {
    const char* call = nullptr;
    int error = 0;

    bool ok() const { return error == 0; }
    static SysStatus Failed(const char* call, int error) { return {call, error}; }
};

enum class SerialParity { None, Odd, Even, Mark, Space };
enum class SerialStopBits { One, OneAndHalf, Two };

// Line settings in the terms of a Linux tty.
struct SerialLineSettings {
    quint32 baud = 9600;
    int dataBits = 8;
    SerialParity parity = SerialParity::None;
    SerialStopBits stopBits = SerialStopBits::One;
    bool parityCheck = false;
    bool rtsCtsFlow = false;
    bool dsrOutFlow = false;           // a Linux tty cannot do this: Apply refuses it
    bool dtrHandshake = false;         // nor this
    bool dsrSensitivity = false;       // nor ignoring input while DSR is low
    bool errorCharReplacement = false; // nor replacing a byte that has a parity error
    bool xonOnInput = false;
    bool xonOnOutput = false;
    unsigned char xonChar = 17;
    unsigned char xoffChar = 19;
    bool dtrOn = false;
    bool rtsOn = false;
};

enum class SerialWait { Ready, TimedOut, HungUp };

// One open serial device. Every termios, ioctl and poll call of the program lives in
// SerialBackend.cpp. The operations are virtual so that a test can watch the order in which
// the component drives the line (a pseudo-terminal has no RTS line to look at).
class SerialBackend {
public:
    SerialBackend() = default;
    SerialBackend(const SerialBackend&) = delete;
    SerialBackend& operator=(const SerialBackend&) = delete;
    virtual ~SerialBackend();

    // Opens the device exclusively: a port that another process (or another open in this
    // one) holds is refused.
    virtual SysStatus Open(const QByteArray& path);
    virtual void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Raw 8-bit line, no echo, no character translation, receiver on, modem lines ignored.
    virtual SysStatus Apply(const SerialLineSettings& settings);
    virtual SysStatus Purge(bool input, bool output);
    virtual SysStatus QueuedInput(int& count);
    virtual SysStatus QueuedOutput(int& count);
    virtual SysStatus SetRts(bool on);
    virtual SysStatus SetDtr(bool on);
    // Never blocks; got/put are 0 when nothing could be moved.
    virtual SysStatus Read(char* buffer, int count, int& got);
    virtual SysStatus Write(const char* buffer, int count, int& put);
    // Blocks until the last byte has left the transmitter.
    virtual SysStatus Drain();
    // Sleeps until input arrives or timeoutMs passes. A device that went away reports HungUp
    // with the error of the failed read in status.
    virtual SerialWait WaitReadable(int timeoutMs, SysStatus& status);
    virtual SerialWait WaitWritable(int timeoutMs, SysStatus& status);

private:
    SysStatus SetModemLine(int line, bool on);
    SerialWait Wait(short events, int timeoutMs, SysStatus& status);

    int fd_ = -1;
};
