#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class TKtLEDDisplay;
class TLogWriter;
class TModemWorker;

// The dialling dialog: "Позвонить" runs the AT dialogue that sets up a GSM data call to the
// panel over a modem transport whose port is open; "Отмена" stops it. The dialogue logs each
// command and answer as an information line. A dial that fails, is cancelled or meets a modem
// failure answer (whose message is shown) escapes to command mode, hangs up and leaves the
// dialog open for another try. A call that comes up closes the dialog with OK.
//
// Closing the dialog (close box, Esc) while it dials only stops the dial; once the dialogue
// has hung up, the dialog closes as cancelled. Whenever it closes without a call it closes the
// port.
class TFormDial : public QDialog {
    Q_OBJECT

public:
    TFormDial(QWidget* owner, const QString& phone, TModemWorker* worker, TLogWriter* log);

    // The connect path's entry point: shows the dialog modally (through the dialog service)
    // over owner and returns true when it closed with a data call up (worker.Connected set).
    // On false no call is up and the dialog has closed the port; the caller frees the
    // transport. A port that went away during the dialogue ends the dialog at once and raises
    // TCloseException with the system's words.
    static bool Execute(QWidget* owner, const QString& phone, TModemWorker& worker, TLogWriter& log);

    // Ends the dialog unless a dial runs; then it stops the dial and closes when it has unwound.
    void done(int result) override;

    TKtLEDDisplay* const KtLEDDisplay1;
    QLabel* const Label1;
    QLabel* const Image1;
    QPushButton* const bReDial;
    QLabel* const pStatus;
    QPushButton* const btnStop;

private:
    void bReDialClick();
    void btnStopClick();
    void FormClose();
    bool DialSequence();
    // One modem set-up command: its status and log line, then op; on failure the error line.
    bool InitStep(const QString& status, const QString& command, const std::function<bool()>& op);
    // Widens the status panel so that every status text, the dialled number included, fits.
    void FitStatus();
    void SetStatus(const QString& text);
    void LogInfo(const QString& text);

    QString Phone;
    TModemWorker* Worker;
    TLogWriter* Log;

    bool dialling_ = false;
    bool closeRequested_ = false;
    QString portGone_; // the system's words when the port went away under the dialogue
};
